// The round tees VF/KS-06 and VF/KS-07: body length and branch height by
// the diameters, the diameter fallbacks and the fixed-sizes flag, the VF/KS
// switch, fitting only a gap of their own length, and the block: the
// branch view narrow or wide from either side, the run view's split end.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/tests/element_drawing.h"
#include "elements/vf/lvf_tee.h"

namespace {

using VfTee = ElementTest;
using VfTeeBlock = ElementDrawingTest;

std::unique_ptr<LVfTee> Made(int16_t type, std::vector<double> v = {}) {
    std::unique_ptr<LVfTee> e(dynamic_cast<LVfTee*>(CreateElement(2, type)));
    if (e && !v.empty())
        e->SetParams(v.data());
    return e;
}

// Pens of the test system name no linetype; outlines are ByBlock.
int CountOn(const std::vector<Primitive>& all, const char* type, const char* layer,
            const char* linetype = "") {
    int n = 0;
    for (const Primitive& p : all)
        n += p.type == type && p.layer == layer && p.linetype == linetype;
    return n;
}

}  // namespace

TEST_F(VfTee, SizesFollowTheDiameters) {
    struct Case {
        int16_t type;
        std::vector<double> values;
        double L, H;
        int16_t code;
    } cases[] = {
        {5, {100, 100, 100}, 240, 140, kVfKsVf}, {6, {100, 100}, 240, 140, kVfKsVf},
        {5, {400, 450, 400}, 690, 440, kVfKsVf}, {6, {400, 450}, 650, 440, kVfKsVf},
        {5, {400, 900, 400}, 1200, 500, kVfKsKs}, {6, {500, 100}, 240, 540, kVfKsVf},
        {5, {300, 200, 501}, 340, 601, kVfKsVf},  {6, {801, 800}, 1000, 901, kVfKsKs},
        {5, {800, 800, 800}, 1040, 900, kVfKsVf}, {5, {200, 100, 801}, 240, 901, kVfKsKs},
    };
    for (const Case& k : cases) {
        auto e = Made(k.type, k.values);
        EXPECT_EQ(e->L, k.L) << k.type << ": " << k.values[1];
        EXPECT_EQ(e->H, k.H) << k.type << ": " << k.values[0];
        EXPECT_EQ(e->vfKsCode, k.code) << k.type << ": " << k.values[0];
        EXPECT_EQ(e->GetConnector(0)->position[0], k.L / 2);
        EXPECT_EQ(e->GetConnector(1)->position[0], -k.L / 2);
        EXPECT_EQ(e->GetConnector(2)->position[1], k.H - e->Dm / 2);
        EXPECT_EQ(e->GetConnector(2)->side, 4);
    }
    auto e = Made(5);
    EXPECT_EQ(e->GetConnector(2)->position[1], 90);
    EXPECT_EQ(Description(*e).substr(0, 6), "VF-06 ");
    e->SetParams(std::vector<double>{900, 0, 0}.data());
    EXPECT_EQ(Description(*e).substr(0, 6), "KS-06 ");
    int16_t flags[3] = {};
    EXPECT_EQ(e->MarkFixedParams(flags), -1);
    EXPECT_EQ(std::vector<int16_t>(flags, flags + 3), (std::vector<int16_t>{0, 0, 0}));
}

TEST_F(VfTee, DiametersLeftZeroTakeAnotherUnlessFixed) {
    auto e = Made(5, {0, 250, 0});
    EXPECT_EQ(Params(*e), (std::vector<double>{250, 250, 250}));
    e = Made(5, {0, 0, 315});
    EXPECT_EQ(Params(*e), (std::vector<double>{315, 315, 315}));
    e->SetParams(std::vector<double>{0, 0, 0}.data());
    EXPECT_EQ(Params(*e), (std::vector<double>{315, 315, 315}));
    e->SetEdited();
    e->SetParams(std::vector<double>{0, 200, NAN}.data());
    EXPECT_EQ(Params(*e), (std::vector<double>{315, 200, 315}));
    auto run = Made(6, {0, 400});
    EXPECT_EQ(Params(*run), (std::vector<double>{400, 400}));
    EXPECT_EQ(run->GetConnector(0)->a, 400);
    run->GetConnector(0)->flow = 900;
    run->SetParams(nullptr);
    EXPECT_EQ(run->GetConnector(1)->flow, 900);
}

