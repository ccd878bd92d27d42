// The RNT grille with its size lists, TP and LS.
#include <cmath>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "core/type_tables.h"
#include "elements/rcs/lrcs_ls.h"
#include "elements/rcs/lrcs_rmt.h"
#include "elements/rcs/lrcs_tp.h"
#include "elements/rcs/rcs_family.h"
#include "elements/tests/element_drawing.h"

namespace {

using RoundTerminals = ElementDrawingTest;

template <class T>
std::unique_ptr<T> Make(int16_t id) {
    return std::unique_ptr<T>(dynamic_cast<T*>(CreateElement(kRcsFamily, id)));
}

std::vector<std::string> Texts(const LObject& e, int16_t i) {
    const char* const* list = e.ParamChoiceTexts(i);
    std::vector<std::string> out;
    for (int k = 0; list && k < e.ParamChoiceCount(i); ++k)
        out.push_back(list[k]);
    return out;
}

// Sets code 1, the variant, spigot 200 and A x B; returns SetParams' answer.
int16_t Set(LRCsRmt& e, double variant, double A, double B) {
    const double v[] = {1, variant, 200, A, B};
    return e.SetParams(v);
}

}  // namespace

TEST_F(RoundTerminals, RntNarrowsBToWhatFitsA) {
    auto rnt = Make<LRCsRmt>(13);
    ASSERT_NE(rnt, nullptr);
    EXPECT_EQ(Set(*rnt, 6, 543, 400), -1);  // RNT-4
    EXPECT_EQ(rnt->B, 543);
    EXPECT_EQ(Texts(*rnt, 4), (std::vector<std::string>{"543 (250)"}));
    EXPECT_EQ(Set(*rnt, 6, 625, 600), -1);
    EXPECT_EQ(rnt->B, 585);
    EXPECT_EQ(Texts(*rnt, 4), (std::vector<std::string>{"185 (125)", "285 (200)", "385 (250)",
                                                         "485 (315)", "585 (315)"}));
    // B alone changes nothing offered.
    EXPECT_EQ(Set(*rnt, 6, 625, 385), 0);
    EXPECT_EQ(rnt->B, 385);
    EXPECT_EQ(Set(*rnt, 6, 225, 385), -1);
    EXPECT_EQ(rnt->B, 185);
    EXPECT_EQ(Texts(*rnt, 4), (std::vector<std::string>{"185 (100)"}));

    EXPECT_EQ(Set(*rnt, 7, 625, 600), -1);  // RNT-5
    EXPECT_EQ(Texts(*rnt, 4), (std::vector<std::string>{"225 (160)", "325 (250)", "425 (250)"}));
    EXPECT_EQ(rnt->B, 425);
    EXPECT_EQ(Set(*rnt, 9, 625, 525), -1);  // RNT-7: the largest A has its own texts
    EXPECT_EQ(Texts(*rnt, 4).back(), "525 (315)");
    EXPECT_EQ(Set(*rnt, 9, 525, 525), -1);
    EXPECT_EQ(Texts(*rnt, 4).back(), "525 (250)");
    EXPECT_EQ(Set(*rnt, 10, 525, 525), -1);  // RNT-8
    EXPECT_EQ(Texts(*rnt, 4), (std::vector<std::string>{"225 (160)", "325(250)", "425(250)"}));
    EXPECT_EQ(rnt->B, 425);
}

// RNT-4 leaving the square 543 face for 625: B, forced to 543, takes the
// largest of the five sizes now offered below it, and comes back from the
// drawing with the same sizes offered.  A B stored off its list (saved
// before) comes back as stored.
TEST_F(RoundTerminals, RntLeavingTheSquareFaceKeepsBOnTheList) {
    auto rnt = Make<LRCsRmt>(13);
    Set(*rnt, 6, 543, 400);
    ASSERT_EQ(rnt->B, 543);
    EXPECT_EQ(Set(*rnt, 6, 625, 543), -1);
    EXPECT_EQ(rnt->B, 485);
    auto back = Make<LRCsRmt>(13);
    ASSERT_EQ(CopyByXData(*rnt, *back), 0);
    EXPECT_EQ(Params(*back), Params(*rnt));
    EXPECT_EQ(Texts(*back, 4), Texts(*rnt, 4));
    rnt->B = 543;
    ASSERT_EQ(CopyByXData(*rnt, *back), 0);
    EXPECT_EQ(back->B, 543);
    EXPECT_EQ(Texts(*back, 4).size(), 5u);
}

TEST_F(RoundTerminals, RntSquareListsKeepAEqualToB) {
    auto rnt = Make<LRCsRmt>(13);
    EXPECT_EQ(Set(*rnt, 1, 400, 475), 0);  // B alone
    EXPECT_EQ(rnt->A, 475);
    EXPECT_EQ(Set(*rnt, 1, 325, 475), 0);  // A: B follows
    EXPECT_EQ(rnt->B, 325);
    EXPECT_EQ(Set(*rnt, 1, 400, 400), 0);
    // Another list: A and B snap down to it, then B follows A.
    EXPECT_EQ(Set(*rnt, 5, 400, 400), -1);  // RNT-3
    EXPECT_EQ(rnt->A, 325);
    EXPECT_EQ(rnt->B, 325);
    EXPECT_EQ(rnt->ParamChoiceCount(3), 8);
    // Below every size of the new list: its first.
    EXPECT_EQ(Set(*rnt, 4, 100, 100), -1);  // RNT-2
    EXPECT_EQ(rnt->A, 225);
    EXPECT_EQ(rnt->B, 150);
}

