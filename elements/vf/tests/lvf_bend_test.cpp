// The segmented round elbows VF/KS-04 and VF/KS-05: their worked sizes and
// connectors, the angle rule, the VF/KS switch, and the block: arcs below
// a diameter of 315 and chords with seams from it, ending at the
// connectors for any angle; the side views' opening split into a drawn
// and a dashed half; the far leg's end shown tilted on a copy.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/tests/element_drawing.h"
#include "elements/vf/lvf_bend.h"

namespace {

using VfBend = ElementTest;
using VfBendBlock = ElementDrawingTest;

std::unique_ptr<LVfBend> Made(int16_t type, std::vector<double> v = {}) {
    std::unique_ptr<LVfBend> e(dynamic_cast<LVfBend*>(CreateElement(2, type)));
    if (e && !v.empty())
        e->SetParams(v.data());
    return e;
}

std::vector<Primitive> OnLayer(const std::vector<Primitive>& all, const char* layer) {
    std::vector<Primitive> out;
    for (const Primitive& p : all)
        if (p.layer == layer)
            out.push_back(p);
    return out;
}

}  // namespace

TEST_F(VfBend, NewElbowsHaveTheCataloguesSizesAndConnectors) {
    auto e = Made(3);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(Params(*e), (std::vector<double>{100, 1, 4}));
    EXPECT_EQ(e->R, 100);
    EXPECT_EQ(e->W, 150);
    EXPECT_EQ(e->H, 150);
    const LConnector* c0 = e->GetConnector(0);
    const LConnector* c1 = e->GetConnector(1);
    EXPECT_EQ(c0->side, 2);
    EXPECT_EQ(c1->side, 1);
    EXPECT_EQ(c0->position[0], 75);
    EXPECT_EQ(c0->position[1], 25);
    EXPECT_EQ(c1->position[0], -25);
    EXPECT_EQ(c1->position[1], -75);
    EXPECT_EQ(c1->a, 100);
    EXPECT_EQ(Description(*e), "VF-04  d=100;  m=1;  n=4;");
    auto free = Made(4);
    EXPECT_EQ(Params(*free), (std::vector<double>{45, 100, 1, 4}));
    EXPECT_EQ(free->GetConnector(0)->paramA, 1);
    EXPECT_EQ(Description(*free), "VF-05  alfa=45;  d=100;  m=1;  n=4;");
    int16_t flags[4] = {};
    EXPECT_EQ(free->MarkFixedParams(flags), -1);
    EXPECT_EQ(std::vector<int16_t>(flags, flags + 4), (std::vector<int16_t>{1, 0, 1, 0}));
    int16_t three[3] = {};
    e->MarkFixedParams(three);
    EXPECT_EQ(std::vector<int16_t>(three, three + 3), (std::vector<int16_t>{0, 1, 0}));
    double p[4] = {};
    EXPECT_EQ(e->FitLength(p, flags, 0, 1, 150, 0), -1);
}

TEST_F(VfBend, AngleRuleAndTheCodeSwitchAbove800) {
    auto e = Made(4);
    const struct {
        double alfa, expected;
    } angles[] = {{0, 45}, {60, 60}, {0, 60}, {120, 45}, {-30, 45}, {90, 90}, {NAN, 90}};
    for (const auto& k : angles) {
        e->SetParams(std::vector<double>{k.alfa, 0, 0, 0}.data());
        EXPECT_EQ(e->alfa, k.expected) << k.alfa;
    }
    // Every 0 keeps its value; so do a factor or size that is not one.
    e->SetParams(std::vector<double>{0, -200, -1, 0}.data());
    EXPECT_EQ(Params(*e), (std::vector<double>{90, 100, 1, 4}));
    e->SetParams(std::vector<double>{0, 800, 1.5, 3.4}.data());
    EXPECT_EQ(Description(*e), "VF-05  alfa=90;  d=800;  m=1.5;  n=3;");
    e->SetParams(std::vector<double>{0, 801, 0, 0}.data());
    EXPECT_EQ(Description(*e), "KS-05  alfa=90;  d=801;  m=1.5;  n=3;");
    auto ninety = Made(3, {801, 0, 0});
    EXPECT_EQ(Description(*ninety), "KS-04  d=801;  m=1;  n=4;");
    ninety->SetParams(std::vector<double>{800, 0, 0}.data());
    EXPECT_EQ(ninety->vfKsCode, kVfKsVf);
    ninety->GetConnector(0)->flow = 700;
    ninety->SetParams(nullptr);
    EXPECT_EQ(ninety->GetConnector(1)->flow, 700);
}

