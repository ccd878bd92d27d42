// The TT boxes and housing: TTA, TTB, TTL, TTC/TTD and TTH.
#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/rcs/lrcs_tta.h"
#include "elements/rcs/lrcs_ttc.h"
#include "elements/rcs/lrcs_tth.h"
#include "elements/rcs/rcs_family.h"
#include "elements/tests/element_drawing.h"

namespace {

using TtTerminals = ElementDrawingTest;

template <class T>
std::unique_ptr<T> Make(int16_t id) {
    return std::unique_ptr<T>(dynamic_cast<T*>(CreateElement(kRcsFamily, id)));
}

void ExpectAt(const LConnector* c, double x, double y, double z) {
    EXPECT_DOUBLE_EQ(c->position[0], x);
    EXPECT_DOUBLE_EQ(c->position[1], y);
    EXPECT_DOUBLE_EQ(c->position[2], z);
}

}  // namespace

TEST_F(TtTerminals, TtaPairsItsSizesByTheOneChangedLast) {
    auto tta = Make<LRCsTTA>(24);
    ASSERT_NE(tta, nullptr);
    EXPECT_EQ(Params(*tta), (std::vector<double>{1, 180, 180, 1, 150}));
    ExpectAt(tta->GetConnector(0), -139, 0, 0);
    EXPECT_EQ(tta->GetConnector(0)->a, 180);
    EXPECT_EQ(tta->GetConnector(0)->b, 180);
    // {H size, L size} given -> {H size, L size, nominal H, nominal L}, in turn.
    const double steps[][6] = {
        {280, 180, 280, 280, 180, 180},  // H leads while L stays
        {280, 585, 280, 585, 180, 550},  // the one oblong unit is kept
        {180, 585, 180, 180, 180, 180},  // H leads: L follows it
        {180, 585, 585, 585, 550, 550},  // L leads: the unit is square again
        {300, 300, 300, 300, 180, 180},  // sizes off the list are kept
    };
    for (const auto& s : steps) {
        const double v[] = {2, s[0], s[1], 3, 292};
        EXPECT_EQ(tta->SetParams(v), 0);
        EXPECT_EQ(tta->sizeH, s[2]) << s[0] << " + " << s[1];
        EXPECT_EQ(tta->sizeL, s[3]) << s[0] << " + " << s[1];
        EXPECT_EQ(tta->H, s[4]) << s[0] << " + " << s[1];
        EXPECT_EQ(tta->L, s[5]) << s[0] << " + " << s[1];
        EXPECT_EQ(tta->GetConnector(0)->a, s[2]);
        EXPECT_EQ(tta->GetConnector(0)->b, s[3]);
    }
    ExpectAt(tta->GetConnector(0), -210, 0, 0);
}

TEST_F(TtTerminals, TtaTtlAndTtbTexts) {
    auto tta = Make<LRCsTTA>(24);
    tta->SetSystemRecord(Pens());
    EXPECT_EQ(Description(*tta), "TTA+TTE  H=180;  L=180;  h=150;  G10");
    tta->GetConnector(0)->flow = 320;
    host::io::setScript("100,100\n");
    EXPECT_EQ(tta->UpdateLabel(), 0);
    EXPECT_EQ(tta->GetFlow(), 320);
    EXPECT_EQ(LabelTexts(*tta), (std::vector<std::string>{"TTA+TTE", "180 x 180 x 150", "320 m3/h"}));

    // TTL comes in one size whatever is asked.
    auto ttl = Make<LRCsTTA>(32);
    ASSERT_NE(ttl, nullptr);
    const double v[] = {2, 180, 430, 7, 78};
    ttl->SetParams(v);
    EXPECT_EQ(Params(*ttl), (std::vector<double>{2, 590, 590, 7, 78}));
    EXPECT_EQ(Description(*ttl), "TTL+TTS  H=628;  L=628;  h=78;  G16");
    ExpectAt(ttl->GetConnector(0), -103, 0, 0);

    auto ttb = Make<LRCsTTB>(30);
    ASSERT_NE(ttb, nullptr);
    EXPECT_EQ(Description(*ttb), "TTB+TTE  H=203;  L=203;  h=150;  G10");
    // Codes outside the lists name nothing rather than reading past them.
    const double odd[] = {9, 203, 203, 0, 150, 100};
    ttb->SetParams(odd);
    EXPECT_EQ(Description(*ttb), "TTB+  H=203;  L=203;  h=150;");
}

