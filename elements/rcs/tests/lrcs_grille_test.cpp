// The rectangular grilles CSD, RDN, TSD and CTR.
#include <memory>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "core/type_tables.h"
#include "elements/rcs/rcs_family.h"
#include "elements/rcs/tests/opening_duct.h"
#include "elements/vf/vf_family.h"
#include "elements/rcs/lrcs_cn.h"
#include "elements/rcs/lrcs_ctr.h"
#include "elements/rcs/lrcs_rh.h"
#include "elements/rcs/lrcs_tn.h"
#include "elements/tests/element_drawing.h"

namespace {

using Grilles = ElementDrawingTest;

template <class T>
std::unique_ptr<T> Make(int16_t id) {
    return std::unique_ptr<T>(dynamic_cast<T*>(CreateElement(kRcsFamily, id)));
}

}  // namespace

TEST_F(Grilles, FactoryBuildsEachTypeOnItsRow) {
    const int16_t ids[] = {1, 3, 4, 5};
    const int16_t counts[] = {8, 7, 4, 5};
    const int16_t kinds[] = {1, 1, 2, 1};
    for (int i = 0; i < 4; ++i) {
        std::unique_ptr<LObject> e(CreateElement(kRcsFamily, ids[i]));
        ASSERT_NE(e, nullptr) << ids[i];
        EXPECT_EQ(e->GetFamily(), 3);
        EXPECT_EQ(e->GetSubtype(), ids[i]);
        EXPECT_EQ(e->GetTypeDesc(), TypeRow(kRcsFamily, ids[i]));
        EXPECT_EQ(e->GetParamCount(), counts[i]);
        EXPECT_EQ(e->GetConnectorCount(), 0);
        EXPECT_EQ(e->GetKind(), kinds[i]);
        EXPECT_EQ(e->flipModes[1], 1);
        EXPECT_EQ(e->GetQuantity(), 300.0 * (ids[i] == 4 ? 20 : 300));
    }
    EXPECT_EQ(CreateElement(kRcsFamily, 2), nullptr);
}

TEST_F(Grilles, PlanViewIsTheFramedFaceWithDiagonals) {
    auto csd = Make<LRCsCn>(1);
    const double v[] = {1, 600, 300, 1, 1, 1, 1, 0};
    csd->SetParams(v);
    std::vector<Primitive> plan = Draw(*csd, 0);
    ASSERT_EQ(plan.size(), 6u);
    EXPECT_EQ(Count(plan, "LINE"), 6);
    EXPECT_EQ(plan[0].layer, "P2");
    // 652 x 352: the margin of 52 around 600 x 300.
    EXPECT_DOUBLE_EQ(plan[0].x1, -326);
    EXPECT_DOUBLE_EQ(plan[0].y1, 176);
    EXPECT_DOUBLE_EQ(plan[1].x1, 326);
    EXPECT_DOUBLE_EQ(plan[1].y2, -176);
    EXPECT_DOUBLE_EQ(plan[4].x1, -326);  // diagonal P0-P2
    EXPECT_DOUBLE_EQ(plan[4].y2, -176);
    std::vector<Primitive> below = Draw(*csd, 3);
    EXPECT_EQ(Count(below, "LINE", "szaggatott"), 6);

    // CTR's frame has the wider margin of 54.
    auto ctr = Make<LRCsCtr>(5);
    EXPECT_DOUBLE_EQ(Draw(*ctr, 0)[0].x1, -177);
}

TEST_F(Grilles, SideViewsShowNeckAndFlange) {
    auto csd = Make<LRCsCn>(1);
    const double v[] = {1, 600, 300, 1, 1, 1, 1, 0};
    csd->SetParams(v);
    for (int16_t o : {1, 4}) {
        std::vector<Primitive> side = Draw(*csd, o);
        ASSERT_EQ(side.size(), 4u) << o;
        EXPECT_DOUBLE_EQ(side[0].x1, -300);  // neck at L / 2
        EXPECT_DOUBLE_EQ(side[0].y2, 52);
        EXPECT_DOUBLE_EQ(side[2].x1, -345);  // flange overhangs by 45
        EXPECT_DOUBLE_EQ(side[2].x2, 345);
        EXPECT_DOUBLE_EQ(side[3].y1, 97);
    }
    for (int16_t o : {2, 5}) {
        std::vector<Primitive> side = Draw(*csd, o);
        ASSERT_EQ(side.size(), 4u) << o;
        EXPECT_DOUBLE_EQ(side[0].x1, -150);  // neck at H / 2
    }
    EXPECT_TRUE(Draw(*csd, 6).empty());
    EXPECT_TRUE(Draw(*csd, -1).empty());
}

