#include "core/system_list.h"

#include <cstring>

#include "core/chain.h"
#include "core/system_text.h"

LSystemNode::~LSystemNode() { DeleteChainAfter(next); }

LSystemRemoval::~LSystemRemoval() { DeleteChainAfter(next); }

LSystemList::LSystemList() : removals(new LSystemRemoval), removalTail(removals) {}

LSystemList::~LSystemList() {
    ClearSystems(*this);
    delete removals;
}

void ClearSystems(LSystemList& list) {
    delete list.systems;
    list.systems = nullptr;
    list.systemCount = 0;
}

void ClearRemovals(LSystemList& list) {
    delete list.removals->next;
    list.removals->next = nullptr;
    list.removals->layerCount = 0;
    list.removalTail = list.removals;
}

LSystemNode* FindSystem(LSystemList& list, char* tag) {
    if (tag == nullptr)
        return nullptr;
    NormaliseSystemTag(tag);
    LSystemNode* node = list.systems;
    while (node && strcmp(node->record.tag, tag) < 0)
        node = node->next;
    return node && strcmp(node->record.tag, tag) == 0 ? node : nullptr;
}

int16_t GetSystemByTag(LSystemList& list, LSystemRecord* out, char* tag) {
    if (out == nullptr)
        return -1;
    LSystemNode* node = FindSystem(list, tag);
    if (node == nullptr)
        return -1;
    *out = node->record;
    return 0;
}

int16_t GetSystemByIndex(const LSystemList& list, LSystemRecord* out, int16_t index) {
    if (out == nullptr || index >= list.systemCount)
        return -1;
    const LSystemNode* node = list.systems;
    for (int16_t i = 0; node && i < index; ++i)
        node = node->next;
    if (node == nullptr)
        return -1;
    *out = node->record;
    return 0;
}

int16_t RefreshSystem(const LSystemList& list, LSystemRecord* record) {
    if (record == nullptr || record->tag[0] == '\0')
        return -1;
    for (const LSystemNode* node = list.systems; node; node = node->next) {
        if (strcmp(node->record.tag, record->tag) == 0) {
            *record = node->record;
            return 0;
        }
    }
    return -1;
}

static LSystemNode* NewNode(const LSystemRecord& record) {
    LSystemNode* node = new LSystemNode;
    node->record = record;
    CopyFieldText(node->oldLabelLayer, record.labelLayer);
    return node;
}

int16_t InsertSystem(LSystemList& list, const LSystemRecord* record) {
    if (record == nullptr || record->tag[0] == '\0')
        return -1;
    // Link is the pointer that will point at the new node.
    LSystemNode** link = &list.systems;
    while (*link && strcmp((*link)->record.tag, record->tag) < 0)
        link = &(*link)->next;
    if (*link && strcmp((*link)->record.tag, record->tag) == 0)
        return -1;
    LSystemNode* node = NewNode(*record);
    node->next = *link;
    *link = node;
    ++list.systemCount;
    return 0;
}

int16_t RemoveSystemNode(LSystemList& list, char* tag) {
    if (tag == nullptr)
        return -1;
    NormaliseSystemTag(tag);
    LSystemNode** link = &list.systems;
    while (*link && strcmp((*link)->record.tag, tag) < 0)
        link = &(*link)->next;
    if (*link == nullptr || strcmp((*link)->record.tag, tag) != 0)
        return -1;
    LSystemNode* node = *link;
    *link = node->next;
    node->next = nullptr;
    delete node;
    --list.systemCount;
    return 0;
}
