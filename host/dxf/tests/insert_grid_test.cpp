// INSERT column and row counts: stored and written as at least 1, whatever
// was given (other readers draw nothing of a block inserted 0 times), with
// a spacing written only where its count is above 1.  The scales and the
// rotation a writer left out at their defaults are held all the same.
#include "db/canonical.h"
#include "dxf/reader.h"
#include "dxf/writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using namespace host::dxf;
using host::db::Group;
using host::db::GroupList;

namespace {

int64_t intOf(const GroupList& groups, int code)
{
    for (const Group& g : groups)
        if (g.code() == code) return g.asInt();
    return -1;
}

// The groups of the first INSERT in DXF text, as "code=value" items.
std::string insertGroups(const std::string& text)
{
    size_t at = text.find("\nINSERT\n");
    size_t end = text.find("\n  0\n", at + 1);
    std::string out;
    for (size_t line = text.find('\n', at + 1) + 1; line < end;) {
        size_t codeEnd = text.find('\n', line);
        size_t valueEnd = text.find('\n', codeEnd + 1);
        std::string code = text.substr(line, codeEnd - line);
        code.erase(0, code.find_first_not_of(' '));
        if (code == "70" || code == "71" || code == "44" || code == "45")
            out += code + "=" + text.substr(codeEnd + 1, valueEnd - codeEnd - 1) + " ";
        line = valueEnd + 1;
    }
    return out;
}

} // namespace

TEST(InsertGrid, CountsAreStoredAsAtLeastOne)
{
    std::string error;
    GroupList body;
    const struct {
        GroupList given;
        int64_t columns, rows;
    } cases[] = {
        {{Group::text(2, "B"), Group::point(10, 0, 0, 0)}, 1, 1},
        {{Group::text(2, "B"), Group::point(10, 0, 0, 0), Group::integer(70, 0), Group::integer(71, -3)}, 1, 1},
        {{Group::text(2, "B"), Group::point(10, 0, 0, 0), Group::integer(70, 4), Group::integer(71, 2)}, 4, 2},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(host::db::canonicalBody("INSERT", c.given, body, error)) << error;
        EXPECT_EQ(intOf(body, 70), c.columns);
        EXPECT_EQ(intOf(body, 71), c.rows);
    }
}

TEST(InsertGrid, FileHoldsCountsOfAtLeastOneAndOnlyMeaningfulSpacings)
{
    const struct {
        const char* counts;  // the file's groups after the insertion point
        const char* written;
    } cases[] = {
        {" 70\n0\n 71\n0\n 44\n0.0\n 45\n0.0\n", "70=1 71=1 "},
        {"", "70=1 71=1 "},
        {" 70\n3\n 71\n1\n 44\n10.0\n 45\n20.0\n", "70=3 71=1 44=10.0 "},
        {" 70\n1\n 71\n2\n 44\n10.0\n 45\n20.0\n", "70=1 71=2 45=20.0 "},
    };
    for (const auto& c : cases) {
        std::string text = std::string("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  0\nENDSEC\n") +
                           "  0\nSECTION\n  2\nBLOCKS\n  0\nBLOCK\n  8\n0\n  2\nB\n 70\n0\n 10\n0\n 20\n0\n 30\n0\n"
                           "  0\nLINE\n  8\n0\n 10\n0\n 20\n0\n 30\n0\n 11\n1\n 21\n1\n 31\n0\n  0\nENDBLK\n  8\n0\n"
                           "  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n  0\nINSERT\n  8\n0\n  2\nB\n 10\n0\n 20\n0\n"
                           " 30\n0\n" + c.counts + "  0\nENDSEC\n  0\nEOF\n";
        ReadReport report;
        auto db = readDxfText(text, "grid.dxf", report);
        ASSERT_TRUE(db) << report.error.text();
        std::string written;
        writeDxfText(*db, written);
        written.erase(std::remove(written.begin(), written.end(), '\r'), written.end());
        EXPECT_EQ(insertGroups(written), c.written) << c.counts;
    }
}

TEST(InsertGrid, ScalesAndRotationLeftOutAreHeldInTheirPlace)
{
    const struct {
        const char* given;  // the file's groups after the insertion point
        const char* held;
    } cases[] = {
        {"", "10 41=1 42=1 43=1 50=0 "},
        {" 50\n30.0\n", "10 41=1 42=1 43=1 50=30 "},
        {" 42\n2.0\n 70\n1\n", "10 41=1 42=2 43=1 50=0 70 "},
        {" 41\n-1.0\n 42\n2.0\n 43\n3.0\n 50\n45.0\n", "10 41=-1 42=2 43=3 50=45 "},
    };
    for (const auto& c : cases) {
        std::string text = std::string("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  0\nENDSEC\n") +
                           "  0\nSECTION\n  2\nENTITIES\n  0\nINSERT\n  5\n20\n100\nAcDbEntity\n  8\n0\n"
                           "100\nAcDbBlockReference\n  2\n*MODEL_SPACE\n 10\n0\n 20\n0\n 30\n0\n" +
                           c.given + "1001\nACAD\n1000\nx\n  0\nENDSEC\n  0\nEOF\n";
        ReadReport report;
        auto db = readDxfText(text, "insert.dxf", report);
        ASSERT_TRUE(db) << report.error.text();
        const host::db::Object* insert = db->object(db->slotOf(0x20));
        ASSERT_NE(insert, nullptr);
        std::string held;
        for (const Group& g : insert->groups) {
            if (g.code() < 10 || g.code() >= 100) continue;
            held += std::to_string(g.code());
            if (g.code() >= 41 && g.code() <= 50) {
                char value[32];
                std::snprintf(value, sizeof value, "=%g", g.asReal());
                held += value;
            }
            held += " ";
        }
        EXPECT_EQ(held, c.held) << c.given;
    }
}
