// Linetype definition files (.lin): "*NAME,description" followed by an
// alignment line "A,dash,gap,...".  Complex elements in brackets (text or
// shapes) are left out.
#pragma once

#include <string>
#include <vector>

namespace host::shell {

struct LinetypeDef {
    std::string name;
    std::string description;
    std::vector<double> pattern;  // dash > 0, gap < 0, dot 0
};

// False with a message when the file cannot be read.
bool readLinetypeFile(const std::string& path, std::vector<LinetypeDef>& defs, std::string& error);
// The definition of that name (without case) in defs, or null.
const LinetypeDef* findLinetype(const std::vector<LinetypeDef>& defs, const std::string& name);

} // namespace host::shell
