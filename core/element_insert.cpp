// Writing an element into the drawing: its insert (new or updated), the
// refresh of its number labels, marks and dimensions, and the moving of its
// label entities to the system's label layer.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "acdb_objects.h"
#include "ads_entity.h"
#include "core/drawing_context.h"
#include "core/dimensions.h"
#include "core/element_xdata.h"
#include "core/global_mode.h"
#include "core/insert_flags.h"
#include "core/labels.h"
#include "core/lobject.h"
#include "core/string_convert.h"
#include "core/system_layers.h"
#include "core/xdata_list.h"

// Replaces a string group's text.
static void SetGroupText(resbuf* group, const char* text) {
    resbuf* fresh = acutBuildList(group->restype, ToWide(text).c_str(), 0);
    if (!fresh)
        return;
    std::swap(group->resval.rstring, fresh->resval.rstring);
    acutRelRb(fresh);
}

// Links a new group right after `at`.
static void InsertAfter(resbuf* at, resbuf* fresh) {
    if (!fresh)
        return;
    fresh->rbnext = at->rbnext;
    at->rbnext = fresh;
}

// Releases everything after `at`.
static void CutAfter(resbuf* at) {
    if (at->rbnext)
        acutRelRb(at->rbnext);
    at->rbnext = nullptr;
}

// The new insert's handle becomes the element's.
static int16_t TakeNewInsert(LObject* e, const ads_name made) {
    std::string handle = HandleOfEntity(made);
    if (handle.empty())
        return -1;
    ads_name_set(made, e->entity);
    SetElementHandle(e, handle.c_str());
    return 0;
}

static int16_t InsertOwnBlock(LObject* e) {
    char name[kBlockNameSize] = "";
    // No insert of a block the host did not make.
    if (e->MakeBlock(name) != 0 || name[0] == '\0')
        return -1;
    const LSystemRecord& r = e->System();
    std::wstring block = ToWide(name), linetype = ToWide(r.penLinetype[0]), layer = ToWide(r.penLayer[0]);
    AcGeScale3d s;
    e->GetScale(&s);
    ads_point at;
    e->GetInsertionPoint(at);
    resbuf* list = acutBuildList(RTDXF0, L"INSERT", 2, block.c_str(), 0);
    GroupList g;
    g.Append(list);
    if (!linetype.empty())
        g.Text(6, r.penLinetype[0]);
    g.Text(8, r.penLayer[0]);
    g.Point(10, at);
    g.Real(41, s.sx);
    g.Real(42, s.sy);
    g.Real(43, s.sz);
    g.Real(50, e->GetRotation());
    g.Short(62, r.penColour[0]);
    g.Append(acutBuildList(-3, 0));
    resbuf* xdata = e->WriteXData();
    if (!xdata || g.Failed()) {
        if (xdata)
            acutRelRb(xdata);
        return -1;
    }
    g.Append(xdata);
    resbuf* whole = g.Take();
    int status = acdbEntMake(whole);
    acutRelRb(whole);
    ads_name made;
    if (status != RTNORM || acdbEntLast(made) != RTNORM)
        return -1;
    return TakeNewInsert(e, made);
}

static AcDbDatabase* CurrentDatabase() {
    return CurrentDrawing() ? CurrentDrawing()->database : nullptr;
}

static Acad::ErrorStatus AppendToModelSpace(AcDbDatabase* db, AcDbEntity* entity, AcDbObjectId& id) {
    AcDbBlockTable* table = nullptr;
    if (!db || db->getBlockTable(table, AcDb::kForRead) != Acad::eOk || !table)
        return Acad::eNoDatabase;
    AcDbBlockTableRecord* space = nullptr;
    Acad::ErrorStatus es = table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForWrite);
    table->close();
    if (es != Acad::eOk || !space)
        return es == Acad::eOk ? Acad::eKeyNotFound : es;
    es = space->appendAcDbEntity(id, entity);
    space->close();
    return es;
}

