// What every air terminal with its own class keeps: its place in the
// catalogue, its values through the drawing's XDATA, and finite drawings
// whatever values it is given.
#include <cmath>
#include <limits>
#include <memory>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "core/type_tables.h"
#include "elements/rcs/rcs_family.h"
#include "elements/tests/element_drawing.h"

namespace {

using TerminalValues = ElementDrawingTest;

struct Terminal {
    int16_t id, connectors, params, kind, orientation;
    std::vector<double> values;  // a choice off the defaults, kept as given
};

const Terminal kTerminals[] = {
    {24, 1, 5, 0, 0, {3, 430, 430, 4, 78}},
    {25, 1, 4, 0, 1, {250, 900, 200, 100}},
    {30, 1, 6, 0, 0, {2, 575, 575, 5, 292, 100}},
    {31, 1, 7, 0, 0, {2, 4, 250, 575, 575, 2, 78}},
    {32, 1, 5, 0, 0, {2, 590, 590, 3, 292}},
    {33, 1, 4, 8, 0, {3, 500, 2, 3}},
    {34, 1, 2, 8, 0, {3, 250}},
    {35, 1, 3, 8, 0, {5, 630, 1800}},
    {36, 1, 2, 8, 0, {100, 450}},
    {37, 2, 6, 0, 0, {2, 250, 1800, 4, 3, 0}},
    {38, 1, 3, 8, 0, {2, 160, 1}},
    {39, 0, 6, 1, 0, {2, 1100, 300, 2, 1, 1}},
    {40, 0, 6, 1, 0, {2, 1234, 50, 2, 0, 1}},
};

std::unique_ptr<LObject> Make(int16_t id) { return std::unique_ptr<LObject>(CreateElement(kRcsFamily, id)); }

}  // namespace

TEST_F(TerminalValues, FactoryBuildsEachOnItsRow) {
    for (const Terminal& t : kTerminals) {
        auto e = Make(t.id);
        ASSERT_NE(e, nullptr) << t.id;
        EXPECT_EQ(e->GetSubtype(), t.id);
        EXPECT_EQ(e->GetTypeDesc(), TypeRow(kRcsFamily, t.id));
        EXPECT_EQ(e->GetParamCount(), t.params) << t.id;
        EXPECT_EQ(e->GetTypeDesc()->paramCount, t.params) << t.id;
        EXPECT_EQ(e->GetConnectorCount(), t.connectors) << t.id;
        EXPECT_EQ(e->GetKind(), t.kind) << t.id;
        EXPECT_EQ(e->GetOrientation(), t.orientation) << t.id;
        EXPECT_EQ(e->GetQuantity() == 1.0, t.connectors > 0) << t.id;
        EXPECT_EQ(e->GetDimensionOffset(), 20.0);
        for (int c = 0; c < t.connectors; ++c)
            EXPECT_EQ(e->GetConnector(c)->owner, e.get()) << t.id;
        EXPECT_NE(Description(*e), "") << t.id;
    }
}

TEST_F(TerminalValues, XDataKeepsEveryValue) {
    for (const Terminal& t : kTerminals) {
        auto e = Make(t.id);
        e->SetParams(t.values.data());
        ASSERT_EQ(Params(*e), t.values) << t.id;
        auto back = Make(t.id);
        ASSERT_EQ(CopyByXData(*e, *back), 0) << t.id;
        EXPECT_EQ(Params(*back), t.values) << t.id;
        EXPECT_EQ(Description(*back), Description(*e)) << t.id;
        for (int c = 0; c < t.connectors; ++c) {
            EXPECT_EQ(back->GetConnector(c)->a, e->GetConnector(c)->a) << t.id;
            EXPECT_EQ(back->GetConnector(c)->position[0], e->GetConnector(c)->position[0]) << t.id;
        }
    }
}

// Damaged values (not a number, infinite, 0, negative) leave the sizes as
// they were: every drawing stays finite, in every orientation.
TEST_F(TerminalValues, DamagedSizesNeverReachTheDrawing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {nan, inf, -inf, 0.0, -300.0}) {
        for (const Terminal& t : kTerminals) {
            auto e = Make(t.id);
            std::vector<double> v(t.values.size(), bad);
            e->SetParams(v.data());
            for (double x : Params(*e))
                EXPECT_TRUE(std::isfinite(x)) << t.id << " given " << bad;
            for (int c = 0; c < t.connectors; ++c) {
                const LConnector* k = e->GetConnector(c);
                EXPECT_TRUE(std::isfinite(k->a) && k->a > 0) << t.id << " given " << bad;
                EXPECT_TRUE(std::isfinite(k->position[0]) && std::isfinite(k->position[2])) << t.id;
            }
            for (int16_t o = 0; o < 6; ++o)
                for (const Primitive& p : Draw(*e, o))
                    EXPECT_TRUE(EndsAreFinite(p)) << t.id << " in " << o << " given " << bad;
        }
    }
}
