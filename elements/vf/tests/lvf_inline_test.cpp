// The round in-line pieces: the reducers VF/KS-08 and VF/KS-09 (sizes taken
// from each other, the shortest length, the KS rule, the eccentric end and
// stretching by view) and the piece VF-10 (its length from d, fitting only
// its own length, its label), with their figures.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/tests/element_drawing.h"
#include "elements/tests/run_test.h"
#include "elements/vf/lvf08.h"
#include "elements/vf/lvf10.h"
#include "host/io/io.h"

namespace {

using InLine = ElementTest;
using InLineDimensions = RunTest;
using InLineBlock = ElementDrawingTest;

}  // namespace

TEST_F(InLine, ReducerSizesLengthAndKsCode) {
    struct Case {
        std::vector<double> in, out;
        int16_t code;
    } cases[] = {
        {{0, 200, 0}, {200, 200, 250}, kVfKsVf},   {{0, 0, 0}, {100, 100, 250}, kVfKsVf},
        {{160, 0, 50}, {160, 160, 90}, kVfKsVf},   {{160, 125, 90}, {160, 125, 90}, kVfKsVf},
        {{800, 630, 0}, {800, 630, 250}, kVfKsVf}, {{801, 630, 0}, {801, 630, 250}, kVfKsKs},
        {{800, 801, 0}, {800, 801, 250}, kVfKsKs}, {{std::nan(""), -4, 0}, {100, 100, 250}, kVfKsVf},
    };
    for (const Case& c : cases) {
        for (int16_t type : {7, 8}) {
            std::unique_ptr<LObject> made(CreateElement(2, static_cast<uint16_t>(type)));
            auto* e = dynamic_cast<LVf08*>(made.get());
            ASSERT_NE(e, nullptr) << type;
            e->SetParams(c.in.data());
            EXPECT_EQ(Params(*e), c.out) << type << " " << c.in[0] << "/" << c.in[1];
            EXPECT_EQ(e->vfKsCode, c.code) << type << " " << c.in[0] << "/" << c.in[1];
            EXPECT_EQ(e->GetConnector(0)->a, c.out[0]);
            EXPECT_EQ(e->GetConnector(1)->a, c.out[1]);
        }
    }
    auto ks = ElementWith<LVf09>({900, 630, 400});
    EXPECT_EQ(Description(*ks).substr(0, 5), "KS-09");
}

// The eccentric reducer's d1 end is shifted by (d2 - d1)/2: the across
// distance it fits depends on the view.
TEST_F(InLine, EccentricEndAndStretchingByView) {
    auto e = ElementWith<LVf09>({100, 200, 400});
    const double* p = e->GetConnector(0)->position;
    EXPECT_EQ(std::vector<double>(p, p + 3), (std::vector<double>{200, 50, 0}));
    EXPECT_EQ(e->e, 50);
    struct Case {
        int16_t orientation;
        double across;
        int16_t result;
    } cases[] = {
        {0, 50, 0}, {0, -50, -1}, {0, 0, -1}, {3, -50, 0}, {3, 50, -1},
        {1, 0, 0},  {1, 50, -1},  {4, 0, 0},  {2, 0, -1}, {5, 0, -1},
    };
    for (const Case& c : cases) {
        e->SetOrientation(c.orientation);
        double v[3] = {};
        int16_t changed[3] = {};
        EXPECT_EQ(e->FitLength(v, changed, 1, 0, 700, c.across), c.result)
            << c.orientation << "/" << c.across;
        EXPECT_EQ(v[2], c.result == 0 ? 700 : 0);
        EXPECT_EQ(changed[2], c.result == 0 ? 1 : 0);
    }
    auto concentric = ElementWith<LVf08>({160, 125, 300});
    double v[3] = {};
    int16_t changed[3] = {};
    EXPECT_EQ(concentric->FitLength(v, changed, 1, 0, 400, 0), 0);
    EXPECT_EQ(v[2], 400);
    EXPECT_EQ(concentric->FitLength(v, changed, 1, 0, 400, 5), -1);
    EXPECT_EQ(concentric->FitLength(v, changed, 0, 2, 400, 0), -1);
    EXPECT_EQ(concentric->FitLength(v, changed, 0, 1, 0, 0), -1);
    int16_t flags[3] = {};
    EXPECT_EQ(concentric->MarkFixedParams(flags), 0);
    EXPECT_EQ(flags[2], 1);
}

