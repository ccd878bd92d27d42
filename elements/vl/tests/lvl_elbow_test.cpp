// The rectangular elbows VL-02 and VL-07: their worked sizes and
// connectors, the input rules (angle, widths, the radius rule), the leg
// extensions set through the totals La and Lc, and the block: the plan's
// walls meet the connectors at any angle, the side view shows the first
// leg's end askew without changing the element, the end view's frame.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/tests/element_drawing.h"
#include "elements/vl/lvl02.h"
#include "elements/vl/lvl07.h"

namespace {

using VlElbow = ElementTest;
using VlElbowBlock = ElementDrawingTest;

enum { kAlfa, kA, kB, kC, kLa, kLc, kR };

std::unique_ptr<LVlElbow> Made(int16_t type) {
    return std::unique_ptr<LVlElbow>(dynamic_cast<LVlElbow*>(CreateElement(1, type)));
}

// The element's values with some of them replaced, applied.
void Change(LVlElbow& e, std::initializer_list<std::pair<int, double>> changes) {
    std::vector<double> v = Params(e);
    for (auto [i, x] : changes)
        v[static_cast<size_t>(i)] = x;
    e.SetParams(v.data());
}

std::vector<Primitive> Without(const std::vector<Primitive>& all, const char* layer) {
    std::vector<Primitive> out;
    for (const Primitive& p : all)
        if (p.layer != layer)
            out.push_back(p);
    return out;
}

}  // namespace

TEST_F(VlElbow, NewElbowsHaveTheCataloguesSizesAndConnectors) {
    struct Case {
        int16_t type;
        double c, c1y;
        const char* description;
        int masks[6];
    } cases[] = {
        {2, 150, 70, "VL-02  alfa=90;  a=150;  b=150;  c=150;  r=100;", {32, 0, 0, 32, 32, 32}},
        {7, 100, 95, "VL-07  alfa=90;  a=150;  b=150;  c=100;  r=100;", {32, 0, 0, 32, 0, 0}},
    };
    for (const Case& k : cases) {
        auto e = Made(k.type);
        ASSERT_NE(e, nullptr) << k.type;
        // At 90 degrees the fitting is r + a + 40 square, each leg as long.
        EXPECT_EQ(Params(*e), (std::vector<double>{90, 150, 150, k.c, 290, 290, 100})) << k.type;
        EXPECT_EQ(e->W, 290);
        EXPECT_EQ(e->H, 290);
        EXPECT_EQ(e->L, 290);
        EXPECT_NEAR(e->G, 290, 1e-6);
        LConnector* c0 = e->GetConnector(0);
        LConnector* c1 = e->GetConnector(1);
        EXPECT_EQ(c0->side, 1);
        EXPECT_EQ(c1->side, 2);
        EXPECT_EQ(c0->position[0], -70);
        EXPECT_EQ(c0->position[1], -145);
        EXPECT_EQ(c1->position[0], 145);
        EXPECT_EQ(c1->position[1], k.c1y);
        EXPECT_EQ(c1->a, k.c);
        EXPECT_EQ(c1->b, 150);
        EXPECT_EQ(c1->paramA, kC);
        EXPECT_EQ(Description(*e), k.description);
        for (int16_t i = 0; i < 6; ++i)
            EXPECT_EQ(e->GetAttachMask(i), k.masks[i]) << k.type << "/" << i;
        int16_t flags[7] = {};
        EXPECT_EQ(e->MarkFixedParams(flags), -1);
        EXPECT_EQ(std::vector<int16_t>(flags, flags + 7), (std::vector<int16_t>{1, 0, 0, 0, 1, 1, 1}));
        double p[7] = {};
        int16_t changed[7] = {};
        EXPECT_EQ(e->FitLength(p, changed, 0, 1, 290, 0), -1);
    }
    EXPECT_EQ(Made(2)->GetAttachOffset(4), 145);  // H/2
}

