// Moving an element's label, mark and dimension entities to its system's
// label layer, or copying them there and leaving the copies behind.
#include <vector>

#include "acdb_objects.h"
#include "ads_entity.h"
#include "core/drawing_context.h"
#include "core/label_reactor.h"
#include "core/lobject.h"
#include "core/string_convert.h"
#include "core/system_layers.h"

static void AddId(AcDbObjectIdArray& ids, const ads_name entity) {
    AcDbObjectId id;
    if (!ads_name_nil(entity) && acdbGetObjectId(id, entity) == Acad::eOk && !id.isNull() && !ids.contains(id))
        ids.append(id);
}

static void SetLayer(AcDbObjectId id, const wchar_t* layer) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForWrite) != Acad::eOk || !entity)
        return;
    entity->setLayer(layer);
    entity->close();
}

static AcDbObjectId ModelSpaceId(AcDbDatabase* db) {
    AcDbObjectId id;
    AcDbBlockTable* table = nullptr;
    if (!db || db->getBlockTable(table, AcDb::kForRead) != Acad::eOk || !table)
        return id;
    table->getAt(ACDB_MODEL_SPACE, id);
    table->close();
    return id;
}

int16_t LObject::MoveLabelsToLabelLayer(int16_t keepCopies) {
    AcDbObjectIdArray all, labels;
    for (LLabelNode* node = &firstLabel; node; node = node->next) {
        AddId(all, node->insert);
        AddId(all, node->leader);
        AddId(all, node->third);
        AddId(labels, node->insert);
        AddId(labels, node->leader);
    }
    for (int i = 0; i < markCount && i < kMarkRoom; ++i)
        AddId(all, marks[i]);
    for (int i = 0; i < dimensionCount && i < kMaxDimensions; ++i)
        AddId(all, dimensions[i]);
    AcDbDatabase* db = CurrentDrawing() ? CurrentDrawing()->database : nullptr;
    // Entities can only be given a layer the drawing has.
    EnsureLayer(system.labelLayer, db);
    std::wstring layer = ToWide(system.labelLayer);
    if (!keepCopies) {
        for (int k = 0; k < all.length(); ++k)
            SetLayer(all[k], layer.c_str());
        return 0;
    }
    AcDbObjectId space = ModelSpaceId(db);
    AcDbIdMapping map;
    if (!db || space.isNull() || all.isEmpty() || db->deepCloneObjects(all, space, map) != Acad::eOk)
        return 0;
    AcDbIdMappingIter it(map);
    for (it.start(); !it.done(); it.next()) {
        AcDbIdPair pair;
        if (!it.getMap(pair) || !pair.isPrimary())
            continue;
        SetLayer(pair.key(), layer.c_str());
        ads_name clone;
        if (labels.contains(pair.key()) && acdbGetAdsName(clone, pair.value()) == Acad::eOk)
            AttachLabelReactorTo(clone);
    }
    return 0;
}
