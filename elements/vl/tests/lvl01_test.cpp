// The straight rectangular duct VL-01: the piece rule with its shortest
// rest, value input, connectors and labels, stretching, bill-of-materials
// rows, piece dimensions and the block in each family of views.
#include "elements/vl/lvl01.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "core/global_mode.h"
#include "elements/tests/element_drawing.h"
#include "elements/tests/run_test.h"
#include "host/io/io.h"

namespace {

using Vl01 = ElementTest;
using Vl01Dimensions = RunTest;  // each test opens a drawing with a system
using Vl01Block = ElementDrawingTest;

// A duct of the given length on the document's pieces.
std::unique_ptr<LVl01> Duct(double l, double a = 400, double b = 200) {
    auto e = std::make_unique<LVl01>();
    const double v[5] = {a, b, l, 0, 0};
    e->SetParams(v);
    return e;
}

// The entities after the connector symbols, which the connectors draw.
std::vector<Primitive> Body(std::vector<Primitive> all, size_t symbols) {
    return std::vector<Primitive>(all.begin() + static_cast<long>(std::min(symbols, all.size())), all.end());
}

// A connector end seen edge-on: a line on pen 1 across the duct at x,
// reaching half beyond the axis on both sides, drawn either way round.
void ExpectCrossLine(const Primitive& e, double x, double half) {
    EXPECT_EQ(e.type, "LINE");
    EXPECT_EQ(e.layer, "P1");
    EXPECT_NEAR(e.x1, x, 1e-6);
    EXPECT_NEAR(e.x2, x, 1e-6);
    EXPECT_NEAR(std::fabs(e.y1), half, 1e-6);
    EXPECT_NEAR(e.y1, -e.y2, 1e-6);
}

}  // namespace

TEST_F(Vl01, PieceRuleKeepsNoRestUnder50) {
    struct Case {
        double l, piece;
        int pieces;
        double rest, grownL;
    } cases[] = {
        {3000, 1500, 2, 0, 3000},     {3020, 1500, 2, 50, 3050},  {3050, 1500, 2, 50, 3050},
        {1000, 1500, 0, 1000, 1000},  {3060.4, 1500, 2, 60, 3060.4}, {3060.5, 1500, 2, 61, 3060.5},
        {20, 1500, 0, 50, 50},        {0.3, 1500, 0, 50, 50},     {4500, 1000, 4, 500, 4500},
    };
    for (const Case& c : cases) {
        LVl01 e;
        const double v[5] = {0, 0, c.l, 0, c.piece};
        e.SetParams(v);
        EXPECT_EQ(e.pieceCount, c.pieces) << c.l;
        EXPECT_EQ(e.restLength, c.rest) << c.l;
        EXPECT_EQ(e.l, c.grownL) << c.l;
        uint16_t labels = 0;
        e.GetLabelCount(&labels);
        EXPECT_EQ(labels, c.pieces + (c.rest > 0 ? 1 : 0)) << c.l;
    }
}

TEST_F(Vl01, NewDuctsTakeTheDefaultsAndTheDocumentsPieceLength) {
    std::unique_ptr<LObject> made(CreateElement(1, 1));
    auto* e = dynamic_cast<LVl01*>(made.get());
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(Params(*e), (std::vector<double>{150, 150, 1500, -1, 1500}));
    state.defaults.rectPieceLength = 1200;
    EXPECT_EQ(LVl01().pieceLength, 1200);
    // A state without a usable piece length never reaches the piece rule.
    for (double bad : {0.0, -5.0, std::nan("")}) {
        state.defaults.rectPieceLength = bad;
        EXPECT_EQ(LVl01().pieceLength, 1500);
    }
    SetCurrentDrawing(nullptr);
    EXPECT_EQ(LVl01().pieceLength, 1500);
}

TEST_F(Vl01, ZeroAndNonsenseInputsKeepTheValues) {
    auto e = Duct(3000);
    const double lp[5] = {0, 0, 0, 1, 0};
    e->SetParams(lp);
    EXPECT_EQ(Params(*e), (std::vector<double>{400, 200, 3000, 1, 1500}));
    const double keep[5] = {0, -3, NAN, 0, -1500};
    e->SetParams(keep);
    EXPECT_EQ(Params(*e), (std::vector<double>{400, 200, 3000, 1, 1500}));
    const double unmark[5] = {0, 0, 0, -1, 1000};
    e->SetParams(unmark);
    EXPECT_EQ(Params(*e), (std::vector<double>{400, 200, 3000, -1, 1000}));
    EXPECT_EQ(e->pieceCount, 3);
    const double odd[5] = {0, 0, 0, 0.5, 0};
    e->SetParams(odd);  // neither +1 nor -1: the flag stays
    EXPECT_EQ(e->lpFlag, 0);
    EXPECT_EQ(e->SetParams(nullptr), 0);
}

