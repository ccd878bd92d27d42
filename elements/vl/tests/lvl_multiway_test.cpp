// The multi-way pieces of the rectangular family: VL-NI with its offset
// kept through turning and mirroring, VLE-06 with four connectors, VLE-07
// with its top opening, and the blocks of all six views.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/tests/element_drawing.h"
#include "elements/vl/lvle06.h"
#include "elements/vl/lvle07.h"
#include "elements/vl/lvlni.h"
#include "elements/vl/vl_family.h"

namespace {

using VlMultiway = ElementTest;
using VlMultiwayBlock = ElementDrawingTest;

using Owned = ElementPtr;

Owned Make(int16_t subtype, const std::vector<double>& values = {}) { return MakeElement(kVlFamily, subtype, values); }

std::vector<double> Position(const LObject& e, int16_t i) {
    const double* p = e.GetConnector(i)->position;
    return {p[0], p[1], p[2]};
}

}  // namespace

TEST_F(VlMultiway, SplitPieceValuesAndConnectors) {
    Owned e = Make(30);
    EXPECT_EQ(Position(*e, 0), (std::vector<double>{500, 0, 0}));
    EXPECT_EQ(Position(*e, 1), (std::vector<double>{-500, 100, 0}));
    EXPECT_EQ(Position(*e, 2), (std::vector<double>{-500, -100, 0}));
    const double offsets[6] = {75, 137.5, 0, 75, 137.5, 0};
    for (int16_t i = 0; i < 6; ++i)
        EXPECT_EQ(e->GetAttachOffset(i), offsets[i]) << i;
    Owned onlyC = Make(30, {0, 0, 120, 0, 0, 0, 0});
    EXPECT_EQ(Params(*onlyC), (std::vector<double>{240, 150, 120, 120, 0, 50, 1000}));
    Owned onlyA = Make(30, {300, 0, 0, 0, 25, 0, 0});
    EXPECT_EQ(Params(*onlyA), (std::vector<double>{300, 150, 150, 150, 25, 50, 1000}));
    const double zeroOffset[7] = {0, 0, 0, 0, 0, 0, 0};
    onlyA->SetParams(zeroOffset);
    EXPECT_EQ(Params(*onlyA)[4], 0);  // 0 is an offset like any other
    int16_t flags[7] = {};
    EXPECT_EQ(e->MarkFixedParams(flags), 0);
    EXPECT_EQ(std::vector<int16_t>(flags, flags + 7), (std::vector<int16_t>{0, 0, 0, 0, 1, 1, 1}));
}

// Turning the piece over negates its offset, and the outlets always stand
// where the current view puts them; Mirror turns a plan over in place.
TEST_F(VlMultiway, SplitPieceOffsetThroughTurnsAndMirror) {
    Owned e = Make(30);
    e->SetOrientation(3);
    const double given[7] = {0, 0, 0, 0, -40, 0, 0};
    e->SetParams(given);
    EXPECT_EQ(Position(*e, 1)[1], 40 + 50 + 50);  // the fork at y = 40
    struct Case {
        int16_t from, to;
        bool negated;
    } turns[] = {{0, 4, true}, {0, 3, true}, {1, 3, true}, {4, 0, true}, {0, 1, false},
                 {0, 2, false}, {0, 5, false}, {3, 4, false}, {2, 5, false}};
    for (const Case& c : turns) {
        Owned p = Make(30, {0, 0, 0, 0, 30, 0, 0});
        p->orientation = c.from;
        p->SetParams(nullptr);
        p->SetOrientation(c.to);
        auto* ni = dynamic_cast<LVlNi*>(p.get());
        EXPECT_EQ(ni->e, c.negated ? -30 : 30) << c.from << "->" << c.to;
        // Never stale: the connectors are those the values give.
        std::vector<double> now = Position(*p, 1);
        p->SetParams(nullptr);
        EXPECT_EQ(Position(*p, 1), now) << c.from << "->" << c.to;
    }
    Owned m = Make(30, {0, 0, 0, 0, 30, 0, 0});
    m->rotation = 4.0;
    std::vector<double> before = Position(*m, 1);
    EXPECT_EQ(m->Mirror(), 0);
    EXPECT_EQ(m->orientation, 3);
    EXPECT_NEAR(m->rotation, 4.0 - kPi, 1e-12);
    EXPECT_EQ(dynamic_cast<LVlNi*>(m.get())->e, -30);
    EXPECT_EQ(Position(*m, 1), before);
    m->orientation = 1;
    EXPECT_EQ(m->Mirror(), 0);
    EXPECT_EQ(m->orientation, 1);
    EXPECT_NE(Description(*m).find("e=30;"), std::string::npos);  // orientation 1 prints -e
    m->orientation = 4;
    EXPECT_NE(Description(*m).find("e=-30;"), std::string::npos);
}

