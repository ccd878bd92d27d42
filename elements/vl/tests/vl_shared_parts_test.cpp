// The family's shared pieces that no element's own tests reach in full:
// connector bindings given as a list longer than the element's connectors,
// and view tables joined from parts, kept in their order.
#include <gtest/gtest.h>

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
