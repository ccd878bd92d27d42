// Selection sets and filters.
#include <array>
#include <tuple>

#include "fixture.h"

namespace {

class SelectionTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        ASSERT_EQ(acdbRegApp(L"OTHER"), RTNORM);
        ads_point o = {0, 0, 0}, q = {1, 0, 0};
        std::wstring block = makeBlock(L"*NEW");
        makeEntity(acutBuildList(RTDXF0, L"INSERT", 2, block.c_str(), 8, L"DUCT", 10, o, -3, 1001, L"LurakCad_B1", 1000,
                                 L"a", 0),
                   element);
        makeEntity(line(acutBuildList(8, L"DUCT", 62, 3, -3, 1001, L"LurakCad_B1", 1000, L"b", 0)), leader);
        makeEntity(acutBuildList(RTDXF0, L"INSERT", 2, block.c_str(), 8, L"LABELS", 10, q, -3, 1001, L"OTHER", 1070, 1,
                                 0),
                   foreign);
        makeEntity(acutBuildList(RTDXF0, L"CIRCLE", 8, L"labels", 10, q, 40, 2.0, 0), plain);
    }

    // The entities the filter selects, E L F P for element, leader, foreign
    // and plain, in the order of the set; the filter is released.
    std::string select(resbuf* filter) {
        ads_name ss;
        std::string found;
        int status = acedSSGet(L"_X", nullptr, nullptr, filter, ss);
        acutRelRb(filter);
        if (status != RTNORM) return found;
        long n = 0;
        acedSSLength(ss, &n);
        for (long i = 0; i < n; ++i) {
            ads_name e;
            acedSSName(ss, i, e);
            found += ads_name_equal(e, element) ? "E"
                     : ads_name_equal(e, leader)  ? "L"
                     : ads_name_equal(e, foreign) ? "F"
                                                  : "P";
        }
        acedSSFree(ss);
        return found;
    }
    ads_name element, leader, foreign, plain;
};

TEST_F(SelectionTest, FiltersOfTypesLayersColoursAndApplications) {
    const std::tuple<const char*, resbuf*, const char*> cases[] = {
        {"module's application", acutBuildList(-3, 1001, L"LurakCad_B1", 0), "EL"},
        {"type and application", acutBuildList(RTDXF0, L"INSERT", -3, 1001, L"lurakcad_b1", 0), "E"},
        {"layer without case", acutBuildList(8, L"labels", 0), "FP"},
        {"no such type", acutBuildList(RTDXF0, L"ARC", 0), ""},
        {"type without case", acutBuildList(RTDXF0, L"line", 0), "L"},
        {"part of a type", acutBuildList(RTDXF0, L"LIN", 0), ""},
        {"type pattern", acutBuildList(RTDXF0, L"?I*", 0), "LP"},
        {"type list", acutBuildList(RTDXF0, L"LINE,CIRCLE", 8, L"~DUCT", 0), "P"},
        {"type !=", acutBuildList(-4, L"!=", RTDXF0, L"LINE", 0), "EFP"},
        {"type <> pattern", acutBuildList(-4, L"<>", RTDXF0, L"C*", 0), "ELF"},
        {"type *", acutBuildList(-4, L"*", RTDXF0, L"NONE", 0), "ELFP"},
        {"type <", acutBuildList(-4, L"<", RTDXF0, L"INSERT", 0), "P"},
        {"type >=", acutBuildList(-4, L">=", RTDXF0, L"INSERT", 0), "ELF"},
        {"type &", acutBuildList(-4, L"&", RTDXF0, L"LINE", 0), ""},
        {"BYLAYER colour, left out of the lists", acutBuildList(62, 256, 0), "EFP"},
        {"colour &", acutBuildList(-4, L"&", 62, 2, 0), "L"},
        {"colour & BYLAYER", acutBuildList(-4, L"&", 62, 259, 0), "ELFP"},
        {"colour &=", acutBuildList(-4, L"&=", 62, 3, 0), "L"},
        {"no such operator", acutBuildList(-4, L"=~", 62, 3, 0), ""},
        {"radius >=", acutBuildList(-4, L">=", 40, 1.5, 0), "P"},
        {"OR", acutBuildList(-4, L"<OR", RTDXF0, L"LINE", RTDXF0, L"CIRCLE", -4, L"OR>", 0), "LP"},
        {"NOT", acutBuildList(-4, L"<NOT", 8, L"DUCT", -4, L"NOT>", 0), "FP"},
        {"application in upper case", acutBuildList(-3, 1001, L"LURAKCAD_B1", 0), "EL"},
        {"application pattern", acutBuildList(-3, 1001, L"LURAK*", 0), "EL"},
        {"two applications", acutBuildList(-3, 1001, L"OTHER", 1001, L"LurakCad_B1", 0), ""},
        {"part of an application", acutBuildList(-3, 1001, L"LURAK", 0), ""},
        {"no application", acutBuildList(-4, L"<NOT", -3, 1001, L"*", -4, L"NOT>", 0), "P"},
    };
    for (const auto& [what, filter, expected] : cases) EXPECT_EQ(select(filter), expected) << what;
    EXPECT_EQ(host::api::openSelectionSetCount(), 0u);
    ads_name ss;
    EXPECT_EQ(acedSSGet(L"X", nullptr, nullptr, ListHolder(acutBuildList(-4, L"<AND", 8, L"DUCT", 0)).list, ss),
              RTERROR);
}

TEST_F(SelectionTest, ErasedEntitiesAreNotSelected) {
    ASSERT_EQ(acdbEntDel(leader), RTNORM);
    EXPECT_EQ(select(acutBuildList(-3, 1001, L"LurakCad_B1", 0)), "E");
}

TEST_F(SelectionTest, SetsMadeEmptyOrBySelectionAddDeleteAndTestMembership) {
    ads_name set, same, e;
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
    ASSERT_EQ(acedSSName(set, 0, e), RTNORM);
    EXPECT_TRUE(ads_name_equal(e, plain));
    EXPECT_EQ(acedSSName(set, 1, e), RTERROR);
    EXPECT_EQ(acedSSName(set, -1, e), RTERROR);
    ASSERT_EQ(acedSSFree(set), RTNORM);
    EXPECT_EQ(acedSSFree(set), RTERROR);
    EXPECT_EQ(acedSSLength(set, &n), RTERROR);
    EXPECT_EQ(acedSSAdd(element, element, set), RTERROR);  // an entity name is no set

    // A set made by selection changes the same way.
    ASSERT_EQ(acedSSGet(L"X", nullptr, nullptr, ListHolder(acutBuildList(-3, 1001, L"LurakCad_B1", 0)).list, set),
              RTNORM);
    EXPECT_EQ(acedSSMemb(foreign, set), RTERROR);
    ASSERT_EQ(acedSSAdd(leader, set, set), RTNORM);  // a member already
    ASSERT_EQ(acedSSAdd(plain, set, set), RTNORM);
    ASSERT_EQ(acedSSDel(element, set), RTNORM);
    EXPECT_EQ(acedSSMemb(element, set), RTERROR);
    acedSSLength(set, &n);
    EXPECT_EQ(n, 2);
    ASSERT_EQ(acedSSName(set, 0, e), RTNORM);
    EXPECT_TRUE(ads_name_equal(e, leader));
    EXPECT_EQ(acedSSFree(set), RTNORM);
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
    ListHolder lines(acutBuildList(RTDXF0, L"LINE", 0));
    EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, lines.list, ss), RTERROR);  // filtered to nothing
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
