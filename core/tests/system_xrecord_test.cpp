// System XRECORDs: the long form written and read back, the short form of
// the earlier version, damaged data, and both forms through the drawing.
#include "fixtures.h"
#include "core/system_load.h"
#include "core/system_xrecord.h"

namespace {
LSystemRecord FullRecord() {
    LSystemRecord r;
    strcpy(r.tag, "ZL1");
    strcpy(r.name, "Befúvó");
    r.size = 120;
    r.penColour[0] = 1;
    r.penColour[1] = 2;
    r.penColour[2] = 3;
    r.zigzagScale = 2.5;
    const char* linetypes[] = {"BYLAYER", "KÖZÉP", "BYBLOCK"};
    const char* layers[] = {"P0", "P1", "P2"};
    for (int i = 0; i < 3; ++i) {
        strcpy(r.penLinetype[i], linetypes[i]);
        strcpy(r.penLayer[i], layers[i]);
    }
    r.centreColour = 4;
    strcpy(r.centreLinetype, "SZAGGATOTT");
    strcpy(r.centreLayer, "C");
    r.rectCentreLines = 0;
    r.roundCentreLines = 1;
    r.labelNumberOffset = -7;
    r.labelCircle = 0;
    r.labelFrame = 0;
    r.dimTextColour = 5;
    r.dimColour = 6;
    strcpy(r.textStyle, "ISO");
    strcpy(r.dimStyle, "DIM1");
    strcpy(r.labelLayer, "Címkék");
    return r;
}

void ExpectSame(const LSystemRecord& a, const LSystemRecord& b) {
    EXPECT_EQ(0, memcmp(&a, &b, sizeof a)) << "tag " << a.tag << " / " << b.tag;
}

// Parses the chain and releases it.
int Parse(LSystemRecord& out, resbuf* chain) {
    int rc = ParseSystemXrecord(&out, chain);
    acutRelRb(chain);
    return rc;
}

// The record's long form, without the group at position `drop` (0 = the
// first) when one is given.
resbuf* LongForm(LSystemRecord r, int drop = -1) {
    resbuf* chain = BuildSystemXrecord(&r);
    resbuf** link = &chain;
    for (int i = 0; i < drop && *link; ++i)
        link = &(*link)->rbnext;
    if (drop >= 0 && *link) {
        resbuf* gone = *link;
        *link = gone->rbnext;
        gone->rbnext = nullptr;
        acutRelRb(gone);
    }
    return chain;
}

resbuf* ShortForm(const wchar_t* tag, const wchar_t* layer, double size, const wchar_t* name = L"régi") {
    return acutBuildList(RTDXF0, L"XRECORD", 100, L"AcDbXrecord", 102, L"{LURAK", 1, tag, 2, name,
                         3, layer, 40, size, 60, 7, 60, 2, 70, 1, 102, L"}", 0);
}
}  // namespace

TEST(SystemXrecord, OffsetKeepsItsLow16BitsAndLabelBitsMapBothWays) {
    for (int16_t circle : {0, 1}) {
        LSystemRecord r = FullRecord(), read;
        r.labelNumberOffset = 65536 + 5;
        r.labelCircle = circle;
        r.labelFrame = static_cast<int16_t>(1 - circle);
        ASSERT_EQ(Parse(read, LongForm(r)), 0);
        EXPECT_EQ(read.labelNumberOffset, 5);
        EXPECT_EQ(read.labelCircle, circle);
        EXPECT_EQ(read.labelFrame, 1 - circle);
    }
}

TEST(SystemXrecord, LongFormWithoutTheZigzagScaleReadsOne) {
    LSystemRecord read;
    ASSERT_EQ(Parse(read, LongForm(FullRecord(), 31)), 0);  // 40 zigzagScale; "}" follows
    EXPECT_EQ(read.zigzagScale, 1.0);
    EXPECT_STREQ(read.labelLayer, "Címkék");
}

TEST(SystemXrecord, ShortFormGetsTheFixedValues) {
    LSystemRecord r;
    ASSERT_EQ(Parse(r, ShortForm(L"ZL1", L"A", 99.5)), 0);
    EXPECT_STREQ(r.tag, "ZL1");
    for (int i = 0; i < 3; ++i) {
        EXPECT_STREQ(r.penLayer[i], "A");
        EXPECT_STREQ(r.penLinetype[i], i == 0 ? "BYLAYER" : "BYBLOCK");
        EXPECT_EQ(r.penColour[i], i == 0 ? 7 : 0);
    }
    EXPECT_EQ(r.centreColour, 2);
    EXPECT_STREQ(r.centreLayer, "A");
    EXPECT_STREQ(r.centreLinetype, "KÖZÉP");
    EXPECT_EQ(r.dimColour, 256);
    EXPECT_EQ(r.dimTextColour, 256);
    EXPECT_STREQ(r.textStyle, "STANDARD");
    EXPECT_STREQ(r.dimStyle, "STANDARD");
    EXPECT_STREQ(r.labelLayer, "LURAK-ZL1-100");  // 99.5 rounds away from zero
    EXPECT_EQ(r.zigzagScale, 1.0);
    EXPECT_EQ(r.labelNumberOffset, 0);
}

