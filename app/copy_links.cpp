// The re-linking rules of the copy and mirror commands.
#include "app/copy_links.h"

#include <cstring>

#include "ads_entity.h"
#include "core/lconnector.h"
#include "core/lobject.h"
#include "core/null_handle.h"
#include "core/string_convert.h"

static void FreeConnector(LConnector* c) {
    FreeHandleText(c->neighbourHandle);
    c->neighbourHandle = NullHandleText;
    ads_name_clear(c->neighbourEntity);
    c->neighbour = nullptr;
}

static void RelinkConnector(LConnector* c, const LHandleMap& map) {
    if (!c || c->IsFree())
        return;
    char handle[LHandleMap::kHandleRoom] = "";
    ads_name copy;
    if (std::strlen(c->neighbourHandle) >= sizeof handle ||
        (std::strcpy(handle, c->neighbourHandle), map.Lookup(handle, sizeof handle) != 0) ||
        acdbHandEnt(ToWide(handle).c_str(), copy) != RTNORM) {
        FreeConnector(c);
        return;
    }
    FreeHandleText(c->neighbourHandle);
    c->neighbourHandle = CopyHandleText(handle);
    ads_name_set(copy, c->neighbourEntity);
    c->neighbour = nullptr;
}

// The copy's name, or the null name when the entity was not copied.
static void FollowOrDrop(const LHandleMap& map, ads_name entity) {
    if (!ads_name_nil(entity) && FindCopiedEntity(map, entity) != 0)
        ads_name_clear(entity);
}

// Children whose entity was not copied leave the list.
static void RelinkChildren(LObject* e, const LHandleMap& map) {
    LChildNode* node = e->children;
    while (node && node->next) {
        FollowOrDrop(map, node->entity);
        if (!ads_name_nil(node->entity)) {
            node = node->next;
            continue;
        }
        LChildNode* gone = node->next;
        ads_name_set(gone->entity, node->entity);
        node->child = gone->child;
        node->next = gone->next;
        gone->next = nullptr;
        delete gone;
    }
}

// Keeps the names that were copied, in order; returns how many.
static int16_t RelinkNames(ads_name* names, int16_t count, int16_t room, const LHandleMap& map) {
    int16_t kept = 0;
    for (int16_t i = 0; i < count && i < room; ++i) {
        FollowOrDrop(map, names[i]);
        if (ads_name_nil(names[i]))
            continue;
        ads_name_set(names[i], names[kept]);
        ++kept;
    }
    for (int16_t i = kept; i < count && i < room; ++i)
        ads_name_clear(names[i]);
    return kept;
}

void RelinkCopy(LObject* e, const LHandleMap& map, CopyLinks scope) {
    if (!e)
        return;
    for (int16_t i = 0; i < e->GetConnectorCount(); ++i)
        RelinkConnector(e->GetConnector(i), map);
    FollowOrDrop(map, e->parentEntity);
    e->parent = nullptr;
    RelinkChildren(e, map);
    if (scope != CopyLinks::kJointsAndLabels)
        return;
    for (LLabelNode* node = &e->firstLabel; node; node = node->next) {
        FollowOrDrop(map, node->insert);
        FollowOrDrop(map, node->leader);
        FollowOrDrop(map, node->third);
    }
    e->markCount = RelinkNames(e->marks, e->markCount, kMarkRoom, map);
    e->dimensionCount = RelinkNames(e->dimensions, e->dimensionCount, kMaxDimensions, map);
}
