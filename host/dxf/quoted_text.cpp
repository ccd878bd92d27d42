#include "dxf/quoted_text.h"

#include "dxf/text_codec.h"

#include <cstdint>

namespace host::dxf {

namespace {

constexpr char kReplacement = '?';

// C0, DEL and C1: a terminal acts on them (ESC starts a sequence that can
// retitle, clear or recolour it; C1's CSI does the same).
bool isControl(uint32_t cp)
{
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
}

// Appends the character at text[i], or '?' for a control character or a
// byte that starts no UTF-8 character; gives where the next one starts.
size_t appendCharacter(std::string& out, std::string_view text, size_t i)
{
    uint32_t cp = 0;
    size_t length = readUtf8(text, i, cp);
    if (length == 0 || isControl(cp)) {
        out += kReplacement;
        return i + (length == 0 ? 1 : length);
    }
    out.append(text.substr(i, length));
    return i + length;
}

} // namespace

std::string shown(std::string_view text)
{
    std::string out;
    size_t i = 0;
    for (size_t characters = 0; i < text.size() && characters < kShownCharacters; ++characters)
        i = appendCharacter(out, text, i);
    if (i < text.size()) out += "...";
    return out;
}

std::string inQuotes(std::string_view text)
{
    std::string out(1, '"');
    out += shown(text);
    out += '"';
    return out;
}

std::string withoutControls(std::string_view message)
{
    std::string out;
    out.reserve(message.size());
    for (size_t i = 0; i < message.size();) i = appendCharacter(out, message, i);
    return out;
}

} // namespace host::dxf
