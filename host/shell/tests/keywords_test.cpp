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
    ASSERT_TRUE(parsePoint("1,2", nullptr, p));
    EXPECT_DOUBLE_EQ(p[0], 1);
    EXPECT_DOUBLE_EQ(p[2], 0);
    ASSERT_TRUE(parsePoint(" -1.5, 2e1 ,3 ", nullptr, p));
    EXPECT_DOUBLE_EQ(p[1], 20);
    EXPECT_DOUBLE_EQ(p[2], 3);
    ASSERT_TRUE(parsePoint("@1,-2", base, p));
    EXPECT_DOUBLE_EQ(p[0], 11);
    EXPECT_DOUBLE_EQ(p[1], 18);
    EXPECT_DOUBLE_EQ(p[2], 5);
    ASSERT_TRUE(parsePoint("@10<90", base, p));
    EXPECT_NEAR(p[0], 10, 1e-12);
    EXPECT_NEAR(p[1], 30, 1e-12);
    ASSERT_TRUE(parsePoint("@", base, p));
    EXPECT_DOUBLE_EQ(p[1], 20);
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
