// The fans, heaters and filters: values and connectors, texts, symbols.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/anonymous_block.h"
#include "core/element_factory.h"
#include "core/type_tables.h"
#include "elements/msc/lmsc_filter.h"
#include "elements/msc/lmsc_kalorifer.h"
#include "elements/msc/lmsc_ventilator.h"
#include "elements/msc/msc_family.h"
#include "elements/tests/element_drawing.h"
#include "db/database.h"

namespace {

class Equipment : public ElementDrawingTest {
protected:
    // The block of orientation o without the connector ends that open it,
    // and the radii of its circles in drawing order.
    static std::vector<Primitive> Symbol(LMscUnit& e, int16_t o, std::vector<double>* radii = nullptr) {
        e.SetSystemRecord(Pens());
        e.orientation = o;
        char name[kBlockNameSize] = "";
        EXPECT_EQ(e.MakeBlock(name), 0);
        std::vector<Primitive> all = BlockPrimitives(name);
        if (radii)
            *radii = Radii(name);
        ads_point origin = {0, 0, 0};
        BeginAnonymousBlock(origin);
        e.DrawConnectorEnds(e.layoutLengths[2], 1);
        char ends[kBlockNameSize] = "";
        EndAnonymousBlock(ends, sizeof ends);
        size_t n = std::min(BlockPrimitives(ends).size(), all.size());
        return std::vector<Primitive>(all.begin() + static_cast<long>(n), all.end());
    }

    static std::vector<double> Radii(const char* name) {
        std::vector<double> out;
        host::db::Database* db = host::api::currentDatabase();
        const host::db::Block* block = db->block(db->findRecord(host::db::Table::BlockRecord, name));
        for (auto slot : block->entities) {
            const host::db::Object* o = db->object(slot);
            if (o->typeName() == std::string("CIRCLE"))
                if (const host::db::Group* g = host::db::findGroup(*o, 40))
                    out.push_back(g->asReal());
        }
        return out;
    }
};

std::unique_ptr<LMscUnit> Make(int16_t type) {
    return std::unique_ptr<LMscUnit>(dynamic_cast<LMscUnit*>(CreateElement(kMscFamily, type)));
}

}  // namespace

TEST_F(Equipment, FanConnectorsAirflowAndLabel) {
    auto fan = Make(1);
    ASSERT_NE(fan, nullptr);
    fan->GetConnector(0)->flow = 1500;
    fan->SetParamText(3, "AHU-1");
    const double v[] = {400, 300, 500, 0, 250};
    EXPECT_EQ(fan->SetParams(v), 0);
    for (int i = 0; i < 2; ++i) {
        const LConnector* c = fan->GetConnector(static_cast<int16_t>(i));
        EXPECT_EQ(c->position[0], i == 0 ? 250 : -250);
        EXPECT_EQ(c->a, 400);
        EXPECT_EQ(c->b, 300);
        EXPECT_EQ(c->flow, 1500);
    }
    EXPECT_EQ(Params(*fan), (std::vector<double>{400, 300, 500, 0, 250}));
    // A value that is not a number keeps the size it would replace.
    const double unmeasured[] = {NAN, 300, INFINITY, 0, 250};
    fan->SetParams(unmeasured);
    EXPECT_EQ(Params(*fan), (std::vector<double>{400, 300, 500, 0, 250}));
    fan->SetSystemRecord(Pens());
    host::io::setScript("100,100\n");
    EXPECT_EQ(fan->UpdateLabel(), 0);
    EXPECT_EQ(fan->GetFlow(), 1500);
    EXPECT_EQ(LabelTexts(*fan), (std::vector<std::string>{"400 x 300", "AHU-1", "250 Pa", "1500 m3/h"}));
}

