// Files of a few KB whose blocks would expand to billions of entities, or
// nest deeper than any call stack, and curves at angles too large to step
// through: each opens, takes a pick and a window, and saves, with the
// saved extents those of what is drawn.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "db/drawn_shapes.h"
#include "dxf/reader.h"
#include "dxf/writer.h"
#include "test_support.h"

using namespace host;

namespace {

std::string named(char letter, int number) {
    std::string name(1, letter);
    name += std::to_string(number);
    return name;
}

std::string blockOf(const std::string& name, const std::string& body) {
    return "0\nBLOCK\n8\n0\n2\n" + name + "\n70\n0\n10\n0\n20\n0\n30\n0\n" + body + "0\nENDBLK\n8\n0\n";
}

std::string insertOf(const std::string& name, double x) {
    return "0\nINSERT\n8\n0\n2\n" + name + "\n10\n" + std::to_string(x) + "\n20\n0\n30\n0\n";
}

const char* kLine = "0\nLINE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n10\n21\n0\n31\n0\n";

std::string drawing(const std::string& blocks, const std::string& entities) {
    return "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1021\n0\nENDSEC\n0\nSECTION\n2\nBLOCKS\n" + blocks +
           "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" + entities + "0\nENDSEC\n0\nEOF\n";
}

// Blocks 0 to levels - 1, each placing the one below `copies` times, the
// first at `shift`, each next `step` further on (the step doubling per
// level when `doubling`).
std::string nested(int levels, int copies, double shift, double step, bool doubling) {
    std::string blocks = blockOf(named('B', 0), kLine);
    for (int level = 1; level < levels; ++level) {
        std::string body;
        for (int k = 0; k < copies; ++k) body += insertOf(named('B', level - 1), shift + k * step);
        blocks += blockOf(named('B', level), body);
        if (doubling) step *= 2;
    }
    return drawing(blocks, insertOf(named('B', levels - 1), 0));
}

TEST(NestedBlocksFile, HostileNestingAndAnglesOpenSelectAndSave) {
    const double deep = 20 * std::ldexp(1.0, 29);  // the 30-deep block's width
    struct Case {
        const char* name;
        std::string text;
        double onX, onY;           // a point on what is drawn
        double minX, maxX, maxY;   // the saved extents (y from -maxY)
        bool exact;                // else the extents lie within these
    };
    const Case cases[] = {
        {"30 deep, twice each", nested(30, 2, 0, 20, true), deep - 15, 0, 0, deep - 10, 0, true},
        {"chain of 60,000", nested(60000, 1, 1, 0, false), 60004, 0, 59999, 60009, 0, true},
        {"arc at 1e20 degrees", drawing("", "0\nARC\n8\n0\n10\n0\n20\n0\n30\n0\n40\n5\n50\n1e20\n51\n90\n"), 0, 5,
         -5, 5, 5, false},
        // Start and end alike: all round.
        {"ellipse at 1e20 in a block",
         drawing(blockOf("E", "0\nELLIPSE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n5\n21\n0\n31\n0\n40\n1\n41\n1e20\n42\n1e20\n"),
                 insertOf("E", 0)),
         5, 0, -5, 5, 5, true},
    };
    for (const Case& c : cases) {
        dxf::ReadReport report;
        std::unique_ptr<db::Database> db = dxf::readDxfText(c.text, c.name, report);
        ASSERT_TRUE(db) << c.name << ": " << report.error.message;
        db::Slot drawn = db->block(db->modelSpace())->entities.front();
        EXPECT_EQ(db::pick(*db, c.onX, c.onY, 1), drawn) << c.name;
        EXPECT_EQ(db::pick(*db, c.minX - 100, 0, 1), db::kNoSlot) << c.name;
        std::vector<db::Slot> held = db::selectWindow(*db, c.minX - 1, -c.maxY - 1, c.maxX + 1, c.maxY + 1, false);
        EXPECT_EQ(held, std::vector<db::Slot>{drawn}) << c.name;
        std::string saved;
        dxf::writeDxfText(*db, saved);
        double x0 = NAN, y0 = NAN, x1 = NAN, y1 = NAN;
        ASSERT_TRUE(headerPoint(saved, "$EXTMIN", x0, y0) && headerPoint(saved, "$EXTMAX", x1, y1)) << c.name;
        if (c.exact) {
            EXPECT_NEAR(x0, c.minX, 1e-6) << c.name;
            EXPECT_NEAR(x1, c.maxX, 1e-6) << c.name;
        } else {
            EXPECT_TRUE(x0 >= c.minX - 1e-6 && x0 <= x1 && x1 <= c.maxX + 1e-6) << c.name << ": " << x0 << " " << x1;
        }
        EXPECT_LE(std::fabs(y0), c.maxY + 1e-6) << c.name;
        EXPECT_LE(std::fabs(y1), c.maxY + 1e-6) << c.name;
    }
}

} // namespace
