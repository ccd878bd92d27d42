// The composite runs VLE-01 and VLE-02: the turn choosing the outlet, the
// partner fallbacks, the radius rule with each class's bound, the pieces
// and labels, Mirror, the bill of materials, and the views drawn from
// tables: the plan of the straight run as the table gives it, a run turned
// by +90 as its mirrored -90 figure, and in every view the centre lines
// reaching both connectors.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/tests/element_drawing.h"
#include "elements/tests/run_test.h"
#include "core/system_list.h"
#include "host/io/io.h"
#include "elements/vl/lvl_composite.h"

namespace {

using VlComposite = ElementTest;
using VlCompositeBlock = ElementDrawingTest;
using VlCompositeLabels = RunTest;

enum { kT, kB, kA, kC, kD, kL, kR1, kR2, kS };

std::unique_ptr<LVlComposite> Made(int16_t type, std::vector<std::pair<int, double>> changes = {}) {
    std::unique_ptr<LVlComposite> e(dynamic_cast<LVlComposite*>(CreateElement(1, type)));
    if (e && !changes.empty()) {
        std::vector<double> v = Params(*e);
        for (auto [i, x] : changes)
            v[static_cast<size_t>(i)] = x;
        e->SetParams(v.data());
    }
    return e;
}

// The distance from p to the segment of a line primitive.
double DistanceTo(const Primitive& q, double x, double y) {
    double dx = q.x2 - q.x1, dy = q.y2 - q.y1, len2 = dx * dx + dy * dy;
    double u = len2 > 0 ? ((x - q.x1) * dx + (y - q.y1) * dy) / len2 : 0;
    u = u < 0 ? 0 : u > 1 ? 1 : u;
    return std::hypot(q.x1 + u * dx - x, q.y1 + u * dy - y);
}

}  // namespace

TEST_F(VlComposite, TurnChoosesTheOutletAndTheLastRow) {
    struct Case {
        double t;
        int16_t side;
        double a, b;
        const char* last;
    } cases[] = {
        {0, 5, 400, 500, "VL-02  alfa=90;  a=400;  b=500;  c=300;  r=100;"},
        {90, 3, 300, 400, "VL-02  alfa=90;  a=400;  b=300;  c=500;  r=100;"},
        {-90, 0, 300, 400, "VL-02  alfa=90;  a=400;  b=300;  c=500;  r=100;"},
    };
    for (const Case& k : cases) {
        auto e = Made(24, {{kT, k.t}, {kC, 300}, {kD, 400}});
        const LConnector* c1 = e->GetConnector(1);
        EXPECT_EQ(c1->side, k.side) << k.t;
        EXPECT_EQ(c1->a, k.a) << k.t;
        EXPECT_EQ(c1->b, k.b) << k.t;
        EXPECT_EQ(BomOf(*e).texts.back(), k.last) << k.t;
    }
    auto e = Made(24);
    EXPECT_EQ(e->GetOrientation(), 1);
    EXPECT_EQ(Params(*e), (std::vector<double>{0, 500, 500, 500, 500, 1000, 100, 100, 1500}));
    EXPECT_EQ(e->GetQuantity(), 250000);
    EXPECT_EQ(e->GetConnector(0)->position[0], 390);  // c/2 + r1 + k
    EXPECT_EQ(e->GetConnector(0)->position[1], 890);  // l/2 + k + r1 + a/2
    auto turned = Made(25, {{kT, -90}});
    EXPECT_EQ(turned->GetConnector(1)->position[2], 390);  // C2 - b/2
}

