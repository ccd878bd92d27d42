#include "core/type_tables.h"

#include "core/catalogue_strings.h"

#include <cstring>

#include <gtest/gtest.h>

class TypeTables : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(InitTypeTables(), 0); }
};

TEST_F(TypeTables, EveryFamilyHasItsRows) {
    EXPECT_EQ(TypeRowCount(1), 32);
    EXPECT_EQ(TypeRowCount(2), 22);
    EXPECT_EQ(TypeRowCount(3), 40);
    EXPECT_EQ(TypeRowCount(4), 17);
    EXPECT_EQ(TypeRowCount(5), 12);
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
            if (family != 16) {
                EXPECT_EQ(std::strncmp(row->dialogKey, "prop_", 5), 0) << family << "/" << subtype;
            }
            for (int i = 0; i < row->paramCount; ++i)
                EXPECT_NE(row->captions[i], nullptr);
        }
    }
}

TEST_F(TypeTables, LookUpIsBounded) {
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
}

TEST_F(TypeTables, RectangularRows) {
    const LTypeDescriptor& vl01 = VlTypeTable[0];
    EXPECT_EQ(vl01.paramCount, 3);
    EXPECT_EQ(vl01.switchParam, 3);
    EXPECT_STREQ(vl01.dialogKey, "prop_vl_n3a");
    for (int i = 1; i < 32; ++i)
        EXPECT_EQ(VlTypeTable[i].switchParam, -1);
    const LTypeDescriptor& knhE = VlTypeTable[14];
    EXPECT_EQ(knhE.kinds[3], kParamPercent);
    EXPECT_EQ(DescValueCount(&knhE, 0), 5);
    EXPECT_EQ(DescValues(&knhE, 0)[4], 1500);
    EXPECT_EQ(DescValues(&knhE, 0), DescValues(&VlTypeTable[15], 1));  // one shared list
    EXPECT_STREQ(DescListText(&VlTypeTable[16], 5, 2), "CS-R");
    EXPECT_STREQ(DescListText(&VlTypeTable[16], 5, 3), "");
    const LTypeDescriptor& vle01 = VlTypeTable[23];
    EXPECT_EQ(vle01.paramCount, 8);
    EXPECT_EQ(vle01.flowCount, 3);
    EXPECT_EQ(vle01.flowConnectors[1], -1);
    EXPECT_EQ(VlTypeTable[30].flowCount, 4);
    EXPECT_EQ(VlTypeTable[7].kinds[2], kParamDiameter);
    EXPECT_EQ(VlTypeTable[19].kinds[2], kParamRadio);
}

TEST_F(TypeTables, RoundRows) {
    for (int i = 0; i < 22; ++i)
        EXPECT_EQ(VfTypeTable[i].switchParam, -1);
    const LTypeDescriptor& elbow = VfTypeTable[2];
    EXPECT_EQ(elbow.kinds[0], kParamDiameter);
    EXPECT_EQ(elbow.kinds[1], kParamLabelled);
    EXPECT_STREQ(DescListText(&elbow, 1, 0), "0.8xd");
    EXPECT_EQ(DescValues(&elbow, 1)[2], 1.5);
    const LTypeDescriptor& fspiro = VfTypeTable[19];
    EXPECT_EQ(fspiro.kinds[0], kParamTextChoice);
    EXPECT_EQ(DescValues(&fspiro, 0), nullptr);  // texts, not numbers
    EXPECT_STREQ(DescListText(&fspiro, 3, 5), "3");
    EXPECT_EQ(DescValueCount(&fspiro, 1), 31);
    EXPECT_EQ(VfTypeTable[8].valueCounts[0], 16);
    EXPECT_EQ(VfTypeTable[9].valueCounts[0], 25);
    EXPECT_EQ(VfTypeTable[11].valueCounts[1], 24);
    EXPECT_EQ(VfTypeTable[4].flowCount, 3);
    EXPECT_EQ(VfTypeTable[13].flowConnectors[0], 1);
    EXPECT_EQ(VfTypeTable[16].kinds[3], kParamRadio);
}

TEST_F(TypeTables, TerminalDamperAndEquipmentRows) {
    for (int id = 1; id <= 40; ++id) {
        int16_t expected = (id <= 8 || id >= 39) ? -1 : 0;
        EXPECT_EQ(RcsTypeTable[id - 1].flowConnectors[0], expected) << id;
        EXPECT_EQ(RcsTypeTable[id - 1].switchParam, -1);
    }
    EXPECT_EQ(RcsTypeTable[20].paramCount, 2);  // VBF shows two of its three
    EXPECT_STREQ(RcsTypeTable[25].dialogKey, "prop_vf_n1");
    EXPECT_STREQ(RcsTypeTable[27].dialogKey, "prop_tv_k3");
    EXPECT_EQ(TvTypeTable[0].paramCount, 8);
    EXPECT_EQ(TvTypeTable[0].kinds[2], kParamText);
    EXPECT_EQ(TvTypeTable[4].flowConnectors[0], -1);
    EXPECT_EQ(TvTypeTable[16].paramCount, 4);
    EXPECT_EQ(MscTypeTable[0].paramCount, 5);
    EXPECT_EQ(MscTypeTable[1].kinds[0], kParamDiameter);
    EXPECT_EQ(MscTypeTable[1].kinds[2], kParamText);
    EXPECT_EQ(MscTypeTable[8].kinds[4], kParamText);
    EXPECT_EQ(MscTypeTable[9].kinds[3], kParamText);
    EXPECT_STREQ(MscTypeTable[11].dialogKey, "prop_msc_n4b");
}

TEST_F(TypeTables, CustomRowNamesNoConnector) {
    const LTypeDescriptor& row = CustomTypeTable[0];
    EXPECT_EQ(row.paramCount, 1);
    EXPECT_EQ(row.flowCount, 1);
    EXPECT_EQ(row.flowConnectors, nullptr);
    EXPECT_EQ(DescFlowConnector(&row, 0), -1);
    EXPECT_EQ(row.kinds[0], kParamText);
    EXPECT_STREQ(row.captions[0], "");
}

TEST_F(TypeTables, RowReadersAreBounded) {
    const LTypeDescriptor* row = &VlTypeTable[0];
    EXPECT_EQ(DescKind(row, 3), 0);
    EXPECT_EQ(DescValueCount(row, -1), 0);
    EXPECT_EQ(DescValues(row, 9), nullptr);
    EXPECT_STREQ(DescCaption(row, 3), "");
    EXPECT_EQ(DescFlowConnector(row, 1), -1);
    EXPECT_STREQ(DescListText(nullptr, 0, 0), "");
    EXPECT_EQ(DescKind(nullptr, 0), 0);
}

// Every properties dialog that a row names is one of the dialog keys of its
// family, or (VF-18, VF-19, BSN, BSK) of the round-duct or damper family.
TEST_F(TypeTables, DialogKeysComeFromTheFamilyKeyTables) {
    auto known = [](int family, const char* key) {
        for (int r = 0; r < CatalogueRowCount(FamilyDclKeys, family); ++r)
            if (std::strcmp(CatalogueText(FamilyDclKeys, family, r), key) == 0)
                return true;
        return false;
    };
    for (int family = 1; family <= 5; ++family) {
        for (int subtype = 1; subtype <= TypeRowCount(family); ++subtype) {
            const char* key = TypeRow(family, subtype)->dialogKey;
            bool ok = known(family, key) || (family == 3 && (known(2, key) || known(4, key)));
            EXPECT_TRUE(ok) << family << "/" << subtype << " " << key;
        }
    }
}
