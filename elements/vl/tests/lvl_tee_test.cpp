// The rectangular bullhead tees VL-03 and VL-04: their worked sizes and
// connectors, the width fallbacks and the radius rule, the saved point of
// VL-03 moving with its outlets, and the block: equal outlets draw the same
// plan for both, the inlet bracketed from behind, the wider far outlet's
// edges seen along the run.
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "core/null_handle.h"
#include "elements/tests/element_drawing.h"
#include "elements/vl/lvl03.h"
#include "elements/vl/lvl04.h"

namespace {

using VlTee = ElementTest;
using VlTeeBlock = ElementDrawingTest;

std::unique_ptr<LVlTee> Made(int16_t type, std::vector<double> v = {}) {
    std::unique_ptr<LVlTee> e(dynamic_cast<LVlTee*>(CreateElement(1, type)));
    if (e && !v.empty())
        e->SetParams(v.data());
    return e;
}

// The outline (layer "0") as a sorted list of rounded figures.
std::vector<std::tuple<std::string, long, long, long, long>> Outline(const std::vector<Primitive>& all) {
    std::vector<std::tuple<std::string, long, long, long, long>> out;
    for (const Primitive& p : all) {
        if (p.layer != "0")
            continue;
        long x1 = std::lround(p.x1), y1 = std::lround(p.y1), x2 = std::lround(p.x2), y2 = std::lround(p.y2);
        if (p.type == "ARC")
            x2 = std::lround(p.r), y2 = std::lround(p.a0 * 1000);
        else if (std::make_pair(x2, y2) < std::make_pair(x1, y1))
            std::swap(x1, x2), std::swap(y1, y2);
        out.emplace_back(p.type, x1, y1, x2, y2);
    }
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace

TEST_F(VlTee, NewTeesHaveTheCataloguesSizesAndConnectors) {
    struct Case {
        int16_t type;
        double c0y, c0a, c1y, c1a, fifthOffset;
        int16_t fixedResult;
    } cases[] = {
        {3, 70, 150, 95, 100, 145, 0},
        {4, 45, 100, 70, 150, 120, -1},
    };
    for (const Case& k : cases) {
        auto e = Made(k.type);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(Params(*e), (std::vector<double>{150, 150, 150, 100, 100}));
        EXPECT_EQ(e->W, 430);
        EXPECT_EQ(e->H, 290);
        const double expected[3][4] = {{2, 215, k.c0y, k.c0a}, {5, -215, k.c1y, k.c1a}, {1, 0, -145, 150}};
        for (int16_t i = 0; i < 3; ++i) {
            const LConnector* c = e->GetConnector(i);
            EXPECT_EQ(c->side, expected[i][0]) << k.type << "/" << i;
            EXPECT_EQ(c->position[0], expected[i][1]) << k.type << "/" << i;
            EXPECT_EQ(c->position[1], expected[i][2]) << k.type << "/" << i;
            EXPECT_EQ(c->a, expected[i][3]) << k.type << "/" << i;
            EXPECT_EQ(c->b, 150);
        }
        EXPECT_EQ(e->GetAttachOffset(4), k.fifthOffset);
        int16_t flags[5] = {};
        EXPECT_EQ(e->MarkFixedParams(flags), k.fixedResult);
        EXPECT_EQ(std::vector<int16_t>(flags, flags + 5), (std::vector<int16_t>{0, 0, 0, 0, 1}));
        EXPECT_EQ(Description(*e).substr(0, 5), k.type == 3 ? "VL-03" : "VL-04");
    }
}

TEST_F(VlTee, WidthFallbacksAndTheRadiusRule) {
    for (int16_t type : {3, 4}) {
        auto e = Made(type, {0, 0, 0, 200, 100});
        EXPECT_EQ(Params(*e), (std::vector<double>{200, 150, 200, 200, 100})) << type;
        e->SetParams(std::vector<double>{0, 0, 0, 0, 100}.data());
        EXPECT_EQ(Params(*e), (std::vector<double>{200, 150, 200, 200, 100}));
        const struct {
            double r, a, c, d, expected;
        } radii[] = {{40, 150, 150, 100, 0},  {60, 150, 150, 100, 100}, {400, 300, 150, 100, 300},
                     {400, 100, 150, 350, 350}, {-50, 150, 150, 100, 0},  {0, 150, 150, 100, 0}};
        for (const auto& k : radii) {
            e->SetParams(std::vector<double>{k.a, 0, k.c, k.d, k.r}.data());
            EXPECT_EQ(e->r, k.expected) << type << ": " << k.r;
        }
    }
}

TEST_F(VlTee, Vl03SavedPointFollowsItsOutlets) {
    auto e = Made(3);
    const double old[5] = {150, 150, 150, 100, 100};
    e->SetParams(std::vector<double>{0, 0, 250, 200, 0}.data());
    ads_point p = {10, 20, 0};
    EXPECT_EQ(e->AdjustInsertionPoint(p, old), 0);
    EXPECT_NEAR(p[0], 10, 1e-9);
    EXPECT_NEAR(p[1], 120, 1e-9);
    e->SetOrientation(3);
    EXPECT_EQ(e->AdjustInsertionPoint(p, old), 0);
    EXPECT_NEAR(p[1], 20, 1e-9);
    // Unequal changes while connector 1 is joined: refused, the point stays.
    e->SetParams(std::vector<double>{0, 0, 300, 200, 0}.data());
    e->GetConnector(1)->neighbourHandle = CopyHandleText("2A");
    EXPECT_EQ(e->AdjustInsertionPoint(p, old), -1);
    EXPECT_NEAR(p[1], 20, 1e-9);
    e->SetOrientation(1);
    EXPECT_EQ(e->AdjustInsertionPoint(p, old), 0);
    EXPECT_NEAR(p[1], 20, 1e-9);
    EXPECT_EQ(Made(4)->AdjustInsertionPoint(p, old), 0);
}

TEST_F(VlTeeBlock, EqualOutletsDrawTheSamePlan) {
    auto three = Made(3, {200, 100, 150, 150, 120});
    auto four = Made(4, {200, 100, 150, 150, 120});
    for (int16_t o : {0, 3})
        EXPECT_EQ(Outline(Draw(*three, o)), Outline(Draw(*four, o))) << o;
    // Unequal, VL-04's top wall slants from c over connector 1 to d.
    auto slanted = Made(4, {200, 100, 150, 250, 120});
    std::vector<Primitive> all = Draw(*slanted, 0);
    std::vector<Primitive> body(all.end() - 9, all.end());
    const double y0 = -slanted->H / 2 + 120 + 40;
    ExpectLine(body[0], "0", -slanted->W / 2, y0 + 150, slanted->W / 2, y0 + 250);
    EXPECT_EQ(body[5].type, "ARC");
    EXPECT_NEAR(body[5].r, 120, 1e-9);
    EXPECT_NEAR(body[5].y1, -slanted->H / 2 + 40, 1e-9);
    ExpectLine(body[8], "PC", 0, y0 + 100, 0, -slanted->H / 2);
}

TEST_F(VlTeeBlock, InletSeenFromBehindIsBracketed) {
    auto e = Made(3);
    std::vector<Primitive> all = Draw(*e, 4);
    std::vector<Primitive> body(all.end() - 14, all.end());
    // The band, a bracket of three pen-2 lines above and one below, the
    // dashed edges of the inlet and its collar, the centre lines.
    ExpectLine(body[0], "0", -215, 75, 215, 75);
    ExpectLine(body[2], "P2", -120, 75, -120, 120);
    ExpectLine(body[3], "P2", -120, 120, 120, 120);
    ExpectLine(body[7], "P2", 120, -120, 120, -75);
    EXPECT_EQ(Count(body, "LINE", "szaggatott"), 4);
    ExpectLine(body[13], "PC", 0, -120, 0, 120);
}

TEST_F(VlTeeBlock, AlongTheRunOnlyAWiderFarOutletShowsItsEdges) {
    auto narrower = Made(3, {150, 150, 100, 150, 100});
    auto equal = Made(3, {150, 150, 150, 150, 100});
    auto wider = Made(3, {150, 150, 200, 100, 100});
    for (int16_t o : {2, 5}) {
        size_t plain = Draw(*equal, o).size();
        EXPECT_EQ(Draw(*narrower, o).size(), plain) << o;
        EXPECT_GT(Draw(*wider, o).size(), plain) << o;
    }
    // From connector 0's side the narrower near outlet's edge and the wider
    // one's collar, dashed.
    auto e = Made(4, {150, 150, 200, 100, 100});
    std::vector<Primitive> all = Draw(*e, 5);
    std::vector<Primitive> body(all.end() - 6, all.end());
    const double edge = e->H / 2 - 100 - 40 - 100;
    ExpectLine(body[2], "0", edge, 75, edge, -75);
    EXPECT_EQ(body[3].linetype, "szaggatott");
    EXPECT_NEAR(body[3].x1, edge - 45, 1e-9);
}
