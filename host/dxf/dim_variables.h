// The header variables ($DIMASZ, $DIMTXT, ...) that mirror the settings of
// a dimension style record, by the record's group code.  Programs that draw
// dimensions from the header (not from the style) need them to agree.
#pragma once

namespace host::dxf {

struct DimVariable {
    int styleCode;     // group code in the DIMSTYLE record
    const char* name;  // header variable, with '$'
    int headerCode;    // group code of its value in the header
};

// The variable for a DIMSTYLE group code; null when the code has none.
const DimVariable* dimVariableForCode(int styleCode);

} // namespace host::dxf
