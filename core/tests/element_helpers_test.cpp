// The helpers the element classes draw and read their values with: the
// views of the six orientations and the parameter binding rules.
#include <climits>
#include <cmath>

#include <gtest/gtest.h>

#include "core/element_views.h"
#include "core/param_bindings.h"

TEST(ElementViews, EachOrientationIsOneViewWithItsMirrorings) {
    const struct {
        int16_t o;
        ViewKind kind;
        bool below, mx, my;
    } cases[] = {
        {0, ViewKind::kPlan, false, false, false}, {1, ViewKind::kSide, false, false, true},
        {2, ViewKind::kEnd, false, false, false},  {3, ViewKind::kPlan, true, true, true},
        {4, ViewKind::kSide, false, true, false},  {5, ViewKind::kEnd, false, false, false},
    };
    for (const auto& c : cases) {
        ElementView v = ViewOf(c.o);
        EXPECT_EQ(v.kind, c.kind) << c.o;
        EXPECT_EQ(v.fromBelow, c.below) << c.o;
        EXPECT_EQ(v.SignX(), c.mx ? -1.0 : 1.0) << c.o;
        EXPECT_EQ(v.SignY(), c.my ? -1.0 : 1.0) << c.o;
    }
    for (int16_t o : {-1, 6, INT16_MIN, INT16_MAX}) {
        ElementView v = ViewOf(o);
        EXPECT_FALSE(v.IsPlan() || v.IsSide() || v.IsEnd()) << o;
    }
}

namespace {
struct Bound {
    double a = 5, b = 7;
    int16_t pos = 1, choice = 2;
};
const ParamBinding<Bound> kTable[] = {NumberField(&Bound::a), SizeField(&Bound::b),
                                      PositionField(&Bound::pos), ChoiceField(&Bound::choice, 1, 4)};
}  // namespace

TEST(ParamBindings, EachRuleTakesItsValues) {
    const struct {
        double in[4];
        double a, b;
        int16_t pos, choice;
    } cases[] = {
        {{3, 400, 2.5, 3}, 3, 400, 3, 3},     // halves away from zero
        {{-1, 0, -2, 9}, -1, 7, -2, 4},       // a size of 0 keeps; a choice is clamped
        {{NAN, NAN, 0, -7}, NAN, 7, 0, 1},    // not a number: kept as a size, taken as a number
        {{2, INFINITY, 1, 1}, 2, 7, 1, 1},
    };
    for (const auto& c : cases) {
        Bound e;
        SetBoundParams(e, kTable, c.in);
        if (std::isnan(c.a))
            EXPECT_TRUE(std::isnan(e.a));
        else
            EXPECT_EQ(e.a, c.a);
        EXPECT_EQ(e.b, c.b) << c.in[1];
        EXPECT_EQ(e.pos, c.pos) << c.in[2];
        EXPECT_EQ(e.choice, c.choice) << c.in[3];
    }
    Bound e;
    double* v = nullptr;
    ASSERT_EQ(GetBoundParams(e, kTable, &v), 0);
    EXPECT_EQ(v[0], 5);
    EXPECT_EQ(v[1], 7);
    EXPECT_EQ(v[2], 1);
    EXPECT_EQ(v[3], 2);
    delete[] v;
}
