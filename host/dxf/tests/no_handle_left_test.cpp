// Drawings that hold the handle FFFFFFFFFFFFFFFF can take no new object: one
// that needs an object added to be complete is refused on opening, and a
// save that would need one is refused, naming the file and what is missing,
// without a crash and without touching the old file.
#include "dxf/reader.h"

#include "dxf/file_io.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace host::dxf;

namespace {

const std::string kTop = "FFFFFFFFFFFFFFFF";
const std::string kNoneLeft = ", and no handle is left above FFFFFFFFFFFFFFFF";

// A complete drawing as the host saves it, with `entities` (groups as
// dxfOfGroups reads them) added at the end of its ENTITIES section.
std::string completeWith(const std::string& entities)
{
    ReadReport report;
    auto db = readDxfText(dxfOfGroups("0 SECTION 2 ENTITIES 0 ENDSEC 0 EOF"), "new.dxf", report);
    EXPECT_TRUE(db) << report.error.text();
    std::string text;
    if (!db) return text;
    writeDxfText(*db, text);
    size_t entitiesAt = text.find("ENTITIES\r\n");
    size_t end = text.find("  0\r\nENDSEC\r\n", entitiesAt);
    EXPECT_NE(end, std::string::npos);
    return text.substr(0, end) + dxfOfGroups(entities) + text.substr(end);
}

// A line of the top handle on that layer.
std::string topLine(const std::string& layer)
{
    return "0 LINE 5 " + kTop + " 100 AcDbEntity 8 " + layer + " 100 AcDbLine 10 0 20 0 30 0 11 1 21 1 31 0";
}

} // namespace

TEST(NoHandleLeft, ADrawingThatNeedsAnObjectAddedIsRefused)
{
    struct Case {
        const char* name;
        std::string text;
        std::string error;
    };
    const Case cases[] = {
        {"bare", dxfOfGroups("0 SECTION 2 ENTITIES 0 LINE 5 " + kTop + " 8 0 10 0 20 0 30 0 11 1 21 1 31 0 0 ENDSEC 0 EOF"),
         "the drawing needs the table VPORT added"},
        {"layer", completeWith(topLine("NEW")), "the drawing needs LAYER NEW added"},
        {"seqend",
         completeWith("0 POLYLINE 5 FFFFFFFFFFFFFFFE 100 AcDbEntity 8 0 100 AcDb2dPolyline 66 1 10 0 20 0 30 0 "
                      "0 VERTEX 5 " + kTop + " 100 AcDbEntity 8 0 100 AcDbVertex 100 AcDb2dVertex 10 0 20 0 30 0"),
         "the drawing needs a SEQEND to close POLYLINE FFFFFFFFFFFFFFFE added"},
        {"dimension_block",
         completeWith("0 DIMENSION 5 " + kTop + " 100 AcDbEntity 8 0 100 AcDbDimension 10 0 20 0 30 0 70 0"),
         "the drawing needs a block for DIMENSION FFFFFFFFFFFFFFFF added"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReadReport report;
        const std::string name = std::string(c.name) + ".dxf";
        EXPECT_FALSE(readDxfText(c.text, name, report));
        EXPECT_EQ(report.error.text(), name + ": " + c.error + kNoneLeft);
    }
    // Complete as it is, the same drawing opens.
    ReadReport report;
    EXPECT_TRUE(readDxfText(completeWith(topLine("0")), "complete.dxf", report)) << report.error.text();
}

TEST(NoHandleLeft, ASaveThatWouldNeedAnObjectAddedIsRefusedAndKeepsTheOldFile)
{
    ReadReport report;
    auto db = readDxfText(completeWith(topLine("0")), "full.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    // The line is moved to a layer the drawing has no record of.
    host::db::Object* line = db->object(db->slotOf(~host::db::Handle{0}));
    ASSERT_TRUE(line);
    *host::db::findGroup(*line, 8) = host::db::Group::text(8, "NEW");
    const std::string why = "the drawing cannot be saved: the drawing needs LAYER NEW added" + kNoneLeft;
    for (bool binary : {false, true}) {
        SCOPED_TRACE(binary ? "binary" : "text");
        std::string path = outputPath(binary ? "no_handle_left_binary.dxf" : "no_handle_left.dxf"), error, kept;
        ASSERT_TRUE(writeFileAtomically(path, "old", error)) << error;
        EXPECT_FALSE(writeDxfFile(*db, path, WriteOptions{DxfVersion::R2007, binary}, error));
        EXPECT_EQ(error, path + ": " + why);
        ASSERT_TRUE(readWholeFile(path, kept, error)) << error;
        EXPECT_EQ(kept, "old");
    }
    std::string text = "stale", error;
    EXPECT_FALSE(writeDxfText(*db, text, {}, nullptr, &error));
    EXPECT_EQ(text, "");
    EXPECT_EQ(error, why);
}
