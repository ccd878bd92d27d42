// The in-duct units of the rectangular family: KNH-E and KNH-K with their
// open area, CS, CSK-H and CSK-V with their inserts, and the blade units
// USZ-29, LEM, S-15 and USZ-17 with their limits: values, connector areas,
// descriptions, stretching and the blocks of all six views.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/tests/element_drawing.h"
#include "elements/vl/lvlcs.h"
#include "elements/vl/lvlknh.h"
#include "elements/vl/lvlusz.h"
#include "elements/vl/vl_family.h"

namespace {

using VlUnits = ElementTest;
using VlUnitsBlock = ElementDrawingTest;

using Owned = ElementPtr;

Owned Make(int16_t subtype, const std::vector<double>& values = {}) { return MakeElement(kVlFamily, subtype, values); }

}  // namespace

// Only 33 and 50 are open-area percentages; the connectors' area is the
// open part, and so is the velocity of the airflow text.
TEST_F(VlUnits, OpenAreaOfTheKnhUnits) {
    Owned e = Make(15, {400, 300, 0, 40});
    EXPECT_EQ(Params(*e), (std::vector<double>{400, 300, 1000, 50}));
    EXPECT_EQ(e->GetConnector(1)->areaFactor, 0.5);
    Owned k = Make(16, {0, 600, 33});
    EXPECT_EQ(Params(*k), (std::vector<double>{600, 600, 33}));
    EXPECT_EQ(dynamic_cast<LVlKnhK*>(k.get())->S, 850);
    EXPECT_NEAR(k->GetConnector(1)->GetArea(), 0.33 * 600 * 600, 1e-6);
    EXPECT_EQ(k->GetConnector(1)->position[1], -425);
    const double keep[3] = {0, 0, 0};
    k->SetParams(keep);
    EXPECT_EQ(Params(*k), (std::vector<double>{600, 600, 33}));
    k->GetConnector(0)->flow = 1188;
    EXPECT_EQ(BomOf(*k).flows[0], "VAxB=1188 m3/h;  vAxB=2.8 m/s;");  // 277 x 1188 / (0.33 x 600 x 600)
    k->SetParams(nullptr);
    EXPECT_EQ(k->GetConnector(1)->flow, 1188);
    EXPECT_EQ(Description(*e), "KNH-E-50  A=400;  B=300;  L=1000;");
    EXPECT_EQ(Description(*k), "KNH-K-33  A=600;  B=600;");
    int16_t flags[4] = {};
    EXPECT_EQ(e->MarkFixedParams(flags), 0);
    EXPECT_EQ(flags[2], 1);
    EXPECT_EQ(k->MarkFixedParams(flags), -1);
}

// KNH-E stretches to its catalogue lengths only (up to a rounding error),
// CS to any length; the corners never.
TEST_F(VlUnits, StretchingBetweenTwoNeighbours) {
    struct Case {
        int16_t type, a, b;
        double along, across;
        int16_t orientation, result;
    } cases[] = {
        {15, 0, 1, 1000, 0, 0, 0},     {15, 1, 0, 2000 - 1e-9, 1e-10, 4, 0}, {15, 0, 1, 1500, 0, 0, -1},
        {15, 0, 1, 1000, 5, 0, -1},    {15, 1, 1, 1000, 0, 0, -1},          {15, 0, 1, 1000, 0, 2, -1},
        {15, 0, 1, 2000, 0, 5, -1},    {17, 0, 1, 1234, 0, 1, 0},           {17, 0, 1, 1234, 0, 5, -1},
        {17, 0, 1, -5, 0, 0, -1},      {16, 0, 1, 1000, 0, 0, -1},          {18, 0, 1, 1000, 0, 0, -1},
        {19, 0, 1, 1000, 0, 0, -1},    {21, 0, 1, 150, 0, 0, -1},
    };
    for (const Case& c : cases) {
        Owned e = Make(c.type);
        e->SetOrientation(c.orientation);
        double params[6] = {};
        int16_t changed[6] = {};
        ASSERT_EQ(e->FitLength(params, changed, c.a, c.b, c.along, c.across), c.result)
            << c.type << ": " << c.along << " in " << c.orientation;
        if (c.result == 0) {
            EXPECT_EQ(changed[2], 1);
            EXPECT_NEAR(params[2], c.along, 1e-6);
        }
    }
}

