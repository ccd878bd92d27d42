// KRS and the grille boxes BBL and BBF.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "core/messages.h"
#include "core/type_tables.h"
#include "elements/rcs/lrcs_dlf.h"
#include "elements/rcs/lrcs_dll.h"
#include "elements/rcs/lrcs_krs.h"
#include "elements/rcs/rcs_family.h"
#include "elements/tests/element_drawing.h"

namespace {

using BoxTerminals = ElementDrawingTest;

template <class T>
std::unique_ptr<T> Make(int16_t id) {
    return std::unique_ptr<T>(dynamic_cast<T*>(CreateElement(kRcsFamily, id)));
}

// The box values with the grille, sizes and G index changed.
std::vector<double> BoxValues(double grille, double L, double H, double g = 1, double dFlag = 0,
                              double accessory = 1, double option = 0) {
    return {400, grille, L, H, 1, 1, accessory, g, dFlag, option};
}

std::vector<double> Choices(const LObject& e, int16_t i) {
    const double* list = e.ParamChoices(i);
    return list ? std::vector<double>(list, list + e.ParamChoiceCount(i)) : std::vector<double>{};
}

}  // namespace

TEST_F(BoxTerminals, KrsFireProofTypesStopAt500) {
    auto krs = Make<LRCsKrs>(9);
    ASSERT_NE(krs, nullptr);
    EXPECT_EQ(krs->GetConnector(0)->shape, kShapeRound);
    EXPECT_EQ(krs->GetKind(), 8);
    const double large[] = {1, 630, 2, 3};
    krs->SetParams(large);
    const double kmsFp[] = {3, 630, 2, 3};
    krs->SetParams(kmsFp);
    EXPECT_EQ(krs->type, 1);  // refused while D is 630
    const double krs400[] = {1, 400, 1, 1};
    krs->SetParams(krs400);
    const double small[] = {6, 500, 1, 1};
    krs->SetParams(small);
    EXPECT_EQ(krs->type, 6);
    EXPECT_EQ(krs->D, 500);
    const double over[] = {6, 600, 1, 1};
    krs->SetParams(over);
    EXPECT_EQ(krs->D, 500);  // KRS-FP does not come in 600
    EXPECT_EQ(krs->GetConnector(0)->a, 500);
    EXPECT_EQ(Description(*krs), "KRS-FP-FG+KRP  D=500;");
    const double outside[] = {0, 400, 4, 0};
    krs->SetParams(outside);
    EXPECT_EQ(krs->NameText(), "-+");
}

TEST_F(BoxTerminals, KrsDrawsRingsAndPlates) {
    auto krs = Make<LRCsKrs>(9);
    std::vector<Primitive> plan = Draw(*krs, 0);
    EXPECT_EQ(Count(plan, "CIRCLE", "szaggatott"), 3);
    EXPECT_EQ(Count(plan, "LINE"), 0);
    const double square[] = {5, 400, 1, 1};
    krs->SetParams(square);
    std::vector<Primitive> below = Draw(*krs, 3);
    EXPECT_EQ(Count(below, "LINE"), 4);
    EXPECT_EQ(Count(below, "CIRCLE"), 3);
    EXPECT_EQ(Count(below, "CIRCLE", "szaggatott"), 0);
    ExpectLine(below[0], "P2", -220, -220, -220, 220);
    const double krk[] = {4, 400, 1, 1};
    krs->SetParams(krk);
    std::vector<Primitive> side = Draw(*krs, 2);
    ASSERT_EQ(side.size(), 3u);
    ExpectLine(side[0], "P2", -220, -20, 220, -20);
    ExpectLine(side[1], "P2", -170, -40, 170, -40);
    ExpectLine(side[2], "P2", -120, -60, 120, -60);
}

TEST_F(BoxTerminals, NewBoxOffersTheStandardGrilleChoices) {
    for (int16_t id : {10, 11}) {
        std::unique_ptr<LObject> box(CreateElement(kRcsFamily, id));
        ASSERT_NE(box, nullptr) << id;
        EXPECT_EQ(Choices(*box, 2), (std::vector<double>{200, 300, 400, 500, 600, 800, 1000, 1200}));
        EXPECT_EQ(Choices(*box, 3), (std::vector<double>{100, 200, 300, 400}));
        EXPECT_EQ(box->ParamChoiceCount(4), 2);
        EXPECT_EQ(box->ParamChoiceCount(6), 3);
        EXPECT_EQ(box->ParamKind(8), kParamEnabled);
        EXPECT_EQ(box->ParamKind(9), kParamDisabled);
        EXPECT_EQ(box->GetConnector(0)->shape, kShapeRound);
        EXPECT_EQ(box->GetConnector(0)->a, 400);
        // The same values again change nothing the dialog shows.
        std::vector<double> v = Params(*box);
        EXPECT_EQ(box->SetParams(v.data()), 0) << id;
    }
}

