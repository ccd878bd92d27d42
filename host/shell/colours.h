// Colour numbers as the user types them and as the command line shows them:
// one reading for the colour dialog and the current colour (CECOLOR).
#pragma once

#include <string>
#include <string_view>

namespace host::shell {

inline constexpr int kColourByBlock = 0;
inline constexpr int kColourByLayer = 256;

// The number "BYLAYER", "BYBLOCK" or a number stands for (any case); -1
// when the text is none of them.  The range is the caller's to check.
int colourNumber(std::string_view text);
// The number of a standard colour's name, "red" 1 to "white" 7 (any case);
// -1 for any other text.
int standardColourNumber(std::string_view text);
// How a colour reads: "BYLAYER", "BYBLOCK" or its number.
std::string colourText(int colour);

} // namespace host::shell
