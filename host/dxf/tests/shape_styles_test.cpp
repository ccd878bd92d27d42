// Text styles of shape files: no name, flag 1, the file in group 3.  The
// complex linetypes' 340s name them, so they are kept and saved as read,
// though no name finds them.  The drawings are written at test time by
// make_shape_samples.py, as ezdxf writes them.
#include "dxf/reader.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace host::dxf;
using host::db::Table;
using host::db::kNoSlot;

namespace {

const std::string& samples()
{
    static const std::string folder = [] {
        std::string dir = outputPath("shapes");
        std::string output;
        EXPECT_EQ(runPython("make_shape_samples.py", dir, output), 0) << output;
        return dir;
    }();
    return folder;
}

std::string notesOf(const ReadReport& report)
{
    std::string all;
    for (const Diagnostic& d : report.repairs) all += d.text() + "\n";
    return all;
}

// "NAME: FILE ..." for each complex linetype, as ezdxf reads the file.
std::string shapeFiles(const std::string& path)
{
    std::string output;
    EXPECT_EQ(runPython("linetype_shapes.py", path, output), 0) << output;
    return output;
}

struct ShapeStyle {
    host::db::Handle handle;
    std::string file;
    int64_t flags = 0;
    double lastHeight = 0;
};

// The text styles without a name, in table order.
std::vector<ShapeStyle> shapeStyles(const host::db::Database& db)
{
    std::vector<ShapeStyle> styles;
    for (host::db::Slot slot : db.records(Table::Style)) {
        const host::db::Object* style = db.object(slot);
        if (!style || !host::db::groupText(*style, 2).empty()) continue;
        const host::db::Group* flags = host::db::findGroup(*style, 70);
        const host::db::Group* lastHeight = host::db::findGroup(*style, 42);
        styles.push_back({style->handle, std::string(host::db::groupText(*style, 3)), flags ? flags->asInt() : -1,
                          lastHeight ? lastHeight->asReal() : -1});
    }
    return styles;
}

bool operator==(const ShapeStyle& a, const ShapeStyle& b)
{
    return a.handle == b.handle && a.file == b.file && a.flags == b.flags && a.lastHeight == b.lastHeight;
}

} // namespace

TEST(ShapeStyles, KeptThroughEverySave)
{
    const std::vector<std::string> names = {"shapes_r12", "shapes_r2000", "shapes_r2018", "shapes_binary"};
    std::vector<std::string> checked;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        std::string input = samples() + "/" + name + ".dxf";
        ReadReport report;
        auto db = readDxfFile(input, report);
        ASSERT_TRUE(db) << report.error.text();
        EXPECT_EQ(notesOf(report).find("STYLE record"), std::string::npos) << notesOf(report);
        std::vector<ShapeStyle> read = shapeStyles(*db);
        ASSERT_EQ(read.size(), 2u);
        EXPECT_EQ(read[0].file, "ltypeshp.shx");
        EXPECT_EQ(read[1].file, "genltshp.shx");
        EXPECT_EQ(read[1].flags, 1);
        EXPECT_EQ(read[1].lastHeight, 2.5);
        // Empty names are no names: none is found by one.
        EXPECT_EQ(db->findRecord(Table::Style, ""), kNoSlot);
        EXPECT_NE(db->findRecord(Table::Style, "Standard"), kNoSlot);
        const std::string shapes = shapeFiles(input);
        EXPECT_EQ(shapes.empty(), name == "shapes_r12");
        for (DxfVersion version : {DxfVersion::R2000, DxfVersion::R2007}) {
            for (bool binary : {false, true}) {
                std::string path = outputPath(name + (version == DxfVersion::R2000 ? "_r2000" : "_r2007") +
                                              (binary ? "_binary" : "") + ".dxf");
                std::string error;
                ASSERT_TRUE(writeDxfFile(*db, path, WriteOptions{version, binary}, error)) << error;
                EXPECT_EQ(shapeFiles(path), shapes) << path;
                ReadReport again;
                auto reopened = readDxfFile(path, again);
                ASSERT_TRUE(reopened) << again.error.text();
                EXPECT_EQ(notesOf(again), "") << path;
                EXPECT_EQ(shapeStyles(*reopened), read) << path;
                if (!binary) checked.push_back(path);
            }
        }
    }
    EXPECT_EQ(runChecksOnFiles(checked, 2), "");
}

// A linetype naming a style the drawing does not hold: its 340 is saved
// as the null handle, as before; the other keeps its style.
TEST(ShapeStyles, LinetypeNamingNoStyleSavedAsBefore)
{
    std::string input = samples() + "/shapes_missing.dxf";
    ReadReport report;
    auto db = readDxfFile(input, report);
    ASSERT_TRUE(db) << report.error.text();
    EXPECT_EQ(notesOf(report), "");
    std::string path = outputPath("shapes_missing_saved.dxf"), error;
    ASSERT_TRUE(writeDxfFile(*db, path, WriteOptions{}, error)) << error;
    EXPECT_EQ(shapeFiles(path), "FENCELINE1: -\nGENCIRCLE: genltshp.shx\n");
    EXPECT_EQ(runChecks(path), "");
}

// A style without a name that loads no shape file is of no use to any
// linetype: it is left out, as before.
TEST(ShapeStyles, NamelessStyleOfNoShapeFileLeftOut)
{
    const std::string text = dxfOfGroups(
        "0 SECTION 2 HEADER 9 $ACADVER 1 AC1015 9 $HANDSEED 5 400 0 ENDSEC\n"
        "0 SECTION 2 TABLES 0 TABLE 2 STYLE 5 3 330 0 100 AcDbSymbolTable 70 2\n"
        "0 STYLE 5 30 330 3 100 AcDbSymbolTableRecord 100 AcDbTextStyleTableRecord 2 <empty> 70 0 40 0 41 1 50 0\n"
        "71 0 42 2.5 3 txt 4 <empty>\n"
        "0 STYLE 5 31 330 3 100 AcDbSymbolTableRecord 100 AcDbTextStyleTableRecord 2 <empty> 70 1 40 0 41 1 50 0\n"
        "71 0 42 2.5 3 ltypeshp.shx 4 <empty>\n"
        "0 ENDTAB 0 ENDSEC 0 EOF");
    ReadReport report;
    auto db = readDxfText(text, "nameless.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    const std::string notes = notesOf(report);
    const std::string leftOut = "a STYLE record without a name was left out";
    ASSERT_NE(notes.find(leftOut), std::string::npos) << notes;
    EXPECT_EQ(notes.find(leftOut, notes.find(leftOut) + 1), std::string::npos) << notes;
    EXPECT_EQ(shapeStyles(*db), (std::vector<ShapeStyle>{{0x31, "ltypeshp.shx", 1, 2.5}}));
}
