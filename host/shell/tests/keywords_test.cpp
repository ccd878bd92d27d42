#include "shell/keywords.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "shell/answers.h"

using namespace host::shell;

// Each answer to a keyword list, and the keyword it gives ("" for none).
TEST(Keywords, AbbreviationsCaseCommaFormAndLocalAndGlobalWords) {
    const char* select = "Select Next Quit";
    const char* comma = "LTYPE,LT eXit";
    const char* local = "Links Rechts _ Left Right";
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {select, "next", "Next"},  {select, "N", "Next"},
        {select, "q", "Quit"},     {select, "Sel", "Select"},  // between abbreviation and full word
        {select, "x", ""},         {select, "Nexts", ""},
        {select, "", ""},          {comma, "lt", "LTYPE"},
        {comma, "ltyp", "LTYPE"},  {comma, "l", ""},
        {comma, "x", "eXit"},      {comma, "exit", "eXit"},
        {comma, "ex", ""},  // the abbreviation is not a prefix here
        {local, "l", "Left"},  // local answer, global keyword returned
        {local, "Rechts", "Right"}, {local, "_right", "Right"},
        {local, "_L", "Left"},     {local, "Right", ""},  // a global word needs its underscore
        {local, "_", ""},          {"Quit", "_Quit", "Quit"},  // without a global part words answer for both
    };
    for (const auto& [keywords, answer, expected] : cases) {
        auto match = KeywordList(keywords).match(answer);
        EXPECT_EQ(match ? std::string(*match) : "", expected) << keywords << " / " << answer;
    }
}

TEST(Answers, Points) {
    double p[3];
    const double base[3] = {10, 20, 5};
    const struct { const char* text; const double* base; double x, y, z; } good[] = {
        {"1,2", nullptr, 1, 2, 0},    {" -1.5, 2e1 ,3 ", nullptr, -1.5, 20, 3}, {"@1,-2", base, 11, 18, 5},
        {"@10<90", base, 10, 30, 5}, {"@", base, 10, 20, 5},
    };
    for (const auto& c : good) {
        ASSERT_TRUE(parsePoint(c.text, c.base, p)) << c.text;
        EXPECT_NEAR(p[0], c.x, 1e-12) << c.text;
        EXPECT_NEAR(p[1], c.y, 1e-12) << c.text;
        EXPECT_NEAR(p[2], c.z, 1e-12) << c.text;
    }
    for (const char* bad : {"", "1", "1,2,3,4", "a,b", "1,,2", "@1,2", "1;2", "1,2x", "nan,1", "inf,2", "1e308,0"})
        EXPECT_FALSE(parsePoint(bad, bad[0] == '@' ? nullptr : base, p)) << bad;
}

TEST(Answers, NumbersAndIntegers) {
    double v;
    int i;
    EXPECT_TRUE(parseNumber("12.5", v));
    EXPECT_DOUBLE_EQ(v, 12.5);
    EXPECT_TRUE(parseNumber("+3", v));
    EXPECT_FALSE(parseNumber("12.5m", v));
    EXPECT_FALSE(parseNumber("", v));
    EXPECT_TRUE(parseInteger("-32768", i));
    EXPECT_FALSE(parseInteger("32768", i));
    EXPECT_FALSE(parseInteger("1.5", i));
    EXPECT_FALSE(parseInteger("99999999999999999999", i));
}
