// Dictionaries and XRECORDs through the C API.
#include "fixture.h"

namespace {

class DictionaryTest : public DrawingTest {
protected:
    // The module's pattern: make an unowned dictionary and add it to the root.
    void makeDictionary(ads_name dict) {
        ASSERT_EQ(makeX(acutBuildList(RTDXF0, L"DICTIONARY", 100, L"AcDbDictionary", 0), dict), RTNORM);
    }
    void makeProgramDictionary(ads_name dict) {
        makeDictionary(dict);
        ads_name nod;
        ASSERT_EQ(acdbNamedObjDict(nod), RTNORM);
        ASSERT_EQ(acdbDictAdd(nod, L"LurakCad_B1", dict), RTNORM);
    }
    void makeRecord(const wchar_t* tag, ads_name out) {
        resbuf* list = acutBuildList(RTDXF0, L"XRECORD", 100, L"AcDbXrecord", 102, L"{LURAK", 1, tag, 40, 250.0, 60, 3,
                                     172, 1, 102, L"BYLAYER", 102, L"}", 0);
        ASSERT_EQ(makeX(list, out), RTNORM);
    }
};

TEST_F(DictionaryTest, XrecordsKeepTheirDataInOrderAndAreFoundByKey) {
    ads_name dict, rec, nod;
    makeProgramDictionary(dict);
    makeRecord(L"ZL1", rec);
    ASSERT_EQ(acdbDictAdd(dict, L"ZL1", rec), RTNORM);
    EXPECT_EQ(acdbDictAdd(dict, L"zl1", rec), RTERROR);  // keys are unique without case
    ASSERT_EQ(acdbNamedObjDict(nod), RTNORM);
    ListHolder found(acdbDictSearch(nod, L"LurakCad_B1", 0));
    ASSERT_NE(found.list, nullptr);
    EXPECT_TRUE(ads_name_equal(findCode(found.list, -1)->resval.rlname, dict));
    EXPECT_EQ(textOf(findCode(found.list, 3)), L"ZL1");
    ListHolder xrec(acdbDictSearch(dict, L"zl1", 0));
    ASSERT_NE(xrec.list, nullptr);
    std::vector<int> codes = codesOf(xrec.list);
    std::vector<int> data(std::find(codes.begin(), codes.end(), 102), codes.end());
    EXPECT_EQ(data, (std::vector<int>{102, 1, 40, 60, 172, 102, 102}));
    EXPECT_EQ(codes[2], 330);  // owned by the dictionary now
    EXPECT_TRUE(ads_name_equal(findCode(xrec.list, 330)->resval.rlname, dict));
}

TEST_F(DictionaryTest, NextWalksLiveEntriesAndRemoveDetaches) {
    ads_name dict, a, b, c;
    makeProgramDictionary(dict);
    makeRecord(L"A", a);
    makeRecord(L"B", b);
    makeRecord(L"C", c);
    for (auto [key, name] : {std::pair{L"A", a}, std::pair{L"B", b}, std::pair{L"C", c}})
        ASSERT_EQ(acdbDictAdd(dict, key, name), RTNORM);
    ASSERT_EQ(acdbEntDel(b), RTNORM);
    std::vector<std::wstring> tags;
    for (resbuf* rb = acdbDictNext(dict, 1); rb; rb = acdbDictNext(dict, 0)) {
        tags.push_back(textOf(findCode(rb, 1)));
        acutRelRb(rb);
    }
    EXPECT_EQ(tags, (std::vector<std::wstring>{L"A", L"C"}));

    // Replace an entry the way a system rewrite does: remove, add new, erase old.
    ASSERT_EQ(acdbDictRemove(dict, L"A"), RTNORM);
    EXPECT_EQ(acdbDictRemove(dict, L"A"), RTERROR);
    ListHolder gone(acdbDictSearch(dict, L"A", 0));
    EXPECT_EQ(gone.list, nullptr);
    ListHolder old(acdbEntGet(a));  // still alive, unowned
    ASSERT_NE(old.list, nullptr);
    EXPECT_EQ(findCode(old.list, 330), nullptr);
    ads_name fresh;
    makeRecord(L"A2", fresh);
    ASSERT_EQ(acdbDictAdd(dict, L"A", fresh), RTNORM);
    EXPECT_EQ(acdbEntDel(a), RTNORM);
    ListHolder now(acdbDictSearch(dict, L"A", 0));
    EXPECT_EQ(textOf(findCode(now.list, 1)), L"A2");
}

TEST_F(DictionaryTest, BadDictionaryCallsFail) {
    ads_name dict, rec, entity;
    makeProgramDictionary(dict);
    makeRecord(L"X", rec);
    makeEntity(line(), entity);
    EXPECT_EQ(acdbDictAdd(entity, L"K", rec), RTERROR);   // not a dictionary
    EXPECT_EQ(acdbDictAdd(dict, L"K", entity), RTERROR);  // an entity is no entry
    EXPECT_EQ(acdbDictAdd(dict, L"", rec), RTERROR);
    ASSERT_EQ(acdbDictAdd(dict, L"K", rec), RTNORM);
    ads_name other;
    makeDictionary(other);
    EXPECT_EQ(acdbDictAdd(other, L"K2", rec), RTERROR);  // already owned
    ListHolder none(acdbDictSearch(dict, L"missing", 0));
    EXPECT_EQ(none.list, nullptr);
    // XDATA codes without -3.
    EXPECT_EQ(makeX(acutBuildList(RTDXF0, L"XRECORD", 100, L"AcDbXrecord", 1000, L"x", 0), rec), RTERROR);
}

} // namespace
