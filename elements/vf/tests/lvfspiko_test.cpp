// The spiral duct SPIRO: pieces, labels and couplings, value input,
// stretching, bill-of-materials rows, piece dimensions and the block in
// each family of views.
#include "elements/vf/lvfspiko.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/tests/element_drawing.h"
#include "elements/tests/run_test.h"
#include "host/io/io.h"

namespace {

using Spiko = ElementTest;
using SpikoDimensions = RunTest;  // each test opens a drawing with a system
using SpikoBlock = ElementDrawingTest;

std::unique_ptr<LVfSpiko> Duct(double l, double d = 315) {
    auto e = std::make_unique<LVfSpiko>();
    const double v[3] = {d, l, 0};
    e->SetParams(v);
    return e;
}

}  // namespace

// A row of the bill of materials per piece, and one for the couplings
// when there is a joint.
TEST_F(Spiko, PiecesLabelsCouplingsAndBillOfMaterials) {
    struct Case {
        double l;
        int pieces;
        double rest;
        int couplings;
    } cases[] = {
        {6000, 1, 0, 0},  {15000, 2, 3000, 2}, {12000, 2, 0, 1}, {24000, 4, 0, 3},
        {6000.4, 1, 0, 0}, {6000.6, 1, 1, 1},  {2500, 0, 2500, 0}, {0.3, 0, 0.3, 0},
    };
    for (const Case& c : cases) {
        auto e = Duct(c.l, 100);
        EXPECT_EQ(e->pieceCount, c.pieces) << c.l;
        EXPECT_EQ(e->rest, c.rest) << c.l;
        EXPECT_EQ(e->l, c.l) << c.l;  // a round run never grows
        EXPECT_EQ(e->CouplingCount(), c.couplings) << c.l;
        uint16_t labels = 0;
        e->GetLabelCount(&labels);
        EXPECT_EQ(labels, c.pieces + (c.rest > 0 ? 1 : 0)) << c.l;
        BomRows r = BomOf(*e);
        EXPECT_EQ(r.count, labels) << c.l;
        EXPECT_EQ(r.further, 0) << c.l;
        EXPECT_EQ(r.extra, c.couplings > 0 ? 1 : 0) << c.l;
        EXPECT_EQ(r.quantities.back(), c.couplings > 0 ? c.couplings : 1) << c.l;  // else the last piece
    }
    auto e = Duct(15000, 100);
    e->GetConnector(0)->flow = 400;
    BomRows r = BomOf(*e);
    EXPECT_EQ(r.texts, (std::vector<std::string>{"SPIRO  d=100;  l=6000;", "SPIRO  d=100;  l=6000;",
                                                 "SPIRO  d=100;  l=3000;", "VF-01  d=100;"}));
    EXPECT_EQ(r.quantities, (std::vector<int>{1, 1, 1, 2}));
    EXPECT_EQ(r.flows[0], "Vd=400 m3/h;  vd=14.1 m/s;");
    EXPECT_EQ(r.flows[3], "");
}

TEST_F(Spiko, NewDuctsTakeTheDefaultsAndTheDocumentsPieceLength) {
    std::unique_ptr<LObject> made(CreateElement(2, 1));
    auto* e = dynamic_cast<LVfSpiko*>(made.get());
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(Params(*e), (std::vector<double>{100, 6000, 6000}));
    EXPECT_EQ(e->hostSize, 100);
    EXPECT_EQ(e->vfKsCode, kVfKsNone);
    state.defaults.roundPieceLength = 3000;
    EXPECT_EQ(LVfSpiko().pieceCount, 2);
    for (double bad : {0.0, -1.0, std::nan("")}) {
        state.defaults.roundPieceLength = bad;
        EXPECT_EQ(LVfSpiko().pieceLength, 6000);
    }
    SetCurrentDrawing(nullptr);
    EXPECT_EQ(LVfSpiko().pieceLength, 6000);
}

TEST_F(Spiko, ZeroAndNonsenseInputsKeepTheValues) {
    auto e = Duct(15000);
    const double keep[3] = {0, -1, 0};
    e->SetParams(keep);
    EXPECT_EQ(Params(*e), (std::vector<double>{315, 15000, 6000}));
    const double bad[3] = {std::nan(""), 0, -6000};
    e->SetParams(bad);
    EXPECT_EQ(Params(*e), (std::vector<double>{315, 15000, 6000}));
    const double piece[3] = {0, 0, 5000};
    e->SetParams(piece);
    EXPECT_EQ(e->pieceCount, 3);
    EXPECT_EQ(e->rest, 0);
    EXPECT_EQ(e->SetParams(nullptr), 0);
    int16_t flags[3] = {};
    EXPECT_EQ(e->MarkFixedParams(flags), 0);
    EXPECT_EQ(std::vector<int16_t>(flags, flags + 3), (std::vector<int16_t>{0, 1, 0}));
}

