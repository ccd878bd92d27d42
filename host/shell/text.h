// Small text helpers of the shell: case folding of names and conversions
// at the C interface.
#pragma once

#include <string>
#include <string_view>

#include "ads_types.h"

namespace host::shell {

// Upper case of a UTF-8 name; folds ASCII, Latin-1 and Latin Extended-A
// letters, so that "közép" and "KÖZÉP" are one name.
std::string upper(std::string_view text);
bool sameName(std::string_view a, std::string_view b);

// A wide string from the C interface as UTF-8 (null gives "").
std::string narrow(const ACHAR* text);

// Copies text into a caller's buffer of size characters, cutting it to
// fit; false when it had to be cut.
bool copyOut(const std::string& utf8, ACHAR* buffer, size_t size);

// Shortest text that reads back as the same number ("12.5", "250").
std::string formatNumber(double value);

} // namespace host::shell