TEST_F(BoxTerminals, GrilleChangeSwapsTheChoices) {
    auto bbl = Make<LRCsDlL>(10);
    auto other = Make<LRCsDlL>(10);
    std::vector<double> rdn = BoxValues(7, 600, 300, 1, 1);
    EXPECT_EQ(bbl->SetParams(rdn.data()), 0);
    EXPECT_EQ(bbl->NameText(), "BBL+RDN-H-R+KNN");

    std::vector<double> cnh = BoxValues(8, 600, 300, 1, 1);
    EXPECT_EQ(bbl->SetParams(cnh.data()), -1);
    EXPECT_EQ(Choices(*bbl, 2), (std::vector<double>{200, 300, 400, 500, 543, 600, 800, 1000, 1200}));
    EXPECT_EQ(Choices(*bbl, 3), (std::vector<double>{100, 200, 300, 400, 543}));
    EXPECT_EQ(bbl->ParamChoiceCount(4), 1);
    EXPECT_STREQ(bbl->ParamChoiceTexts(4)[0], "");
    EXPECT_EQ(bbl->dFlag, 0);
    EXPECT_EQ(bbl->ParamKind(8), kParamDisabled);
    // The shared row and the other boxes keep the standard choices.
    EXPECT_EQ(TypeRow(kRcsFamily, 10)->valueCounts[2], 8);
    EXPECT_EQ(other->ParamChoiceCount(2), 8);
    EXPECT_STREQ(other->ParamChoiceTexts(4)[1], "V");

    std::vector<double> square = BoxValues(8, 600, 543);
    EXPECT_EQ(bbl->SetParams(square.data()), 0);
    EXPECT_EQ(bbl->L, 543);
    EXPECT_EQ(bbl->H, 543);
    EXPECT_EQ(bbl->NameText(), "BBL+CNH-F-R");

    std::vector<double> bld = BoxValues(13, 543, 543, 1, 1, 3, 1);
    EXPECT_EQ(bbl->SetParams(bld.data()), -1);
    EXPECT_EQ(bbl->L, 500);
    EXPECT_EQ(bbl->H, 300);
    EXPECT_EQ(Choices(*bbl, 2), (std::vector<double>{300, 500, 700, 900, 1100, 1500}));
    EXPECT_EQ(Choices(*bbl, 3), (std::vector<double>{50, 100, 200, 300}));
    EXPECT_EQ(bbl->accessory, 1);
    EXPECT_EQ(bbl->ParamChoiceCount(6), 2);
    EXPECT_EQ(bbl->ParamKind(8), kParamEnabled);
    EXPECT_EQ(bbl->ParamKind(9), kParamEnabled);
    EXPECT_EQ(Params(*bbl), BoxValues(13, 500, 300, 1, 1, 1, 1));
    EXPECT_EQ(Description(*bbl), std::string("BBL+BLD-RKNN  L=500;  H=300;  ") + ParamLabel(142));

    // Back to a grille with a direction: the standard sizes and no option.
    std::vector<double> csd = BoxValues(1, 500, 300, 1, 1, 1, 1);
    EXPECT_EQ(bbl->SetParams(csd.data()), -1);
    EXPECT_EQ(bbl->L, 600);
    EXPECT_EQ(bbl->ParamChoiceCount(2), 8);
    EXPECT_EQ(bbl->ParamChoiceCount(4), 2);
    EXPECT_EQ(bbl->ParamKind(9), kParamDisabled);
    EXPECT_EQ(Params(*bbl)[9], 0);
    EXPECT_EQ(bbl->NameText(), "BBL+CDD-H-R");
}