TEST_F(VfTee, FitsOnlyAGapOfItsOwnLength) {
    auto e = Made(6, {200, 160});
    double p[2] = {7, 7};
    int16_t changed[2] = {};
    const double L = e->L;
    EXPECT_EQ(e->FitLength(p, changed, 0, 1, L, 0), 0);
    EXPECT_EQ(e->FitLength(p, changed, 1, 0, L * (1 + 1e-12), 0), 0);  // measured, not typed
    const struct {
        int16_t a, b;
        double along, across;
    } refused[] = {{0, 1, L + 0.01, 0}, {0, 1, L - 1, 0}, {0, 1, L, 5}, {0, 2, L, 0}, {1, 2, L, 0}, {1, 1, L, 0}};
    for (const auto& k : refused)
        EXPECT_EQ(e->FitLength(p, changed, k.a, k.b, k.along, k.across), -1) << k.a << k.b << " " << k.along;
    for (int16_t o : {2, 5}) {
        e->SetOrientation(o);
        EXPECT_EQ(e->FitLength(p, changed, 0, 1, L, 0), -1) << o;
    }
    EXPECT_EQ(p[0], 7);
    EXPECT_EQ(changed[0], 0);
}

TEST_F(VfTeeBlock, BranchViewNarrowOrWideFromEitherSide) {
    auto narrow = Made(5, {300, 160, 250});
    auto wide = Made(5, {200, 250, 200});
    for (LVfTee* e : {narrow.get(), wide.get()})
        e->system.roundCentreLines = 0;
    // Narrow, from the far side: the straight run walls and a dashed circle.
    narrow->SetOrientation(1);
    std::vector<Primitive> all = Block(*narrow);
    std::vector<Primitive> body(all.end() - 9, all.end());
    EXPECT_EQ(body[6].layer, "0");
    ExpectLine(body[6], "0", -(narrow->L / 2 - 30), 150, narrow->L / 2 - 30, 125);
    EXPECT_EQ(body[8].type, "CIRCLE");
    EXPECT_EQ(body[8].linetype, "szaggatott");
    EXPECT_NEAR(body[8].r, 80, 1e-9);
    // From the near side the tangent lines come on pen 2, and the branch
    // shows only its connector's end.
    narrow->SetOrientation(4);
    all = Block(*narrow);
    EXPECT_EQ(CountOn(all, "CIRCLE", "0", "ByBlock"), 1);
    EXPECT_EQ(CountOn(all, "CIRCLE", "P2", "szaggatott"), 0);
    EXPECT_EQ(CountOn(all, "LINE", "P2"), 4 + 2);  // tangents and the collars' lines across
    // Wide: plain tangents, no straight walls, the circle split in arcs.
    wide->SetOrientation(1);
    all = Block(*wide);
    EXPECT_EQ(CountOn(all, "ARC", "0", "ByBlock"), 2);
    EXPECT_EQ(CountOn(all, "ARC", "P2", "szaggatott"), 2);
    EXPECT_EQ(CountOn(all, "LINE", "P2"), 2);
    body.assign(all.end() - 8, all.end());
    const Primitive& tangent = body[0];
    EXPECT_NEAR(std::hypot(tangent.x2, tangent.y2), 125, 1e-9);  // it ends on the branch circle
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(body[i].layer, "0") << i;
    // A branch of the run's diameter: its tangents meet the circle at the
    // top and the bottom, so all of it lies behind the run: the two dashed
    // halves and no plain arc of no sweep.
    for (int16_t type : {5, 6}) {
        auto same = Made(type, {200, 200, 200});
        same->system.roundCentreLines = 0;
        same->SetOrientation(1);
        all = Block(*same);
        EXPECT_EQ(CountOn(all, "ARC", "0", "ByBlock"), 0) << type;
        EXPECT_EQ(CountOn(all, "ARC", "P2", "szaggatott"), 2) << type;
    }
}

TEST_F(VfTeeBlock, RunViewSplitsTheFarEnd) {
    auto e = Made(5, {250, 160, 250});
    std::vector<Primitive> all = Draw(*e, 2);
    // Equal run ends: the far end's circle drawn, its half toward the branch dashed.
    std::vector<Primitive> arcs;
    for (const Primitive& p : all)
        if (p.type == "ARC")
            arcs.push_back(p);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0].layer, "0");
    EXPECT_EQ(arcs[1].linetype, "szaggatott");
    EXPECT_NEAR(arcs[0].r, 125, 1e-9);
    EXPECT_NEAR(std::remainder(arcs[1].a0 + arcs[1].a1, 2 * kPi), 0, 1e-6);  // centred on +x
    // A narrower far end is hidden whole.
    auto reducing = Made(5, {200, 160, 315});
    all = Draw(*reducing, 2);
    EXPECT_EQ(Count(all, "ARC"), 0);
    EXPECT_EQ(CountOn(all, "CIRCLE", "P2", "szaggatott"), 1);
    // VF/KS-07 draws its collar's line across on pen 2 and two lines to the run.
    auto straight = Made(6, {250, 160});
    straight->system.roundCentreLines = 0;
    straight->SetOrientation(5);
    all = Block(*straight);
    std::vector<Primitive> body(all.end() - 5, all.end());
    ExpectLine(body[1], "P2", -(straight->H - 125 - 30), -80, -(straight->H - 125 - 30), 80);
    EXPECT_EQ(body[3].layer, "0");
    EXPECT_NEAR(body[3].x2, -(straight->H - 125 - 30), 1e-9);
}