static int16_t InsertUserBlock(LObject* e) {
    const LSystemRecord& r = e->System();
    AcDbDatabase* db = CurrentDatabase();
    std::wstring layer = ToWide(r.penLayer[0]), linetype = ToWide(r.penLinetype[0]);
    CreateLayer(r.penColour[0], layer.c_str(), db);
    ads_point at;
    e->GetInsertionPoint(at);
    AcGeScale3d s;
    e->GetScale(&s);
    auto* ref = new AcDbBlockReference(AcGePoint3d(), e->GetBlockId());
    // A place the drawing refuses (a number that overflowed) makes no insert,
    // rather than one at the origin or unturned.
    if (ref->setPosition(AcGePoint3d(at[0], at[1], at[2])) != Acad::eOk ||
        ref->setRotation(e->GetRotation()) != Acad::eOk || ref->setScaleFactors(s) != Acad::eOk) {
        delete ref;
        return -1;
    }
    if (!linetype.empty())
        ref->setLinetype(linetype.c_str());
    ref->setLayer(layer.c_str());
    ref->setColorIndex(static_cast<Adesk::UInt16>(r.penColour[0]));
    // An insert without its data would be a plain block, no element.
    resbuf* xdata = e->WriteXData();
    Acad::ErrorStatus taken = xdata ? ref->setXData(xdata) : Acad::eBadXData;
    if (xdata)
        acutRelRb(xdata);
    if (taken != Acad::eOk) {
        delete ref;
        return -1;
    }
    AcDbObjectId id;
    if (AppendToModelSpace(db, ref, id) != Acad::eOk) {
        delete ref;
        return -1;
    }
    ref->close();
    ads_name made;
    if (acdbGetAdsName(made, id) != Acad::eOk)
        return -1;
    return TakeNewInsert(e, made);
}

// Pen 0's linetype and colour, block, point, rotation and XDATA of the
// existing insert.
static int16_t UpdateInsert(LObject* e, uint16_t flags) {
    bool ownBlock = (e->GetKind() & kKindUserBlock) == 0;
    char name[kBlockNameSize] = "";
    // A block the host did not make leaves the insert on its old one.
    bool newBlock = (flags & kInsertNewBlock) && ownBlock && e->MakeBlock(name) == 0 && name[0] != '\0';
    resbuf* list = acdbEntGetX(e->entity, ElementAppFilter());
    if (!list)
        return -1;
    const LSystemRecord& r = e->System();
    int16_t result = 0;
    resbuf* layer = FindGroup(list, 8);
    resbuf* linetype = FindGroup(list, 6);
    resbuf* colour = FindGroup(list, 62);
    if ((!linetype || !colour) && !layer)
        result = -1;
    if (result == 0) {
        if (colour)
            colour->resval.rint = r.penColour[0];
        else
            InsertAfter(layer, acutBuildList(62, static_cast<int>(r.penColour[0]), 0));
        if (linetype)
            SetGroupText(linetype, r.penLinetype[0]);
        else if (r.penLinetype[0][0])
            InsertAfter(layer, acutBuildList(6, ToWide(r.penLinetype[0]).c_str(), 0));
    }
    resbuf* block = FindGroup(list, 2);
    if (result == 0 && newBlock) {
        if (block)
            SetGroupText(block, name);
        else
            result = -1;
    }
    resbuf* point = FindGroup(list, 10);
    resbuf* turn = FindGroup(list, 50);
    resbuf* marker = FindGroup(list, -3);
    if (result == 0 && (!point || !turn || !marker))
        result = -1;
    resbuf* xdata = result == 0 ? e->WriteXData() : nullptr;
    if (result == 0 && !xdata)
        result = -1;
    if (result == 0) {
        e->GetInsertionPoint(point->resval.rpoint);
        turn->resval.rreal = e->GetRotation();
        CutAfter(marker);
        marker->rbnext = xdata;
        if (acdbEntMod(list) != RTNORM)
            result = -1;
    }
    acutRelRb(list);
    return result;
}

