// The angled branch pieces VLE-04 and VLE-05: the worked sizes of the
// default piece, sizes taken from each other with the inlet kept wider
// than the outlet, the angle and radius rules, and the figures.
#include "elements/vl/lvle04.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/tests/element_drawing.h"

namespace {

using AngledBranch = ElementTest;
using AngledBranchBlock = ElementDrawingTest;

std::vector<double> Given(std::vector<double> v) {
    LVle04 e;
    e.SetParams(v.data());
    return Params(e);
}

}  // namespace

TEST_F(AngledBranch, DefaultPieceWorkedSizes) {
    for (uint16_t type : {28, 29}) {
        std::unique_ptr<LObject> made(CreateElement(1, type));
        auto* e = dynamic_cast<LVleAngled*>(made.get());
        ASSERT_NE(e, nullptr) << type;
        EXPECT_NEAR(e->T, 41.42, 0.005);
        EXPECT_NEAR(e->D, 416.17, 0.005);
        const double expected[3][2] = {{-1000, 83.09}, {127.78, -119.70}, {1000, 133.09}};
        for (int16_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(e->GetConnector(i)->position[0], expected[i][0], 0.005) << i;
            EXPECT_NEAR(e->GetConnector(i)->position[1], expected[i][1], 0.005) << i;
        }
        EXPECT_NEAR(e->GetConnector(1)->angle, M_PI / 4, 1e-9);
    }
    LVle05 round;
    EXPECT_EQ(Description(round), "VLE-05  alfa=45;  a=250;  b=250;  c=150;  d=250;  l=2000;  r=100;");
    LVle04 square;
    const double v[7] = {250, 250, 150, 250, 90, 2000, 100};
    square.SetParams(v);
    EXPECT_EQ(square.P, 0);
    EXPECT_EQ(square.GetConnector(1)->position[0], 0);
    EXPECT_NEAR(square.D, 390, 1e-6);
}

TEST_F(AngledBranch, SizesAnglesAndRadius) {
    struct Case {
        std::vector<double> in, out;
    } cases[] = {
        {{0, 0, 200, 0, 0, 0, 100}, {300, 250, 200, 300, 45, 900, 100}},
        {{300, 0, 0, 0, 0, 0, 100}, {300, 250, 200, 300, 45, 900, 100}},
        {{0, 0, 200, 0, 120, 0, 100}, {300, 250, 200, 300, 90, 900, 100}},
        {{0, 0, 0, 0, -5, 0, 100}, {250, 250, 150, 250, 1, 2000, 100}},
        {{0, 0, 0, 0, 0, 0, 30}, {250, 250, 150, 250, 45, 2000, 0}},
        {{0, 0, 0, 0, 0, 0, 70}, {250, 250, 150, 250, 45, 2000, 100}},
        {{250, 0, 150, 300, 0, 2000, 400}, {250, 250, 150, 300, 45, 2000, 300}},
        {{0, 0, 0, 300, 0, 0, 100}, {300, 250, 200, 300, 45, 900, 100}},
        // The width rule: the value not changed gives way.
        {{0, 0, 200, 0, 0, 0, 100}, {300, 250, 200, 300, 45, 900, 100}},
        {{250, 0, 200, 0, 0, 0, 100}, {250, 250, 150, 250, 45, 750, 100}},
        // An inlet too narrow for an outlet keeps the outlet.
        {{80, 0, 0, 0, 0, 0, 100}, {250, 250, 150, 80, 45, 240, 100}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Given(c.in), c.out) << c.in[0] << "/" << c.in[2] << "/" << c.in[4] << "/" << c.in[6];
    LVle04 e;
    const double newInlet[7] = {200, 0, 150, 0, 0, 0, 100};
    e.SetParams(newInlet);
    EXPECT_EQ(e.a, 250);  // c kept and a given too narrow: a = c + 100
    int16_t flags[7] = {};
    EXPECT_EQ(e.MarkFixedParams(flags), -1);
    EXPECT_EQ(std::vector<int16_t>(flags, flags + 7), (std::vector<int16_t>{0, 0, 0, 0, 1, 1, 1}));
}

TEST_F(AngledBranchBlock, PlanEndViewsAndBends) {
    LVle04 sharp;
    LVle05 bent;
    sharp.system.rectCentreLines = bent.system.rectCentreLines = 0;
    std::vector<Primitive> s = Block(sharp), b = Block(bent);
    int arcs = 0;
    for (const Primitive& p : b)
        arcs += p.type == "ARC";
    EXPECT_EQ(arcs, 2);
    EXPECT_EQ(b.size(), s.size() + 2);
    // Along the run only the connector symbols: no centre line either.
    sharp.system.rectCentreLines = 1;
    for (int16_t o : {2, 5}) {
        sharp.SetOrientation(o);
        for (const Primitive& p : Block(sharp))
            EXPECT_NE(p.layer, "PC") << o;
    }
    // Behind the branch its hidden end and collar, across the whole height.
    sharp.SetOrientation(4);
    int dashed = 0;
    for (const Primitive& p : Block(sharp))
        dashed += p.linetype == "szaggatott" && p.y1 == 125 && p.y2 == -125;
    EXPECT_EQ(dashed, 4);
}
