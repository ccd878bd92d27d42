// The list records: inserting and removing keep the first entry in place
// and the end entry last, long chains are freed without recursion, and the
// counted lines stay in byte order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/llist.h"
#include "core/llist_index.h"

namespace {

std::vector<std::string> Tags(const LListEntry& first) {
    std::vector<std::string> out;
    for (const LListEntry* e = &first; !e->IsEnd(); e = e->next.get())
        out.push_back(e->tag ? e->tag.get() : "-");
    return out;
}

LListEntry* Put(LListEntry* before, const char* tag, LListMoveObserver* observer = nullptr) {
    LListEntry* e = InsertEntryBefore(before, observer);
    e->tag = CopyListText(tag);
    return e;
}

// Records the moves it is told of.
struct MoveLog : LListMoveObserver {
    std::vector<std::pair<LListEntry*, LListEntry*>> moves;
    void Moved(LListEntry* from, LListEntry* to) override { moves.emplace_back(from, to); }
};

TEST(ListRecordsTest, InsertingBeforeTheFirstEntryMovesItsContentBehindIt) {
    LListEntry first;
    MoveLog log;
    EXPECT_EQ(Put(&first, "b", &log), &first);  // empty list: the end entry moves along
    ASSERT_EQ(log.moves.size(), 1u);
    EXPECT_EQ(Put(&first, "a", &log), &first);
    ASSERT_EQ(log.moves.size(), 2u);
    EXPECT_EQ(log.moves[1].first, &first);
    EXPECT_EQ(log.moves[1].second, first.next.get());
    EXPECT_EQ(Tags(first), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(first.next->previous, &first);
}

TEST(ListRecordsTest, InsertingElsewhereLinksANewEntryWithoutMovingContent) {
    LListEntry first;
    Put(&first, "a");
    LListEntry* end = EndEntry(&first);
    LListEntry* c = Put(end, "c");
    EXPECT_NE(c, end);
    EXPECT_EQ(EndEntry(&first), end);  // the end entry stays last
    MoveLog log;
    Put(c, "b", &log);
    EXPECT_TRUE(log.moves.empty());
    EXPECT_EQ(Tags(first), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(CountEntries(&first), 3);
    LListEntry* after = InsertEntryAfter(c);
    after->tag = CopyListText("d");
    EXPECT_EQ(Tags(first), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST(ListRecordsTest, RemovingKeepsTheFirstEntryInPlace) {
    LListEntry first;
    Put(&first, "c");
    Put(&first, "b");
    Put(&first, "a");
    LListEntry* second = first.next.get();
    MoveLog log;
    RemoveEntry(&first, &log);  // "b" moves into the first entry
    EXPECT_EQ(Tags(first), (std::vector<std::string>{"b", "c"}));
    ASSERT_EQ(log.moves.size(), 1u);
    EXPECT_EQ(log.moves[0].first, second);
    EXPECT_EQ(log.moves[0].second, &first);
    RemoveEntry(first.next.get(), &log);  // unlinked, nothing moves
    EXPECT_EQ(log.moves.size(), 1u);
    EXPECT_EQ(Tags(first), (std::vector<std::string>{"b"}));
    EXPECT_EQ(first.next->previous, &first);
    RemoveEntry(&first);
    EXPECT_TRUE(first.IsEnd());
    RemoveEntry(&first);  // the end entry cannot be removed
    EXPECT_TRUE(first.IsEnd());
}

TEST(ListRecordsTest, AppendingMovesEveryEntryInPlaceOfTheEndEntry) {
    LListEntry to, from;
    Put(&to, "a");
    Put(&from, "c");
    Put(&from, "b");
    LListEntry* oldEnd = EndEntry(&to);
    EXPECT_EQ(AppendEntries(&to, &from), oldEnd);
    EXPECT_EQ(Tags(to), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(from.IsEnd());
    EXPECT_EQ(AppendEntries(&to, &from), nullptr);
}

TEST(ListRecordsTest, ClearingLeavesAnEmptyList) {
    LListEntry first;
    Put(&first, "a");
    first.number = 4;
    first.Clear();
    EXPECT_TRUE(first.IsEnd());
    EXPECT_EQ(first.tag, nullptr);
    EXPECT_EQ(first.number, 0);
    EXPECT_EQ(first.count, 1);
}

TEST(ListRecordsTest, LongChainsAreFreedWithoutExhaustingTheStack) {
    LListEntry first;
    LListEntry* end = &first;
    for (int i = 0; i < 500000; ++i)
        end = InsertEntryBefore(end)->next.get();
    EXPECT_EQ(CountEntries(&first), 500000);
    first.Clear();
    EXPECT_TRUE(first.IsEnd());
    LListNode lines;
    LListNode* node = &lines;
    for (int i = 0; i < 500000; ++i) {
        node->next = std::make_unique<LListNode>();
        node = node->next.get();
    }
    // The destructors of `first` and `lines` free what is left.
}

TEST(ListRecordsTest, CountedLinesStayInByteOrderAndAddUp) {
    LListNode lines;
    CountLine(&lines, "VF-01  d=200;", 1);
    CountLine(&lines, "VF-01  d=160;", 2);
    CountLine(&lines, "VF-02  d=100;", 1);
    CountLine(&lines, "VF-01  d=200;", 1);
    CountLine(&lines, "VF-01  d=1000;", 6);
    std::vector<std::pair<std::string, int>> seen;
    for (const LListNode* n = &lines; n->next; n = n->next.get())
        seen.emplace_back(n->text.get(), n->count);
    EXPECT_EQ(seen, (std::vector<std::pair<std::string, int>>{
                        {"VF-01  d=1000;", 6}, {"VF-01  d=160;", 2}, {"VF-01  d=200;", 2}, {"VF-02  d=100;", 1}}));
}

TEST(ListIndexTest, FollowsContentThatMovesOutOfTheFirstEntry) {
    LListEntry first;
    LListIndex index(&first);
    LListEntry* a = Put(&first, "a", &index);
    a->number = 1;
    a->element[0] = 7;
    index.AddGroup(a);
    index.AddLabel(a);
    LListEntry* b = Put(&first, "b", &index);  // "a" moves behind
    EXPECT_EQ(index.FindGroup(1)->head, first.next.get());
    EXPECT_EQ(index.FindGroup(1)->tail, first.next.get());
    EXPECT_EQ(index.FindLabel(a->element, 0), nullptr);  // the first entry is "b" now
    ads_name seven = {7, 0};
    EXPECT_EQ(index.FindLabel(seven, 0), first.next.get());
    (void)b;
    int32_t number = 0;
    EXPECT_TRUE(index.LowestNumberOf("a", &number));
    EXPECT_EQ(number, 1);
    index.Renumber(1, 5);
    EXPECT_TRUE(index.LowestNumberOf("a", &number));
    EXPECT_EQ(number, 5);
    EXPECT_EQ(index.FindGroup(1), nullptr);
}

}  // namespace
