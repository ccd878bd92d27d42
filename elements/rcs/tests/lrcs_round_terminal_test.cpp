// The terminals joined through a round connector of their own: KRE, KA,
// KF, KP, DAF and PTRD.
#include <memory>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "core/null_handle.h"
#include "db/database.h"
#include "elements/rcs/lrcs_daf.h"
#include "elements/rcs/lrcs_ka.h"
#include "elements/rcs/lrcs_kf.h"
#include "elements/rcs/lrcs_kp.h"
#include "elements/rcs/lrcs_kre.h"
#include "elements/rcs/lrcs_ptrd.h"
#include "elements/rcs/rcs_family.h"
#include "elements/tests/element_drawing.h"

namespace {

using SpigotTerminals = ElementDrawingTest;

template <class T>
std::unique_ptr<T> Make(int16_t id) {
    return std::unique_ptr<T>(dynamic_cast<T*>(CreateElement(kRcsFamily, id)));
}

// The radii of the circles of an element's block as its orientation stands.
std::vector<double> CircleRadii(LObject& e) {
    char name[kBlockNameSize] = "";
    e.MakeBlock(name);
    std::vector<double> radii;
    host::db::Database* db = host::api::currentDatabase();
    const host::db::Block* block = db->block(db->findRecord(host::db::Table::BlockRecord, name));
    for (auto slot : block ? block->entities : decltype(block->entities){}) {
        const host::db::Object* o = db->object(slot);
        if (o->typeName() == std::string("CIRCLE"))
            if (const host::db::Group* g = host::db::findGroup(*o, 40))
                radii.push_back(g->asReal());
    }
    return radii;
}

}  // namespace

TEST_F(SpigotTerminals, KreNamesItsChoicesAsTheDialogOffersThem) {
    auto kre = Make<LRCsKre>(33);
    ASSERT_NE(kre, nullptr);
    EXPECT_EQ(kre->GetKind(), 8);
    EXPECT_EQ(kre->GetConnector(0)->shape, kShapeRound);
    EXPECT_EQ(kre->GetConnector(0)->a, 200);
    EXPECT_EQ(Description(*kre), "KRE  D=200;");
    struct Case {
        double type, mounting, accessory;
        const char* name;
    };
    const Case cases[] = {{2, 2, 1, "RME+FG"}, {1, 1, 3, "KRE+KRT"}, {3, 3, 2, "RME-FP+FH+KPP"},
                          {4, 9, 0, ""}};
    for (const Case& c : cases) {
        const double v[] = {c.type, 400, c.mounting, c.accessory};
        kre->SetParams(v);
        EXPECT_EQ(kre->NameText(), c.name) << c.type << "/" << c.mounting << "/" << c.accessory;
    }
    // The dialog's lists are the ones the texts come from.
    const LTypeDescriptor* row = kre->GetTypeDesc();
    EXPECT_STREQ(DescListText(row, 2, 1), "FG");
    EXPECT_STREQ(DescListText(row, 3, 1), "KPP");
}

TEST_F(SpigotTerminals, KreDrawsItsVanesAndTheSquareFrame) {
    auto kre = Make<LRCsKre>(33);
    std::vector<Primitive> plan = Draw(*kre, 0);
    ASSERT_EQ(plan.size(), 8u);
    EXPECT_EQ(Count(plan, "LINE", "szaggatott"), 8);
    ExpectLine(plan[1], "P2", 40, 0, 60, 0);
    const double rme[] = {2, 200, 1, 1};
    kre->SetParams(rme);
    std::vector<Primitive> below = Draw(*kre, 3);
    ASSERT_EQ(below.size(), 12u);
    ExpectLine(below[0], "P2", -120, 120, 120, 120);
    EXPECT_EQ(Count(below, "LINE", "szaggatott"), 0);
    std::vector<Primitive> side = Draw(*kre, 2);
    ASSERT_EQ(side.size(), 1u);
    ExpectLine(side[0], "P2", -120, -20, 120, -20);
}

