#include "dxf/tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace host::dxf;

namespace {

std::vector<Token> tokenize(std::string_view text, Diagnostic* error = nullptr)
{
    Tokenizer tokenizer(text, "t.dxf");
    std::vector<Token> tokens;
    Token token;
    while (tokenizer.next(token)) tokens.push_back(token);
    if (error) *error = tokenizer.failed() ? tokenizer.error() : Diagnostic{};
    return tokens;
}

} // namespace

TEST(Tokenizer, ReadsTypedGroupsWithLineNumbersInLfAndCrLf)
{
    for (std::string eol : {"\n", "\r\n"}) {
        std::string text = "  0" + eol + "LINE" + eol + "  5" + eol + "1A" + eol + " 10" + eol + "  -2.5e3 " + eol +
                           " 70" + eol + "     4" + eol + "290" + eol + "1" + eol + "1071" + eol + "-70000" + eol +
                           "1000" + eol + " keep  blanks " + eol;
        Diagnostic error;
        auto tokens = tokenize(text, &error);
        ASSERT_EQ(tokens.size(), 7u) << error.text();
        EXPECT_EQ(tokens[0].text, "LINE");
        EXPECT_EQ(tokens[1].kind, ValueKind::Handle);
        EXPECT_EQ(tokens[1].integer, 0x1A);
        EXPECT_EQ(tokens[2].code, 10);
        EXPECT_DOUBLE_EQ(tokens[2].real, -2500.0);
        EXPECT_EQ(tokens[2].line, 5u);
        EXPECT_EQ(tokens[3].integer, 4);
        EXPECT_EQ(tokens[4].kind, ValueKind::Bool);
        EXPECT_EQ(tokens[5].integer, -70000);
        EXPECT_EQ(tokens[6].text, " keep  blanks ");  // text values are kept as they stand
        EXPECT_EQ(tokens[6].line, 13u);
    }
}

TEST(Tokenizer, AcceptsByteOrderMarkTrailingBlankLinesAndMissingLastNewline)
{
    EXPECT_EQ(tokenize("\xEF\xBB\xBF  0\nEOF\n\n\n").size(), 1u);
    auto tokens = tokenize("  0\nSECTION\n  2\nHEADER");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[1].text, "HEADER");
}

TEST(Tokenizer, DamagedGroupsStopWithFileLineAndReason)
{
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"  0\nSECTION\n  2\n", "t.dxf:3: file ends after group code 2 without its value"},
        {"  0\nSECTION\nXY\nHEADER\n", "t.dxf:3: group code is not a number: \"XY\""},
        {"  0\nLINE\n 10\n1.5.3\n", "t.dxf:4: group 10 must hold a real number, not \"1.5.3\""},
        {"  0\nLINE\n 70\n2.5\n", "t.dxf:4: group 70 must hold a 16-bit integer, not \"2.5\""},
        {"  0\nLINE\n 70\n99999\n", "t.dxf:4: group 70 must hold a 16-bit integer, not \"99999\""},
        {"  0\nLINE\n  5\nXYZ\n", "t.dxf:4: group 5 must hold a hexadecimal handle, not \"XYZ\""},
        {"  0\nLINE\n 40\nnan\n", "t.dxf:4: group 40 must hold a real number, not \"nan\""},
        {"  0\nLINE\n 40\n\n", "t.dxf:4: group 40 must hold a real number, not \"\""},
        // Long lines of digits are no group code (and must not overflow).
        {"5555555555", "t.dxf:1: group code is not a number: \"5555555555\""},
        {"  0\nLINE\n99999999999999\n1\n", "t.dxf:3: group code is not a number: \"99999999999999\""},
        // Codes beyond the DXF ranges were cut to 16 bits when stored (32768
        // became -32768, whose lists leaked their texts).
        {"  0\nINSERT\n32768\n1\n", "t.dxf:3: group code 32768 is not a DXF group code"},
        {"  0\nINSERT\n 1072\n1\n", "t.dxf:3: group code 1072 is not a DXF group code"},
        {"  0\nLINE\n-1\nx\n", "t.dxf:3: group code -1 is not a DXF group code"},
    };
    for (const Case& c : cases) {
        Diagnostic error;
        tokenize(c.text, &error);
        EXPECT_EQ(error.text(), c.message) << c.text;
    }
}

TEST(GroupCode, ValueKindsFollowTheCodeRanges)
{
    const std::pair<int, ValueKind> cases[] = {
        {0, ValueKind::String},     {5, ValueKind::Handle},    {105, ValueKind::Handle},  {39, ValueKind::Double},
        {62, ValueKind::Int16},     {90, ValueKind::Int32},    {100, ValueKind::String},  {160, ValueKind::Int64},
        {290, ValueKind::Bool},     {310, ValueKind::Binary},  {330, ValueKind::Handle},  {370, ValueKind::Int16},
        {390, ValueKind::Handle},   {420, ValueKind::Int32},   {1004, ValueKind::Binary}, {1005, ValueKind::String},
        {1041, ValueKind::Double},  {1070, ValueKind::Int16},  {1071, ValueKind::Int32},  {999, ValueKind::String},
    };
    for (const auto& [code, kind] : cases) EXPECT_EQ(valueKindOf(code), kind) << code;
    EXPECT_TRUE(isPointStart(10) && isPointStart(213) && isPointStart(1011));
    EXPECT_FALSE(isPointStart(20) || isPointStart(40) || isPointStart(1040));
}
