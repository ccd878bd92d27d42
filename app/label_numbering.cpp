#include "app/label_numbering.h"

#include <cstring>
#include <string>
#include <vector>

#include "aced_input.h"
#include "app/doc_state.h"
#include "app/label_writes.h"
#include "core/element_load.h"
#include "core/labels.h"
#include "core/lobject.h"
#include "core/message_format.h"
#include "core/messages.h"
#include "core/string_convert.h"
#include "core/system_list.h"

namespace {

constexpr int kMsgNumberPrompt = 190;    // "Label number <%d>: "
constexpr int kMsgNumberTooLow = 191;    // below the system's first number
constexpr int16_t kInsertNumbers = 5;    // update the insert, refresh labels
constexpr int16_t kInsertLabels = 4;     // refresh labels only
constexpr int16_t kInsertAll = 13;       // insert, labels, marks and dimensions
constexpr int16_t kNumbered = -1;        // bill-of-materials flag: numbered
constexpr int16_t kLeftOut = 1;          // bill-of-materials flag: not listed

bool SameText(const char* a, const char* b) {
    return a && b && std::strcmp(a, b) == 0;
}

// The element's system as the drawing lists it (its own copy when the
// list lacks it).
LSystemRecord ListedSystem(LDocState* s, const LObject* e) {
    LSystemRecord record = e->System();
    char tag[16];
    e->GetSystemTag(tag, sizeof tag);
    LSystemRecord listed;
    if (GetSystemByTag(s->systemList, &listed, tag) == 0)
        record = listed;
    return record;
}

// Takes an entry out of its list, keeping its group: a group head with
// continuations hands its description and text to the next entry.
void TakeEntry(LListIndex& index, LListEntry* e) {
    index.ForgetLabel(e);
    LListIndex::Group* g = index.FindGroup(e->number);
    if (g && g->head == e) {
        if (g->tail == e) {
            index.ForgetGroup(e->number, e->tag.get());
        } else {
            LListEntry* next = e->next.get();
            next->tag = std::move(e->tag);
            next->text = std::move(e->text);
            g->head = next;
        }
    } else if (g && g->tail == e) {
        g->tail = e->previous;
    }
    RemoveEntry(e, &index);
}

// Every pending label, in list order, with the group counter k.  A label
// whose place is unchanged is written again only when the highest number
// under the provisional ones moved.
void ApplyAllPending(LDocState* s, int16_t all) {
    LListIndex& index = s->pendingIndex;
    index.TakeDirty();
    index.ClearGroups();
    LabelNumberWrites writes;
    int32_t k = 0;
    for (LListEntry* e = &s->pendingLabels; !e->IsEnd(); e = e->next.get()) {
        if (e->tag)
            ++k;
        bool keep = all == 0 && !e->dirty && e->number == k && s->pendingBase == s->highestLabelNumber;
        e->dirty = 0;
        if (!keep) {
            e->number = k;
            writes.Add(e->element, e->labelIndex, s->highestLabelNumber + k);
        }
        if (e->tag)
            index.AddGroup(e);
        else if (LListIndex::Group* g = index.FindGroup(k))
            g->tail = e;
    }
    writes.Write(kInsertAll, all == 0);
    s->pendingBase = s->highestLabelNumber;
}

// The pending groups whose number is no longer their place in the list
// (a group before them emptied); nothing else has changed since the last run.
void ApplyMovedPending(LDocState* s) {
    LListIndex& index = s->pendingIndex;
    std::vector<int32_t> numbers;
    numbers.reserve(index.groups.size());
    for (const auto& [number, group] : index.groups)
        numbers.push_back(number);
    LabelNumberWrites writes;
    int32_t k = 0;
    for (int32_t number : numbers) {
        ++k;
        if (number == k)
            continue;
        LListIndex::Group g = index.groups[number];
        for (LListEntry* e = g.head;; e = e->next.get()) {
            e->number = k;
            writes.Add(e->element, e->labelIndex, s->highestLabelNumber + k);
            if (e == g.tail)
                break;
        }
        index.Renumber(number, k);
    }
    writes.Write(kInsertAll, true);
}

}  // namespace

LListEntry* AddNumberedLabel(LObject* element, int16_t i, const char* tag, const char* text, int32_t n) {
    LDocState* s = CurrentDocState;
    if (!s || !element)
        return nullptr;
    LListIndex& index = s->numberedIndex;
    if (n > s->highestLabelNumber)
        s->highestLabelNumber = n;
    auto found = index.FirstGroupFrom(n);
    LListEntry* fresh = nullptr;
    if (found != index.groups.end() && found->first == n && SameText(found->second.head->tag.get(), tag)) {
        fresh = index.JoinGroup(found->second);
    } else {
        LListEntry* at = found != index.groups.end() ? found->second.head
                         : index.groups.empty()     ? &s->numberedRows
                                                    : index.groups.rbegin()->second.tail->next.get();
        // The groups n, n + 1, ... without a gap move one up, the highest first.
        int32_t top = n;
        while (index.FindGroup(top))
            ++top;
        // A group pushed above the highest number raises it, so that the
        // provisional numbers of the pending labels stay clear of it.
        if (top > n && top > s->highestLabelNumber)
            s->highestLabelNumber = top;
        for (int32_t m = top - 1; m >= n; --m) {
            LListIndex::Group g = *index.FindGroup(m);
            for (LListEntry* e = g.head;; e = e->next.get()) {
                e->number = m + 1;
                index.MarkDirty(e);
                if (e == g.tail)
                    break;
            }
            index.Renumber(m, m + 1);
        }
        fresh = index.StartGroup(at, tag, n);
    }
    ads_name insert;
    element->GetEntity(insert);
    index.EnterLabel(fresh, insert, i, n, text);
    return fresh;
}

