// "C:lexplode": the entities of each selected element's block copied into
// model space in the insert's place, on the insert's layer and in its
// colour where theirs is BYBLOCK; the element insert itself, with its
// XDATA, moves to a layer the user chooses.  An element whose insert lies
// in another plane than the drawing's is left out, and counted.
#include "app/explode_elements.h"

#include <string>

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
#include "mfc.h"
#include "ui/mfc/lexdialog.h"

namespace {

constexpr Adesk::UInt16 kByBlock = 0;

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

// One element insert: its block's copies placed, the insert moved.
void ExplodeInsert(AcDbDatabase* db, AcDbObjectId space, const ads_name entity, const std::wstring& target) {
    AcDbObjectId id;
    AcDbBlockReference* ref = nullptr;
    if (acdbGetObjectId(id, entity) != Acad::eOk || acdbOpenObject(ref, id, AcDb::kForWrite) != Acad::eOk || !ref)
        return;
    ACHAR* layerText = ref->layer();
    std::wstring formerLayer = layerText ? layerText : L"0";
    acutDelString(layerText);
    Adesk::UInt16 colour = ref->colorIndex();
    ref->setLayer(target.c_str());
    AcGeMatrix3d transform = ref->blockTransform();
    AcDbObjectIdArray ids = BlockEntities(ref->blockTableRecord());
    ref->close();
    AcDbIdMapping mapping;
    if (ids.isEmpty() || db->deepCloneObjects(ids, space, mapping, false) != Acad::eOk)
        return;
    AcDbIdMappingIter it(mapping);
    for (it.start(); !it.done(); it.next()) {
        AcDbIdPair pair;
        AcDbEntity* clone = nullptr;
        if (!it.getMap(pair) || !pair.isCloned() ||
            acdbOpenObject(clone, pair.value(), AcDb::kForWrite) != Acad::eOk || !clone)
            continue;
        clone->transformBy(transform);
        clone->setLayer(formerLayer.c_str());
        clone->setColorIndex(ExplodedColour(clone->colorIndex(), colour));
        clone->close();
    }
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
    int otherPlane = 0;
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
        ExplodeInsert(s->database, space, entity, target);
    }
    ReportLeftOutOtherPlane(otherPlane);
    return RTNORM;
}