// The inserts leave a free part of the section that never goes below 0,
// and a section of no width divides nothing.
TEST_F(VlUnits, InsertsFreeAreaAndVariantTexts) {
    EXPECT_EQ(FreeAreaFactor(5, 100, 300), 0);  // the default row: clamped
    EXPECT_NEAR(FreeAreaFactor(5, 100, 1200), 1 - 500.0 / 1200, 1e-12);
    EXPECT_EQ(FreeAreaFactor(5, 100, 0), 0);
    EXPECT_EQ(FreeAreaFactor(0, 100, NAN), 0);

    Owned cs = Make(17, {1200, 300, 0, 2.6, 0, 2});
    EXPECT_EQ(Params(*cs), (std::vector<double>{1200, 300, 1000, 3, 100, 2}));
    EXPECT_NEAR(cs->GetConnector(0)->areaFactor, 1 - 300.0 / 1200, 1e-12);
    EXPECT_EQ(Description(*cs), "CS-S  B=1200;  H=300;  L=1000;  n=3;  t=100;");
    Owned clamped = Make(17, {0, 0, 0, 0, 0, 2});  // 5 inserts of 100 in 300
    EXPECT_EQ(dynamic_cast<LVlCs*>(clamped.get())->NameText(), "CS-S");
    EXPECT_EQ(clamped->GetConnector(0)->areaFactor, 0);
    EXPECT_EQ(clamped->GetConnector(1)->GetArea(), 0);
    clamped->GetConnector(0)->flow = 500;
    clamped->SetParams(nullptr);
    EXPECT_EQ(BomOf(*clamped).flows[0].find("-"), std::string::npos);  // no negative velocity

    // A variant outside the list prints no letter and is kept.
    const double outside[6] = {0, 0, 0, 0, 0, 4};
    cs->SetParams(outside);
    EXPECT_EQ(Params(*cs)[5], 4);
    EXPECT_EQ(Description(*cs).substr(0, 4), "CS  ");
    Owned h = Make(18, {0, 400, 0, 0, 3});
    Owned v = Make(19, {0, 400, 0, 0, 3});
    EXPECT_EQ(Params(*h), (std::vector<double>{400, 400, 5, 100, 3}));
    EXPECT_EQ(dynamic_cast<LVlCsKH*>(h.get())->S, 650);
    EXPECT_EQ(dynamic_cast<LVlCsKV*>(v.get())->S, 650);
    EXPECT_EQ(Description(*h), "CSK-R-H  B=400;  H=400;  n=5;  t=100;");
    EXPECT_EQ(dynamic_cast<LVlCsKV*>(v.get())->NameText(), "CSK-R-V");
    const double wide[5] = {600, 0, 0, 0, 9};
    v->SetParams(wide);
    EXPECT_EQ(dynamic_cast<LVlCsKV*>(v.get())->NameText(), "CSK-V");
    EXPECT_EQ(v->GetConnector(1)->a, 400);  // turned: B across, A along
    EXPECT_EQ(v->GetConnector(1)->b, 600);
    EXPECT_EQ(v->GetConnector(1)->position[2], 325);
}

