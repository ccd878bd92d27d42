#include "elements/rcs/plane_lines.h"

#include "core/draw_neutral.h"
#include "core/lobject.h"

void Line0(PlanePoint a, PlanePoint b) {
    ads_point p = {a.x, a.y, 0}, q = {b.x, b.y, 0};
    MakeLine(p, q);
}

void Path0(std::initializer_list<PlanePoint> points) {
    const PlanePoint* previous = nullptr;
    for (const PlanePoint& p : points) {
        if (previous)
            Line0(*previous, p);
        previous = &p;
    }
}

void Pen1Line(LObject& e, PlanePoint a, PlanePoint b) {
    ads_point p = {a.x, a.y, 0}, q = {b.x, b.y, 0};
    e.LineC(p, q);
}

void Pen2Line(LObject& e, PlanePoint a, PlanePoint b) {
    ads_point p = {a.x, a.y, 0}, q = {b.x, b.y, 0};
    e.Line(p, q);
}

void Dashed(LObject& e, PlanePoint a, PlanePoint b) {
    ads_point p = {a.x, a.y, 0}, q = {b.x, b.y, 0};
    e.DashedLine(p, q);
}

void Line2OrDashed(LObject& e, PlanePoint a, PlanePoint b, bool hidden) {
    if (hidden)
        Dashed(e, a, b);
    else
        Pen2Line(e, a, b);
}

void Circle2OrDashed(LObject& e, PlanePoint c, double r, bool hidden) {
    ads_point p = {c.x, c.y, 0};
    if (hidden)
        e.DashedCircle(p, r);
    else
        e.Circle(p, r);
}
