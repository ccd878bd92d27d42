#include <gtest/gtest.h>

#include "db/name_index.h"

using namespace host::db;

// Numbered anonymous names and all other names share one set of rules:
// one record per name, removal only by its own record.
TEST(NameIndex, NumberedAndOtherNamesFollowTheSameRules) {
    NameIndex index;
    const char* names[] = {"*U5", "*U0", "*D12", "*U05", "*U", "*15", "*U4194304", "*U99999999", "WALLS", "*MODEL_SPACE"};
    Slot slot = 1;
    for (const char* name : names) EXPECT_TRUE(index.insert(name, slot++)) << name;
    slot = 1;
    for (const char* name : names) {
        EXPECT_EQ(index.find(name), slot) << name;
        EXPECT_FALSE(index.insert(name, 99)) << name;  // taken
        ++slot;
    }
    EXPECT_EQ(index.find("*U6"), kNoSlot);
    EXPECT_EQ(index.find("*U50"), kNoSlot);
    EXPECT_EQ(index.find("*X5"), kNoSlot);
    index.erase("*U5", 2);  // not its record: stays
    EXPECT_EQ(index.find("*U5"), 1u);
    index.erase("*U5", 1);
    index.erase("WALLS", 9);
    EXPECT_EQ(index.find("*U5"), kNoSlot);
    EXPECT_EQ(index.find("WALLS"), kNoSlot);
    EXPECT_EQ(index.find("*U05"), 4u);  // a name of its own
    EXPECT_TRUE(index.insert("*U5", 20));
    EXPECT_EQ(index.find("*U5"), 20u);
}
