// Selection sets and filters.
#include <array>

#include "fixture.h"

namespace {

class SelectionTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        ASSERT_EQ(acdbRegApp(L"OTHER"), RTNORM);
        ads_point o = {0, 0, 0}, q = {1, 0, 0};
        resbuf* b = acutBuildList(RTDXF0, L"BLOCK", 2, L"*NEW", 10, o, 70, 3, 0);
        acdbEntMake(b);
        acutRelRb(b);
        resbuf* e = acutBuildList(RTDXF0, L"ENDBLK", 0);
        acdbEntMake(e);
        acutRelRb(e);
        block = host::io::fromUtf8(host::io::lastInput());
        makeEntity(acutBuildList(RTDXF0, L"INSERT", 2, block.c_str(), 8, L"DUCT", 10, o, -3, 1001, L"LurakCad_B1", 1000,
                                 L"a", 0),
                   element);
        makeEntity(acutBuildList(RTDXF0, L"LINE", 8, L"DUCT", 62, 3, 10, o, 11, q, -3, 1001, L"LurakCad_B1", 1000, L"b", 0),
                   leader);
        makeEntity(acutBuildList(RTDXF0, L"INSERT", 2, block.c_str(), 8, L"LABELS", 10, q, -3, 1001, L"OTHER", 1070, 1, 0),
                   foreign);
        makeEntity(acutBuildList(RTDXF0, L"CIRCLE", 8, L"labels", 10, q, 40, 2.0, 0), plain);
    }

    std::vector<long> select(resbuf* filter) {
        ads_name ss;
        std::vector<long> found;
        int status = acedSSGet(L"X", nullptr, nullptr, filter, ss);
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

    std::wstring block;
    ads_name element, leader, foreign, plain;
};

TEST_F(SelectionTest, TheModuleFiltersFindWhatTheyShould) {
    EXPECT_EQ(select(acutBuildList(-3, 1001, L"LurakCad_B1", 0)), (std::vector<long>{element[0], leader[0]}));
    EXPECT_EQ(select(acutBuildList(RTDXF0, L"INSERT", -3, 1001, L"lurakcad_b1", 0)), (std::vector<long>{element[0]}));
    EXPECT_EQ(select(acutBuildList(8, L"labels", 0)), (std::vector<long>{foreign[0], plain[0]}));
    EXPECT_EQ(select(acutBuildList(RTDXF0, L"ARC", 0)), (std::vector<long>{}));
    EXPECT_EQ(host::api::openSelectionSetCount(), 0u);
}

TEST_F(SelectionTest, RelationalAndLogicalFilters) {
    EXPECT_EQ(select(acutBuildList(62, 256, 0)), (std::vector<long>{element[0], foreign[0], plain[0]}));
    EXPECT_EQ(select(acutBuildList(-4, L"<OR", RTDXF0, L"LINE", RTDXF0, L"CIRCLE", -4, L"OR>", 0)),
              (std::vector<long>{leader[0], plain[0]}));
    EXPECT_EQ(select(acutBuildList(-4, L"<NOT", 8, L"DUCT", -4, L"NOT>", 0)), (std::vector<long>{foreign[0], plain[0]}));
    EXPECT_EQ(select(acutBuildList(-4, L">=", 40, 1.5, 0)), (std::vector<long>{plain[0]}));
    EXPECT_EQ(select(acutBuildList(RTDXF0, L"LINE,CIRCLE", 8, L"~DUCT", 0)), (std::vector<long>{plain[0]}));
    ads_name ss;
    resbuf* unbalanced = acutBuildList(-4, L"<AND", 8, L"DUCT", 0);
    EXPECT_EQ(acedSSGet(L"X", nullptr, nullptr, unbalanced, ss), RTERROR);
    acutRelRb(unbalanced);
}

TEST_F(SelectionTest, ErasedEntitiesAreNotSelected) {
    ASSERT_EQ(acdbEntDel(leader), RTNORM);
    EXPECT_EQ(select(acutBuildList(-3, 1001, L"LurakCad_B1", 0)), (std::vector<long>{element[0]}));
}

