#include "shell/repair_notes.h"

namespace host::shell {

std::vector<std::string> repairLines(const std::vector<dxf::Diagnostic>& repairs) {
    std::vector<std::string> lines;
    size_t shown = repairs.size() < kRepairsShown ? repairs.size() : kRepairsShown;
    for (size_t i = 0; i < shown; ++i) lines.push_back(repairs[i].text());
    if (size_t rest = repairs.size() - shown; rest > 0)
        lines.push_back("... and " + std::to_string(rest) + (rest == 1 ? " more repair." : " more repairs."));
    return lines;
}

} // namespace host::shell
