// KDK and EV, the end pieces VF-18 and VF-19, and the end units BSN and BSK.
#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/rcs/lrcs_ev.h"
#include "elements/rcs/lrcs_kdk.h"
#include "elements/rcs/ltv_bsn_bsk.h"
#include "elements/rcs/lvf_end_cap.h"
#include "elements/rcs/rcs_family.h"
#include "elements/tests/element_drawing.h"

namespace {

using EndUnits = ElementDrawingTest;

template <class T>
std::unique_ptr<T> Make(int16_t id) {
    return std::unique_ptr<T>(dynamic_cast<T*>(CreateElement(kRcsFamily, id)));
}

// A rectangular duct joined to connector 0 of the unit.
std::unique_ptr<LObject> JoinDuct(LObject& unit) {
    std::unique_ptr<LObject> duct(CreateElement(1, 1));
    SetElementHandle(duct.get(), "3A");
    SetElementHandle(&unit, "3B");
    unit.Connect(duct.get(), 0, 0);
    return duct;
}

}  // namespace

TEST_F(EndUnits, HatchedFrameSteps) {
    auto kdk = Make<LRCsKDK>(22);
    ASSERT_NE(kdk, nullptr);
    EXPECT_EQ(kdk->GetOrientation(), 1);
    EXPECT_EQ(kdk->GetConnector(0)->shape, kShapeRect);
    std::vector<Primitive> small = Block(*kdk);
    ASSERT_EQ(small.size(), 4u + 2);
    ExpectLine(small[0], "0", -115, 0, 115, 0);
    ExpectLine(small[4], "P2", 40, 0, 80, -40);
    ExpectLine(small[5], "P2", -80, 0, -40, -40);

    const double wide[] = {500, 200, 2};
    kdk->SetParams(wide);
    std::vector<Primitive> hatch = Draw(*kdk, 1);
    ASSERT_EQ(hatch.size(), 4u + 4 + 2);
    ExpectLine(hatch[8], "P2", 280, 0, 290, -10);
    ExpectLine(hatch[9], "P2", -290, -30, -280, -40);
    // Mirrored from the other side; the end view spans H.
    ExpectLine(Draw(*kdk, 4)[4], "P2", -40, 0, -80, -40);
    ExpectLine(Draw(*kdk, 2)[0], "0", -140, 0, 140, 0);
    EXPECT_TRUE(Draw(*kdk, 0).empty());
    EXPECT_TRUE(Draw(*kdk, 3).empty());
    EXPECT_EQ(Description(*kdk), "KDK+L  B=500;  H=200;");
    EXPECT_EQ(kdk->GetConnector(0)->a, 500);
    EXPECT_EQ(kdk->GetConnector(0)->b, 200);

    // A size no duct has: the hatch stops at its bound.
    const double huge[] = {1e12, 200, 3};
    kdk->SetParams(huge);
    EXPECT_LE(Draw(*kdk, 1).size(), 4u + 2 * (LRCsHatchedFrame::kMaxHatchSteps / 3 + 1));
    EXPECT_EQ(kdk->NameText(), "KDK+F");

    auto ev = Make<LRCsEV>(23);
    ASSERT_NE(ev, nullptr);
    EXPECT_EQ(Params(*ev), (std::vector<double>{150, 150}));
    EXPECT_EQ(Description(*ev), "EV  B=150;  H=150;");
    EXPECT_EQ(Draw(*ev, 5).size(), 6u);
}

TEST_F(EndUnits, RoundEndPiecesFollowTheDiameter) {
    auto vf18 = Make<LVf18>(26);
    ASSERT_NE(vf18, nullptr);
    EXPECT_EQ(vf18->L, 120);
    EXPECT_DOUBLE_EQ(vf18->GetConnector(0)->position[0], -60);
    const double zero[] = {0};
    vf18->SetParams(zero);
    EXPECT_EQ(vf18->d, 100);
    EXPECT_EQ(Description(*vf18), "VF-18  d=100;");
    EXPECT_EQ(vf18->UpdateLabel(), 0);
    EXPECT_EQ(vf18->labelCount, 1);

    auto vf19 = Make<LVf19>(27);
    ASSERT_NE(vf19, nullptr);
    EXPECT_DOUBLE_EQ(vf19->L, 0.5773502691896 * 100 + 80);
    EXPECT_DOUBLE_EQ(vf19->GetConnector(0)->position[0], -vf19->L / 2);
    // The centre lines follow the round ducts' switch.
    vf19->system.roundCentreLines = 0;
    std::vector<Primitive> plain = Block(*vf19);
    vf19->system.roundCentreLines = 1;
    std::vector<Primitive> with = Block(*vf19);
    EXPECT_EQ(with.size(), plain.size() + 1);
    EXPECT_EQ(with.back().layer, "PC");
    vf19->orientation = 1;
    EXPECT_EQ(Count(Block(*vf19), "ELLIPSE"), 1);
}

