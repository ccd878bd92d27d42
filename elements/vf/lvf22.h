// The round cross VF/KS-22: a straight run of diameter d1 (connectors 0 and
// 2) with two opposite branches of diameter d2 at right angles (connectors 1
// and 3), both off-centre so that their outlines are flush with one side of
// the run.
#pragma once

#include "elements/vf/lvf_branch.h"

class LVf22 : public LVfBranch {
public:
    LVf22();

    int16_t MakeBlock(char* blockName) override;

protected:
    void LayOut() override;

private:
    void DrawSide(double s);
};
