// Record types and header variable names are read in any letters, as the
// drawing keeps and saves them in capitals: what they mean (the root
// dictionary, a dimension style's handle, the version that decides how
// text and binary groups read) does not hang on the letters.
#include "dxf/reader.h"

#include "dxf/binary_dxf.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cctype>

using namespace host::dxf;
using host::db::Database;

namespace {

std::unique_ptr<Database> readOk(const std::string& groups, ReadReport& report)
{
    auto db = readDxfText(dxfOfGroups(groups), "letters.dxf", report);
    EXPECT_TRUE(db) << report.error.text();
    return db;
}

std::string notesOf(const ReadReport& report)
{
    std::string all;
    for (const Diagnostic& d : report.repairs) all += d.text() + "\n";
    return all;
}

} // namespace

TEST(OtherLetters, RecordTypesReadAsTheirCapitals)
{
    ReadReport report;
    auto db = readOk("0 SECTION 2 CLASSES 0 Class 1 MYCLASS 2 MyClass 0 ENDSEC\n"
                     "0 SECTION 2 TABLES 0 TABLE 2 DIMSTYLE 5 8 100 AcDbSymbolTable 70 1 100 AcDbDimStyleTable\n"
                     "0 DimStyle 105 30 330 8 100 AcDbSymbolTableRecord 100 AcDbDimStyleTableRecord 2 Tall 70 0\n"
                     "0 ENDTAB 0 ENDSEC\n"
                     "0 SECTION 2 OBJECTS 0 dictionary 5 C 330 0 100 AcDbDictionary 3 KEPT 350 D\n"
                     "0 XRECORD 5 D 330 C 100 AcDbXrecord 1 data 0 ENDSEC 0 EOF",
                     report);
    ASSERT_TRUE(db);
    ASSERT_FALSE(db->classes().empty());
    EXPECT_EQ(host::db::groupText(db->classes()[0], 1), "MYCLASS");
    // The style keeps its handle, which others name it by.
    const host::db::Object* style = db->object(db->slotOf(0x30));
    ASSERT_TRUE(style);
    EXPECT_EQ(host::db::groupText(*style, 2), "Tall");
    // The root dictionary's entries stay, and are saved.
    EXPECT_EQ(db->object(db->dictionaryLookup(db->namedObjectDictionary(), "KEPT")), db->object(db->slotOf(0xD)));
    EXPECT_EQ(notesOf(report).find("not saved"), std::string::npos) << notesOf(report);
    std::string saved;
    writeDxfText(*db, saved);
    EXPECT_NE(saved.find("  3\r\nKEPT\r\n350\r\nD\r\n"), std::string::npos);
}

TEST(OtherLetters, StructureRecordsReadAsTheirCapitals)
{
    const std::string capitals =
        "0 SECTION 2 HEADER 9 $ACADVER 1 AC1015 0 ENDSEC\n"
        "0 SECTION 2 TABLES 0 TABLE 2 LAYER 5 2 100 AcDbSymbolTable 70 1\n"
        "0 LAYER 5 10 330 2 100 AcDbSymbolTableRecord 100 AcDbLayerTableRecord 2 Walls 70 0 62 1 6 Continuous\n"
        "0 ENDTAB 0 ENDSEC\n"
        "0 SECTION 2 BLOCKS 0 BLOCK 5 20 100 AcDbEntity 8 0 100 AcDbBlockBegin 2 B 70 0 10 0 20 0 30 0 3 B\n"
        "0 LINE 5 21 100 AcDbEntity 8 Walls 100 AcDbLine 10 0 20 0 30 0 11 1 21 1 31 0\n"
        "0 ENDBLK 5 22 100 AcDbEntity 8 0 100 AcDbBlockEnd 0 ENDSEC\n"
        "0 SECTION 2 ENTITIES 0 INSERT 5 30 100 AcDbEntity 8 0 100 AcDbBlockReference 2 B 10 0 20 0 30 0\n"
        "0 ENDSEC 0 EOF";
    std::string lower = capitals;
    for (const char* type : {"SECTION", "ENDSEC", "TABLE", "ENDTAB", "BLOCK", "ENDBLK", "EOF"}) {
        const std::string capital = std::string("0 ") + type + " ";
        std::string small = capital;
        for (char& c : small) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        for (size_t at = lower.find(capital); at != std::string::npos; at = lower.find(capital, at + 1))
            lower.replace(at, capital.size(), small);
    }
    ASSERT_EQ(lower.find("0 BLOCK "), std::string::npos);
    ReadReport asCapitals, asLower;
    auto expected = readOk(capitals + "\n", asCapitals);
    auto db = readOk(lower + "\n", asLower);
    ASSERT_TRUE(expected && db);
    EXPECT_EQ(notesOf(asLower), notesOf(asCapitals));
    std::string saved, savedExpected;
    writeDxfText(*db, saved);
    writeDxfText(*expected, savedExpected);
    EXPECT_EQ(saved, savedExpected);
}

