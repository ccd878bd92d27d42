// The helpers the element classes draw and read their values with: the
// views of the six orientations, the parameter binding rules, the description
// texts and the bill-of-materials rows.
#include <climits>
#include <cmath>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/bom_builder.h"
#include "core/description_text.h"
#include "core/element_views.h"
#include "core/insert_plane.h"
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

TEST(DescriptionText, SizesValuesAndOptionsInTheirOrder) {
    const struct {
        std::string built, expected;
    } cases[] = {
        {DescriptionText("VL-01").Size("a", 400).Size("b", 300).Size("l", 1500).Text(),
         "VL-01  a=400;  b=300;  l=1500;"},
        {DescriptionText("X").Value(12.5).Size("d1", 0.25).Text(), "X  12.5;  d1=0.25;"},
        // The first option after two spaces, the others after a comma;
        // empty and missing options add nothing.
        {DescriptionText("VT").Size("D", 200).Option("").Option("TK").Option(nullptr).Option("M").Text(),
         "VT  D=200;  TK, M"},
        {DescriptionText("").Option("").Text(), ""},
        // A negative zero reads as zero, as the same piece with a plain zero does.
        {DescriptionText("VL-09").Size("e", -0.0).Value(-0.0).Size("f", 0).Text(), "VL-09  e=0;  0;  f=0;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.built, c.expected);
}

TEST(DescriptionText, BufferHoldsTheWholeText) {
    DescriptionText text("CODE");
    for (int i = 0; i < 20; ++i)
        text.Size("value", 123456.0 + i);
    ASSERT_GT(text.Text().size(), static_cast<size_t>(kDescriptionSize));
    std::unique_ptr<char[]> buffer(text.NewBuffer());
    EXPECT_EQ(text.Text(), buffer.get());
}

TEST(BomBuilder, PiecesThenCouplingsHandedOutWithTheirCounts) {
    BomBuilder bom;
    bom.Add(1, "SPIRO  d=315;  l=6000;", nullptr);
    char* flow = new char[8]{'V', '=', '1', 0};
    bom.Add(2, "SPIRO  d=315;  l=2000;", flow);
    bom.AddCouplings(0, "none");
    bom.AddCouplings(70000, "VF-01  d=315;");
    LBomRow* rows = nullptr;
    uint16_t count = 9, further = 9, extra = 9;
    ASSERT_EQ(bom.HandOut(&rows, &count, &further, &extra), 0);
    ASSERT_TRUE(rows);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(further, 0);
    EXPECT_EQ(extra, 1);
    EXPECT_STREQ(rows[0].description, "SPIRO  d=315;  l=6000;");
    EXPECT_EQ(rows[0].flowText, nullptr);
    EXPECT_EQ(rows[1].quantity, 2);
    EXPECT_STREQ(rows[1].flowText, "V=1");
    EXPECT_STREQ(rows[2].description, "VF-01  d=315;");
    EXPECT_EQ(rows[2].quantity, UINT16_MAX);  // a count past the row's field is capped
    EXPECT_EQ(rows[2].flowText, nullptr);
    FreeBomRows(rows, count + extra);
}

TEST(BomBuilder, CountsWithoutRowsFreeWhatWasBuilt) {
    BomBuilder bom;
    bom.Add(1, "A", new char[4]{'x', 0, 0, 0});
    bom.AddCouplings(3, "B");
    uint16_t count = 0, extra = 0;
    EXPECT_EQ(bom.HandOut(nullptr, &count, nullptr, &extra), 0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(extra, 1);
}

// What a writer's rounding leaves of +z is still the drawing's plane (such
// drawings are placed by as before); a mirrored or tilted plane is not.
TEST(InsertPlane, OnlyPlusZUpToRoundingIsTheDrawingsPlane) {
    const ads_point inPlane[] = {{0, 0, 1}, {0, 0, 2.5}, {1e-12, -1e-12, 1}};
    for (const auto& n : inPlane)
        EXPECT_TRUE(IsDrawingPlaneNormal(n)) << n[0] << "," << n[1] << "," << n[2];
    const ads_point other[] = {{0, 0, -1}, {1e-6, 0, 1}, {1, 0, 0}, {0, 0, 0}, {NAN, 0, 1}, {0, 0, INFINITY}};
    for (const auto& n : other)
        EXPECT_FALSE(IsDrawingPlaneNormal(n)) << n[0] << "," << n[1] << "," << n[2];
}