TEST_F(SpigotTerminals, KaFaceFollowsItsNeckFromTheStart) {
    auto ka = Make<LRCsKa>(34);
    ASSERT_NE(ka, nullptr);
    // Drawn before any value was read back: the face is already there.
    ka->SetSystemRecord(Pens());
    EXPECT_EQ(CircleRadii(*ka), (std::vector<double>{100, 150, 30, 60, 90, 120}));
    const double sizes[][2] = {{160, 300}, {200, 375}, {250, 450}, {315, 525}};
    for (const auto& s : sizes) {
        const double v[] = {2, s[0]};
        ka->SetParams(v);
        EXPECT_EQ(ka->S, s[1]) << s[0];
    }
    EXPECT_EQ(Description(*ka), "KA-2  d=315;");
    ka->orientation = 3;  // no rim from below
    EXPECT_EQ(CircleRadii(*ka), (std::vector<double>{262.5, 52.5, 105, 157.5, 210}));
    std::vector<Primitive> side = Draw(*ka, 1);
    ASSERT_EQ(side.size(), 9u);
    ExpectLine(side[1], "P1", -157.5, 0, 157.5, 0);
    ExpectLine(side.back(), "0", -262.5, -110, 262.5, -110);
}

TEST_F(SpigotTerminals, KfWidthAndHeightFollowTypeAndDiameter) {
    auto kf = Make<LRCsKf>(35);
    ASSERT_NE(kf, nullptr);
    EXPECT_EQ(kf->W, 400);
    EXPECT_EQ(kf->K, 0);
    EXPECT_DOUBLE_EQ(kf->GetConnector(0)->position[2], 350);
    struct Case {
        double type, d, H;
        int16_t wantType;
        double W, K, wantH;
    };
    const Case cases[] = {
        {3, 250, 600, 3, 635, 35, 600},     {4, 630, 1200, 2, 1000, 0, 1200},
        {1, 500, 600, 1, 800, 0, 1200},     {2, 315, 1800, 2, 500, 0, 1200},
        {5, 800, 1800, 2, 1250, 0, 1800},   {5, 630, 1800, 5, 1480, 0, 1800},
        {1, 400, 600, 1, 630, 0, 600},
    };
    for (const Case& c : cases) {
        const double v[] = {c.type, c.d, c.H};
        kf->SetParams(v);
        EXPECT_EQ(kf->type, c.wantType) << c.type << "/" << c.d;
        EXPECT_EQ(kf->W, c.W) << c.type << "/" << c.d;
        EXPECT_EQ(kf->K, c.K) << c.type << "/" << c.d;
        EXPECT_EQ(kf->H, c.wantH) << c.type << "/" << c.d;
    }
    // A type outside the list keeps the width it had.
    const double odd[] = {7, 250, 600};
    kf->SetParams(odd);
    EXPECT_EQ(kf->W, 630);
    EXPECT_EQ(kf->NameText(), "");
}

TEST_F(SpigotTerminals, KfFacePatternStaggersItsRows) {
    auto kf = Make<LRCsKf>(35);
    EXPECT_EQ(kf->PatternColumns(), 2);
    EXPECT_EQ(kf->PatternRows(), 3);
    EXPECT_EQ(kf->PatternStep(), 50);
    std::vector<Primitive> side = Draw(*kf, 1);
    std::vector<Primitive> vanes;
    for (const Primitive& p : side)
        if (p.layer == "P2")
            vanes.push_back(p);
    ASSERT_EQ(vanes.size(), 8u);
    ExpectLine(vanes[0], "P2", -125, 0, -25, 0);
    ExpectLine(vanes[1], "P2", 25, 0, 125, 0);
    ExpectLine(vanes[2], "P2", -50, 120, 50, 120);
    ExpectLine(vanes[3], "P2", -50, -120, 50, -120);
    ExpectLine(vanes[4], "P2", -125, 240, -25, 240);
    ExpectLine(vanes[7], "P2", 25, -240, 125, -240);
    // The shelled type closes its shell at the sides.
    const double shell[] = {3, 250, 600};
    kf->SetParams(shell);
    EXPECT_EQ(Count(Draw(*kf, 4), "LINE") - 8, 9);
    // A damaged height draws a bounded pattern.
    const double tall[] = {1, 800, 1e12};
    kf->SetParams(tall);
    EXPECT_EQ(kf->PatternRows(), LRCsKf::kMaxPatternRows);
    EXPECT_LT(Draw(*kf, 1).size(), 2u * 4 * LRCsKf::kMaxPatternRows + 10);
}

TEST_F(SpigotTerminals, KpIsAlways100OnANeckOf100To500) {
    auto kp = Make<LRCsKp>(36);
    ASSERT_NE(kp, nullptr);
    const double cases[][3] = {{0, 50, 100}, {250, 800, 500}, {100, 320, 320}};
    for (const auto& c : cases) {
        const double v[] = {c[0], c[1]};
        kp->SetParams(v);
        EXPECT_EQ(Params(*kp), (std::vector<double>{100, c[2]})) << c[1];
        EXPECT_EQ(kp->GetConnector(0)->a, 100);
    }
    EXPECT_EQ(Description(*kp), "KP  L=320;");
    std::vector<Primitive> side = Draw(*kp, 2);
    ASSERT_EQ(side.size(), 5u);
    ExpectLine(side[0], "0", -50, -320, -50, 0);
    EXPECT_EQ(side[4].type, "ARC");
}

