// The round branch fittings VF/KS-20, -21, -22 and the round-to-rectangular
// fitting VF-11/12: body sizes from the diameters, value fallbacks, the
// VF/KS code, where each fits between two connectors, the bill of
// materials, and the blocks of all six views.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/tests/element_drawing.h"
#include "elements/vf/lvf11.h"
#include "elements/vf/lvf20.h"
#include "elements/vf/lvf21.h"
#include "elements/vf/lvf22.h"
#include "elements/vf/vf_family.h"

namespace {

using VfBranch = ElementTest;
using VfBranchBlock = ElementDrawingTest;

constexpr double kCos45 = 0.7071067811865;

using Owned = ElementPtr;

Owned Make(int16_t subtype, const std::vector<double>& values = {}) { return MakeElement(kVfFamily, subtype, values); }

void ExpectAt(const LObject& e, int16_t i, double x, double y, double z, double size) {
    const LConnector* c = e.GetConnector(i);
    ASSERT_NE(c, nullptr);
    EXPECT_NEAR(c->position[0], x, 1e-9) << i;
    EXPECT_NEAR(c->position[1], y, 1e-9) << i;
    EXPECT_NEAR(c->position[2], z, 1e-9) << i;
    EXPECT_NEAR(c->a, size, 1e-9) << i;
}

}  // namespace

// The body lengths of the three branches by their diameters, with the
// connectors they give.
TEST_F(VfBranch, BodySizesFollowTheDiameters) {
    Owned v20 = Make(14);
    auto* f20 = dynamic_cast<LVf20*>(v20.get());
    ASSERT_NE(f20, nullptr);
    EXPECT_NEAR(f20->H, 100 + 150 * kCos45, 1e-9);
    EXPECT_NEAR(f20->L, 60 + 300 * kCos45, 1e-9);
    ExpectAt(*f20, 2, 100 * kCos45, 50 + 100 * kCos45, 0, 100);
    EXPECT_NEAR(f20->GetConnector(2)->angle, -0.785398163375, 1e-12);

    struct Case {
        double d2, L;
    } lengths21[] = {{100, 200}, {129, 229}, {130, 240}, {199, 319}, {314, 464}, {999, 1259}, {1000, 1300}};
    for (const Case& c : lengths21) {
        Owned e = Make(15, {100, c.d2});
        EXPECT_EQ(dynamic_cast<LVf21*>(e.get())->L, c.L) << c.d2;
    }
    Owned v21 = Make(15);
    EXPECT_EQ(dynamic_cast<LVf21*>(v21.get())->H, 180);
    ExpectAt(*v21, 2, 0, 130, 0, 100);

    Owned narrow = Make(16, {100, 449});
    EXPECT_EQ(dynamic_cast<LVf22*>(narrow.get())->L, 649);
    Owned wide = Make(16, {100, 450});
    EXPECT_EQ(dynamic_cast<LVf22*>(wide.get())->L, 750);
    Owned cross = Make(16, {200, 100});
    EXPECT_EQ(dynamic_cast<LVf22*>(cross.get())->H, 360);
    ExpectAt(*cross, 0, 150, 0, 0, 200);
    ExpectAt(*cross, 2, -150, 0, 0, 200);
    ExpectAt(*cross, 1, 0, -180, 50, 100);
    ExpectAt(*cross, 3, 0, 180, 50, 100);
}

// A zero keeps a diameter while the sizes are fixed and takes the other
// input otherwise; the code is KS only above 800.  A new cross, whose
// default values keep its diameters, starts from defined ones.
TEST_F(VfBranch, DiameterFallbacksAndTheVfKsCode) {
    for (int16_t type : {14, 15, 16}) {
        SCOPED_TRACE(type);
        Owned e = Make(type, {200, 160});
        const double d2Only[2] = {0, 250};
        e->SetParams(d2Only);
        EXPECT_EQ(Params(*e), (std::vector<double>{250, 250}));
        e->SetEdited();
        const double d1Only[2] = {315, 0};
        e->SetParams(d1Only);
        EXPECT_EQ(Params(*e), (std::vector<double>{315, 250}));
        const double nonsense[2] = {NAN, -1};
        e->SetParams(nonsense);
        EXPECT_EQ(Params(*e), (std::vector<double>{315, 250}));
        const double at800[2] = {800, 800};
        e->SetParams(at800);
        EXPECT_EQ(dynamic_cast<LVf*>(e.get())->vfKsCode, kVfKsVf);
        const double above[2] = {800, 900};
        e->SetParams(above);
        EXPECT_EQ(dynamic_cast<LVf*>(e.get())->vfKsCode, kVfKsKs);
        EXPECT_EQ(Description(*e).substr(0, 6), "KS-" + std::to_string(type + 6) + " ");
        int16_t flags[2] = {};
        EXPECT_EQ(e->MarkFixedParams(flags), -1);
        EXPECT_EQ(flags[0] + flags[1], 0);
    }
    Owned cross = Make(16);
    EXPECT_EQ(Params(*cross), (std::vector<double>{100, 100}));
    EXPECT_EQ(dynamic_cast<LVf22*>(cross.get())->L, 300);
    EXPECT_EQ(Description(*cross), "VF-22  D=100;  d=100;");
}

