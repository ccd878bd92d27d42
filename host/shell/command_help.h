// The listing that "?" and HELP print at the command prompt: every host
// command and every command the current drawing defines, each with a
// one-line description (a defined command's is its item in a loaded menu).
#pragma once

#include <string>

namespace host::shell {

class Document;

// Lines "  NAME      description"; doc may be null.
std::string commandListing(Document* doc);

} // namespace host::shell
