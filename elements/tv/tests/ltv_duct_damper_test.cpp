// The fire dampers VT-3-2, VT-3-2K, LZ3 and LZ3K.
#include <algorithm>
#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "core/anonymous_block.h"
#include "core/messages.h"
#include "core/element_factory.h"
#include "elements/tests/element_drawing.h"
#include "core/type_tables.h"
#include "elements/tests/element_test.h"
#include "elements/tv/tv_family.h"
#include "elements/tv/ltv_lz3.h"
#include "elements/tv/ltv_vt32.h"

namespace {

class Dampers : public ElementDrawingTest {
protected:
    // The block of orientation o without the connector ends that open it.
    static std::vector<Primitive> Symbol(LTv& e, int16_t o) {
        std::vector<Primitive> all = Draw(e, o);
        ads_point origin = {0, 0, 0};
        BeginAnonymousBlock(origin);
        e.DrawConnectorEnds(e.layoutLengths[0], 1);
        char name[kBlockNameSize] = "";
        EndAnonymousBlock(name, sizeof name);
        size_t ends = BlockPrimitives(name).size();
        EXPECT_LE(ends, all.size());
        return std::vector<Primitive>(all.begin() + static_cast<long>(std::min(ends, all.size())), all.end());
    }
};

template <class T>
std::unique_ptr<T> Make(int16_t subtype) {
    return std::unique_ptr<T>(dynamic_cast<T*>(CreateElement(kTvFamily, subtype)));
}

// The primitives on one layer (and linetype, when given).
std::vector<Primitive> On(const std::vector<Primitive>& list, const char* layer,
                          const char* linetype = nullptr) {
    std::vector<Primitive> out;
    for (const Primitive& p : list)
        if (p.layer == layer && (!linetype || p.linetype == linetype))
            out.push_back(p);
    return out;
}

}  // namespace

TEST_F(Dampers, FactoryBuildsEachTypeWithItsDefaultsAndConnectors) {
    const int16_t counts[] = {8, 7, 10, 9};
    const int16_t texts[] = {2, 1, 2, 1};
    for (int16_t s = 1; s <= 4; ++s) {
        std::unique_ptr<LObject> e(CreateElement(kTvFamily, s));
        ASSERT_NE(e, nullptr) << s;
        EXPECT_EQ(e->GetFamily(), 4);
        EXPECT_EQ(e->GetTypeDesc(), TypeRow(kTvFamily, s));
        EXPECT_EQ(e->GetParamCount(), counts[s - 1]);
        EXPECT_EQ(Params(*e), std::vector<double>(TypeDefaults(kTvFamily, s), TypeDefaults(kTvFamily, s) + counts[s - 1])) << s;
        EXPECT_EQ(e->GetKind(), 0);
        EXPECT_EQ(e->flipModes[0], 1);
        EXPECT_EQ(e->flipModes[1], 0);
        EXPECT_TRUE(e->ParamIsText(texts[s - 1]));
        bool round = s % 2 == 0;
        for (int i = 0; i < 2; ++i) {
            const LConnector* c = e->GetConnector(static_cast<int16_t>(i));
            EXPECT_EQ(c->side, i == 0 ? 2 : 5);
            EXPECT_EQ(c->shape, round ? kShapeRound : kShapeRect);
            EXPECT_EQ(c->paramA, 0);
            EXPECT_EQ(c->paramB, round ? -1 : 1);
            EXPECT_EQ(c->owner, e.get());
        }
    }
}

// Positions outside the option lists are held to them, so that every value
// has its text.
TEST_F(Dampers, OptionsStayInTheirLists) {
    auto lz3 = Make<LTvLz3>(3);
    const double v[] = {400, 300, 0, 7, 5, 9, 9, 3, -2, 6};
    lz3->SetParams(v);
    EXPECT_EQ(Params(*lz3), (std::vector<double>{400, 300, 0, 1, 2, 3, 4, 1, 0, 4}));
    EXPECT_EQ(lz3->NameText(), "LZ3-VD+TK+AK48V+SM230V");
    const double low[] = {400, 300, 0, 0, 0, 0, 0, 0, 0, 0};
    lz3->SetParams(low);
    EXPECT_EQ(lz3->NameText(), "LZ3-HP");
}