TEST_F(VfBendBlock, ArcsOrSegmentsByDiameterEndingAtTheConnectors) {
    struct Case {
        int16_t type;
        std::vector<double> values;
        int arcs, chords, seams;
    } cases[] = {
        {3, {314, 1, 4}, 2, 0, 0},       {3, {315, 1, 4}, 0, 8, 3},
        {4, {30, 400, 1.5, 3}, 0, 6, 2}, {4, {60, 200, 2, 3}, 2, 0, 0},
        {3, {315, 1, 1}, 0, 2, 0},       {3, {400, 1, -2}, 0, 0, 0},
    };
    for (const Case& k : cases) {
        auto e = Made(k.type, k.values);
        for (int16_t o : {0, 3}) {
            std::vector<Primitive> all = Draw(*e, o);
            std::vector<Primitive> outline = OnLayer(all, "0");
            EXPECT_EQ(Count(outline, "ARC"), k.arcs) << k.values[0] << "/" << o;
            EXPECT_EQ(Count(outline, "LINE"), k.chords) << k.values[0] << "/" << o;
            EXPECT_EQ(Count(OnLayer(all, "P2"), "LINE"), k.seams) << k.values[0] << "/" << o;
            EXPECT_EQ(Count(OnLayer(all, "PC"), "ARC"), 1);
            if (k.arcs == 0)
                continue;
            // The arcs begin and end across the two connectors.
            const Primitive& inner = outline[0];
            const Primitive& outer = outline[1];
            for (int16_t i = 0; i < 2; ++i) {
                const LConnector* c = e->GetConnector(i);
                double angle = (i == 0) == (o == 0) ? inner.a0 : inner.a1;
                double mx = (inner.r + outer.r) / 2;
                EXPECT_NEAR(inner.x1 + mx * std::cos(angle), (o == 0 ? 1 : -1) * c->position[0], 1e-6)
                    << k.values[0] << "/" << o << "/" << i;
                EXPECT_NEAR(inner.y1 + mx * std::sin(angle), c->position[1], 1e-6);
                EXPECT_NEAR(outer.r - inner.r, e->d, 1e-9);
            }
        }
    }
}

TEST_F(VfBendBlock, SideViewsSplitTheOpeningOnACopy) {
    auto e = Made(4, {60, 200, 1, 4});
    LConnector* c1 = e->GetConnector(1);
    const double x = c1->position[0];
    const double ratio = std::cos(e->phi);
    const struct {
        int16_t o;
        double drawnFrom, dashedFrom;
    } cases[] = {{4, kPi, 0}, {5, 0, kPi}};
    for (const auto& k : cases) {
        std::vector<Primitive> all = Draw(*e, k.o);
        std::vector<Primitive> body(all.end() - 6, all.end());
        EXPECT_EQ(body[0].layer, "0");
        EXPECT_NEAR(std::fabs(body[0].y1), 100, 1e-9);
        ASSERT_EQ(body[2].type, "ELLIPSE");
        EXPECT_EQ(body[2].layer, "0");
        EXPECT_NEAR(body[2].r, ratio, 1e-9);
        EXPECT_NEAR(body[2].a0, k.drawnFrom, 1e-9) << k.o;
        EXPECT_NEAR(body[2].a1, k.drawnFrom + kPi, 1e-9) << k.o;
        ASSERT_EQ(body[3].type, "ELLIPSE");
        EXPECT_EQ(body[3].linetype, "szaggatott");
        EXPECT_NEAR(body[3].a0, k.dashedFrom, 1e-9) << k.o;
        EXPECT_NEAR(body[2].x1, body[3].x1, 1e-9);
        EXPECT_EQ(body[5].layer, "PC");
    }
    // An elbow of almost no angle still gives the opening a drawable ellipse.
    auto flat = Made(4, {1e-9, 200, 1, 4});
    std::vector<Primitive> opening = Draw(*flat, 4);
    opening.erase(opening.begin(), opening.end() - 6);
    EXPECT_EQ(Count(opening, "ELLIPSE"), 2);
    for (const Primitive& p : opening) {
        if (p.type == "ELLIPSE") {
            EXPECT_GE(p.r, 1e-6);
        }
    }
    // Seen from the front the far leg's end is drawn tilted; the element
    // keeps its connector as it was.
    std::vector<Primitive> front = Draw(*e, 1);
    EXPECT_EQ(Count(front, "CIRCLE"), 0);
    ASSERT_EQ(Count(front, "ELLIPSE"), 2);  // the end and its filled half
    for (const Primitive& p : front) {
        if (p.type == "ELLIPSE" && p.layer == "0") {
            EXPECT_NEAR(p.r, ratio, 1e-9);
        }
    }
    EXPECT_EQ(c1->angle, 0);
    EXPECT_EQ(c1->position[0], x);
}
