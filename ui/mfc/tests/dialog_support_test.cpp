// Numbers read from dialog boxes and the layer names the dialogs accept.
#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "ui/mfc/dialog_support.h"

namespace {

TEST(DialogNumbers, ReadWhatTheTextBeginsWith) {
    double value = 7;
    EXPECT_TRUE(ReadNumberText(" 12.5mm", value));
    EXPECT_DOUBLE_EQ(value, 12.5);
    for (const char* text : {"", "abc", "inf", "nan", "1e999", "-"}) {
        value = 7;
        EXPECT_FALSE(ReadNumberText(text, value)) << text;
        EXPECT_DOUBLE_EQ(value, 7) << text;
    }
    int whole = 3;
    EXPECT_TRUE(ReadWholeText("25x", whole));
    EXPECT_EQ(whole, 25);
    EXPECT_TRUE(ReadWholeText("99999999999999999999", whole));
    EXPECT_EQ(whole, INT_MAX);
    EXPECT_FALSE(ReadWholeText("x1", whole));
    EXPECT_EQ(whole, INT_MAX);
}

TEST(DialogNumbers, WholePartStaysInRange) {
    EXPECT_EQ(WholePart(50.7), 50);
    EXPECT_EQ(WholePart(-2.9), -2);
    EXPECT_EQ(WholePart(1e300), 4000000000000000000L);
    EXPECT_EQ(WholePart(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(DialogNames, LayerNamesTheDrawingCanHold) {
    EXPECT_TRUE(IsValidLayerName("LURAK-ZL1-100"));
    EXPECT_TRUE(IsValidLayerName(std::string(31, 'A')));
    EXPECT_FALSE(IsValidLayerName(std::string(32, 'A')));
    EXPECT_FALSE(IsValidLayerName(""));
    for (const char* bad : {"A<B", "A>B", "A/B", "A\\B", "A\"B", "A:B", "A;B", "A?B", "A*B", "A|B", "A,B", "A=B", "A`B"})
        EXPECT_FALSE(IsValidLayerName(bad)) << bad;
}

} // namespace
