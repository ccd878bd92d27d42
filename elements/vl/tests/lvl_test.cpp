#include "elements/vl/lvl.h"

#include <string>

#include <gtest/gtest.h>

#include "core/messages.h"
#include "core/type_tables.h"
#include "core/element_factory.h"
#include "elements/tests/element_test.h"
#include "elements/vl/vl_family.h"

namespace {

using TestVl = BareElement<LVl>;
using VlFamily = ElementTest;

}  // namespace

TEST_F(VlFamily, BaseBuildsRectangularConnectorsOnItsRow) {
    TestVl e(5, 2, 5);
    EXPECT_EQ(e.GetFamily(), 1);
    EXPECT_EQ(e.GetSubtype(), 5);
    EXPECT_EQ(e.GetTypeDesc(), TypeRow(kVlFamily, 5));
    for (int16_t i = 0; i < 2; ++i) {
        EXPECT_EQ(e.GetConnector(i)->shape, kShapeRect);
        EXPECT_EQ(e.GetConnector(i)->owner, &e);
    }
}

TEST_F(VlFamily, DescriptionOfTheStraightDuct) {
    TestVl e(1, 2, 5);
    e.values = {150, 200, 1500, 1, 0};
    EXPECT_EQ(Description(e), "VL-01  a=150;  b=200;  l=1500;  lp=1;");
    e.values[3] = -1;
    EXPECT_EQ(Description(e), "VL-01  a=150;  b=200;  l=1500;  lp=0;");
    e.values[3] = 1.0000001;
    EXPECT_EQ(Description(e), "VL-01  a=150;  b=200;  l=1500;  lp=0;");
}

TEST_F(VlFamily, ShortCaptionsPrintTheValueAlone) {
    TestVl e(20, 2, 3);  // USZ-29
    e.values = {250, 250, 1};
    const char* saved = TypeRow(kVlFamily, 20)->captions[2];
    TypeRow(kVlFamily, 20)->captions[2] = "n:";
    EXPECT_EQ(Description(e), "USZ-29  A=250;  B=250;  1;");
    TypeRow(kVlFamily, 20)->captions[2] = saved;
}

TEST_F(VlFamily, LongDescriptionsAreNotCut) {
    TestVl e(24, 2, 9);  // VLE-01: eight row parameters
    e.values.assign(9, -1.23456789e+100);
    std::string text = Description(e);
    EXPECT_GT(text.size(), 100u);
    EXPECT_EQ(text.substr(0, 6), "VLE-01");
    EXPECT_EQ(text.substr(text.size() - 18), "  R=-1.23457e+100;");
}

TEST_F(VlFamily, RowsDefaultsAndFactoryBounds) {
    EXPECT_STREQ(TypeRow(kVlFamily, 22)->slideName, "lem");  // S-15 shows LEM's slide
    EXPECT_STREQ(TypeRow(kVlFamily, 22)->blockPrefix, "lem-");
    EXPECT_STREQ(TypeRow(kVlFamily, 1)->captions[0], "Width (a):");
    EXPECT_STREQ(TypeRow(kVlFamily, 1)->message, MessageText(0));
    EXPECT_EQ(TypeDefaults(kVlFamily, 0), nullptr);
    EXPECT_EQ(TypeDefaults(kVlFamily, 33), nullptr);
    EXPECT_EQ(TypeDefaults(kVlFamily, 24)[7], 100);
    for (int16_t id : {0, 33, -4})
        EXPECT_EQ(CreateElement(kVlFamily, id), nullptr) << id;
}
