#include "dxf/number_text.h"
#include "dxf/quoted_text.h"
#include "dxf/text_codec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace host::dxf;

namespace {

std::string decoded(std::string_view raw, const TextEncoding& encoding)
{
    std::string scratch;
    return std::string(decodeText(raw, encoding, scratch));
}

std::string encoded(std::string_view text, const TextEncoding& encoding)
{
    std::string out;
    appendEncodedText(out, text, encoding);
    return out;
}

std::string doubleText(double value)
{
    std::string out;
    appendDouble(out, value);
    return out;
}

} // namespace

TEST(NumberText, DoublesAreShortestAndReadBackExactly)
{
    EXPECT_EQ(doubleText(0.0), "0.0");
    EXPECT_EQ(doubleText(-25.0), "-25.0");
    EXPECT_EQ(doubleText(0.1), "0.1");
    EXPECT_EQ(doubleText(1e20), "1e+20");
    EXPECT_EQ(doubleText(2461381.868), "2461381.868");
    for (double value : {0.1 + 0.2, 1.0 / 3.0, -1e-300, 123456789.123456789, 5e-324}) {
        double back = 0;
        ASSERT_TRUE(parseDouble(doubleText(value), back));
        EXPECT_EQ(back, value);
    }
}

TEST(NumberText, ParsesPaddedNumbersAndRejectsJunk)
{
    double real = 0;
    int64_t integer = 0;
    uint64_t handle = 0;
    EXPECT_TRUE(parseDouble("  +1.5 ", real));
    EXPECT_EQ(real, 1.5);
    EXPECT_TRUE(parseInteger("     -3", integer));
    EXPECT_EQ(integer, -3);
    EXPECT_FALSE(parseInteger("3x", integer));
    EXPECT_FALSE(parseDouble("inf", real));
    EXPECT_TRUE(parseHex("1fA", handle));
    EXPECT_EQ(handle, 0x1FAu);
    EXPECT_FALSE(parseHex("12345678901234567", handle));
    EXPECT_EQ(hexText(0x2AB), "2AB");
}

TEST(TextCodec, Utf8FilesPassThroughAndStrayBytesAreReadAsAnsi)
{
    TextEncoding utf8;
    EXPECT_EQ(decoded("\xC3\x98" "400 B\xC3\xBCro \xE4\xB8\xAD", utf8), "\xC3\x98" "400 B\xC3\xBCro \xE4\xB8\xAD");
    EXPECT_EQ(decoded("m\xB3/h", utf8), "m\xC2\xB3/h");  // cp1252 superscript three
    EXPECT_EQ(decoded("\\U+4E2D stays", utf8), "\\U+4E2D stays");
}

TEST(TextCodec, CodePageFilesDecodeBytesAndEscapes)
{
    TextEncoding ansi{findCodePage("ansi_1252")};
    ASSERT_NE(ansi.codePage, nullptr);
    EXPECT_EQ(decoded("\xD8" "400 B\xFCro \\U+4e2d \x80", ansi), "\xC3\x98" "400 B\xC3\xBCro \xE4\xB8\xAD \xE2\x82\xAC");
    EXPECT_EQ(decoded("\\U+D83D\\U+DE00", ansi), "\xF0\x9F\x98\x80");
    EXPECT_EQ(decoded("\\U+12", ansi), "\\U+12");  // not an escape
    TextEncoding cyrillic{findCodePage("ANSI_1251")};
    EXPECT_EQ(decoded("\xC0", cyrillic), "\xD0\x90");
    EXPECT_EQ(findCodePage("ANSI_9999"), nullptr);
}

TEST(TextCodec, EncodingRoundTripsThroughDecoding)
{
    TextEncoding utf8;
    TextEncoding ansi{defaultCodePage()};
    const std::string samples[] = {"plain", "\xC3\x98" "400 B\xC3\xBCro \xE4\xB8\xAD \xF0\x9F\x98\x80",
                                   "two\nlines\r", "x^2 and ^J and ^ caret", "tab\there"};
    for (const std::string& text : samples) {
        for (const TextEncoding& encoding : {utf8, ansi}) {
            std::string stored = encoded(text, encoding);
            EXPECT_EQ(stored.find('\n'), std::string::npos);
            EXPECT_EQ(stored.find('\r'), std::string::npos);
            EXPECT_EQ(decoded(stored, encoding), text);
        }
    }
    EXPECT_EQ(encoded("\xC3\x98 \xE4\xB8\xAD", ansi), "\xD8 \\U+4E2D");
    // Carets and tabs are written in caret form, as they came.
    EXPECT_EQ(encoded("x^2\t^", utf8), "x^ 2^I^ ");
}

// File text in a message: nothing a terminal acts on, and cut short at a
// character, never inside one.
TEST(QuotedText, ControlCharactersAreReplacedAndLongTextCutAtACharacter)
{
    const std::string e = "\xc3\xa9";  // U+00E9, two bytes
    std::string manyE;
    for (size_t k = 0; k < kShownCharacters + 1; ++k) manyE += e;
    const struct {
        std::string text, shown;
    } cases[] = {
        {"", ""},
        {"Standard", "Standard"},
        {"\x1b]0;t\x07\x1b[2J", "?]0;t??[2J"},
        {"a\tb\x7f" "c", "a?b?c"},
        {"\xc2\x9b" "31m", "?31m"},             // C1 CSI
        {"x\xff\xc3" "y", "x??y"},              // no UTF-8
        {e + "\xe2\x82\xac", e + "\xe2\x82\xac"},  // kept whole
        {std::string(kShownCharacters, 'A'), std::string(kShownCharacters, 'A')},
        {std::string(kShownCharacters + 1, 'A'), std::string(kShownCharacters, 'A') + "..."},
        {manyE, manyE.substr(0, manyE.size() - e.size()) + "..."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shown(c.text), c.shown) << c.text;
        EXPECT_EQ(inQuotes(c.text), "\"" + c.shown + "\"") << c.text;
    }
    EXPECT_EQ(withoutControls("a\x1b[2J" + std::string(100, 'b')), "a?[2J" + std::string(100, 'b'));
}
