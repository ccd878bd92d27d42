// "C:lcustom": any drawing entities made into a custom element.  They become
// the contents of a new block whose origin is the picked base point, the
// user describes the element, and an insert of the block, carrying the
// element's data, takes their place.
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "acdb_objects.h"
#include "aced_input.h"
#include "acrx_app.h"
#include "ads_entity.h"
#include "app/command_bodies.h"
#include "app/doc_state.h"
#include "app/edit_support.h"
#include "app/selection_set.h"
#include "core/element_factory.h"
#include "core/element_load.h"
#include "core/element_ptr.h"
#include "core/entity_handles.h"
#include "core/insert_flags.h"
#include "core/lconnector.h"
#include "core/lcustom.h"
#include "core/messages.h"
#include "core/string_convert.h"
#include "core/write_rollback.h"
#include "core/xdata_list.h"
#include "mfc.h"
#include "ui/mfc/lcustomdialog.h"

namespace {

constexpr int kMsgSelectCustom = 183;
constexpr int kPromptCustomBase = 184;
constexpr int kMsgBlockRefused = 185;
constexpr uint16_t kCustomSubtype = 1;
// The host names a block of this name with the next free anonymous name.
constexpr const ACHAR* kAnonymousBlockName = L"*U";

void PrintMessage(int number) { acutPrintf(L"%s", ToWide(CommandMessage(number)).c_str()); }

// A new, empty block definition with its origin at the base point.
AcDbObjectId AddBlockDefinition(AcDbDatabase* db, const ads_point base) {
    AcDbBlockTable* table = nullptr;
    if (!db || db->getBlockTable(table, AcDb::kForWrite) != Acad::eOk || !table)
        return AcDbObjectId();
    auto* record = new AcDbBlockTableRecord;
    record->setName(kAnonymousBlockName);
    record->setOrigin(AcGePoint3d(base[0], base[1], base[2]));
    AcDbObjectId id;
    if (table->add(id, record) != Acad::eOk) {
        table->close();
        delete record;
        return AcDbObjectId();
    }
    table->close();
    record->close();
    return id;
}

void EraseObject(AcDbObjectId id) {
    AcDbObject* object = nullptr;
    if (acdbOpenObject(object, id, AcDb::kForWrite) == Acad::eOk && object) {
        object->erase();
        object->close();
    }
}

// Copies the selected entities into the block: true when every one was
// copied.
bool CloneIntoBlock(AcDbDatabase* db, const SelectionSet& selection, long count, AcDbObjectId block) {
    AcDbObjectIdArray ids;
    for (long i = 0; i < count; ++i) {
        ads_name e;
        AcDbObjectId id;
        if (selection.At(i, e) && acdbGetObjectId(id, e) == Acad::eOk)
            ids.append(id);
    }
    if (ids.isEmpty())
        return false;
    AcDbIdMapping mapping;
    if (db->deepCloneObjects(ids, block, mapping, false) != Acad::eOk)
        return false;
    for (int i = 0; i < ids.length(); ++i) {
        AcDbIdPair pair(ids[i], AcDbObjectId(), false);
        if (!mapping.compute(pair) || !pair.isCloned())
            return false;
    }
    return true;
}

// The neighbours of the elements taken into the block lose their joints to
// them, in their stored data too: a connector left naming an erased insert
// reads as free but would keep its old neighbour's connector index.  False
// when the drawing refused one (said, and every write taken back).
bool FreeNeighboursOfTaken(const SelectionSet& selection, long count, WriteRollback& undo) {
    std::set<std::string> taken;
    for (long i = 0; i < count; ++i) {
        ads_name e;
        if (selection.At(i, e))
            taken.insert(HandleOfEntity(e));
    }
    for (long i = 0; i < count; ++i) {
        ads_name e;
        ElementPtr element(selection.At(i, e) ? LoadElementFromEntity(e) : nullptr);
        for (int16_t c = 0; element && c < element->GetConnectorCount(); ++c) {
            const LConnector* mine = element->GetConnector(c);
            if (!mine || mine->IsFree() || taken.count(mine->neighbourHandle))
                continue;
            int16_t j = mine->neighbourIndex;
            ElementPtr neighbour(element->LoadNeighbour(c));
            const LConnector* theirs = neighbour ? neighbour->GetConnector(j) : nullptr;
            if (!theirs || theirs->IsFree() || std::strcmp(theirs->neighbourHandle, element->HandleText()) != 0)
                continue;
            element->Disconnect(neighbour.get(), c, j);
            if (!WriteElement(neighbour.get(), kWriteNeighbour, undo))
                return false;
        }
    }
    return true;
}

} // namespace

int DefineCustomElement(int) {
    LDocState* s = CurrentDocState;
    if (!s)
        return RTNORM;
    PrintMessage(kMsgSelectCustom);
    SelectionSet selection;
    if (selection.Ask() != RTNORM)
        return RTNORM;
    ads_point base;
    if (acedGetPoint(nullptr, ToWide(CommandMessage(kPromptCustomBase)).c_str(), base) != RTNORM)
        return RTNORM;
    acutPrintf(L"\n");
    long count = selection.Length();
    if (count < 0)
        return RTNORM;
    ElementPtr element(CreateElement(kCustomFamilyCode, kCustomSubtype));
    if (!element)
        return RTNORM;
    element->SetSystemRecord(s->currentSystem);
    LCustomDialog dlg(acedGetAcadFrame());
    dlg.systems = &s->systemList;
    dlg.pElement = element.get();
    if (dlg.DoModal() != IDOK)
        return RTNORM;
    AcDbObjectId block = AddBlockDefinition(s->database, base);
    if (block.isNull()) {
        PrintMessage(kMsgBlockRefused);
        return RTNORM;
    }
    // The selected entities go only once their copies are in the block and
    // the element's insert stands.
    if (!CloneIntoBlock(s->database, selection, count, block)) {
        EraseObject(block);
        PrintMessage(kMsgBlockRefused);
        return RTNORM;
    }
    element->SetBlockId(block);
    element->SetScale(1, 1, 1);
    element->MoveTo(base);
    // A refused write leaves the selected entities as they were: the insert
    // and the neighbours' writes are taken back and the block goes.
    WriteRollback undo;
    if (!WriteElement(element.get(), kInsertAll, undo) || !FreeNeighboursOfTaken(selection, count, undo)) {
        EraseObject(block);
        return RTNORM;
    }
    // A label's reactor takes its leader along; acdbEntDel would bring an
    // entity erased so back, so only those still there are erased.
    for (long i = 0; i < count; ++i) {
        ads_name e;
        if (selection.At(i, e) && EntityExists(e))
            acdbEntDel(e);
    }
    ReleaseCurrentElement();
    s->defaults.hasElements = 1;
    if (AcApDocument* doc = acDocManager ? acDocManager->curDocument() : nullptr)
        if (doc->transactionManager())
            doc->transactionManager()->flushGraphics();
    acedRedraw(s->currentEntity, 4);
    element->GetEntity(s->currentEntity);
    acedRedraw(s->currentEntity, 3);
    return RTNORM;
}
