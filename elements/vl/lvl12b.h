// The rectangular branch VL-12-B and its mirror image VL-12-J: a straight
// duct of length l narrowing from a (connector 1) to c (connector 0) along
// one straight wall, the cut-off width a - c turning upward through an elbow
// of inner radius r into a branch of width d (connector 2).  One class
// serves both; the side sign s (+1 for VL-12-B, -1 for VL-12-J) says on
// which side of the duct axis the straight wall lies, and Mirror turns one
// type into the other.
//
// Values (GetParams, SetParams, XDATA): a, b, c, d, l, r, branch depth
// (a - c; on input it holds the depth while the branch is joined).
#pragma once

#include "elements/vl/lvl_narrowing_branch.h"

constexpr int16_t kVl12RightType = 12;  // VL-12-B, s = +1
constexpr int16_t kVl12LeftType = 13;   // VL-12-J, s = -1

class LVl12B : public LVlNarrowingBranch {
public:
    // Any subtype other than VL-12-J builds a VL-12-B.
    explicit LVl12B(int16_t typeId);

    int16_t MakeBlock(char* blockName) override;
    int16_t Mirror() override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t UpdateLabel() override;

    int16_t s = 1;

private:
    // Subtype, descriptor row and attach masks of the variant of side s.
    void TakeVariant(int16_t sign);
    void PlaceConnectors();
    void DrawPlan(bool fromBelow);
    void DrawElevation(bool far);
    void DrawSection(bool far);
};