TEST(OtherLetters, TheVersionInAnyLettersDecidesHowTextAndBinaryRead)
{
    const std::string text = dxfOfGroups("0 SECTION 2 HEADER 9 $AcadVer 1 AC1021 9 $DwgCodePage 3 ANSI_1252 0 ENDSEC\n"
                                         "0 SECTION 2 ENTITIES 0 TEXT 5 40 100 AcDbEntity 8 0 100 AcDbText\n"
                                         "10 0 20 0 30 0 40 1 1 Grüße 0 ENDSEC 0 EOF");
    std::string binary;
    ASSERT_TRUE(textToBinary(text, binary));
    // A comment first (code 999) leaves the code width to the version.
    const size_t sentinel = 22;
    std::string commented = binary.substr(0, sentinel) + "\xE7\x03" "by hand" + '\0' + binary.substr(sentinel);
    const std::pair<const char*, const std::string*> files[] = {
        {"text", &text}, {"binary", &binary}, {"binary with a comment first", &commented}};
    for (const auto& [kind, file] : files) {
        SCOPED_TRACE(kind);
        ReadReport report;
        auto db = readDxfText(*file, "version.dxf", report);
        ASSERT_TRUE(db) << report.error.text();
        EXPECT_EQ(report.version, "AC1021");
        const host::db::Object* label = db->object(db->slotOf(0x40));
        ASSERT_TRUE(label);
        EXPECT_EQ(host::db::groupText(*label, 1), "Grüße");
    }
    // A binary file whose sentinel lost its CR would have every group read
    // a byte off: it is refused as damaged.
    std::string damaged = binary;
    damaged.erase(damaged.find('\r'), 1);
    ReadReport report;
    EXPECT_FALSE(readDxfText(damaged, "damaged.dxf", report));
    EXPECT_EQ(report.error.text(), "damaged.dxf: the binary file's first line is damaged: \"AutoCAD Binary DXF\" is "
                                   "not followed by CR LF, 1A, 00");
}

// Section names, as the records of the structure: a writer in lower case
// names them so, and every section the host keeps must be read, not left
// out (a save over the file would lose it).  A table's name too.
TEST(OtherLetters, SectionNamesReadAsTheirCapitals)
{
    const std::string capitals =
        "0 SECTION 2 HEADER 9 $ACADVER 1 AC1015 9 $HANDSEED 5 100 0 ENDSEC\n"
        "0 SECTION 2 CLASSES 0 CLASS 1 MYCLASS 2 MyClass 3 MyApp 90 0 280 0 281 0 0 ENDSEC\n"
        "0 SECTION 2 TABLES 0 TABLE 2 LAYER 5 2 100 AcDbSymbolTable 70 1\n"
        "0 LAYER 5 10 330 2 100 AcDbSymbolTableRecord 100 AcDbLayerTableRecord 2 Walls 70 0 62 1 6 Continuous\n"
        "0 ENDTAB 0 ENDSEC\n"
        "0 SECTION 2 BLOCKS 0 BLOCK 5 20 100 AcDbEntity 8 0 100 AcDbBlockBegin 2 B 70 0 10 0 20 0 30 0 3 B\n"
        "0 LINE 5 21 100 AcDbEntity 8 Walls 100 AcDbLine 10 0 20 0 30 0 11 1 21 1 31 0\n"
        "0 ENDBLK 5 22 100 AcDbEntity 8 0 100 AcDbBlockEnd 0 ENDSEC\n"
        "0 SECTION 2 ENTITIES 0 INSERT 5 30 100 AcDbEntity 8 0 100 AcDbBlockReference 2 B 10 0 20 0 30 0\n"
        "0 LINE 5 31 100 AcDbEntity 8 Walls 100 AcDbLine 10 0 20 0 30 0 11 5 21 5 31 0 0 ENDSEC\n"
        "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 330 0 100 AcDbDictionary 3 KEPT 350 D\n"
        "0 XRECORD 5 D 330 C 100 AcDbXrecord 1 data 0 ENDSEC\n"
        "0 SECTION 2 THUMBNAILIMAGE 90 0 0 ENDSEC 0 EOF";
    std::string other = capitals;
    for (const auto& [name, spelled] : std::initializer_list<std::pair<std::string, std::string>>{
             {"SECTION 2 HEADER", "section 2 header"},
             {"SECTION 2 CLASSES", "SECTION 2 Classes"},
             {"SECTION 2 TABLES", "section 2 tables"},
             {"TABLE 2 LAYER", "table 2 layer"},
             {"SECTION 2 BLOCKS", "Section 2 Blocks"},
             {"SECTION 2 ENTITIES", "section 2 entities"},
             {"SECTION 2 OBJECTS", "section 2 objects"},
             {"SECTION 2 THUMBNAILIMAGE", "section 2 thumbnailImage"}}) {
        const size_t at = other.find(name);
        ASSERT_NE(at, std::string::npos) << name;
        other.replace(at, name.size(), spelled);
    }
    ReadReport asCapitals, asOther;
    auto expected = readOk(capitals + "\n", asCapitals);
    auto db = readOk(other + "\n", asOther);
    ASSERT_TRUE(expected && db);
    // Only the section the host does not keep is left out, named as spelled.
    const std::string left = "letters.dxf:206: section THUMBNAILIMAGE is not kept by the host and was left out\n";
    std::string notes = notesOf(asCapitals);
    ASSERT_NE(notes.find(left), std::string::npos) << notes;
    notes.replace(notes.find(left), left.size(),
                  "letters.dxf:206: section thumbnailImage is not kept by the host and was left out\n");
    EXPECT_EQ(notesOf(asOther), notes);
    EXPECT_EQ(db->headerText("$HANDSEED"), "100");
    ASSERT_FALSE(db->classes().empty());
    EXPECT_EQ(host::db::groupText(db->classes()[0], 1), "MYCLASS");
    const host::db::Block* model = db->block(db->modelSpace());
    ASSERT_TRUE(model);
    EXPECT_EQ(model->entities.size(), 2u);
    std::string saved, savedExpected;
    writeDxfText(*db, saved);
    writeDxfText(*expected, savedExpected);
    EXPECT_EQ(saved, savedExpected);
}
