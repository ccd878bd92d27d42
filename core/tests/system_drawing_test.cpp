// A drawing with three air systems (one in the short form of the earlier
// version), defaults, layers, linetypes and two element dimensions, saved
// as DXF, checked by the project's drawing checks, and opened again.
#include <cstdio>
#include <fstream>
#include <sstream>
#include "fixtures.h"
#include "core/dimensions.h"
#include "core/linetypes.h"
#include "core/system_erase.h"
#include "core/system_load.h"
#include "core/system_xrecord.h"
#include "host/shell/documents.h"
#include "host/shell/drawing_store.h"

namespace {
class SavedDrawingTest : public SystemDrawingTest {
protected:
    void SetUp() override {
        host::shell::resetSession();
        host::io::captureTranscript();
        doc = host::shell::newDrawing();
        ASSERT_NE(doc, nullptr);
        database = doc->database();
        acdbRegApp(L"LurakCad_B1");
        // ctest runs the tests of this file side by side: one file each.
        path = std::string(LURAK_BINARY_DIR) + "/" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".dxf";
        ASSERT_EQ(OpenSystemDictionary(list), 0);
    }
    void TearDown() override {
        database = nullptr;  // the document owns it
        host::shell::resetSession();
        host::io::setSource(nullptr);
        host::io::setTranscript(nullptr);
        std::remove(path.c_str());
    }

    LSystemRecord Stored(const char* tag, int colour) {
        char layer[32], label[32];
        SystemLayerName(layer, sizeof layer, tag);
        SystemLabelLayerName(label, sizeof label, tag, "100");
        LSystemRecord r = Record(tag, layer, label);
        r.penColour[0] = static_cast<int16_t>(colour);
        strcpy(r.centreLinetype, "KÖZÉP");
        CreateLayer(r.penColour[0], ToWide(layer).c_str(), database);
        CreateLayer(r.dimColour, ToWide(label).c_str(), database);
        return r;
    }

    host::shell::Document* doc = nullptr;
    std::string path;
};

}  // namespace

