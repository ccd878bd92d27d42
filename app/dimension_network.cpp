// "C:ldim": labels, numbers and sizes every network of the current
// element's air system.  The walk starts at the current element; when it
// is done, the next network starts at the first element of the system that
// no walk has come to, until none is left or the user quits.
#include <algorithm>
#include <vector>

#include "acdb_objects.h"
#include "aced_input.h"
#include "ads_entity.h"
#include "app/command_bodies.h"
#include "app/doc_state.h"
#include "app/label_numbering.h"
#include "app/label_writes.h"
#include "app/material_list.h"
#include "app/network_walk.h"
#include "core/command_state.h"
#include "core/element_factory.h"
#include "core/element_load.h"
#include "core/insert_plane.h"
#include "core/lobject.h"
#include "core/messages.h"
#include "core/string_convert.h"
#include "core/system_entities.h"
#include "core/system_layers.h"
#include "core/system_list.h"
#include "core/write_rollback.h"
#include "mfc.h"
#include "ui/mfc/dimdlg.h"

namespace {

constexpr int kMsgNoCurrentElement = 155;
constexpr int kMsgOtherSystem = 192;
constexpr const wchar_t* kMsgSystemInOtherPlane =
    L"\nLURAK: %d element(s) of air system %ls lie in another plane than the drawing's (extrusion not 0,0,1); "
    L"the system is not labelled.\n";

// The element inserts of the system, in drawing order.
std::vector<EntityRef> SystemInserts(const char* tag) {
    std::vector<EntityRef> inserts = SelectElementInserts();
    std::erase_if(inserts, [tag](const EntityRef& r) {
        ads_name n = {r[0], r[1]};
        return !IsElementOfSystem(n, tag);
    });
    return inserts;
}

// Labels and leaders are placed by an element's point, and numbers written
// anywhere in the system: while one of its elements lies in another plane
// (its point not a plan point) nothing of the system is labelled.
bool RefuseSystemInOtherPlane(const std::vector<EntityRef>& system, const char* tag) {
    int count = 0;
    for (const EntityRef& r : system) {
        ads_name n = {r[0], r[1]};
        if (!InsertInDrawingPlane(n))
            ++count;
    }
    if (count > 0)
        acutPrintf(kMsgSystemInOtherPlane, count, ToWide(tag).c_str());
    return count > 0;
}

bool Contains(const std::vector<EntityRef>& set, const ads_name entity) {
    return std::find(set.begin(), set.end(), ToEntityRef(entity)) != set.end();
}

// The label layer (made when missing) becomes the current layer; the
// system's dimension style, when the drawing has it, the current one.
void UseSystemLayerAndStyle(AcDbDatabase* database, const LSystemRecord& record) {
    if (!database)
        return;
    AcDbObjectId layer = EnsureLayer(record.labelLayer, database);
    if (!layer.isNull())
        database->setClayer(layer);
    AcDbDimStyleTable* styles = nullptr;
    if (!record.dimStyle[0] || database->getDimStyleTable(styles, AcDb::kForRead) != Acad::eOk || !styles)
        return;
    AcDbObjectId style;
    bool found = styles->getAt(ToWide(record.dimStyle).c_str(), style) == Acad::eOk;
    styles->close();
    if (found) {
        database->setDimstyle(style);
        database->setDimstyleData(style);
    }
}

// After "Select": the user picks the new start among the system's
// elements; false when the user cancels (or the input ends).
bool PickNewStart(const std::vector<EntityRef>& system, ads_name start) {
    for (;;) {
        ads_name picked;
        ads_point at;
        int status = acedEntSel(nullptr, picked, at);
        if (status == RTCAN)
            return false;
        if (status != RTNORM)
            continue;
        if (Contains(system, picked)) {
            ads_name_set(picked, start);
            return true;
        }
        acedAlert(ToWide(CommandMessage(kMsgOtherSystem)).c_str());
    }
}

// Walks every network of the system in turn.
void WalkSystem(LDocState* s, std::vector<EntityRef> system, const char* tag, int16_t option) {
    ads_name start;
    ads_name_set(s->currentEntity, start);
    for (;;) {
        ads_name visited;
        acedSSAdd(nullptr, nullptr, visited);
        int16_t result = WalkNetwork(start, visited, tag, option);
        if (result == kWalkSelect && PickNewStart(system, start)) {
            acedSSFree(visited);
            continue;
        }
        // A cancelled pick removes nothing; every other end removes what
        // the walk came to.
        if (result != kWalkSelect)
            std::erase_if(system, [&visited](const EntityRef& r) {
                ads_name n = {r[0], r[1]};
                return acedSSMemb(n, visited) == RTNORM;
            });
        acedSSFree(visited);
        if (system.empty() || s->numberingStop != 0)
            return;
        start[0] = system.front()[0];
        start[1] = system.front()[1];
    }
}

}  // namespace

int DimensionNetwork(int) {
    LDocState* s = CurrentDocState;
    if (!s)
        return RTNORM;
    s->numberingStop = 0;
    LObject* current = LoadElementFromEntity(s->currentEntity);
    if (!current) {
        acutPrintf(L"%ls", ToWide(CommandMessage(kMsgNoCurrentElement)).c_str());
        return RTNORM;
    }
    LSystemRecord record = current->System();
    char tag[16];
    current->GetSystemTag(tag, sizeof tag);
    GetSystemByTag(s->systemList, &record, tag);
    DestroyElement(current);
    if (RefuseSystemInOtherPlane(SystemInserts(record.tag), record.tag))
        return RTNORM;

    // Every write of the run, taken back when the drawing refuses one.
    WriteRollback undo;
    undo.MarkModelSpaceEnd();
    {
        NumberingWritesScope writes(s, undo);
        {
            CommandState kept(s->database, true);
            int16_t option = 0;
            {
                CTemporaryResourceOverride resources;
                CDimDlg dialog(acedGetAcadFrame());
                if (dialog.DoModal() != IDOK)
                    return RTNORM;
                option = dialog.code;
            }
            std::vector<EntityRef> system = SystemInserts(record.tag);
            UseSystemLayerAndStyle(s->database, record);
            UnhighlightCurrent();
            CollectElementInserts(record);
            WalkSystem(s, std::move(system), record.tag, option);
        }
        if (!s->numberingRefused)
            ApplyLabelNumbers(1);
    }
    if (s->numberingRefused)
        undo.Undo();
    ClearMaterialLists();
    HighlightCurrent();
    return RTNORM;
}