TEST_F(TtTerminals, TtbIsSquareButForThe305Face) {
    auto ttb = Make<LRCsTTB>(30);
    EXPECT_EQ(Params(*ttb), (std::vector<double>{1, 203, 203, 1, 150, 100}));
    ExpectAt(ttb->GetConnector(0), -131.5, 0, 189);
    EXPECT_EQ(ttb->GetConnector(0)->a, 203);
    EXPECT_EQ(ttb->GetConnector(0)->b, 100);
    // The row names all six values, so fitting reads every one from it.
    EXPECT_EQ(ttb->GetTypeDesc()->paramCount, ttb->GetParamCount());
    const double steps[][3] = {{305, 457, 305}, {305, 610, 610}, {305, 457, 610},
                               {457, 610, 457}, {305, 203, 305}};
    for (const auto& s : steps) {
        const double v[] = {1, s[0], s[1], 1, 150, 100};
        ttb->SetParams(v);
        EXPECT_EQ(ttb->L, s[2]) << s[0] << " x " << s[1];
    }
}

TEST_F(TtTerminals, TtcFaceFollowsTheSpigot) {
    auto ttc = Make<LRCsTTC>(31);
    ASSERT_NE(ttc, nullptr);
    EXPECT_EQ(Params(*ttc), (std::vector<double>{1, 1, 200, 457, 457, 1, 150}));
    ExpectAt(ttc->GetConnector(0), -278.5, 0, 139);
    EXPECT_EQ(ttc->GetConnector(0)->shape, kShapeRound);
    EXPECT_EQ(Description(*ttc), "TTC+TTE  H=457;  L=457;  h=150;  G10");
    struct Step {
        double d, H, L, wantH, wantL;
    };
    const Step steps[] = {
        {200, 457, 610, 305, 610},  // L chosen: the oblong face of 200
        {200, 305, 610, 305, 610},  // L kept: the oblong face from H
        {200, 203, 610, 305, 610},  // a face 200 has not: put back
        {160, 457, 610, 203, 203},  // a new spigot: its first face
        {160, 203, 305, 305, 305},  // L changed last
        {160, 203, 305, 203, 203},  // H changed last
        {250, 203, 203, 575, 575},
        {315, 203, 203, 610, 610},
    };
    for (const Step& s : steps) {
        const double v[] = {1, 1, s.d, s.H, s.L, 1, 150};
        ttc->SetParams(v);
        EXPECT_EQ(ttc->H, s.wantH) << s.d << ": " << s.H << " x " << s.L;
        EXPECT_EQ(ttc->L, s.wantL) << s.d << ": " << s.H << " x " << s.L;
    }
}

TEST_F(TtTerminals, TtdHasItsSpigotOnANeckBehindTheBox) {
    auto ttd = Make<LRCsTTC>(31);
    const double small[] = {2, 3, 160, 203, 203, 2, 150};
    ttd->SetParams(small);
    EXPECT_EQ(ttd->neck, 130);
    ExpectAt(ttd->GetConnector(0), -229, 0, 0);
    EXPECT_EQ(ttd->GetConnector(0)->a, 160);
    EXPECT_EQ(ttd->NameText(), "TTD+TTR");
    const double wider[] = {2, 3, 160, 305, 305, 2, 150};
    ttd->SetParams(wider);
    EXPECT_EQ(ttd->neck, 170);
    const double larger[] = {2, 3, 200, 457, 457, 2, 150};
    ttd->SetParams(larger);
    EXPECT_EQ(ttd->neck, 200);
    ExpectAt(ttd->GetConnector(0), -264, 0, 0);
    // From the front: the spigot's face, then spigot, neck and box, from
    // the connector at -264 to the face at 264.
    std::vector<Primitive> front = Draw(*ttd, 0);
    ASSERT_EQ(front.size(), 10u);
    ExpectLine(front[0], "P1", -264, 100, -264, -100);
    EXPECT_DOUBLE_EQ(front.back().x1, 264);
    EXPECT_TRUE(Draw(*ttd, 2).empty());
}

