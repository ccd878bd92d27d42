#include "core/dimensions.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "acdb_objects.h"
#include "aced_input.h"
#include "ads_entity.h"
#include "core/global_mode.h"
#include "core/lobject.h"
#include "core/string_convert.h"

namespace {

// The value the dimension command takes for the line angle, in degrees.
constexpr double kDimensionPi = 3.1415926535;

std::wstring NumberText(const char* prefix, double value) {
    char text[64];
    snprintf(text, sizeof text, "%s%lg", prefix, value);
    return ToWide(text);
}

// p + (x, y) rotated by angle.
void OffsetPoint(const ads_point p, double x, double y, double angle, ads_point out) {
    double c = std::cos(angle), s = std::sin(angle);
    out[X] = p[X] + x * c - y * s;
    out[Y] = p[Y] + x * s + y * c;
    out[Z] = p[Z];
}

constexpr const wchar_t* kMsgDimensionTooLarge =
    L"\nLURAK: element %ls: its dimension would lie at numbers too large for a drawing; none is made.\n";

// True when every point is finite; else the user is told that the
// element's dimension is not made (at an insert scale of 1e306 its ends
// overflow), rather than the dimension command being handed points it
// refuses.
bool DimensionPointsFinite(const LObject& element, std::initializer_list<const double*> points) {
    for (const double* p : points) {
        if (!std::isfinite(p[X]) || !std::isfinite(p[Y]) || !std::isfinite(p[Z])) {
            acutPrintf(kMsgDimensionTooLarge, ToWide(element.HandleText()).c_str());
            return false;
        }
    }
    return true;
}

bool LastEntity(ads_name out) {
    return acdbEntLast(out) == RTNORM;
}

// The entity made since `before` was the last one, when there is one.
bool NewLastEntity(const ads_name before, bool hadBefore, ads_name out) {
    if (!LastEntity(out))
        return false;
    return !hadBefore || !ads_name_equal(before, out);
}

void EndDimensionMode(int times) {
    for (int i = 0; i < times; ++i)
        acedCommand(RTNONE);
}

bool TextPoint(const ads_name dimension, ads_point out) {
    resbuf* list = acdbEntGet(dimension);
    bool found = false;
    for (const resbuf* rb = list; rb && !found; rb = rb->rbnext) {
        if (rb->restype == 11) {
            ads_point_set(rb->resval.rpoint, out);
            found = true;
        }
    }
    acutRelRb(list);
    return found;
}

// Both passes of the aligned and diameter dimensions: the first lets the
// user pick the side, the second makes the dimension at the fixed offsets.
int16_t MakeTwoPassDimension(LObject& element, const ads_point p, double length, const double offsets[4],
                             double angle, const std::wstring& text) {
    if (GetGlobalMode() == kModeRelabel)
        return 0;
    ads_name before;
    bool hadBefore = LastEntity(before);
    double half = element.scale.sx * length / 2;
    double sy = element.scale.sy;
    ads_point e1, e2;
    OffsetPoint(p, -half, 0, angle, e1);
    OffsetPoint(p, half, 0, angle, e2);
    if (!DimensionPointsFinite(element, {e1, e2}))
        return 0;
    int status = acedCommand(RTSTR, L"_dim", RTSTR, L"_aligned", RT3DPOINT, e1, RT3DPOINT, e2, RTSTR, L"\\",
                             RTSTR, L"", RTNONE);
    ads_name probe;
    if (status != RTNORM || !NewLastEntity(before, hadBefore, probe)) {
        EndDimensionMode(2);
        return 0;
    }
    ads_point t;
    bool haveText = TextPoint(probe, t);
    acdbEntDel(probe);
    if (!haveText) {
        EndDimensionMode(2);
        return -1;
    }
    // Which side of the measured line the user picked.
    double c = std::cos(-angle), s = std::sin(-angle);
    double side = (t[X] - p[X]) * s + (t[Y] - p[Y]) * c;
    if (side > 0) {
        OffsetPoint(p, -half, sy * offsets[0], angle, e1);
        OffsetPoint(p, half, sy * offsets[1], angle, e2);
    } else if (side < 0) {
        OffsetPoint(p, -half, -sy * offsets[2], angle, e1);
        OffsetPoint(p, half, -sy * offsets[3], angle, e2);
    }
    if (!DimensionPointsFinite(element, {e1, e2})) {
        EndDimensionMode(1);
        return 0;
    }
    status = acedCommand(RTSTR, L"_rotated", RTANG, angle * 180.0 / kDimensionPi, RT3DPOINT, e1, RT3DPOINT, e2,
                         RT3DPOINT, t, RTSTR, text.c_str(), RTNONE);
    ads_name made;
    if (status == RTNORM && NewLastEntity(before, hadBefore, made))
        ApplyDimensionStyle(element, made);
    EndDimensionMode(1);
    return -1;
}

// Handle text of a text style of the current drawing (group 5 of the
// record's entity data), or "".
std::wstring TextStyleHandle(const char* style) {
    if (style == nullptr || style[0] == '\0')
        return L"";
    ads_name record;
    if (acdbTblObjName(L"STYLE", ToWide(style).c_str(), record) != RTNORM)
        return L"";
    resbuf* data = acdbEntGet(record);
    std::wstring handle;
    for (const resbuf* rb = data; rb; rb = rb->rbnext) {
        if (rb->restype == 5 && rb->resval.rstring) {
            handle = rb->resval.rstring;
            break;
        }
    }
    acutRelRb(data);
    return handle;
}

}  // namespace

