#include "elements/rcs/rcs_pen_lines.h"

#include "core/type_descriptor.h"

const char* RowText(const LObject& e, int param, int pos) {
    return DescListText(e.GetTypeDesc(), param, pos - 1);
}

void Circle2OrDashed(LObject& e, PenPoint c, double r, bool hidden) {
    ads_point p = {c.x, c.y, 0};
    if (hidden)
        e.DashedCircle(p, r);
    else
        e.Circle(p, r);
}
