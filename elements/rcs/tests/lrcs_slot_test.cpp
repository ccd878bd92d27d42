// The slot terminals SB and BPS, and BPN.
#include <memory>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/rcs/lrcs_bpn.h"
#include "elements/rcs/lrcs_bps.h"
#include "elements/rcs/lrcs_sb.h"
#include "elements/rcs/rcs_family.h"
#include "elements/tests/element_drawing.h"

namespace {

using SlotTerminals = ElementDrawingTest;

template <class T>
std::unique_ptr<T> Make(int16_t id) {
    return std::unique_ptr<T>(dynamic_cast<T*>(CreateElement(kRcsFamily, id)));
}

// A spiral duct joined to connector 0 of the terminal.
std::unique_ptr<LObject> JoinDuct(LObject& terminal) {
    std::unique_ptr<LObject> duct(CreateElement(2, 1));
    SetElementHandle(duct.get(), "2A");
    SetElementHandle(&terminal, "2B");
    terminal.Connect(duct.get(), 0, 0);
    return duct;
}

std::vector<double> Xs(const LObject& e) {
    std::vector<double> out;
    for (int16_t i = 0; i < e.GetConnectorCount(); ++i)
        out.push_back(e.GetConnector(i)->position[0]);
    return out;
}

}  // namespace

TEST_F(SlotTerminals, SbLengthAndWidthChooseTheSpigot) {
    auto sb = Make<LRCsSB>(16);
    ASSERT_NE(sb, nullptr);
    EXPECT_EQ(Params(*sb), (std::vector<double>{1, 160, 900, 1}));
    EXPECT_EQ(sb->G, 74);
    const double wide[] = {1, 160, 900, 5};
    sb->SetParams(wide);
    EXPECT_EQ(sb->D, 200);
    EXPECT_EQ(Xs(*sb), (std::vector<double>{225, -225, -225, 225}));
    EXPECT_DOUBLE_EQ(sb->GetConnector(0)->position[1], -(226.0 / 2 + 50));
    // Too short for five widths: back to four, and the width with it.
    const double shortL[] = {1, 200, 300, 5};
    sb->SetParams(shortL);
    EXPECT_EQ(Params(*sb), (std::vector<double>{1, 125, 300, 4}));
    EXPECT_EQ(sb->G, 188);
    EXPECT_DOUBLE_EQ(sb->GetConnector(0)->position[1], -(188.0 / 2 + 50));
    EXPECT_EQ(Xs(*sb), (std::vector<double>{0, 0, 0, 0}));
    const double raised[] = {1, 125, 300, 5};
    sb->SetParams(raised);
    EXPECT_EQ(Params(*sb), (std::vector<double>{1, 200, 600, 5}));
    EXPECT_EQ(sb->G, 226);
    // A rebuilt element keeps its connectors where they were.
    auto back = Make<LRCsSB>(16);
    ASSERT_EQ(CopyByXData(*sb, *back), 0);
    EXPECT_EQ(Params(*back), Params(*sb));
    EXPECT_DOUBLE_EQ(back->GetConnector(1)->position[1], sb->GetConnector(1)->position[1]);
}

TEST_F(SlotTerminals, SbJoinedFollowsItsSpigot) {
    auto sb = Make<LRCsSB>(16);
    auto duct = JoinDuct(*sb);
    ASSERT_FALSE(sb->GetConnector(0)->IsFree());
    const double d160[] = {1, 160, 1500, 6};
    sb->SetParams(d160);
    EXPECT_EQ(Params(*sb), (std::vector<double>{1, 160, 900, 4}));
    const double d250[] = {4, 250, 900, 1};
    sb->SetParams(d250);
    EXPECT_EQ(Params(*sb), (std::vector<double>{4, 250, 1500, 5}));
    // SB-DD: spigots on both long sides.
    EXPECT_EQ(sb->GetConnector(1)->side, 4);
    EXPECT_EQ(sb->GetConnector(3)->side, 4);
    EXPECT_EQ(sb->GetConnector(2)->side, 1);
    EXPECT_GT(sb->GetConnector(3)->position[1], 0);
    std::vector<Primitive> plan = Draw(*sb, 0);
    EXPECT_EQ(Count(plan, "LINE", "szaggatott"), 2);
    // Face 4, diagonals 2, box sides 2 + 3 + 3 pieces, 4 spigots of 3.
    EXPECT_EQ(plan.size(), 4u + 2 + 8 + 12);
    EXPECT_EQ(Draw(*sb, 5).size(), 3u + 1 + 1 + 6);
    const double sa[] = {9, 250, 1500, 5};
    sb->SetParams(sa);
    EXPECT_EQ(sb->GetConnector(3)->side, 1);
    EXPECT_EQ(Draw(*sb, 3).size(), 4u + 4 + 2 + 6);
    EXPECT_TRUE(Draw(*sb, 1).empty());
    // The label carries the air of the first two spigots.
    sb->GetConnector(0)->flow = 300;
    sb->GetConnector(1)->flow = 200;
    sb->GetConnector(2)->flow = 999;
    sb->SetSystemRecord(Pens());
    host::io::setScript("0,0\n");
    EXPECT_EQ(sb->UpdateLabel(), 0);
    EXPECT_EQ(LabelTexts(*sb), (std::vector<std::string>{"SA-DD", "1500 x 226", "500 m3/h"}));
}