TEST_F(SavedDrawingTest, ThreeSystemsReopenTheSame) {
    LoadLinetypes();
    LSystemRecord aa = Stored("AA", 1), cc = Stored("CC", 5);
    cc.labelNumberOffset = 200;
    cc.zigzagScale = 0.5;
    ASSERT_EQ(AddSystem(list, &aa), 0);
    ASSERT_EQ(AddSystem(list, &cc), 0);
    resbuf* shortForm = acutBuildList(RTDXF0, L"XRECORD", 100, L"AcDbXrecord", 102, L"{LURAK", 1, L"BB", 2,
                                      L"régi rendszer", 3, L"LURAK-BB", 40, 80.0, 60, 3, 60, 2, 70, 1,
                                      102, L"}", 0);
    ads_name made;
    ASSERT_EQ(acdbEntMakeX(shortForm, made), RTNORM);
    acutRelRb(shortForm);
    ASSERT_EQ(acdbDictAdd(list.programDictionary, L"BB", made), RTNORM);
    CreateLayer(3, L"LURAK-BB", database);
    // An entry that is not a system is skipped and kept.
    resbuf* foreign = acutBuildList(RTDXF0, L"XRECORD", 100, L"AcDbXrecord", 1, L"other", 0);
    ASSERT_EQ(acdbEntMakeX(foreign, made), RTNORM);
    acutRelRb(foreign);
    ASSERT_EQ(acdbDictAdd(list.programDictionary, L"ZZ", made), RTNORM);
    LDrawingDefaults defaults;
    defaults.labelDistance = 40;
    defaults.rectPieceLength = 1250;
    defaults.roundPieceLength = 5000;
    defaults.insertScale = AcGeScale3d(2.0);
    ASSERT_EQ(WriteDrawingDefaults(list.programDictionary, defaults), 0);
    // An element of system AA with a rotated and an aligned dimension.
    LObject* element = CreateElement(16, 0);
    element->SetSystemRecord(aa);
    host::io::setScript("50,40\n50,-60\n");
    const ads_point a = {0, 0, 0}, b = {100, 0, 0}, mid = {50, 0, 0};
    EXPECT_EQ(MakeRotatedDimension(*element, a, b, 0, 100), -1);
    EXPECT_EQ(MakeAlignedDimension(*element, mid, 100, 10, 10, 20, 20, 0), -1);
    ASSERT_EQ(element->GetDimensionCount(), 2);
    std::vector<std::string> dims;
    for (int i = 0; i < 2; ++i)
        dims.push_back(HandleOf(element->dimensions[i]));
    DestroyElement(element);
    Element("AA", "LURAK-AA", 1, {}, dims);
    Element("BB", "LURAK-BB");
    std::string error;
    ASSERT_TRUE(host::shell::writeDrawing(*doc, path, error)) << error;
    std::string check = std::string(LURAK_PYTHON) + " " + LURAK_DXF_CHECK + " '" + path + "'";
    EXPECT_EQ(std::system(check.c_str()), 0) << check;
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    EXPECT_NE(text.str().find("DSTYLE"), std::string::npos);
    ASSERT_NE(host::shell::openDrawing(path), nullptr);
    LSystemList again;
    LDrawingDefaults read;
    ASSERT_EQ(OpenSystemDictionary(again), 0);
    LoadSystems(again, read);
    ASSERT_EQ(again.systemCount, 3);
    ads_name kept;
    EXPECT_EQ(FindDictionaryEntry(again.programDictionary, "ZZ", kept), RTNORM);
    LSystemRecord got;
    ASSERT_EQ(GetSystemByIndex(again, &got, 0), 0);
    EXPECT_EQ(0, memcmp(&got, &aa, sizeof got));
    ASSERT_EQ(GetSystemByIndex(again, &got, 2), 0);
    EXPECT_EQ(0, memcmp(&got, &cc, sizeof got));
    ASSERT_EQ(GetSystemByIndex(again, &got, 1), 0);
    EXPECT_STREQ(got.name, "régi rendszer");
    EXPECT_STREQ(got.labelLayer, "LURAK-BB-80");
    EXPECT_STREQ(got.centreLinetype, "KÖZÉP");
    EXPECT_EQ(read.labelDistance, 40);
    EXPECT_EQ(read.rectPieceLength, 1250);
    EXPECT_EQ(read.roundPieceLength, 5000);
    EXPECT_EQ(read.insertScale, AcGeScale3d(2.0));
    EXPECT_EQ(read.hasElements, 1);
    for (const char* layer : {"LURAK-AA", "LURAK-AA-100", "LURAK-BB", "LURAK-CC", "LURAK-CC-100"})
        EXPECT_TRUE(LayerExists(layer)) << layer;
    EXPECT_TRUE(TableHas(L"LTYPE", "KÖZÉP"));
    // The dimensions kept their override through the file.
    ads_name dim;
    ASSERT_EQ(acdbHandEnt(ToWide(dims[1].c_str()).c_str(), dim), RTNORM);
    EXPECT_TRUE(HasStyleOverride(dim));
}

TEST_F(SavedDrawingTest, AnUpdateKeepsCmdechoAndTheDimensionStyle) {
    LSystemRecord r = Stored("ZL1", 1);
    ASSERT_EQ(AddSystem(list, &r), 0);
    Element("ZL1", "LURAK-ZL1");
    SetEcho(1);
    AcDbObjectId style = database->dimstyle();
    DeleteSystem(list, &r);
    EXPECT_EQ(EraseSystemEntities(list, database), 0);
    EXPECT_FALSE(LayerExists("LURAK-ZL1"));
    EXPECT_EQ(Echo(), 1);
    EXPECT_EQ(database->dimstyle(), style);
}