TEST(SystemXrecord, DamagedDataIsRefused) {
    LSystemRecord r;
    EXPECT_EQ(ParseSystemXrecord(&r, nullptr), -1);
    EXPECT_EQ(Parse(r, acutBuildList(RTDXF0, L"XRECORD", 1, L"ZL1", 0)), -1) << "no marker";
    EXPECT_EQ(Parse(r, LongForm(FullRecord(), 15)), -1) << "no 102 of pen layer 1";
    EXPECT_EQ(Parse(r, acutBuildList(102, L"{LURAK", 1, L"ZL1", 2, L"x", 3, L"A", 40, 1.0, 60, 1, 60, 1, 70, 1, 0)),
              -1) << "the 70 must not end the chain";
}

TEST(SystemXrecord, OverlongNamesAreCutOrRefused) {
    LSystemRecord r;
    ASSERT_EQ(Parse(r, ShortForm(L"zl12345", L"A", 100)), 0);
    EXPECT_STREQ(r.tag, "ZL12");
    ASSERT_EQ(Parse(r, ShortForm(L"ZL1", L"A", 100, std::wstring(100, L'n').c_str())), 0);
    EXPECT_EQ(strlen(r.name), sizeof r.name - 1);
    EXPECT_EQ(Parse(r, ShortForm(L"ZL1", std::wstring(40, L'L').c_str(), 100)), -1)
        << "a cut layer name would name another layer";
}

class SystemStoreTest : public SystemDrawingTest {
protected:
    void SetUp() override {
        SystemDrawingTest::SetUp();
        ASSERT_EQ(OpenSystemDictionary(list), 0);
    }

    // The program dictionary's entries, counted.
    int EntryCount() {
        int n = 0;
        for (resbuf* data = acdbDictNext(list.programDictionary, 1); data;
             data = acdbDictNext(list.programDictionary, 0)) {
            ++n;
            acutRelRb(data);
        }
        return n;
    }

    // A second list read from the same drawing, as when it is opened again.
    void Reload() {
        ASSERT_EQ(OpenSystemDictionary(again), 0);
        EXPECT_TRUE(ads_name_equal(again.programDictionary, list.programDictionary));
        LoadSystems(again, defaults);
    }

    LSystemRecord ReadAgain(const char* tag) {
        LSystemRecord read;
        char key[16];
        snprintf(key, sizeof key, "%s", tag);
        EXPECT_EQ(GetSystemByTag(again, &read, key), 0) << tag;
        return read;
    }

    LSystemList again;
    LDrawingDefaults defaults;
};

TEST_F(SystemStoreTest, AddedSystemsAreStoredUnderTheirTag) {
    LSystemRecord r = FullRecord();
    strcpy(r.tag, "zl12x");
    ASSERT_EQ(AddSystem(list, &r), 0);
    EXPECT_STREQ(r.tag, "ZL12");
    LSystemRecord twice = FullRecord();
    strcpy(twice.tag, "ZL12");
    EXPECT_EQ(AddSystem(list, &twice), -1);
    EXPECT_EQ(EntryCount(), 1);
    ads_name entry;
    EXPECT_EQ(FindDictionaryEntry(list.programDictionary, "ZL12", entry), RTNORM);
    Reload();
    ASSERT_EQ(again.systemCount, 1);
    ExpectSame(ReadAgain("ZL12"), r);
}

TEST_F(SystemStoreTest, ModifyRewritesTheXrecord) {
    LSystemRecord r = FullRecord();
    AddSystem(list, &r);
    ads_name before;
    ASSERT_EQ(FindDictionaryEntry(list.programDictionary, "ZL1", before), RTNORM);
    r.size = 250;
    strcpy(r.name, "új név");
    ASSERT_EQ(ModifySystem(list, &r, 0), 0);
    ads_name after;
    ASSERT_EQ(FindDictionaryEntry(list.programDictionary, "ZL1", after), RTNORM);
    EXPECT_FALSE(ads_name_equal(before, after));
    resbuf* old = acdbEntGet(before);
    EXPECT_EQ(old, nullptr) << "the replaced XRECORD is erased";
    acutRelRb(old);
    EXPECT_EQ(EntryCount(), 1);
    Reload();
    LSystemRecord read = ReadAgain("ZL1");
    EXPECT_EQ(read.size, 250);
    EXPECT_STREQ(read.name, "új név");
    LSystemRecord unknown = FullRecord();
    strcpy(unknown.tag, "NO");
    EXPECT_EQ(ModifySystem(list, &unknown, 0), -1);
}