TEST_F(Dampers, Vt32CasingDepthFollowsTheHeight) {
    auto vt = Make<LTvVt32>(1);
    EXPECT_EQ(vt->depth, 400);
    EXPECT_EQ(vt->GetConnector(0)->position[0], 200);
    EXPECT_EQ(vt->GetConnector(1)->position[0], -200);
    const double depths[][2] = {{349, 400}, {350, 430}, {399, 430}, {400, 460},
                                {500, 570}, {599, 570}, {600, 650}, {2000, 650}};
    for (const auto& d : depths) {
        const double v[] = {700, d[0], 0, 1, 1, 0, 0, 1};
        vt->SetParams(v);
        EXPECT_EQ(vt->depth, d[1]) << d[0];
    }
    // Sizes are taken as they come, not snapped to the list.
    EXPECT_EQ(vt->L, 700);
    EXPECT_EQ(vt->GetConnector(1)->a, 700);
    EXPECT_EQ(vt->GetConnector(1)->b, 2000);
    EXPECT_EQ(vt->GetConnector(0)->position[0], 325);
    // A size that is no size (a damaged drawing) keeps the one before.
    const double broken[] = {NAN, 0, 0, 1, 1, 0, 0, 1};
    vt->SetParams(broken);
    EXPECT_EQ(vt->L, 700);
    EXPECT_EQ(vt->H, 2000);
    // The air passes through unchanged.
    vt->GetConnector(0)->flow = 1200;
    vt->SetParams(TypeDefaults(kTvFamily, 1));
    EXPECT_EQ(vt->GetConnector(1)->flow, 1200);
}

TEST_F(Dampers, Vt32NameDescriptionAndLabel) {
    auto vt = Make<LTvVt32>(1);
    const double v[] = {400, 300, 0, 3, 1, 1, 1, 2};
    vt->SetParams(v);
    EXPECT_EQ(vt->NameText(), "VT-3-2-HL+IK48V");
    EXPECT_EQ(vt->SizeText(), "400 x 300");
    EXPECT_EQ(Description(*vt), std::string("VT-3-2-HL  L=400;  H=300;  IK48V, ") + MessageText(133));
    vt->SetParamText(2, "B-12");
    const double sm[] = {400, 300, 0, 1, 4, 0, 1, 1};
    vt->SetParams(sm);
    EXPECT_EQ(Description(*vt),
              std::string("VT-3-2-HP  L=400;  H=300;  SM230V, ") + MessageText(131) + ", B-12");
    const double bare[] = {400, 300, 0, 1, 1, 0, 0, 1};
    vt->SetParams(bare);
    vt->SetParamText(2, "");
    EXPECT_EQ(Description(*vt), "VT-3-2-HP  L=400;  H=300;");
    // A long user text is kept whole.
    std::string longText(300, 'x');
    vt->SetParamText(2, longText.c_str());
    EXPECT_NE(Description(*vt).find(longText), std::string::npos);

    vt->SetParamText(2, "B-12");
    vt->SetSystemRecord(Pens());
    vt->GetConnector(0)->flow = 900;
    host::io::setScript("100,100\n");
    EXPECT_EQ(vt->UpdateLabel(), 0);
    EXPECT_EQ(vt->GetFlow(), 900);
    EXPECT_EQ(LabelTexts(*vt), (std::vector<std::string>{"B-12", "VT-3-2-HP", "400 x 300", "900 m3/h"}));
}