TEST_F(Vl01, ConnectorsLabelsAndAttachPositions) {
    auto e = Duct(3020);
    LConnector* c0 = e->GetConnector(0);
    LConnector* c1 = e->GetConnector(1);
    EXPECT_EQ(c0->side, 2);
    EXPECT_EQ(c1->side, 5);
    EXPECT_EQ(c0->paramA, 0);
    EXPECT_EQ(c1->paramB, 1);
    EXPECT_EQ(c0->position[0], 1525);
    EXPECT_EQ(c1->position[0], -1525);
    EXPECT_EQ(c1->a, 400);
    EXPECT_EQ(c1->b, 200);
    // Labels at the middle of each piece, from the end of connector 0.
    const double centres[] = {775, -725, -1500};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(e->GetLabel(static_cast<int16_t>(i))->point[0], centres[i]) << i;
        EXPECT_EQ(e->GetLabel(static_cast<int16_t>(i))->point[1], 0) << i;
    }
    const int masks[] = {1, 1, 0, 1, 1, 0};
    const double offsets[] = {100, 200, 0, 100, 200, 0};
    for (int16_t i = 0; i < 6; ++i) {
        EXPECT_EQ(e->GetAttachMask(i), masks[i]);
        EXPECT_EQ(e->GetAttachOffset(i), offsets[i]);
    }
    EXPECT_EQ(e->flipModes[0], 1);
    c0->flow = 900;
    e->SetParams(nullptr);
    EXPECT_EQ(c1->flow, 900);
    // Shortening drops labels before the last one.
    const double shorter[5] = {0, 0, 1000, 0, 0};
    e->SetParams(shorter);
    uint16_t labels = 0;
    e->GetLabelCount(&labels);
    EXPECT_EQ(labels, 1);
    EXPECT_EQ(e->GetLabel(0)->point[0], 0);
    int16_t flags[5] = {};
    EXPECT_EQ(e->MarkFixedParams(flags), 0);
    EXPECT_EQ(std::vector<int16_t>(flags, flags + 5), (std::vector<int16_t>{0, 0, 1, 0, 0}));
}

TEST_F(Vl01, FitLengthAcceptsOnlyAStraightGapWithoutAShortRest) {
    auto e = Duct(1500);
    double p[5] = {};
    int16_t changed[5] = {};
    // Connectors that are not the two ends, a sideways offset, a short
    // rest, no length: each refused.
    const double refused[][4] = {{1, 1, 3000, 0}, {0, 2, 3000, 0}, {0, 1, 3000, 10},
                                 {0, 1, 3020, 0}, {0, 1, 0, 0},    {0, 1, -3000, 0}};
    for (const auto& r : refused)
        EXPECT_EQ(e->FitLength(p, changed, int16_t(r[0]), int16_t(r[1]), r[2], r[3]), -1) << r[2] << "/" << r[3];
    EXPECT_EQ(p[2], 0);
    EXPECT_EQ(changed[2], 0);
    for (int16_t o : {2, 5}) {
        e->SetOrientation(o);
        EXPECT_EQ(e->FitLength(p, changed, 0, 1, 3000, 0), -1) << o;
    }
    e->SetOrientation(3);
    for (double along : {3000.0, 3050.0}) {
        EXPECT_EQ(e->FitLength(p, changed, 1, 0, along, 0), 0);
        EXPECT_EQ(p[2], along);
        EXPECT_EQ(std::vector<int16_t>(changed, changed + 5), (std::vector<int16_t>{0, 0, 1, 0, 0}));
    }
}

TEST_F(Vl01, BillOfMaterialsHasARowPerPiece) {
    auto e = Duct(3020);
    e->GetConnector(0)->flow = 1000;
    BomRows r = BomOf(*e);
    EXPECT_EQ(r.count, 3);
    EXPECT_EQ(r.further, 0);
    EXPECT_EQ(r.extra, 0);
    EXPECT_EQ(r.texts, (std::vector<std::string>{"VL-01  a=400;  b=200;  l=1500;",
                                                 "VL-01  a=400;  b=200;  l=1500;",
                                                 "VL-01  a=400;  b=200;  l=50;"}));
    EXPECT_EQ(r.flows[2], "Vaxb=1000 m3/h;  vaxb=3.5 m/s;");
    EXPECT_EQ(r.quantities, (std::vector<int>{1, 1, 1}));

    const double lp[5] = {0, 0, 3000, 1, 0};
    e->SetParams(lp);
    r = BomOf(*e);
    EXPECT_EQ(r.texts, (std::vector<std::string>{"VL-01  a=400;  b=200;  l=1500;  lp=1;",
                                                 "VL-01  a=400;  b=200;  l=1500;  lp=1;"}));
    EXPECT_EQ(Description(*e), "VL-01  a=400;  b=200;  l=3000;  lp=1;");
}