// Groups of the label XDATA that the refresh rewrites.
static void SetLabelXData(resbuf* list, int16_t circle, double h, const ads_point plan) {
    resbuf* marker = FindGroup(list, -3);
    if (!marker)
        return;
    if (resbuf* rb = FindGroup(marker, 1070))
        rb->resval.rint = circle;
    if (resbuf* rb = FindGroup(marker, 1040))
        rb->resval.rreal = h;
    if (resbuf* rb = FindGroup(marker, 1010))
        CopyPoint3d(rb->resval.rpoint, plan);
}

// The element insert's rotation, position, scale and unrotated extents.
struct InsertFrame {
    double rotation = 0;
    AcGePoint3d position;
    AcGeScale3d scale;
    AcGePoint3d min, max;
    bool hasExtents = false;
};

static bool ReadInsertFrame(const LObject* e, InsertFrame* out) {
    AcDbObjectId id;
    if (acdbGetObjectId(id, e->entity) != Acad::eOk)
        return false;
    AcDbBlockReference* ref = nullptr;
    if (acdbOpenObject(ref, id, AcDb::kForWrite) != Acad::eOk || !ref)
        return false;
    out->rotation = ref->rotation();
    out->position = ref->position();
    out->scale = ref->scaleFactors();
    ref->setRotation(0.0);
    AcDbExtents ext;
    if (ref->getGeomExtents(ext) == Acad::eOk) {
        out->min = ext.minPoint();
        out->max = ext.maxPoint();
        out->hasExtents = true;
    }
    ref->cancel();
    return true;
}

// Puts the leader's ends for a refreshed label at P.
static int16_t RefreshLeader(LObject* e, LLabelNode* node, resbuf* labelList, double h,
                             const ads_point plan) {
    const LSystemRecord& r = e->System();
    resbuf* pointGroup = FindGroup(labelList, 10);
    ads_point p;
    CopyPoint3d(p, pointGroup->resval.rpoint);
    InsertFrame f;
    bool framed = ReadInsertFrame(e, &f);
    ads_point anchor;
    SetPoint3d(anchor, plan[0] * f.scale.sx, plan[1] * f.scale.sy, 0);
    RotateVector2d(anchor, f.rotation);
    anchor[0] += e->insertionPoint[0];
    anchor[1] += e->insertionPoint[1];
    bool on = false;
    if (framed && f.hasExtents && !HasTypeFlag(e->GetTypeDesc(), kTypeLabelsAwayFromOutline)) {
        ads_point q = {p[0] - f.position.x, p[1] - f.position.y, 0};
        RotateVector2d(q, -f.rotation);
        q[0] += f.position.x;
        q[1] += f.position.y;
        double d = CurrentDrawing() ? CurrentDrawing()->defaults.labelDistance : 50.0;
        on = (f.min.x - d) * f.scale.sx - h < q[0] && q[0] < (f.max.x + d) * f.scale.sx + h &&
             (f.min.y - d) * f.scale.sy - h < q[1] && q[1] < (f.max.y + d) * f.scale.sy + h;
    }
    double dx = p[0] - anchor[0], dy = p[1] - anchor[1], l = std::sqrt(dx * dx + dy * dy);
    if (r.labelCircle != 0) {
        if (l > 0) {
            p[0] -= h * dx / l;
            p[1] -= h * dy / l;
        }
    } else {
        p[0] += dx > 0 ? -h : h;
    }
    if (acdbEntMod(labelList) != RTNORM)
        return -1;
    if (on)
        CopyPoint3d(anchor, p);
    resbuf* leader = acdbEntGetX(node->leader, ElementAppFilter());
    if (!leader)
        return -1;
    resbuf* colour = FindGroup(leader, 62);
    resbuf* start = FindGroup(leader, 10);
    resbuf* end = FindGroup(leader, 11);
    int16_t result = 0;
    if (!colour || !start || !end) {
        result = -1;
    } else {
        colour->resval.rint = r.dimColour;
        CopyPoint3d(start->resval.rpoint, anchor);
        CopyPoint3d(end->resval.rpoint, p);
        SetLabelXData(leader, r.labelCircle, h, plan);
        if (acdbEntMod(leader) != RTNORM)
            result = -1;
    }
    acutRelRb(leader);
    return result;
}