TEST_F(Dampers, Vt32BlockPerView) {
    auto vt = Make<LTvVt32>(1);
    const double v[] = {400, 300, 0, 1, 1, 0, 0, 1};
    vt->SetParams(v);
    // Plan: casing sides, blade, diagonal, housing, hub, centre line.
    std::vector<Primitive> plan = Symbol(*vt, 0);
    ASSERT_EQ(plan.size(), 12u);
    std::vector<Primitive> neutral = On(plan, "0");
    ASSERT_EQ(neutral.size(), 5u);
    EXPECT_DOUBLE_EQ(neutral[0].x1, -200);
    EXPECT_DOUBLE_EQ(neutral[0].y1, 200);
    EXPECT_DOUBLE_EQ(neutral[2].y2, 300);  // housing 100 above the casing
    std::vector<Primitive> dashed = On(plan, "P2", "szaggatott");
    ASSERT_EQ(dashed.size(), 5u);
    EXPECT_DOUBLE_EQ(dashed[0].x1, -145);  // blade: H / 2 less 5
    EXPECT_DOUBLE_EQ(dashed[0].y1, 195);   // L / 2 less 5
    EXPECT_EQ(Count(plan, "HATCH"), 1);
    std::vector<Primitive> centre = On(plan, "PC");
    ASSERT_EQ(centre.size(), 1u);
    EXPECT_DOUBLE_EQ(centre[0].x1, -200);
    EXPECT_DOUBLE_EQ(centre[0].x2, 200);

    // Side: the housing face-on, solid from one side and dashed from the other.
    std::vector<Primitive> side = Symbol(*vt, 1);
    EXPECT_EQ(On(side, "0").size(), 6u);
    EXPECT_EQ(On(side, "P2", "szaggatott").size(), 5u);
    std::vector<Primitive> back = Symbol(*vt, 4);
    EXPECT_EQ(On(back, "0").size(), 2u);
    EXPECT_EQ(On(back, "P2", "szaggatott").size(), 9u);

    // End on: only the connector ends and the centre line.
    std::vector<Primitive> end = Symbol(*vt, 2);
    ASSERT_EQ(end.size(), 1u);
    EXPECT_EQ(end[0].layer, "PC");
    vt->orientation = 5;
    vt->system.rectCentreLines = 0;
    EXPECT_TRUE(On(Block(*vt), "PC").empty());
}

// The round casings come from the diameter, for VT-3-2K and LZ3K alike.
TEST_F(Dampers, RoundCasingFromTheDiameter) {
    struct Case {
        int16_t subtype;
        double d, side, depth;
    } cases[] = {
        {2, 100, 350, 430},  {2, 315, 350, 430}, {2, 400, 400, 460},   {2, 450, 450, 460},
        {2, 560, 600, 650},  {2, 799, 750, 800}, {2, 900, 900, 950},   {4, 249, 200, 400},
        {4, 250, 250, 400},  {4, 315, 350, 430}, {4, 999, 900, 950},   {4, 1000, 1000, 1050},
        {4, 1600, 1000, 1050},
    };
    for (const Case& c : cases) {
        auto e = Make<LTvDuctDamper>(c.subtype);
        std::vector<double> v = Params(*e);
        v[0] = c.d;
        e->SetParams(v.data());
        EXPECT_EQ(e->S, c.side) << c.subtype << ": " << c.d;
        EXPECT_EQ(e->depth, c.depth) << c.subtype << ": " << c.d;
    }
}

TEST_F(Dampers, Vt32kConnectorsNameAndDescription) {
    auto vt = Make<LTvVt32K>(2);
    const double v[] = {315, 0, 2, 3, 0, 0, 3};
    vt->SetParams(v);
    EXPECT_EQ(vt->GetConnector(0)->position[0], 265);
    EXPECT_EQ(vt->GetConnector(1)->position[0], -265);
    EXPECT_EQ(vt->GetConnector(0)->a, 315);
    EXPECT_EQ(vt->NameText(), "VT-3-2-VG+IK24V+SM48V");
    EXPECT_EQ(vt->SizeText(), "\\U+2205315");
    EXPECT_EQ(Description(*vt), "VT-3-2-VG  D=315;  IK24V, SM48V");
}

