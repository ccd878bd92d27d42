// What a connector draws: its end outline and far-side mark into the block
// being built, and its size beside the element in the drawing.
#include <cmath>
#include <cstdio>
#include <string>

#include "ads_entity.h"
#include "core/drawing_context.h"
#include "core/dimensions.h"
#include "core/draw_neutral.h"
#include "core/lconnector.h"
#include "core/lobject.h"
#include "core/string_convert.h"

// p + (x, y) turned by angle.
static void Placed(ads_point out, const ads_point p, double x, double y, double angle) {
    SetPoint3d(out, x, y, 0);
    RotateVector2d(out, angle);
    AddVector3d(out, p);
}

static void Offset(ads_point out, const ads_point p, double x, double y) {
    SetPoint3d(out, p[0] + x, p[1] + y, p[2]);
}

// Four sides of the rectangle of half sizes hx, hy about p; neutral lines,
// or the owner's pen-2 lines.
static void Rectangle(LObject* owner, const ads_point p, double hx, double hy, bool neutral) {
    ads_point c[4];
    Offset(c[0], p, -hx, -hy);
    Offset(c[1], p, -hx, hy);
    Offset(c[2], p, hx, hy);
    Offset(c[3], p, hx, -hy);
    for (int k = 0; k < 4; ++k) {
        if (neutral)
            MakeLine(c[k], c[(k + 1) % 4]);
        else
            owner->Line(c[k], c[(k + 1) % 4]);
    }
}

void LConnector::DrawEnd(double e, int16_t style) const {
    if (!owner)
        return;
    ads_point p;
    GetOffset(p);
    double w = 0, h = 0;
    GetSize(&w, &h);
    if (!IsFaceOn()) {
        double half = w / 2;
        if (shape == kShapeRect || a > 800)
            half += e;
        ads_point p1, p2;
        double theta = GetAngle();
        Placed(p1, p, 0, half, theta);
        Placed(p2, p, 0, -half, theta);
        owner->LineC(p1, p2);
        return;
    }
    double c = std::cos(angle);
    if (shape == kShapeRect) {
        double hh = h * c, ee = e * c;
        Rectangle(owner, p, hh / 2, w / 2, true);
        if (style == 1) {
            ads_point s1, s2, s3, s4;
            Offset(s1, p, -hh / 2, w / 2);
            Offset(s2, p, hh / 2, w / 2);
            Offset(s3, p, -hh / 2, -w / 2);
            Offset(s4, p, -3 * hh / 10, 3 * w / 10);
            MakeSolid(s1, s2, s3, s4);
        }
        Rectangle(owner, p, hh / 2 + ee, w / 2 + e, false);
        return;
    }
    bool filled = style == 1 && IsFree();
    if (angle == 0) {
        MakeCircle(p, a / 2);
        if (filled)
            owner->Ellipse(p, a / 2, kPi, kTwoPi, 0.75);
    } else {
        MakeEllipse(p, a / 2, c);
        if (filled)
            owner->Ellipse(p, a / 2, kPi, kTwoPi, 3 * c / 4);
    }
}

void LConnector::DrawMark() const {
    if (!owner || !IsFaceOn())
        return;
    ads_point p;
    GetOffset(p);
    double w = 0, h = 0;
    GetSize(&w, &h);
    double c = std::cos(angle);
    if (shape == kShapeRect) {
        double hh = h * c;
        ads_point p1, p2, p3;
        Offset(p1, p, -hh / 2, w / 2);
        Offset(p2, p, 3 * hh / 10, 3 * w / 10);
        Offset(p3, p, hh / 2, -w / 2);
        owner->DashedLine(p1, p2);
        owner->DashedLine(p2, p3);
    } else if (IsFree()) {
        owner->DashedEllipse(p, a / 2, 0, kPi, angle == 0 ? 0.75 : 3 * c / 4);
    }
}

// One size text beside an edge-on connector, recorded as a mark.
static void SizeText(LObject* owner, const LSystemRecord& r, const ads_point p, double t,
                     double tau, int vertical, const std::string& text) {
    ads_point at;
    Placed(at, p, 0, t, tau);
    std::wstring layer = ToWide(r.labelLayer), style = ToWide(r.textStyle), value = ToWide(text.c_str());
    resbuf* list = acutBuildList(RTDXF0, L"TEXT", 8, layer.c_str(), 7, style.c_str(), 40, r.size, 50, tau,
                                 62, static_cast<int>(r.dimTextColour), 10, at, 11, at, 72, 1, 73,
                                 vertical, 1, value.c_str(), 0);
    if (!list)
        return;
    int status = acdbEntMake(list);
    acutRelRb(list);
    ads_name made;
    if (status == RTNORM && acdbEntLast(made) == RTNORM)
        owner->AddMark(made);
}

static std::string Number(const char* format, double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, v);
    return buffer;
}

void LConnector::MakeSizeText() const {
    if (!owner || !CurrentDrawing())
        return;
    LSystemRecord r;
    char tag[16];
    owner->GetSystemTag(tag, sizeof tag);
    if (GetSystemByTag(CurrentDrawing()->systemList, &r, tag) != 0)
        return;
    AcGeScale3d s;
    owner->GetScale(&s);
    double rho = owner->GetRotation();
    ads_point p, at;
    GetOffset(p);
    p[0] *= s.sx;
    p[1] *= s.sy;
    RotateVector2d(p, rho);
    owner->GetInsertionPoint(at);
    AddVector3d(p, at);
    double w = 0, h = 0;
    GetSize(&w, &h);
    double theta = GetAngle();
    if (IsFaceOn()) {
        if (shape == kShapeRect) {
            double d = owner->GetDimensionOffset();
            MakeDimension(*owner, p, w, h / 2 + d, rho + kHalfPi);
            MakeDimension(*owner, p, h, w / 2 + d, rho);
        } else {
            MakeDiameterDimension(*owner, p, a, rho + kHalfPi);
        }
        return;
    }
    double tau = theta + rho;
    double m = std::fmod(tau, kTwoPi);
    if (m >= 0.3490658503888889 && m <= 3.4906585038888887)
        tau -= kHalfPi;
    else
        tau += kHalfPi;
    if (shape == kShapeRect) {
        SizeText(owner, r, p, r.size / 10, tau, 1, Number("%g", w));
        SizeText(owner, r, p, -2 * r.size / 5, tau, 3, Number("%g", h));
    } else {
        SizeText(owner, r, p, r.size / 10, tau, 1, "\\U+2205" + Number("%g", a));
    }
}