TEST_F(EndUnits, BsnVariantFromItsSize) {
    auto bsn = Make<LTvBSN>(28);
    ASSERT_NE(bsn, nullptr);
    EXPECT_EQ(bsn->E1, 1000);
    EXPECT_EQ(bsn->E2, 500);
    EXPECT_EQ(bsn->E3, 200);
    EXPECT_DOUBLE_EQ(bsn->GetConnector(0)->position[0], -250);
    EXPECT_EQ(Description(*bsn), "BSN-1  A=200;  B=200;");
    EXPECT_EQ(bsn->UpdateLabel(), 0);

    struct Free {
        double variant, A, toA;
    };
    for (const Free& f : {Free{2, 800, 630}, Free{3, 900, 800}, Free{3, 1200, 1000},
                          Free{4, 300, 500}, Free{4, 2000, 1250}}) {
        const double v[] = {f.variant, f.A, 10};
        bsn->SetParams(v);
        EXPECT_EQ(bsn->A, f.toA) << f.variant << "/" << f.A;
        EXPECT_EQ(bsn->B, f.toA) << f.variant << "/" << f.A;
    }
    EXPECT_EQ(Description(*bsn), "BSN-4  A=1250;");

    auto duct = JoinDuct(*bsn);
    struct Joined {
        double variant, A, B, toVariant;
    };
    for (const Joined& j : {Joined{2, 400, 300, 1}, Joined{1, 1200, 1200, 4}, Joined{4, 450, 450, 3},
                            Joined{3, 900, 900, 1}, Joined{2, 700, 700, 1}, Joined{3, 700, 700, 3}}) {
        const double v[] = {j.variant, j.A, j.B};
        bsn->SetParams(v);
        EXPECT_EQ(bsn->variant, j.toVariant) << j.A << " x " << j.B;
        EXPECT_EQ(bsn->A, j.A);
    }
    EXPECT_EQ(bsn->GetConnector(0)->a, 700);

    // Variants 2 to 4 draw their figure in every view; variant 1 only in
    // plan and from the side.
    for (int16_t o = 0; o < 6; ++o)
        EXPECT_GT(Draw(*bsn, o).size(), 10u) << o;
    const double v1[] = {1, 400, 300};
    bsn->SetParams(v1);
    EXPECT_EQ(Count(Draw(*bsn, 0), "ARC"), 2);
    // From the end only the connector and the centre line.
    std::vector<Primitive> end = Draw(*bsn, 2);
    EXPECT_EQ(Count(end, "ARC"), 0);
    EXPECT_EQ(end.back().layer, "PC");
}

TEST_F(EndUnits, BskLengthsByVariant) {
    auto bsk = Make<LTvBSK>(29);
    ASSERT_NE(bsk, nullptr);
    EXPECT_EQ(bsk->E1, 600);
    EXPECT_EQ(bsk->E2, 400);
    EXPECT_DOUBLE_EQ(bsk->GetConnector(0)->position[0], -200);
    const double cases[][4] = {{2, 300, 500, 550}, {3, 300, 550, 400}, {4, 300, 550, 550},
                               {7, 400, 550, 550}};  // no such variant: the lengths stay
    for (const auto& c : cases) {
        const double v[] = {c[0], c[1]};
        bsk->SetParams(v);
        EXPECT_EQ(bsk->E1, c[2]) << c[0];
        EXPECT_EQ(bsk->E2, c[3]) << c[0];
    }
    EXPECT_EQ(Description(*bsk), "  D=400;");
    EXPECT_EQ(bsk->GetConnector(0)->a, 400);
    const double v1[] = {1, 200};
    bsk->SetParams(v1);
    EXPECT_EQ(Description(*bsk), "BSK-1  D=200;");
    EXPECT_EQ(Count(Draw(*bsk, 1), "CIRCLE"), 1 + Count(Draw(*bsk, 2), "CIRCLE"));
}