TEST_F(VlComposite, SidesRadiiAndPieces) {
    auto e = Made(24, {{kB, 0}, {kC, 600}});
    EXPECT_EQ(e->b, 600);
    e = Made(24, {{kB, 0}, {kC, 0}});
    EXPECT_EQ(e->b, 500);
    const struct {
        double r, a, c, expected;
    } radii[] = {{30, 500, 500, 0}, {50, 500, 500, 100}, {60, 80, 80, 100}, {2000, 500, 400, 500}, {-5, 500, 500, 0}};
    for (const auto& k : radii) {
        e = Made(24, {{kR1, k.r}, {kA, k.a}, {kC, k.c}});
        EXPECT_EQ(e->r1, k.expected) << k.r;
    }
    // The second radius: VLE-01 bounds it by c and d, a turned VLE-02 by b and d.
    const std::vector<std::pair<int, double>> big = {{kT, 90}, {kC, 300}, {kB, 800}, {kD, 400}, {kR2, 700}};
    EXPECT_EQ(Made(24, big)->r2, 400);
    EXPECT_EQ(Made(25, big)->r2, 700);
    const struct {
        double l;
        int pieces;
        double rest;
        int rows;
    } runs[] = {{1000, 0, 1000, 3}, {3020, 2, 20, 5}, {3000, 2, 0, 4}, {0, 0, 0, 2}, {-10, 0, 1000, 3},
                // beyond the most pieces a run is cut into: one piece of its own length
                {1e9, 0, 1e9, 3}};
    for (const auto& k : runs) {
        e = Made(24, {{kL, k.l}});
        EXPECT_EQ(e->pieceCount, k.pieces) << k.l;
        EXPECT_EQ(e->rest, k.rest) << k.l;
        EXPECT_EQ(e->uncutRun.uncut, k.l == 1e9) << k.l;
        BomRows r = BomOf(*e);
        EXPECT_EQ(r.count, k.rows) << k.l;
        uint16_t labels = 0;
        e->GetLabelCount(&labels);
        EXPECT_EQ(labels, k.rows) << k.l;
    }
    // A piece length of next to nothing leaves the run uncut, not in
    // countless pieces.
    e = Made(24, {{kS, 4.9e-324}});
    EXPECT_EQ(e->pieceCount, 0);
    EXPECT_EQ(e->rest, 1000);
    EXPECT_EQ(BomOf(*e).count, 3);
    // A piece length that is no length keeps the one the run has.
    e = Made(24, {{kS, -1500}});
    EXPECT_EQ(e->s, 1500);
    int16_t flags[9] = {};
    EXPECT_EQ(e->MarkFixedParams(flags), -1);
    EXPECT_EQ(std::vector<int16_t>(flags, flags + 9), (std::vector<int16_t>{1, 0, 0, 1, 1, 0, 1, 1, 0}));
    e->SetOrientation(3);
    e->MarkFixedParams(flags);
    EXPECT_EQ(flags[kL], 1);
}

TEST_F(VlComposite, BillOfMaterialsNamesElbowsAndPieces) {
    auto e = Made(24);
    e->SetFlow(2000);
    BomRows r = BomOf(*e);
    EXPECT_EQ(r.texts, (std::vector<std::string>{"VL-02  alfa=90;  a=500;  b=500;  c=500;  r=100;",
                                                 "VL-01  a=500;  b=500;  l=1000;",
                                                 "VL-02  alfa=90;  a=500;  b=500;  c=500;  r=100;"}));
    EXPECT_EQ(r.further, 0);
    EXPECT_EQ(r.extra, 0);
    // The elbow rows join two flow texts with two blanks.
    EXPECT_EQ(r.flows[0], "Vaxb=2000 m3/h;  vaxb=2.2 m/s;  Vcxb=2000 m3/h;  vcxb=2.2 m/s;");
    EXPECT_EQ(r.flows[1], "Vaxb=2000 m3/h;  vaxb=2.2 m/s;");
    EXPECT_EQ(BomOf(*Made(25)).texts[0].substr(0, 5), "VL-07");
}

TEST_F(VlComposite, MirrorTurnsTheOutletOverWithItsLabel) {
    auto e = Made(24, {{kT, -90}});
    e->SetOrientation(0);
    e->SetRotation(0.5);
    uint16_t labels = 0;
    e->GetLabelCount(&labels);
    const double z = e->GetLabel(static_cast<int16_t>(labels - 1))->point[2];
    EXPECT_GT(z, 0);
    EXPECT_EQ(e->Mirror(), 0);
    EXPECT_EQ(e->t, 90);
    EXPECT_EQ(e->GetOrientation(), 3);
    EXPECT_NEAR(e->GetRotation(), 0.5 + kPi, 1e-12);
    EXPECT_EQ(e->GetConnector(1)->side, 3);
    EXPECT_LT(e->GetConnector(1)->position[2], 0);
    EXPECT_NEAR(e->GetLabel(static_cast<int16_t>(labels - 1))->point[2], -z, 1e-9);
}

TEST_F(VlCompositeBlock, StraightPlanFollowsItsTable) {
    auto e = Made(24, {{kR2, 300}});
    std::vector<Primitive> all = Draw(*e, 0);
    std::vector<Primitive> body(all.end() - 13, all.end());
    // c 500, l 1000, k 40, r1 100, r2 300, a = d = 500, e 45.
    ExpectLine(body[0], "0", -250, -540, -250, 1140);
    ExpectLine(body[1], "0", 250, -1340, 250, 540);
    ExpectLine(body[2], "P1", -295, -500, 295, -500);
    ExpectLine(body[3], "P1", -295, 500, 295, 500);
    EXPECT_EQ(body[6].type, "ARC");
    EXPECT_NEAR(body[6].x1, 350, 1e-9);
    EXPECT_NEAR(body[6].r, 100, 1e-9);
    EXPECT_NEAR(body[6].a0, kHalfPi, 1e-9);
    EXPECT_NEAR(body[7].a1, 2 * kPi, 1e-9);
    ExpectLine(body[12], "PC", 0, -1090, -590, -1090);
    // Without a length the joint at +l/2 goes; the one at -l/2 stays.
    e = Made(24, {{kL, 0}});
    EXPECT_EQ(Count(Draw(*e, 0), "LINE") + 1, Count(Draw(*Made(24), 0), "LINE"));
}