TEST_F(VlMultiway, DoubleBranchValuesAndConnectors) {
    Owned e = Make(31);
    auto* v = dynamic_cast<LVle06*>(e.get());
    EXPECT_EQ(v->s, 100);
    EXPECT_EQ(v->l, 1500);
    EXPECT_EQ(Position(*e, 0), (std::vector<double>{-750, 0, 0}));
    EXPECT_EQ(Position(*e, 1), (std::vector<double>{-535, -365, 0}));
    EXPECT_EQ(Position(*e, 2), (std::vector<double>{750, 0, 0}));
    EXPECT_EQ(Position(*e, 3), (std::vector<double>{-535, 365, 0}));
    const double wideC[6] = {0, 0, 900, 0, 0, 0};
    e->SetParams(wideC);
    EXPECT_EQ(v->s, 150);
    EXPECT_EQ(Position(*e, 1)[1], -(2700.0 / 2 + 40 + 150));
    Owned shortL = Make(31, {450, 150, 150, 150, 300, 200});
    EXPECT_EQ(dynamic_cast<LVle06*>(shortL.get())->l, 480);
    Owned wideD = Make(31, {450, 150, 150, 600, 150, 1500});
    EXPECT_EQ(dynamic_cast<LVle06*>(wideD.get())->d, 450);
    Owned keptD = Make(31);
    keptD->SetParams(std::vector<double>{900, 0, 0, 600, 0, 0}.data());
    keptD->SetParams(std::vector<double>{450, 0, 0, 0, 0, 0}.data());
    EXPECT_EQ(dynamic_cast<LVle06*>(keptD.get())->d, 600);
    Owned onlyB = Make(31, {0, 300, 0, 0, 0, 0});
    EXPECT_EQ(Params(*onlyB), (std::vector<double>{450, 300, 150, 150, 150, 1500}));
    Owned onlyC = Make(31, {0, 0, 200, 0, 0, 0});
    EXPECT_EQ(Params(*onlyC), (std::vector<double>{600, 150, 200, 200, 200, 1500}));
    int16_t flags[6] = {};
    EXPECT_EQ(e->MarkFixedParams(flags), -1);
    EXPECT_EQ(std::vector<int16_t>(flags, flags + 6), std::vector<int16_t>(6, 1));
}

// An outlet d kept from before while a is reduced comes back as it was from
// the drawing, which reads it into a new piece of d 150, and from a
// cancelled dialog, which puts it back after another d was tried.
TEST_F(VlMultiway, DoubleBranchKeptOutletComesBack) {
    Owned kept = Make(31, {600, 150, 150, 600, 150, 1500});
    kept->SetParams(std::vector<double>{450, 150, 150, 600, 150, 1500}.data());
    const std::vector<double> values = Params(*kept);
    ASSERT_EQ(values[3], 600);
    Owned back = Make(31);
    ASSERT_EQ(CopyByXData(*kept, *back), 0);
    EXPECT_EQ(Params(*back), values);
    back->SetParams(std::vector<double>{450, 150, 150, 300, 150, 1500}.data());
    back->RestoreParams(values.data());
    EXPECT_EQ(Params(*back), values);
}