// Each class: its shape, its text parameters and what its default row gives.
TEST_F(Equipment, EveryTypeBuildsWithItsDefaults) {
    struct Case {
        int16_t type;
        std::vector<double> params;
        std::vector<int16_t> texts;
    } cases[] = {
        {1, {200, 200, 600, 0, 0}, {3}},  {2, {200, 600, 0, 0}, {2}},
        {4, {200, 200, 600, 0, 0}, {3}},  {6, {200, 200, 0, 0}, {2}},  // the round heater is 200 long
        {11, {200, 200, 600, 0, 0}, {3, 4}}, {12, {200, 600, 0, 0}, {2, 3}},
    };
    for (const Case& c : cases) {
        auto e = Make(c.type);
        ASSERT_NE(e, nullptr) << c.type;
        EXPECT_EQ(e->GetSubtype(), c.type);
        EXPECT_EQ(Params(*e), c.params) << c.type;
        for (int16_t i = 0; i < e->GetParamCount(); ++i) {
            bool text = std::find(c.texts.begin(), c.texts.end(), i) != c.texts.end();
            EXPECT_EQ(e->ParamIsText(i) != 0, text) << c.type << ": " << i;
        }
        EXPECT_EQ(e->GetConnector(1)->shape, e->Layout().round ? kShapeRound : kShapeRect);
    }
}

TEST_F(Equipment, DescriptionsPerClass) {
    struct Case {
        int16_t type;
        std::vector<double> v;
        const char* text;
        const char* second;
        const char* line;
    } cases[] = {
        {1, {400, 300, 500, 0, 250}, "AHU", "", "Ventilator  a=400;  b=300;  l=500;  AHU;  900m3/h;  250Pa;"},
        {2, {315, 600, 0, 80}, "", "", "Ventilator  d=315;  l=600;  ;  900m3/h;  80Pa;"},
        {5, {400, 300, 500, 0, 2000}, "LTHW", "", "Kalorifer +/-  a=400;  b=300;  l=500;  LTHW;  2000W;  900m3/h;"},
        {7, {250, 400, 0, 1500}, "E", "", "Kalorifer -  d=250;  l=400;  E;  1500W;  900m3/h;"},
        {9, {400, 300, 500, 0, 0}, "G4", "F7", "Filter  a=400;  b=300;  l=500;  G4;  F7;  900m3/h;"},
        {12, {250, 600, 0, 0}, "G4", "", "Filter  d=250;  l=600;  G4;  ;  900m3/h;"},
    };
    for (const Case& c : cases) {
        auto e = Make(c.type);
        e->GetConnector(0)->flow = 900;
        bool round = e->Layout().round;
        e->SetParamText(round ? 2 : 3, c.text);
        if (c.type >= 9)
            e->SetParamText(round ? 3 : 4, c.second);
        e->SetParams(c.v.data());
        EXPECT_EQ(Description(*e), c.line) << c.type;
    }
}

// A long text makes the line longer than the description buffer: it is
// cut there, before any character it would split.
TEST_F(Equipment, LongDescriptionIsCutToTheBuffer) {
    auto filter = Make(9);
    std::string longText(120, 'x');
    filter->SetParamText(3, longText.c_str());
    std::string line = Description(*filter);
    EXPECT_EQ(line.size(), static_cast<size_t>(kDescriptionSize - 1));
    EXPECT_EQ(line.rfind("Filter  a=200;", 0), 0u);
    std::string accents;
    for (int i = 0; i < 60; ++i)
        accents += "\xc3\xa9";  // two bytes each
    filter->SetParamText(3, accents.c_str());
    line = Description(*filter);
    EXPECT_LE(line.size(), static_cast<size_t>(kDescriptionSize - 1));
    EXPECT_EQ((line.size() - std::string("Filter  a=200;  b=200;  l=600;  ").size()) % 2, 0u);
}

