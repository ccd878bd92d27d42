// "C:lexplode": the entities of each selected element's block copied into
// model space in the insert's place, on the insert's layer and in its
// colour where theirs is BYBLOCK; the element insert itself, with its
// XDATA, moves to a layer the user chooses.  An element whose insert lies
// in another plane than the drawing's, or whose block the drawing cannot
// take where and how its insert places it, is left out, and counted.
#include "app/explode_elements.h"

#include <string>
#include <vector>

#include "acdb_objects.h"
#include "aced_input.h"
#include "app/command_bodies.h"
#include "app/doc_state.h"
#include "app/model_space.h"
#include "app/plane_check.h"
#include "app/selection_set.h"
#include "core/element_load.h"
#include "core/element_ptr.h"
#include "core/message_numbers.h"
#include "core/messages.h"
#include "core/string_convert.h"
#include "core/xdata_list.h"
#include "mfc.h"
#include "ui/mfc/lexdialog.h"

namespace {

constexpr Adesk::UInt16 kByBlock = 0;

constexpr const wchar_t* kMsgLeftOutOverflow =
    L"\nLURAK: %d selected element(s) left out: their block, placed at their insert's scale, would hold numbers "
    L"too large for a drawing.\n";
constexpr const wchar_t* kMsgLeftOutUnevenScale =
    L"\nLURAK: %d selected element(s) left out: their insert's scale differs between the axes, which the "
    L"circles, arcs and texts of their block cannot take.\n";

// The layer of the name, made when the drawing lacks it.
bool EnsureLayer(AcDbDatabase* db, const std::wstring& name) {
    AcDbLayerTable* table = nullptr;
    if (!db || db->getLayerTable(table, AcDb::kForWrite) != Acad::eOk || !table)
        return false;
    bool ok = table->has(name.c_str());
    if (!ok) {
        auto* record = new AcDbLayerTableRecord;
        if (record->setName(name.c_str()) == Acad::eOk && table->add(record) == Acad::eOk) {
            record->close();
            ok = true;
        } else {
            delete record;
        }
    }
    table->close();
    return ok;
}

// The live entities of a block definition, from its start.
AcDbObjectIdArray BlockEntities(AcDbObjectId block) {
    AcDbObjectIdArray ids;
    AcDbBlockTableRecord* record = nullptr;
    if (acdbOpenObject(record, block, AcDb::kForRead) != Acad::eOk || !record)
        return ids;
    AcDbBlockTableRecordIterator* it = nullptr;
    if (record->newIterator(it, true, true) == Acad::eOk && it) {
        for (it->start(true, true); !it->done(); it->step(true, true)) {
            AcDbObjectId id;
            if (it->getEntityId(id) == Acad::eOk)
                ids.append(id);
        }
        delete it;
    }
    record->close();
    return ids;
}

// How the explosion of one element ended.
enum class Exploded { kDone, kNothing, kNumbersOverflow, kUnevenScale };

// Erases the copies made for an element that cannot be exploded whole; a
// sub-entity goes with its main entity.
void EraseCopies(const std::vector<AcDbObjectId>& copies) {
    for (AcDbObjectId id : copies) {
        ads_name e;
        if (acdbGetAdsName(e, id) == Acad::eOk && EntityIsLive(e))
            acdbEntDel(e);
    }
}

// One element insert: its block's copies placed, the insert moved.  An
// element is exploded whole or not at all: when the drawing refuses to
// place one copy (its numbers would overflow at the insert's scale, or an
// arc or text cannot take a scale that differs between the axes), the
// copies made are taken back and the insert keeps its layer.
Exploded ExplodeInsert(AcDbDatabase* db, AcDbObjectId space, const ads_name entity, const std::wstring& target) {
    AcDbObjectId id;
    AcDbBlockReference* ref = nullptr;
    if (acdbGetObjectId(id, entity) != Acad::eOk || acdbOpenObject(ref, id, AcDb::kForRead) != Acad::eOk || !ref)
        return Exploded::kNothing;
    ACHAR* layerText = ref->layer();
    std::wstring formerLayer = layerText ? layerText : L"0";
    acutDelString(layerText);
    Adesk::UInt16 colour = ref->colorIndex();
    AcGeMatrix3d transform = ref->blockTransform();
    AcDbObjectIdArray ids = BlockEntities(ref->blockTableRecord());
    ref->close();
    AcDbIdMapping mapping;
    if (!ids.isEmpty() && db->deepCloneObjects(ids, space, mapping, false) != Acad::eOk)
        return Exploded::kNothing;
    Exploded end = Exploded::kDone;
    AcDbIdMappingIter it(mapping);
    for (it.start(); !it.done() && end == Exploded::kDone; it.next()) {
        AcDbIdPair pair;
        AcDbEntity* clone = nullptr;
        if (!it.getMap(pair) || !pair.isCloned() ||
            acdbOpenObject(clone, pair.value(), AcDb::kForWrite) != Acad::eOk || !clone)
            continue;
        Acad::ErrorStatus placed = clone->transformBy(transform);
        if (placed == Acad::eInvalidInput)
            end = Exploded::kNumbersOverflow;
        else if (placed != Acad::eOk)
            end = Exploded::kUnevenScale;
        clone->setLayer(formerLayer.c_str());
        clone->setColorIndex(ExplodedColour(clone->colorIndex(), colour));
        clone->close();
    }
    if (end != Exploded::kDone) {
        // Every copy, also those not yet placed: none may stay where the
        // block keeps it.
        std::vector<AcDbObjectId> copies;
        for (it.start(); !it.done(); it.next()) {
            AcDbIdPair pair;
            if (it.getMap(pair) && pair.isCloned())
                copies.push_back(pair.value());
        }
        EraseCopies(copies);
        return end;
    }
    if (acdbOpenObject(ref, id, AcDb::kForWrite) == Acad::eOk && ref) {
        ref->setLayer(target.c_str());
        ref->close();
    }
    return Exploded::kDone;
}

} // namespace

