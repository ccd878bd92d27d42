#include "elements/tv/ltv_wall_symbols.h"

#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"

namespace {

// Draws with the main pen, solid or dashed.
class Pen {
public:
    Pen(LTv& e, bool dashed) : e(e), dashed(dashed) {}
    void Segment(double x1, double y1, double x2, double y2) const {
        FigureLine(e, dashed ? FittingPen::kDashed : FittingPen::kPen2, x1, y1, x2, y2);
    }
    // The rectangle with half-sizes hx, hy about (0, cy), from its top left
    // corner clockwise and closed.
    void Rectangle(double hx, double hy, double cy = 0) const {
        Segment(-hx, cy + hy, hx, cy + hy);
        Segment(hx, cy + hy, hx, cy - hy);
        Segment(hx, cy - hy, -hx, cy - hy);
        Segment(-hx, cy - hy, -hx, cy + hy);
    }

private:
    LTv& e;
    bool dashed;
};

void Face(const Pen& pen, double W, double H, double m, double d, WallFace face) {
    double w = W / 2, h = H / 2;
    auto opening = [&] { pen.Rectangle(w, h); };
    auto frame = [&] { pen.Rectangle(w + m, h + m); };
    auto core = [&] { pen.Rectangle(W / 10, H / 10); };
    auto mark = [&] {
        pen.Segment(-W / 15, -H / 20, W / 15, -H / 20);
        pen.Segment(0, H / 20, 0, -H / 20);
        pen.Segment(-W / 15, H / 20, -W / 15, -H / 20);
    };
    switch (face) {
    case WallFace::kFramed:
        opening();
        frame();
        core();
        mark();
        pen.Segment(-w, h, -W / 10, H / 10);
        pen.Segment(w, h, W / 10, H / 10);
        pen.Segment(w, -h, W / 10, -H / 10);
        pen.Segment(-w, -h, -W / 10, -H / 10);
        break;
    case WallFace::kFramedFoot:
        frame();
        opening();
        pen.Segment(-W / 10, -h, -W / 10, -h + d / 2);
        pen.Segment(-W / 10, -h + d / 2, W / 10, -h + d / 2);
        pen.Segment(W / 10, -h + d / 2, W / 10, -h);
        core();
        mark();
        break;
    case WallFace::kCrossed: {
        opening();
        pen.Segment(-w, h, w, -h);
        pen.Segment(w, h, -w, -h);
        frame();
        double k = d / 2;
        pen.Segment(-W / 10, -h + k, -W / 10, -h + 5 * k / 3);
        pen.Segment(-W / 10, -h + 5 * k / 3, W / 10, -h + 5 * k / 3);
        pen.Segment(W / 10, -h + 5 * k / 3, W / 10, -h + k);
        pen.Segment(W / 10, -h + k, -W / 10, -h + k);
        break;
    }
    }
}

// a is the half-size across the view, d the casing depth.
void Edge(LTv& e, double a, double d, WallEdge edge) {
    Pen solid(e, false), dashed(e, true);
    solid.Segment(-a, 0, -a, d);
    solid.Segment(-a, d, a, d);
    solid.Segment(a, d, a, 0);
    switch (edge) {
    case WallEdge::kActuator:
        solid.Segment(-a / 5, d, -a / 5, 5 * d / 3);
        solid.Segment(-a / 5, 5 * d / 3, a / 5, 5 * d / 3);
        solid.Segment(a / 5, 5 * d / 3, a / 5, d);
        break;
    case WallEdge::kOneBlade:
        dashed.Segment(-a, 0, a, -a);
        dashed.Segment(a, -a, a, 0);
        break;
    case WallEdge::kTwoBlades:
        dashed.Segment(-a, 0, -a, -a);
        dashed.Segment(-a, -a, 0, 0);
        dashed.Segment(0, 0, a, -a);
        dashed.Segment(a, -a, a, 0);
        break;
    case WallEdge::kCasingOnly:
        break;
    }
}

}  // namespace

int16_t DrawWallDamperSymbol(LTv& e, double W, double H, WallFace face, WallEdge edge, char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    double m = e.layoutLengths[4], d = e.layoutLengths[5];
    ElementView view = ViewOf(e.orientation);
    if (view.IsPlan())
        Face(Pen(e, view.fromBelow), W, H, m, d, face);  // from the back: hidden
    else if (view.IsSide())
        Edge(e, W / 2, d, edge);
    else if (view.IsEnd())
        Edge(e, H / 2, d, edge);
    return block.Close();
}
