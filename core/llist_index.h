// Look-ups into one label list (pending labels or numbered rows), so that
// numbering and listing a network of many thousand labels never walk the
// whole list for one label: the groups by number (head and last entry), the
// numbers of each description, the entry of each element label and the
// entries still to be written into their elements.
//
// The list operations keep the index true; the index never owns entries.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "ads_types.h"
#include "core/llist.h"

class LListIndex : public LListMoveObserver {
public:
    struct Group {
        LListEntry* head = nullptr;
        LListEntry* tail = nullptr;
    };

    explicit LListIndex(LListEntry* first) : first_(first) {}
    LListIndex(const LListIndex&) = delete;
    LListIndex& operator=(const LListIndex&) = delete;

    LListEntry* First() const { return first_; }
    // Forgets everything (the list was emptied).
    void Reset();
    void Moved(LListEntry* from, LListEntry* to) override;

    // The entry of label i of the element, or null.
    LListEntry* FindLabel(const ads_name element, int16_t label) const;
    void AddLabel(LListEntry* e);
    void ForgetLabel(const LListEntry* e);

    // The group of a number, or null; the first group at or above a number.
    Group* FindGroup(int32_t number);
    std::map<int32_t, Group>::iterator FirstGroupFrom(int32_t number) { return groups.lower_bound(number); }
    // The lowest group number of a description, or false.
    bool LowestNumberOf(const char* tag, int32_t* number) const;
    void AddGroup(LListEntry* head);
    // Forgets every group (they are about to be entered again).
    void ClearGroups();
    void ForgetGroup(int32_t number, const char* tag);
    // A group's number changes from `from` to `to` (no group holds `to`).
    void Renumber(int32_t from, int32_t to);

    // A new entry: at the end of the group of a number, or heading a new
    // group of the description before the entry `at`.
    LListEntry* JoinGroup(Group& group);
    LListEntry* StartGroup(LListEntry* at, const char* tag, int32_t number);
    // Fills a new entry with label i of the element and the row's text,
    // enters it and marks it for writing.
    void EnterLabel(LListEntry* e, const ads_name element, int16_t i, int32_t number, const char* text);

    // Marks an entry as still to be written; kept in marking order.
    void MarkDirty(LListEntry* e);
    // The entry no longer needs writing (its element shows its number).
    void ClearDirty(LListEntry* e);
    // The dirty entries in ascending order of number, marking order kept
    // within a number; the record of them is emptied.
    std::vector<LListEntry*> TakeDirty();
    bool HasDirty() const { return !dirty_.empty(); }

    std::map<int32_t, Group> groups;

private:
    struct LabelKey {
        long a, b;
        int16_t label;
        bool operator==(const LabelKey&) const = default;
    };
    struct LabelKeyHash {
        size_t operator()(const LabelKey& k) const {
            return std::hash<long>()(k.a) * 31u + std::hash<long>()(k.b) * 7u + static_cast<size_t>(k.label);
        }
    };
    static LabelKey KeyOf(const ads_name element, int16_t label) { return {element[0], element[1], label}; }

    LListEntry* first_;
    std::unordered_map<std::string, std::set<int32_t>> tagNumbers_;
    std::unordered_map<LabelKey, LListEntry*, LabelKeyHash> labels_;
    std::vector<LListEntry*> dirty_;
};