TEST_F(Equipment, FanCircleBladesAndBase) {
    auto fan = Make(1);
    std::vector<double> radii;
    std::vector<Primitive> plan = Symbol(*fan, 0, &radii);
    // Casing, circle, blades, base.
    ASSERT_EQ(plan.size(), 2u + 1 + 2 + 3);
    ASSERT_EQ(radii.size(), 1u);
    EXPECT_DOUBLE_EQ(radii[0], 75);
    ExpectLine(plan[0], "0", -300, 100, 300, 100);
    // The blade ends lie on the circle, the blades leaning to -x.
    EXPECT_NEAR(std::hypot(plan[3].x1, plan[3].y1), 75, 1e-9);
    EXPECT_NEAR(std::hypot(plan[3].x2, plan[3].y2), 75, 1e-9);
    EXPECT_LT(plan[3].x2, 0);
    ExpectLine(plan[6], "0", -75, -130, 75, -130);
    // Seen from the other side the blades turn over; the side view has no base.
    std::vector<Primitive> back = Symbol(*fan, 3);
    EXPECT_GT(back[3].x2, 0);
    EXPECT_EQ(Symbol(*fan, 1).size(), 5u);
    const double shortFan[] = {200, 200, 100, 0, 0};
    fan->SetParams(shortFan);
    Symbol(*fan, 0, &radii);
    EXPECT_DOUBLE_EQ(radii[0], 37.5);
    // End on, only the connector ends.
    EXPECT_TRUE(Symbol(*fan, 2).empty());
    EXPECT_TRUE(Symbol(*fan, 5).empty());
}

TEST_F(Equipment, HeaterSizeFromWidthAndLength) {
    const double cases[][2] = {{400, 150}, {200, 150}, {160, 120}};
    auto heater = Make(3);
    for (const auto& c : cases) {
        const double v[] = {300, 200, c[0], 0, 0};
        heater->SetParams(v);
        std::vector<double> radii;
        std::vector<Primitive> plan = Symbol(*heater, 0, &radii);
        ASSERT_EQ(radii.size(), 1u);
        EXPECT_DOUBLE_EQ(radii[0] * 2, c[1]) << c[0];
        // Casing, circle, "+", legs at the circle's sides.
        ASSERT_EQ(plan.size(), 2u + 1 + 2 + 2);
        EXPECT_DOUBLE_EQ(plan[5].x1, -c[1] / 2);
        EXPECT_DOUBLE_EQ(plan[5].y2, -250);
    }
    // Seen from the side: two small circles in place of the legs.
    std::vector<double> radii;
    Symbol(*heater, 4, &radii);
    EXPECT_EQ(radii.size(), 3u);
    // The round heater: stubs and a casing 100 proud of the duct.
    auto round = Make(8);
    std::vector<Primitive> plan = Symbol(*round, 1, &radii);
    ASSERT_EQ(plan.size(), 2u + 4 + 1 + 3 + 2 + 2);
    ExpectLine(plan[2], "0", -55, 200, 55, 200);
    EXPECT_DOUBLE_EQ(radii[0] * 2, 82.5);  // 3 (l - 90) / 4
}

// Types 9 and 11 differ only in their pattern.
TEST_F(Equipment, FilterZigzagOrQuadrilateral) {
    auto zigzag = Make(9), quad = Make(11);
    std::vector<Primitive> z = Symbol(*zigzag, 0), q = Symbol(*quad, 0);
    ASSERT_EQ(z.size(), 2u + 4 + 3);
    ASSERT_EQ(q.size(), z.size());
    // t = 50: the zigzag from (-25, 100) down to (-25, -100).
    ExpectLine(z[2], "P2", -25, 100, 25, 50);
    ExpectLine(z[5], "P2", 25, -50, -25, -100);
    // The quadrilateral closes on its first corner.
    ExpectLine(q[2], "P2", 37.5, 75, -37.5, 50);
    EXPECT_DOUBLE_EQ(q[5].x2, q[2].x1);
    EXPECT_DOUBLE_EQ(q[5].y2, q[2].y1);
    ExpectLine(z[6], "0", -25, -100, -25, -130);
}