TEST_F(Dampers, RoundBlockPerView) {
    auto vt = Make<LTvVt32K>(2);
    const double v[] = {315, 0, 1, 1, 0, 0, 1};
    vt->SetParams(v);
    // Casing, flanges, spigots, centre line, blade outline and diagonal,
    // housing, hub.
    std::vector<Primitive> plan = Symbol(*vt, 0);
    ASSERT_EQ(plan.size(), 2u + 2 + 4 + 1 + 5 + 3 + 1);
    std::vector<Primitive> flanges = On(plan, "P1");
    ASSERT_EQ(flanges.size(), 2u);
    EXPECT_DOUBLE_EQ(flanges[0].x1, -215);
    EXPECT_DOUBLE_EQ(flanges[0].y1, 205);  // S / 2 + 30
    std::vector<Primitive> neutral = On(plan, "0");
    ASSERT_EQ(neutral.size(), 2u + 4 + 3);
    EXPECT_DOUBLE_EQ(neutral[2].y1, 157.5);  // spigot at D / 2
    EXPECT_DOUBLE_EQ(neutral[2].x2, -265);
    std::vector<Primitive> centre = On(plan, "PC");
    ASSERT_EQ(centre.size(), 1u);
    EXPECT_DOUBLE_EQ(centre[0].x1, -265);
    EXPECT_EQ(On(plan, "P2", "szaggatott").size(), 5u);
    EXPECT_EQ(Count(plan, "HATCH"), 1);
    // End on: casing, flanges, spigots, blade outline and hub still show.
    std::vector<Primitive> end = Symbol(*vt, 5);
    EXPECT_EQ(end.size(), 2u + 2 + 4 + 1 + 4 + 1);
    EXPECT_EQ(On(end, "P2", "szaggatott").size(), 4u);
}

TEST_F(Dampers, Lz3ActuatorFamilyChoosesTheActuatorText) {
    auto lz3 = Make<LTvLz3>(3);
    const double ak[] = {600, 400, 0, 1, 2, 2, 1, 0, 0, 1};
    lz3->SetParams(ak);
    EXPECT_EQ(lz3->NameText(), "LZ3-HP+TK+AK24V");
    EXPECT_EQ(lz3->depth, 460);
    EXPECT_EQ(Description(*lz3), "LZ3-HP  L=600;  H=400;  TK, AK24V");
    const double ik[] = {600, 400, 0, 1, 1, 2, 1, 1, 0, 1};
    lz3->SetParams(ik);
    EXPECT_EQ(lz3->NameText(), "LZ3-HP+TK+IK24V");
    EXPECT_EQ(Description(*lz3), std::string("LZ3-HP  L=600;  H=400;  TK, IK24V, ") + MessageText(132));
}

TEST_F(Dampers, Lz3kDefaultsConnectorsAndDescription) {
    auto lz3 = Make<LTvLz3K>(4);
    EXPECT_EQ(lz3->S, 200);
    EXPECT_EQ(lz3->depth, 400);
    const double v[] = {1600, 0, 0, 1, 1, 1, 0, 0, 1};
    lz3->SetParams(v);
    EXPECT_EQ(lz3->GetConnector(0)->position[0], 575);
    EXPECT_EQ(lz3->NameText(), "LZ3-HP");
    EXPECT_EQ(Description(*lz3), "LZ3-HP  D=1600;");
}

// The values go into the element XDATA in parameter order, the user text
// as text, and a fresh damper of the type reads them back whole.
TEST_F(Dampers, XDataKeepsValuesAndUserText) {
    auto lz3 = Make<LTvLz3>(3);
    const double v[] = {650, 450, 0, 1, 2, 3, 2, 1, 0, 3};
    lz3->SetParams(v);
    lz3->SetParamText(2, "Floor 2, shaft B");
    auto back = Make<LTvLz3>(3);
    ASSERT_EQ(CopyByXData(*lz3, *back), 0);
    EXPECT_EQ(Params(*back), Params(*lz3));
    EXPECT_EQ(back->GetParamText(2), "Floor 2, shaft B");
    EXPECT_EQ(back->depth, 460);
    EXPECT_EQ(back->GetConnector(1)->position[0], -230);
}
