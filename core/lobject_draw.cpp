// The element's pen-aware entity makers: layer, linetype and colour come
// from the pens of the element's own air-system record.
#include <string>

#include "ads_entity.h"
#include "core/draw_neutral.h"
#include "core/layer_names.h"
#include "core/lobject.h"
#include "core/string_convert.h"

namespace {

// A pen as the host takes it.
struct HostPen {
    std::wstring linetype, layer;
    int colour;
};

HostPen Pen(const LSystemRecord& s, int index) {
    return {ToWide(s.penLinetype[index]), ToWide(s.penLayer[index]), s.penColour[index]};
}

HostPen CentrePen(const LSystemRecord& s) {
    return {ToWide(s.centreLinetype), ToWide(s.centreLayer), s.centreColour};
}

const wchar_t* const kDashed = L"szaggatott";
const wchar_t* const kZigzag = L"cikkcakk";

int16_t PenLine(const HostPen& pen, const ads_point p1, const ads_point p2) {
    return MakeFromList(acutBuildList(RTDXF0, L"LINE", 6, pen.linetype.c_str(), 8,
                                      pen.layer.c_str(), 62, pen.colour, 10, p1, 11, p2, 0));
}

int16_t PenCircle(const HostPen& pen, const ads_point c, double r) {
    return MakeFromList(acutBuildList(RTDXF0, L"CIRCLE", 6, pen.linetype.c_str(), 8,
                                      pen.layer.c_str(), 62, pen.colour, 10, c, 40, r, 0));
}

int16_t PenArc(const HostPen& pen, const ads_point c, double r, double a0, double a1) {
    switch (SweepOf(a0, a1)) {
    case ArcSweep::kNone: return RTNORM;
    case ArcSweep::kWhole: return PenCircle(pen, c, r);
    case ArcSweep::kPart: break;
    }
    return MakeFromList(acutBuildList(RTDXF0, L"ARC", 6, pen.linetype.c_str(), 8,
                                      pen.layer.c_str(), 62, pen.colour, 10, c, 40, r, 50, a0,
                                      51, a1, 0));
}

int16_t PenEllipse(const HostPen& pen, const ads_point c, double a, double ratio) {
    ads_point major = {0, a, 0};
    return MakeFromList(acutBuildList(RTDXF0, L"ELLIPSE", 100, L"AcDbEntity", 6,
                                      pen.linetype.c_str(), 8, pen.layer.c_str(), 62, pen.colour,
                                      100, L"AcDbEllipse", 10, c, 11, major, 40, EllipseRatio(ratio), 0));
}

int16_t PenEllipseArc(const HostPen& pen, const ads_point c, double a, double t0, double t1,
                      double ratio) {
    ads_point major = {0, a, 0};
    return MakeFromList(acutBuildList(RTDXF0, L"ELLIPSE", 100, L"AcDbEntity", 6,
                                      pen.linetype.c_str(), 8, pen.layer.c_str(), 62, pen.colour,
                                      100, L"AcDbEllipse", 10, c, 11, major, 40, EllipseRatio(ratio), 41, t0,
                                      42, t1, 0));
}

HostPen Dashed(const LSystemRecord& s) {
    HostPen pen = Pen(s, 2);
    pen.linetype = kDashed;
    return pen;
}

}  // namespace

int16_t LObject::Line(const ads_point p1, const ads_point p2) {
    return PenLine(Pen(system, 2), p1, p2);
}

int16_t LObject::LineC(const ads_point p1, const ads_point p2) {
    return PenLine(Pen(system, 1), p1, p2);
}

int16_t LObject::LineB(const ads_point p1, const ads_point p2) {
    return PenLine(CentrePen(system), p1, p2);
}

int16_t LObject::Arc(const ads_point c, double r, double a0, double a1) {
    return PenArc(Pen(system, 2), c, r, a0, a1);
}

int16_t LObject::ArcB(const ads_point c, double r, double a0, double a1) {
    return PenArc(CentrePen(system), c, r, a0, a1);
}

int16_t LObject::Circle(const ads_point c, double r) { return PenCircle(Pen(system, 2), c, r); }

int16_t LObject::Solid(const ads_point p1, const ads_point p2, const ads_point p3,
                       const ads_point p4) {
    HostPen pen = Pen(system, 2);
    return MakeFromList(acutBuildList(RTDXF0, L"SOLID", 6, pen.linetype.c_str(), 8,
                                      pen.layer.c_str(), 62, pen.colour, 10, p1, 11, p2, 12, p3,
                                      13, p4, 0));
}

int16_t LObject::Ellipse(const ads_point c, double a, double t0, double t1, double ratio) {
    return PenEllipseArc(Pen(system, 2), c, a, t0, t1, ratio);
}

int16_t LObject::DashedLine(const ads_point p1, const ads_point p2) {
    return PenLine(Dashed(system), p1, p2);
}

int16_t LObject::DashedArc(const ads_point c, double r, double a0, double a1) {
    return PenArc(Dashed(system), c, r, a0, a1);
}

int16_t LObject::DashedCircle(const ads_point c, double r) {
    return PenCircle(Dashed(system), c, r);
}

int16_t LObject::DashedEllipse(const ads_point c, double a, double t0, double t1, double ratio) {
    return PenEllipseArc(Dashed(system), c, a, t0, t1, ratio);
}

int16_t LObject::DashedFullEllipse(const ads_point c, double a, double ratio) {
    return PenEllipse(Dashed(system), c, a, ratio);
}

int16_t LObject::SolidHatch(const ads_point c, double r) {
    HostPen pen = Pen(system, 2);
    ads_point normal = {0, 0, 1};
    return MakeFromList(acutBuildList(
        RTDXF0, L"HATCH", 100, L"AcDbEntity", 6, pen.linetype.c_str(), 8, pen.layer.c_str(), 62,
        pen.colour, 100, L"AcDbHatch", 10, c, 210, normal, 2, L"SOLID", 70, 1, 71, 0, 91, 1L,
        92, 1L, 93, 1L, 72, 2, 10, c, 40, r, 50, 0.0, 51, 6.283185307, 73, 1, 97, 0L, 75, 0, 76,
        1, 98, 1L, 10, c, 0));
}

int16_t LObject::ZigzagLine(const ads_point p1, const ads_point p2) {
    return MakeFromList(acutBuildList(RTDXF0, L"LINE", 6, kZigzag, 8, kLayerZeroWide, 48,
                                      system.zigzagScale, 62, 0, 10, p1, 11, p2, 0));
}

int16_t LObject::ZigzagArc(const ads_point c, double r, double a0, double a1) {
    switch (SweepOf(a0, a1)) {
    case ArcSweep::kNone: return RTNORM;
    case ArcSweep::kWhole:
        return MakeFromList(acutBuildList(RTDXF0, L"CIRCLE", 6, kZigzag, 8, kLayerZeroWide, 48,
                                          system.zigzagScale, 62, 0, 10, c, 40, r, 0));
    case ArcSweep::kPart: break;
    }
    return MakeFromList(acutBuildList(RTDXF0, L"ARC", 6, kZigzag, 8, kLayerZeroWide, 48,
                                      system.zigzagScale, 62, 0, 10, c, 40, r, 50, a0, 51, a1,
                                      0));
}
