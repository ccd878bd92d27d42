// Numbers written into tiles and read back from them.
#include <gtest/gtest.h>

#include "ui/dcl/tile_text.h"

TEST(TileTextTest, NumbersRoundAwayFromZeroOnlyAboveAHalfAndOtherTextsReadAsMinusOne) {
    const struct { const char* text; int value; } cases[] = {
        {"12.5", 12}, {"12.6", 13}, {"12.7", 13}, {"-12.5", -12}, {"-12.6", -13}, {"0.4", 0}, {"  1500", 1500},
        {"250 mm", 250}, {"abc", -1}, {"", -1}, {nullptr, -1}, {"1e300", -1}, {"nan", -1}, {"-inf", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseTileNumber(c.text), c.value) << (c.text ? c.text : "(null)");
}

TEST(TileTextTest, RadioKeysCarryTheirGroupInUnderscores) {
    EXPECT_EQ(FormatNumberAfterUnderscores(2, 0), "_2");
    EXPECT_EQ(FormatNumberAfterUnderscores(3, 1), "__3");
    EXPECT_EQ(ParseNumberAfterUnderscores("_2", 0), 2);
    EXPECT_EQ(ParseNumberAfterUnderscores("__3", 1), 3);
    EXPECT_EQ(ParseNumberAfterUnderscores("2", 0), -1);
    EXPECT_EQ(ParseNumberAfterUnderscores("__2", 0), -1);  // another group's button
    EXPECT_EQ(ParseNumberAfterUnderscores("_2", 1), -1);
    EXPECT_EQ(ParseNumberAfterUnderscores("_", 0), -1);
    EXPECT_EQ(ParseNumberAfterUnderscores("", 0), -1);
    EXPECT_EQ(ParseNumberAfterUnderscores(nullptr, 0), -1);
}

TEST(TileTextTest, ListEntriesWriteZeroPlainly) {
    EXPECT_EQ(FormatListPercent(0), "0");
    EXPECT_EQ(FormatListPercent(33), "33%");
    EXPECT_EQ(FormatListPercent(12.5), "12.5%");
    EXPECT_EQ(FormatListDouble(0), "0");
    EXPECT_EQ(FormatListDouble(-0.0), "0");
    EXPECT_EQ(FormatListDouble(1250), "1250");
    EXPECT_EQ(FormatTileDouble(0.1), "0.1");
    EXPECT_EQ(FormatTileDouble1(8.84), "8.8");
}

TEST(TileTextTest, HugeNumbersAreCutToTheTileSize) {
    EXPECT_EQ(FormatTileDouble1(1e300).size(), 31u);
    EXPECT_EQ(FormatNumberAfterUnderscores(5, 100).size(), 31u);
}
