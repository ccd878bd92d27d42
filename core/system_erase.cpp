#include "core/system_erase.h"

#include <set>
#include <string>
#include <vector>

#include "aced_input.h"
#include "ads_entity.h"
#include "core/application_name.h"
#include "core/command_state.h"
#include "core/element_factory.h"
#include "core/element_room.h"
#include "core/lobject.h"
#include "core/string_convert.h"
#include "core/system_entities.h"
#include "core/system_layers.h"
#include "core/system_text.h"

namespace {

LElementUpdater g_updater;

bool HasUpdater() {
    return g_updater.loadElement && g_updater.moveLabelsToLabelLayer && g_updater.insert;
}

// Erases each entity once; acdbEntDel on an erased entity would bring it back.
class Eraser {
public:
    void Erase(const EntityRef& ref) {
        if (!done_.insert(ref).second)
            return;
        ads_name name = {ref[0], ref[1]};
        resbuf* list = acdbEntGet(name);
        if (list == nullptr)
            return;  // already erased or gone
        acutRelRb(list);
        acdbEntDel(name);
    }

private:
    std::set<EntityRef> done_;
};

// The label XDATA names its element by the second 1005 group.
std::string LabelElementHandle(const resbuf* list) {
    const resbuf* rb = list;
    while (rb && rb->restype != -3)
        rb = rb->rbnext;
    if (!rb || !(rb = rb->rbnext) || rb->restype != 1001 || !(rb = rb->rbnext) || rb->restype != 1000 ||
        ToNarrowString(rb->resval.rstring) != "LurakLabelReactor")
        return "";
    int seen = 0;
    for (; rb; rb = rb->rbnext)
        if (rb->restype == 1005 && ++seen == 2)
            return ToNarrowString(rb->resval.rstring);
    return "";
}

// Erases the removed system's element inserts and what they name; returns
// the handles of the erased elements.
std::set<std::string> EraseElementsOf(const char* tag, Eraser& eraser) {
    std::set<std::string> elements;
    std::vector<std::string> dependents;
    for (const EntityRef& ref : SelectElementInserts()) {
        ads_name name = {ref[0], ref[1]};
        resbuf* list = GetWithProgramXdata(name);
        if (list && ListIsOfSystem(list, tag)) {
            elements.insert(EntityHandle(name));
            for (std::string& h : XdataHandles(list))
                dependents.push_back(std::move(h));
            eraser.Erase(ref);
        }
        acutRelRb(list);
    }
    // Neighbours, children and parents are elements: they keep their own
    // system's fate.  Labels, leaders, marks and dimensions go.
    for (const std::string& handle : dependents) {
        ads_name name;
        if (acdbHandEnt(ToWide(handle.c_str()).c_str(), name) != RTNORM)
            continue;
        resbuf* list = GetWithProgramXdata(name);
        if (list && !IsElementList(list))
            eraser.Erase(ToEntityRef(name));
        acutRelRb(list);
    }
    return elements;
}

// Label inserts and leaders that name one of the erased elements.
void EraseLabelsOf(const std::set<std::string>& elements, Eraser& eraser) {
    if (elements.empty())
        return;
    resbuf* filter = acutBuildList(-3, 1001, kApplicationNameWide, 0);
    std::vector<EntityRef> tagged = filter ? SelectEntities(filter) : std::vector<EntityRef>();
    acutRelRb(filter);
    for (const EntityRef& ref : tagged) {
        ads_name name = {ref[0], ref[1]};
        resbuf* list = GetWithProgramXdata(name);
        std::string element = LabelElementHandle(list);
        acutRelRb(list);
        if (!element.empty() && elements.count(element) != 0)
            eraser.Erase(ref);
    }
}

void CarryOutRemovals(LSystemList& list, AcDbDatabase* database) {
    // Nothing queued (nearly always): the walk over the whole drawing for
    // the layers in use would cost every network start its size.
    if (!list.removals || !list.removals->next) {
        if (list.removals)
            ClearRemovals(list);
        return;
    }
    Eraser eraser;
    for (LSystemRemoval* r = list.removals; r && r->next; r = r->next)
        EraseLabelsOf(EraseElementsOf(r->tag, eraser), eraser);
    if (!list.removals || !list.removals->next)
        return;  // nothing to erase: the drawing need not be searched
    std::set<std::string> used = CollectUsedLayers(database);
    for (LSystemRemoval* r = list.removals; r && r->next; r = r->next)
        for (int i = 0; i < r->layerCount && i < kRemovalLayers; ++i)
            if (LayerMayBeErased(r->layers[i], database, used, list))
                EraseLayer(r->layers[i], database);
    ClearRemovals(list);
}

void RenumberLabels(LObject* element, const LSystemNode& node) {
    uint16_t count = 0;
    element->GetLabelCount(&count);
    for (int16_t i = 0; i < static_cast<int16_t>(count); ++i) {
        int32_t n = element->GetLabelNumber(i);
        element->SetLabelNumber(node.record.labelNumberOffset + n - node.savedLabelOffset, i);
    }
}

void RedrawElementsOf(LSystemList& list, LSystemNode& node) {
    for (const EntityRef& ref : SelectElementInserts()) {
        ads_name name = {ref[0], ref[1]};
        resbuf* data = GetWithProgramXdata(name);
        bool mine = data && ListIsOfSystem(data, node.record.tag);
        acutRelRb(data);
        if (!mine)
            continue;
        LObject* element = g_updater.loadElement(list, name);
        if (element == nullptr)
            continue;
        if (node.savedLabelOffset != -1)
            RenumberLabels(element, node);
        if (node.labelLayerChanged)
            g_updater.moveLabelsToLabelLayer(element, node.keepOldLabels);
        if (g_updater.insert(element, node.changeMask) != 0)
            ReportElementNotWritten(element, RefusalEnd::kElementKept);
        DestroyElement(element);
    }
}

// True when a dimension lies on the layer.  The block of a dimension is
// made by the host's dimension command on the layer current then, which
// is the label layer its system had while it was numbered: such a block
// names that layer for as long as the dimension lives.
bool HasDimensionsOn(const char* layer) {
    std::wstring name = ToWide(layer);
    resbuf* filter = acutBuildList(RTDXF0, L"DIMENSION", 8, name.c_str(), 0);
    bool found = filter && !SelectEntities(filter).empty();
    acutRelRb(filter);
    return found;
}

// The labels left the old layer: erase it when nothing else lies there; when
// it was current, the new label layer becomes current first.  The blocks of
// the dimensions that moved along still name the old layer: it then stays.
void DropOldLabelLayer(LSystemList& list, LSystemNode& node, AcDbDatabase* database,
                       AcDbObjectId newLayer) {
    if (HasDimensionsOn(node.newLabelLayer))
        return;
    std::set<std::string> used = CollectUsedLayers(database);
    if (!LayerMayBeErased(node.oldLabelLayer, database, used, list, &node, !newLayer.isNull()))
        return;
    if (IsCurrentLayer(node.oldLabelLayer, database))
        database->setClayer(newLayer);
    EraseLayer(node.oldLabelLayer, database);
}

void ApplyChanges(LSystemList& list, LSystemNode& node, AcDbDatabase* database) {
    if (node.changeMask == 0 && !node.labelLayerChanged)
        return;
    if (!HasUpdater())
        return;  // kept pending until the element code can redraw
    AcDbObjectId newLayer;
    if (node.labelLayerChanged)
        newLayer = EnsureLayer(node.newLabelLayer, database);
    if (node.changeMask != 0)
        RedrawElementsOf(list, node);
    if (node.labelLayerChanged && node.keepOldLabels == 0)
        DropOldLabelLayer(list, node, database, newLayer);
    if (node.labelLayerChanged)
        CopyFieldText(node.oldLabelLayer, node.newLabelLayer);
    node.changeMask = 0;
    node.labelLayerChanged = 0;
    node.keepOldLabels = 0;
    node.savedLabelOffset = -1;
}

}  // namespace

void SetElementUpdater(const LElementUpdater& updater) {
    g_updater = updater;
}

const LElementUpdater& GetElementUpdater() {
    return g_updater;
}

int16_t EraseSystemEntities(LSystemList& list, AcDbDatabase* database) {
    if (database == nullptr)
        return 0;
    CommandState state(database);
    CarryOutRemovals(list, database);
    for (LSystemNode* node = list.systems; node; node = node->next)
        ApplyChanges(list, *node, database);
    return 0;
}
