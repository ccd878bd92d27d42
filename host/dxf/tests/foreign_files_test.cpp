// Files other programs write, each way they differ from the host's own:
// binary DXF, R12 dimension styles naming their arrow block, style names in
// handle groups (LibreCAD's DXF library), double-byte code pages, caret
// escapes, blocks of arc dimensions, objects without owners (dxflib).  The
// ezdxf samples are written at test time by make_foreign_samples.py.
#include "dxf/reader.h"
#include "dxf/writer.h"
#include "test_support.h"

#include "dxf/file_io.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace host::dxf;
using host::db::Database;
using host::db::Table;
using host::db::kNoSlot;

namespace {

const std::string& samples()
{
    static const std::string folder = [] {
        std::string dir = outputPath("foreign");
        std::string output;
        EXPECT_EQ(runPython("make_foreign_samples.py", dir, output), 0) << output;
        return dir;
    }();
    return folder;
}

std::unique_ptr<Database> readOk(const std::string& path, ReadReport& report)
{
    auto db = readDxfFile(path, report);
    EXPECT_TRUE(db) << report.error.text();
    return db;
}

std::string notesOf(const ReadReport& report)
{
    std::string all;
    for (const auto& note : report.repairs) all += note.text() + "\n";
    return all;
}

// Saves as R2007 and runs the drawing checks: "" when they pass.
std::string savedAndChecked(Database& db, const std::string& name)
{
    std::string path = outputPath(name), error;
    if (!writeDxfFile(db, path, WriteOptions{}, error)) return error;
    return runChecks(path);
}

host::db::Handle handleIn(const host::db::Object& object, int code)
{
    for (const auto& g : object.groups)
        if (g.code() == code && g.kind() == host::db::ValueKind::Handle) return g.asHandle();
    return 0;
}

const host::db::Object* firstOfType(const Database& db, const char* type)
{
    const host::db::Block* model = db.block(db.modelSpace());
    for (host::db::Slot slot : model->entities)
        if (db.object(slot)->isType(type)) return db.object(slot);
    return nullptr;
}

// A minimal R2000 text drawing around a TABLES part and an ENTITIES part.
std::string drawing(const std::string& tables, const std::string& entities, const std::string& objects = "")
{
    return "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  9\n$HANDSEED\n  5\n400\n  0\nENDSEC\n"
           "  0\nSECTION\n  2\nTABLES\n" + tables + "  0\nENDSEC\n"
           "  0\nSECTION\n  2\nENTITIES\n" + entities + "  0\nENDSEC\n"
           "  0\nSECTION\n  2\nOBJECTS\n" + objects + "  0\nENDSEC\n  0\nEOF\n";
}

} // namespace

TEST(ForeignFiles, BinaryDxfIsReadAndWrittenOnRequest)
{
    ReadReport report;
    auto db = readOk(samples() + "/binary.dxf", report);
    ASSERT_TRUE(db);
    EXPECT_EQ(report.version, "AC1024");
    const host::db::Object* text = firstOfType(*db, "TEXT");
    ASSERT_TRUE(text);
    EXPECT_EQ(host::db::groupText(*text, 1), "Binary 1.5");
    const host::db::Object* circle = firstOfType(*db, "CIRCLE");
    ASSERT_TRUE(circle);
    EXPECT_EQ(host::db::groupText(*circle, 1001), "BINAPP");
    EXPECT_EQ(savedAndChecked(*db, "from_binary.dxf"), "");

    // Written binary, read back: the same drawing as the text form.
    std::string binaryPath = outputPath("written_binary.dxf"), error;
    WriteOptions binary;
    binary.binary = true;
    ASSERT_TRUE(writeDxfFile(*db, binaryPath, binary, error)) << error;
    std::string bytes;
    ASSERT_TRUE(readWholeFile(binaryPath, bytes, error));
    EXPECT_EQ(bytes.rfind(std::string("AutoCAD Binary DXF\r\n\x1a\0", 22), 0), 0u);
    ReadReport again;
    auto back = readOk(binaryPath, again);
    ASSERT_TRUE(back);
    std::string first, second;
    writeDxfText(*db, first);
    writeDxfText(*back, second);
    EXPECT_EQ(first, second);

    // Cut short anywhere: a message naming the file, no drawing.
    for (size_t at = 23; at < bytes.size(); at += 101) {
        ReadReport cut;
        EXPECT_FALSE(readDxfText(bytes.substr(0, at), "cut.dxf", cut)) << at;
        EXPECT_EQ(cut.error.text().rfind("cut.dxf", 0), 0u) << cut.error.text();
    }
}