TEST_F(SpigotTerminals, DafSizeNumberAndSpigotMoveTogether) {
    auto daf = Make<LRCsDAF>(37);
    ASSERT_NE(daf, nullptr);
    EXPECT_EQ(Params(*daf), (std::vector<double>{1, 125, 900, 1, 1, 1}));
    EXPECT_EQ(daf->B, 40);
    for (int i = 0; i < 2; ++i) {
        EXPECT_DOUBLE_EQ(daf->GetConnector(i)->position[0], 0);
        EXPECT_DOUBLE_EQ(daf->GetConnector(i)->position[1], -70);
        EXPECT_DOUBLE_EQ(daf->GetConnector(i)->position[2], 40);
    }
    EXPECT_EQ(Description(*daf), "P-DAF-S  L=900;  B=40;");
    // Free: a new size number brings its spigot.
    const double third[] = {1, 125, 900, 3, 1, 1};
    daf->SetParams(third);
    EXPECT_EQ(daf->d, 200);
    EXPECT_EQ(daf->B, 115);
    // The size number unchanged: it follows the spigot.
    const double spigot[] = {1, 180, 900, 3, 1, 1};
    daf->SetParams(spigot);
    EXPECT_EQ(daf->sizeNumber, 2);
    EXPECT_EQ(daf->B, 77);
    // Values read back bring their own spigot, which they keep.
    auto back = Make<LRCsDAF>(37);
    ASSERT_EQ(CopyByXData(*daf, *back), 0);
    EXPECT_EQ(Params(*back), (std::vector<double>{1, 180, 900, 2, 1, 1}));
    // Joined: the spigot stays and the size number is set back from it;
    // out of range it is clamped first.
    daf->GetConnector(1)->neighbourHandle = CopyHandleText("2A");
    const double joined[] = {2, 180, 900, 9, 3, 0};
    daf->SetParams(joined);
    EXPECT_EQ(daf->d, 180);
    EXPECT_EQ(daf->sizeNumber, 2);
    EXPECT_EQ(daf->NameText(), "DAF-R+VFP");
}

TEST_F(SpigotTerminals, DafLongFacesHaveTwoSpigots) {
    auto daf = Make<LRCsDAF>(37);
    const double longer[] = {1, 125, 1500, 1, 2, 0};
    daf->SetParams(longer);
    EXPECT_DOUBLE_EQ(daf->GetConnector(0)->position[0], 375);
    EXPECT_DOUBLE_EQ(daf->GetConnector(1)->position[0], -375);
    std::vector<Primitive> top = Draw(*daf, 0);
    EXPECT_EQ(Count(top, "LINE"), 4 + 2 + 3 + 3 + 6);
    int faces = 0;
    for (const Primitive& p : top)
        faces += p.layer == "P1";
    EXPECT_EQ(faces, 2);
    std::vector<Primitive> below = Draw(*daf, 3);
    EXPECT_EQ(below.size(), 4u + 4 + 2 + 6);
    const double shorter[] = {1, 125, 1153, 1, 2, 0};
    daf->SetParams(shorter);
    top = Draw(*daf, 0);
    EXPECT_EQ(Count(top, "LINE"), 4 + 2 + 3 + 2 + 3);
    // End-on the spigot points to the viewer's left, from the far end right.
    std::vector<Primitive> end = Draw(*daf, 2);
    ASSERT_EQ(end.size(), 8u);
    ExpectLine(end[4], "P2", -35, -175, 40, -175);
    EXPECT_DOUBLE_EQ(end[5].x1, -70);
    EXPECT_DOUBLE_EQ(Draw(*daf, 5)[5].x1, 70);
    EXPECT_TRUE(Draw(*daf, 1).empty());
    EXPECT_TRUE(Draw(*daf, 4).empty());
}

