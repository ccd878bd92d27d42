// The round casing tables of the run dampers: the row a diameter falls in,
// and what a diameter that is no number or an empty table gives.
#include <cmath>
#include <iterator>

#include <gtest/gtest.h>

#include "elements/tv/ltv_run_damper.h"

TEST(RunDamperCasing, RowByDiameter) {
    const CasingRow rows[] = {{250, 200, 400}, {400, 350, 430}, {HUGE_VAL, 900, 950}};
    struct Case {
        double D, side, depth;
    } cases[] = {
        {100, 200, 400},   {249.9, 200, 400}, {250, 350, 430},
        {399, 350, 430},   {400, 900, 950},   {1e9, 900, 950},
        {NAN, 900, 950},   {-HUGE_VAL, 200, 400},
    };
    for (const Case& c : cases) {
        RoundCasing got = CasingFromTable(rows, std::size(rows), c.D);
        EXPECT_EQ(got.side, c.side) << c.D;
        EXPECT_EQ(got.depth, c.depth) << c.D;
    }
}

TEST(RunDamperCasing, EmptyTableGivesNoCasing) {
    RoundCasing got = CasingFromTable(nullptr, 0, 300);
    EXPECT_EQ(got.side, 0.0);
    EXPECT_EQ(got.depth, 0.0);
}
