// The flexible duct FLEX: laying its path segment by segment and to a point
// with an end direction, refusals that leave the path as it was, taking
// segments back, mirroring, its length, pieces and labels, the path kept in
// the XDATA, and its block.
#include "elements/vf/lvfwform.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/tests/element_drawing.h"

namespace {

using Flex = ElementTest;
using FlexBlock = ElementDrawingTest;

struct Node {
    double angle, straight, x, y, z;
    bool operator==(const Node&) const = default;
};

std::vector<Node> Nodes(const LVfWform& e) {
    std::vector<Node> out;
    for (auto* n = static_cast<const LVfPathNode*>(const_cast<LVfWform&>(e).GetPath()); n; n = n->Next())
        out.push_back({n->angle, n->straight, n->offset[0], n->offset[1], n->offset[2]});
    return out;
}

// Everything that follows the path: the totals, the connectors and the labels.
struct Shape {
    std::vector<Node> nodes;
    double length, ex, ey, c0x, c0y, c1x, c1y, c1angle;
    std::vector<double> labels;
    bool operator==(const Shape&) const = default;
};

Shape ShapeOf(LVfWform& e) {
    Shape s{Nodes(e), e.pathLength, e.extentX, e.extentY,
            e.GetConnector(0)->position[0], e.GetConnector(0)->position[1],
            e.GetConnector(1)->position[0], e.GetConnector(1)->position[1],
            e.GetConnector(1)->angle, {}};
    for (LLabelNode* l = e.GetLabel(0); l; l = l->next) {
        s.labels.push_back(l->point[0]);
        s.labels.push_back(l->point[1]);
    }
    return s;
}

int16_t Segment(LVfWform& e, double x, double y) {
    const ads_point v = {x, y, 0};
    return e.AddPathSegment(v, std::atan2(y, x));
}

// A path of d = 100 (bend radius 150): 3000 along +x, 2000 turned up by
// 60 degrees, and 3000 along +x again.
std::unique_ptr<LVfWform> Path() {
    auto e = std::make_unique<LVfWform>();
    EXPECT_EQ(Segment(*e, 3000, 0), 0);
    EXPECT_EQ(Segment(*e, 1000, 1732.0508075688772), 0);
    EXPECT_EQ(Segment(*e, 3000, 0), 0);
    return e;
}

}  // namespace

