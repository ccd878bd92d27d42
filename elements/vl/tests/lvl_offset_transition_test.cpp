// The offset transitions VL-06 and VL-09: values, the signs of the offsets
// under turning and mirroring with the connectors following at once, the
// printed offsets, stretching VL-09, the dimensions and the figures.
#include "elements/vl/lvl_offset_transition.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/tests/element_drawing.h"
#include "elements/tests/run_test.h"
#include "host/io/io.h"

namespace {

using Offset = ElementTest;
using OffsetDimensions = RunTest;
using OffsetBlock = ElementDrawingTest;

// VL-06 400 x 200 to 300 x 100, shifted by e = 30 and f = 20, 1000 long.
std::unique_ptr<LVl06> Vl06() {
    auto e = std::make_unique<LVl06>();
    const double v[7] = {400, 200, 300, 100, 30, 20, 1000};
    e->SetParams(v);
    return e;
}

std::vector<double> FarEnd(const LObject& e) {
    const double* p = e.GetConnector(1)->position;
    return {p[0], p[1], p[2]};
}

}  // namespace

TEST_F(Offset, ValuesSizesFromTheOtherEndAndOffsetsAsGiven) {
    auto e = Vl06();
    const double fallbacks[7] = {500, 0, 0, 250, 0, 0, 150};
    e->SetParams(fallbacks);
    EXPECT_EQ(Params(*e), (std::vector<double>{500, 250, 500, 250, 0, 0, 200}));
    const double none[7] = {0, 0, 0, 0, 10, 0, 0};
    e->SetParams(none);
    EXPECT_EQ(Params(*e), (std::vector<double>{500, 250, 500, 250, 10, 0, 200}));
    std::unique_ptr<LObject> v09(CreateElement(1, 9));
    ASSERT_NE(dynamic_cast<LVl09*>(v09.get()), nullptr);
    EXPECT_EQ(Params(*v09), (std::vector<double>{150, 150, 80, 0, 0, 300}));
    const double shortOne[6] = {0, 0, 0, std::nan(""), -15, 150};
    v09->SetParams(shortOne);
    EXPECT_EQ(Params(*v09), (std::vector<double>{150, 150, 80, 0, -15, 150}));
    EXPECT_EQ(v09->GetConnector(1)->shape, kShapeRound);
    EXPECT_EQ(v09->GetConnector(1)->b, 0);
    int16_t flags[7] = {};
    EXPECT_EQ(e->MarkFixedParams(flags), -1);
    EXPECT_EQ(std::vector<int16_t>(flags, flags + 7), (std::vector<int16_t>{0, 0, 0, 0, 1, 0, 1}));
    v09->SetOrientation(1);
    int16_t round[6] = {};
    EXPECT_EQ(v09->MarkFixedParams(round), 0);
    EXPECT_EQ(std::vector<int16_t>(round, round + 6), (std::vector<int16_t>{0, 0, 0, 0, 1, 1}));
}

// Turning changes the signs of the offsets by the pair of views; the far
// connector and the attach offsets follow at once, as SetParams places them.
TEST_F(Offset, TurningAndMirroringChangeTheOffsetsAndMoveTheFarEnd) {
    struct Case {
        int16_t from, to;
        double e, f;
        std::vector<double> farEnd;
    } cases[] = {
        {0, 1, 30, -20, {500, -30, 20}},  {0, 3, -30, -20, {500, -30, 20}},
        {0, 4, -30, 20, {500, -30, 20}},  {0, 2, 30, 20, {500, 30, 20}},
        {1, 0, 30, -20, {500, -30, -20}}, {3, 4, 30, -20, {500, 30, -20}},
        {4, 1, -30, -20, {500, 30, 20}},  {5, 0, 30, 20, {500, -30, 20}},
        {0, 0, 30, 20, {500, -30, 20}},
    };
    for (const Case& c : cases) {
        auto e = Vl06();
        e->orientation = c.from;
        e->SetOrientation(c.to);
        EXPECT_EQ(e->e, c.e) << c.from << "->" << c.to;
        EXPECT_EQ(e->f, c.f) << c.from << "->" << c.to;
        EXPECT_EQ(FarEnd(*e), c.farEnd) << c.from << "->" << c.to;
        LVl06 placed;
        placed.orientation = c.to;
        double* v = nullptr;
        e->GetParams(&v);
        placed.SetParams(v);
        delete[] v;
        EXPECT_EQ(FarEnd(placed), FarEnd(*e));
        for (int16_t i = 0; i < 6; ++i)
            EXPECT_EQ(placed.GetAttachOffset(i), e->GetAttachOffset(i)) << i;
    }
    auto e = Vl06();
    e->SetOrientation(1);  // f = -20
    EXPECT_EQ(e->Mirror(), 0);
    EXPECT_EQ(std::vector<double>({e->e, e->f}), std::vector<double>({30, 20}));
    EXPECT_EQ(FarEnd(*e), (std::vector<double>{500, -30, -20}));
    e->SetOrientation(0);  // f = -20 again
    e->Mirror();
    EXPECT_EQ(std::vector<double>({e->e, e->f}), std::vector<double>({-30, -20}));
    EXPECT_EQ(FarEnd(*e), (std::vector<double>{500, 30, -20}));
}

