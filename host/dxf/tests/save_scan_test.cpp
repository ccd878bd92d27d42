// What a save works out by going through the whole drawing on several
// threads: the extents it writes as $EXTMIN and $EXTMAX, and the anonymous
// blocks still in use (model space is looked through in pieces of 4,096
// entities).  Each drawing is saved to a file as a user's save is.
#include "dxf/reader.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

using namespace host;

namespace {

std::string entitiesDrawing(const std::string& blocks, const std::string& entities)
{
    return "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1021\n0\nENDSEC\n0\nSECTION\n2\nBLOCKS\n" + blocks +
           "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" + entities + "0\nENDSEC\n0\nEOF\n";
}

std::string blockOf(const std::string& name, const std::string& body)
{
    return "0\nBLOCK\n8\n0\n2\n" + name + "\n70\n" + (name[0] == '*' ? "1" : "0") + "\n10\n0\n20\n0\n30\n0\n" +
           body + "0\nENDBLK\n8\n0\n";
}

std::string lineOf(double x0, double x1)
{
    return "0\nLINE\n8\n0\n10\n" + std::to_string(x0) + "\n20\n0\n30\n0\n11\n" + std::to_string(x1) +
           "\n21\n0\n31\n0\n";
}

std::string insertOf(const std::string& name) { return "0\nINSERT\n8\n0\n2\n" + name + "\n10\n0\n20\n0\n30\n0\n"; }

struct Saved {
    std::string text;
    std::vector<dxf::Diagnostic> notes;
};

// The drawing read from `text` and saved to a file named `name`, which
// passes the drawing checks.
Saved readAndSave(const std::string& text, const std::string& name)
{
    dxf::ReadReport report;
    std::unique_ptr<db::Database> db = dxf::readDxfText(text, name, report);
    EXPECT_TRUE(db) << report.error.text();
    Saved saved;
    if (!db) return saved;
    std::string path = outputPath(name), error;
    EXPECT_TRUE(dxf::writeDxfFile(*db, path, {}, error, &saved.notes)) << error;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    saved.text = all.str();
    EXPECT_EQ(runChecks(path), "") << path;
    return saved;
}

TEST(SaveScan, AnEntityThatOverflowsIsLeftOutOfTheExtentsAndTold)
{
    const std::string circle = "0\nCIRCLE\n5\n2A\n8\n0\n10\n1.7e308\n20\n0\n30\n0\n40\n1e308\n";
    const std::string minsert = "0\nINSERT\n5\n2B\n8\n0\n2\nB\n10\n0\n20\n0\n30\n0\n70\n32767\n44\n1e305\n";
    const std::string block = blockOf("B", lineOf(0, 1));
    struct Case {
        const char* name;
        std::string text;
        const char* note;  // "" when none
    };
    const Case cases[] = {
        {"circle", entitiesDrawing(block, lineOf(0, 10) + circle), "leave out CIRCLE 2A: its numbers overflow"},
        {"minsert", entitiesDrawing(block, minsert + lineOf(0, 10)), "leave out INSERT 2B: its numbers overflow"},
        {"both", entitiesDrawing(block, circle + lineOf(0, 10) + minsert),
         "leave out 2 entities whose numbers overflow when drawn, the first CIRCLE 2A"},
        {"neither", entitiesDrawing(block, lineOf(0, 10)), ""},
        // A block holding such a circle beside a line of its own: its
        // insert is left out whole, never taken by the part that fits.
        {"in a block",
         entitiesDrawing(blockOf("C", lineOf(0, 5) + "0\nCIRCLE\n8\n0\n10\n1.7e308\n20\n0\n30\n0\n40\n1e308\n"),
                         lineOf(0, 10) + "0\nINSERT\n5\n2C\n8\n0\n2\nC\n10\n0\n20\n0\n30\n0\n"),
         "leave out INSERT 2C: its numbers overflow"},
    };
    for (const Case& c : cases) {
        Saved saved = readAndSave(c.text, std::string("overflow_") + c.name + ".dxf");
        double x0 = NAN, y0 = NAN, x1 = NAN, y1 = NAN;
        ASSERT_TRUE(headerPoint(saved.text, "$EXTMIN", x0, y0) && headerPoint(saved.text, "$EXTMAX", x1, y1))
            << c.name;
        EXPECT_EQ(x0, 0) << c.name;
        EXPECT_EQ(x1, 10) << c.name;
        EXPECT_EQ(y0, 0) << c.name;
        EXPECT_EQ(y1, 0) << c.name;
        if (*c.note == 0) {
            EXPECT_TRUE(saved.notes.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(saved.notes.size(), 1u) << c.name;
        const std::string text = saved.notes[0].text();
        EXPECT_NE(text.find(outputPath(std::string("overflow_") + c.name + ".dxf") + ": $EXTMIN and $EXTMAX"),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find(c.note), std::string::npos) << text;
    }
}

// An insert's attribute stands in the insert's space: far from its block,
// it widens the extents.
TEST(SaveScan, AnInsertsAttributesCountInTheExtents)
{
    const std::string block = blockOf("A", lineOf(0, 10) + "0\nATTDEF\n8\n0\n10\n0\n20\n0\n30\n0\n40\n10\n1\n\n"
                                                          "3\nNUMBER?\n2\nNUMBER\n70\n0\n");
    const std::string insert = "0\nINSERT\n5\n30\n8\n0\n66\n1\n2\nA\n10\n0\n20\n0\n30\n0\n"
                               "0\nATTRIB\n5\n31\n330\n30\n8\n0\n10\n500\n20\n500\n30\n0\n40\n10\n1\n1234567\n"
                               "2\nNUMBER\n70\n0\n0\nSEQEND\n5\n32\n330\n30\n8\n0\n";
    Saved saved = readAndSave(entitiesDrawing(block, insert), "attribute_extents.dxf");
    double x0 = NAN, y0 = NAN, x1 = NAN, y1 = NAN;
    ASSERT_TRUE(headerPoint(saved.text, "$EXTMIN", x0, y0) && headerPoint(saved.text, "$EXTMAX", x1, y1));
    EXPECT_EQ(x0, 0);
    EXPECT_EQ(y0, 0);
    EXPECT_EQ(x1, 570);
    EXPECT_EQ(y1, 510);
}

// Anonymous blocks that nothing inserts are left out of the file; one
// inserted only from the second piece of a long model space, only from
// the first, or from both, is kept, and so are those it uses in turn.  A
// block used by two long blocks is kept when the one left out gives up
// its use.
TEST(SaveScan, ABlockNamedInAnyPieceOfALongListIsKept)
{
    constexpr int kPiece = 4096;
    std::string lines;
    for (int i = 2; i < kPiece + 10; ++i) lines += lineOf(i, i + 1);
    std::string blocks = blockOf("*U1", lineOf(0, 1)) + blockOf("*U2", lineOf(0, 2)) +
                         blockOf("*U3", lineOf(0, 3)) + blockOf("*U4", insertOf("*U5")) +
                         blockOf("*U5", lineOf(0, 5)) + blockOf("*U6", lineOf(0, 6)) +
                         blockOf("*U8", insertOf("*U6") + lines) + blockOf("LONG", lines + insertOf("*U6")) +
                         blockOf("*U9", lineOf(0, 9));
    std::string entities = insertOf("*U1") + insertOf("*U3") + lines + insertOf("*U2") + insertOf("*U3") +
                           insertOf("*U4");
    Saved saved = readAndSave(entitiesDrawing(blocks, entities), "pieces.dxf");
    auto written = [&](const std::string& name) {
        return saved.text.find("AcDbBlockBegin\r\n  2\r\n" + name + "\r\n") != std::string::npos;
    };
    for (const char* kept : {"*U1", "*U2", "*U3", "*U4", "*U5", "*U6", "LONG"}) EXPECT_TRUE(written(kept)) << kept;
    EXPECT_FALSE(written("*U8"));
    EXPECT_FALSE(written("*U9"));
}

} // namespace
