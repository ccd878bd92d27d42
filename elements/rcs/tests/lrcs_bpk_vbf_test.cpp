// BPK, BPK+DZK and VBF.
#include <memory>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "core/type_tables.h"
#include "elements/rcs/lrcs_bpk.h"
#include "elements/rcs/lrcs_dk_bpk.h"
#include "elements/rcs/lrcs_vbf.h"
#include "elements/rcs/rcs_family.h"
#include "elements/tests/element_drawing.h"

namespace {

using RoundFaces = ElementDrawingTest;

template <class T>
std::unique_ptr<T> Make(int16_t id) {
    return std::unique_ptr<T>(dynamic_cast<T*>(CreateElement(kRcsFamily, id)));
}

}  // namespace

TEST_F(RoundFaces, BpkT3DoesNotComeIn300) {
    auto bpk = Make<LRCsBPK>(19);
    ASSERT_NE(bpk, nullptr);
    EXPECT_EQ(bpk->GetKind(), 8);
    struct Step {
        double D, T, option;
        double toT;
        const char* text;
    };
    const Step steps[] = {
        {300, 3, 1, 1, "BPK-T1  D=300;"},      // refused: the type stays
        {400, 3, 2, 3, "BPK-T3+VFR  D=400;"},  // T3 in 400
        {300, 3, 3, 2, "BPK-T2+KRP  D=300;"},  // shrunk to 300: T3 becomes T2
        {500, 3, 4, 3, "BPK-T3+Z  D=500;"},
        {500, 0, 0, 0, "BPK-  D=500;"},        // outside the lists: no text
    };
    for (const Step& s : steps) {
        const double v[] = {s.D, s.T, s.option};
        EXPECT_EQ(bpk->SetParams(v), 0);
        EXPECT_EQ(bpk->type, s.toT) << s.D << "/" << s.T;
        EXPECT_EQ(Description(*bpk), s.text);
    }
    EXPECT_EQ(bpk->GetConnector(0)->a, 500);
    EXPECT_EQ(Draw(*bpk, 0)[0].type, "CIRCLE");
    std::vector<Primitive> side = Draw(*bpk, 5);
    ASSERT_EQ(side.size(), 1u);
    ExpectLine(side[0], "P2", -270, -20, 270, -20);
}

TEST_F(RoundFaces, BpkInADzkBox) {
    auto box = Make<LRCsDkBPK>(20);
    ASSERT_NE(box, nullptr);
    const LConnector* c = box->GetConnector(0);
    EXPECT_EQ(c->side, 5);
    EXPECT_EQ(c->a, 250);
    EXPECT_DOUBLE_EQ(c->position[0], -(400.0 + 15) / 2 - 50);
    EXPECT_DOUBLE_EQ(c->position[2], 75);
    EXPECT_DOUBLE_EQ(box->GetQuantity(), 3.1415926535 * 400 * 400 / 4);
    EXPECT_EQ(Description(*box), "BPK-T1+DZK+VFR  D=400;");
    const double t3[] = {3, 200, 300, 3};
    box->SetParams(t3);
    EXPECT_EQ(box->NameText(), "BPK-T3+DZK+Z");  // no size rule here

    // Plan: the square box, the spigot, the hub, the rim and eight vanes.
    std::vector<Primitive> plan = Draw(*box, 0);
    ASSERT_EQ(plan.size(), 4u + 3 + 2 + 8);
    EXPECT_EQ(Count(plan, "CIRCLE", "szaggatott"), 2);
    ExpectLine(plan[4], "0", -157.5, 100, -207.5, 100);
    std::vector<Primitive> below = Draw(*box, 3);
    EXPECT_EQ(Count(below, "LINE", "szaggatott"), 0);
    ExpectLine(below[4], "0", 157.5, 100, 207.5, 100);
    // Side: the box with its sloped back and the spigot, nothing below it.
    EXPECT_EQ(Draw(*box, 1).size(), 7u);
    EXPECT_TRUE(Draw(*box, 2).empty());
    EXPECT_TRUE(Draw(*box, 5).empty());
}

TEST_F(RoundFaces, VbfCasingFollowsItsDiameter) {
    auto vbf = Make<LRCsVBF>(21);
    ASSERT_NE(vbf, nullptr);
    const double cases[][4] = {{315, 700, 230, 165}, {630, 1200, 440, 250}, {200, 450, 170, 130},
                               {250, 560, 200, 145}, {500, 980, 380, 220}};
    for (const auto& c : cases) {
        const double v[] = {c[0], 2, 1};
        vbf->SetParams(v);
        EXPECT_EQ(vbf->L, c[1]) << c[0];
        EXPECT_EQ(vbf->A, c[2]) << c[0];
        EXPECT_EQ(vbf->B, c[3]) << c[0];
    }
    EXPECT_EQ(Description(*vbf), "VBF-2  D=500;");
    // Its third value is kept as given and read back; the row has two.
    const double v[] = {315, 3, 7};
    vbf->SetParams(v);
    EXPECT_EQ(Params(*vbf), (std::vector<double>{315, 3, 7}));
    auto back = Make<LRCsVBF>(21);
    ASSERT_EQ(CopyByXData(*vbf, *back), 0);
    EXPECT_EQ(Params(*back), (std::vector<double>{315, 3, 7}));
    EXPECT_EQ(TypeRow(kRcsFamily, 21)->paramCount, 2);
    EXPECT_EQ(back->ParamKind(2), 0);
    EXPECT_EQ(back->ParamChoices(2), nullptr);

    EXPECT_EQ(Draw(*vbf, 3)[0].type, "CIRCLE");
    for (int16_t o : {1, 2, 4, 5}) {
        std::vector<Primitive> side = Draw(*vbf, o);
        ASSERT_EQ(side.size(), 3u + 4 + 3) << o;
        ExpectLine(side[1], "P1", -157.5, 0, 157.5, 0);
        double s = o == 1 || o == 4 ? 1 : -1;
        // e = 230 / 4, k = (700 - 2e) / 3: the first vane line at the top.
        ExpectLine(side[7], "P2", -s * (350 - 57.5), -165 - 57.5, -s * (350 - 57.5 - 195), -165 - 57.5);
    }
}