TEST_F(SpigotTerminals, LabelsCarryTheConnectorsAirflow) {
    auto daf = Make<LRCsDAF>(37);
    daf->SetSystemRecord(Pens());
    daf->GetConnector(0)->flow = 150;
    daf->GetConnector(1)->flow = 90;
    host::io::setScript("100,100\n");
    EXPECT_EQ(daf->UpdateLabel(), 0);
    EXPECT_EQ(LabelTexts(*daf), (std::vector<std::string>{"P-DAF-S", "900 x 40", "240 m3/h"}));

    auto ptrd = Make<LRCsPTRD>(38);
    ASSERT_NE(ptrd, nullptr);
    ptrd->SetSystemRecord(Pens());
    const double v[] = {2, 125, 1};
    ptrd->SetParams(v);
    EXPECT_EQ(Description(*ptrd), "PTRI+CL  D=125;");
    ptrd->GetConnector(0)->flow = 60;
    host::io::setScript("100,100\n");
    EXPECT_EQ(ptrd->UpdateLabel(), 0);
    EXPECT_EQ(LabelTexts(*ptrd), (std::vector<std::string>{"PTRI+CL", "\\U+2205125", "60 m3/h"}));
    std::vector<Primitive> plan = Draw(*ptrd, 3);
    ASSERT_EQ(plan.size(), 1u);
    EXPECT_EQ(plan[0].type, "CIRCLE");
}

// DAF and BPS take their air through two spigots side by side, not through
// the two ends of a run: a spigot joined to a duct carries that duct's air,
// a free one none, and label and bill show what the spigots carry together.
TEST_F(SpigotTerminals, TwoSpigotTerminalsCarryWhatFeedsThem) {
    for (int16_t id : {37, 17}) {
        SCOPED_TRACE(id);
        std::unique_ptr<LObject> terminal(CreateElement(kRcsFamily, id));
        std::unique_ptr<LObject> duct(CreateElement(2, 1)), second(CreateElement(2, 1));
        ASSERT_TRUE(terminal && duct && second);
        SetElementHandle(terminal.get(), "2A");
        SetElementHandle(duct.get(), "2B");
        SetElementHandle(second.get(), "2C");
        terminal->SetSystemRecord(Pens());
        duct->GetConnector(0)->flow = duct->GetConnector(1)->flow = 600;
        second->GetConnector(0)->flow = second->GetConnector(1)->flow = 400;
        auto flows = [&] {
            return std::vector<double>{terminal->GetConnector(0)->flow, terminal->GetConnector(1)->flow};
        };

        terminal->Connect(duct.get(), 0, 1);
        EXPECT_EQ(flows(), (std::vector<double>{600, 0}));
        EXPECT_EQ(terminal->GetFlow(), 600);
        host::io::setScript("100,100\n");
        EXPECT_EQ(terminal->UpdateLabel(), 0);
        std::vector<std::string> label = LabelTexts(*terminal);
        ASSERT_FALSE(label.empty());
        EXPECT_EQ(label.back(), "600 m3/h");
        EXPECT_EQ(Taken(terminal->GetFlowText()), "V=600 m3/h;");

        // Turned onto its other spigot: the one left free carries nothing,
        // and the bill still shows the air.
        terminal->Disconnect(duct.get(), 0, 1);
        terminal->Connect(duct.get(), 1, 1);
        EXPECT_EQ(flows(), (std::vector<double>{0, 600}));
        EXPECT_EQ(Taken(terminal->GetFlowText()), "V=600 m3/h;");

        // Fed through both: the sum.
        terminal->Connect(second.get(), 0, 0);
        EXPECT_EQ(flows(), (std::vector<double>{400, 600}));
        EXPECT_EQ(terminal->GetFlow(), 1000);
        EXPECT_EQ(Taken(terminal->GetFlowText()), "V=1000 m3/h;");

        // A duct joined from its side to the free spigot (laid between a run
        // and the terminal) feeds it as well.
        std::unique_ptr<LObject> fed(CreateElement(kRcsFamily, id));
        ASSERT_TRUE(fed);
        SetElementHandle(fed.get(), "2D");
        fed->Connect(duct.get(), 1, 1);
        EXPECT_EQ(second->Connect(fed.get(), 0, 0), 0);
        EXPECT_EQ(fed->GetConnector(0)->flow, 400);
        EXPECT_EQ(fed->GetConnector(1)->flow, 600);
        EXPECT_EQ(Taken(fed->GetFlowText()), "V=1000 m3/h;");

        // Fitted to the start of a network: the fitted spigot alone.
        std::unique_ptr<LObject> started(CreateElement(kRcsFamily, id));
        LConnector start;
        start.shape = kShapeRound;
        start.a = start.b = started->GetConnector(1)->a;
        start.flow = 600;
        started->FitToConnector(&start, 1);
        EXPECT_EQ(started->GetConnector(0)->flow, 0);
        EXPECT_EQ(started->GetConnector(1)->flow, 600);
    }
}