TEST_F(Vl01Dimensions, EachPieceIsDimensionedFromConnector0) {
    NewDrawing("HV1");
    auto e = Duct(3750);  // two whole pieces and half a piece
    const ads_point at = {10000, 0, 0};
    e->SetInsertionPoint(at);
    host::io::setScript("0,900\n0,900\n0,900\n");
    EXPECT_EQ(e->UpdateLabel(), 0);
    std::vector<double> middles;
    std::vector<std::string> texts = DimensionTexts(&middles);
    EXPECT_EQ(texts, (std::vector<std::string>{"1500", "1500", "750"}));
    EXPECT_EQ(middles, (std::vector<double>{10000 + 1125, 10000 - 375, 10000 - 1500}));
    EXPECT_EQ(e->GetDimensionCount(), 3);
}

TEST_F(Vl01Dimensions, MirroredViewsLayThePiecesTheOtherWay) {
    NewDrawing("HV1");
    auto e = Duct(3000);
    e->SetOrientation(4);
    e->SetScale(2, 2, 2);
    host::io::setScript("0,900\n0,900\n");
    e->UpdateLabel();
    std::vector<double> middles;
    std::vector<std::string> texts = DimensionTexts(&middles);
    EXPECT_EQ(texts, (std::vector<std::string>{"1500", "1500"}));
    EXPECT_EQ(middles, (std::vector<double>{-1500, 1500}));
    // While labels are refreshed nothing is made.
    SetGlobalMode(kModeRelabel);
    e->UpdateLabel();
    EXPECT_EQ(e->GetDimensionCount(), 2);
}

TEST_F(Vl01Block, PlanViewJointsEdgesAndCentreLine) {
    auto e = Duct(3020);  // grows to 3050: joints at x = 25 and -1475
    std::vector<Primitive> all = Block(*e);
    ASSERT_EQ(all.size(), 7u);
    // The two ends seen edge-on: one line across each, on pen 1.
    ExpectCrossLine(all[0], 1525, 245);
    ExpectCrossLine(all[1], -1525, 245);
    ExpectLine(all[2], "P1", 25, 245, 25, -245);
    ExpectLine(all[3], "P1", -1475, 245, -1475, -245);
    ExpectLine(all[4], "0", -1525, 200, 1525, 200);
    ExpectLine(all[5], "0", -1525, -200, 1525, -200);
    ExpectLine(all[6], "PC", -1525, 0, 1525, 0);
}

TEST_F(Vl01Block, SideViewMirroredWithLpStars) {
    auto e = Duct(3000, 400, 800);
    const double lp[5] = {0, 0, 0, 1, 0};
    e->SetParams(lp);
    e->SetOrientation(4);  // seen along -y: width b, x reversed
    e->system.rectCentreLines = 0;
    std::vector<Primitive> body = Body(Block(*e), 2);
    ASSERT_EQ(body.size(), 1u + 2u + 8u);
    ExpectLine(body[0], "P1", 0, 445, 0, -445);
    ExpectLine(body[1], "0", -1500, 400, 1500, 400);
    // First star at the start of piece 0 (x = 1500, mirrored to -1500):
    // centred 2m in from the end and the upper face, m = 90.
    ExpectLine(body[3], "0", -(1500 - 270), 220, -(1500 - 90), 220);
    ExpectLine(body[4], "0", -1320, 130, -1320, 310);
    // Second star at the start of piece 1.
    ExpectLine(body[7], "0", -(0 - 270), 220, -(0 - 90), 220);
}

TEST_F(Vl01Block, NarrowDuctsShrinkTheStarArms) {
    auto e = Duct(1500, 400, 200);
    const double lp[5] = {0, 0, 0, 1, 0};
    e->SetParams(lp);
    e->SetOrientation(1);  // width b = 200 < 720: m = 25, upper face flipped
    e->system.rectCentreLines = 0;
    std::vector<Primitive> body = Body(Block(*e), 2);
    ASSERT_EQ(body.size(), 2u + 4u);
    ExpectLine(body[2], "0", 750 - 75, -50, 750 - 25, -50);
    ExpectLine(body[3], "0", 700, -(100 - 75), 700, -(100 - 25));
}

TEST_F(Vl01Block, EndOnViewsHoldOnlyTheConnectorSymbolsAndCentreLine) {
    auto e = Duct(3020);
    const double lp[5] = {0, 0, 0, 1, 0};
    e->SetParams(lp);
    ExpectEndViewsWithoutJoints(*e, e->system.rectCentreLines, 1525);
}
