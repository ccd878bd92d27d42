// An INSERT's groups in whatever order a writer gave them, its insertion
// point, scales or rotation left out: held in the host's order with all of
// them, saved so, and a drawing already in that order saved as it came.
#include "db/object.h"
#include "dxf/reader.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

using namespace host::dxf;
using host::db::Group;

namespace {

constexpr host::db::Handle kInsertHandle = 0x20;

// A drawing with block B and one INSERT of it: the insert's groups after
// its layer are `body` (R12 when it has no markers).
std::string drawingWith(const std::string& body)
{
    return std::string("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  0\nENDSEC\n") +
           "  0\nSECTION\n  2\nBLOCKS\n  0\nBLOCK\n  8\n0\n  2\nB\n 70\n0\n 10\n0\n 20\n0\n 30\n0\n"
           "  0\nLINE\n  8\n0\n 10\n0\n 20\n0\n 30\n0\n 11\n1\n 21\n1\n 31\n0\n  0\nENDBLK\n  8\n0\n"
           "  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n  0\nINSERT\n  5\n20\n" +
           (body.find("100\n") == std::string::npos ? "  8\n0\n" : "100\nAcDbEntity\n  8\n0\n") + body +
           "1001\nACAD\n1000\nx\n  0\nENDSEC\n  0\nEOF\n";
}

// The insert's body as "code" items, with the values of the point, the
// scales and the rotation.
std::string heldBody(const host::db::Object& insert)
{
    std::string held;
    char value[64];
    for (size_t i = 0; i < host::db::xdataBegin(insert); ++i) {
        const Group& g = insert.groups[i];
        held += std::to_string(g.code());
        if (g.code() == 10) {
            std::snprintf(value, sizeof value, "=%g,%g,%g", g.asPoint()[0], g.asPoint()[1], g.asPoint()[2]);
            held += value;
        } else if (g.code() >= 41 && g.code() <= 50) {
            std::snprintf(value, sizeof value, "=%g", g.asReal());
            held += value;
        }
        held += " ";
    }
    return held;
}

const char kMarkers[] = "100\nAcDbBlockReference\n";

} // namespace

TEST(InsertOrder, GroupsInAnyOrderAreHeldInTheHostsOrder)
{
    const struct {
        const char* name;
        const char* given;  // after the layer
        const char* held;
    } cases[] = {
        {"rotation before the scales", "100\nAcDbBlockReference\n  2\nB\n 10\n1\n 20\n2\n 30\n3\n 50\n30\n 41\n2\n 42\n3\n 43\n4\n",
         "100 8 100 2 10=1,2,3 41=2 42=3 43=4 50=30 "},
        {"x scale after the extrusion",
         "100\nAcDbBlockReference\n  2\nB\n 10\n1\n 20\n2\n 30\n3\n 42\n3\n 43\n4\n 50\n30\n210\n0\n220\n0\n230\n1\n 41\n-2\n",
         "100 8 100 2 10=1,2,3 41=-2 42=3 43=4 50=30 210 "},
        {"no insertion point", "100\nAcDbBlockReference\n  2\nB\n 41\n2\n 42\n3\n 43\n4\n 50\n30\n",
         "100 8 100 2 10=0,0,0 41=2 42=3 43=4 50=30 "},
        {"name last, nothing else", "100\nAcDbBlockReference\n 70\n2\n  2\nB\n",
         "100 8 100 2 10=0,0,0 41=1 42=1 43=1 50=0 70 "},
        {"R12, no insertion point", " 50\n30\n  2\nB\n",
         "100 8 100 2 10=0,0,0 41=1 42=1 43=1 50=30 70 71 44=0 45=0 210 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReadReport report;
        auto db = readDxfText(drawingWith(c.given), "order.dxf", report);
        ASSERT_TRUE(db) << report.error.text();
        const host::db::Object* insert = db->object(db->slotOf(kInsertHandle));
        ASSERT_NE(insert, nullptr);
        EXPECT_EQ(heldBody(*insert), c.held);
        // Its XDATA stays behind the body.
        EXPECT_EQ(insert->groups.back().asText(), "x");
    }
}

TEST(InsertOrder, SavedInTheHostsOrderAndAsItCameWhenItWasSo)
{
    const std::string others = drawingWith(std::string(kMarkers) + "  2\nB\n 50\n30\n 43\n4\n 10\n1\n 20\n2\n 30\n3\n"
                                           "210\n0\n220\n0\n230\n1\n 42\n3\n 41\n2\n");
    ReadReport report;
    auto db = readDxfText(others, "others.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    std::string saved;
    writeDxfText(*db, saved);
    const std::string path = outputPath("insert_order.dxf");
    std::ofstream(path, std::ios::binary) << saved;
    EXPECT_EQ(runChecks(path), "");

    // The saved drawing is in the host's order: read again, it saves the same.
    auto again = readDxfText(saved, "saved.dxf", report);
    ASSERT_TRUE(again) << report.error.text();
    EXPECT_EQ(heldBody(*again->object(again->slotOf(kInsertHandle))),
              "100 8 100 2 10=1,2,3 41=2 42=3 43=4 50=30 210 ");
    std::string savedAgain;
    writeDxfText(*again, savedAgain);
    EXPECT_EQ(savedAgain, saved);
}
