// The type rows of every family and the per-family catalogue texts: each
// row and text present, dialog keys that exist, and bounded look-ups.
#include <climits>
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include "core/catalogue_strings.h"
#include "core/type_tables.h"

class TypeTables : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(InitTypeTables(), 0); }
};

// Families 1 to 5 have a row for every type the catalogue names.  The
// properties dialog a row names is one of the dialog keys of its family, or
// (VF-18, VF-19, BSN, BSK) of the round-duct or damper family.
TEST_F(TypeTables, EveryFamilyHasItsRowsNamingKnownDialogs) {
    auto known = [](int family, const char* key) {
        for (int r = 0; r < CatalogueRowCount(FamilyDclKeys, family); ++r)
            if (std::strcmp(CatalogueText(FamilyDclKeys, family, r), key) == 0)
                return true;
        return false;
    };
    for (int family = 1; family <= 5; ++family)
        EXPECT_EQ(TypeRowCount(family), CatalogueRowCount(FamilyTypeNames, family)) << family;
    EXPECT_EQ(TypeRowCount(7), 12);
    EXPECT_EQ(TypeRowCount(16), 1);
    EXPECT_EQ(TypeRowCount(9), 0);
    for (int family : {1, 2, 3, 4, 5, 16}) {
        for (int subtype = 1; subtype <= TypeRowCount(family); ++subtype) {
            const LTypeDescriptor* row = TypeRow(family, subtype);
            ASSERT_NE(row, nullptr) << family << "/" << subtype;
            EXPECT_GT(row->paramCount, 0) << family << "/" << subtype;
            EXPECT_GE(row->flowCount, 1) << family << "/" << subtype;
            ASSERT_NE(row->kinds, nullptr);
            ASSERT_NE(row->captions, nullptr);
            ASSERT_NE(row->dialogKey, nullptr);
            bool ok = family == 16 || known(family, row->dialogKey) ||
                      (family == 3 && (known(2, row->dialogKey) || known(4, row->dialogKey)));
            EXPECT_TRUE(ok) << family << "/" << subtype << " " << row->dialogKey;
            for (int i = 0; i < row->paramCount; ++i)
                EXPECT_NE(row->captions[i], nullptr);
        }
    }
}

TEST_F(TypeTables, LookUpsAndRowReadersAreBounded) {
    EXPECT_EQ(TypeRow(1, 0), nullptr);
    EXPECT_EQ(TypeRow(1, 33), nullptr);
    EXPECT_EQ(TypeRow(1, -1), nullptr);
    EXPECT_EQ(TypeRow(0, 1), nullptr);
    EXPECT_EQ(TypeRow(2, 25), nullptr);
    EXPECT_EQ(TypeRow(3, 41), nullptr);
    // The layered ducts' second variants use the rows of 17 and 18.
    EXPECT_EQ(TypeRow(2, 23), &VfTypeTable[16]);
    EXPECT_EQ(TypeRow(2, 24), &VfTypeTable[17]);
    EXPECT_EQ(TypeRow(8, 3), &MscTypeTable[2]);
    EXPECT_EQ(TypeRow(16, 7), &CustomTypeTable[0]);
    // The custom row names no connector for its airflow.
    EXPECT_EQ(DescFlowConnector(&CustomTypeTable[0], 0), -1);
    // The readers of a row are bounded too.
    const LTypeDescriptor* row = &VlTypeTable[0];
    EXPECT_EQ(DescKind(row, 3), 0);
    EXPECT_EQ(DescValueCount(row, -1), 0);
    EXPECT_EQ(DescValues(row, 9), nullptr);
    EXPECT_STREQ(DescCaption(row, 3), "");
    EXPECT_EQ(DescFlowConnector(row, 1), -1);
    EXPECT_STREQ(DescListText(nullptr, 0, 0), "");
    EXPECT_EQ(DescKind(nullptr, 0), 0);
}

TEST(CatalogueStrings, EveryTypeHasEachTextOfItsFamily) {
    for (int family = 1; family <= kCatalogueFamilyCount; ++family) {
        int types = CatalogueRowCount(FamilyTypeNames, family);
        EXPECT_GT(types, 0) << family;
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
    for (int family = 1; family <= kCatalogueFamilyCount; ++family) {
        int count = CatalogueRowCount(FamilyDclKeys, family);
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
    for (const CatalogueStringColumn* column :
         {&FamilyCatalogueNumbers, &FamilyDclKeys, &FamilyTypeNames, &FamilyBlockNames, &FamilyBlockPrefixes}) {
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
