// Rebuilding an element object from its insert.
#include "core/element_load.h"

#include <string>

#include "acdb_objects.h"
#include "aced_input.h"
#include "ads_entity.h"
#include "core/application_name.h"
#include "core/drawing_context.h"
#include "core/element_factory.h"
#include "core/insert_plane.h"
#include "core/lobject.h"
#include "core/null_handle.h"
#include "core/string_convert.h"
#include "core/system_text.h"
#include "core/xdata_list.h"

static ElementMaker currentMaker = nullptr;

ElementMaker SetElementMaker(ElementMaker maker) {
    ElementMaker old = currentMaker;
    currentMaker = maker;
    return old;
}

LObject* MakeElement(int16_t family, uint16_t subtype) {
    return currentMaker ? currentMaker(family, subtype) : CreateElement(family, subtype);
}

// What the insert's groups before the XDATA give.
struct InsertPlacement {
    std::string handle;
    ads_point point = {0, 0, 0};
    double scale[3] = {1.0, 1.0, 1.0};
    double rotation = 0.0;
    bool inDrawingPlane = true;
    const resbuf* marker = nullptr;
};

// Entity groups of an insert that place it.
constexpr int kHandleCode = 5;
constexpr int kPointCode = 10;
constexpr int kFirstScaleCode = 41;
constexpr int kRotationCode = 50;
constexpr int kXdataMarkerCode = -3;

// The first group of a code before the XDATA marker, or null.
static const resbuf* EntityGroup(const resbuf* list, int code) {
    for (const resbuf* rb = list; rb && rb->restype != kXdataMarkerCode; rb = rb->rbnext)
        if (rb->restype == code)
            return rb;
    return nullptr;
}

// Takes handle, point, scales, rotation and plane wherever they stand among
// the entity groups (other writers order an insert's groups otherwise), each
// missing one at its default, and the XDATA marker; false without a handle
// or the marker.
static bool ReadPlacement(const resbuf* list, InsertPlacement* out) {
    const resbuf* handle = EntityGroup(list, kHandleCode);
    const resbuf* marker = list;
    while (marker && marker->restype != kXdataMarkerCode)
        marker = marker->rbnext;
    if (!handle || !marker)
        return false;
    out->handle = GroupText(handle);
    if (const resbuf* point = EntityGroup(list, kPointCode))
        CopyPoint3d(out->point, point->resval.rpoint);
    for (int k = 0; k < 3; ++k)
        if (const resbuf* scale = EntityGroup(list, kFirstScaleCode + k))
            out->scale[k] = scale->resval.rreal;
    if (const resbuf* rotation = EntityGroup(list, kRotationCode))
        out->rotation = rotation->resval.rreal;
    if (const resbuf* normal = EntityGroup(list, kExtrusionCode))
        out->inDrawingPlane = IsDrawingPlaneNormal(normal->resval.rpoint);
    out->marker = marker;
    return true;
}

// The groups after the marker up to the subtype group; tag and user text
// filled, null when they do not follow the format.
static const resbuf* ReadHeader(const resbuf* marker, std::string* tag, std::string* userText,
                                bool* hasUserText, int16_t* family, uint16_t* subtype) {
    GroupCursor in(marker->rbnext);
    const resbuf* rb = in.Take(1001);
    if (!rb || GroupText(rb) != kApplicationName || !(rb = in.Take(1000)))
        return nullptr;
    *tag = GroupText(rb);
    if ((rb = in.Take(1000))) {
        *userText = GroupText(rb);
        *hasUserText = true;
    }
    const resbuf* f = in.Take(1070);
    const resbuf* s = f ? in.Take(1070) : nullptr;
    if (!s)
        return nullptr;
    *family = static_cast<int16_t>(f->resval.rint);
    *subtype = static_cast<uint16_t>(s->resval.rint);
    return s;
}

// A stored length (or piece length) that would cut the run into more pieces
// than any placement lays is taken as one piece: said once per element and
// drawing, in the program's own words like its other notices.  The stored
// values are not changed.
static constexpr const wchar_t* kRunTakenWhole =
    L"\nLURAK: element %ls: a run of %lg in pieces of %lg would take more than %d pieces; "
    L"it is drawn and listed as one piece of its own length, its stored values kept.\n";

static void NoteUncutRun(const LObject* e) {
    LDrawingContext* drawing = CurrentDrawing();
    if (!e->uncutRun.uncut || !drawing || !drawing->notedUncutRuns.insert(e->HandleText()).second)
        return;
    acutPrintf(kRunTakenWhole, ToWide(e->HandleText()).c_str(), e->uncutRun.length, e->uncutRun.pieceLength,
               kMaxPieces);
}

static LObject* Discard(LObject* element) {
    DestroyElement(element);
    return nullptr;
}

// An element drawn from a user block takes the insert's block and scale.
static void TakeUserBlock(LObject* e, const ads_name entity) {
    AcDbObjectId id;
    if (acdbGetObjectId(id, entity) != Acad::eOk)
        return;
    AcDbBlockReference* ref = nullptr;
    if (acdbOpenObject(ref, id, AcDb::kForRead) != Acad::eOk || !ref)
        return;
    e->SetBlockId(ref->blockTableRecord());
    e->SetScaleFactors(ref->scaleFactors());
    ref->close();
}

LObject* LoadElementFromEntity(const ads_name entity, LabelOwner labels) {
    if (ads_name_nil(entity))
        return nullptr;
    resbuf* list = acdbEntGetX(entity, ElementAppFilter());
    if (!list)
        return nullptr;
    InsertPlacement at;
    std::string tag, userText;
    bool hasUserText = false;
    int16_t family = 0;
    uint16_t subtype = 0;
    const resbuf* subtypeGroup = nullptr;
    if (ReadPlacement(list, &at))
        subtypeGroup = ReadHeader(at.marker, &tag, &userText, &hasUserText, &family, &subtype);
    LObject* e = subtypeGroup ? MakeElement(family, subtype) : nullptr;
    if (!e) {
        acutRelRb(list);
        return nullptr;
    }
    SetElementUserText(e, hasUserText ? userText.c_str() : nullptr);
    ads_name_set(entity, e->entity);
    SetElementHandle(e, at.handle.c_str());
    e->SetInsertionPoint(at.point);
    e->SetRotation(at.rotation);
    e->SetScale(at.scale[0], at.scale[1], at.scale[2]);
    e->inDrawingPlane = at.inDrawingPlane;
    int16_t read = e->ReadXData(subtypeGroup, labels);
    acutRelRb(list);
    if (read != 0)
        return Discard(e);
    LSystemRecord record;
    char tagText[16];
    CopyFieldText(tagText, sizeof tagText, tag.c_str());
    if (!CurrentDrawing() || GetSystemByTag(CurrentDrawing()->systemList, &record, tagText) != 0)
        return Discard(e);
    e->SetSystemRecord(record);
    if (e->GetKind() & kKindUserBlock)
        TakeUserBlock(e, entity);
    NoteUncutRun(e);
    return e;
}
