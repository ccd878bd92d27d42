// Damaged drawings that still read: each damage is repaired on reading with
// a note (or the file is refused), and what was read saves as a drawing that
// the drawing checks pass and that reads back.  The damage is made here in
// the text of the R2007 sample that ezdxf writes.
#include "dxf/reader.h"

#include "dxf/writer.h"

#include <gtest/gtest.h>


using namespace host::dxf;

TEST(DamagedSave, ExtentsThatOverflowAreNotWritten)
{
    // The header keeps the empty drawing's extents rather than infinities.
    std::string text = "  0\nSECTION\n  2\nENTITIES\n  0\nCIRCLE\n  8\n0\n 10\n1e308\n 20\n-1e308\n 30\n0.0\n"
                       " 40\n1e308\n  0\nENDSEC\n  0\nEOF\n";
    ReadReport report;
    auto db = readDxfText(text, "far.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    std::string written;
    writeDxfText(*db, written);
    EXPECT_EQ(written.find("inf"), std::string::npos);
    EXPECT_NE(written.find("$EXTMIN\r\n 10\r\n1e+20\r\n"), std::string::npos);
    ReadReport again;
    EXPECT_TRUE(readDxfText(written, "written.dxf", again)) << again.error.text();
}
