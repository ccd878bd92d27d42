// The per-family catalogue texts and their bounds-checked look-ups.
#include <climits>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include "core/catalogue_strings.h"

namespace {
const CatalogueStringColumn* const kColumns[] = {
    &FamilyCatalogueNumbers, &FamilyDclKeys, &FamilyTypeNames, &FamilyBlockNames, &FamilyBlockPrefixes};

// Types per family, 1 to 5.
const int kTypeCounts[] = {32, 22, 40, 17, 12};
}  // namespace

TEST(CatalogueStrings, EveryTypeHasEachTextOfItsFamily) {
    for (int family = 1; family <= kCatalogueFamilyCount; ++family) {
        int types = kTypeCounts[family - 1];
        EXPECT_EQ(CatalogueRowCount(FamilyTypeNames, family), types) << family;
        EXPECT_EQ(CatalogueRowCount(FamilyBlockNames, family), types) << family;
        EXPECT_EQ(CatalogueRowCount(FamilyBlockPrefixes, family), types) << family;
        EXPECT_EQ(CatalogueRowCount(FamilyCatalogueNumbers, family), types) << family;
        for (int subtype = 1; subtype <= types; ++subtype) {
            EXPECT_STRNE(TypeNameOf(family, subtype), "") << family << "/" << subtype;
            EXPECT_STRNE(BlockNameOf(family, subtype), "") << family << "/" << subtype;
            // The prefix is the slide name and a hyphen, except where a type
            // borrows another type's drawing.
            std::string expected = family == 2 && subtype == 19 ? std::string("vf10-")
                                                                : std::string(BlockNameOf(family, subtype)) + "-";
            EXPECT_EQ(BlockPrefixOf(family, subtype), expected) << family << "/" << subtype;
        }
    }
}

TEST(CatalogueStrings, DialogKeysAreDistinctPropertiesDialogs) {
    const int keyCounts[] = {20, 15, 28, 14, 4};
    for (int family = 1; family <= kCatalogueFamilyCount; ++family) {
        int count = CatalogueRowCount(FamilyDclKeys, family);
        EXPECT_EQ(count, keyCounts[family - 1]) << family;
        std::set<std::string> keys;
        for (int row = 0; row < count; ++row) {
            std::string key = CatalogueText(FamilyDclKeys, family, row);
            EXPECT_EQ(key.rfind("prop_", 0), 0u) << key;
            keys.insert(key);
        }
        EXPECT_EQ(keys.size(), static_cast<size_t>(count)) << family;
    }
}

TEST(CatalogueStrings, LookUpsOutOfRangeGiveEmptyText) {
    for (const CatalogueStringColumn* column : kColumns) {
        for (int family : {0, 6, 7, 8, 16, -1, INT_MIN, INT_MAX}) {
            EXPECT_EQ(CatalogueRowCount(*column, family), 0) << family;
            EXPECT_STREQ(CatalogueText(*column, family, 0), "") << family;
        }
        for (int family = 1; family <= kCatalogueFamilyCount; ++family) {
            int count = CatalogueRowCount(*column, family);
            for (int row : {-1, count, count + 1, INT_MIN, INT_MAX})
                EXPECT_STREQ(CatalogueText(*column, family, row), "") << family << "/" << row;
        }
    }
    EXPECT_STREQ(TypeNameOf(1, 0), "");
    EXPECT_STREQ(BlockPrefixOf(3, 41), "");
    EXPECT_STREQ(TypeNameOf(2, INT_MIN), "");
}
