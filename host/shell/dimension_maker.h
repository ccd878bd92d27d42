// Linear dimensions as the host draws them: a DIMENSION entity on the
// current layer and dimension style, with its "*D" block holding the
// extension lines, the dimension line, two arrow heads, the measured (or
// overriding) text and the definition points on layer DEFPOINTS.
#pragma once

#include <string>

namespace host::shell {

struct LinearDimension {
    double origin1[3] = {0, 0, 0};   // extension line origins
    double origin2[3] = {0, 0, 0};
    double location[3] = {0, 0, 0};  // a point the dimension line passes through
    bool rotated = false;            // false: aligned with the origins
    double angle = 0;                // radians, rotated dimensions only
    std::string text;                // "" measured value; "<>" stands for it
};

// The measured value and the text midpoint (on the dimension line).
double measure(const LinearDimension& dim);
// Makes the dimension in the current drawing; false with a message printed.
bool makeDimension(const LinearDimension& dim);

} // namespace host::shell
