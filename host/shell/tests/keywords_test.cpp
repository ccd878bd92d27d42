#include "shell/keywords.h"

#include <gtest/gtest.h>

#include "shell/answers.h"

using namespace host::shell;

TEST(Keywords, FullWordAbbreviationAndAnyCase) {
    KeywordList list("Select Next Quit");
    EXPECT_EQ(list.match("next"), "Next");
    EXPECT_EQ(list.match("N"), "Next");
    EXPECT_EQ(list.match("q"), "Quit");
    EXPECT_EQ(list.match("Sel"), "Select");  // between abbreviation and full word
    EXPECT_FALSE(list.match("x"));
    EXPECT_FALSE(list.match("Nexts"));
    EXPECT_FALSE(list.match(""));
}

TEST(Keywords, CommaFormAndCapitalsInside) {
    KeywordList list("LTYPE,LT eXit");
    EXPECT_EQ(list.match("lt"), "LTYPE");
    EXPECT_EQ(list.match("ltyp"), "LTYPE");
    EXPECT_FALSE(list.match("l"));
    EXPECT_EQ(list.match("x"), "eXit");
    EXPECT_EQ(list.match("exit"), "eXit");
    EXPECT_FALSE(list.match("ex"));  // the abbreviation is not a prefix here
}

TEST(Keywords, LocalAndGlobalForms) {
    KeywordList list("Links Rechts _ Left Right");
    EXPECT_EQ(list.match("l"), "Left");    // local answer, global keyword returned
    EXPECT_EQ(list.match("Rechts"), "Right");
    EXPECT_EQ(list.match("_right"), "Right");
    EXPECT_EQ(list.match("_L"), "Left");
    EXPECT_FALSE(list.match("Right"));  // a global word needs its underscore
    EXPECT_FALSE(list.match("_"));
    // Without a global part the words answer for both.
    EXPECT_EQ(KeywordList("Quit").match("_Quit"), "Quit");
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