TEST_F(VlElbow, AngleWidthsAndTheRadiusRule) {
    for (int16_t type : {2, 7}) {
        auto e = Made(type);
        const struct {
            double alfa, expected;
        } angles[] = {{0, 90}, {120, 90}, {-5, 1}, {45, 45}, {0, 45}, {NAN, 45}};
        for (const auto& k : angles) {
            Change(*e, {{kAlfa, k.alfa}});
            EXPECT_EQ(e->alfa, k.expected) << type << ": " << k.alfa;
        }
        e->alfa = 0;  // a stored 0 becomes 90
        Change(*e, {{kAlfa, 0}});
        EXPECT_EQ(e->alfa, 90);
        // A width left 0 takes the other leg's input; both 0 keep both.
        Change(*e, {{kA, 0}, {kC, 200}});
        EXPECT_EQ(e->a, 200);
        Change(*e, {{kA, 300}, {kC, 0}});
        EXPECT_EQ(e->c, 300);
        Change(*e, {{kA, 0}, {kC, 0}, {kB, -4}});
        EXPECT_EQ(e->a, 300);
        EXPECT_EQ(e->c, 300);
        EXPECT_EQ(e->b, 150);
        const struct {
            double r, a, c, expected;
        } radii[] = {{30, 150, 150, 0},   {50, 150, 150, 100}, {99, 150, 150, 100},
                     {500, 150, 200, 200}, {0, 150, 150, 0},    {-80, 150, 150, 0}};
        for (const auto& k : radii) {
            Change(*e, {{kA, k.a}, {kC, k.c}, {kR, k.r}});
            EXPECT_EQ(e->r, k.expected) << type << ": " << k.r;
        }
    }
}

TEST_F(VlElbow, TotalsSetTheLegExtensions) {
    for (int16_t type : {2, 7}) {
        auto e = Made(type);
        Change(*e, {{kAlfa, 60}});
        ads_point c1, c0;
        CopyPoint3d(c1, e->GetConnector(1)->position);
        CopyPoint3d(c0, e->GetConnector(0)->position);
        std::vector<double> v = Params(*e);
        // A larger La moves connector 1 outward along its leg by the difference.
        Change(*e, {{kLa, v[kLa] + 500}});
        EXPECT_EQ(e->eA, 500) << type;
        const double t = e->t;
        EXPECT_NEAR(e->GetConnector(1)->position[0] - c1[0], 500 * std::cos(t), 1e-9);
        EXPECT_NEAR(e->GetConnector(1)->position[1] - c1[1], 500 * std::sin(t), 1e-9);
        Change(*e, {{kLc, v[kLc] + 300}});
        EXPECT_EQ(e->eC, 300);
        EXPECT_NEAR(e->GetConnector(0)->position[1], c0[1] - 300, 1e-9);
        std::string text = Description(*e);
        EXPECT_NE(text.find("  La="), std::string::npos) << text;
        EXPECT_NE(text.find("  Lc="), std::string::npos) << text;
        // A wider fitting with the totals left as reported keeps both extensions.
        Change(*e, {{kA, 400}, {kR, 400}});
        EXPECT_EQ(e->eA, 500) << type;
        EXPECT_EQ(e->eC, 300) << type;
        // A total shorter than the fitting's own leg gives no extension.
        Change(*e, {{kLa, 10}, {kLc, 0}});
        EXPECT_EQ(e->eA, 0);
        EXPECT_EQ(e->eC, 0);
        EXPECT_EQ(Params(*e)[kLa], e->TotalLa());
        EXPECT_EQ(Description(*e).find("  La="), std::string::npos);
    }
}

TEST_F(VlElbowBlock, PlanWallsMeetTheConnectorsAtAnyAngle) {
    for (int16_t type : {2, 7}) {
        for (double alfa : {90.0, 60.0, 25.0}) {
            auto e = Made(type);
            Change(*e, {{kAlfa, alfa}, {kA, 300}, {kC, 200}, {kR, 250}});
            Change(*e, {{kLa, Params(*e)[kLa] + 100}});
            std::vector<Primitive> body = Without(Draw(*e, 0), "P1");
            // The outline first, the centre lines last.
            ASSERT_GE(body.size(), 7u);
            const LConnector* c1 = e->GetConnector(1);
            const Primitive& outer = body[1];
            // The inner wall of the second leg, drawn toward its end in VL-07.
            const Primitive& wall = body[type == 2 ? 4 : 5];
            double ix = type == 2 ? wall.x1 : wall.x2, iy = type == 2 ? wall.y1 : wall.y2;
            // The second leg ends in a face c wide with connector 1 at its middle.
            EXPECT_NEAR(std::hypot(outer.x2 - ix, outer.y2 - iy), 200, 1e-6) << type << "/" << alfa;
            EXPECT_NEAR((outer.x2 + ix) / 2, c1->position[0], 1e-6) << type << "/" << alfa;
            EXPECT_NEAR((outer.y2 + iy) / 2, c1->position[1], 1e-6) << type << "/" << alfa;
            EXPECT_EQ(body.back().layer, "PC");
            if (type == 7) {
                // The outer arc runs from the first leg's outer wall to the second's.
                const Primitive& arc = body[3];
                ASSERT_EQ(arc.type, "ARC");
                EXPECT_NEAR(arc.x1 + arc.r * std::cos(arc.a1), body[0].x2, 1e-6);
                EXPECT_NEAR(arc.y1 + arc.r * std::sin(arc.a1), body[0].y2, 1e-6);
                EXPECT_NEAR(arc.x1 + arc.r * std::cos(arc.a0), outer.x1, 1e-6) << alfa;
                EXPECT_NEAR(arc.y1 + arc.r * std::sin(arc.a0), outer.y1, 1e-6) << alfa;
            }
        }
    }
}