TEST_F(RoundTerminals, RntListTwoPairsAAndBByPosition) {
    auto rnt = Make<LRCsRmt>(13);
    EXPECT_EQ(Set(*rnt, 4, 225, 150), -1);  // RNT-2
    EXPECT_EQ(Set(*rnt, 4, 375, 150), 0);
    EXPECT_EQ(rnt->B, 225);
    EXPECT_EQ(Set(*rnt, 4, 375, 300), 0);
    EXPECT_EQ(rnt->A, 525);
    // Sizes beyond the lists pair as their largest entries.
    EXPECT_EQ(Set(*rnt, 4, 575, 325), 0);
    EXPECT_EQ(Set(*rnt, 4, 700, 325), 0);
    EXPECT_EQ(rnt->A, 575);
    EXPECT_EQ(Set(*rnt, 4, 575, 900), 0);
    EXPECT_EQ(rnt->A, 575);
}

TEST_F(RoundTerminals, RntChoicesBelongToTheElement) {
    auto rnt4 = Make<LRCsRmt>(13);
    Set(*rnt4, 6, 543, 543);
    auto rnt1 = Make<LRCsRmt>(13);
    EXPECT_EQ(rnt1->ParamChoiceCount(3), 9);
    EXPECT_EQ(rnt1->ParamChoiceCount(4), 9);
    EXPECT_EQ(Texts(*rnt1, 4)[7], "543 (250)");
    EXPECT_EQ(TypeRow(kRcsFamily, 13)->valueCounts[4], 9);
    // Read back, an RNT-4 offers what its A allows.
    auto back = Make<LRCsRmt>(13);
    Set(*rnt4, 6, 525, 485);
    ASSERT_EQ(CopyByXData(*rnt4, *back), 0);
    EXPECT_EQ(Params(*back), (std::vector<double>{1, 6, 200, 525, 485}));
    EXPECT_EQ(back->ParamChoiceCount(4), 4);
    EXPECT_EQ(Description(*back), "DN-VFR+RNT-4  A=525;  B=485;");
}

TEST_F(RoundTerminals, RntBoxFollowsTheSpigot) {
    auto rnt = Make<LRCsRmt>(13);
    const double cases[][2] = {{80, 250}, {100, 270}, {125, 310}, {160, 350}, {250, 420}, {315, 485}};
    for (const auto& c : cases) {
        const double v[] = {2, 1, c[0], 400, 400};
        rnt->SetParams(v);
        EXPECT_EQ(rnt->E, c[1]) << c[0];
    }
    const LConnector* spigot = rnt->GetConnector(0);
    EXPECT_EQ(spigot->side, 5);
    EXPECT_EQ(spigot->a, 315);
    EXPECT_DOUBLE_EQ(spigot->position[0], -(400.0 + 52) / 2 - 50);
    EXPECT_DOUBLE_EQ(spigot->position[2], (485.0 - 315) / 2 - 25);
    EXPECT_EQ(rnt->NameText(), "DN+RM+RNT-1");
    EXPECT_TRUE(Draw(*rnt, 2).empty());
    EXPECT_TRUE(Draw(*rnt, 5).empty());
    std::vector<Primitive> plan = Draw(*rnt, 0);
    ASSERT_EQ(plan.size(), 15u);
    EXPECT_EQ(Count(plan, "LINE", "szaggatott"), 8);
    ExpectLine(plan[13], "P1", -276, 157.5, -276, -157.5);
    std::vector<Primitive> side = Draw(*rnt, 4);
    ASSERT_EQ(side.size(), 7u);
    ExpectLine(side[5], "P1", 276, 217.5, 276, -97.5);
}

TEST_F(RoundTerminals, TpFaceFollowsTheSpigot) {
    auto tp = Make<LRCsTp>(14);
    ASSERT_NE(tp, nullptr);
    const double sizes[][2] = {{160, 400}, {200, 500}, {250, 600}, {315, 725}};
    for (const auto& s : sizes) {
        const double v[] = {2, 3, s[0]};
        tp->SetParams(v);
        EXPECT_EQ(tp->W, s[1]) << s[0];
    }
    EXPECT_EQ(tp->GetQuantity(), 725.0 * 725);
    EXPECT_DOUBLE_EQ(tp->GetConnector(0)->position[2], 50);
    EXPECT_EQ(Description(*tp), "TPM-3V  W=725;");
    std::vector<Primitive> plan = Draw(*tp, 0);
    EXPECT_EQ(Count(plan, "LINE", "szaggatott"), 2);
    std::vector<Primitive> side = Draw(*tp, 1);
    ASSERT_EQ(side.size(), 7u);
    ExpectLine(side[1], "P1", -157.5, 50, 157.5, 50);
}

TEST_F(RoundTerminals, LsCurvesByItsType) {
    auto ls = Make<LRCsLS>(15);
    ASSERT_NE(ls, nullptr);
    EXPECT_EQ(Description(*ls), "LS  D=125;");
    EXPECT_EQ(ls->GetQuantity(), 1.0);
    std::vector<Primitive> plan = Draw(*ls, 3);
    ASSERT_EQ(plan.size(), 1u);
    EXPECT_EQ(plan[0].type, "CIRCLE");
    // The arc's centre: above the face line for the LS types, below it for LF.
    const double r3 = 20, R = (2 * r3 + 125) * (2 * r3 + 125) / (8 * r3) + r3 / 2;
    std::vector<Primitive> side = Draw(*ls, 1);
    ASSERT_EQ(side.size(), 2u);
    EXPECT_EQ(side[1].type, "ARC");
    EXPECT_NEAR(side[1].y1, R - 2 * r3, 1e-9);
    const double lf[] = {2, 125};
    ls->SetParams(lf);
    EXPECT_NEAR(Draw(*ls, 5)[1].y1, -R - 1.5 * r3, 1e-9);
}