TEST_F(Spiko, ConnectorsLabelsAndAttachPositions) {
    auto e = Duct(15000, 400);
    LConnector* c0 = e->GetConnector(0);
    LConnector* c1 = e->GetConnector(1);
    EXPECT_EQ(c0->side, 2);
    EXPECT_EQ(c1->side, 5);
    EXPECT_EQ(c1->paramA, 0);
    EXPECT_EQ(c1->paramB, -1);
    EXPECT_EQ(c0->shape, kShapeRound);
    EXPECT_EQ(c0->position[0], 7500);
    EXPECT_EQ(c1->position[0], -7500);
    EXPECT_EQ(c1->a, 400);
    EXPECT_EQ(c1->b, 400);
    EXPECT_EQ(e->hostSize, 400);
    const double centres[] = {4500, -1500, -6000};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(e->GetLabel(static_cast<int16_t>(i))->point[0], centres[i]) << i;
    const int masks[] = {2, 2, 0, 2, 2, 0};
    const double offsets[] = {200, 200, 0, 200, 200, 0};
    for (int16_t i = 0; i < 6; ++i) {
        EXPECT_EQ(e->GetAttachMask(i), masks[i]);
        EXPECT_EQ(e->GetAttachOffset(i), offsets[i]);
    }
    c0->flow = 700;
    e->SetParams(nullptr);
    EXPECT_EQ(c1->flow, 700);
}

TEST_F(Spiko, FitLengthTakesAnyStraightPositiveGap) {
    auto e = Duct(6000);
    double p[3] = {};
    int16_t changed[3] = {};
    const double refused[][4] = {{0, 0, 2500, 0}, {1, 2, 2500, 0}, {0, 1, 2500, 0.5}, {0, 1, 0, 0}, {0, 1, -10, 0}};
    for (const auto& r : refused)
        EXPECT_EQ(e->FitLength(p, changed, int16_t(r[0]), int16_t(r[1]), r[2], r[3]), -1) << r[2] << "/" << r[3];
    e->SetOrientation(5);
    EXPECT_EQ(e->FitLength(p, changed, 0, 1, 2500, 0), -1);
    EXPECT_EQ(changed[1], 0);
    e->SetOrientation(1);
    EXPECT_EQ(e->FitLength(p, changed, 1, 0, 2500, 0), 0);
    EXPECT_EQ(p[1], 2500);
    EXPECT_EQ(std::vector<int16_t>(changed, changed + 3), (std::vector<int16_t>{0, 1, 0}));
}

TEST_F(SpikoDimensions, OneDimensionPerPieceTheShortOneAtConnector1) {
    NewDrawing("HV1");
    auto e = Duct(15000);
    host::io::setScript("0,900\n0,900\n0,900\n");
    EXPECT_EQ(e->UpdateLabel(), 0);
    EXPECT_EQ(DimensionTexts(), (std::vector<std::string>{"6000", "6000", "3000"}));
    // A run shorter than one piece gets one dimension of its length.
    const double shorter[3] = {0, 2500, 0};
    e->SetParams(shorter);
    host::io::setScript("0,900\n");
    e->UpdateLabel();
    EXPECT_EQ(DimensionTexts().back(), "2500");
    EXPECT_EQ(e->GetDimensionCount(), 4);
}

TEST_F(SpikoBlock, PlanViewJointsOutlineAndCentreLine) {
    auto e = Duct(15000, 200);
    std::vector<Primitive> all = Block(*e);
    ASSERT_EQ(all.size(), 2u + 2u + 2u + 1u);
    // The ends seen edge-on, d = 200 not above 800: just the diameter.
    EXPECT_NEAR(std::fabs(all[0].y1 - all[0].y2), 200, 1e-6);
    EXPECT_NEAR(all[1].x1, -7500, 1e-6);
    ExpectLine(all[2], "P1", 1500, 100, 1500, -100);
    ExpectLine(all[3], "P1", -4500, 100, -4500, -100);
    ExpectLine(all[4], "0", -7500, 100, 7500, 100);
    ExpectLine(all[5], "0", -7500, -100, 7500, -100);
    ExpectLine(all[6], "PC", -7500, 0, 7500, 0);
}

TEST_F(SpikoBlock, SideViewsMirrorTheJoints) {
    auto e = Duct(12000, 200);  // two whole pieces: one joint at the middle
    e->SetOrientation(3);
    e->system.roundCentreLines = 0;
    std::vector<Primitive> all = Block(*e);
    ASSERT_EQ(all.size(), 2u + 1u + 2u);
    ExpectLine(all[2], "P1", 0, 100, 0, -100);
    e->SetOrientation(4);
    const double rest[3] = {0, 13000, 0};
    e->SetParams(rest);
    all = Block(*e);
    ASSERT_EQ(all.size(), 2u + 2u + 2u);
    ExpectLine(all[2], "P1", -500, 100, -500, -100);
    ExpectLine(all[3], "P1", 5500, 100, 5500, -100);
}

TEST_F(SpikoBlock, EndOnViewsHoldOnlyTheConnectorSymbolsAndCentreLine) {
    auto e = Duct(15000, 200);
    ExpectEndViewsWithoutJoints(*e, e->system.roundCentreLines, 7500);
}
