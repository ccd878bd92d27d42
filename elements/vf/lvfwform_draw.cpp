// The flexible duct's block: at every corner of the path a bend of zigzag
// arcs, between the bends zigzag lines for the two walls, the centre line
// when the system shows the round family's centre lines.  The figure is the
// same in every orientation.
#include <cmath>

#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/geometry.h"
#include "elements/vf/lvfwform.h"

namespace {

constexpr double kThreeHalfPi = 4.71238898025;

double Normalised(double a) {
    if (!std::isfinite(a))
        return 0.0;
    a = std::remainder(a, kTwoPi);
    return a;
}

// One bend: its centre, its sweep and the middle of it, and on which side
// of the duct the centre lies (+1 left, -1 right).
struct Bend {
    ads_point centre = {0, 0, 0};
    double sweep = 0.0, mid = 0.0, side = 1.0;

    // A turn right back puts the centre out of reach: no such bend is drawn.
    bool Drawable() const { return std::isfinite(centre[0]) && std::isfinite(centre[1]); }

    // The point at radius r where the bend starts (or ends).
    void At(double r, bool end, ads_point out) const {
        double a = mid + (end ? side : -side) * sweep / 2;
        SetPoint3d(out, centre[0] + r * std::cos(a), centre[1] + r * std::sin(a), 0);
    }
};

}  // namespace

int16_t LVfWform::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    const double r = BendRadius();
    const bool centreLines = system.roundCentreLines != 0;
    ads_point corner = {-extentX / 2, -extentY / 2, 0};
    Bend previous;
    for (const LVfPathNode* n = &first; n; n = n->Next()) {
        if (n != &first)
            AddVector3d(corner, n->offset);
        double following = n->next ? n->Next()->angle : n->angle;
        double turn = Normalised(following - n->angle);
        // A straight corner that lost its exactness in the arithmetic (a
        // path laid along -y, say) is no turn.
        if (std::fabs(turn) < kLeastSweep)
            turn = 0.0;
        Bend bend;
        bend.side = turn < 0 ? -1.0 : 1.0;
        bend.sweep = std::fabs(turn);
        bend.mid = following + (turn < 0 ? kHalfPi : kThreeHalfPi) - turn / 2;
        if (n == &first) {
            SetPoint3d(bend.centre, corner[0], corner[1] + bend.side * r, 0);
        } else {
            double k = r / std::cos(bend.sweep / 2), a = bend.mid - kPi;
            SetPoint3d(bend.centre, corner[0] + k * std::cos(a), corner[1] + k * std::sin(a), 0);
        }
        // A bend of no sweep would be drawn as a whole circle.
        if (bend.sweep > 0.0 && bend.Drawable()) {
            double a0 = bend.mid - bend.sweep / 2, a1 = bend.mid + bend.sweep / 2;
            ZigzagArc(bend.centre, 2 * d, a0, a1);
            ZigzagArc(bend.centre, d, a0, a1);
            if (centreLines)
                ArcB(bend.centre, r, a0, a1);
        }
        if (n != &first && previous.Drawable() && bend.Drawable()) {
            // Each wall from the previous bend's end to this bend's start;
            // the right wall lies at radius (side + 3) d / 2 of a bend.
            for (double wall : {1.0, -1.0}) {
                ads_point p1, p2;
                previous.At((3 + wall * previous.side) * d / 2, true, p1);
                bend.At((3 + wall * bend.side) * d / 2, false, p2);
                ZigzagLine(p1, p2);
            }
            if (centreLines) {
                ads_point p1, p2;
                previous.At(r, true, p1);
                bend.At(r, false, p2);
                LineB(p1, p2);
            }
        }
        previous = bend;
    }
    return block.Close();
}