TEST_F(SystemStoreTest, ARefusedRewriteKeepsTheOldEntryAndTheList) {
    LSystemRecord r = FullRecord();
    AddSystem(list, &r);
    ads_name entry;
    ASSERT_EQ(FindDictionaryEntry(list.programDictionary, "ZL1", entry), RTNORM);
    // A dictionary that is not one refuses every change.
    ads_name dictionary;
    ads_name_set(list.programDictionary, dictionary);
    TestEntity line = Line("0");
    ads_name_set(line.name, list.programDictionary);
    LSystemRecord changed = r;
    changed.size = 1;
    EXPECT_EQ(ModifySystem(list, &changed, 0), -1);
    ads_name_set(dictionary, list.programDictionary);
    char tag[16] = "ZL1";
    EXPECT_EQ(FindSystem(list, tag)->record.size, 120);
    EXPECT_EQ(FindSystem(list, tag)->changeMask, 0u);
    ads_name still;
    ASSERT_EQ(FindDictionaryEntry(list.programDictionary, "ZL1", still), RTNORM);
    EXPECT_TRUE(ads_name_equal(still, entry));
    EXPECT_EQ(EntryCount(), 1);
}

TEST_F(SystemStoreTest, DeleteQueuesEachLayerOnce) {
    LSystemRecord r = Record("ZL1", "LURAK-ZL1", "LURAK-ZL1-100");
    strcpy(r.penLayer[2], "lurak-zl1");
    AddSystem(list, &r);
    LSystemRecord arg = Record("zl1", "ignored", "ignored");
    DeleteSystem(list, &arg);
    EXPECT_EQ(list.systemCount, 0);
    EXPECT_EQ(EntryCount(), 0);
    ASSERT_NE(list.removals->next, nullptr);
    EXPECT_EQ(list.removalTail, list.removals->next);
    EXPECT_STREQ(list.removals->tag, "ZL1");
    ASSERT_EQ(list.removals->layerCount, 2);
    EXPECT_STREQ(list.removals->layers[0], "LURAK-ZL1");
    EXPECT_STREQ(list.removals->layers[1], "LURAK-ZL1-100");
    DeleteSystem(list, &arg);  // no longer listed: nothing more is queued
    EXPECT_EQ(list.removals->next->next, nullptr);
}

TEST_F(SystemStoreTest, DefaultsReadOnlyWhatTheyCanUse) {
    // Stores the program XDATA on the dictionary, then reads the defaults.
    auto readStored = [&](resbuf* xdata) {
        LDrawingDefaults read;
        AcDbObjectId id;
        AcDbObject* object = nullptr;
        EXPECT_EQ(acdbGetObjectId(id, list.programDictionary), Acad::eOk);
        EXPECT_EQ(acdbOpenAcDbObject(object, id, AcDb::kForWrite), Acad::eOk);
        if (object) {
            EXPECT_EQ(object->setXData(xdata), Acad::eOk);
            object->close();
        }
        acutRelRb(xdata);
        EXPECT_EQ(ReadDrawingDefaults(list.programDictionary, &read), 0);
        return read;
    };
    // Two reals, then another group: the round piece length and the scale stay.
    LDrawingDefaults partial =
        readStored(acutBuildList(1001, L"LurakCad_B1", 1040, 10.0, 1040, 20.0, 1070, 5, 1040, 30.0, 0));
    EXPECT_EQ(partial.labelDistance, 10);
    EXPECT_EQ(partial.rectPieceLength, 20);
    EXPECT_EQ(partial.roundPieceLength, 6000);
    EXPECT_EQ(partial.insertScale, AcGeScale3d(1.0));
    // Piece lengths and a scale of 0 or less fall back (a number that is not
    // finite the host refuses to store at all).
    LDrawingDefaults bad = readStored(
        acutBuildList(1001, L"LurakCad_B1", 1040, -5.0, 1040, 0.0, 1040, -6000.0, 1040, -1.0, 0));
    EXPECT_EQ(bad.labelDistance, 50);
    EXPECT_EQ(bad.rectPieceLength, 1500);
    EXPECT_EQ(bad.roundPieceLength, 6000);
    EXPECT_EQ(bad.insertScale, AcGeScale3d(1.0));
}

TEST_F(SystemStoreTest, SystemsThatOnlyElementsNameAreAdded) {
    LSystemRecord r = FullRecord();
    AddSystem(list, &r);
    Element("ZL1", "P0");
    Element("bb2", "LURAK-BB2");
    Element("BB2", "LURAK-BB2");
    Reload();
    ASSERT_EQ(again.systemCount, 2);
    LSystemRecord added = ReadAgain("BB2");
    EXPECT_STREQ(added.penLayer[0], "LURAK-BB2");
    EXPECT_STREQ(added.labelLayer, "LURAK-BB2-100");
    EXPECT_EQ(defaults.hasElements, 1);
    EXPECT_EQ(EntryCount(), 2) << "the added system is stored";
}