TEST_F(BoxTerminals, GOptionRulesOutAccessoryAndDForm) {
    auto bbf = Make<LRCsDlF>(11);
    std::vector<double> g = BoxValues(4, 600, 300, 3, 1, 2);
    EXPECT_EQ(bbf->SetParams(g.data()), -1);
    EXPECT_EQ(bbf->accessory, 1);
    EXPECT_EQ(bbf->dFlag, 0);
    EXPECT_EQ(bbf->ParamChoiceCount(6), 1);
    EXPECT_EQ(bbf->ParamKind(8), kParamDisabled);
    EXPECT_EQ(bbf->NameText(), "BBF+AE-H-R+G2");
    EXPECT_EQ(bbf->SetParams(g.data()), 0);
    std::vector<double> off = BoxValues(4, 600, 300, 1, 1, 2);
    EXPECT_EQ(bbf->SetParams(off.data()), -1);
    EXPECT_EQ(bbf->ParamChoiceCount(6), 3);
    EXPECT_EQ(bbf->ParamKind(8), kParamEnabled);
    EXPECT_EQ(bbf->NameText(), "BBF+AE-H-R+KNN+AZN");
    // The RLS grilles take no accessory.
    std::vector<double> rls = BoxValues(10, 600, 300, 1, 0, 2);
    EXPECT_EQ(bbf->SetParams(rls.data()), -1);
    EXPECT_EQ(bbf->ParamChoiceCount(6), 1);
    EXPECT_EQ(bbf->NameText(), "BBF+RLS-R");
}

// An RLS grille that leaves its G option offers its one accessory again,
// not the three of the other grilles (one of which it would keep, and lose
// when the drawing is opened again).
TEST_F(BoxTerminals, RlsLeavingTheGOptionOffersItsOneAccessory) {
    auto bbl = Make<LRCsDlL>(10);
    std::vector<double> g = BoxValues(11, 600, 300, 3);
    bbl->SetParams(g.data());
    std::vector<double> off = BoxValues(11, 600, 300, 1);
    EXPECT_EQ(bbl->SetParams(off.data()), 0);
    EXPECT_EQ(bbl->ParamChoiceCount(6), 1);
}

TEST_F(BoxTerminals, SpigotsAndViews) {
    auto bbl = Make<LRCsDlL>(10);
    auto bbf = Make<LRCsDlF>(11);
    const LConnector* c = bbl->GetConnector(0);
    EXPECT_EQ(c->side, 1);
    EXPECT_DOUBLE_EQ(c->position[1], -(300.0 + 15) / 2 - 50);
    EXPECT_DOUBLE_EQ(c->position[2], 47.5);
    EXPECT_EQ(bbf->GetConnector(0)->side, 0);
    EXPECT_DOUBLE_EQ(bbf->GetConnector(0)->position[2], 325);
    EXPECT_EQ(bbf->GetOrientation(), 1);

    EXPECT_TRUE(Draw(*bbl, 1).empty());
    EXPECT_TRUE(Draw(*bbl, 4).empty());
    EXPECT_TRUE(Draw(*bbf, 0).empty());
    EXPECT_TRUE(Draw(*bbf, 3).empty());
    std::vector<Primitive> plan = Draw(*bbl, 0);
    EXPECT_EQ(Count(plan, "LINE", "szaggatott"), 2);
    // The spigot's open end, on pen 1, 50 beyond the box.
    ExpectLine(plan.back(), "P1", -200, -157.5 - 50, 200, -157.5 - 50);
    std::vector<Primitive> end = Draw(*bbl, 5);
    ASSERT_EQ(end.size(), 8u);
    ExpectLine(end[6], "P1", 157.5 + 50, 247.5, 157.5 + 50, -152.5);
    std::vector<Primitive> side = Draw(*bbf, 1);
    ASSERT_EQ(side.size(), 11u);
    ExpectLine(side[1], "P1", -200, 325, 200, 325);
    ExpectLine(side.back(), "P2", -333.5, -125, 333.5, -125);
}

TEST_F(BoxTerminals, ReopenedBoxOffersWhatItsGrilleAllows) {
    auto bbl = Make<LRCsDlL>(10);
    std::vector<double> bld = BoxValues(14, 900, 200, 1, 1, 2, 1);
    bbl->SetParams(bld.data());
    auto back = Make<LRCsDlL>(10);
    ASSERT_EQ(CopyByXData(*bbl, *back), 0);
    EXPECT_EQ(Params(*back), bld);
    EXPECT_EQ(back->ParamChoiceCount(2), 6);
    EXPECT_EQ(back->ParamKind(9), kParamEnabled);
    EXPECT_EQ(back->NameText(), "BBL+BLI-RKNN+AZN");
}