TEST(ForeignFiles, R12DimensionStyleNamesItsArrowBlock)
{
    ReadReport report;
    auto db = readOk(samples() + "/r12_dimstyle.dxf", report);
    ASSERT_TRUE(db);
    const host::db::Object* style = db->object(db->findRecord(Table::Dimstyle, "ARROWED"));
    const host::db::Object* arrow = db->object(db->findRecord(Table::BlockRecord, "MYARROW"));
    ASSERT_TRUE(style && arrow);
    bool pointsAtArrow = false;
    for (const auto& g : style->groups) {
        EXPECT_NE(g.code(), 5) << "an R12 name left in a handle group";
        pointsAtArrow |= g.code() == 342 && g.asHandle() == arrow->handle;
    }
    EXPECT_TRUE(pointsAtArrow);
    EXPECT_EQ(savedAndChecked(*db, "from_r12_dimstyle.dxf"), "");
}

TEST(ForeignFiles, StyleNameInHandleGroupOfDimensionStyle)
{
    // LibreCAD's DXF library writes the text style's name where a handle belongs.
    std::string tables = "  0\nTABLE\n  2\nSTYLE\n  5\n3\n 70\n1\n  0\nSTYLE\n  5\n11\n100\nAcDbSymbolTableRecord\n"
                         "100\nAcDbTextStyleTableRecord\n  2\nNOTES\n 70\n0\n 40\n0.0\n 41\n1.0\n 50\n0.0\n 71\n0\n"
                         " 42\n2.5\n  3\ntxt\n  4\n\n  0\nENDTAB\n"
                         "  0\nTABLE\n  2\nDIMSTYLE\n  5\nA\n 70\n2\n  0\nDIMSTYLE\n105\n20\n100\nAcDbSymbolTableRecord\n"
                         "100\nAcDbDimStyleTableRecord\n  2\nSTANDARD\n 70\n0\n 41\n2.5\n140\n2.5\n340\nNOTES\n  0\nDIMSTYLE\n105\n21\n"
                         "100\nAcDbSymbolTableRecord\n100\nAcDbDimStyleTableRecord\n  2\nOTHER\n 70\n0\n340\nGONE\n"
                         "  0\nENDTAB\n";
    ReadReport report;
    auto db = readDxfText(drawing(tables, ""), "dxfrw.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    const host::db::Object* notes = db->object(db->findRecord(Table::Style, "NOTES"));
    const host::db::Object* standard = db->object(db->findRecord(Table::Dimstyle, "STANDARD"));
    const host::db::Object* other = db->object(db->findRecord(Table::Dimstyle, "OTHER"));
    ASSERT_TRUE(notes && standard && other);
    EXPECT_EQ(handleIn(*standard, 340), notes->handle);
    EXPECT_EQ(handleIn(*other, 340), 0u);
    EXPECT_NE(notesOf(report).find("dimension style OTHER names the text style GONE, which does not exist"),
              std::string::npos) << notesOf(report);
    EXPECT_EQ(savedAndChecked(*db, "from_dxfrw.dxf"), "");
    // Elsewhere a name in a handle group is damage, as before.
    ReadReport bad;
    EXPECT_FALSE(readDxfText(drawing("", "  0\nLINE\n  5\n30\n  8\n0\n340\nNOTES\n 10\n0\n 20\n0\n 11\n1\n 21\n1\n"),
                             "bad.dxf", bad));
    EXPECT_NE(bad.error.text().find("group 340 must hold a hexadecimal handle, not \"NOTES\""), std::string::npos)
        << bad.error.text();
}

TEST(ForeignFiles, DoubleByteCodePagesAreDecodedAndWrittenBack)
{
    const struct {
        const char* file;
        const char* page;
        std::string text;   // UTF-8
        std::string bytes;  // the same in the page
    } cases[] = {
        {"ansi_932.dxf", "ANSI_932", "\xE9\x85\x8D\xE7\xAE\xA1 \xE8\xA1\xA8\xE7\xA4\xBA", "\x94\x7A\x8A\xC7 \x95\x5C\x8E\xA6"},
        {"ansi_936.dxf", "ANSI_936", "\xE9\xA3\x8E\xE7\xAE\xA1 \xE7\xB3\xBB\xE7\xBB\x9F", "\xB7\xE7\xB9\xDC \xCF\xB5\xCD\xB3"},
    };
    for (const auto& c : cases) {
        ReadReport report;
        auto db = readOk(samples() + "/" + c.file, report);
        ASSERT_TRUE(db);
        EXPECT_NE(db->findRecord(Table::Layer, c.text), kNoSlot) << c.file;
        const host::db::Object* text = firstOfType(*db, "TEXT");
        ASSERT_TRUE(text);
        EXPECT_EQ(host::db::groupText(*text, 1), c.text);
        EXPECT_EQ(savedAndChecked(*db, std::string("from_") + c.file), "");

        // R2000 is written in the drawing's own page, and says so.
        std::string r2000;
        writeDxfText(*db, r2000, WriteOptions{DxfVersion::R2000});
        EXPECT_NE(r2000.find(std::string("$DWGCODEPAGE\r\n  3\r\n") + c.page), std::string::npos) << c.file;
        EXPECT_NE(r2000.find(c.bytes), std::string::npos) << c.file;
        EXPECT_EQ(r2000.find("\\U+"), std::string::npos) << c.file;
        ReadReport again;
        auto back = readDxfText(r2000, "again.dxf", again);
        ASSERT_TRUE(back) << again.error.text();
        EXPECT_EQ(host::db::groupText(*firstOfType(*back, "TEXT"), 1), c.text);
    }
}

TEST(ForeignFiles, CaretEscapesAreWrittenBack)
{
    std::string entities = "  0\nTEXT\n  5\n30\n100\nAcDbEntity\n  8\n0\n100\nAcDbText\n 10\n0\n 20\n0\n 30\n0\n 40\n1\n"
                           "  1\na^Ib^ c^ ^J\n100\nAcDbText\n";
    ReadReport report;
    auto db = readDxfText(drawing("", entities), "caret.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    EXPECT_EQ(host::db::groupText(*firstOfType(*db, "TEXT"), 1), "a\tb^c^\n");
    std::string written;
    writeDxfText(*db, written);
    EXPECT_NE(written.find("\r\na^Ib^ c^ ^J\r\n"), std::string::npos);
}

TEST(ForeignFiles, BlocksOfArcAndLargeRadialDimensionsAreKept)
{
    auto block = [](const char* name) {
        return std::string("  0\nBLOCK\n  8\n0\n  2\n") + name + "\n 70\n1\n 10\n0\n 20\n0\n 30\n0\n  3\n" + name +
               "\n  0\nLINE\n  8\n0\n 10\n0\n 20\n0\n 30\n0\n 11\n1\n 21\n1\n 31\n0\n  0\nENDBLK\n  8\n0\n";
    };
    std::string text = "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  0\nENDSEC\n"
                       "  0\nSECTION\n  2\nBLOCKS\n" + block("*D1") + block("*D2") + block("*D3") + "  0\nENDSEC\n"
                       "  0\nSECTION\n  2\nENTITIES\n"
                       "  0\nARC_DIMENSION\n  5\n40\n100\nAcDbEntity\n  8\n0\n100\nAcDbDimension\n  2\n*D1\n"
                       "  0\nLARGE_RADIAL_DIMENSION\n  5\n41\n100\nAcDbEntity\n  8\n0\n100\nAcDbDimension\n  2\n*D2\n"
                       "  0\nENDSEC\n  0\nEOF\n";
    ReadReport report;
    auto db = readDxfText(text, "dims.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    std::string written;
    writeDxfText(*db, written);
    EXPECT_NE(written.find("\r\n*D1\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\n*D2\r\n"), std::string::npos);
    EXPECT_EQ(written.find("\r\n*D3\r\n"), std::string::npos);  // named by nothing
}

TEST(ForeignFiles, ObjectsWithoutOwnersJoinTheDictionaryThatNamesThem)
{
    // As dxflib writes them: no 330 groups in OBJECTS.
    std::string objects = "  0\nDICTIONARY\n  5\nC\n100\nAcDbDictionary\n  3\nACAD_GROUP\n350\nD\n  3\nLURAK_NOTES\n350\nE\n"
                          "  0\nDICTIONARY\n  5\nD\n100\nAcDbDictionary\n"
                          "  0\nXRECORD\n  5\nE\n100\nAcDbXrecord\n  1\nkept\n"
                          "  0\nXRECORD\n  5\nF\n100\nAcDbXrecord\n  1\nnamed by nothing\n";
    ReadReport report;
    auto db = readDxfText(drawing("", "", objects), "dxflib.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    EXPECT_EQ(db->object(db->slotOf(0xE))->owner, 0xCu);
    EXPECT_EQ(db->object(db->slotOf(0xD))->owner, 0xCu);
    EXPECT_NE(notesOf(report).find("2 objects without an owner were given the dictionary that names them"),
              std::string::npos) << notesOf(report);
    std::string written;
    writeDxfText(*db, written);
    EXPECT_NE(written.find("\r\nkept\r\n"), std::string::npos);
    EXPECT_EQ(savedAndChecked(*db, "from_dxflib.dxf"), "");
}

namespace {

// An R12 drawing as a point-cloud program writes it with dxflib: no
// BLOCK_RECORD table, the spaces *Model_Space, *Paper_Space and
// *Paper_Space0 as blocks, and layouts without owners that point at block
// record handles the file does not hold.
std::string r12WithThreeSpaces()
{
    auto group = [](int code, const std::string& value) {
        std::string c = std::to_string(code);
        return std::string(c.size() < 3 ? 3 - c.size() : 0, ' ') + c + "\n" + value + "\n";
    };
    std::string text = group(0, "SECTION") + group(2, "HEADER") + group(9, "$ACADVER") + group(1, "AC1009") +
                       group(9, "$HANDSEED") + group(5, "FFFF") + group(0, "ENDSEC");
    text += group(0, "SECTION") + group(2, "TABLES") + group(0, "TABLE") + group(2, "LAYER") + group(70, "1") +
            group(0, "LAYER") + group(2, "CLOUD") + group(70, "0") + group(62, "3") + group(6, "CONTINUOUS") +
            group(0, "ENDTAB") + group(0, "ENDSEC");
    text += group(0, "SECTION") + group(2, "BLOCKS");
    const char* spaces[][2] = {{"*Model_Space", "20"}, {"*Paper_Space", "1C"}, {"*Paper_Space0", "24"}};
    for (const auto& [name, handle] : spaces) {
        std::string paper = name[1] == 'P' ? group(67, "1") : "";
        text += group(0, "BLOCK") + group(5, handle) + paper + group(8, "0") + group(2, name) + group(70, "0") +
                group(10, "0.0") + group(20, "0.0") + group(30, "0.0") + group(3, name) + group(1, "");
        text += group(0, "ENDBLK") + group(5, std::to_string(std::stoi(handle, nullptr, 16) + 1)) + paper +
                group(8, "0");
    }
    text += group(0, "ENDSEC") + group(0, "SECTION") + group(2, "ENTITIES");
    for (int i = 0; i < 4; ++i)
        text += group(0, "POINT") + group(8, "CLOUD") + group(10, std::to_string(i) + ".5") + group(20, "2.0") +
                group(30, "1.0");
    text += group(0, "ENDSEC") + group(0, "SECTION") + group(2, "OBJECTS") + group(0, "DICTIONARY") + group(5, "C") +
            group(100, "AcDbDictionary") + group(3, "ACAD_LAYOUT") + group(350, "1A") + group(0, "DICTIONARY") +
            group(5, "1A") + group(100, "AcDbDictionary") + group(3, "Layout1") + group(350, "1E") +
            group(3, "Layout2") + group(350, "26") + group(3, "Model") + group(350, "22");
    const char* layouts[][4] = {{"1E", "Layout1", "1B", "1"}, {"26", "Layout2", "23", "2"}, {"22", "Model", "1F", "0"}};
    for (const auto& [handle, name, record, tab] : layouts)
        text += group(0, "LAYOUT") + group(5, handle) + group(100, "AcDbPlotSettings") + group(1, "") +
                group(2, "none_device") + group(70, "688") + group(100, "AcDbLayout") + group(1, name) +
                group(70, "1") + group(71, tab) + group(10, "0.0") + group(20, "0.0") + group(11, "12.0") +
                group(21, "9.0") + group(76, "0") + group(330, record);
    return text + group(0, "ENDSEC") + group(0, "EOF");
}

} // namespace

TEST(ForeignFiles, R12SpacesOfAnotherWriterKeepTheirLayouts)
{
    ReadReport report;
    auto db = readDxfText(r12WithThreeSpaces(), "cloud.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    // Saved, checked, read back and saved again: the same file.
    std::string path = outputPath("from_r12_three_spaces.dxf"), error;
    ASSERT_TRUE(writeDxfFile(*db, path, WriteOptions{}, error)) << error;
    EXPECT_EQ(runChecks(path), "");
    ReadReport again;
    auto back = readOk(path, again);
    ASSERT_TRUE(back);
    std::string first, second;
    writeDxfText(*db, first);
    writeDxfText(*back, second);
    EXPECT_EQ(first, second);
    // Every space and its layout point at each other.
    for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        const host::db::Object* record = back->object(back->findRecord(Table::BlockRecord, name));
        ASSERT_TRUE(record) << name;
        const host::db::Object* layout = back->object(back->slotOf(handleIn(*record, 340)));
        ASSERT_TRUE(layout && layout->isType("LAYOUT")) << name;
        EXPECT_EQ(handleIn(*layout, 330), record->handle) << name;
    }
    EXPECT_EQ(back->block(back->modelSpace())->entities.size(), 4u);
}
