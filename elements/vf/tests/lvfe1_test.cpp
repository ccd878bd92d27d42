// The composite round bend VFE-01: the twist by orientation, the pieces and
// label slots, its bill of materials (two elbows, the pieces, the rest and
// the couplings), Mirror, and the block: the end view's twisted second
// elbow and the side view's joints counted from the same end as the labels.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/tests/element_drawing.h"
#include "elements/tests/run_test.h"
#include "core/system_list.h"
#include "host/io/io.h"
#include "elements/vf/lvfe1.h"

namespace {

using VfE1 = ElementTest;
using VfE1Block = ElementDrawingTest;
using VfE1Labels = RunTest;

enum { kTwist, kD, kL, kM, kN, kPiece };

std::unique_ptr<LVfE1> Made(std::vector<double> v = {}) {
    std::unique_ptr<LVfE1> e(dynamic_cast<LVfE1*>(CreateElement(2, 11)));
    if (e && !v.empty())
        e->SetParams(v.data());
    return e;
}

// The element's values with a new twist, applied.
void Twist(LVfE1& e, double twist) {
    std::vector<double> v = Params(e);
    v[kTwist] = twist;
    e.SetParams(v.data());
}

}  // namespace

TEST_F(VfE1, NewBendTakesTheDefaultsAndTheDocumentsPieceLength) {
    state.defaults.roundPieceLength = 3000;
    auto e = Made();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(Params(*e), (std::vector<double>{0, 100, 1000, 1, 4, 3000}));
    EXPECT_EQ(e->GetConnector(0)->position[0], 100);
    EXPECT_EQ(e->GetConnector(0)->position[2], -600);
    EXPECT_EQ(e->GetConnector(1)->position[0], -100);
    EXPECT_EQ(e->GetConnector(1)->position[2], 600);
    EXPECT_EQ(Description(*e).substr(0, 6), "VFE-01");
    // A piece length, length or diameter that is no size keeps the old one.
    e->SetParams(std::vector<double>{0, -100, -50, 0, 0, 0}.data());
    EXPECT_EQ(Params(*e), (std::vector<double>{0, 100, 1000, 1, 4, 3000}));
    e->SetParams(std::vector<double>{0, 0, NAN, -1, 0, -6000}.data());
    EXPECT_EQ(Params(*e), (std::vector<double>{0, 100, 1000, 1, 4, 3000}));
}

TEST_F(VfE1, TwistHeldByTheOrientation) {
    auto e = Made();
    Twist(*e, 120);
    EXPECT_EQ(e->twist, 90);
    Twist(*e, -95);
    EXPECT_EQ(e->twist, -90);
    e->SetOrientation(1);
    Twist(*e, 120);
    EXPECT_EQ(e->twist, 0);
    e->SetOrientation(3);
    Twist(*e, 30);
    EXPECT_NEAR(e->GetConnector(1)->position[1], -100 * std::sin(30 * kPi / 180), 1e-9);
    EXPECT_NEAR(e->GetConnector(1)->angle, 30 * kPi / 180, 1e-12);
    // Mirrored, the outlet and its label (the last) go to the other side of
    // the x axis.
    uint16_t labels = 0;
    e->GetLabelCount(&labels);
    ASSERT_EQ(labels, 3);
    const double labelY = e->GetLabel(2)->point[1];
    EXPECT_LT(labelY, 0);
    EXPECT_EQ(e->Mirror(), 0);
    EXPECT_EQ(e->twist, -30);
    EXPECT_GT(e->GetConnector(1)->position[1], 0);
    EXPECT_NEAR(e->GetLabel(2)->point[1], -labelY, 1e-9);
    // From the side, mirroring turns the element over.
    e->SetOrientation(1);
    e->SetRotation(0.5);
    e->Mirror();
    EXPECT_EQ(e->GetOrientation(), 4);
    EXPECT_NEAR(e->GetRotation(), 0.5 + kPi, 1e-12);
    e->Mirror();
    EXPECT_EQ(e->GetOrientation(), 1);
    EXPECT_NEAR(e->GetRotation(), 0.5, 1e-12);
}