void ApplyLabelNumbers(int16_t all) {
    LDocState* s = CurrentDocState;
    if (!s)
        return;
    LabelNumberWrites writes;
    for (LListEntry* e : s->numberedIndex.TakeDirty()) {
        writes.Add(e->element, e->labelIndex, e->number);
        e->dirty = 0;
    }
    writes.Write(kInsertNumbers, true);
    if (all != 0 || s->pendingIndex.HasDirty() || s->pendingBase != s->highestLabelNumber)
        ApplyAllPending(s, all);
    else
        ApplyMovedPending(s);
}

void ShowListedNumbers(LObject* e) {
    LDocState* s = CurrentDocState;
    if (!s || !e)
        return;
    ads_name insert;
    e->GetEntity(insert);
    uint16_t labels = 0;
    e->GetLabelCount(&labels);
    for (int16_t i = 0; i < static_cast<int16_t>(labels); ++i) {
        if (const LListEntry* n = s->numberedIndex.FindLabel(insert, i))
            e->SetLabelNumber(n->number, i);
        else if (const LListEntry* p = s->pendingIndex.FindLabel(insert, i))
            e->SetLabelNumber(s->highestLabelNumber + p->number, i);
    }
}

// Asks the number of a label with the proposal p + offset; the answer's
// status, with the value in *value, which lies above the offset.
static int AskNumber(int32_t proposal, int32_t offset, int* value) {
    std::wstring prompt = ToWide(FormatMessageNumber(kMsgNumberPrompt, {static_cast<int>(proposal + offset)}).c_str());
    acedInitGet(RSG_NOZERO | RSG_NONEG, L"Quit");
    int status = acedGetInt(prompt.c_str(), value);
    // The offset itself would be relative number 0, which no label carries.
    while (status == RTNORM && *value <= offset) {
        acutPrintf(L"%ls", ToWide(CommandMessage(kMsgNumberTooLow)).c_str());
        acedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
        status = acedGetInt(prompt.c_str(), value);
    }
    return status;
}

int16_t NumberLabel(LObject* e, int16_t i) {
    LDocState* s = CurrentDocState;
    if (!s || !e || e->listingFlag == kLeftOut)
        return -1;
    ads_name insert;
    e->GetEntity(insert);
    int32_t offset = ListedSystem(s, e).labelNumberOffset;
    bool numbered = e->listingFlag == kNumbered;
    LListEntry& first = numbered ? s->numberedRows : s->pendingLabels;
    LListIndex& index = numbered ? s->numberedIndex : s->pendingIndex;
    if (first.IsEnd())
        return -1;
    LListEntry* found = index.FindLabel(insert, i);
    LListIndex::Group* group = found ? index.FindGroup(found->number) : nullptr;
    if (!group || !group->head->tag)
        return -1;
    OwnedText tag = CopyListText(group->head->tag.get());
    OwnedText text = CopyListText(group->head->text.get());

    int32_t proposal = found->number;
    bool isNew = false;
    if (!numbered && !s->numberedIndex.LowestNumberOf(tag.get(), &proposal)) {
        proposal = s->lastLabelNumber + 1;
        isNew = true;
    }
    // The label shows the proposal while it is placed.
    int32_t kept = e->GetLabelNumber(i);
    e->SetLabelNumber(proposal, i);
    int16_t placed = PlaceLabel(e, i);
    e->SetLabelNumber(kept, i);
    if (placed != 0) {
        ShowListedNumbers(e);
        WriteNumberedElement(e, kInsertLabels);
        return placed;
    }
    int value = 0;
    int status = AskNumber(proposal, offset, &value);
    if (status == RTKWORD) {
        ShowListedNumbers(e);
        WriteNumberedElement(e, kInsertLabels);
        s->numberingStop = 1;
        return -1;
    }
    // A typed number equal to the proposal counts as accepting it.
    if (status == RTNORM && value != proposal + offset) {
        proposal = value - offset;
        s->lastLabelNumber = proposal;
    } else if (isNew) {
        s->lastLabelNumber += 1;
    }
    TakeEntry(index, found);
    uint16_t labels = 0;
    e->GetLabelCount(&labels);
    if (i == static_cast<int>(labels) - 1)
        e->listingFlag = kNumbered;
    e->SetLabelNumber(proposal, i);
    // The element object carries the number; the walk writes it, so the
    // entry need not be written from the drawing's older copy.
    s->numberedIndex.ClearDirty(AddNumberedLabel(e, i, tag.get(), text.get(), proposal));
    ApplyLabelNumbers(0);
    return 0;
}
