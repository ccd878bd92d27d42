// The list records that label numbering and the bill of materials share:
// LListEntry (one label or bill row) and LListNode (one counted text line).
//
// Every list is a chain that ends in one empty entry whose next is null;
// the end entry holds no data, and an empty list is that entry alone.  The
// first entry of a list is embedded in its owner and never moves: inserting
// before it moves its content into a new entry behind it, removing it moves
// the content of the entry behind into it.  Elsewhere entries are linked in
// and out without moving content.  Chains are freed by a loop, so lists of
// any length can be destroyed.
#pragma once

#include <cstdint>
#include <memory>

#include "ads_types.h"

// An owned narrow text, or none (null).
using OwnedText = std::unique_ptr<char[]>;
// A heap copy of text; null for a null text.
OwnedText CopyListText(const char* text);

// One counted line of text (the joint pieces and extra rows of the bill).
struct LListNode {
    LListNode() = default;
    LListNode(const LListNode&) = delete;
    LListNode& operator=(const LListNode&) = delete;
    ~LListNode();
    // Frees both texts and the chain behind; the node is the end of its list.
    void Clear();

    std::unique_ptr<LListNode> next;
    OwnedText text;
    OwnedText text2;
    int16_t reserved = 0;
    int32_t count = 0;
};

// One label entry (numbering) or one row (bill of materials).  A group is
// an entry with a tag followed by entries without one (continuations); all
// of a group share its description and number.
struct LListEntry {
    LListEntry() = default;
    LListEntry(const LListEntry&) = delete;
    LListEntry& operator=(const LListEntry&) = delete;
    ~LListEntry();
    // Frees the texts and the chain behind; the entry is the end of its list.
    void Clear();
    bool IsEnd() const { return next == nullptr; }

    std::unique_ptr<LListEntry> next;
    LListEntry* previous = nullptr;  // not owned; null for the first entry
    OwnedText tag;                    // the description; null in a continuation
    OwnedText text;                   // the airflow text of the row, or null
    int16_t labelIndex = 0;
    int32_t count = 1;   // merged rows; 32 bits, so that huge bills cannot wrap
    int32_t number = 0;  // relative: without the system's label-number offset
    int32_t dirty = 0;   // 1: the number is still to be written into the element
    ads_name element = {0, 0};
};

// Told when the content of one entry moves into another (only the first
// entry of a list makes content move), so that look-ups by entry stay true.
class LListMoveObserver {
public:
    virtual ~LListMoveObserver() = default;
    virtual void Moved(LListEntry* from, LListEntry* to) = 0;
};

// Inserts a blank entry before e (e may be the end entry) and returns it: a
// new entry linked in before e, or, when e is the first entry, e itself
// after its content moved into a new entry behind it.
LListEntry* InsertEntryBefore(LListEntry* e, LListMoveObserver* observer = nullptr);
// A blank entry linked in behind e, which must not be the end entry.
LListEntry* InsertEntryAfter(LListEntry* e);
// Removes the content of e, which must not be the end entry: e is unlinked,
// or, when it is the first entry, the entry behind it moves into it.
void RemoveEntry(LListEntry* e, LListMoveObserver* observer = nullptr);
// Moves every entry of the list `from` onto the end of the list `to`, in
// place of its end entry; `from` is left empty.  The first moved entry, or
// null when `from` was empty.
LListEntry* AppendEntries(LListEntry* to, LListEntry* from);
// The end entry of the list that e belongs to (walks the rest).
LListEntry* EndEntry(LListEntry* e);
// Entries before the end entry, from e on.
int CountEntries(const LListEntry* e);

// Adds n to the count of the line text in a list kept in ascending byte
// order of its texts; a text not listed yet is inserted with count n.
void CountLine(LListNode* head, const char* text, int32_t n);