TEST_F(VlElbowBlock, PlanFromBelowIsTheMirrorImage) {
    auto e = Made(2);
    std::vector<Primitive> above = Without(Draw(*e, 0), "P1");
    std::vector<Primitive> below = Without(Draw(*e, 3), "P1");
    ASSERT_EQ(above.size(), below.size());
    for (size_t i = 0; i < above.size(); ++i) {
        EXPECT_EQ(below[i].type, above[i].type) << i;
        if (above[i].type == "ARC") {
            EXPECT_NEAR(below[i].a0, kPi - above[i].a1, 1e-9);
            EXPECT_NEAR(below[i].a1, kPi - above[i].a0, 1e-9);
        }
        EXPECT_NEAR(below[i].x1, -above[i].x1, 1e-9) << i;
        EXPECT_NEAR(below[i].y1, above[i].y1, 1e-9) << i;
    }
    // Without a radius the inner corner is sharp: no arc of radius 0.
    Change(*e, {{kR, 0}});
    EXPECT_EQ(Count(Draw(*e, 0), "ARC"), 0);
}

TEST_F(VlElbowBlock, SideViewShowsTheFirstLegAskewOnACopy) {
    auto e = Made(2);
    Change(*e, {{kAlfa, 60}});
    LConnector* c0 = e->GetConnector(0);
    const double x = c0->position[0], angle = c0->angle;
    std::vector<Primitive> all = Draw(*e, 1);
    // Seen face-on, connector 0's end is drawn foreshortened: four neutral
    // lines, a filled corner and four lines on pen 2.
    ASSERT_GE(all.size(), 9u);
    EXPECT_EQ(all[0].layer, "0");
    EXPECT_EQ(all[4].type, "SOLID");
    EXPECT_EQ(all[5].layer, "P2");
    const double ct = std::cos(e->t);
    EXPECT_NEAR(std::fabs(all[0].x1 - all[0].x2) + std::fabs(all[1].x1 - all[1].x2), 150 * ct, 1e-6);
    EXPECT_EQ(c0->position[0], x);
    EXPECT_EQ(c0->angle, angle);
    // The band of height b and the cross line at the first leg's middle.
    std::vector<Primitive> body(all.begin() + 10, all.end());
    ASSERT_EQ(body.size(), 4u);
    EXPECT_NEAR(body[0].y1, 75, 1e-9);
    EXPECT_NEAR(body[1].y1, -75, 1e-9);
    EXPECT_EQ(body[3].layer, "PC");
    EXPECT_NEAR(body[3].y1, 120, 1e-9);
    // Seen from behind it gets its far-side mark, and stays as it was.
    all = Draw(*e, 4);
    EXPECT_EQ(Count(all, "LINE", "szaggatott"), 2 + 2);
    EXPECT_EQ(c0->position[0], x);
    EXPECT_EQ(c0->angle, angle);
}

TEST_F(VlElbowBlock, EndViewFramesTheSecondLeg) {
    auto e = Made(7);
    e->SetOrientation(5);
    e->system.rectCentreLines = 0;
    std::vector<Primitive> all = Block(*e);
    // The hidden edges, and connector 1's far-side mark.
    EXPECT_EQ(Count(all, "LINE", "szaggatott"), 2 + 2);
    // The frame: two long lines 45 beyond the faces, the closing line, two stubs.
    std::vector<Primitive> frame;
    for (const Primitive& p : all)
        if (p.layer == "P2" && p.linetype != "szaggatott")
            frame.push_back(p);
    ASSERT_GE(frame.size(), 5u);
    std::vector<Primitive> last(frame.end() - 5, frame.end());
    EXPECT_NEAR(last[0].y1, 120, 1e-9);
    EXPECT_NEAR(last[1].y1, -120, 1e-9);
    EXPECT_NEAR(last[2].x1, last[0].x2, 1e-9);
    EXPECT_NEAR(last[3].y2, 75, 1e-9);
    EXPECT_NEAR(last[4].y2, -75, 1e-9);
    for (const Primitive& p : all)
        EXPECT_NE(p.layer, "PC");
}
