// The number label: its block, and placing it with its leader at a point
// the user picks.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "acdb_objects.h"
#include "aced_input.h"
#include "ads_entity.h"
#include "core/application_name.h"
#include "core/drawing_context.h"
#include "core/anonymous_block.h"
#include "core/draw_neutral.h"
#include "core/labels.h"
#include "core/layer_names.h"
#include "core/lobject.h"
#include "core/string_convert.h"
#include "core/xdata_list.h"

double LabelHalfWidth(double size, const char* tag) {
    double w = 1.8 * size;
    size_t n = tag ? std::strlen(tag) : 0;
    if (n > 2)
        w = 1.8 * size * (2.0 * n / 5.0);
    return w;
}

void LabelAnchor(const LObject* e, const ads_point labelPoint, ads_point plan, ads_point anchor) {
    e->TransformByOrientation(plan, labelPoint);
    CopyPoint3d(anchor, plan);
    RotateVector2d(anchor, e->GetRotation());
    ads_point at;
    e->GetInsertionPoint(at);
    AddVector3d(anchor, at);
}

// One centred text of a label block; layer "0" unless layer is null.
int16_t MakeLabelText(const LSystemRecord& r, double y, int vertical, const char* text, const char* layer) {
    ads_point at = {0, y, 0};
    GroupList g;
    g.Append(acutBuildList(RTDXF0, L"TEXT", 0));
    if (r.textStyle[0])
        g.Text(7, r.textStyle);
    if (layer)
        g.Text(8, layer);
    g.Real(40, r.size);
    g.Short(62, r.dimTextColour);
    g.Point(10, at);
    g.Point(11, at);
    g.Short(72, 1);
    g.Short(73, vertical);
    g.Text(1, text);
    if (g.Failed())
        return RTERROR;
    return MakeFromList(g.Take());
}

int16_t BuildLabelGraphics(LObject* e, const int32_t* number, char* name, size_t nameSize) {
    if (!e || !number)
        return -1;
    const LSystemRecord& r = e->System();
    double v = r.size, w = LabelHalfWidth(v, r.tag);
    ads_point origin = {0, 0, 0};
    BeginAnonymousBlock(origin);
    MakeLabelText(r, v / 10, 1, r.tag, "0");
    if (e->listingFlag < 1) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%d", static_cast<int>(*number));
        MakeLabelText(r, -2 * v / 5, 3, digits, "0");
    }
    ads_point left = {-w, 0, 0}, right = {w, 0, 0};
    MakeFromList(acutBuildList(RTDXF0, L"LINE", 8, kLayerZeroWide, 62, static_cast<int>(r.dimColour), 10, left, 11,
                               right, 0));
    if (r.labelCircle != 0)
        MakeFromList(acutBuildList(RTDXF0, L"CIRCLE", 8, kLayerZeroWide, 62, static_cast<int>(r.dimColour), 10,
                                   origin, 40, w, 0));
    return EndAnonymousBlock(name, nameSize) == RTNORM ? 0 : -1;
}

// The label XDATA: the other entity's handle, circle flag, half-width, the
// element's handle and the plan point.
static resbuf* LabelXData(const char* other, int16_t circle, double w, const char* element,
                          const ads_point plan) {
    GroupList g;
    g.Append(acutBuildList(-3, 0));
    g.Text(1001, kApplicationName);
    g.Text(1000, kLabelMarker);
    g.Text(1002, "{");
    g.Text(1005, other);
    g.Short(1070, circle);
    g.Real(1040, w);
    g.Text(1005, element);
    g.Point(1010, plan);
    g.Text(1002, "}");
    return g.Failed() ? nullptr : g.Take();
}

// Makes the entity of head + tail; the new main entity, or false.
static bool MakeWithXData(resbuf* head, resbuf* tail, ads_name made) {
    GroupList g;
    g.Append(head);
    g.Append(tail);
    if (g.Failed() || !head || !tail)
        return false;
    resbuf* list = g.Take();
    int status = acdbEntMake(list);
    acutRelRb(list);
    return status == RTNORM && acdbEntLast(made) == RTNORM;
}