TEST_F(Grilles, LabelAndBillOfMaterialsShowNameSizeAndAirflow) {
    auto csd = Make<LRCsCn>(1);
    csd->SetSystemRecord(Pens());
    csd->SetFlow(450);
    host::io::setScript("500,500\n");
    EXPECT_EQ(csd->UpdateLabel(), 0);
    EXPECT_EQ(LabelTexts(*csd), (std::vector<std::string>{"CSD-H-R", "300 x 300", "450 m3/h"}));
    EXPECT_EQ(csd->labelCount, 1);
    BomRows r = BomOf(*csd);
    EXPECT_EQ(r.count, 1);
    EXPECT_EQ(r.texts, std::vector<std::string>{"CSD-H-R  L=300;  H=300;"});
    EXPECT_EQ(r.flows, std::vector<std::string>{"V=450 m3/h;"});
    // No point given: no label.
    auto rdn = Make<LRCsRh>(3);
    rdn->SetSystemRecord(Pens());
    EXPECT_EQ(rdn->UpdateLabel(), -1);
}

TEST_F(Grilles, AttachedGrillesTakeTheirCarriersSizes) {
    OpeningDuct opening(600, 200);
    auto csd = Make<LRCsCn>(1);
    ASSERT_EQ(csd->AlignTo(&opening), 0);
    EXPECT_EQ(csd->L, 600);
    EXPECT_EQ(csd->H, 200);
    auto ctr = Make<LRCsCtr>(5);
    ASSERT_EQ(ctr->AlignTo(&opening), 0);
    EXPECT_EQ(Params(*ctr), (std::vector<double>{600, 200, 1, 1, 0}));

    // TSD on a spiral duct of 630 takes the heights of that diameter.
    std::unique_ptr<LObject> spiral(CreateElement(2, 1));
    ASSERT_NE(spiral, nullptr);
    const double duct[] = {630, 3000, 3000};
    spiral->SetParams(duct);
    auto tsd = Make<LRCsTn>(4);
    ASSERT_NE(spiral->GetAttachMask(0) & tsd->GetKind(), 0);
    ASSERT_EQ(tsd->AlignTo(spiral.get()), 0);
    EXPECT_EQ(tsd->hostSize, 630);
    EXPECT_EQ(Params(*tsd), (std::vector<double>{300, 100, 1, 0}));
}

TEST_F(Grilles, CsdSmallLengthsDoNotComeWithTallHeights) {
    auto csd = Make<LRCsCn>(1);
    const double sizes[][4] = {{200, 400, 300, 300}, {300, 400, 300, 300}, {200, 300, 300, 300},
                               {200, 200, 200, 200}, {400, 400, 400, 400}};
    for (const auto& s : sizes) {
        const double v[] = {1, s[0], s[1], 1, 1, 1, 1, 0};
        EXPECT_EQ(csd->SetParams(v), 0);
        EXPECT_EQ(csd->L, s[2]) << s[0] << " x " << s[1];
        EXPECT_EQ(csd->H, s[3]) << s[0] << " x " << s[1];
    }
}