TEST_F(VfE1, BillOfMaterialsListsElbowsPiecesAndCouplings) {
    struct Case {
        double L, d;
        std::vector<std::string> texts;
        uint16_t count, extra;
    } cases[] = {
        {0, 100, {"VF-04  d=100;  m=1;  n=4;", "VF-04  d=100;  m=1;  n=4;", "VF-02  d=100;"}, 2, 1},
        {12000, 100,
         {"VF-04  d=100;  m=1;  n=4;", "SPIRO  d=100;  l=6000;", "SPIRO  d=100;  l=6000;",
          "VF-04  d=100;  m=1;  n=4;", "VF-01  d=100;"}, 4, 1},
        {1000, 801, {"KS-04  d=801;  m=1;  n=4;", "SPIRO  d=801;  l=1000;", "KS-04  d=801;  m=1;  n=4;"}, 3, 0},
        {7500, 100,
         {"VF-04  d=100;  m=1;  n=4;", "SPIRO  d=100;  l=6000;", "SPIRO  d=100;  l=1500;",
          "VF-04  d=100;  m=1;  n=4;", "VF-01  d=100;"}, 4, 1},
        {6000, 100, {"VF-04  d=100;  m=1;  n=4;", "SPIRO  d=100;  l=6000;", "VF-04  d=100;  m=1;  n=4;"}, 3, 0},
    };
    for (const Case& k : cases) {
        auto e = Made({0, k.d, k.L, 0, 0, 6000});
        e->GetConnector(0)->flow = 500;
        BomRows r = BomOf(*e);
        EXPECT_EQ(r.texts, k.texts) << k.L;
        EXPECT_EQ(r.count, k.count) << k.L;
        EXPECT_EQ(r.extra, k.extra) << k.L;
        uint16_t labels = 0;
        e->GetLabelCount(&labels);
        EXPECT_EQ(labels, k.count) << k.L;
        EXPECT_EQ(r.flows[0].substr(0, 9), "Vd=500 m3") << k.L;
        if (k.extra) {
            EXPECT_EQ(r.quantities.back(), 1);
        }
    }
    auto many = Made({0, 100, 30500, 0, 0, 6000});  // five pieces and a rest: five joints
    EXPECT_EQ(BomOf(*many).quantities.back(), 5);
    // A stored piece length of next to nothing would cut countless pieces:
    // the run is one piece of its own length.
    auto uncut = Made({0, 100, 7500, 0, 0, 4.9e-324});
    BomRows r = BomOf(*uncut);
    EXPECT_EQ(r.count, 3);
    EXPECT_EQ(r.texts[1], "SPIRO  d=100;  l=7500;");
    EXPECT_TRUE(uncut->uncutRun.uncut);
    EXPECT_EQ(Params(*uncut)[kPiece], 4.9e-324);
}

TEST_F(VfE1Block, SideViewJointsFallWhereThePiecesOfTheLabelsMeet) {
    auto e = Made({0, 200, 7500, 1, 4, 3000});  // two pieces from connector 1's end, a rest of 1500
    e->SetOrientation(1);
    std::vector<Primitive> all = Block(*e);
    std::vector<double> joints;
    for (const Primitive& p : all)
        if (p.layer == "P1" && p.y1 == p.y2 && std::fabs(p.y1) < 3750 - 1e-9)
            joints.push_back(p.y1);
    EXPECT_EQ(joints, (std::vector<double>{750, -2250}));
    // Each label between two joints (or a joint and an end).
    EXPECT_EQ(e->GetLabel(1)->point[2], 2250);
    EXPECT_EQ(e->GetLabel(2)->point[2], -750);
    EXPECT_EQ(e->GetLabel(3)->point[2], -3000);
    EXPECT_EQ(Count(all, "ARC"), 4 + 2);
    // The elbows meeting: one line across, no edges.
    e->SetParams(std::vector<double>{0, 0, 0, 0, 0, 0}.data());
    all = Block(*e);
    EXPECT_EQ(Count(all, "LINE") - Count(all, "LINE", "KOZEP"), 2 + 1);
}

TEST_F(VfE1Block, EndViewTurnsTheSecondElbow) {
    auto e = Made({60, 200, 1000, 1, 4, 6000});
    e->system.roundCentreLines = 1;
    std::vector<Primitive> all = Draw(*e, 0);
    std::vector<Primitive> body(all.end() - 11, all.end());
    const double a = 60 * kPi / 180, h = 100, R = 200;
    // The first elbow's edges, the lower one stopping short where the
    // twisted one hides it.
    ExpectLine(body[0], "0", R, h, 0, h);
    ExpectLine(body[1], "0", R, -h, h * std::tan(a / 2), -h);
    EXPECT_EQ(body[2].linetype, "szaggatott");
    ExpectLine(body[3], "0", -h * std::sin(a), h * std::cos(a), -(R * std::cos(a) + h * std::sin(a)),
               -R * std::sin(a) + h * std::cos(a));
    EXPECT_EQ(body[5].type, "ARC");
    EXPECT_NEAR(body[5].a0, a - kHalfPi, 1e-9);
    EXPECT_EQ(body[7].type, "ELLIPSE");
    EXPECT_EQ(body[10].layer, "PC");
    EXPECT_NEAR(body[10].x1, -h * std::sin(a / 2), 1e-9);
}

TEST_F(VfE1Labels, SideViewDimensionsTheRunAndNamesBothEnds) {
    NewDrawing("HV1");
    ASSERT_EQ(InsertSystem(state.systemList, &system), 0);  // the size texts take its text style
    LObject* e = Make(2, 11);
    ASSERT_NE(e, nullptr);
    host::io::setScript("0,900\n");
    EXPECT_EQ(e->UpdateLabel(), 0);  // seen along the run: nothing
    EXPECT_EQ(DimensionTexts().size(), 0u);
    e->SetOrientation(1);
    e->UpdateLabel();
    EXPECT_EQ(DimensionTexts(), (std::vector<std::string>{"1000"}));
    EXPECT_EQ(e->GetMarkCount(), 2);  // the diameter beside each end
}
