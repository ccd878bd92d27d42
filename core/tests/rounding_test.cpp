#include "core/rounding.h"

#include <cmath>

#include <gtest/gtest.h>

TEST(Rounding, HalvesGoAwayFromZero) {
    EXPECT_EQ(RoundToDouble(2.5), 3.0);
    EXPECT_EQ(RoundToDouble(-2.5), -3.0);
    EXPECT_EQ(RoundToDouble(2.4), 2.0);
    EXPECT_EQ(RoundToDouble(-0.6), -1.0);
    EXPECT_EQ(RoundToDouble(-0.4), 0.0);
    EXPECT_EQ(RoundToShort(10.5), 11);
    EXPECT_EQ(RoundToShort(-10.5), -11);
}

TEST(Rounding, ShortStaysInRange) {
    EXPECT_EQ(RoundToShort(1e9), INT16_MAX);
    EXPECT_EQ(RoundToShort(-1e9), INT16_MIN);
    EXPECT_EQ(RoundToShort(std::nan("")), 0);
    EXPECT_EQ(RoundToShort(32767.4), 32767);
}
