#include "elements/vl/lvl_narrowing_branch.h"

#include "ads_entity.h"
#include "core/dimensions.h"
#include "core/fitting_figures.h"

LVlNarrowingBranch::LVlNarrowingBranch(int16_t typeId, uint16_t valueCount) : LVl(typeId, 3, valueCount) {}

int16_t LVlNarrowingBranch::MarkFixedParams(int16_t* flags) {
    if (flags)
        flags[4] = flags[5] = 1;
    return -1;
}

int16_t LVlNarrowingBranch::AdjustInsertionPoint(ads_point, const double*) { return 0; }

void LVlNarrowingBranch::TakeWidths(const double* in) {
    const double inA = in[0], inC = in[2], inD = in[3];
    a = inA != 0 ? inA : inC != 0 ? 2 * inC : inD != 0 ? 2 * inD : a;
    if (in[1] != 0)
        b = in[1];
    c = inC != 0 ? inC : inA != 0 ? inA / 2 : inD != 0 ? inD : c;
    d = inD != 0 ? inD : inA != 0 ? inA / 2 : inC != 0 ? inC : d;
}

void LVlNarrowingBranch::PutValues(double* v) const {
    v[0] = a;
    v[1] = b;
    v[2] = c;
    v[3] = d;
    v[4] = l;
    v[5] = r;
}

int16_t LVlNarrowingBranch::MakeLengthDimension(const double o[4]) {
    MakeAlignedDimension(*this, insertionPoint, l, o[0] + endMarkSize, o[1] + endMarkSize, o[2] + endMarkSize,
                         o[3] + endMarkSize, rotation);
    acdbEntUpd(entity);
    return 0;
}

void LVlNarrowingBranch::CentreLine(double x1, double y1, double x2, double y2) {
    if (system.rectCentreLines != 0)
        FigureLine(*this, FittingPen::kCentre, x1, y1, x2, y2);
}