// Only the two run ends fit, in a view that shows the run, straight, at
// the body length: VF-20 by whole units, the others up to a rounding
// error.  The cross's run ends are connectors 0 and 2.
TEST_F(VfBranch, FitLengthBetweenTheRunEnds) {
    struct Case {
        int16_t type;
        int16_t a, b;
        double along, across;
        int16_t orientation;
        int16_t result;
    } cases[] = {
        {14, 0, 1, 272, 0, 0, 0},       {14, 1, 0, 272.4, 0, 1, 0},     {14, 0, 1, 272.5, 0, 0, -1},
        {14, 0, 1, 272, 0, 2, -1},      {14, 0, 2, 272, 0, 0, -1},      {14, 0, 0, 272, 0, 0, -1},
        {15, 0, 1, 200, 0, 0, 0},       {15, 0, 1, 200 + 1e-9, 1e-10, 3, 0}, {15, 0, 1, 200.01, 0, 0, -1},
        {15, 0, 1, 200, 0.5, 0, -1},    {15, 0, 1, 200, 0, 5, -1},      {15, 1, 2, 200, 0, 0, -1},
        {15, 0, 1, NAN, 0, 0, -1},      {16, 0, 2, 300, 0, 0, 0},       {16, 2, 0, 300, 0, 4, 0},
        {16, 0, 1, 300, 0, 0, -1},      {16, 1, 3, 300, 0, 0, -1},      {16, 0, 2, 300, 0, 2, -1},
        {10, 0, 1, 390, 0, 0, 0},       {10, 1, 0, 390 - 1e-9, 0, 4, 0}, {10, 0, 1, 390.5, 0, 0, -1},
        {10, 0, 2, 390, 0, 0, -1},      {10, 0, 1, 390, 0, 5, -1},      {10, 0, 1, 390, 1, 0, -1},
    };
    for (const Case& c : cases) {
        Owned e = Make(c.type);
        e->SetOrientation(c.orientation);
        double params[4] = {7, 7, 7, 7};
        int16_t changed[4] = {};
        EXPECT_EQ(e->FitLength(params, changed, c.a, c.b, c.along, c.across), c.result)
            << c.type << ": " << c.a << "-" << c.b << " " << c.along << " in " << c.orientation;
        EXPECT_EQ(params[0], 7);  // nothing changes
        EXPECT_EQ(changed[0] + changed[1], 0);
    }
}

// VF-11: B stays below d; the outlet and its attach offset move out with
// the extension, which adds the VF-12 row.
TEST_F(VfBranch, RoundToRectangularSizesRowsAndOutlet) {
    Owned e = Make(10);
    auto* f = dynamic_cast<LVf11*>(e.get());
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Params(*f), (std::vector<double>{200, 300, 199, 0}));
    EXPECT_EQ(f->Lr, 390);
    EXPECT_EQ(f->H, 300);
    ExpectAt(*f, 2, 0, 200, 0, 300);
    EXPECT_EQ(f->GetConnector(2)->shape, kShapeRect);
    EXPECT_EQ(f->GetConnector(2)->b, 199);
    EXPECT_EQ(f->GetAttachMask(4), 1);
    EXPECT_EQ(f->vfKsCode, kVfKsNone);
    BomRows one = BomOf(*f);
    EXPECT_EQ(one.texts, (std::vector<std::string>{"VF-11  d=200;  A=300;  B=199;"}));
    EXPECT_EQ(one.count, 1);
    EXPECT_EQ(one.extra, 0);

    f->GetConnector(0)->flow = 500;
    const double extended[4] = {0, 0, 150, 100};
    f->SetParams(extended);
    EXPECT_EQ(Params(*f), (std::vector<double>{150, 150, 150 - 1, 100}));  // d and A from B
    f->SetParams(std::vector<double>{200, 300, 150, 100}.data());
    EXPECT_EQ(f->GetConnector(1)->flow, 500);
    ExpectAt(*f, 2, 0, 300, 0, 300);
    EXPECT_EQ(f->GetAttachOffset(4), 300);
    BomRows two = BomOf(*f);
    EXPECT_EQ(two.texts, (std::vector<std::string>{"VF-11  d=200;  A=300;  B=150;", "VF-12  A=300;  B=150;  E=100;"}));
    EXPECT_EQ(two.count, 2);
    EXPECT_EQ(two.flows[0].substr(0, 8), "Vd=500 m");
    EXPECT_EQ(two.flows[1].substr(0, 5), "VAxB=");
    EXPECT_EQ(two.quantities, (std::vector<int>{1, 1}));

    // Fixed sizes keep a zero's value; a bad extension keeps the stored one.
    f->SetEdited();
    const double keep[4] = {0, 400, 0, -5};
    f->SetParams(keep);
    EXPECT_EQ(Params(*f), (std::vector<double>{200, 400, 150, 100}));
    const double none[4] = {0, 0, 0, 0};
    f->SetParams(none);
    EXPECT_EQ(f->E, 0);
    EXPECT_EQ(BomOf(*f).count, 1);
}

