// Files of R12 (AC1009): handles on some records or none, no owners, no
// subclass markers, text in a code page.  They are read and saved as R2007 that strict readers accept.
// Files of the releases before R12 are read as R12 files.
#include "dxf/reader.h"
#include "dxf/tokenizer.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

using namespace host::dxf;
using host::db::Table;

namespace {

// Groups as "code\nvalue\n" lines from a compact list.
std::string groups(std::initializer_list<std::pair<int, const char*>> list)
{
    std::string text;
    for (const auto& [code, value] : list) text += std::to_string(code) + "\n" + value + "\n";
    return text;
}

std::string r12Drawing()
{
    return groups({{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC1009"}, {9, "$DWGCODEPAGE"},
                   {3, "ANSI_1252"}, {0, "ENDSEC"},
                   {0, "SECTION"}, {2, "TABLES"}, {0, "TABLE"}, {2, "LAYER"}, {70, "1"},
                   // A handle on the record but none on the table head, as some writers do.
                   {0, "LAYER"}, {5, "1"}, {2, "WALLS"}, {70, "0"}, {62, "1"}, {6, "CONTINUOUS"}, {0, "ENDTAB"},
                   {0, "ENDSEC"},
                   {0, "SECTION"}, {2, "BLOCKS"}, {0, "BLOCK"}, {8, "0"}, {2, "$MODEL_SPACE"}, {70, "0"},
                   {10, "0.0"}, {20, "0.0"}, {30, "0.0"}, {3, "$MODEL_SPACE"}, {0, "ENDBLK"}, {8, "0"},
                   {0, "BLOCK"}, {8, "0"}, {2, "BOX"}, {70, "0"}, {10, "0.0"}, {20, "0.0"}, {30, "0.0"},
                   {3, "BOX"}, {0, "LINE"}, {8, "0"}, {10, "0.0"}, {20, "0.0"}, {30, "0.0"}, {11, "1.0"},
                   {21, "1.0"}, {31, "0.0"}, {0, "ENDBLK"}, {8, "0"}, {0, "ENDSEC"},
                   {0, "SECTION"}, {2, "ENTITIES"}, {0, "LINE"}, {8, "WALLS"}, {10, "0"}, {20, "0"}, {30, "0"},
                   {11, "10"}, {21, "0"}, {31, "0"}, {0, "INSERT"}, {8, "0"}, {2, "BOX"}, {10, "5.0"},
                   {20, "5.0"}, {30, "0.0"}, {0, "TEXT"}, {8, "WALLS"}, {10, "0"}, {20, "2"}, {30, "0"},
                   {40, "2.5"}, {1, "Ma\xDF 100\xB0 \\U+4E2D"}, {0, "POINT"}, {8, "WALLS"}, {10, "1"}, {20, "2"},
                   {30, "0"}, {0, "ENDSEC"}, {0, "EOF"}});
}

} // namespace

TEST(OldVersions, R12DrawingIsReadAndSavedAsR2007)
{
    ReadReport report;
    auto db = readDxfText(r12Drawing(), "r12.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    EXPECT_EQ(report.version, "AC1009");
    ASSERT_NE(db->findRecord(Table::Layer, "WALLS"), host::db::kNoSlot);
    ASSERT_NE(db->findRecord(Table::BlockRecord, "BOX"), host::db::kNoSlot);
    const host::db::Block* model = db->block(db->modelSpace());
    ASSERT_TRUE(model);
    ASSERT_EQ(model->entities.size(), 4u);
    const host::db::Object* text = db->object(model->entities[2]);
    EXPECT_EQ(host::db::groupText(*text, 1), "Ma\xC3\x9F 100\xC2\xB0 \xE4\xB8\xAD");  // decoded to UTF-8
    EXPECT_EQ(host::db::groupText(*text, 100), "AcDbEntity");                       // markers added
    // A point too: it needs no note, and its markers are written.
    const host::db::Object* point = db->object(model->entities[3]);
    ASSERT_TRUE(point);
    std::vector<std::string> markers;
    for (const host::db::Group& g : point->groups)
        if (g.code() == 100) markers.emplace_back(g.asText());
    EXPECT_EQ(markers, (std::vector<std::string>{"AcDbEntity", "AcDbPoint"}));
    for (const Diagnostic& note : report.repairs) EXPECT_EQ(note.message.find("POINT"), std::string::npos) << note.text();
    EXPECT_EQ(db->findBlock("$MODEL_SPACE"), nullptr);
    std::string out = outputPath("from_r12.dxf");
    std::string error;
    ASSERT_TRUE(writeDxfFile(*db, out, WriteOptions{}, error)) << error;
    EXPECT_EQ(runChecks(out), "");
}

namespace {

// A drawing as R10 wrote it: no handles ($HANDLING 0), header variables of
// its day, the tables of its release (DWGMGR among them, which R12 has
// not), a block inserted twice, a polyline of vertices, an elevation (38).
const char* const kR10Drawing = R"(
0 SECTION 2 HEADER 9 $ACADVER 1 AC1006 9 $INSBASE 10 0.0 20 0.0 30 0.0 9 $LIMMAX 10 420.0 20 297.0
9 $AXISMODE 70 0 9 $AXISUNIT 10 0.0 20 0.0 9 $MENU 1 acad 9 $FLATLAND 70 1 9 $FASTZOOM 70 1
9 $HANDLING 70 0 9 $HANDSEED 5 0 9 $TEXTSTYLE 7 STANDARD 9 $CLAYER 8 0 0 ENDSEC
0 SECTION 2 TABLES
0 TABLE 2 VPORT 70 1 0 VPORT 2 *ACTIVE 70 0 10 0.0 20 0.0 11 1.0 21 1.0 12 20.0 22 15.0 40 30.0 41 1.5 0 ENDTAB
0 TABLE 2 LTYPE 70 2 0 LTYPE 2 CONTINUOUS 70 64 3 Solid 72 65 73 0 40 0.0
0 LTYPE 2 DASHED 70 64 3 __ 72 65 73 2 40 0.75 49 0.5 49 -0.25 0 ENDTAB
0 TABLE 2 LAYER 70 2 0 LAYER 2 0 70 0 62 7 6 CONTINUOUS 0 LAYER 2 CUT 70 64 62 1 6 DASHED 0 ENDTAB
0 TABLE 2 STYLE 70 1 0 STYLE 2 STANDARD 70 0 40 0.0 41 1.0 50 0.0 71 0 42 2.5 3 txt 4 <empty> 0 ENDTAB
0 TABLE 2 VIEW 70 1 0 VIEW 2 WHOLE 70 0 40 30.0 10 20.0 20 15.0 41 45.0 11 0.0 21 0.0 31 1.0 12 0.0 22 0.0 32 0.0
0 ENDTAB
0 TABLE 2 UCS 70 1 0 UCS 2 TILTED 70 0 10 0.0 20 0.0 30 0.0 11 1.0 21 0.0 31 0.0 12 0.0 22 1.0 32 0.0 0 ENDTAB
0 TABLE 2 DWGMGR 70 1 0 DWGMGR 2 SHEET1 70 0 0 ENDTAB
0 ENDSEC
0 SECTION 2 BLOCKS 0 BLOCK 8 0 2 HOLE 70 64 10 0.0 20 0.0 30 0.0
0 CIRCLE 8 CUT 10 0.0 20 0.0 30 0.0 40 1.5 0 LINE 8 0 10 -2.0 20 0.0 30 0.0 11 2.0 21 0.0 31 0.0
0 ENDBLK 8 0 0 ENDSEC
0 SECTION 2 ENTITIES
0 POLYLINE 8 CUT 66 1 10 0.0 20 0.0 30 0.0 70 1 0 VERTEX 8 CUT 10 0.0 20 0.0 30 0.0
0 VERTEX 8 CUT 10 40.0 20 0.0 30 0.0 42 0.4142136 0 VERTEX 8 CUT 10 40.0 20 30.0 30 0.0 0 SEQEND 8 CUT
0 LINE 8 0 38 0.0 10 5.0 20 5.0 30 0.0 11 35.0 21 5.0 31 0.0
0 ARC 8 CUT 10 20.0 20 15.0 30 0.0 40 5.0 50 0.0 51 180.0 0 CIRCLE 8 CUT 62 3 10 20.0 20 15.0 30 0.0 40 2.0
0 TEXT 8 0 10 2.0 20 25.0 30 0.0 40 2.5 1 PART 7 STANDARD
0 INSERT 8 0 2 HOLE 10 10.0 20 10.0 30 0.0 0 INSERT 8 0 2 HOLE 10 30.0 20 10.0 30 0.0
0 ENDSEC 0 EOF)";

// As R2.6 wrote one: points of x and y only, no VPORT or UCS table, a
// block of arcs and lines, a polyline that gives no point of its own.
const char* const kR26Drawing = R"(
0 SECTION 2 HEADER 9 $ACADVER 1 AC1003 9 $INSBASE 10 0.0 20 0.0 9 $LIMMAX 10 12.0 20 9.0 9 $MENU 1 acad
9 $FLATLAND 70 1 0 ENDSEC
0 SECTION 2 TABLES 0 TABLE 2 LTYPE 70 1 0 LTYPE 2 CONTINUOUS 70 64 3 Solid 72 65 73 0 40 0.0 0 ENDTAB
0 TABLE 2 LAYER 70 2 0 LAYER 2 0 70 0 62 7 6 CONTINUOUS 0 LAYER 2 PLATE 70 0 62 2 6 CONTINUOUS 0 ENDTAB
0 TABLE 2 STYLE 70 1 0 STYLE 2 STANDARD 70 0 40 0.0 41 1.0 50 0.0 71 0 42 0.2 3 txt 4 <empty> 0 ENDTAB
0 TABLE 2 VIEW 70 0 0 ENDTAB 0 ENDSEC
0 SECTION 2 BLOCKS 0 BLOCK 8 0 2 SLOT 70 0 10 0.0 20 0.0
0 ARC 8 PLATE 10 0.0 20 0.0 40 1.0 50 90.0 51 270.0 0 ARC 8 PLATE 10 4.0 20 0.0 40 1.0 50 270.0 51 90.0
0 LINE 8 PLATE 10 0.0 20 1.0 11 4.0 21 1.0 0 LINE 8 PLATE 10 0.0 20 -1.0 11 4.0 21 -1.0 0 ENDBLK 0 ENDSEC
0 SECTION 2 ENTITIES 0 POLYLINE 8 PLATE 66 1 70 1 0 VERTEX 8 PLATE 10 0.0 20 0.0
0 VERTEX 8 PLATE 10 50.0 20 0.0 0 VERTEX 8 PLATE 10 50.0 20 40.0 0 SEQEND 8 PLATE
0 LINE 8 0 10 5.0 20 5.0 11 45.0 21 5.0 0 ARC 8 PLATE 10 25.0 20 20.0 40 8.0 50 0.0 51 90.0
0 CIRCLE 8 PLATE 10 25.0 20 20.0 40 3.0 0 TEXT 8 0 10 2.0 20 35.0 40 0.2 1 PLATE
0 INSERT 8 0 2 SLOT 10 10.0 20 30.0 0 ENDSEC 0 EOF)";

std::vector<std::string> typesIn(const host::db::Database& db, const host::db::Block* block)
{
    std::vector<std::string> types;
    if (block)
        for (host::db::Slot slot : block->entities) types.emplace_back(db.object(slot)->typeName());
    return types;
}

std::vector<std::string> notesOfKind(const ReadReport& report, std::string_view kind)
{
    std::vector<std::string> notes;
    for (const Diagnostic& note : report.repairs)
        if (note.kind.name == kind) notes.push_back(note.text());
    return notes;
}

// The binary form R10 wrote: a group code in one byte.
std::string withOneByteCodes(const std::string& text)
{
    std::string binary("AutoCAD Binary DXF\r\n\x1a\0", 22);
    Tokenizer tokenizer(text, "");
    tokenizer.passNamesInHandles();
    Token token;
    auto append = [&](const auto& value) {
        char bytes[sizeof value];
        std::memcpy(bytes, &value, sizeof value);
        binary.append(bytes, sizeof value);
    };
    while (tokenizer.next(token)) {
        binary += static_cast<char>(token.code);  // every code of these drawings is below 255
        if (token.kind == ValueKind::Double)
            append(token.real);
        else if (token.kind == ValueKind::Int16)
            append(static_cast<int16_t>(token.integer));
        else
            binary.append(token.text).push_back('\0');
    }
    EXPECT_FALSE(tokenizer.failed()) << tokenizer.error().text();
    return binary;
}

} // namespace

