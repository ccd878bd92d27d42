#include "elements/rcs/lrcs.h"

#include <gtest/gtest.h>

#include "core/messages.h"
#include "core/type_tables.h"
#include "core/element_factory.h"
#include "elements/tests/element_test.h"
#include "elements/rcs/rcs_family.h"

using TestRcs = StubElement<LRCs>;
using RcsFamily = ElementTest;

TEST_F(RcsFamily, BaseBuildsOnItsRow) {
    TestRcs e(9, 1, 4);
    EXPECT_EQ(e.GetFamily(), 3);
    EXPECT_EQ(e.GetSubtype(), 9);
    EXPECT_EQ(e.GetTypeDesc(), TypeRow(kRcsFamily, 9));
    EXPECT_EQ(e.GetConnector(0)->shape, kShapeRect);
    EXPECT_EQ(e.GetConnector(0)->owner, &e);
    EXPECT_EQ(e.UpdateLabel(), 0);
    EXPECT_EQ(e.FitLength(nullptr, nullptr, 0, 1, 0, 0), -1);
    EXPECT_EQ(e.MarkFixedParams(nullptr), -1);
    EXPECT_EQ(e.AdjustInsertionPoint(nullptr, nullptr), 0);
}

TEST_F(RcsFamily, TerminalsWithConnectorsShowConnectorAirflow) {
    TestRcs e(9, 1, 4);
    e.GetConnector(0)->flow = 420;
    e.SetFlow(99);
    EXPECT_EQ(Taken(e.GetFlowText()), "V=420 m3/h;");
    TestRcs grille(1, 0, 8);
    grille.kind = 1;
    grille.SetFlow(99);
    EXPECT_EQ(Taken(grille.GetFlowText()), "V=99 m3/h;");
}

TEST_F(RcsFamily, RowsDefaultsAndFactoryBounds) {
    EXPECT_STREQ(TypeRow(kRcsFamily, 2)->captions[0], MessageText(99));
    for (int16_t id : {0, 41})
        EXPECT_EQ(TypeDefaults(kRcsFamily, id), nullptr) << id;
    EXPECT_EQ(TypeDefaults(kRcsFamily, 40)[2], 200);
    for (int16_t id : {0, 2, 41, -3})
        EXPECT_EQ(CreateElement(kRcsFamily, id), nullptr) << id;
}

// Every parameter chosen or typed in an air-terminal dialog has a caption
// (flags and radio groups may have their texts in the dialog itself), and
// every list parameter a list.
TEST_F(RcsFamily, EveryRowDescribesItsParameters) {
    for (int id = 1; id <= 40; ++id) {
        const LTypeDescriptor& row = *TypeRow(kRcsFamily, id);
        for (int k = 0; k < row.paramCount; ++k) {
            int16_t kind = row.kinds[k];
            bool captionless = kind == kParamEntry || kind == kParamRadio ||
                               kind == kParamDisabled || kind == kParamEnabled;
            if (!captionless) {
                EXPECT_STRNE(row.captions[k], "") << id << "/" << k;
            }
            bool tsdHeights = id == 4 && k == 1;
            if (!tsdHeights && (kind == kParamList || kind == kParamLabelled ||
                                kind == kParamTextChoice)) {
                EXPECT_GT(row.valueCounts[k], 0) << id << "/" << k;
                EXPECT_NE(row.valueLists[k], nullptr) << id << "/" << k;
            }
            if (kind == kParamLabelled) {
                EXPECT_STRNE(DescListText(&row, k, row.valueCounts[k] - 1), "") << id << "/" << k;
            }
        }
    }
    EXPECT_EQ(TypeRow(kRcsFamily, 4)->valueCounts[1], 0);  // TSD's heights come from its duct
}
