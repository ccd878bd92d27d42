// The round branch VF/KS-20: a straight run of diameter d1 with one branch
// of diameter d2 leaving it at 45 degrees (connector 2, turned by the
// connector's first angle).  Seen along the run it draws nothing.
#pragma once

#include "elements/vf/lvf_branch.h"

class LVf20 : public LVfBranch {
public:
    LVf20();

    int16_t MakeBlock(char* blockName) override;

protected:
    void LayOut() override;
    // The measured length and L agree as whole drawing units.
    bool FitsLength(double along) const override;

private:
    void DrawSide(double s);
    void DrawRunAcross();
    void DrawBranchBehind();
    void DrawBranchFacing();
};
