// What the rectangular grilles CSD, RDN, TSD and CTR share: a face of
// length L and height H, no connectors of their own (they sit on a duct
// through the attach positions), one symbol (a framed rectangle with its
// diagonals in plan, a neck with a flange from the side), the face area
// for the velocity, and a label and a description made of the type's name
// text and its size.
#pragma once

#include <string>

#include "core/text_lists.h"
#include "elements/rcs/lrcs.h"

class LRCsGrille : public LRCs {
public:
    int16_t MakeBlock(char* blockName) override;
    double GetQuantity() override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;

    // The catalogue name of the grille as set, e.g. "CSD-H-R+AZN".
    virtual std::string NameText() const = 0;

    double L = 0.0;
    double H = 0.0;

protected:
    LRCsGrille(int16_t id, int16_t paramCount);

    // Margin of the plan frame around the face.
    virtual double FrameMargin() const { return layoutLengths[11]; }
    // Runs before the block and the description are made.
    virtual void Refresh() {}
};

// The catalogue's size rule for the CSD family of grilles: the small
// lengths do not come with the large heights (200 x 400, 300 x 400 and
// 200 x 300 become 300 x 300).
void SnapGrilleSize(double* L, double* H);