TEST_F(SelectionTest, SetsAddDeleteAndTestMembership) {
    ads_name set, same;
    ASSERT_EQ(acedSSAdd(nullptr, nullptr, set), RTNORM);
    long n = -1;
    ASSERT_EQ(acedSSLength(set, &n), RTNORM);
    EXPECT_EQ(n, 0);
    ASSERT_EQ(acedSSAdd(element, set, same), RTNORM);
    EXPECT_TRUE(ads_name_equal(set, same));
    ASSERT_EQ(acedSSAdd(plain, set, set), RTNORM);
    ASSERT_EQ(acedSSAdd(element, set, set), RTNORM);  // no duplicates
    acedSSLength(set, &n);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(acedSSMemb(plain, set), RTNORM);
    EXPECT_EQ(acedSSMemb(leader, set), RTERROR);
    ASSERT_EQ(acedSSDel(element, set), RTNORM);
    EXPECT_EQ(acedSSDel(element, set), RTERROR);
    ads_name e;
    ASSERT_EQ(acedSSName(set, 0, e), RTNORM);
    EXPECT_TRUE(ads_name_equal(e, plain));
    EXPECT_EQ(acedSSName(set, 1, e), RTERROR);
    EXPECT_EQ(acedSSName(set, -1, e), RTERROR);
    ASSERT_EQ(acedSSFree(set), RTNORM);
    EXPECT_EQ(acedSSFree(set), RTERROR);
    EXPECT_EQ(acedSSLength(set, &n), RTERROR);
    EXPECT_EQ(acedSSAdd(element, element, set), RTERROR);  // an entity name is no set
}

TEST_F(SelectionTest, InteractiveSelectionGoesThroughTheShellHook) {
    ads_name ss;
    host::api::setInteractiveSelectHook(nullptr);
    EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTERROR);
    host::db::Slot picked = host::api::slotOf(db(), plain);
    host::api::setInteractiveSelectHook([&](const ACHAR*, const void*, const void*, std::vector<host::db::Slot>& out) {
        out.push_back(picked);
        return RTNORM;
    });
    ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTNORM);
    long n = 0;
    acedSSLength(ss, &n);
    EXPECT_EQ(n, 1);
    acedSSFree(ss);
    resbuf* lines = acutBuildList(RTDXF0, L"LINE", 0);
    EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, lines, ss), RTERROR);  // filtered to nothing
    acutRelRb(lines);
    host::api::setInteractiveSelectHook([](const ACHAR*, const void*, const void*, std::vector<host::db::Slot>&) {
        return RTCAN;
    });
    EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTCAN);
    host::api::setInteractiveSelectHook(nullptr);
}

TEST_F(SelectionTest, OpenSetsAreLimited) {
    std::vector<std::array<long, 2>> sets;
    ads_name ss;
    while (acedSSAdd(nullptr, nullptr, ss) == RTNORM && sets.size() < 1000) sets.push_back({ss[0], ss[1]});
    EXPECT_EQ(sets.size(), 128u);
    for (auto& s : sets) {
        ads_name name = {s[0], s[1]};
        acedSSFree(name);
    }
    EXPECT_EQ(host::api::openSelectionSetCount(), 0u);
}

TEST(Wildcards, HostPatterns) {
    using host::api::wildcardMatch;
    EXPECT_TRUE(wildcardMatch("LURAK*", "lurakcad_b1"));
    EXPECT_TRUE(wildcardMatch("A?C", "abc"));
    EXPECT_TRUE(wildcardMatch("#@.", "1a-"));
    EXPECT_FALSE(wildcardMatch("#@.", "1a1"));
    EXPECT_TRUE(wildcardMatch("[ab]*,X", "x"));
    EXPECT_TRUE(wildcardMatch("[~ab]1", "c1"));
    EXPECT_FALSE(wildcardMatch("[~ab]1", "a1"));
    EXPECT_TRUE(wildcardMatch("`*", "*"));
    EXPECT_FALSE(wildcardMatch("`*", "a"));
    EXPECT_TRUE(wildcardMatch("~DUCT", "labels"));
}

} // namespace