static int16_t RefreshLabel(LObject* e, LLabelNode* node, double h) {
    resbuf* list = acdbEntGetX(node->insert, ElementAppFilter());
    if (!list)
        return 0;
    resbuf* block = FindGroup(list, 2);
    resbuf* point = FindGroup(list, 10);
    char name[kBlockNameSize] = "";
    int16_t result = 0;
    if (!block || !point || BuildLabelGraphics(e, &node->number, name, sizeof name) != 0) {
        result = -1;
    } else {
        SetGroupText(block, name);
        ads_point plan;
        e->TransformByOrientation(plan, node->point);
        SetLabelXData(list, e->System().labelCircle, h, plan);
        // The leader's anchor is a point of the plan: an element whose insert
        // lies in another plane keeps its leader where it is.
        if (!EntityIsLive(node->leader) || !e->inDrawingPlane)
            result = acdbEntMod(list) == RTNORM ? 0 : -1;
        else
            result = RefreshLeader(e, node, list, h, plan);
    }
    acutRelRb(list);
    return result;
}

// The text style's id; false when the drawing has no such style.
static bool FindTextStyle(const char* name, AcDbObjectId* id) {
    ads_name record;
    if (acdbTblObjName(L"STYLE", ToWide(name).c_str(), record) != RTNORM)
        return false;
    return acdbGetObjectId(*id, record) == Acad::eOk;
}

static void RefreshMarksAndDimensions(LObject* e) {
    bool third = false;
    for (LLabelNode* node = &e->firstLabel; node; node = node->next)
        third = third || !ads_name_nil(node->third);
    if (third) {
        int16_t saved = GetGlobalMode();
        SetGlobalMode(kModeRelabel);
        e->UpdateLabel();
        SetGlobalMode(saved);
    }
    const LSystemRecord& r = e->System();
    AcDbObjectId style;
    bool hasStyle = FindTextStyle(r.textStyle, &style);
    for (int i = 0; i < e->markCount && i < kMarkRoom; ++i) {
        AcDbObjectId id;
        AcDbText* text = nullptr;
        if (acdbGetObjectId(id, e->marks[i]) != Acad::eOk ||
            acdbOpenObject(text, id, AcDb::kForWrite) != Acad::eOk || !text)
            continue;
        if (hasStyle)
            text->setTextStyle(style);
        text->setHeight(r.size);
        text->setColorIndex(static_cast<Adesk::UInt16>(r.dimTextColour));
        text->close();
    }
    resbuf* overrides = BuildDimensionStyleOverride(r);
    for (int i = 0; overrides && i < e->dimensionCount && i < kMaxDimensions; ++i) {
        AcDbObjectId id;
        AcDbEntity* dim = nullptr;
        if (acdbGetObjectId(id, e->dimensions[i]) != Acad::eOk ||
            acdbOpenObject(dim, id, AcDb::kForWrite) != Acad::eOk || !dim)
            continue;
        dim->setXData(overrides);
        dim->close();
    }
    if (overrides)
        acutRelRb(overrides);
}

int16_t LObject::Insert(uint16_t flags) {
    double h = LabelTextHeight(system.size, system.tag);
    if (ads_name_nil(entity)) {
        int16_t made = (kind & kKindUserBlock) ? InsertUserBlock(this) : InsertOwnBlock(this);
        if (made != 0)
            return -1;
    } else if (flags & (kInsertUpdate | kInsertNewBlock)) {
        if (UpdateInsert(this, flags) != 0)
            return -1;
    }
    if (flags & kInsertLabels) {
        for (LLabelNode* node = &firstLabel; node; node = node->next)
            if (!ads_name_nil(node->insert) && RefreshLabel(this, node, h) != 0)
                return -1;
    }
    if (flags & kInsertMarks)
        RefreshMarksAndDimensions(this);
    return 0;
}