TEST_F(VlMultiway, CornerBoxValuesAndConnectors) {
    Owned e = Make(32);
    auto* box = dynamic_cast<LVle07*>(e.get());
    EXPECT_EQ(Params(*e), (std::vector<double>{150, 150, 150, 150, 150}));
    EXPECT_EQ(box->W, 150);
    EXPECT_EQ(box->s, 100);
    EXPECT_EQ(Position(*e, 0), (std::vector<double>{0, -215, 0}));
    EXPECT_EQ(Position(*e, 1), (std::vector<double>{215, 0, 0}));
    EXPECT_EQ(Position(*e, 2), (std::vector<double>{0, 0, 215}));
    EXPECT_EQ(e->GetConnector(2)->side, 0);
    Owned wide = Make(32, {300, 150, 150, 0, 200});
    EXPECT_EQ(Params(*wide), (std::vector<double>{300, 150, 150, 300, 200}));
    EXPECT_EQ(dynamic_cast<LVle07*>(wide.get())->L, 200);
    const double none[5] = {0, 0, 0, 0, 0};
    wide->SetParams(none);
    EXPECT_EQ(Params(*wide), (std::vector<double>{300, 150, 150, 300, 200}));
    Owned at800 = Make(32, {800, 800, 800, 100, 100});
    EXPECT_EQ(dynamic_cast<LVle07*>(at800.get())->s, 100);
    Owned tall = Make(32, {100, 900, 100, 100, 100});
    EXPECT_EQ(dynamic_cast<LVle07*>(tall.get())->s, 150);
    int16_t flags[5] = {};
    EXPECT_EQ(e->MarkFixedParams(flags), -1);
    EXPECT_EQ(flags[0] + flags[1] + flags[2] + flags[3] + flags[4], 0);
}

// Every view of the three pieces draws a named block of finite entities
// whose centre lines follow the switch.
TEST_F(VlMultiwayBlock, AllSixViews) {
    struct Shape {
        int16_t type;
        std::vector<double> values;  // empty: the default row
    } shapes[] = {{30, {}}, {30, {0, 0, 0, 0, -60, 0, 0}}, {31, {}}, {31, {300, 200, 150, 120, 800, 500}},
                  {32, {}}, {32, {300, 200, 250, 100, 400}}, {32, {100, 200, 100, 400, 400}}};
    for (const Shape& shape : shapes) {
        for (int16_t o = 0; o < 6; ++o) {
            SCOPED_TRACE(std::to_string(shape.type) + "/" + std::to_string(o));
            Owned e = Make(shape.type, shape.values);
            e->SetOrientation(o);
            std::vector<Primitive> with = Block(*e);
            for (const Primitive& p : with)
                EXPECT_TRUE(EndsAreFinite(p));
            e->system.rectCentreLines = 0;
            std::vector<Primitive> without = Block(*e);
            bool bare = shape.type == 30 && o % 3 == 2;  // VL-NI seen end-on: the symbols only
            EXPECT_EQ(with.size() == without.size(), bare);
        }
    }
}

// The double branch seen onto one branch shows the other behind it by its
// width: narrower, a hidden edge and a hidden end; wider, also the corner
// of its end standing out.
TEST_F(VlMultiwayBlock, DoubleBranchSeenOntoABranch) {
    auto pen2 = [](const std::vector<Primitive>& list) {
        int n = 0;
        for (const Primitive& p : list)
            n += p.type == "LINE" && p.layer == "P2" && p.linetype.empty();
        return n;
    };
    Owned same = Make(31, {450, 150, 150, 150, 150, 1500});
    const int marks = Count(Draw(*same, 1), "LINE", "szaggatott");  // the far branch's mark
    const int plain = pen2(Draw(*same, 4));
    Owned narrowBehind = Make(31, {450, 150, 200, 150, 100, 1500});
    EXPECT_EQ(Count(Draw(*narrowBehind, 1), "LINE", "szaggatott"), marks + 2);
    std::vector<Primitive> wideBehind = Draw(*narrowBehind, 4);  // seen from g: c is wider
    EXPECT_EQ(Count(wideBehind, "LINE", "szaggatott"), marks + 2);
    EXPECT_EQ(pen2(wideBehind), plain + 4);
}
