// File names typed at a prompt.  A name the system cannot take (one that
// holds NUL would be cut short there and name another file) is refused
// with a word wherever a file name is taken: OPEN, the saves, MENULOAD,
// LINETYPE's file and acedGetFileD; the prompt then asks again.
#pragma once

#include <string_view>

namespace host::shell {

// True for an answer that can name a file; false after a line saying why
// it cannot.
bool acceptFileName(std::string_view answer);

} // namespace host::shell
