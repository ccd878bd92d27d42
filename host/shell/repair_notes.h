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
// Of those, the notes of one kind shown before the rest of it is counted:
// a kind the file needs a thousand times does not hide the others.
constexpr size_t kRepairsShownOfAKind = 3;

// "file:line: message" for each of the first repairs, those that lost some
// of the file first and each kind's together, its first few shown and
// "... and N more like it." for the rest of it; then "... and N more
// repairs." for those of the kinds not shown; nothing for none.
// `countedOnly` are the repairs of which no note was kept.
std::vector<std::string> repairLines(const std::vector<dxf::Diagnostic>& repairs,
                                     const std::vector<dxf::RepairCount>& countedOnly);

} // namespace host::shell
