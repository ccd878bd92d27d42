// Flipping, orientation steps and projection, and children attached to a
// parent element.
#include <array>
#include "fixtures.h"

TEST(Flip, ModesByAxis) {
    TestElement e(1, 1, 0, 0);
    e.SetFlipModes(2, 3, 1);
    e.orientation = 2;  // axis 2, mode 1: reversed with a half turn, and back
    e.rotation = 1.0;
    EXPECT_EQ(e.Flip(), 0);
    EXPECT_EQ(e.orientation, 5);
    EXPECT_DOUBLE_EQ(e.rotation, 1.0 + kPi);
    EXPECT_EQ(e.Flip(), 0);
    EXPECT_EQ(e.orientation, 2);
    EXPECT_DOUBLE_EQ(e.rotation, 1.0);
    e.rotation = 0;
    e.orientation = 3;  // axis 0: half turn only
    e.Flip();
    EXPECT_EQ(e.orientation, 3);
    EXPECT_DOUBLE_EQ(e.rotation, kPi);
    e.orientation = 4;  // axis 1: the class mirrors itself
    EXPECT_EQ(e.Flip(), 7);
    EXPECT_EQ(e.mirrors, 1);
    e.flipModes[2] = 0;  // axis 2 without a mode: nothing
    e.orientation = 2;
    e.Flip();
    EXPECT_EQ(e.orientation, 2);
    EXPECT_EQ(e.mirrors, 1);
    e.flipModes[2] = 9;  // unknown mode: nothing
    EXPECT_EQ(e.Flip(), 0);
}

TEST(Flip, UserBlockElementNegatesScaleAndComesBack) {
    TestElement e(16, 1, 0, 1);
    e.kind = kKindUserBlock;
    e.SetScale(2, 3, 4);
    e.rotation = 0.5;
    e.Flip();
    EXPECT_EQ(e.scale.sx, -2.0);
    EXPECT_DOUBLE_EQ(e.rotation, 0.5 + kPi);
    e.Flip();
    EXPECT_EQ(e.scale.sx, 2.0);
    EXPECT_DOUBLE_EQ(e.rotation, 0.5);
    EXPECT_EQ(e.mirrors, 0);
}

TEST(Orientation, CycleSkipsTheConnectorsAxis) {
    TestElement e(1, 1, 2, 0);
    e.GetConnector(1)->side = 1;
    for (int start = 0; start < 6; ++start) {
        e.orientation = static_cast<int16_t>(start);
        e.CycleOrientation(1);
        EXPECT_NE(e.orientation % 3, 1) << "from " << start;
        EXPECT_NE(e.orientation, start);
    }
    // Without a connector to skip (9: no such connector), a plain step.
    for (auto [from, connector, to] : {std::array{0, -1, 1}, {5, -1, 0}, {2, 9, 3}}) {
        e.orientation = static_cast<int16_t>(from);
        e.CycleOrientation(static_cast<int16_t>(connector));
        EXPECT_EQ(e.orientation, to) << from << " skipping " << connector;
    }
}

TEST(Orientation, ProjectionToTheDrawingPlane) {
    TestElement e(1, 1, 0, 0);
    ads_point p = {1, 2, 3}, out;
    const double expect[6][2] = {{1, 2}, {1, 3}, {2, 3}, {-1, 2}, {-1, 3}, {-2, 3}};
    for (int o = 0; o < 6; ++o) {
        e.orientation = static_cast<int16_t>(o);
        e.TransformByOrientation(out, p);
        EXPECT_EQ(out[0], expect[o][0]) << o;
        EXPECT_EQ(out[1], expect[o][1]) << o;
        EXPECT_EQ(out[2], 0.0);
    }
}

TEST(Children, AcceptedOnlyWhereTheMaskAllows) {
    TestElement parent(1, 1, 0, 0), child(3, 1, 0, 0), other(3, 1, 0, 0);
    parent.SetAttachMasks(1, 1, 0, 1, 1, 0);
    parent.entity[0] = 42;
    child.kind = 1;
    child.entity[0] = 43;
    EXPECT_EQ(parent.AddChild(&child, 2), -1);
    EXPECT_EQ(parent.AddChild(&child, 6), -1);
    EXPECT_EQ(parent.AddChild(nullptr, 0), -1);
    EXPECT_EQ(parent.CountChildren(), 0);
    EXPECT_EQ(parent.AddChild(&child, 3), 0);
    EXPECT_EQ(child.attachPosition, 3);
    EXPECT_EQ(child.parent, &parent);
    EXPECT_EQ(child.parentEntity[0], 42);
    other.kind = 1;
    other.entity[0] = 44;
    parent.AddChild(&other, 0);
    EXPECT_EQ(parent.CountChildren(), 2);
    ads_name seen;
    LChildNode* node = parent.NextChild(seen, nullptr);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(seen[0], 43);
    node = parent.NextChild(seen, node);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(seen[0], 44);
    EXPECT_EQ(parent.NextChild(seen, node), nullptr);
}

TEST(Children, AlignToPlacesOnTheAttachPosition) {
    TestElement parent(1, 1, 0, 0), child(3, 1, 0, 0);
    parent.SetAttachOffsets(0, 100, 0, 0, 0, 0);
    parent.orientation = 0;
    parent.rotation = 0.0;
    SetPoint3d(parent.insertionPoint, 10, 20, 0);
    parent.hostSize = 315;
    child.attachPosition = 1;  // table: orientation 4, three quarter turns
    EXPECT_EQ(child.AlignTo(&parent), 0);
    EXPECT_EQ(child.orientation, 4);
    EXPECT_EQ(child.hostSize, 315);
    // Offset (100, 0) turned by 3/2 pi lands below the parent's point.
    ExpectXY(child.insertionPoint, 10, -80, 1e-6);
    EXPECT_NEAR(child.rotation, 3 * kPi / 2 - kHalfPi, 1e-9);
    EXPECT_EQ(child.AlignTo(nullptr), -1);
    child.attachPosition = 0;  // orientation 0: stays on the point
    child.AlignTo(&parent);
    EXPECT_EQ(child.orientation, 0);
    EXPECT_EQ(child.insertionPoint[1], 20);
}

TEST(Children, ParentThatSizesItsChildrenHandsItsSizes) {
    LTypeDescriptor row;
    row.flags = kTypeSizesChildren;
    TestElement parent(2, 10, 0, 4, &row), child(3, 1, 0, 3);
    parent.values = {250, 400, 300, 0};
    child.parentParams[0] = 1;
    child.parentParams[1] = 2;
    EXPECT_EQ(child.AlignTo(&parent), 0);
    EXPECT_EQ(child.values[1], 400);
    EXPECT_EQ(child.values[2], 300);
    child.parentParams[1] = 7;  // outside the child's values: refused
    EXPECT_EQ(child.AlignTo(&parent), -1);
}
