// The rectangular transitions VL-05, VL-08 and VL-10: an end size not given
// taken from the other end, the shortest lengths, connectors, stretching
// between two neighbours, the length and offset dimensions by view and the
// figures of the blocks.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/tests/element_drawing.h"
#include "elements/tests/run_test.h"
#include "elements/vl/lvl05.h"
#include "elements/vl/lvl08.h"
#include "elements/vl/lvl10.h"
#include "host/io/io.h"

namespace {

using Transition = ElementTest;
using TransitionDimensions = RunTest;
using TransitionBlock = ElementDrawingTest;

std::unique_ptr<LObject> Made(int16_t subtype, std::vector<double> values = {}) {
    std::unique_ptr<LObject> e(CreateElement(1, static_cast<uint16_t>(subtype)));
    if (e && !values.empty())
        e->SetParams(values.data());
    return e;
}

// The y of both extension-line starts of every dimension, and its text.
struct Dim {
    std::string text;
    double y1, y2;
    bool operator==(const Dim&) const = default;
};
std::vector<Dim> Dimensions() {
    std::vector<Dim> out;
    for (const MeasuredDimension& d : DrawingDimensions())
        out.push_back({d.text, d.y13, d.y14});
    return out;
}

}  // namespace

TEST_F(Transition, EndSizesNotGivenFollowTheOtherEnd) {
    struct Case {
        int16_t type;
        std::vector<double> in, out;
    } cases[] = {
        {5, {}, {150, 150, 100, 100, 500}},
        {5, {300, 0, 0, 250, 150}, {300, 250, 300, 250, 200}},
        {5, {0, 0, 0, 0, 0}, {150, 150, 100, 100, 500}},
        {5, {0, std::nan(""), 120, -5, 1e9}, {120, 150, 120, 100, 1e9}},
        {8, {}, {150, 150, 80, 250}},
        {8, {0, 200, 0, 50}, {150, 200, 200, 50}},
        {8, {300, 0, 0, 0}, {300, 150, 300, 250}},
        {8, {0, 0, 125, 0}, {125, 125, 125, 250}},
        {10, {}, {150, 150, 200, 80, 800}},
        {10, {0, 0, 0, -30, 150}, {150, 150, 200, 0, 200}},
        {10, {250, 100, 0, 0, 900}, {250, 100, 250, 0, 900}},
        {10, {0, 0, 400, std::nan(""), 0}, {400, 150, 400, 0, 800}},
    };
    for (const Case& c : cases) {
        auto e = Made(c.type, c.in);
        ASSERT_NE(e, nullptr) << c.type;
        EXPECT_EQ(Params(*e), c.out) << c.type << " " << c.in.size();
    }
}

// Each refusal leaves the proposed values and their flags as they were.
TEST_F(Transition, FitLengthTakesTheGapOrLeavesEverything) {
    struct Case {
        int16_t type, orientation, a, b;
        double along, across;
        int16_t result;
        double l, e;  // proposed; -1 not written
    } cases[] = {
        {5, 0, 0, 1, 199, 0, -1, -1, -1},   {5, 0, 1, 0, 200, 0, 0, 200, -1},
        {5, 4, 0, 1, 900, 1, -1, -1, -1},   {5, 2, 0, 1, 900, 0, -1, -1, -1},
        {5, 0, 0, 0, 900, 0, -1, -1, -1},   {5, 0, 0, 2, 900, 0, -1, -1, -1},
        {8, 0, 0, 1, 0, 0, -1, -1, -1},     {8, 3, 1, 0, 1, 0, 0, 1, -1},
        {8, 5, 0, 1, 100, 0, -1, -1, -1},
        {10, 1, 0, 1, 900, 30, -1, -1, -1}, {10, 1, 0, 1, 900, 0, 0, 900, 0},
        {10, 0, 0, 1, 900, 30, -1, -1, -1}, {10, 0, 0, 1, 900, -30, 0, 900, 30},
        {10, 3, 1, 0, 900, 30, 0, 900, 30}, {10, 4, 0, 1, 900, 0, 0, 900, 0},
        {10, 0, 0, 1, 199, -30, -1, -1, -1},
    };
    for (const Case& c : cases) {
        auto e = Made(c.type);
        e->SetOrientation(c.orientation);
        double p[5] = {-1, -1, -1, -1, -1};
        int16_t changed[5] = {};
        EXPECT_EQ(e->FitLength(p, changed, c.a, c.b, c.along, c.across), c.result)
            << c.type << "/" << c.orientation << "/" << c.along << "/" << c.across;
        int li = c.type == 8 ? 3 : 4;
        EXPECT_EQ(p[li], c.l) << c.type << "/" << c.orientation;
        EXPECT_EQ(changed[li], c.l >= 0 ? 1 : 0);
        if (c.type == 10) {
            EXPECT_EQ(p[3], c.e) << c.orientation << "/" << c.across;
            EXPECT_EQ(changed[3], c.e >= 0 ? 1 : 0);
        }
    }
    auto v10 = Made(10);
    int16_t flags[5] = {};
    EXPECT_EQ(v10->MarkFixedParams(flags), 0);
    EXPECT_EQ(std::vector<int16_t>(flags, flags + 5), (std::vector<int16_t>{0, 0, 0, 1, 1}));
    v10->SetOrientation(4);
    int16_t side[5] = {};
    v10->MarkFixedParams(side);
    EXPECT_EQ(std::vector<int16_t>(side, side + 5), (std::vector<int16_t>{0, 0, 0, 0, 1}));
}