// True when the pick lies within the label distance of the element's
// extents (never for the flexible duct).
static bool PickNearElement(const LObject* e, const ads_point pick) {
    if (HasTypeFlag(e->GetTypeDesc(), kTypeLabelsAwayFromOutline))
        return false;
    AcDbObjectId id;
    AcDbBlockReference* ref = nullptr;
    if (acdbGetObjectId(id, e->entity) != Acad::eOk || acdbOpenObject(ref, id, AcDb::kForRead) != Acad::eOk ||
        !ref)
        return false;
    AcDbExtents ext;
    bool has = ref->getGeomExtents(ext) == Acad::eOk;
    ref->close();
    if (!has)
        return false;
    double d = CurrentDrawing() ? CurrentDrawing()->defaults.labelDistance : 50.0;
    const AcGePoint3d &lo = ext.minPoint(), &hi = ext.maxPoint();
    return lo.x - d < pick[0] && lo.y - d < pick[1] && hi.x + d > pick[0] && hi.y + d > pick[1];
}

// The user's answer at the label point; 1 for a point, else the result.
static int16_t AskLabelPoint(const ads_point anchor, ads_point pick) {
    acedInitGet(0, L"Select Next Quit");
    int status = acedGetPoint(anchor, nullptr, pick);
    if (status == RTNORM)
        return 1;
    if (status != RTKWORD)
        return -1;
    wchar_t word[32] = L"";
    acedGetInput(word, sizeof word / sizeof word[0]);
    std::string k = ToNarrowString(word);
    if (k == "Select")
        return 200;
    if (k == "Quit" && CurrentDrawing())
        CurrentDrawing()->numberingStop = 1;
    return -2;
}

int16_t PlaceLabel(LObject* e, int16_t i) {
    LLabelNode* node = e ? e->GetLabel(i) : nullptr;
    if (!node)
        return -1;
    const LSystemRecord& r = e->System();
    ads_point plan, anchor, pick;
    LabelAnchor(e, node->point, plan, anchor);
    double w = LabelHalfWidth(r.size, r.tag);
    int16_t answer = AskLabelPoint(anchor, pick);
    if (answer != 1)
        return answer;
    e->EraseLabel(i);
    char name[kBlockNameSize] = "";
    if (BuildLabelGraphics(e, &node->number, name, sizeof name) != 0)
        return -1;
    std::wstring block = ToWide(name), layer = ToWide(r.labelLayer);
    ads_name insert, leader;
    if (!MakeWithXData(acutBuildList(RTDXF0, L"INSERT", 2, block.c_str(), 8, layer.c_str(), 50, 0.0, 62,
                                     static_cast<int>(r.dimColour), 10, pick, 0),
                       LabelXData("0", r.labelCircle, w, e->HandleText(), plan), insert))
        return -1;
    ads_name_set(insert, node->insert);
    std::string insertHandle = HandleOfEntity(insert);
    bool near = PickNearElement(e, pick);
    double dx = pick[0] - anchor[0], dy = pick[1] - anchor[1], d = std::sqrt(dx * dx + dy * dy);
    ads_point end, start;
    CopyPoint3d(end, pick);
    if (r.labelCircle == 0) {
        end[0] += dx > 0 ? -w : w;
    } else if (d > 0) {
        end[0] -= w * dx / d;
        end[1] -= w * dy / d;
    }
    CopyPoint3d(start, near ? end : anchor);
    if (!MakeWithXData(acutBuildList(RTDXF0, L"LINE", 8, layer.c_str(), 62, static_cast<int>(r.dimColour),
                                     10, start, 11, end, 0),
                       LabelXData(insertHandle.c_str(), r.labelCircle, w, e->HandleText(), plan), leader))
        return -1;
    ads_name_set(leader, node->leader);
    // The insert learns its leader's handle.
    resbuf* list = acdbEntGetX(insert, ElementAppFilter());
    resbuf* text = list ? FindGroup(FindGroup(list, -3), 1000) : nullptr;
    resbuf* other = text ? FindGroup(text, 1005) : nullptr;
    if (other) {
        resbuf* fresh = acutBuildList(1005, ToWide(HandleOfEntity(leader).c_str()).c_str(), 0);
        if (fresh) {
            std::swap(other->resval.rstring, fresh->resval.rstring);
            acutRelRb(fresh);
        }
        acdbEntMod(list);
    }
    if (list)
        acutRelRb(list);
    e->AttachReactorToLabels();
    return 0;
}
