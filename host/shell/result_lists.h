// Result-buffer lists the shell hands out or keeps: allocated the way
// acutRelRb releases them.
#pragma once

#include <string>

#include "ads_types.h"

namespace host::shell {

// A new string for a result buffer's rstring.
ACHAR* newRbString(const std::string& utf8);
// One new node of that type (string: set with newRbString).
resbuf* newRb(short type);
// A deep copy of a list (strings and binary chunks copied); null for null.
resbuf* copyList(const resbuf* list);

} // namespace host::shell
