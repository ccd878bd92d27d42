// The XN2 fire dampers: XN2-A, XN2-AK, XN2-J and XN2-JK.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "core/messages.h"
#include "elements/tests/element_drawing.h"
#include "elements/tv/ltv_duct_damper.h"
#include "elements/tv/ltv_vt32.h"
#include "elements/tv/ltv_xn2.h"
#include "elements/tv/tv_family.h"

namespace {

using Xn2Dampers = ElementDrawingTest;

std::unique_ptr<LTvXn2Damper> Make(int16_t subtype) {
    return std::unique_ptr<LTvXn2Damper>(dynamic_cast<LTvXn2Damper*>(CreateElement(kTvFamily, subtype)));
}

}  // namespace

TEST_F(Xn2Dampers, NamesByTypeVariantAndActuator) {
    struct Case {
        int16_t subtype;
        std::vector<double> v;
        const char* name;
    } cases[] = {
        {16, {400, 300, 0, 1, 1}, "XN2-J-HP+SM24V"},
        {16, {400, 300, 0, 2, 4}, "XN2-J-VD+SM230V"},
        {17, {315, 0, 1, 1}, "XN2-J-HP"},
        {17, {315, 0, 2, 1}, "XN2-J-HP+SM230V"},
        {14, {400, 300, 0, 1, 1, 2}, "XN2-A-HL"},
        {15, {315, 0, 0, 1, 3}, "XN2-A-VG"},
        {16, {400, 300, 0, 7, 0}, "XN2-J-HP+SM230V"},  // options held to their lists
    };
    for (const Case& c : cases) {
        auto e = Make(c.subtype);
        ASSERT_NE(e, nullptr) << c.subtype;
        EXPECT_EQ(e->SetParams(c.v.data()), 0);
        EXPECT_EQ(e->NameText(), c.name);
    }
}

TEST_F(Xn2Dampers, RoundCasingAndConnectors) {
    struct Case {
        double d, side, depth;
    } cases[] = {{100, 200, 400}, {299, 250, 400}, {300, 300, 400}, {315, 350, 430},
                 {560, 600, 650}, {999, 900, 950}, {1000, 1000, 1050}};
    auto e = Make(15);
    for (const Case& c : cases) {
        const double v[] = {c.d, 0, 0, 0, 1};
        e->SetParams(v);
        EXPECT_EQ(e->S, c.side) << c.d;
        EXPECT_EQ(e->depth, c.depth) << c.d;
        EXPECT_EQ(e->GetConnector(0)->position[0], c.depth / 2 + 50);
        EXPECT_EQ(e->GetConnector(1)->position[0], -c.depth / 2 - 50);
        EXPECT_EQ(e->GetConnector(1)->a, c.d);
    }
    // The rectangular ones take the casing depth of VT-3-2 from H.
    auto rect = Make(14);
    const double v[] = {500, 450, 0, 0, 0, 1};
    rect->SetParams(v);
    EXPECT_EQ(rect->depth, 460);
    EXPECT_EQ(rect->GetConnector(1)->position[0], -230);
    EXPECT_EQ(rect->GetConnector(0)->b, 450);
}

TEST_F(Xn2Dampers, DescriptionsAndLabel) {
    auto a = Make(14);
    const double flags[] = {400, 300, 0, 1, 1, 1};
    a->SetParams(flags);
    EXPECT_EQ(Description(*a), std::string("XN2-A-HP  L=400;  H=300;  ") + MessageText(133));
    a->SetParamText(2, "Corridor");
    EXPECT_EQ(Description(*a), std::string("XN2-A-HP  L=400;  H=300;  ") + MessageText(133) + ", Corridor");
    auto jk = Make(17);
    EXPECT_EQ(Description(*jk), "XN2-J-HP  D=100;  SM24V");

    a->SetSystemRecord(Pens());
    a->GetConnector(0)->flow = 700;
    const double again[] = {400, 300, 0, 1, 1, 1};
    a->SetParams(again);
    EXPECT_EQ(a->GetConnector(1)->flow, 700);
    host::io::setScript("100,100\n");
    EXPECT_EQ(a->UpdateLabel(), 0);
    EXPECT_EQ(LabelTexts(*a), (std::vector<std::string>{"Corridor", "XN2-A-HP", "400 x 300", "700 m3/h"}));
}

// XN2 dampers are drawn as VT-3-2 dampers of the same size.
TEST_F(Xn2Dampers, DrawnWithTheDamperSymbols) {
    auto xn2 = Make(16);
    std::unique_ptr<LTvVt32> vt(dynamic_cast<LTvVt32*>(CreateElement(kTvFamily, 1)));
    const double x[] = {400, 300, 0, 1, 1};
    const double v[] = {400, 300, 0, 1, 1, 0, 0, 1};
    xn2->SetParams(x);
    vt->SetParams(v);
    for (int16_t o = 0; o < 6; ++o) {
        std::vector<Primitive> a = Draw(*xn2, o), b = Draw(*vt, o);
        ASSERT_EQ(a.size(), b.size()) << o;
        for (size_t k = 0; k < a.size(); ++k)
            EXPECT_EQ(a[k].x2, b[k].x2) << o << ": " << k;
    }
    auto round = Make(17);
    EXPECT_EQ(Draw(*round, 0).size(), 2u + 2 + 2 + 4 + 1 + 5 + 3 + 1);
}