// Sizes are taken as given, 0 included, then the class's limits apply;
// USZ-29's length follows the larger size.
TEST_F(VlUnits, BladeUnitLimitsAndLength) {
    struct Case {
        int16_t type;
        double first, second;
        double storedFirst, storedSecond, L;
    } cases[] = {
        {20, 250, 500, 250, 500, 570},    {20, 500, 250, 500, 250, 570},  {21, 2500, 300, 2000, 300, 150},
        {23, 300, 1700, 300, 1600, 150},  {22, 1620, 1610, 1620, 1600, 150}, {22, 1700, 1000, 1625, 1000, 150},
        {22, 1610, 1590, 1610, 1590, 150}, {21, 0, 250, 0, 250, 150},
    };
    for (const Case& c : cases) {
        Owned e = Make(c.type, {c.first, c.second, 2});
        auto* unit = dynamic_cast<LVlBladeUnit*>(e.get());
        ASSERT_NE(unit, nullptr);
        EXPECT_EQ(unit->first, c.storedFirst) << c.type << ": " << c.first;
        EXPECT_EQ(unit->second, c.storedSecond) << c.type << ": " << c.second;
        EXPECT_EQ(unit->L, c.L) << c.type;
        EXPECT_EQ(e->GetConnector(1)->position[0], -c.L / 2);
    }
    Owned lem = Make(21, {300, 200, 2});
    EXPECT_EQ(Description(*lem), "LEM-M  B=300;  H=200;");
    EXPECT_EQ(BomOf(*lem).quantities, (std::vector<int>{1}));
    const double outside[3] = {300, 200, 3};
    lem->SetParams(outside);
    EXPECT_EQ(Description(*lem), "LEM  B=300;  H=200;");
    EXPECT_EQ(Params(*lem)[2], 3);
}

// Every view of every unit draws a named block of finite entities; seen
// along the run only the connector symbols and the centre line stand.
TEST_F(VlUnitsBlock, AllSixViews) {
    for (int16_t type = 15; type <= 23; ++type) {
        for (int16_t o = 0; o < 6; ++o) {
            SCOPED_TRACE(std::to_string(type) + "/" + std::to_string(o));
            Owned e = Make(type);
            e->SetOrientation(o);
            std::vector<Primitive> with = Block(*e);
            for (const Primitive& p : with)
                EXPECT_TRUE(EndsAreFinite(p));
            e->system.rectCentreLines = 0;
            std::vector<Primitive> without = Block(*e);
            EXPECT_GT(with.size(), without.size());
            bool straight = type == 15 || type == 17 || type >= 20;
            if (straight && o % 3 == 2) {
                EXPECT_EQ(with.size(), without.size() + 1);
            }
        }
    }
}

// The four-blade units keep their axles at 50 once wider than 1000; a unit
// of no size draws no axle; CSK-H shows its n - 1 insert lines only from
// the side.
TEST_F(VlUnitsBlock, AxlesAndInsertLines) {
    Owned wide = Make(21, {1200, 400, 1});
    int hatches = Count(Draw(*wide, 0), "HATCH");
    EXPECT_EQ(hatches, 4);
    Owned flat = Make(21, {0, 0, 1});
    EXPECT_EQ(Count(Draw(*flat, 0), "HATCH"), 0);
    Owned h = Make(18, {1200, 300, 4, 100, 1});
    std::vector<Primitive> facing = Draw(*h, 2);
    std::vector<Primitive> onlyOne = Draw(*Make(18, {1200, 300, 1, 100, 1}), 2);
    EXPECT_EQ(facing.size(), onlyOne.size() + 3);
}

// Values no dialog offers (as damaged XDATA may hold them) leave every
// class with values that are numbers and a named block of finite entities
// in every view.
TEST_F(VlUnitsBlock, NonsenseValuesStillDrawFiniteBlocks) {
    const std::vector<std::vector<double>> inputs = {
        std::vector<double>(8, NAN), std::vector<double>(8, -1e9), std::vector<double>(8, 0.0),
        {1e-9, 1e-9, 1e-9, 1e-9, 1e-9, 1e-9, 1e-9, 1e-9}, {1, 1, 5000, 40000, 1, 70000, 1, 1}};
    for (int16_t type : {12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 30, 31, 32}) {
        for (const std::vector<double>& in : inputs) {
            Owned e = Make(type, in);
            for (int16_t o = 0; o < 6; ++o) {
                SCOPED_TRACE(std::to_string(type) + "/" + std::to_string(o));
                e->SetOrientation(o);
                for (const Primitive& p : Block(*e))
                    ASSERT_TRUE(EndsAreFinite(p));
                for (double v : Params(*e))
                    ASSERT_FALSE(std::isnan(v));
            }
        }
    }
}