TEST_F(Offset, DescriptionPrintsTheOffsetsAsTheViewShowsThem) {
    auto e = Vl06();
    EXPECT_EQ(Description(*e), "VL-06  a=400;  b=200;  c=300;  d=100;  e=-30;  f=20;");
    e->SetOrientation(3);
    EXPECT_EQ(Description(*e), "VL-06  a=400;  b=200;  c=300;  d=100;  e=30;  f=-20;");
    e->SetOrientation(4);  // e = -30, f = 20 stored
    EXPECT_EQ(Description(*e), "VL-06  a=400;  b=200;  c=300;  d=100;  e=-20;  f=-30;");
    LVl09 round;
    const double v[6] = {400, 200, 160, 25, 0, 500};
    round.SetParams(v);
    round.SetOrientation(2);
    EXPECT_EQ(Description(round), "VL-09  a=400;  b=200;  d=160;  e=-25;  f=0;");
}

TEST_F(Offset, RoundEndStretchesTakingTheOffsetOfItsView) {
    LVl09 e;
    const double v[6] = {400, 200, 160, 25, 15, 500};
    e.SetParams(v);
    struct Case {
        int16_t orientation, a, b;
        double along, across;
        int16_t result;
        std::vector<double> proposed;  // e, f, l
    } cases[] = {
        {0, 0, 1, 800, 40, 0, {-40, 15, 800}},  {3, 1, 0, 800, 40, 0, {-40, 15, 800}},
        {1, 0, 1, 800, -40, 0, {25, 40, 800}},  {4, 0, 1, 800, 0, 0, {25, 0, 800}},
        {2, 0, 1, 800, 0, -1, {}},               {0, 0, 1, 0, 0, -1, {}},
        {0, 1, 1, 800, 0, -1, {}},               {0, 0, 1, 800, std::nan(""), -1, {}},
    };
    for (const Case& c : cases) {
        e.orientation = c.orientation;
        double p[6] = {};
        int16_t changed[6] = {};
        EXPECT_EQ(e.FitLength(p, changed, c.a, c.b, c.along, c.across), c.result) << c.orientation;
        if (c.result == 0) {
            EXPECT_EQ(std::vector<double>(p + 3, p + 6), c.proposed) << c.orientation;
            EXPECT_EQ(std::vector<int16_t>(changed, changed + 6), (std::vector<int16_t>{0, 0, 0, 1, 1, 1}));
        } else {
            EXPECT_EQ(std::vector<int16_t>(changed, changed + 6), std::vector<int16_t>(6, 0));
        }
    }
    LVl06 rect;
    double p[7] = {};
    int16_t changed[7] = {};
    EXPECT_EQ(rect.FitLength(p, changed, 0, 1, 800, 0), -1);
}

// Picked above the axis; the offset dimension only when there is an offset.
TEST_F(OffsetDimensions, LengthAndOffsetDimensions) {
    struct Case {
        bool round;
        int16_t orientation;
        double e;
        std::vector<std::string> texts;
    } cases[] = {
        {false, 0, 30, {"1000", "30"}}, {false, 3, 30, {"1000", "30"}}, {false, 0, 0, {"1000"}},
        {false, 2, 30, {}},             {true, 0, -25, {"1000", "25"}},  {true, 5, 30, {}},
    };
    for (const Case& c : cases) {
        NewDrawing("HV1");
        std::unique_ptr<LVlOffsetTransition> e;
        if (c.round)
            e = std::make_unique<LVl09>();
        else
            e = std::make_unique<LVl06>();
        e->l = 1000;
        e->e = c.e;
        e->orientation = c.orientation;
        host::io::setScript("0,900\n0,900\n");
        EXPECT_EQ(e->UpdateLabel(), 0);
        EXPECT_EQ(DimensionTexts(), c.texts) << c.round << "/" << c.orientation << "/" << c.e;
    }
}

TEST_F(OffsetBlock, EdgesRunToTheShiftedEnd) {
    auto e = Vl06();
    std::vector<Primitive> all = Block(*e);
    ASSERT_EQ(all.size(), 2u + 2u + 1u);
    ExpectLine(all[2], "0", -500, 200, 500, 120);
    ExpectLine(all[3], "0", -500, -200, 500, -180);
    ExpectLine(all[4], "PC", -500, 0, 500, -30);
    e->SetOrientation(4);  // shown f = 20, far end at -l/2
    all = Block(*e);
    ASSERT_EQ(all.size(), 2u + 2u + 1u);
    ExpectLine(all[2], "0", 500, 100, -500, 70);
    ExpectLine(all[4], "PC", -500, 20, 500, 0);
    LVl09 round;
    const double v[6] = {400, 200, 160, 25, 0, 500};
    round.SetParams(v);
    all = Block(round);
    ASSERT_EQ(all.size(), 2u + 4u + 1u);
    ExpectLine(all[4], "P2", -250, 200, 250, -25);
    ExpectLine(all[5], "P2", -250, -200, 250, -25);
}
