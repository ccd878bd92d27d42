// The rectangular branch fittings VL-12-B/J and VL-13: value rules and
// their fallbacks, the depth a joined branch keeps, mirroring between the
// two VL-12 variants, connectors, and the blocks of all six views.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "core/null_handle.h"
#include "core/type_tables.h"
#include "elements/tests/element_drawing.h"
#include "elements/vl/lvl12b.h"
#include "elements/vl/lvl13.h"
#include "elements/vl/vl_family.h"

namespace {

using VlBranch = ElementTest;
using VlBranchBlock = ElementDrawingTest;

template <class T>
std::unique_ptr<T> Made(int16_t subtype) {
    LObject* e = CreateElement(kVlFamily, subtype);
    auto* typed = dynamic_cast<T*>(e);
    EXPECT_NE(typed, nullptr) << subtype;
    if (!typed)
        DestroyElement(e);
    return std::unique_ptr<T>(typed);
}

void Join(LObject& e, int16_t i) { e.GetConnector(i)->neighbourHandle = CopyHandleText("2A"); }

void ExpectAt(const LConnector* c, double x, double y, double z, double a, double b) {
    EXPECT_NEAR(c->position[0], x, 1e-9);
    EXPECT_NEAR(c->position[1], y, 1e-9);
    EXPECT_NEAR(c->position[2], z, 1e-9);
    EXPECT_NEAR(c->a, a, 1e-9);
    EXPECT_NEAR(c->b, b, 1e-9);
}

bool HasLine(const std::vector<Primitive>& list, const char* layer, double x1, double y1, double x2, double y2) {
    for (const Primitive& p : list)
        if (p.type == "LINE" && p.layer == layer && std::fabs(p.x1 - x1) < 1e-9 && std::fabs(p.y1 - y1) < 1e-9 &&
            std::fabs(p.x2 - x2) < 1e-9 && std::fabs(p.y2 - y2) < 1e-9)
            return true;
    return false;
}

bool AllFinite(const std::vector<Primitive>& list) {
    for (const Primitive& p : list)
        if (!std::isfinite(p.x1) || !std::isfinite(p.y1) || !std::isfinite(p.x2) || !std::isfinite(p.y2))
            return false;
    return true;
}

}  // namespace