TEST_F(Flex, FreshElementHasAnEmptyPath) {
    std::unique_ptr<LObject> made(CreateElement(2, 2));
    auto* e = dynamic_cast<LVfWform*>(made.get());
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->GetKind(), kKindPath);
    EXPECT_EQ(Params(*e), (std::vector<double>{100, 0, 6000}));
    ads_point end = {9, 9, 9};
    double angle = 9;
    EXPECT_EQ(e->GetLastSegmentEnd(end, &angle), 0);
    EXPECT_EQ(std::vector<double>(end, end + 3), (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(angle, 0);
    EXPECT_EQ(e->GetPath()->next, nullptr);
    EXPECT_EQ(e->RemoveLastSegment(), -1);
    int16_t flags[3] = {};
    EXPECT_EQ(e->MarkFixedParams(flags), -1);
    EXPECT_EQ(e->FitLength(nullptr, nullptr, 0, 1, 100, 0), -1);
}

// The first segment starts with a straight along +x; a later one that turns
// too tightly for its bend moves the corner back along the straight before.
TEST_F(Flex, SegmentsMakeRoomForTheirBends) {
    LVfWform e;
    EXPECT_EQ(Segment(e, 3000, 0), 0);
    EXPECT_EQ(e.segmentCount, 2);
    EXPECT_NEAR(e.pathLength, 3000, 1e-6);
    // 60 degrees up: the bend needs 150 tan 30 = 86.6 of the 3000 straight.
    const ads_point up = {1000, 1732.0508075688772, 0};
    EXPECT_EQ(e.AddPathSegment(up, std::atan2(up[1], up[0])), 0);
    EXPECT_EQ(e.segmentCount, 3);
    EXPECT_NEAR(e.LastNode()->straight, 2000 - 150 * std::tan(M_PI / 6), 1e-6);
    EXPECT_NEAR(e.extentX, 4000, 1e-6);
    EXPECT_NEAR(e.extentY, 1732.0508, 1e-4);
    EXPECT_NEAR(e.GetConnector(1)->position[0], 2000, 1e-6);
    EXPECT_NEAR(e.GetConnector(0)->position[1], -866.0254, 1e-4);
    EXPECT_NEAR(e.GetConnector(1)->angle, M_PI / 3, 1e-12);
    // A short hook back to the right after a short straight: the corner
    // moves back and the path still ends where asked.
    LVfWform h;
    EXPECT_EQ(Segment(h, 1000, 0), 0);
    EXPECT_EQ(Segment(h, 100, 100), 0);
    EXPECT_EQ(h.segmentCount, 3);
    EXPECT_NEAR(h.extentX, 1100, 1e-6);
    EXPECT_NEAR(h.extentY, 100, 1e-6);
    for (const Node& n : Nodes(h))
        EXPECT_GE(n.straight, 0.0);
}

TEST_F(Flex, RefusedSegmentsLeaveThePathAsItWas) {
    auto e = Path();
    Shape before = ShapeOf(*e);
    const ads_point back = {-1000, 0, 0}, longest = {20000, 0, 0}, longer = {20000.001, 0, 0};
    const ads_point nowhere = {std::nan(""), 0, 0};
    // A chord pointing more than 170 degrees away from its own direction.
    EXPECT_EQ(e->AddPathSegment(back, 0.0), -1);
    EXPECT_EQ(e->AddPathSegment(back, 0.17), -1);
    EXPECT_EQ(e->AddPathSegment(longer, 0.0), -1);
    EXPECT_EQ(e->AddPathSegment(nowhere, 0.0), -1);
    // Turned back past the start of the straight before: no bend fits.
    EXPECT_EQ(Segment(*e, -3250, 0), -1);
    EXPECT_EQ(ShapeOf(*e), before);
    EXPECT_EQ(e->AddPathSegment(back, 0.18), 0);  // 170 degrees and a little less
    EXPECT_EQ(e->AddPathSegment(longest, 0.0), 0);
    LVfWform first;
    const ads_point tooShort = {100, 100, 0};
    EXPECT_EQ(first.AddPathSegment(tooShort, 1.5), -1);  // its start bend does not fit
    EXPECT_EQ(first.segmentCount, 0);
}

TEST_F(Flex, PointWithEndDirectionJoinsByTwoBends) {
    auto e = Path();
    int16_t before = e->segmentCount;
    double ex = e->extentX, ey = e->extentY;
    const ads_point p = {3000, 1000, 0};
    EXPECT_EQ(e->AddPathPoint(p, 0.0), 0);
    EXPECT_EQ(e->segmentCount, before + 3);
    EXPECT_NEAR(e->extentX, ex + 3000, 1e-6);
    EXPECT_NEAR(e->extentY, ey + 1000, 1e-6);
    EXPECT_EQ(e->LastNode()->angle, 0.0);
    // A target closer than two bend radii is refused and nothing stays.
    Shape shape = ShapeOf(*e);
    const ads_point near = {100, 50, 0};
    EXPECT_EQ(e->AddPathPoint(near, 1.0), -1);
    EXPECT_EQ(ShapeOf(*e), shape);
    // On an empty path the first bends start along +x.
    LVfWform fresh;
    const ads_point q = {3000, -2000, 0};
    EXPECT_EQ(fresh.AddPathPoint(q, -0.3), 0);
    EXPECT_EQ(fresh.segmentCount, 3);
    EXPECT_EQ(fresh.LastNode()->angle, -0.3);
    EXPECT_NEAR(fresh.extentY, -2000, 1e-6);
}

TEST_F(Flex, RemoveLastSegmentUndoesAnAppend) {
    auto e = Path();
    Shape before = ShapeOf(*e);
    EXPECT_EQ(Segment(*e, 2000, 3464.1016151377544), 0);  // on along the same line
    EXPECT_NE(ShapeOf(*e), before);
    EXPECT_EQ(e->RemoveLastSegment(), 0);
    EXPECT_EQ(ShapeOf(*e), before);
    while (e->RemoveLastSegment() == 0) {
    }
    EXPECT_EQ(e->segmentCount, 0);
    EXPECT_EQ(e->pathLength, 0);
    EXPECT_EQ(e->GetConnector(1)->position[0], 0);
}

TEST_F(Flex, MirrorTwiceRestoresThePath) {
    auto e = Path();
    const ads_point p = {3000, -1000, 0};
    ASSERT_EQ(e->AddPathPoint(p, -0.3), 0);
    Shape before = ShapeOf(*e);
    EXPECT_EQ(e->Mirror(), 0);
    EXPECT_NEAR(e->extentY, -before.ey, 1e-9);
    EXPECT_NEAR(e->GetConnector(1)->position[1], -before.c1y, 1e-9);
    EXPECT_NEAR(e->LastNode()->angle, 2 * M_PI + 0.3, 1e-6);
    e->Mirror();
    Shape after = ShapeOf(*e);
    ASSERT_EQ(after.nodes.size(), before.nodes.size());
    for (size_t i = 0; i < after.nodes.size(); ++i) {
        EXPECT_NEAR(after.nodes[i].angle, before.nodes[i].angle, 1e-12) << i;
        EXPECT_EQ(after.nodes[i].y, before.nodes[i].y) << i;
        EXPECT_EQ(after.nodes[i].straight, before.nodes[i].straight) << i;
    }
    EXPECT_NEAR(after.ey, before.ey, 1e-9);
    EXPECT_NEAR(after.c1angle, before.c1angle, 1e-12);
}

// The stored nodes are laid again as they were: no bend is built anew.  The
// straight parts are worked out again (a mirrored path's to the last bit).
TEST_F(Flex, PathThroughXDataIsRebuiltNodeForNode) {
    auto e = Path();
    const ads_point p = {2500, 900, 0};
    ASSERT_EQ(e->AddPathPoint(p, 0.3), 0);
    e->Mirror();
    LVfWform once, twice;
    ASSERT_EQ(CopyByXData(*e, once), 0);
    ASSERT_EQ(CopyByXData(once, twice), 0);
    EXPECT_EQ(ShapeOf(twice), ShapeOf(once));
    EXPECT_EQ(Params(twice), Params(*e));
    std::vector<Node> stored = Nodes(*e), rebuilt = Nodes(once);
    ASSERT_EQ(rebuilt.size(), stored.size());
    for (size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(rebuilt[i].angle, stored[i].angle) << i;
        EXPECT_EQ(rebuilt[i].x, stored[i].x) << i;
        EXPECT_EQ(rebuilt[i].y, stored[i].y) << i;
        EXPECT_NEAR(rebuilt[i].straight, stored[i].straight, 1e-9) << i;
    }
    // The rebuilt path goes on like any other.
    EXPECT_EQ(Segment(twice, 1000, 0), 0);
    EXPECT_EQ(twice.segmentCount, e->segmentCount + 1);
    // A narrow duct's tight bends, read into an element that has yet to
    // learn the diameter: its bends would not fit a wider duct.
    LVfWform narrow, read;
    const double d80[3] = {80, 0, 0};
    narrow.SetParams(d80);
    ASSERT_EQ(Segment(narrow, 1000, 0), 0);
    ASSERT_EQ(Segment(narrow, 100, 100), 0);
    ASSERT_EQ(CopyByXData(narrow, read), 0);
    EXPECT_EQ(Nodes(read), Nodes(narrow));
    // An empty path stays empty.
    LVfWform empty, back;
    ASSERT_EQ(CopyByXData(empty, back), 0);
    EXPECT_EQ(back.segmentCount, 0);
}

// Lengths past the 16-bit range are kept; pieces and labels follow the path.
TEST_F(Flex, LengthPiecesLabelsAndBillOfMaterials) {
    LVfWform e;
    ASSERT_EQ(Segment(e, 15000, 0), 0);
    EXPECT_EQ(e.pieceCount, 2);
    EXPECT_EQ(e.rest, 3000);
    std::vector<double> labels;
    for (LLabelNode* l = e.GetLabel(0); l; l = l->next)
        labels.push_back(l->point[0]);
    EXPECT_EQ(labels, (std::vector<double>{-4500, 1500, 6000}));
    e.GetConnector(0)->flow = 200;
    BomRows r = BomOf(e);
    EXPECT_EQ(r.texts, (std::vector<std::string>{"FLEX  d=100;  l=6000;", "FLEX  d=100;  l=6000;",
                                                 "FLEX  d=100;  l=3000;", "VF-01  d=100;"}));
    EXPECT_EQ(r.count, 3);
    EXPECT_EQ(r.quantities.back(), 2);
    ASSERT_EQ(Segment(e, 20000, 0), 0);
    ASSERT_EQ(Segment(e, 10000, 0), 0);
    EXPECT_EQ(Params(e), (std::vector<double>{100, 45000, 6000}));
    EXPECT_EQ(e.pieceCount, 7);
    // SetParams takes d and the piece length but never the length.
    const double v[3] = {200, 5000, 9000};
    e.SetParams(v);
    EXPECT_EQ(Params(e), (std::vector<double>{200, 45000, 9000}));
    EXPECT_EQ(e.GetConnector(1)->a, 200);
    EXPECT_EQ(e.pieceCount, 5);
    EXPECT_EQ(e.rest, 0);
    // More pieces than a run is cut into (a stored piece length of 1, or of
    // next to nothing): one piece of the path's length, and the element
    // keeps the run for the loader's note; the piece length stays stored.
    for (double tinyPiece : {1.0, 4.9e-324}) {
        const double tiny[3] = {0, 0, tinyPiece};
        e.SetParams(tiny);
        EXPECT_EQ(e.pieceCount, 0);
        EXPECT_EQ(e.rest, 45000);
        uint16_t count = 0;
        e.GetLabelCount(&count);
        EXPECT_EQ(count, 1);
        EXPECT_EQ(Params(e)[1], 45000);
        EXPECT_EQ(Params(e)[2], tinyPiece);
        EXPECT_TRUE(e.uncutRun.uncut);
        EXPECT_EQ(BomOf(e).texts, (std::vector<std::string>{"FLEX  d=200;  l=45000;"}));
    }
    e.SetParams(v);
    EXPECT_FALSE(e.uncutRun.uncut);
}

TEST_F(FlexBlock, BendsAreArcsAndWallsAreZigzagLines) {
    auto e = Path();
    e->system.roundCentreLines = 1;
    std::vector<Primitive> all = Block(*e);
    int arcs = 0, zigzags = 0, centre = 0;
    for (const Primitive& p : all) {
        for (double v : {p.x1, p.y1, p.x2, p.y2})
            ASSERT_TRUE(std::isfinite(v)) << p.type;
        arcs += p.type == "ARC";
        zigzags += p.linetype == "cikkcakk";
        centre += p.layer == "PC";
    }
    // Two turns: two wall arcs and the centre arc each; four straights
    // (the first is all but nothing) of two walls and a centre line each.
    // A straight corner draws no arc at all.
    EXPECT_EQ(arcs, 2 * 3);
    EXPECT_EQ(zigzags, 2 * 2 + 4 * 2);
    EXPECT_EQ(centre, 2 + 4);
    // A stored path that turns right back at a corner of a huge duct: no
    // point of the figure is out of range.
    LVfWform odd, back;
    const ads_point ahead = {1000, 0, 0}, behind = {-1000, 0, 0};
    ASSERT_EQ(odd.AddPathSegment(ahead, 0.0), 0);
    ASSERT_EQ(odd.AddPathSegment(behind, M_PI), -1);  // laid, it is refused
    LPathNode* last = odd.GetPath()->next->next;
    last->angle = M_PI;  // as a damaged drawing might hold it
    CopyPoint3d(last->offset, behind);
    const double huge[3] = {1e300, 0, 0};
    odd.SetParams(huge);
    ASSERT_EQ(CopyByXData(odd, back), 0);
    for (const Primitive& p : Block(back))
        for (double v : {p.x1, p.y1, p.x2, p.y2})
            ASSERT_TRUE(std::isfinite(v)) << p.type;
    // Corners that turn only by rounding (a first segment a hair off the
    // start direction, a second one a hair off the first) draw no arc: one
    // would be drawn as a whole circle.
    LVfWform nearly;
    ASSERT_EQ(Segment(nearly, 3000, 1e-9), 0);
    ASSERT_EQ(Segment(nearly, 2000, -1e-9), 0);
    for (const Primitive& p : Block(nearly))
        EXPECT_NE(p.type, "ARC");
    // The same path figure in every view, without centre lines when off.
    e->system.roundCentreLines = 0;
    for (int16_t o = 0; o < 6; ++o) {
        e->SetOrientation(o);
        int walls = 0, centres = 0;
        for (const Primitive& p : Block(*e)) {
            walls += p.linetype == "cikkcakk";
            centres += p.layer == "PC";
        }
        EXPECT_EQ(walls, zigzags) << o;
        EXPECT_EQ(centres, 0) << o;
    }
}
