// Mirror-line arithmetic: images of points about vertical, horizontal and
// sloped lines, heights kept, and the mirrored rotation.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/mirror_geometry.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

TEST(MirrorGeometry, ImagesAboutVerticalHorizontalAndSlopedLines) {
    struct Case {
        ads_point p1, p2, p, image;
    } cases[] = {
        {{5, 0, 0}, {5, 10, 0}, {2, 7, 3}, {8, 7, 3}},         // vertical: x only, z kept
        {{5, 0, 0}, {5, -10, 0}, {5, 1, 0}, {5, 1, 0}},        // a point on the line stays
        {{0, 1, 0}, {4, 1, 0}, {3, 4, 0}, {3, -2, 0}},         // horizontal
        {{0, 0, 0}, {1, 1, 0}, {2, 0, 0}, {0, 2, 0}},          // the diagonal swaps x and y
        {{5000, 0, 0}, {6000, 2000, 0}, {0, 0, 7}, {8000, -4000, 7}},  // slope 2
        {{1, 1, 0}, {1 + 1e-9, 1e9, 0}, {0, 5, 0}, {2, 5, 0}},  // all but vertical
    };
    for (const Case& c : cases) {
        ads_point shift;
        MirrorDisplacement(c.p1, c.p2, c.p, shift);
        EXPECT_NEAR(c.p[0] + shift[0], c.image[0], 1e-6) << c.p[0] << "," << c.p[1];
        EXPECT_NEAR(c.p[1] + shift[1], c.image[1], 1e-6) << c.p[0] << "," << c.p[1];
        EXPECT_EQ(shift[2], 0.0);
        ads_point foot;
        MirrorFoot(c.p1, c.p2, c.p, foot);
        EXPECT_EQ(foot[2], c.p[2]);
    }
}

TEST(MirrorGeometry, LineThroughOnePointLeavesEveryPointWhereItIs) {
    ads_point p1 = {3, 4, 0}, p = {7, -2, 0}, shift;
    MirrorDisplacement(p1, p1, p, shift);  // taken as vertical through x = 3
    EXPECT_DOUBLE_EQ(shift[0], -8);
    ads_point tiny = {3 + 1e-300, 4, 0};
    MirrorDisplacement(p1, tiny, p, shift);
    EXPECT_TRUE(std::isfinite(shift[0]) && std::isfinite(shift[1]));
}

TEST(MirrorGeometry, RotationIsTwiceTheLineLessTheOwnWithinOneTurn) {
    struct Case {
        double a, r, expected;
    } cases[] = {
        {kPi / 4, 0.3, kPi / 2 - 0.3},
        {kPi / 2, 0, kPi},
        {0, kPi / 2, 3 * kPi / 2},  // -pi/2 is brought into the turn
        {kPi, 0, 0},
        {3 * kPi / 2, kPi / 4, 3 * kPi - kPi / 4 - 2 * kPi},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(MirroredRotation(c.a, c.r), c.expected, 1e-12) << c.a << " " << c.r;
    EXPECT_EQ(MirroredRotation(std::numeric_limits<double>::quiet_NaN(), 0), 0.0);
}

} // namespace