Adesk::UInt16 ExplodedColour(Adesk::UInt16 own, Adesk::UInt16 insertColour) {
    return own == kByBlock ? insertColour : own;
}

int ExplodeElements(int) {
    LDocState* s = CurrentDocState;
    SelectionSet selection;
    if (!s || selection.Ask() != RTNORM)
        return RTNORM;
    LExDialog dlg(acedGetAcadFrame());
    dlg.database = s->database;
    if (dlg.DoModal() != IDOK)
        return RTNORM;
    std::wstring target = ToWide(dlg.layer.toUtf8().c_str());
    if (!EnsureLayer(s->database, target)) {
        acutPrintf(L"\n%s\n", ToWide(CommandMessage(kMsgNoLayer)).c_str());
        return RTNORM;
    }
    AcDbObjectId space = ModelSpaceId(s->database);
    if (space.isNull())
        return RTNORM;
    long n = selection.Length();
    int otherPlane = 0, overflow = 0, uneven = 0;
    for (long i = 0; i < n; ++i) {
        ads_name entity;
        if (!selection.At(i, entity))
            continue;
        ElementPtr element(LoadElementFromEntity(entity));
        if (!element)
            continue;
        // The block transform takes the insert's point as a plan point;
        // in another plane the copies would land at its mirror image or
        // be laid flat, so the element stays as it is.
        if (!element->inDrawingPlane) {
            ++otherPlane;
            continue;
        }
        Exploded end = ExplodeInsert(s->database, space, entity, target);
        overflow += end == Exploded::kNumbersOverflow;
        uneven += end == Exploded::kUnevenScale;
    }
    ReportLeftOutOtherPlane(otherPlane);
    if (overflow > 0)
        acutPrintf(kMsgLeftOutOverflow, overflow);
    if (uneven > 0)
        acutPrintf(kMsgLeftOutUnevenScale, uneven);
    return RTNORM;
}