TEST_F(Grilles, CsdGOptionRulesOutAccessoryAndDForm) {
    auto csd = Make<LRCsCn>(1);
    auto other = Make<LRCsCn>(1);
    EXPECT_EQ(csd->ParamChoiceCount(5), 4);
    EXPECT_EQ(csd->ParamKind(7), kParamEnabled);
    const double g1[] = {1, 300, 300, 1, 1, 3, 2, 1};
    EXPECT_EQ(csd->SetParams(g1), -1);
    EXPECT_EQ(csd->option, 1);
    EXPECT_EQ(csd->dFlag, 0);
    EXPECT_EQ(csd->ParamChoiceCount(5), 1);
    EXPECT_EQ(csd->ParamKind(7), kParamDisabled);
    // The shared row and the other grilles of the type keep their choices.
    EXPECT_EQ(TypeRow(kRcsFamily, 1)->valueCounts[5], 4);
    EXPECT_EQ(TypeRow(kRcsFamily, 1)->kinds[7], kParamEnabled);
    EXPECT_EQ(other->ParamChoiceCount(5), 4);
    EXPECT_EQ(other->ParamKind(7), kParamEnabled);
    EXPECT_EQ(csd->SetParams(g1), 0);  // still on: nothing to switch
    EXPECT_EQ(Params(*csd), (std::vector<double>{1, 300, 300, 1, 1, 3, 2, 1}));
    const double none[] = {1, 300, 300, 1, 1, 1, 1, 0};
    EXPECT_EQ(csd->SetParams(none), -1);
    EXPECT_EQ(csd->ParamChoiceCount(5), 4);
    EXPECT_EQ(csd->ParamKind(7), kParamEnabled);
}

TEST_F(Grilles, CsdNames) {
    auto csd = Make<LRCsCn>(1);
    struct Case {
        double type, hv, rcm, option, g, d;
        const char* name;
    };
    const Case cases[] = {
        {1, 2, 1, 1, 1, 1, "CDD-V-R"},         {2, 1, 2, 1, 1, 1, "ADD-H-C"},
        {4, 1, 1, 1, 1, 1, "AE-H-R+KNN"},      {4, 1, 1, 1, 1, 0, "AE-H-R"},
        {3, 1, 3, 2, 1, 1, "RNN-H-M+KNN+AZN"}, {5, 2, 1, 1, 1, 1, "REN-V-R+TKN"},
        {1, 1, 1, 4, 1, 0, "CSD-H-R+RSN"},     {1, 1, 1, 1, 5, 0, "CSD-H-R+G4"},
        // Positions outside the lists give no text rather than a stray read.
        {9, 7, 0, 9, 1, 0, "--"},
    };
    for (const Case& c : cases) {
        const double none[] = {1, 300, 300, 1, 1, 1, 1, 0};
        csd->SetParams(none);
        const double v[] = {c.type, 300, 300, c.hv, c.rcm, c.option, c.g, c.d};
        csd->SetParams(v);
        EXPECT_EQ(csd->NameText(), c.name) << c.type << "/" << c.option << "/" << c.g;
    }
    const double v[] = {1, 600, 300, 2, 2, 2, 1, 1};
    csd->SetParams(v);
    EXPECT_EQ(Description(*csd), "CDD-V-C+AZN  L=600;  H=300;");
}

TEST_F(Grilles, RdnGOptionCutsOnlyTheAccessoryList) {
    auto rdn = Make<LRCsRh>(3);
    const double g[] = {2, 200, 400, 1, 1, 3, 3};
    EXPECT_EQ(rdn->SetParams(g), -1);
    EXPECT_EQ(rdn->option, 1);
    EXPECT_EQ(rdn->ParamChoiceCount(5), 1);
    EXPECT_EQ(rdn->L, 300);
    EXPECT_EQ(rdn->H, 300);
    EXPECT_EQ(rdn->NameText(), "RDN-H-R+G2");
    const double none[] = {2, 300, 300, 1, 1, 3, 1};
    EXPECT_EQ(rdn->SetParams(none), -1);
    EXPECT_EQ(rdn->ParamChoiceCount(5), 4);
    EXPECT_EQ(rdn->NameText(), "RDN-H-R+ALN");
    EXPECT_EQ(Params(*rdn), (std::vector<double>{2, 300, 300, 1, 1, 3, 1}));
}

TEST_F(Grilles, TsdLengthFollowsTheHeight) {
    auto tsd = Make<LRCsTn>(4);
    const double sizes[][3] = {{200, 300, 300}, {300, 400, 400}, {200, 400, 400}, {500, 400, 500}};
    for (const auto& s : sizes) {
        const double v[] = {s[0], s[1], 1, 0};
        EXPECT_EQ(tsd->SetParams(v), 0);
        EXPECT_EQ(tsd->L, s[2]) << s[0] << " x " << s[1];
        EXPECT_EQ(tsd->H, s[1]);
    }
}