// Sizes given as 0 fall back on the other sizes of the same input; the
// narrowing stays real; the radius rule caps at the wider leg; the length
// holds the branch.  Both types share the first three rules.
TEST_F(VlBranch, ValueRulesAndFallbacks) {
    struct Case {
        const char* name;
        int16_t type;
        std::vector<double> in;
        bool wideEndJoined;
        std::vector<double> out;  // a, b, c, d, l, r
    } cases[] = {
        {"12: a from c", 12, {0, 150, 120, 100, 300, 100, 0}, false, {240, 150, 120, 100, 300, 100}},
        {"12: c from a", 12, {300, 150, 0, 100, 300, 100, 0}, false, {300, 150, 150, 100, 300, 100}},
        {"12: d from a", 12, {300, 150, 100, 0, 300, 100, 0}, false, {300, 150, 100, 150, 330, 100}},
        {"12: a <= c, free end", 12, {150, 150, 200, 100, 300, 100, 0}, false, {400, 150, 200, 100, 300, 100}},
        {"12: a <= c, joined end", 12, {150, 150, 200, 100, 300, 100, 0}, true, {150, 150, 75, 100, 300, 100}},
        {"12: r 40", 12, {250, 150, 150, 100, 300, 40, 0}, false, {250, 150, 150, 100, 300, 0}},
        {"12: r 70", 12, {250, 150, 150, 100, 300, 70, 0}, false, {250, 150, 150, 100, 300, 100}},
        {"12: r capped by max(b, d)", 12, {250, 150, 150, 200, 600, 300, 0}, false, {250, 150, 150, 200, 600, 200}},
        {"12: l holds the branch", 12, {250, 150, 150, 100, 100, 100, 0}, false, {250, 150, 150, 100, 280, 100}},
        {"12: nonsense keeps", 12, {NAN, -5, INFINITY, 0, -1, NAN, 0}, false, {250, 150, 150, 100, 300, 100}},
        {"13: a from c", 14, {0, 150, 120, 150, 480, 100}, false, {240, 150, 120, 150, 480, 100}},
        {"13: d from a", 14, {300, 150, 150, 0, 480, 100}, false, {300, 150, 150, 150, 480, 100}},
        {"13: a <= c, joined end", 14, {150, 150, 200, 150, 480, 100}, true, {150, 150, 75, 150, 480, 100}},
        {"13: r 30", 14, {250, 150, 150, 150, 480, 30}, false, {250, 150, 150, 150, 480, 0}},
        {"13: r 80", 14, {250, 150, 150, 150, 480, 80}, false, {250, 150, 150, 150, 480, 100}},
        {"13: r capped by max(a, d)", 14, {250, 150, 150, 150, 900, 500}, false, {250, 150, 150, 150, 900, 250}},
        {"13: l too short doubles d", 14, {250, 150, 150, 150, 250, 100}, false, {250, 150, 150, 150, 480, 100}},
        {"13: l between stays", 14, {250, 150, 150, 150, 400, 100}, false, {250, 150, 150, 150, 400, 100}},
        {"13: l 0 from the old r", 14, {250, 150, 150, 150, 0, 200}, false, {250, 150, 150, 150, 480, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<LObject> e(CreateElement(kVlFamily, c.type));
        ASSERT_NE(e, nullptr);
        if (c.wideEndJoined)
            Join(*e, 1);
        e->SetParams(c.in.data());
        std::vector<double> got = Params(*e);
        EXPECT_EQ(std::vector<double>(got.begin(), got.begin() + 6), c.out);
    }
}

// While the branch is joined its depth a - c stays: a changed c moves a,
// a changed a (no d given) moves c; a depth that would leave no narrow end
// is not applied.
TEST_F(VlBranch, JoinedBranchKeepsItsDepth) {
    auto e = Made<LVl12B>(12);
    const double c180[7] = {250, 150, 180, 100, 300, 100, 100};
    e->SetParams(c180);
    EXPECT_EQ(e->a, 250);  // branch free: the depth is only reported
    EXPECT_EQ(Params(*e)[6], 70);
    Join(*e, 2);
    e->SetParams(c180);
    EXPECT_EQ(e->a, 280);
    EXPECT_EQ(e->c, 180);
    EXPECT_EQ(e->GetConnector(2)->b, 100);
    const double widerA[7] = {400, 0, 0, 0, 0, 100, 100};  // d not given: c follows
    e->SetParams(widerA);
    EXPECT_EQ(e->a, 400);
    EXPECT_EQ(e->c, 300);
    const double tooDeep[7] = {200, 0, 150, 0, 0, 100, 250};
    e->SetParams(tooDeep);
    EXPECT_EQ(e->a, 200);
    EXPECT_EQ(e->c, 150);
    EXPECT_GT(e->GetConnector(0)->a, 0);
    int16_t flags[7] = {};
    EXPECT_EQ(e->MarkFixedParams(flags), -1);
    EXPECT_EQ(std::vector<int16_t>(flags, flags + 7), (std::vector<int16_t>{0, 0, 0, 0, 1, 1, 0}));
}

TEST_F(VlBranch, DefaultsConnectorsAndOffsets) {
    auto b = Made<LVl12B>(12);
    EXPECT_EQ(Params(*b), (std::vector<double>{250, 150, 150, 100, 300, 100, 100}));
    ExpectAt(b->GetConnector(0), 150, 50, 0, 150, 150);
    ExpectAt(b->GetConnector(1), -150, 0, 0, 250, 150);
    ExpectAt(b->GetConnector(2), -150 + 40 + 100 + 50, -75, 75 + 40 + 100, 100, 100);
    EXPECT_EQ(b->GetAttachOffset(1), 125);
    EXPECT_EQ(b->GetAttachMask(4), 32);
    EXPECT_EQ(Description(*b), "VL-12-B  a=250;  b=150;  c=150;  d=100;  l=300;  r=100;");

    // The default row of VL-13 is itself adjusted: l 300 is too short.
    auto v = Made<LVl13>(14);
    EXPECT_EQ(Params(*v), (std::vector<double>{250, 150, 150, 150, 480, 100}));
    EXPECT_EQ(v->X, 390);
    ExpectAt(v->GetConnector(0), 240, 120, 0, 150, 150);
    ExpectAt(v->GetConnector(1), -240, 70, 0, 250, 150);
    ExpectAt(v->GetConnector(2), -25, -195, 0, 150, 150);
    EXPECT_EQ(v->GetConnector(2)->side, 1);
    EXPECT_EQ(v->GetAttachOffset(4), 195);
}

// Mirror switches type, sign, row, attach masks and the connectors that
// lie off the axis; in elevation the view turns over, in section the
// rotation turns; twice gives the element back.
TEST_F(VlBranch, MirrorSwitchesTheVariantAndBack) {
    struct Case {
        int16_t orientation;
        double rotation;
        int16_t mirroredOrientation;
        double mirroredRotation;
    } cases[] = {{0, 0.5, 0, 0.5}, {3, 4.0, 3, 4.0}, {1, 0.5, 4, 0.5 + kPi}, {4, 4.0, 1, 4.0 - kPi},
                 {2, 0.0, 2, kPi}, {5, kPi + 0.1, 5, 0.1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.orientation);
        auto e = Made<LVl12B>(12);
        e->orientation = c.orientation;
        e->rotation = c.rotation;
        EXPECT_EQ(e->Mirror(), 0);
        EXPECT_EQ(e->GetSubtype(), 13);
        EXPECT_EQ(e->s, -1);
        EXPECT_EQ(e->GetTypeDesc(), TypeRow(kVlFamily, 13));
        EXPECT_EQ(Description(*e).substr(0, 9), "VL-12-J  ");
        EXPECT_EQ(e->orientation, c.mirroredOrientation);
        EXPECT_NEAR(e->rotation, c.mirroredRotation, 1e-12);
        ExpectAt(e->GetConnector(0), 150, -50, 0, 150, 150);
        ExpectAt(e->GetConnector(2), 40, 75, 215, 100, 100);
        // The same masks as a VL-12-J made new.
        auto made = Made<LVl12B>(13);
        for (int16_t i = 0; i < 6; ++i)
            EXPECT_EQ(e->GetAttachMask(i), made->GetAttachMask(i)) << i;
        EXPECT_EQ(e->Mirror(), 0);
        EXPECT_EQ(e->GetSubtype(), 12);
        EXPECT_EQ(e->s, 1);
        EXPECT_EQ(e->GetTypeDesc(), TypeRow(kVlFamily, 12));
        EXPECT_EQ(e->orientation, c.orientation);
        EXPECT_NEAR(std::remainder(e->rotation - c.rotation, kTwoPi), 0, 1e-9);
        ExpectAt(e->GetConnector(0), 150, 50, 0, 150, 150);
        ExpectAt(e->GetConnector(2), 40, -75, 215, 100, 100);
    }
    auto odd = Made<LVl12B>(13);
    EXPECT_EQ(LVl12B(7).GetSubtype(), 12);  // any other id builds VL-12-B
    EXPECT_EQ(odd->s, -1);
}

// Every view draws a named block of finite lines; the centre lines follow
// the switch; a radius of 0 leaves the elbow without an arc.
TEST_F(VlBranchBlock, AllSixViewsOfBothTypes) {
    for (int16_t type : {12, 13, 14}) {
        for (int16_t o = 0; o < 6; ++o) {
            SCOPED_TRACE(std::to_string(type) + "/" + std::to_string(o));
            std::unique_ptr<LObject> e(CreateElement(kVlFamily, type));
            e->SetOrientation(o);
            e->system.rectCentreLines = 1;
            std::vector<Primitive> with = Block(*e);
            e->system.rectCentreLines = 0;
            std::vector<Primitive> without = Block(*e);
            EXPECT_TRUE(AllFinite(with));
            int centre = 0;
            for (const Primitive& p : with)
                centre += p.layer == "PC";
            EXPECT_GE(centre, 2);
            EXPECT_EQ(with.size(), without.size() + centre);
            bool arcView = type == 14 ? o % 3 == 0 : o % 3 == 1;
            EXPECT_EQ(Count(with, "ARC"), arcView ? 1 : 0);
            const double flat[7] = {0, 0, 0, 0, 0, -1, 0};
            e->SetParams(flat);
            EXPECT_EQ(Count(Block(*e), "ARC"), 0);
        }
    }
}

// The plan of VL-12 puts the straight wall on the side of its sign; the
// left-hand variant's elevation is the right-hand one seen from behind.
TEST_F(VlBranchBlock, PlanAndElevationFollowTheSide) {
    for (int16_t type : {12, 13}) {
        auto e = Made<LVl12B>(type);
        double s = e->s;
        std::vector<Primitive> plan = Draw(*e, 0);
        // The straight wall, and the narrowed wall after the branch.
        EXPECT_TRUE(HasLine(plan, "0", -150, s * 125, 150, s * 125));
        EXPECT_TRUE(HasLine(plan, "0", -150 + 40 + 100 + 100 + 45, s * -25, 150, s * -25));
        std::vector<Primitive> side = Draw(*e, 1);
        ASSERT_EQ(Count(side, "ARC"), 1);
        for (const Primitive& p : side)
            if (p.type == "ARC") {  // the elbow's inner arc turns 40 into the duct
                EXPECT_NEAR(p.x1, -110, 1e-9);
            }
        // The outer wall of the branch: at x2 of the right-hand variant,
        // and seen from behind for the left-hand one.
        EXPECT_TRUE(HasLine(side, "0", 90, s > 0 ? -75 : 75, 90, 215));
    }
}
