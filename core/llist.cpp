#include "core/llist.h"

#include <cstring>
#include <utility>

OwnedText CopyListText(const char* text) {
    if (!text)
        return nullptr;
    size_t n = std::strlen(text);
    OwnedText copy(new char[n + 1]);
    std::memcpy(copy.get(), text, n + 1);
    return copy;
}

// Unlinks the chain behind `next` one link at a time, so that freeing a
// long chain never recurses.
template <typename Record>
static void FreeChain(std::unique_ptr<Record>& next) {
    std::unique_ptr<Record> rest = std::move(next);
    while (rest)
        rest = std::move(rest->next);
}

LListNode::~LListNode() { FreeChain(next); }

void LListNode::Clear() {
    text.reset();
    text2.reset();
    FreeChain(next);
}

LListEntry::~LListEntry() { FreeChain(next); }

void LListEntry::Clear() {
    tag.reset();
    text.reset();
    FreeChain(next);
    labelIndex = 0;
    count = 1;
    number = 0;
    dirty = 0;
    ads_name_clear(element);
}

// Moves the data fields (not the links) of one entry into another and
// leaves the first blank.
static void MoveFields(LListEntry* from, LListEntry* to) {
    to->tag = std::move(from->tag);
    to->text = std::move(from->text);
    to->labelIndex = std::exchange(from->labelIndex, 0);
    to->count = std::exchange(from->count, 1);
    to->number = std::exchange(from->number, 0);
    to->dirty = std::exchange(from->dirty, 0);
    ads_name_set(from->element, to->element);
    ads_name_clear(from->element);
}

// Links a new blank entry in behind e.
static LListEntry* LinkBehind(LListEntry* e) {
    auto fresh = std::make_unique<LListEntry>();
    fresh->next = std::move(e->next);
    if (fresh->next)
        fresh->next->previous = fresh.get();
    fresh->previous = e;
    e->next = std::move(fresh);
    return e->next.get();
}

LListEntry* InsertEntryBefore(LListEntry* e, LListMoveObserver* observer) {
    if (e->previous)
        return LinkBehind(e->previous);
    LListEntry* behind = LinkBehind(e);
    MoveFields(e, behind);
    if (observer)
        observer->Moved(e, behind);
    return e;
}

LListEntry* InsertEntryAfter(LListEntry* e) { return LinkBehind(e); }

void RemoveEntry(LListEntry* e, LListMoveObserver* observer) {
    if (e->IsEnd())
        return;
    if (LListEntry* before = e->previous) {
        std::unique_ptr<LListEntry> gone = std::move(before->next);
        before->next = std::move(gone->next);
        before->next->previous = before;
        return;  // gone is freed alone: its chain was moved away
    }
    std::unique_ptr<LListEntry> gone = std::move(e->next);
    MoveFields(gone.get(), e);
    e->next = std::move(gone->next);
    if (e->next)
        e->next->previous = e;
    if (observer)
        observer->Moved(gone.get(), e);
}

LListEntry* AppendEntries(LListEntry* to, LListEntry* from) {
    if (!to || !from || from->IsEnd() || to == from)
        return nullptr;
    LListEntry* end = EndEntry(to);
    MoveFields(from, end);
    end->next = std::move(from->next);
    end->next->previous = end;
    return end;
}

LListEntry* EndEntry(LListEntry* e) {
    while (e->next)
        e = e->next.get();
    return e;
}

int CountEntries(const LListEntry* e) {
    int n = 0;
    for (; e && e->next; e = e->next.get())
        ++n;
    return n;
}

void CountLine(LListNode* head, const char* text, int32_t n) {
    if (!head || !text)
        return;
    LListNode* node = head;
    while (node->next && std::strcmp(node->text.get(), text) < 0)
        node = node->next.get();
    if (node->next && std::strcmp(node->text.get(), text) == 0) {
        node->count += n;
        return;
    }
    // Insert before node: its content moves into a new node behind it.
    auto behind = std::make_unique<LListNode>();
    behind->next = std::move(node->next);
    behind->text = std::move(node->text);
    behind->text2 = std::move(node->text2);
    behind->count = node->count;
    node->next = std::move(behind);
    node->text = CopyListText(text);
    node->count = n;
}