TEST_F(Grilles, TsdHeightsComeFromTheDuctDiameter) {
    auto tsd = Make<LRCsTn>(4);
    auto other = Make<LRCsTn>(4);
    // Not on a duct: no heights to choose from and H keeps its value.
    EXPECT_EQ(tsd->ParamChoiceCount(1), 0);
    EXPECT_EQ(tsd->H, 20);

    tsd->hostSize = 630;
    const double v[] = {300, 75, 1, 0};
    tsd->SetParams(v);
    ASSERT_EQ(tsd->ParamChoiceCount(1), 3);
    const double* heights = tsd->ParamChoices(1);
    EXPECT_EQ(std::vector<double>(heights, heights + 3), (std::vector<double>{100, 150, 200}));
    EXPECT_EQ(tsd->H, 100);
    // Another TSD and the shared row are left alone.
    EXPECT_EQ(other->ParamChoiceCount(1), 0);
    EXPECT_EQ(TypeRow(kRcsFamily, 4)->valueCounts[1], 0);
    // The catalogue check takes the duct's heights.
    const int16_t onlyH[] = {0, 1, 0, 0};
    const double wanted[] = {300, 150, 1, 0};
    tsd->SetParams(wanted);
    EXPECT_EQ(tsd->MatchCatalogue(wanted, onlyH), 0);
    const double listed[] = {300, 200, 1, 0};
    tsd->SetParams(listed);
    EXPECT_EQ(tsd->H, 200);
    // Both ends of a window belong to it.
    EXPECT_EQ(tsd->BuildChoiceList(150), 1);
    EXPECT_EQ(tsd->BuildChoiceList(2000), 1);
    EXPECT_EQ(tsd->BuildChoiceList(1000), 3);

    tsd->hostSize = 100;
    tsd->SetParams(listed);
    EXPECT_EQ(tsd->ParamChoiceCount(1), 0);
    EXPECT_EQ(tsd->H, 0);
}

TEST_F(Grilles, TsdNamesAndDescriptionOnADuct) {
    auto tsd = Make<LRCsTn>(4);
    const double v[] = {400, 50, 3, 1};
    tsd->SetParams(v);
    EXPECT_EQ(tsd->NameText(), "TDD+RGP");
    tsd->hostSize = 800;
    // The description and the block see the heights of the duct.
    EXPECT_EQ(Description(*tsd), "TDD+RGP  L=400;  H=100;");
    EXPECT_EQ(Params(*tsd), (std::vector<double>{400, 100, 3, 1}));
    std::vector<Primitive> side = Draw(*tsd, 2);
    ASSERT_EQ(side.size(), 4u);
    EXPECT_DOUBLE_EQ(side[0].x1, -50);
}

TEST_F(Grilles, CtrValuesAndNames) {
    auto ctr = Make<LRCsCtr>(5);
    EXPECT_EQ(Params(*ctr), (std::vector<double>{300, 300, 1, 1, 0}));
    const double v[] = {200, 400, 3, 2, 1};
    EXPECT_EQ(ctr->SetParams(v), 0);
    EXPECT_EQ(ctr->L, 300);
    EXPECT_EQ(ctr->H, 300);
    EXPECT_EQ(ctr->NameText(), "CTR-H/15+S+Ellk");
    EXPECT_EQ(Description(*ctr), "CTR-H/15+S+Ellk  L=300;  H=300;");
}

TEST_F(Grilles, XDataKeepsEveryChoice) {
    auto csd = Make<LRCsCn>(1);
    const double v[] = {3, 800, 200, 2, 3, 4, 1, 1};
    csd->SetParams(v);
    auto back = Make<LRCsCn>(1);
    ASSERT_EQ(CopyByXData(*csd, *back), 0);
    EXPECT_EQ(Params(*back), (std::vector<double>{3, 800, 200, 2, 3, 4, 1, 1}));
    EXPECT_EQ(back->NameText(), "RNN-V-M+TKN+RSN");
}
