#include "app/material_list.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>

#include "app/doc_state.h"
#include "app/label_numbering.h"
#include "core/element_factory.h"
#include "core/element_load.h"
#include "core/lconnector.h"
#include "core/lobject.h"
#include "core/system_entities.h"
#include "core/text_buffer.h"

namespace {

constexpr size_t kLineRoom = 128;          // a row text and the user text share it
constexpr double kLargestJointPiece = 800.0;
constexpr int16_t kJointPieceOnce = 1;     // "VF-01" once
constexpr int16_t kJointPieceTwice = 3;    // "VF-01" twice
constexpr int16_t kLeftOut = 1;            // bill-of-materials flag
constexpr int16_t kNumbered = -1;
constexpr int32_t kPieceRowNumber = -1;

// Joint pieces are counted from both elements of a joint, so each adds 1
// per side and the bill halves the count.
void AddJointPieces(LDocState* s, LObject* e) {
    for (int16_t i = 0; i < e->GetConnectorCount(); ++i) {
        const LConnector* c = e->GetConnector(i);
        if (!c || c->shape != kShapeRound || c->IsFree() || c->jointPieces == 0 || c->a > kLargestJointPiece ||
            c->b > kLargestJointPiece)
            continue;
        if (c->jointPieces == kJointPieceOnce || c->jointPieces == kJointPieceTwice)
            CountLine(&s->bomLines, FormatText("VF-01  d=%lg;", c->a).c_str(),
                      c->jointPieces == kJointPieceTwice ? 2 : 1);
        else
            CountLine(&s->bomLines, FormatText("VF-02  d=%lg;", c->a).c_str(), 1);
    }
}

// The row text followed by the element's user text, together at most
// kLineRoom characters of the user text's share.
std::string ListLine(const char* rowText, const char* userText) {
    std::string line = rowText ? rowText : "";
    size_t room = kLineRoom > line.size() ? kLineRoom - line.size() : 0;
    line += "  ";
    if (userText)
        line.append(userText, strnlen(userText, room));
    return line;
}

// A label of an element without a number: it joins the group of its
// description, or starts a new group at the end with the next number.
void AddPendingLine(LDocState* s, LObject* e, int16_t r, const std::string& line, const char* flowText) {
    LListIndex& index = s->pendingIndex;
    LListEntry* fresh = nullptr;
    int32_t number = 0;
    if (index.LowestNumberOf(line.c_str(), &number)) {
        fresh = index.JoinGroup(*index.FindGroup(number));
    } else {
        LListEntry* end = &s->pendingLabels;
        if (!index.groups.empty()) {
            number = index.groups.rbegin()->first;
            end = index.groups.rbegin()->second.tail->next.get();
        }
        fresh = index.StartGroup(end, line.c_str(), ++number);
    }
    ads_name insert;
    e->GetEntity(insert);
    index.EnterLabel(fresh, insert, r, number, flowText);
}

// Folds each group into one row (variant 0) or one row per airflow text
// (variant 1) and adds `add` to the numbers, from `from` to the end.
void FoldGroups(LListEntry* from, int16_t variant, int32_t add) {
    LListEntry* e = from;
    while (e && !e->IsEnd()) {
        LListEntry* head = e;
        head->number += add;
        std::unordered_map<std::string, LListEntry*> rowsByText;
        LListEntry* rowWithoutText = nullptr;
        auto remember = [&](LListEntry* row) {
            if (row->text)
                rowsByText.emplace(row->text.get(), row);
            else
                rowWithoutText = row;
        };
        remember(head);
        LListEntry* c = head->next.get();
        while (!c->IsEnd() && !c->tag) {
            LListEntry* next = c->next.get();
            LListEntry* into = head;
            if (variant != kBomByDescription) {
                auto found = c->text ? rowsByText.find(c->text.get()) : rowsByText.end();
                into = c->text ? (found != rowsByText.end() ? found->second : nullptr) : rowWithoutText;
            }
            if (into) {
                into->count += 1;
                RemoveEntry(c);
            } else {
                // A row of its own under the group's number and description.
                c->tag = CopyListText(head->tag.get());
                c->number = head->number;
                remember(c);
            }
            c = next;
        }
        e = c;
    }
}

}  // namespace

void AddElementListLines(LObject* e) {
    LDocState* s = CurrentDocState;
    if (!s || !e || e->listingFlag == kLeftOut)
        return;
    AddJointPieces(s, e);
    LBomRow* rows = nullptr;
    uint16_t count = 0, further = 0, extra = 0;
    if (e->GetBomLines(&rows, &count, &further, &extra) != 0)
        return;
    for (uint16_t r = 0; r < count; ++r) {
        std::string line = ListLine(rows[r].description, e->userText);
        if (e->listingFlag == kNumbered) {
            // The element shows the entry's number already, unless a later
            // label pushes the entry up and marks it again.
            int32_t shown = e->GetLabelNumber(static_cast<int16_t>(r));
            s->numberedIndex.ClearDirty(
                AddNumberedLabel(e, static_cast<int16_t>(r), line.c_str(), rows[r].flowText, shown));
        } else
            AddPendingLine(s, e, static_cast<int16_t>(r), line, rows[r].flowText);
    }
    for (uint16_t x = 0; x < extra; ++x) {
        const LBomRow& row = rows[count + x];
        if (row.description)
            CountLine(&s->bomLines, row.description, 2 * static_cast<int32_t>(row.quantity));
    }
    FreeBomRows(rows, count + extra);
}

void CollectElementInserts(LSystemRecord record) {
    LDocState* s = CurrentDocState;
    if (!s)
        return;
    std::vector<EntityRef> inserts = SelectElementInserts();
    for (auto it = inserts.rbegin(); it != inserts.rend(); ++it) {
        ads_name insert = {(*it)[0], (*it)[1]};
        if (!IsElementOfSystem(insert, record.tag))
            continue;
        LObject* e = LoadElementFromEntity(insert);
        AddElementListLines(e);
        DestroyElement(e);
    }
    ApplyLabelNumbers(1);
    s->lastLabelNumber = s->highestLabelNumber;
}

void BuildMaterialList(int16_t variant) {
    LDocState* s = CurrentDocState;
    if (!s)
        return;
    FoldGroups(&s->numberedRows, variant, 0);
    if (LListEntry* appended = AppendEntries(&s->numberedRows, &s->pendingLabels))
        FoldGroups(appended, variant, s->highestLabelNumber);
    LListEntry* end = EndEntry(&s->numberedRows);
    for (LListNode* node = &s->bomLines; node->next; node = node->next.get()) {
        if (node->count / 2 <= 0)
            continue;
        LListEntry* row = InsertEntryBefore(end);
        if (row == end)
            end = end->next.get();
        row->number = kPieceRowNumber;
        row->count = node->count / 2;
        row->tag = CopyListText(node->text.get());
    }
    s->bomLines.Clear();
    // The lists no longer have the shape the look-ups know.
    s->numberedIndex.Reset();
    s->pendingIndex.Reset();
}

void ClearMaterialLists() {
    LDocState* s = CurrentDocState;
    if (!s)
        return;
    s->pendingLabels.Clear();
    s->numberedRows.Clear();
    s->bomLines.Clear();
    s->pendingIndex.Reset();
    s->numberedIndex.Reset();
    s->highestLabelNumber = 0;
    s->lastLabelNumber = 0;
    s->pendingBase = 0;
}
