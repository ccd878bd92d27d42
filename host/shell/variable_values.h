// The values a system variable takes, for SETVAR and acedSetVar alike: the
// kind, a short's range, a real's sign, a colour, a name the drawing's
// tables hold.  What is refused is said in the words the user is shown.
#pragma once

#include <string>

#include "shell/sysvars.h"

namespace host::db {
class Database;
}

namespace host::shell {

// Empty when `variable` takes `value`; else why it does not.  A value it
// takes is made its own kind and form: a short for a real as a real, a 2D
// point as 3D, a colour's name as its number ("red" is "1"), a table name
// as the table spells it.  `drawing` holds the names a variable may take
// (null: none).
std::string refusal(const SysVarValue& variable, SysVarValue& value, const db::Database* drawing);
// What refuses a value of another kind than `type` (RTSHORT, RTREAL, ...).
const char* kindNeeded(short type);

} // namespace host::shell