TEST_F(SlotTerminals, BpsWidthAndSpigotGoTogether) {
    auto bps = Make<LRCsBPS>(17);
    ASSERT_NE(bps, nullptr);
    EXPECT_EQ(Params(*bps), (std::vector<double>{125, 1000, 1, 0, 0, 0}));
    const double n3[] = {125, 1000, 3, 1, 1, 0};
    bps->SetParams(n3);
    EXPECT_EQ(bps->D, 200);
    EXPECT_EQ(bps->N, 3);
    EXPECT_EQ(bps->G, 145.2);
    EXPECT_EQ(Description(*bps), "BPS+E+R  L=1000;  G=145.2;");
    EXPECT_EQ(Xs(*bps), (std::vector<double>{250, -250}));
    const double shortL[] = {250, 257, 3, 0, 0, 1};
    bps->SetParams(shortL);
    EXPECT_EQ(Params(*bps), (std::vector<double>{125, 257, 1, 0, 0, 1}));
    EXPECT_EQ(bps->G, 68.5);

    auto duct = JoinDuct(*bps);
    const double d160[] = {160, 1000, 5, 0, 0, 0};
    bps->SetParams(d160);
    EXPECT_EQ(bps->N, 2);
    const double shortJoined[] = {250, 257, 4, 0, 0, 0};
    bps->SetParams(shortJoined);
    EXPECT_EQ(Params(*bps), (std::vector<double>{250, 505, 4, 0, 0, 0}));
    std::vector<Primitive> plan = Draw(*bps, 0);
    EXPECT_EQ(plan.size(), 4u + 2 + 6 + 6);
    EXPECT_EQ(Draw(*bps, 2).size(), 3u + 1 + 1 + 3);
}

TEST_F(SlotTerminals, BpnSpigotOnTheBoxOrItsSide) {
    auto bpn = Make<LRCsBPN>(18);
    ASSERT_NE(bpn, nullptr);
    EXPECT_DOUBLE_EQ(bpn->GetConnector(0)->position[0], -125);
    EXPECT_EQ(bpn->GetQuantity(), 595.0 * 595);
    EXPECT_EQ(Description(*bpn), "BPN-F-N1  A=595;");
    for (int16_t o = 0; o < 6; ++o)
        EXPECT_EQ(Draw(*bpn, o).size(), 4u + 3) << o;
    const double side[] = {3, 200, 498, 2};
    bpn->SetParams(side);
    EXPECT_DOUBLE_EQ(bpn->GetConnector(0)->position[0], -(249.0 + 50));
    EXPECT_DOUBLE_EQ(bpn->GetConnector(0)->position[2], 15);
    EXPECT_EQ(bpn->NameText(), "BPN-L-N2");
    std::vector<Primitive> plan = Draw(*bpn, 0);
    ASSERT_EQ(plan.size(), 4u + 3 + 1 + 4);
    EXPECT_EQ(Count(plan, "LINE", "szaggatott"), 4);
    EXPECT_EQ(Draw(*bpn, 4).size(), 4u + 3);
    EXPECT_TRUE(Draw(*bpn, 2).empty());
    EXPECT_TRUE(Draw(*bpn, 5).empty());
}
