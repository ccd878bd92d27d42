#include "shell/file_names.h"

#include <string>

#include "dxf/file_io.h"
#include "dxf/quoted_text.h"
#include "shell/prompting.h"

namespace host::shell {

bool acceptFileName(std::string_view answer) {
    if (!dxf::holdsNul(answer)) return true;
    reprompt(dxf::withoutControls(answer) + ": " + std::string(dxf::kNulInFileName) + ".");
    return false;
}

} // namespace host::shell
