// The round branch VF/KS-21: a straight run of diameter d1 with one branch
// of diameter d2 at a right angle, set off-centre so that its outline is
// flush with one side of the run (connector 2).
#pragma once

#include "elements/vf/lvf_branch.h"

class LVf21 : public LVfBranch {
public:
    LVf21();

    int16_t MakeBlock(char* blockName) override;

protected:
    void LayOut() override;

private:
    void DrawSide(double s);
    void DrawRunEnd(double s);
};
