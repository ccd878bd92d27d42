// Table entry counts past 16 bits: a table head's count is a hint, written
// within its 16-bit group and read back whatever it says.
#include "dxf/reader.h"
#include "dxf/writer.h"

#include "db/database.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace host;

namespace {

constexpr size_t kManyLayers = 33000;  // more than a signed 16-bit count holds

// A new drawing with kManyLayers more layers, copies of layer 0.
std::unique_ptr<db::Database> drawingWithManyLayers()
{
    auto db = db::Database::createDefault();
    const db::Object* zero = db->object(db->findRecord(db::Table::Layer, "0"));
    EXPECT_TRUE(zero);
    if (!zero) return db;
    db::Object model = *zero;
    for (size_t i = 0; i < kManyLayers; ++i) {
        db::Object layer = model;
        layer.handle = 0;
        if (db::Group* name = db::findGroup(layer, 2)) *name = db::Group::text(2, "L" + std::to_string(i));
        db::Slot slot = db->add(std::move(layer));
        EXPECT_TRUE(db->addRecord(db::Table::Layer, slot));
    }
    return db;
}

// The drawing as DXF text, with plain line ends.
std::string dxfText(db::Database& db)
{
    std::string text;
    dxf::writeDxfText(db, text);
    std::erase(text, '\r');
    return text;
}

// The value line of the first group `code` after `from` in DXF text.
std::string valueAfter(const std::string& text, size_t from, const std::string& code)
{
    size_t at = text.find("\n" + code + "\n", from);
    if (at == std::string::npos) return "";
    at += code.size() + 2;
    return text.substr(at, text.find('\n', at) - at);
}

} // namespace

TEST(TableCount, LargeTablesWriteTheirCountWithinSixteenBitsAndReadBackWhole)
{
    auto db = drawingWithManyLayers();
    const size_t layers = db->records(db::Table::Layer).size();
    std::string text = dxfText(*db);
    size_t head = text.find("\nTABLE\n  2\nLAYER\n");
    ASSERT_NE(head, std::string::npos);
    EXPECT_EQ(valueAfter(text, head, " 70"), "32767");

    dxf::ReadReport report;
    auto again = dxf::readDxfText(text, "many.dxf", report);
    ASSERT_TRUE(again) << report.error.text();
    EXPECT_EQ(again->records(db::Table::Layer).size(), layers);
}

TEST(TableCount, CountsPastSixteenBitsAreReadAsHints)
{
    auto db = db::Database::createDefault();
    std::string text = dxfText(*db);
    for (const char* table : {"BLOCK_RECORD", "DIMSTYLE"}) {
        size_t head = text.find(std::string("\nTABLE\n  2\n") + table + "\n");
        ASSERT_NE(head, std::string::npos) << table;
        size_t count = text.find("\n 70\n", head) + 5;
        text.replace(count, text.find('\n', count) - count, "100002");
    }
    dxf::ReadReport report;
    auto again = dxf::readDxfText(text, "counted.dxf", report);
    ASSERT_TRUE(again) << report.error.text();
    EXPECT_EQ(again->records(db::Table::BlockRecord).size(), db->records(db::Table::BlockRecord).size());

    // Elsewhere a 70 group still holds a 16-bit integer.
    size_t layer = text.find("\n  0\nLAYER\n");
    ASSERT_NE(layer, std::string::npos);
    size_t flags = text.find("\n 70\n", layer) + 5;
    text.replace(flags, text.find('\n', flags) - flags, "100002");
    EXPECT_FALSE(dxf::readDxfText(text, "counted.dxf", report));
    EXPECT_NE(report.error.text().find("must hold a 16-bit integer"), std::string::npos) << report.error.text();
}