// A face as wide as the duct it was fitted to (off the catalogue's sizes)
// comes back from the drawing as stored: none of its sizes was changed last.
TEST_F(TtTerminals, TtaFittedFaceComesBackAsStored) {
    auto tta = Make<LRCsTTA>(24);
    const double narrower[] = {1, 180, 550, 1, 150}, wider[] = {1, 1100, 550, 1, 150};
    tta->SetParams(narrower);
    tta->SetParams(wider);
    ASSERT_EQ(Params(*tta), (std::vector<double>{1, 1100, 1100, 1, 150}));
    auto back = Make<LRCsTTA>(24);
    ASSERT_EQ(CopyByXData(*tta, *back), 0);
    EXPECT_EQ(Params(*back), Params(*tta));
}

TEST_F(TtTerminals, BoxesAreDrawnOpenOnTheConnectorSide) {
    auto tta = Make<LRCsTTA>(24);
    for (int16_t o : {0, 3}) {
        std::vector<Primitive> view = Draw(*tta, o);
        double s = o == 0 ? 1 : -1;
        // After the connector's end: three lines of the box, its connector's
        // side open.
        ASSERT_GE(view.size(), 3u) << o;
        ExpectLine(view[view.size() - 3], "0", -s * 139, 90, s * 139, 90);
        ExpectLine(view[view.size() - 1], "0", s * 139, -90, -s * 139, -90);
    }
    auto ttc = Make<LRCsTTC>(31);
    std::vector<Primitive> side = Draw(*ttc, 1);
    ASSERT_EQ(side.size(), 8u);
    EXPECT_EQ(side[6].layer, "P1");  // the spigot's face
    EXPECT_DOUBLE_EQ(side[6].x1, -278.5);
    std::vector<Primitive> top = Draw(*ttc, 0);
    EXPECT_EQ(Count(top, "LINE", "szaggatott"), 2);
    EXPECT_EQ(Count(Draw(*ttc, 3), "LINE", "szaggatott"), 0);
}

TEST_F(TtTerminals, TthHousingFollowsItsConnection) {
    auto tth = Make<LRCsTTH>(25);
    ASSERT_NE(tth, nullptr);
    EXPECT_EQ(tth->GetOrientation(), 1);
    EXPECT_EQ(Params(*tth), (std::vector<double>{200, 420, 0, 0}));
    EXPECT_EQ(tth->A, 380);
    EXPECT_EQ(tth->B, 120);
    ExpectAt(tth->GetConnector(0), 0, 0, 270);
    EXPECT_EQ(Description(*tth), "TTH D=200;  H1=0;  H2=0;  M=420;");
    const double boxes[] = {350, 900, 100, 300};
    tth->SetParams(boxes);
    EXPECT_EQ(tth->M, 900);  // room enough
    EXPECT_EQ(tth->A, 670);
    const double tight[] = {315, 700, 100, 300};
    tth->SetParams(tight);
    EXPECT_EQ(tth->M, 820);
    EXPECT_EQ(tth->Q, 434.87067042969755);
    EXPECT_TRUE(Draw(*tth, 0).empty());
    EXPECT_TRUE(Draw(*tth, 3).empty());
    // Housing 4, divider 1, two boxes of 6, connection 3.
    std::vector<Primitive> side = Draw(*tth, 1);
    ASSERT_EQ(side.size(), 20u);
    ExpectLine(side[0], "0", -178, 410, 432, 410);
    EXPECT_EQ(Count(Draw(*tth, 4), "LINE", "szaggatott"), 13);
    EXPECT_EQ(Count(Draw(*tth, 2), "LINE", "szaggatott"), 0);
}

TEST_F(TtTerminals, TthMirrorSwapsItsSideViews) {
    auto tth = Make<LRCsTTH>(25);
    struct Case {
        int16_t from;
        double rotation;
        int16_t to;
        double turned;
    };
    const double pi = 3.1415926535;
    const Case cases[] = {{1, 0, 2, pi}, {2, 4, 1, 4 - pi}, {4, pi, 5, 2 * pi}, {5, 0.5, 4, 0.5 + pi},
                          {0, 1, 0, 1},  {3, 1, 3, 1},      {7, 1, 7, 1}};
    for (const Case& c : cases) {
        tth->orientation = c.from;
        tth->SetRotation(c.rotation);
        EXPECT_EQ(tth->Mirror(), 0);
        EXPECT_EQ(tth->GetOrientation(), c.to) << c.from;
        EXPECT_DOUBLE_EQ(tth->GetRotation(), c.turned) << c.from;
    }
}
