// Selection by type and application names: plain names and wildcard
// patterns, the relational operators on them, and sets made by acedSSGet
// that are then looked into and changed.
#include "fixture.h"

namespace {

class SelectionFilterTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        ASSERT_EQ(acdbRegApp(L"LURAK_X"), RTNORM);
        ads_point o = {0, 0, 0}, q = {1, 0, 0};
        makeEntity(acutBuildList(RTDXF0, L"LINE", 10, o, 11, q, -3, 1001, L"LurakCad_B1", 1070, 1, 0), line);
        makeEntity(acutBuildList(RTDXF0, L"CIRCLE", 10, o, 40, 1.0, -3, 1001, L"LURAK_X", 1070, 2, 0), circle);
        makeEntity(acutBuildList(RTDXF0, L"ARC", 10, o, 40, 1.0, 50, 0.0, 51, 1.0, 62, 5, 0), arc);
    }

    // The slots selected with the filter, in order; the filter is released.
    std::vector<long> select(resbuf* filter) {
        ads_name ss;
        std::vector<long> found;
        int status = acedSSGet(L"_X", nullptr, nullptr, filter, ss);
        acutRelRb(filter);
        if (status != RTNORM) return found;
        long n = 0;
        acedSSLength(ss, &n);
        for (long i = 0; i < n; ++i) {
            ads_name e;
            acedSSName(ss, i, e);
            found.push_back(e[0]);
        }
        acedSSFree(ss);
        return found;
    }

    ads_name line, circle, arc;
};

TEST_F(SelectionFilterTest, TypeNamesPlainOrPatternsWithEveryOperator) {
    EXPECT_EQ(select(acutBuildList(RTDXF0, L"line", 0)), (std::vector<long>{line[0]}));
    EXPECT_EQ(select(acutBuildList(RTDXF0, L"LIN", 0)), (std::vector<long>{}));
    EXPECT_EQ(select(acutBuildList(RTDXF0, L"?I*", 0)), (std::vector<long>{line[0], circle[0]}));
    EXPECT_EQ(select(acutBuildList(-4, L"!=", RTDXF0, L"LINE", 0)), (std::vector<long>{circle[0], arc[0]}));
    EXPECT_EQ(select(acutBuildList(-4, L"<>", RTDXF0, L"C*", 0)), (std::vector<long>{line[0], arc[0]}));
    EXPECT_EQ(select(acutBuildList(-4, L"*", RTDXF0, L"NONE", 0)), (std::vector<long>{line[0], circle[0], arc[0]}));
    EXPECT_EQ(select(acutBuildList(-4, L"<", RTDXF0, L"CIRCLE", 0)), (std::vector<long>{arc[0]}));
    EXPECT_EQ(select(acutBuildList(-4, L">=", RTDXF0, L"CIRCLE", 0)), (std::vector<long>{line[0], circle[0]}));
    EXPECT_EQ(select(acutBuildList(-4, L"&", RTDXF0, L"LINE", 0)), (std::vector<long>{}));
    // Colours 256 (BYLAYER, left out of the stored lists) and 5.
    EXPECT_EQ(select(acutBuildList(-4, L"&", 62, 4, 0)), (std::vector<long>{arc[0]}));
    EXPECT_EQ(select(acutBuildList(-4, L"&", 62, 260, 0)), (std::vector<long>{line[0], circle[0], arc[0]}));
    EXPECT_EQ(select(acutBuildList(-4, L"&=", 62, 5, 0)), (std::vector<long>{arc[0]}));
    EXPECT_EQ(select(acutBuildList(-4, L"=~", 62, 5, 0)), (std::vector<long>{}));  // no such operator
}

TEST_F(SelectionFilterTest, ApplicationsPlainWithoutCaseOrPatterns) {
    EXPECT_EQ(select(acutBuildList(-3, 1001, L"LURAKCAD_B1", 0)), (std::vector<long>{line[0]}));
    EXPECT_EQ(select(acutBuildList(-3, 1001, L"LURAK*", 0)), (std::vector<long>{line[0], circle[0]}));
    EXPECT_EQ(select(acutBuildList(-3, 1001, L"LURAK_X", 1001, L"LurakCad_B1", 0)), (std::vector<long>{}));
    EXPECT_EQ(select(acutBuildList(-3, 1001, L"LURAK", 0)), (std::vector<long>{}));
    EXPECT_EQ(select(acutBuildList(-4, L"<NOT", -3, 1001, L"*", -4, L"NOT>", 0)), (std::vector<long>{arc[0]}));
}

TEST_F(SelectionFilterTest, SetsMadeBySelectionAreLookedIntoAndChanged) {
    ads_name ss;
    resbuf* filter = acutBuildList(-3, 1001, L"LURAK*", 0);
    ASSERT_EQ(acedSSGet(L"X", nullptr, nullptr, filter, ss), RTNORM);
    acutRelRb(filter);
    EXPECT_EQ(acedSSMemb(line, ss), RTNORM);
    EXPECT_EQ(acedSSMemb(arc, ss), RTERROR);
    ASSERT_EQ(acedSSAdd(circle, ss, ss), RTNORM);  // a member already
    ASSERT_EQ(acedSSAdd(arc, ss, ss), RTNORM);
    long n = 0;
    acedSSLength(ss, &n);
    EXPECT_EQ(n, 3);
    ASSERT_EQ(acedSSDel(line, ss), RTNORM);
    EXPECT_EQ(acedSSMemb(line, ss), RTERROR);
    ads_name first;
    ASSERT_EQ(acedSSName(ss, 0, first), RTNORM);
    EXPECT_TRUE(ads_name_equal(first, circle));
    acedSSLength(ss, &n);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(acedSSFree(ss), RTNORM);
}

} // namespace
