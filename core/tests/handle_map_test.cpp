// The handle map of the copy commands: its order, pairs of one source, and
// look-ups that must leave an unknown or oversized handle alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/handle_map.h"

namespace {

std::vector<std::string> Sources(const LHandleMap& map) {
    std::vector<std::string> out;
    for (size_t i = 0; i < map.Size(); ++i)
        out.push_back(map.SourceAt(i));
    return out;
}

TEST(HandleMap, KeepsSourcesInByteOrderWhateverTheOrderOfInsertion) {
    LHandleMap map;
    for (const char* h : {"A", "1F", "10", "B2", "2"})
        EXPECT_EQ(map.Insert(h, "C0"), 0);
    // Byte-wise, as the texts compare: digits before letters, "10" before "2".
    EXPECT_EQ(Sources(map), (std::vector<std::string>{"10", "1F", "2", "A", "B2"}));
    EXPECT_EQ(map.SourceAt(5), nullptr);
    map.Clear();
    EXPECT_EQ(map.Size(), 0u);
}

TEST(HandleMap, EqualSourcesAreKeptAndTheNewestAnswers) {
    LHandleMap map;
    map.Insert("3A", "100");
    map.Insert("3A", "200");
    ASSERT_EQ(map.Size(), 2u);
    EXPECT_STREQ(map.CopyAt(0), "200");
    EXPECT_STREQ(map.CopyAt(1), "100");
    char handle[LHandleMap::kHandleRoom] = "3A";
    EXPECT_EQ(map.Lookup(handle, sizeof handle), 0);
    EXPECT_STREQ(handle, "200");
}

TEST(HandleMap, LookupReplacesOnlyAKnownHandleThatFits) {
    LHandleMap map;
    map.Insert("41", "FFFFFFFFFFFFFFFF");  // sixteen digits: the longest handle
    map.Insert("42", "43");
    struct Case {
        const char* given;
        size_t room;
        int16_t result;
        const char* after;
    } cases[] = {
        {"42", LHandleMap::kHandleRoom, 0, "43"},
        {"41", LHandleMap::kHandleRoom, 0, "FFFFFFFFFFFFFFFF"},
        {"41", 8, -1, "41"},  // the copy does not fit the caller's room
        {"4", LHandleMap::kHandleRoom, -1, "4"},  // a prefix is not the handle
        {"", LHandleMap::kHandleRoom, -1, ""},
    };
    for (const Case& c : cases) {
        char handle[LHandleMap::kHandleRoom] = "";
        std::snprintf(handle, sizeof handle, "%s", c.given);
        EXPECT_EQ(map.Lookup(handle, c.room), c.result) << c.given;
        EXPECT_STREQ(handle, c.after) << c.given;
    }
    EXPECT_EQ(map.Lookup(nullptr, 17), -1);
}

TEST(HandleMap, RefusesTextsThatAreNoHandle) {
    LHandleMap map;
    EXPECT_EQ(map.Insert(nullptr, "1"), -1);
    EXPECT_EQ(map.Insert("1", ""), -1);
    EXPECT_EQ(map.Insert("10000000000000000", "1"), -1);  // seventeen digits
    EXPECT_EQ(map.Size(), 0u);
}

} // namespace
