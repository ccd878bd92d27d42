#include <cmath>
#include <gtest/gtest.h>
#include "core/global_mode.h"
#include "core/rounding.h"
#include "core/run_split.h"

TEST(PieceRule, WholePiecesAndRoundedRest) {
    PieceSplit s = SplitIntoPieces(4000, 1500);
    EXPECT_EQ(s.pieces, 2);
    EXPECT_EQ(s.rest, 1000);
    s = SplitIntoPieces(3000.5, 1500);
    EXPECT_EQ(s.pieces, 2);
    EXPECT_EQ(s.rest, 1);
    s = SplitIntoPieces(1499.4, 1500);
    EXPECT_EQ(s.pieces, 0);
    EXPECT_EQ(s.rest, 1499);
}

TEST(PieceRule, BadPieceLengthsCutNothing) {
    for (double bad : {0.0, -1500.0, std::nan(""), double(INFINITY)}) {
        PieceSplit s = SplitIntoPieces(4000, bad);
        EXPECT_EQ(s.pieces, 0);
        EXPECT_EQ(s.rest, 4000);
    }
    PieceSplit huge = SplitIntoPieces(1e12, 1);
    EXPECT_EQ(huge.pieces, kMaxPieces);
    EXPECT_EQ(huge.rest, INT16_MAX);
    EXPECT_EQ(SplitIntoPieces(-5, 1500).pieces, 0);
    EXPECT_EQ(SplitIntoPieces(std::nan(""), 1500).rest, 0);
}

TEST(GlobalMode, OnlyRelabelIsSpecial) {
    EXPECT_EQ(GetGlobalMode(), kModeNormal);
    SetGlobalMode(129);
    EXPECT_EQ(GetGlobalMode(), 129);
    SetGlobalMode(5);
    EXPECT_EQ(GetGlobalMode(), 128);
}

TEST(Rounding, HalvesGoAwayFromZeroAndShortsStayInRange) {
    EXPECT_EQ(RoundToDouble(2.5), 3.0);
    EXPECT_EQ(RoundToDouble(-2.5), -3.0);
    EXPECT_EQ(RoundToDouble(2.4), 2.0);
    EXPECT_EQ(RoundToDouble(-0.6), -1.0);
    EXPECT_EQ(RoundToDouble(-0.4), 0.0);
    EXPECT_EQ(RoundToShort(10.5), 11);
    EXPECT_EQ(RoundToShort(-10.5), -11);
    // Shorts stay in range.
    EXPECT_EQ(RoundToShort(1e9), INT16_MAX);
    EXPECT_EQ(RoundToShort(-1e9), INT16_MIN);
    EXPECT_EQ(RoundToShort(std::nan("")), 0);
    EXPECT_EQ(RoundToShort(32767.4), 32767);
}
