#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "db/block_source.h"

using namespace host::db;

// Blocks made by the program and blocks made ahead by the helper (after the
// first few) are alike: aligned to their size, zeroed, distinct, writable.
TEST(BlockSource, BlocksAreAlignedZeroedAndDistinct) {
    std::set<uintptr_t> seen;
    for (int i = 0; i < 24; ++i) {
        char* block = static_cast<char*>(takeBlock());
        ASSERT_NE(block, nullptr);
        auto at = reinterpret_cast<uintptr_t>(block);
        EXPECT_EQ(at % kBlockBytes, 0u);
        EXPECT_TRUE(seen.insert(at).second);
        EXPECT_EQ(block[0], 0);
        EXPECT_EQ(block[kBlockBytes / 2], 0);
        EXPECT_EQ(block[kBlockBytes - 1], 0);
        block[0] = 1;
        block[kBlockBytes - 1] = 1;
    }
}
