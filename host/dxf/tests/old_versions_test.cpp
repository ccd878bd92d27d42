// Files of R12 (AC1009): handles on some records or none, no owners, no
// subclass markers, text in a code page.  They are read and saved as R2007 that strict readers accept.
#include "dxf/reader.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

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
