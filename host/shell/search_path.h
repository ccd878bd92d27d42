// The host's search path for support files (menus, the linetype file):
// the current directory, the program's directory, the plug-in's directory
// and the host's data directory.
#pragma once

#include <string>
#include <vector>

namespace host::shell {

std::vector<std::string> searchPath();
// The full path of a file found on the search path (name compared
// without case when no exact match exists); "" when none.
std::string findOnSearchPath(const std::string& name);

} // namespace host::shell