// Picked above the axis: the offsets at -l/2 and +l/2; the views along the
// axis show no length and get no dimension.
TEST_F(TransitionDimensions, LengthAndOffsetDimensionsByView) {
    NewDrawing("HV1");
    auto v10 = Made(10, {400, 200, 300, 60, 1000});
    struct Case {
        int16_t orientation;
        const char* picks;
        std::vector<Dim> dims;
    } cases[] = {
        {0, "0,900\n0,900\n", {{"1000", 245, 135}, {"60", 0, -60}}},
        {0, "0,-900\n0,900\n", {{"1000", -245, -255}, {"60", 0, -60}}},
        {3, "0,900\n0,900\n", {{"1000", 135, 245}, {"60", 0, -60}}},
        {1, "0,900\n", {{"1000", 145, 145}}},
        {4, "0,-900\n", {{"1000", -145, -145}}},
        {2, "", {}},
        {5, "", {}},
    };
    for (const Case& c : cases) {
        NewDrawing("HV1");
        v10->SetOrientation(c.orientation);
        host::io::setScript(c.picks);
        EXPECT_EQ(v10->UpdateLabel(), 0);
        std::vector<Dim> dims = Dimensions();
        ASSERT_EQ(dims.size(), c.dims.size()) << c.orientation;
        for (size_t i = 0; i < dims.size(); ++i) {
            EXPECT_EQ(dims[i].text, c.dims[i].text) << c.orientation;
            EXPECT_NEAR(dims[i].y1, c.dims[i].y1, 1e-6) << c.orientation << " " << i;
            EXPECT_NEAR(dims[i].y2, c.dims[i].y2, 1e-6) << c.orientation << " " << i;
        }
    }
    // The round end of VL-08 has no end mark beside it.
    auto v08 = Made(8, {400, 200, 160, 300});
    v08->SetOrientation(3);
    NewDrawing("HV1");
    host::io::setScript("0,900\n");
    v08->UpdateLabel();
    EXPECT_EQ(Dimensions(), (std::vector<Dim>{{"300", 80, 245}}));
    auto v05 = Made(5, {400, 200, 300, 100, 1000});
    v05->SetOrientation(4);
    NewDrawing("HV1");
    host::io::setScript("0,900\n");
    v05->UpdateLabel();
    EXPECT_EQ(Dimensions(), (std::vector<Dim>{{"1000", 95, 145}}));
}

TEST_F(TransitionBlock, FiguresByView) {
    auto v05 = Made(5, {400, 200, 300, 100, 1000});
    v05->SetOrientation(3);
    std::vector<Primitive> all = Block(*v05);
    ASSERT_EQ(all.size(), 2u + 2u + 1u);
    ExpectLine(all[2], "0", -500, 150, 500, 200);
    ExpectLine(all[4], "PC", -500, 0, 500, 0);
    auto v08 = Made(8, {400, 200, 160, 300});
    v08->SetOrientation(1);
    all = Block(*v08);
    ASSERT_EQ(all.size(), 2u + 4u + 1u);
    ExpectLine(all[2], "0", -150, 100, 150, 80);
    ExpectLine(all[3], "P2", -150, 100, 150, 0);
    // VL-10 seen across its offset: the a neck, the slope and the shifted c neck.
    auto v10 = Made(10, {300, 200, 150, 60, 1000});
    all = Block(*v10);
    ASSERT_EQ(all.size(), 2u + 8u + 3u);
    ExpectLine(all[2], "0", -500, 150, -350, 150);
    ExpectLine(all[4], "P2", -350, 150, -450, -150);
    ExpectLine(all[6], "0", -450, -150, 400, -135);
    ExpectLine(all[12], "PC", 400, -60, 500, -60);
    v10->SetOrientation(4);
    all = Block(*v10);
    ASSERT_EQ(all.size(), 2u + 5u + 1u);
    ExpectLine(all[4], "P2", 1000.0 / 3, -50, 100, -50);
    // Seen along the axis only the centre line is left beside the connector
    // symbols, and VL-10 draws none.
    for (int16_t type : {5, 8, 10}) {
        auto e = Made(type);
        for (int16_t o : {2, 5}) {
            e->SetOrientation(o);
            e->system.rectCentreLines = 1;
            size_t with = Block(*e).size();
            e->system.rectCentreLines = 0;
            EXPECT_EQ(with - Block(*e).size(), type == 10 ? 0u : 1u) << type << "/" << o;
        }
    }
}

// A short, wide VL-10 keeps its values and is drawn between its ends: the
// slants of its necks are cut to fit, its walls and centre line run from
// the a end to the c end without doubling back.
TEST_F(TransitionBlock, ShortWideOffsetDrawnWithinItsLength) {
    for (double e : {0.0, 100.0}) {
        auto v10 = Made(10, {600, 200, 400, e, 200});
        ASSERT_NE(v10, nullptr);
        EXPECT_EQ(Params(*v10), (std::vector<double>{600, 200, 400, e, 200}));
        v10->system.rectCentreLines = 1;
        for (int16_t o : {0, 3}) {
            v10->SetOrientation(o);
            const double t = o == 0 ? 1.0 : -1.0;
            for (const Primitive& p : Block(*v10)) {
                // (The end symbols are turned by a pi of ten digits: a little slack.)
                EXPECT_LE(std::fabs(p.x1), 100 + 1e-6) << e << "/" << o << " " << p.layer;
                EXPECT_LE(std::fabs(p.x2), 100 + 1e-6) << e << "/" << o << " " << p.layer;
                if (p.layer == "0" || p.layer == "PC") {
                    EXPECT_GE(t * (p.x2 - p.x1), -1e-9) << e << "/" << o << " " << p.layer << " from " << p.x1;
                }
            }
        }
    }
}