// A new piece has a diameter before it meets a neighbour; its length is
// always d + 60 and it fits no other gap.
TEST_F(InLine, ShortPieceLengthFollowsItsDiameter) {
    std::unique_ptr<LObject> made(CreateElement(2, 9));
    auto* e = dynamic_cast<LVf10*>(made.get());
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(Params(*e), (std::vector<double>{100}));
    EXPECT_EQ(e->L, 160);
    EXPECT_EQ(e->vfKsCode, kVfKsNone);
    EXPECT_EQ(Description(*e).substr(0, 6), "VF-10 ");
    e->GetConnector(0)->flow = 300;
    const double d[1] = {250};
    e->SetParams(d);
    EXPECT_EQ(e->L, 310);
    EXPECT_EQ(e->GetConnector(0)->position[0], 155);
    EXPECT_EQ(e->GetConnector(1)->position[0], -155);
    EXPECT_EQ(e->GetConnector(1)->a, 250);
    EXPECT_EQ(e->GetConnector(1)->flow, 300);
    e->SetParams(nullptr);
    EXPECT_EQ(e->L, 310);
    double v[1] = {};
    int16_t changed[1] = {};
    EXPECT_EQ(e->FitLength(v, changed, 0, 1, 310, 0), 0);
    EXPECT_EQ(changed[0], 0);
    for (double along : {309.0, 311.0, 160.0})
        EXPECT_EQ(e->FitLength(v, changed, 0, 1, along, 0), -1) << along;
    EXPECT_EQ(e->FitLength(v, changed, 0, 1, 310, 1), -1);
    EXPECT_EQ(e->MarkFixedParams(changed), -1);
}

// The concentric reducer is dimensioned in every view; the eccentric one,
// whose offsets only the views across the axis give, not along it.
TEST_F(InLineDimensions, ReducerLengthDimensions) {
    struct Case {
        bool eccentric;
        int16_t orientation;
        size_t count;
    } cases[] = {{false, 0, 1}, {false, 2, 1}, {true, 0, 1}, {true, 4, 1}, {true, 2, 0}, {true, 5, 0}};
    for (const Case& c : cases) {
        NewDrawing("HV1");
        std::unique_ptr<LVf08> e;
        if (c.eccentric)
            e = ElementWith<LVf09>({100, 200, 400});
        else
            e = ElementWith<LVf08>({100, 200, 400});
        e->SetOrientation(c.orientation);
        host::io::setScript("0,900\n");
        EXPECT_EQ(e->UpdateLabel(), 0);
        std::vector<std::string> texts = DimensionTexts();
        EXPECT_EQ(texts.size(), c.count) << c.eccentric << "/" << c.orientation;
        if (!texts.empty()) {
            EXPECT_EQ(texts[0], "400");
        }
    }
}

TEST_F(InLineBlock, CollarsConeAndTheShortPiece) {
    auto e = ElementWith<LVf08>({200, 100, 400});
    e->system.roundCentreLines = 1;
    e->SetOrientation(3);  // the d1 end drawn at -l/2
    std::vector<Primitive> all = Block(*e);
    ASSERT_EQ(all.size(), 2u + 6u + 2u + 1u);
    ExpectLine(all[2], "0", -200, 100, -170, 100);
    ExpectLine(all[3], "0", 200, 50, 170, 50);
    ExpectLine(all[4], "0", -170, 100, 170, 50);
    ExpectLine(all[10], "PC", -200, 0, 200, 0);
    auto x = ElementWith<LVf09>({100, 200, 400});  // d1 end at +l/2, shifted by e = 50
    x->system.roundCentreLines = 1;
    all = Block(*x);
    ASSERT_EQ(all.size(), 2u + 6u + 2u + 3u);
    ExpectLine(all[3], "0", 200, 100, 170, 100);
    ExpectLine(all[4], "0", -170, 100, 170, 100);
    ExpectLine(all[11], "PC", -170, 0, 170, 50);
    auto p = ElementWith<LVf10>({200});
    p->system.roundCentreLines = 1;
    all = Block(*p);
    ASSERT_EQ(all.size(), 2u + 2u + 2u + 1u + 1u + 1u);
    ExpectLine(all[4], "P2", -100, 100, -100, -100);
    EXPECT_EQ(all[6].type, "HATCH");
    EXPECT_EQ(all[7].linetype, "szaggatott");
    p->SetOrientation(5);
    all = Block(*p);
    int centre = 0;
    for (const Primitive& q : all)
        centre += q.layer == "PC";
    EXPECT_EQ(centre, 1);
    EXPECT_EQ(all.back().layer, "PC");
}
