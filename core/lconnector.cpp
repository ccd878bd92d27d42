#include "core/lconnector.h"

#include "core/geometry.h"
#include "core/lobject.h"
#include "core/null_handle.h"

LConnector::LConnector() : neighbourHandle(NullHandleText) {}

LConnector::~LConnector() { FreeHandleText(neighbourHandle); }

bool LConnector::IsFree() const { return IsNullHandle(neighbourHandle); }

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