TEST_F(VlCompositeBlock, TurnedUpIsTheMirroredTurnedDown) {
    for (int16_t type : {24, 25}) {
        auto down = Made(type, {{kT, -90}, {kA, 600}, {kD, 400}, {kR2, 300}});
        auto up = Made(type, {{kT, 90}, {kA, 600}, {kD, 400}, {kR2, 300}});
        const struct {
            int16_t upView, downView;
            double sx, sy;
        } pairs[] = {{0, 3, -1, 1}, {3, 0, -1, 1}, {1, 1, 1, -1}, {2, 2, 1, -1}, {4, 4, 1, -1}, {5, 5, 1, -1}};
        for (const auto& k : pairs) {
            up->system.rectCentreLines = down->system.rectCentreLines = 1;
            std::vector<Primitive> u = Draw(*up, k.upView), d = Draw(*down, k.downView);
            // The bodies (after the connector symbols, which differ) match.
            size_t n = std::min(u.size(), d.size()) - 12;
            std::vector<Primitive> ub(u.end() - static_cast<long>(n), u.end()), db(d.end() - static_cast<long>(n), d.end());
            for (size_t i = 0; i < n; ++i) {
                EXPECT_EQ(ub[i].type, db[i].type) << type << "/" << k.upView << "/" << i;
                EXPECT_NEAR(ub[i].x1, k.sx * db[i].x1, 1e-9) << type << "/" << k.upView << "/" << i;
                EXPECT_NEAR(ub[i].y1, k.sy * db[i].y1, 1e-9) << type << "/" << k.upView << "/" << i;
                if (ub[i].type == "ARC") {
                    double turn = k.sx < 0 ? kPi : 2 * kPi;
                    EXPECT_NEAR(ub[i].a0, std::fmod(turn - db[i].a1 + 4 * kPi, 2 * kPi), 1e-9);
                }
            }
        }
    }
}

TEST_F(VlCompositeBlock, CentreLinesReachBothConnectorsInEveryView) {
    for (int16_t type : {24, 25}) {
        for (double t : {-90.0, 0.0, 90.0}) {
            auto e = Made(type, {{kT, t}, {kA, 600}, {kB, 300}, {kC, 400}, {kD, 500}, {kR1, 100}, {kR2, 300}});
            for (int16_t o = 0; o < 6; ++o) {
                if (t == 0 && o % 3 == 2)
                    continue;  // seen from the side the straight run shows only its ends
                std::vector<Primitive> all = Draw(*e, o);
                for (int16_t i = 0; i < 2; ++i) {
                    ads_point p;
                    e->GetConnector(i)->GetOffset(p);
                    double nearest = 1e9;
                    for (const Primitive& q : all)
                        if (q.layer == "PC")
                            nearest = std::min(nearest, DistanceTo(q, p[0], p[1]));
                    EXPECT_LT(nearest, 1e-6) << type << " t=" << t << " o=" << o << " connector " << i;
                }
            }
        }
    }
}

TEST_F(VlCompositeLabels, RunDimensionedWithItsSectionAtBothEnds) {
    NewDrawing("HV1");
    ASSERT_EQ(InsertSystem(state.systemList, &system), 0);  // the size texts take its text style
    LObject* e = Make(1, 24);
    ASSERT_NE(e, nullptr);
    e->SetOrientation(0);
    e->SetFlow(1e300);  // a flow text far longer than its buffer
    EXPECT_EQ(BomOf(*e).flows[0].size() > 100, true);
    host::io::setScript("0,900\n");
    EXPECT_EQ(e->UpdateLabel(), 0);
    EXPECT_EQ(DimensionTexts(), (std::vector<std::string>{"1000"}));
    EXPECT_EQ(e->GetMarkCount(), 2 + 2);  // width and height beside each end
    // Seen along the run: the section's two sizes, no length.
    e->SetOrientation(1);
    host::io::setScript("0,900\n0,900\n");
    e->UpdateLabel();
    EXPECT_EQ(DimensionTexts(), (std::vector<std::string>{"1000", "500", "500"}));
}
