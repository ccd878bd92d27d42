#include "elements/rcs/rcs_pen_lines.h"

#include "core/draw_neutral.h"
#include "core/type_descriptor.h"

int16_t PenLine(LObject& e, LinePen pen, PenPoint from, PenPoint to) {
    const ads_point p = {from.x, from.y, 0}, q = {to.x, to.y, 0};
    switch (pen) {
    case LinePen::kNeutral: return MakeLine(p, q);
    case LinePen::kFace: return e.LineC(p, q);
    case LinePen::kDetail: return e.Line(p, q);
    default: return e.DashedLine(p, q);
    }
}

void PenChain(LObject& e, LinePen pen, std::initializer_list<PenPoint> points) {
    const PenPoint* previous = nullptr;
    for (const PenPoint& p : points) {
        if (previous)
            PenLine(e, pen, *previous, p);
        previous = &p;
    }
}

const char* RowText(const LObject& e, int param, int pos) {
    return DescListText(e.GetTypeDesc(), param, pos - 1);
}
