// The grilles RLS, ANS and CNH-F.
#include <memory>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "core/type_tables.h"
#include "elements/rcs/lrcs_ans.h"
#include "elements/rcs/lrcs_cnhf.h"
#include "elements/rcs/lrcs_rhs.h"
#include "elements/rcs/rcs_family.h"
#include "elements/rcs/tests/opening_duct.h"
#include "elements/tests/element_drawing.h"
#include "elements/vf/vf_family.h"

namespace {

using FaceTerminals = ElementDrawingTest;

template <class T>
std::unique_ptr<T> Make(int16_t id) {
    return std::unique_ptr<T>(dynamic_cast<T*>(CreateElement(kRcsFamily, id)));
}

}  // namespace

TEST_F(FaceTerminals, RlsLongFacesDoNotComeLow) {
    auto rls = Make<LRCsRhs>(6);
    ASSERT_NE(rls, nullptr);
    const double sizes[][4] = {{400, 200, 300, 300}, {400, 300, 300, 300}, {300, 200, 300, 300},
                               {400, 100, 400, 100}, {300, 300, 300, 300}, {200, 400, 200, 400}};
    for (const auto& s : sizes) {
        const double v[] = {2, s[0], s[1], 2, 1};
        EXPECT_EQ(rls->SetParams(v), 0);
        EXPECT_EQ(rls->L, s[2]) << s[0] << " x " << s[1];
        EXPECT_EQ(rls->H, s[3]) << s[0] << " x " << s[1];
    }
    EXPECT_EQ(Description(*rls), "RDS-C+FKN  L=200;  H=400;");
}

TEST_F(FaceTerminals, AnsLengthIsItsModulesAndBothEndPieces) {
    auto ans = Make<LRCsAns>(7);
    ASSERT_NE(ans, nullptr);
    EXPECT_EQ(ans->L, 1280 + 480);
    const double v[] = {1, 6, 240, 300, 1, 1, 0};  // "3L"
    EXPECT_EQ(ans->SetParams(v), 0);
    EXPECT_EQ(ans->L, 5220);
    EXPECT_EQ(ans->GetQuantity(), 5220.0 * 300);
    EXPECT_EQ(Params(*ans), (std::vector<double>{1, 6, 240, 300, 1, 1, 0}));
    EXPECT_EQ(Description(*ans), "ASD-H-R  L=5220 (3L+240*2);  H=300;");
    ans->SetSystemRecord(Pens());
    ans->SetFlow(800);
    host::io::setScript("0,0\n");
    EXPECT_EQ(ans->UpdateLabel(), 0);
    EXPECT_EQ(LabelTexts(*ans),
              (std::vector<std::string>{"ASD-H-R", "5220 (3L+240*2) x 300", "800 m3/h"}));

    struct Case {
        double module, type, direction, dFlag;
        double length;
        const char* name;
    };
    const Case cases[] = {
        {1, 1, 2, 1, 1280 + 680, "ADD-V-R"},     {2, 2, 1, 1, 1580 + 680, "RNN-H-R+KNN"},
        {3, 4, 2, 1, 2560 + 680, "REN-V-R+TKN"}, {16, 3, 1, 0, 12640 + 680, "AE-H-R"},
        // A module outside the list has no length and no text.
        {0, 1, 1, 0, 680, "ASD-H-R"},            {17, 1, 1, 0, 680, "ASD-H-R"},
    };
    for (const Case& c : cases) {
        const double w[] = {c.type, c.module, 340, 200, c.direction, 1, c.dFlag};
        ans->SetParams(w);
        EXPECT_EQ(ans->L, c.length) << c.module;
        EXPECT_EQ(ans->NameText(), c.name) << c.module;
    }
}

TEST_F(FaceTerminals, AnsOnAnOpeningDuctKeepsItsModule) {
    OpeningDuct opening(600, 200);
    auto ans = Make<LRCsAns>(7);
    auto rls = Make<LRCsRhs>(6);
    ASSERT_EQ(ans->AlignTo(&opening), 0);
    EXPECT_EQ(Params(*ans), (std::vector<double>{1, 1, 240, 300, 1, 1, 0}));
    // The grilles whose sizes are the opening's take them.
    ASSERT_EQ(rls->AlignTo(&opening), 0);
    EXPECT_EQ(rls->L, 600);
    EXPECT_EQ(rls->H, 200);
}

TEST_F(FaceTerminals, CnhfSizesFollowEachOther) {
    auto cnh = Make<LRCsCnhF>(8);
    ASSERT_NE(cnh, nullptr);
    struct Step {
        double L, H;        // asked
        double toL, toH;    // kept
    };
    const Step steps[] = {
        {300, 543, 543, 543},  // a tall height takes the length along
        {543, 300, 500, 300},  // leaving 543 in height brings the length to 500
        {543, 300, 543, 543},  // 543 in length makes the height 543
        {600, 543, 600, 600},  // leaving 543 in length: a long length keeps the height tall
        {800, 600, 800, 400},  // leaving the long lengths: back to 400
        {543, 400, 543, 543},
        {800, 543, 800, 400},  // leaving 543 for another length
        {200, 400, 200, 200},  // the short lengths cap the height
        {300, 400, 300, 300},
        {100, 300, 100, 100},
        {1000, 200, 1000, 200},
    };
    for (const Step& s : steps) {
        const double v[] = {1, s.L, s.H, 1, 1};
        EXPECT_EQ(cnh->SetParams(v), 0);
        EXPECT_EQ(cnh->L, s.toL) << s.L << " x " << s.H;
        EXPECT_EQ(cnh->H, s.toH) << s.L << " x " << s.H;
    }
}

TEST_F(FaceTerminals, CnhfNamedAfterItsGrille) {
    auto cnh = Make<LRCsCnhF>(8);
    const double anh[] = {2, 500, 400, 2, 3};
    cnh->SetParams(anh);
    EXPECT_EQ(cnh->NameText(), "ASD-C+ALN");
    const double none[] = {0, 500, 400, 0, 0};
    cnh->SetParams(none);
    EXPECT_EQ(Description(*cnh), "-  L=500;  H=400;");
}

TEST_F(FaceTerminals, DrawnAsFramedFaceAndNeck) {
    auto ans = Make<LRCsAns>(7);
    auto cnh = Make<LRCsCnhF>(8);
    // The plan frame is the face and the margin of 52; ANS at its whole length.
    std::vector<Primitive> plan = Draw(*ans, 0);
    ASSERT_EQ(plan.size(), 6u);
    EXPECT_DOUBLE_EQ(plan[0].x1, -(1760.0 + 52) / 2);
    EXPECT_EQ(Count(Draw(*cnh, 3), "LINE", "szaggatott"), 6);
    std::vector<Primitive> side = Draw(*ans, 4);
    ASSERT_EQ(side.size(), 4u);
    EXPECT_DOUBLE_EQ(side[0].x1, -880);
    EXPECT_DOUBLE_EQ(side[2].x1, -925);
    std::vector<Primitive> end = Draw(*cnh, 5);
    ASSERT_EQ(end.size(), 4u);
    EXPECT_DOUBLE_EQ(end[0].x1, -150);
    EXPECT_TRUE(Draw(*cnh, 6).empty());
}
