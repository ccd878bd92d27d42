#include "core/lconnector.h"

#include "core/geometry.h"
#include "core/insert_scale.h"
#include "core/lobject.h"
#include "core/null_handle.h"

LConnector::LConnector() : neighbourHandle(NullHandleText) {}

LConnector::~LConnector() { FreeHandleText(neighbourHandle); }

bool LConnector::IsFree() const { return IsNullHandle(neighbourHandle); }

bool LConnector::IsFaceOn() const {
    return owner && side % 3 == owner->GetOrientation() % 3;
}

void LConnector::Clear() {
    FreeHandleText(neighbourHandle);
    neighbourHandle = NullHandleText;
    neighbourIndex = -1;
    neighbour = nullptr;
    ads_name_clear(neighbourEntity);
}

static constexpr double kThreeHalfPi = 4.71238898025;

double LConnector::GetAngle() const {
    if (!owner)
        return angle;
    int o = owner->GetOrientation();
    int key = ViewKey();
    double base = ((o >= 3) != (side >= 3)) ? kPi : 0.0;
    double result = 0.0;
    switch (key) {
    case 1: result = side == 4 ? kHalfPi : kThreeHalfPi; break;
    case 2: case 12: result = base; break;
    case 10: case 20: result = o <= 3 ? kHalfPi - secondAngle : kHalfPi + secondAngle; break;
    case 21: result = base + kPi; break;
    default: result = 0.0; break;
    }
    if (side != 0 && side != 3) {
        if (o == 0)
            result += angle;
        else if (o == 3)
            result -= angle;
    }
    if (side == 3)
        result += kPi;
    return result;
}

void LConnector::GetOffset(ads_point out) const {
    if (!owner) {
        CopyPoint3d(out, position);
        return;
    }
    int o = owner->GetOrientation();
    double sign = o < 3 ? 1.0 : -1.0;
    switch (o % 3) {
    case 0: SetPoint3d(out, sign * position[0], position[1], 0); break;
    case 1: SetPoint3d(out, sign * position[0], position[2], 0); break;
    default: SetPoint3d(out, sign * position[1], position[2], 0); break;
    }
}

void LConnector::GetWorldPoint(ads_point out) const {
    if (!owner)
        return;
    ads_point p;
    GetOffset(p);
    // The insert draws the element's space at its scale.
    AcGeScale3d s;
    owner->GetScale(&s);
    ScaleToDrawing(p, s);
    RotateVector2d(p, owner->GetRotation());
    ads_point at;
    owner->GetInsertionPoint(at);
    AddVector3d(p, at);
    CopyPoint3d(out, p);
}

double LConnector::GetArea() const {
    if (shape != kShapeRect)
        return kPi * a * a * areaFactor / 4;
    return a * b * areaFactor;
}

int LConnector::ViewKey() const {
    if (!owner)
        return -1;
    return (owner->GetOrientation() % 3) * 10 + (side % 3);
}

// Keys whose view shows the height across: the size is reported (b, a).
static bool ViewSwapsSize(int key) {
    return key == 0 || key == 11 || key == 12 || key == 20 || key == 21 || key == 22;
}

void LConnector::GetSize(double* w, double* h) const {
    if (!owner) {
        if (shape == kShapeRect) {
            *w = a;
            *h = b;
        } else if (shape == kShapeRound) {
            *w = a;
            *h = a;
        }
        return;
    }
    if (shape != kShapeRect) {
        *w = a;
        *h = a;
        return;
    }
    bool swap = ViewSwapsSize(ViewKey());
    *w = swap ? b : a;
    *h = swap ? a : b;
}

// Stores one value into a bound parameter, or checks it against a value an
// earlier connector stored.
static bool StoreBound(double* params, int16_t* flags, int count, int index, double value) {
    if (index < 0 || index >= count)
        return true;
    if (!flags[index]) {
        params[index] = value;
        flags[index] = 1;
        return true;
    }
    return params[index] == value;
}

int16_t LConnector::SetSize(double* params, int16_t* setFlags, double w, double h) const {
    if (!owner || !params || !setFlags)
        return -1;
    bool swap = shape == kShapeRect && ViewSwapsSize(ViewKey());
    double forA = swap ? h : w;
    double forB = swap ? w : h;
    int count = owner->GetParamCount();
    if (!StoreBound(params, setFlags, count, paramA, forA))
        return -1;
    if (!StoreBound(params, setFlags, count, paramB, forB))
        return -1;
    return 0;
}

void LConnector::MarkBoundParams(int16_t** flags) const {
    if (!owner || !flags)
        return;
    int count = owner->GetParamCount();
    if (!*flags)
        *flags = new int16_t[count > 0 ? count : 1]();
    if (paramA >= 0 && paramA < count)
        (*flags)[paramA] = 1;
    if (paramB >= 0 && paramB < count)
        (*flags)[paramB] = 1;
}