TEST(OldVersions, DrawingsBeforeR12AreReadAsR12)
{
    struct Case {
        const char* name;
        const char* groups;
        const char* version;
        std::vector<std::string> model;
        const char* block;
        std::vector<std::string> blockTypes;
    };
    const Case cases[] = {
        {"r10.dxf", kR10Drawing, "AC1006",
         {"POLYLINE", "VERTEX", "VERTEX", "VERTEX", "SEQEND", "LINE", "ARC", "CIRCLE", "TEXT", "INSERT", "INSERT"},
         "HOLE", {"CIRCLE", "LINE"}},
        {"r26.dxf", kR26Drawing, "AC1003",
         {"POLYLINE", "VERTEX", "VERTEX", "VERTEX", "SEQEND", "LINE", "ARC", "CIRCLE", "TEXT", "INSERT"},
         "SLOT", {"ARC", "ARC", "LINE", "LINE"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReadReport report;
        auto db = readDxfText(dxfOfGroups(c.groups), c.name, report);
        ASSERT_TRUE(db) << report.error.text();
        EXPECT_EQ(report.version, c.version);
        // Told once, at the version's name.
        EXPECT_EQ(notesOfKind(report, "read as R12"),
                  std::vector<std::string>{std::string(c.name) + ":6: the drawing's version " + c.version +
                                           " is older than R12 (AC1009): it was read as R12"});
        EXPECT_EQ(typesIn(*db, db->block(db->modelSpace())), c.model);
        EXPECT_EQ(typesIn(*db, db->findBlock(c.block)), c.blockTypes);
        // Every object of a file without handles gets its own.
        std::set<host::db::Handle> handles;
        size_t objects = 0;
        for (host::db::Slot slot = 0; slot < db->slotCount(); ++slot)
            if (const host::db::Object* object = db->object(slot)) {
                ++objects;
                EXPECT_NE(object->handle, 0u) << object->typeName();
                handles.insert(object->handle);
            }
        EXPECT_EQ(handles.size(), objects);
        std::string out = outputPath(std::string("before_r12_") + c.name), error;
        ASSERT_TRUE(writeDxfFile(*db, out, WriteOptions{}, error)) << error;
        EXPECT_EQ(runChecks(out), "");
        ReadReport again;
        ASSERT_TRUE(readDxfFile(out, again)) << again.error.text();
        for (const Diagnostic& note : again.repairs) ADD_FAILURE() << "the save needed a repair: " << note.text();
        EXPECT_TRUE(again.countedOnly.empty());
    }
    // The tables R12 has are kept; one it has not is left out, as any
    // unknown table is.
    ReadReport report;
    auto db = readDxfText(dxfOfGroups(kR10Drawing), "r10.dxf", report);
    ASSERT_TRUE(db);
    EXPECT_EQ(notesOfKind(report, "unknown table"),
              std::vector<std::string>{"r10.dxf:260: unknown table DWGMGR was left out"});
    EXPECT_NE(db->findRecord(Table::Vport, "*ACTIVE"), host::db::kNoSlot);
    EXPECT_NE(db->findRecord(Table::View, "WHOLE"), host::db::kNoSlot);
    EXPECT_NE(db->findRecord(Table::Ucs, "TILTED"), host::db::kNoSlot);
    EXPECT_NE(db->findRecord(Table::Ltype, "DASHED"), host::db::kNoSlot);
    const host::db::Object* cut = db->object(db->findRecord(Table::Layer, "CUT"));
    ASSERT_TRUE(cut);
    EXPECT_EQ(host::db::groupText(*cut, 6), "DASHED");
}

// Releases before R10 down to those that gave their number (AC2.10, whose
// text sorts after every later version), and a file with neither tables
// nor blocks, as the oldest wrote.
TEST(OldVersions, EveryReleaseBeforeR12IsReadAsR12)
{
    for (const char* version : {"AC1004", "AC1002", "AC1001", "AC1.50", "AC2.10", "AC2.22", "AC1009", "AC1015", ""}) {
        SCOPED_TRACE(version);
        const std::string header =
            *version ? std::string("9 $ACADVER 1 ") + version + " 9 $HANDLING 70 0" : std::string("9 $HANDLING 70 0");
        ReadReport report;
        auto db = readDxfText(dxfOfGroups("0 SECTION 2 HEADER " + header + " 0 ENDSEC 0 SECTION 2 ENTITIES\n"
                                          "0 LINE 8 0 10 0.0 20 0.0 11 1.0 21 1.0 0 CIRCLE 8 0 10 0.0 20 0.0 40 1.0\n"
                                          "0 ENDSEC 0 EOF"),
                              "old.dxf", report);
        ASSERT_TRUE(db) << report.error.text();
        EXPECT_EQ(typesIn(*db, db->block(db->modelSpace())), (std::vector<std::string>{"LINE", "CIRCLE"}));
        const bool older = version[0] != '\0' && std::string(version) != "AC1009" && std::string(version) != "AC1015";
        EXPECT_EQ(notesOfKind(report, "read as R12").size(), older ? 1u : 0u);
    }
}

// Binary DXF came with R10, its group codes of one byte as R12's.
TEST(OldVersions, BinaryDrawingBeforeR12IsReadAsItsText)
{
    const std::string text = dxfOfGroups(kR10Drawing);
    ReadReport fromText, fromBinary;
    auto expected = readDxfText(text, "r10.dxf", fromText);
    auto db = readDxfText(withOneByteCodes(text), "r10.dxf", fromBinary);
    ASSERT_TRUE(expected && db) << fromBinary.error.text();
    EXPECT_EQ(notesOfKind(fromBinary, "read as R12").size(), 1u);
    std::string saved, savedExpected;
    writeDxfText(*db, saved);
    writeDxfText(*expected, savedExpected);
    EXPECT_EQ(saved, savedExpected);
}
