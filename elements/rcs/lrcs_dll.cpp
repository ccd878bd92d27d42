#include "elements/rcs/lrcs_dll.h"

#include "core/draw_neutral.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "core/element_block.h"

namespace {

constexpr double kSpigotLength = 50;
constexpr double kSpigotDrop = 25;
constexpr double kBoxAboveSpigot = 145;  // the box is this much taller than the spigot

}  // namespace

LRCsDlL::LRCsDlL() : LRCsBox(10, "BBL") {
    connectors[0]->side = 1;
    SetFlipModes(2, 0, 1);
    SetParams(DefaultValues());
}

// The spigot leaves the long side just below the box's top.
void LRCsDlL::PlaceConnector() {
    double k = layoutLengths[5];
    double z = (D + kBoxAboveSpigot) / 2 - kSpigotDrop - D / 2;
    SetPoint3d(connectors[0]->position, 0, -(H + k) / 2 - kSpigotLength, z);
}

// Plan: the grille (with its diagonals, dashed from above) in the box's
// frame, the spigot through the frame's near side.  End view: the box,
// the grille's face plate and the spigot on the side it leaves.  The box
// is not drawn along its length.
int16_t LRCsDlL::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    double k = layoutLengths[5], f = layoutLengths[1], bt = layoutLengths[0];
    double x = (L + k) / 2, y = (H + k) / 2, z = (D + kBoxAboveSpigot) / 2, r = D / 2;
    auto line0 = [this](double x1, double y1, double x2, double y2) {
        FigureLine(*this, FittingPen::kOutline, x1, y1, x2, y2);
    };
    auto line2 = [this](double x1, double y1, double x2, double y2) {
        FigureLine(*this, FittingPen::kPen2, x1, y1, x2, y2);
    };
    auto lineC = [this](double x1, double y1, double x2, double y2) {
        FigureLine(*this, FittingPen::kPen1, x1, y1, x2, y2);
    };
    if (orientation == 0 || orientation == 3) {
        bool grilleHidden = orientation == 0;  // seen from above, the grille lies under the box
        line0(-x, y, x, y);
        line0(x, y, x, -y);
        line0(x, -y, -x, -y);
        line0(-x, -y, -x, y);
        ads_point d1[2] = {{-x, y, 0}, {x, -y, 0}}, d2[2] = {{x, y, 0}, {-x, -y, 0}};
        if (grilleHidden) {
            DashedLine(d1[0], d1[1]);
            DashedLine(d2[0], d2[1]);
        } else {
            Line(d1[0], d1[1]);
            Line(d2[0], d2[1]);
        }
        double ox = x + f, oy = y + f;
        line2(-ox, -oy, -ox, oy);
        line2(-ox, oy, ox, oy);
        line2(ox, oy, ox, -oy);
        if (grilleHidden) {
            // The spigot shows through the gap it leaves in the frame.
            line2(ox, -oy, r, -oy);
            line2(-r, -oy, -ox, -oy);
            line0(-r, -y, -r, -y - kSpigotLength);
            line0(r, -y - kSpigotLength, r, -y);
        } else {
            line2(ox, -oy, -ox, -oy);
            line0(-r, -oy, -r, -y - kSpigotLength);
            line0(r, -y - kSpigotLength, r, -oy);
        }
        lineC(-r, -y - kSpigotLength, r, -y - kSpigotLength);
    } else if (orientation == 2 || orientation == 5) {
        double s = orientation == 2 ? 1.0 : -1.0;
        line0(-y, bt - z, -y, z);
        line0(-y, z, y, z);
        line0(y, z, y, bt - z);
        line0(-y - f, bt - z, y + f, bt - z);
        line2(-y - f, -z, y + f, -z);
        double top = z - kSpigotDrop, end = -s * (y + kSpigotLength);
        line0(-s * y, top, end, top);
        lineC(end, top, end, top - D);
        line0(end, top - D, -s * y, top - D);
    }
    return block.Close();
}
