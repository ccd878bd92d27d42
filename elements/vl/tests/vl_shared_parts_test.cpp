// The family's shared pieces that no element's own tests reach in full:
// connector bindings given as a list longer than the element's connectors,
// view tables joined from parts, kept in their order, and the radius rule
// of the branch fittings and composite runs.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "core/type_tables.h"
#include "elements/tests/element_drawing.h"
#include "elements/tests/element_test.h"
#include "elements/vl/composite_notation.h"
#include "elements/vl/lvl.h"

namespace {

// The base with its binding list open to the test.
class BindingVl : public BareElement<LVl> {
public:
    using BareElement<LVl>::BareElement;
    using LVl::BindConnectors;
};

using VlShared = ElementTest;
using VlSharedBlock = ElementDrawingTest;

bool Same(const Primitive& p, const Primitive& q) {
    return p.type == q.type && p.layer == q.layer && p.linetype == q.linetype && p.x1 == q.x1 &&
           p.y1 == q.y1 && p.x2 == q.x2 && p.y2 == q.y2 && p.r == q.r && p.a0 == q.a0 && p.a1 == q.a1;
}

}  // namespace

TEST_F(VlShared, ConnectorBindingsBeyondTheConnectorsAreLeftOut) {
    BindingVl e(5, 2, 5);
    e.BindConnectors({{2, 2, 3}, {5, 0, 1}, {1, 4, 4}});
    const int16_t want[2][3] = {{2, 2, 3}, {5, 0, 1}};
    for (int16_t i = 0; i < 2; ++i) {
        const LConnector* c = e.GetConnector(i);
        EXPECT_EQ(c->side, want[i][0]) << i;
        EXPECT_EQ(c->paramA, want[i][1]) << i;
        EXPECT_EQ(c->paramB, want[i][2]) << i;
    }
    // A shorter list binds only the connectors it names.
    e.BindConnectors({{0, 3, 6}});
    EXPECT_EQ(e.GetConnector(0)->side, 0);
    EXPECT_EQ(e.GetConnector(0)->paramB, 6);
    EXPECT_EQ(e.GetConnector(1)->side, 5);
}

TEST_F(VlShared, JoinedTableKeepsEachPartsRowsInTurn) {
    using namespace composite_notation;
    static constexpr FigureRow first[] = {Ln(kOutline, {c, O}, {l, O}), Ln(kDashed, {O, b}, {O, e}, kPlusJoint)};
    static constexpr FigureRow second[] = {Ar(kCentre, {a, d}, r1, 1, 2)};
    static constexpr auto joined = Join(first, second, first);
    static_assert(joined.size() == 5);
    const FittingPen pens[5] = {kOutline, kDashed, kCentre, kOutline, kDashed};
    for (size_t i = 0; i < joined.size(); ++i)
        EXPECT_EQ(joined[i].pen, pens[i]) << i;
    EXPECT_TRUE(joined[2].arc);
    EXPECT_EQ(joined[2].q1, 2);
    EXPECT_EQ(joined[4].flags, kPlusJoint);
    EXPECT_EQ(joined[3].p2.x.f[kSymL], 1.0);
    CompositeViews::Table table = Rows(joined);
    EXPECT_EQ(table.rows, joined.data());
    EXPECT_EQ(table.count, 5u);
}

// A negative bend radius would draw its arcs inside out, the walls crossing
// or leaving the duct: it is taken as no radius at all, stored, drawn and
// described as 0.
TEST_F(VlSharedBlock, NegativeRadiusIsNoRadius) {
    const struct {
        int16_t subtype;
        std::vector<int> radii;  // where the type keeps its radii
        double r;
    } cases[] = {{12, {5}, -300}, {14, {5}, -200}, {27, {4}, -20}, {28, {6}, -60},
                 {29, {6}, -60},  {24, {6, 7}, -150}, {25, {6, 7}, -150}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.subtype);
        const double* defaults = TypeDefaults(1, c.subtype);
        ASSERT_NE(defaults, nullptr);
        std::vector<double> negative(defaults, defaults + kMaxTypeDefaults), none = negative;
        for (int i : c.radii) {
            negative[i] = c.r;
            none[i] = 0;
        }
        std::unique_ptr<LObject> bent(CreateElement(1, c.subtype)), straight(CreateElement(1, c.subtype));
        ASSERT_TRUE(bent && straight);
        bent->SetParams(negative.data());
        straight->SetParams(none.data());
        std::vector<double> values = Params(*bent);
        EXPECT_EQ(values, Params(*straight));
        for (int i : c.radii)
            EXPECT_EQ(values[i], 0);
        EXPECT_EQ(Description(*bent), Description(*straight));
        for (int16_t o = 0; o < 6; ++o) {
            std::vector<Primitive> drawn = Draw(*bent, o), plain = Draw(*straight, o);
            ASSERT_EQ(drawn.size(), plain.size()) << o;
            for (size_t k = 0; k < drawn.size(); ++k)
                EXPECT_TRUE(Same(drawn[k], plain[k])) << o << ": " << k << " " << drawn[k].type;
        }
    }
}
