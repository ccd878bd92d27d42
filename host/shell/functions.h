// Calling the functions a plug-in defined in the current document.
#pragma once

#include <string>

#include "ads_types.h"

namespace host::shell {

// The defined function for a command-line word: "lnvl", "LNVL" and
// "(C:lnvl)" all name "C:LNVL"; "(name)" names any function.  Empty when
// the current document defines no such function.
std::string definedFunctionFor(const std::string& word);

// Calls a defined function of the current document (kInvkSubrMsg).  False
// when it is not defined.  *result (when given) receives the function's
// result as a new list, null for none.
bool callFunction(const std::string& name, const resbuf* args, resbuf** result);

} // namespace host::shell
