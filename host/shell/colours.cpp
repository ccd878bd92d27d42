#include "shell/colours.h"

#include "shell/answers.h"
#include "shell/text.h"

namespace host::shell {

namespace {

constexpr std::string_view kByLayer = "BYLAYER";
constexpr std::string_view kByBlock = "BYBLOCK";
// The standard colours in number order, from 1.
constexpr std::string_view kStandardColours[] = {"RED", "YELLOW", "GREEN", "CYAN", "BLUE", "MAGENTA", "WHITE"};

} // namespace

int colourNumber(std::string_view text) {
    std::string word = upper(text);
    if (word == kByLayer) return kColourByLayer;
    if (word == kByBlock) return kColourByBlock;
    int number = -1;
    return parseInteger(text, number) ? number : -1;
}

int standardColourNumber(std::string_view text) {
    std::string word = upper(text);
    for (size_t i = 0; i < std::size(kStandardColours); ++i)
        if (word == kStandardColours[i]) return static_cast<int>(i) + 1;
    return -1;
}

std::string colourText(int colour) {
    if (colour == kColourByLayer) return std::string(kByLayer);
    if (colour == kColourByBlock) return std::string(kByBlock);
    return std::to_string(colour);
}

} // namespace host::shell
