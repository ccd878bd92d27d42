// Foreign drawings of every version and a large generated one read and
// written again, then checked by an independent reader: ezdxf's strict load
// and audit, the drawing checks of check_dxf.py, and a group-by-group
// comparison with the original.
#include "dxf/reader.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace host::dxf;
namespace fs = std::filesystem;

namespace {

std::unique_ptr<host::db::Database> readOrFail(const std::string& path)
{
    ReadReport report;
    auto db = readDxfFile(path, report);
    EXPECT_TRUE(db) << report.error.text();
    return db;
}

} // namespace

TEST(RoundTrip, SamplesKeepEverythingPassTheChecksAndReadBackTheSame)
{
    std::string failure;
    const std::vector<std::string> samples = sampleDrawings(failure);
    ASSERT_EQ(samples.size(), 7u) << failure;
    for (const std::string& source : samples) {
        const std::string sample = fs::path(source).filename();
        for (DxfVersion version : {DxfVersion::R2007, DxfVersion::R2000}) {
            auto db = readOrFail(source);
            ASSERT_TRUE(db);
            std::string out = outputPath(std::string(versionString(version)) + "_" + sample);
            std::string error;
            ASSERT_TRUE(writeDxfFile(*db, out, WriteOptions{version}, error)) << error;
            EXPECT_EQ(runChecks(out), "") << out;
            EXPECT_EQ(runCompare(source, out), "") << out;
        }
        // Our own output read again, with nothing to repair, gives the same
        // file: of R12 too, whose records it saved with their markers.
        auto db = readOrFail(source);
        ASSERT_TRUE(db);
        std::string first, second;
        writeDxfText(*db, first);
        ReadReport report;
        auto again = readDxfText(first, "first.dxf", report);
        ASSERT_TRUE(again) << report.error.text();
        EXPECT_TRUE(report.repairs.empty()) << report.repairs[0].text();
        writeDxfText(*again, second);
        EXPECT_EQ(first, second) << sample;
    }
}

TEST(RoundTrip, GeneratedDrawingOf50000Inserts)
{
    std::string source = outputPath("big_r2007.dxf");
    ASSERT_EQ(makeBigDrawing(source), "");
    auto db = readOrFail(source);
    ASSERT_TRUE(db);
    std::string out = outputPath("big_written.dxf");
    std::string error;
    ASSERT_TRUE(writeDxfFile(*db, out, WriteOptions{}, error)) << error;
    db.reset();
    EXPECT_EQ(runChecks(out), "");
    EXPECT_EQ(runCompare(source, out), "");
}
