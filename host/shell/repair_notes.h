// What the DXF reader repaired in a drawing being opened, as lines for the
// command line: the user learns what was left out or changed before
// working on (and saving over) the drawing.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "dxf/diagnostic.h"

namespace host::shell {

// Repairs shown one by one; the rest are only counted, so a badly damaged
// file does not flood the command line.
constexpr size_t kRepairsShown = 10;

// "file:line: message" for each of the first repairs, then "... and N more
// repairs." for the rest; nothing for none.
std::vector<std::string> repairLines(const std::vector<dxf::Diagnostic>& repairs);

} // namespace host::shell
