#include "elements/msc/lmsc.h"

#include <memory>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "core/messages.h"
#include "core/type_tables.h"
#include "elements/tests/element_test.h"
#include "elements/msc/msc_family.h"

using MscFamily = ElementTest;

TEST_F(MscFamily, BaseBuildsTwoRectangularConnectors) {
    StubElement<LMsc> e(11, 2, 5);
    EXPECT_EQ(e.GetFamily(), 5);
    EXPECT_EQ(e.GetSubtype(), 11);
    EXPECT_EQ(e.GetTypeDesc(), TypeRow(kMscFamily, 11));
    EXPECT_EQ(e.GetConnectorCount(), 2);
    EXPECT_EQ(e.GetConnector(0)->shape, kShapeRect);
    EXPECT_EQ(e.UpdateLabel(), 0);
    int16_t flags[5] = {0, 0, 0, 0, 0};
    EXPECT_EQ(e.MarkFixedParams(flags), -1);
    EXPECT_EQ(flags[0], 0);
    EXPECT_EQ(e.FitLength(nullptr, nullptr, 0, 1, 100, 0), -1);
    EXPECT_EQ(e.AdjustInsertionPoint(nullptr, nullptr), 0);
    e.GetConnector(0)->flow = 3000;
    EXPECT_EQ(Taken(e.GetFlowText()), "V=3000 m3/h;");
}

TEST_F(MscFamily, RowsShareFourDialogs) {
    EXPECT_STREQ(TypeRow(kMscFamily, 1)->dialogKey, "prop_msc_n5a");
    EXPECT_STREQ(TypeRow(kMscFamily, 2)->dialogKey, "prop_msc_n4a");
    EXPECT_STREQ(TypeRow(kMscFamily, 5)->dialogKey, "prop_msc_n5b");
    EXPECT_STREQ(TypeRow(kMscFamily, 8)->dialogKey, "prop_msc_n4b");
    EXPECT_STREQ(TypeRow(kMscFamily, 3)->captions[4], MessageText(128));
    EXPECT_STREQ(TypeRow(kMscFamily, 1)->captions[4], MessageText(127));
}

TEST_F(MscFamily, FactoryBoundsForEveryPage) {
    for (int16_t family : {5, 6, 7, 8}) {
        for (uint16_t t : {0, 13})
            EXPECT_EQ(CreateElement(family, t), nullptr);
        // Every page's elements are recorded as family 5.
        for (uint16_t t : {1, 12}) {
            std::unique_ptr<LObject> e(CreateElement(family, t));
            ASSERT_NE(e, nullptr) << family << ": " << t;
            EXPECT_EQ(e->GetFamily(), kMscFamily);
            EXPECT_EQ(e->GetSubtype(), t);
        }
    }
    EXPECT_EQ(CreateElement(kMscFamily, -1), nullptr);
}
