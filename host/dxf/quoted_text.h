// File text in messages.  A damaged or hostile file's names, types and
// values are shown with what would act on a terminal (control characters,
// bytes that are no UTF-8) replaced by '?' and cut short, so that an error
// or a repair's note stays one readable line whatever the file holds.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace host::dxf {

// Characters of file text a message shows; a longer text ends in "...".
constexpr size_t kShownCharacters = 40;

// The text as a message names it: Standard, or ABCD... when it is long.
std::string shown(std::string_view text);
// The same in double quotes, for text that may be empty, blank or damaged.
std::string inQuotes(std::string_view text);
// The message with any control character replaced, whatever put it there.
std::string withoutControls(std::string_view message);

} // namespace host::dxf