// Each view of each type: a named block of finite entities whose centre
// lines follow the round family's switch; VF-20 seen along its run is empty.
TEST_F(VfBranchBlock, AllSixViews) {
    for (int16_t type : {10, 14, 15, 16}) {
        for (int16_t o = 0; o < 6; ++o) {
            SCOPED_TRACE(std::to_string(type) + "/" + std::to_string(o));
            Owned e = Make(type, type == 10 ? std::vector<double>{200, 300, 150, 100} : std::vector<double>{250, 160});
            e->SetOrientation(o);
            e->system.roundCentreLines = 1;
            std::vector<Primitive> with = Block(*e);
            e->system.roundCentreLines = 0;
            std::vector<Primitive> without = Block(*e);
            int centre = 0;
            for (const Primitive& p : with) {
                centre += p.layer == "PC";
                EXPECT_TRUE(EndsAreFinite(p));
            }
            EXPECT_EQ(with.size(), without.size() + centre);
            if (type == 14 && o % 3 == 2)
                EXPECT_TRUE(with.empty());
            else
                EXPECT_GE(centre, 2);
        }
    }
}

// VF-21 seen across with its branch behind shows the branch's hidden ring;
// from the branch's side only the branch's own end symbol.  A branch as wide as the run is hidden
// whole: a dashed circle, and no arc of no sweep for the part seen.
TEST_F(VfBranchBlock, EndOnViewsOfTheOffCentreBranches) {
    Owned e = Make(15, {250, 160});
    std::vector<Primitive> behind = Draw(*e, 1);
    std::vector<Primitive> facing = Draw(*e, 4);
    EXPECT_EQ(Count(behind, "CIRCLE", "szaggatott"), 1);
    EXPECT_EQ(Count(facing, "CIRCLE", "szaggatott") + Count(facing, "ARC"), 0);
    Owned same = Make(15, {250, 250});
    std::vector<Primitive> wide = Draw(*same, 1);
    EXPECT_EQ(Count(wide, "ARC"), 0);
    EXPECT_EQ(Count(wide, "CIRCLE", "szaggatott"), 1);
    Owned wider = Make(15, {200, 250});
    std::vector<Primitive> split = Draw(*wider, 1);
    EXPECT_EQ(Count(split, "ARC"), 2);  // part seen, part hidden
    EXPECT_EQ(Count(split, "ARC", "szaggatott"), 1);
}

// With a grille on the outlet the outlet's connector symbol is left out and
// the outlet-facing view keeps clear of the grille.
TEST_F(VfBranchBlock, CoveredOutletDrawsNoSymbol) {
    Owned e = Make(10);
    size_t open = Draw(*e, 0).size();
    std::vector<Primitive> facingOpen = Draw(*e, 4);
    Owned grille(CreateElement(3, 1));
    ASSERT_NE(grille, nullptr);
    ASSERT_EQ(e->AddChild(grille.get(), 4), 0);
    EXPECT_LT(Draw(*e, 0).size(), open);
    EXPECT_EQ(e->GetConnectorCount(), 3);
    std::vector<Primitive> facing = Draw(*e, 4);
    const Primitive& last = facing.back();  // the outlet's centre line
    ExpectLine(last, "PC", 0, -(99.5 + 45 - 19), 0, 99.5 + 45 - 19);
    EXPECT_NE(facing.size(), facingOpen.size());
}

// Values no dialog offers (as damaged XDATA may hold them) leave every
// class with values that are numbers and a named block of finite entities
// in every view.
TEST_F(VfBranchBlock, NonsenseValuesStillDrawFiniteBlocks) {
    const std::vector<std::vector<double>> inputs = {{NAN, NAN, NAN, NAN}, {-1e9, -1e9, -1e9, -1e9},
                                                     {1e-9, 1e-9, 1e-9, 1e-9}, {1, 5000, 0.5, -3}};
    for (int16_t type : {10, 14, 15, 16}) {
        for (const std::vector<double>& in : inputs) {
            Owned e = Make(type, in);
            for (int16_t o = 0; o < 6; ++o) {
                SCOPED_TRACE(std::to_string(type) + "/" + std::to_string(o));
                e->SetOrientation(o);
                for (const Primitive& p : Block(*e))
                    ASSERT_TRUE(EndsAreFinite(p));
                for (double v : Params(*e))
                    ASSERT_FALSE(std::isnan(v));
            }
        }
    }
}
