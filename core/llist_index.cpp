#include "core/llist_index.h"

#include <algorithm>

void LListIndex::Reset() {
    groups.clear();
    tagNumbers_.clear();
    labels_.clear();
    dirty_.clear();
}

void LListIndex::Moved(LListEntry* from, LListEntry* to) {
    if (!ads_name_nil(to->element)) {
        auto it = labels_.find(KeyOf(to->element, to->labelIndex));
        if (it != labels_.end() && it->second == from)
            it->second = to;
    }
    auto g = groups.find(to->number);
    if (g != groups.end()) {
        if (g->second.head == from)
            g->second.head = to;
        if (g->second.tail == from)
            g->second.tail = to;
    }
    std::replace(dirty_.begin(), dirty_.end(), from, to);
}

LListEntry* LListIndex::FindLabel(const ads_name element, int16_t label) const {
    auto it = labels_.find(KeyOf(element, label));
    return it == labels_.end() ? nullptr : it->second;
}

void LListIndex::AddLabel(LListEntry* e) { labels_[KeyOf(e->element, e->labelIndex)] = e; }

void LListIndex::ForgetLabel(const LListEntry* e) {
    auto it = labels_.find(KeyOf(e->element, e->labelIndex));
    if (it != labels_.end() && it->second == e)
        labels_.erase(it);
    dirty_.erase(std::remove(dirty_.begin(), dirty_.end(), e), dirty_.end());
}

LListIndex::Group* LListIndex::FindGroup(int32_t number) {
    auto it = groups.find(number);
    return it == groups.end() ? nullptr : &it->second;
}

bool LListIndex::LowestNumberOf(const char* tag, int32_t* number) const {
    auto it = tag ? tagNumbers_.find(tag) : tagNumbers_.end();
    if (it == tagNumbers_.end() || it->second.empty())
        return false;
    *number = *it->second.begin();
    return true;
}

void LListIndex::AddGroup(LListEntry* head) {
    groups[head->number] = Group{head, head};
    if (head->tag)
        tagNumbers_[head->tag.get()].insert(head->number);
}

void LListIndex::ClearGroups() {
    groups.clear();
    tagNumbers_.clear();
}

void LListIndex::ForgetGroup(int32_t number, const char* tag) {
    groups.erase(number);
    auto it = tag ? tagNumbers_.find(tag) : tagNumbers_.end();
    if (it != tagNumbers_.end()) {
        it->second.erase(number);
        if (it->second.empty())
            tagNumbers_.erase(it);
    }
}

void LListIndex::Renumber(int32_t from, int32_t to) {
    auto it = groups.find(from);
    if (it == groups.end() || from == to)
        return;
    Group g = it->second;
    groups.erase(it);
    groups[to] = g;
    if (g.head && g.head->tag) {
        std::set<int32_t>& numbers = tagNumbers_[g.head->tag.get()];
        numbers.erase(from);
        numbers.insert(to);
    }
}

LListEntry* LListIndex::JoinGroup(Group& group) {
    LListEntry* fresh = InsertEntryAfter(group.tail);
    fresh->number = group.head->number;
    group.tail = fresh;
    return fresh;
}

LListEntry* LListIndex::StartGroup(LListEntry* at, const char* tag, int32_t number) {
    LListEntry* fresh = InsertEntryBefore(at, this);
    fresh->tag = CopyListText(tag);
    fresh->number = number;
    AddGroup(fresh);
    return fresh;
}

void LListIndex::EnterLabel(LListEntry* e, const ads_name element, int16_t i, int32_t number, const char* text) {
    e->labelIndex = i;
    e->number = number;
    ads_name_set(element, e->element);
    e->text = CopyListText(text);
    AddLabel(e);
    MarkDirty(e);
}

void LListIndex::MarkDirty(LListEntry* e) {
    if (!e->dirty)
        dirty_.push_back(e);
    e->dirty = 1;
}

void LListIndex::ClearDirty(LListEntry* e) {
    if (!e || !e->dirty)
        return;
    e->dirty = 0;
    // The entry was most likely marked last.
    auto it = std::find(dirty_.rbegin(), dirty_.rend(), e);
    if (it != dirty_.rend())
        dirty_.erase(std::next(it).base());
}

std::vector<LListEntry*> LListIndex::TakeDirty() {
    std::vector<LListEntry*> out;
    out.swap(dirty_);
    std::stable_sort(out.begin(), out.end(),
                     [](const LListEntry* x, const LListEntry* y) { return x->number < y->number; });
    return out;
}