int16_t MakeDimension(LObject& element, const ads_point p, double length, double offset, double angle) {
    if (GetGlobalMode() == kModeRelabel)
        return 0;
    return MakeAlignedDimension(element, p, length, offset, offset, offset, offset, angle);
}

int16_t MakeAlignedDimension(LObject& element, const ads_point p, double length, double o1, double o2,
                             double o3, double o4, double angle) {
    const double offsets[4] = {o1, o2, o3, o4};
    return MakeTwoPassDimension(element, p, length, offsets, angle, NumberText("", length));
}

int16_t MakeDiameterDimension(LObject& element, const ads_point p, double diameter, double angle) {
    const double none[4] = {0, 0, 0, 0};
    // The diameter sign is the host text engine's escape, stored as written.
    std::wstring text = NumberText("\\U+2205", diameter);
    return MakeTwoPassDimension(element, p, diameter, none, angle, text);
}

int16_t MakeRotatedDimension(LObject& element, const ads_point p1, const ads_point p2, double angle,
                             double value) {
    if (GetGlobalMode() == kModeRelabel)
        return 0;
    if (!DimensionPointsFinite(element, {p1, p2}))
        return 0;
    ads_name before;
    bool hadBefore = LastEntity(before);
    std::wstring text = NumberText("", value);
    int status = acedCommand(RTSTR, L"_dim", RTSTR, L"_rotated", RTANG, angle * 180.0 / kDimensionPi, RT3DPOINT, p1,
                             RT3DPOINT, p2, RTSTR, L"\\", RTSTR, text.c_str(), RTNONE);
    EndDimensionMode(1);
    ads_name made;
    if (status == RTNORM && NewLastEntity(before, hadBefore, made)) {
        ApplyDimensionStyle(element, made);
        return -1;
    }
    EndDimensionMode(1);
    return 0;
}

resbuf* BuildDimensionStyleOverride(const LSystemRecord& system) {
    std::wstring handle = TextStyleHandle(system.textStyle);
    double size = system.size;
    int line = system.dimColour, text = system.dimTextColour;
    if (handle.empty())
        return acutBuildList(1001, L"ACAD", 1000, L"DSTYLE", 1002, L"{", 1070, 41, 1040, 3.0 * size / 4.0,
                             1070, 140, 1040, size, 1070, 176, 1070, line, 1070, 177, 1070, line,
                             1070, 178, 1070, text, 1002, L"}", 0);
    return acutBuildList(1001, L"ACAD", 1000, L"DSTYLE", 1002, L"{", 1070, 41, 1040, 3.0 * size / 4.0,
                         1070, 140, 1040, size, 1070, 176, 1070, line, 1070, 177, 1070, line,
                         1070, 178, 1070, text, 1070, 340, 1005, handle.c_str(), 1002, L"}", 0);
}

void ApplyDimensionStyle(LObject& element, const ads_name dimension) {
    element.AddDimension(dimension);
    AcDbObjectId id;
    if (acdbGetObjectId(id, dimension) != Acad::eOk)
        return;
    AcDbEntity* entity = nullptr;
    if (acdbOpenAcDbEntity(entity, id, AcDb::kForWrite) != Acad::eOk)
        return;
    resbuf* xdata = BuildDimensionStyleOverride(element.system);
    if (xdata)
        entity->setXData(xdata);
    acutRelRb(xdata);
    entity->close();
}
