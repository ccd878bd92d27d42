// The two-way elbow branch VLE-03: sizes taken from each other, the radius
// rule, the overall sizes and connectors, and the plan and end figures.
#include "elements/vl/lvle03.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/tests/element_drawing.h"

namespace {

using ElbowBranch = ElementTest;
using ElbowBranchBlock = ElementDrawingTest;

std::vector<double> At(const LObject& e, int16_t i) {
    const double* p = e.GetConnector(i)->position;
    return {p[0], p[1], p[2]};
}

}  // namespace

TEST_F(ElbowBranch, DefaultsSizesAndRadiusRule) {
    std::unique_ptr<LObject> made(CreateElement(1, 27));
    auto* e = dynamic_cast<LVle03*>(made.get());
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->W, 430);
    EXPECT_EQ(e->H, 290);
    EXPECT_EQ(At(*e, 0), (std::vector<double>{0, -145, 0}));
    EXPECT_EQ(At(*e, 1), (std::vector<double>{215, 70, 0}));
    EXPECT_EQ(At(*e, 2), (std::vector<double>{-215, 70, 0}));
    struct Case {
        std::vector<double> in, out;
    } cases[] = {
        {{150, 150, 150, 150, 30}, {150, 150, 150, 150, 0}},
        {{80, 150, 80, 80, 60}, {80, 150, 80, 80, 100}},
        {{150, 150, 150, 150, 500}, {150, 150, 150, 150, 150}},
        {{150, 150, 300, 150, 500}, {150, 150, 300, 150, 300}},
        {{0, 0, 200, 0, 100}, {200, 150, 200, 200, 100}},
        {{0, 0, 0, 0, -5}, {150, 150, 150, 150, 0}},
    };
    for (const Case& c : cases) {
        LVle03 x;
        x.SetParams(c.in.data());
        EXPECT_EQ(Params(x), c.out) << c.in[0] << "/" << c.in[2] << "/" << c.in[4];
    }
    int16_t flags[5] = {};
    EXPECT_EQ(e->MarkFixedParams(flags), -1);
    EXPECT_EQ(flags[4], 1);
    EXPECT_EQ(e->FitLength(nullptr, nullptr, 0, 1, 100, 0), -1);
}

// The plan from below is the plan from above mirrored; equal outlets leave
// the centre axis without a joining line.
TEST_F(ElbowBranchBlock, PlanMirroredAndOutletViews) {
    LVle03 e;
    const double v[5] = {150, 150, 200, 150, 100};
    e.SetParams(v);
    e.system.rectCentreLines = 1;
    std::vector<Primitive> above = Block(e);
    e.SetOrientation(3);
    std::vector<Primitive> below = Block(e);
    ASSERT_EQ(above.size(), below.size());
    for (size_t i = 0; i < above.size(); ++i) {
        if (above[i].type != "LINE" || above[i].layer == "P1")  // the connector symbols
            continue;
        EXPECT_NEAR(above[i].x1, -below[i].x1, 1e-9) << i;
        EXPECT_NEAR(above[i].y1, below[i].y1, 1e-9) << i;
    }
    e.SetOrientation(0);
    const double equal[5] = {150, 150, 150, 150, 100};
    e.SetParams(equal);
    EXPECT_EQ(Block(e).size(), above.size() - 1);
    // Onto an outlet of two equal ones: the inlet-side edges and the centre lines.
    for (int16_t o : {2, 5}) {
        e.SetOrientation(o);
        int body = 0;
        for (const Primitive& p : Block(e))
            body += p.layer == "0" && p.type == "LINE" && std::fabs(std::fabs(p.y1) - 75) < 1e-9 &&
                    std::fabs(p.y2 - p.y1) < 1e-9;
        EXPECT_GE(body, 2) << o;
    }
}
