// Reads DCL files into Scopes.  Errors name the file and the line.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "dcl/ast.h"

namespace host::dcl {

// Reads and parses the file at path, following its @include directives.
// Null on failure, with the message ("FILE, line N: ...") in error.
std::shared_ptr<const Scope> loadFile(const std::string& path, const Scope* base, std::string& error);

// Parses DCL text that comes from no file (the base definitions, tests);
// path only names it in messages and anchors relative includes.
std::shared_ptr<const Scope> parseText(std::string_view text, const std::string& path, const Scope* base,
                                       std::string& error);

} // namespace host::dcl
