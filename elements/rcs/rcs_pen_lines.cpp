#include "elements/rcs/rcs_pen_lines.h"

#include "core/description_text.h"
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

char* TtBoxDescription(const LObject& e, const std::string& name, double H, double L, double h, int gParam,
                       int16_t gCode) {
    return DescriptionText(name).Size("H", H).Size("L", L).Size("h", h).Option(RowText(e, gParam, gCode)).NewBuffer();
}
