// Damaged and inconsistent files: each damage stops the read with a message
// naming the file and the line; what an audit would repair is repaired and
// reported.
#include "dxf/reader.h"

#include "dxf/file_io.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

using namespace host::dxf;

namespace {

// The R2007 sample ezdxf wrote: the damage below is made in its text.
std::string sample()
{
    std::string text, error;
    readWholeFile(sampleDrawing("R2007"), text, error);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// The value line after the first `needle` ("" when missing).
std::string valueAfter(const std::string& text, const std::string& needle)
{
    size_t at = text.find(needle);
    if (at == std::string::npos) return "";
    at += needle.size();
    return text.substr(at, text.find('\n', at) - at);
}

// The n-th (from 0) record of a kind: its head "KIND\n  5\n<handle>\n", its
// handle and its owner, the value of the 330 group right after.
struct RecordHead {
    std::string head, owner, handle;
};

RecordHead recordHead(const std::string& text, const std::string& kind, int n)
{
    const std::string start = "  0\n" + kind + "\n  5\n";
    size_t at = 0;
    for (int i = 0; i <= n && at != std::string::npos; ++i) at = text.find(start, i ? at + 1 : 0);
    if (at == std::string::npos) return {};
    const std::string rest = text.substr(at);
    const std::string handle = valueAfter(rest, start);
    const std::string head = kind + "\n  5\n" + handle + "\n";
    return {head, valueAfter(rest, head + "330\n"), handle};
}

// 1-based line of the first occurrence of `needle`.
uint32_t lineOf(const std::string& text, const std::string& needle)
{
    size_t at = text.find(needle);
    return at == std::string::npos ? 0 : 1 + static_cast<uint32_t>(std::count(text.begin(), text.begin() + at, '\n'));
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

std::string readError(const std::string& text)
{
    ReadReport report;
    auto db = readDxfText(text, "bad.dxf", report);
    EXPECT_FALSE(db);
    return report.error.text();
}

} // namespace

TEST(DamagedFile, EachDamageNamesFileLineAndCause)
{
    const std::string good = sample();
    ASSERT_FALSE(good.empty());
    // The first two lines of a block.
    const RecordHead line41 = recordHead(good, "LINE", 1);
    ASSERT_FALSE(line41.owner.empty());

    // Truncated in the middle of the ENTITIES section.
    std::string truncated = good.substr(0, good.find("  0\nDIMENSION"));
    EXPECT_EQ(readError(truncated), "bad.dxf:" + std::to_string(std::count(truncated.begin(), truncated.end(), '\n')) +
                                        ": the file ends inside the ENTITIES section: it is truncated");
    // Cut after a group code.
    std::string cut = good.substr(0, good.find("\n$HANDSEED") + 1) + "$HANDSEED\n  5\n";
    EXPECT_EQ(readError(cut), "bad.dxf:" + std::to_string(lineOf(cut, "$HANDSEED") + 1) +
                                  ": file ends after group code 5 without its value");
    // No EOF at the end.
    std::string noEof = good.substr(0, good.rfind("  0\nEOF"));
    EXPECT_EQ(readError(noEof), "bad.dxf:" + std::to_string(std::count(noEof.begin(), noEof.end(), '\n')) +
                                    ": the file ends without EOF: it is truncated");
    std::string code = replaced(good, line41.head + "330", line41.head + "33O");
    EXPECT_EQ(readError(code), "bad.dxf:" + std::to_string(lineOf(good, line41.head) + 3) +
                                   ": group code is not a number: \"33O\"");
    const std::string owned = line41.head + "330\n" + line41.owner + "\n";
    std::string type = replaced(good, owned, owned + " 62\nred\n");
    EXPECT_EQ(readError(type), "bad.dxf:" + std::to_string(lineOf(good, line41.head) + 6) +
                                   ": group 62 must hold a 16-bit integer, not \"red\"");
    EXPECT_EQ(readError("  0\nLINE\n  5\n1\n"), "bad.dxf:2: this is not a DXF file: it does not start with a SECTION");
    EXPECT_EQ(readError(""), "bad.dxf: the file is empty or holds no DXF groups");
    EXPECT_EQ(readError(std::string("AutoCAD Binary DXF\r\n\x1a\0", 22)),
              "bad.dxf: the file is empty or holds no DXF groups");
}

TEST(DamagedFile, BinaryFileCutShortIsReportedWithItsOffset)
{
    const std::string sentinel("AutoCAD Binary DXF\r\n\x1a\0", 22);
    struct Case {
        std::string tail;
        std::string error;
    };
    const Case cases[] = {
        // Cut right after the version variable's name, before its value.
        {std::string("\x09$ACADVER", 9), "bad.dxf: the binary file ends inside the value of group 9 at byte 22"},
        {std::string("\0SECTION\0\x02HEADER\0\x09$ACADVER\0", 27),
         "bad.dxf:6: the file ends inside the HEADER section: it is truncated"},
        {std::string("\x0a\0\0", 3), "bad.dxf: the binary file ends inside the value of group 10 at byte 22"},
    };
    for (const Case& c : cases) EXPECT_EQ(readError(sentinel + c.tail), c.error) << c.tail;
}

TEST(DamagedFile, MissingFileSaysWhy)
{
    ReadReport report;
    EXPECT_FALSE(readDxfFile("/nonexistent/x.dxf", report));
    EXPECT_EQ(report.error.text(), "/nonexistent/x.dxf: cannot open /nonexistent/x.dxf: No such file or directory");
}

// Owners that name nothing (a handle damaged, or copied from a template by
// a writer that writes no tables): an entity stays in the block it is read
// in, an object goes to the dictionary that names it, and the save opens
// again without a word.
TEST(DamagedFile, OwnersThatDoNotExistAreMended)
{
    const std::string good = sample();
    // A dimension in model space, the second line of a block, the model
    // layout and an XRECORD under a dictionary.
    const RecordHead records[] = {recordHead(good, "DIMENSION", 0), recordHead(good, "LINE", 1),
                                  recordHead(good, "LAYOUT", 0), recordHead(good, "XRECORD", 0)};
    std::string text = good;
    for (const RecordHead& r : records) {
        ASSERT_FALSE(r.owner.empty()) << r.head;
        text = replaced(text, r.head + "330\n" + r.owner + "\n", r.head + "330\nABCDE\n");
    }
    ReadReport report;
    auto db = readDxfText(text, "bad.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    std::string notes;
    for (const Diagnostic& d : report.repairs) notes += d.text() + "\n";
    for (const RecordHead& r : {records[0], records[1]}) {
        std::string type = r.head.substr(0, r.head.find('\n'));
        EXPECT_NE(notes.find("bad.dxf:" + std::to_string(lineOf(text, r.head)) + ": " + type + " " + r.handle +
                             " had owner ABCDE, which does not exist: set to the block\n"),
                  std::string::npos) << notes;
    }
    // The layout and the XRECORD, in one note.
    EXPECT_NE(notes.find("bad.dxf: LAYOUT " + records[2].handle + " named ABCDE as its owner, which does not exist: " +
                         "set to the record that names it (2 records)"),
              std::string::npos) << notes;
    for (const RecordHead& r : records) {
        host::db::Handle was = 0, now = 0;
        ASSERT_TRUE(host::db::parseHandle(r.owner, was));
        ASSERT_TRUE(host::db::parseHandle(r.handle, now));
        const host::db::Object* object = db->object(db->slotOf(now));
        ASSERT_TRUE(object) << r.head;
        EXPECT_EQ(object->owner, was) << r.head;
    }
    std::string path = outputPath("owners_that_do_not_exist.dxf"), error;
    ASSERT_TRUE(writeDxfFile(*db, path, WriteOptions{}, error)) << error;
    ReadReport again;
    EXPECT_TRUE(readDxfFile(path, again)) << again.error.text();
    EXPECT_TRUE(again.repairs.empty()) << again.repairs.front().text();
    EXPECT_EQ(runChecks(path), "");
}

// A writer that names one owner of nothing for every entity needs the
// repair thousands of times: its notes are kept up to a cap, the rest
// counted.
TEST(DamagedFile, EntitiesOfAnOwnerThatDoesNotExistAreCounted)
{
    std::string groups = "0 SECTION 2 ENTITIES\n";
    constexpr int kLines = 50;
    for (int i = 0; i < kLines; ++i)
        groups += "0 LINE 5 " + std::to_string(30 + i) + " 330 1F 100 AcDbEntity 8 0 100 AcDbLine 10 0 20 0 30 0 11 " +
                  std::to_string(i + 1) + " 21 1 31 0\n";
    ReadReport report;
    auto db = readDxfText(dxfOfGroups(groups + "0 ENDSEC 0 EOF"), "many.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    EXPECT_EQ(db->block(db->modelSpace())->entities.size(), size_t{kLines});
    size_t told = 0, counted = 0;
    RepairKind kind;
    for (const Diagnostic& d : report.repairs) {
        if (d.message.find("had owner 1F, which does not exist: set to the block") == std::string::npos) continue;
        ++told;
        kind = d.kind;
    }
    for (const RepairCount& c : report.countedOnly) counted += c.kind == kind ? c.count : 0;
    EXPECT_LT(told, size_t{kLines});
    EXPECT_EQ(told + counted, size_t{kLines});
}

TEST(DamagedFile, InconsistenciesAreRepairedAndReported)
{
    std::string text = sample();
    ReadReport report;
    auto intact = readDxfText(text, "intact.dxf", report);
    ASSERT_TRUE(intact) << report.error.text();
    char seed[24];
    std::snprintf(seed, sizeof seed, "%llX", static_cast<unsigned long long>(intact->handseed()));
    // An unregistered XDATA application, a layer nobody defined, a low
    // $HANDSEED and a root dictionary without ACAD_GROUP.
    text = replaced(text, "1001\nDUCTAPP\n", "1001\nOTHERAPP\n");
    text = replaced(text, "  8\nDUCT-HIDDEN\n", "  8\nNEW-LAYER\n");
    text = replaced(text, "$HANDSEED\n  5\n" + valueAfter(text, "$HANDSEED\n  5\n") + "\n", "$HANDSEED\n  5\n10\n");
    text = replaced(text, "  3\nACAD_GROUP\n350\n" + valueAfter(text, "  3\nACAD_GROUP\n350\n") + "\n", "");
    auto db = readDxfText(text, "odd.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    std::string all;
    for (const Diagnostic& d : report.repairs) all += d.text() + "\n";
    EXPECT_NE(all.find("APPID OTHERAPP was missing: added"), std::string::npos) << all;
    EXPECT_NE(all.find("LAYER NEW-LAYER was missing: added"), std::string::npos) << all;
    EXPECT_NE(all.find("odd.dxf: $HANDSEED 10 was not above every handle: raised to " + std::string(seed)),
              std::string::npos) << all;
    EXPECT_NE(all.find("the root dictionary had no ACAD_GROUP: added"), std::string::npos) << all;
    EXPECT_NE(db->findRecord(host::db::Table::Appid, "OTHERAPP"), host::db::kNoSlot);
    EXPECT_GE(db->handseed(), intact->handseed());
}

// Found by fuzzing: a record of another type in a table was kept, written
// inside the table, and the saved file did not read back.  The table's end
// in other letters ("eNDTAB") ends it.
TEST(DamagedFile, ARecordOfAnotherTypeInATableIsLeftOut)
{
    std::string text = "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nSTYLE\n  0\nLAYER\n  2\nX\n"
                       "  0\nstyle\n  2\nKEPT\n  0\r\neNDTAB\n  0\nENDSEC\n  0\nEOF\n";
    ReadReport report;
    auto db = readDxfText(text, "odd.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    std::string all;
    for (const Diagnostic& d : report.repairs) all += d.text() + "\n";
    EXPECT_NE(all.find("odd.dxf:10: a LAYER in the STYLE table was left out"), std::string::npos) << all;
    EXPECT_EQ(all.find("ENDTAB"), std::string::npos) << all;
    EXPECT_NE(db->findRecord(host::db::Table::Style, "KEPT"), host::db::kNoSlot);
    std::string written;
    writeDxfText(*db, written);
    ReadReport again;
    EXPECT_TRUE(readDxfText(written, "written.dxf", again)) << again.error.text();
}

namespace {

// The handle of model space's block record: the owner of the first
// dimension, which lies in model space.
std::string modelSpaceOf(const std::string& text)
{
    return recordHead(text, "DIMENSION", 0).owner;
}

// A drawing large enough to be read in pieces on several threads: the
// sample with many more lines in model space.
std::string largeDrawing(size_t lines)
{
    std::string text = sample();
    const std::string modelSpace = modelSpaceOf(text);
    std::string entities;
    for (size_t i = 0; i < lines; ++i) {
        entities += "  0\nLINE\n  5\n" + std::to_string(0x1000 + i) + "\n330\n" + modelSpace +
                    "\n100\nAcDbEntity\n  8\nDUCT\n";
        entities += "100\nAcDbLine\n 10\n0.0\n 20\n0.0\n 30\n0.0\n 11\n" + std::to_string(i) + ".5\n 21\n1.0\n 31\n0.0\n";
    }
    size_t at = text.find("  0\nDIMENSION");
    return text.insert(at, entities);
}

} // namespace

TEST(DamagedFile, LargeFilesReadInPiecesReportTheFirstDamage)
{
    ReadReport report;
    auto small = readDxfText(sample(), "small.dxf", report);
    ASSERT_TRUE(small) << report.error.text();
    std::string text = largeDrawing(30000);
    ASSERT_GT(text.size(), 3u << 20);  // read in pieces
    auto db = readDxfText(text, "large.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    EXPECT_EQ(db->block(db->modelSpace())->entities.size(), small->block(small->modelSpace())->entities.size() + 30000);
    // Written on several threads too, and read back the same.
    std::string written, again;
    writeDxfText(*db, written);
    auto back = readDxfText(written, "written.dxf", report);
    ASSERT_TRUE(back) << report.error.text();
    writeDxfText(*back, again);
    EXPECT_EQ(written, again);

    // A value line missing in the middle: the next code line (100) is read
    // as the layer, and the marker after it as a group code.
    const std::string head = "  5\n" + std::to_string(0x1000 + 20000) + "\n330\n" + modelSpaceOf(text) + "\n100\nAcDbEntity\n  8\n";
    std::string needle = head + "DUCT\n";
    std::string damaged = replaced(text, needle, head);
    uint32_t line = lineOf(text, needle) + 8;
    EXPECT_EQ(readError(damaged), "bad.dxf:" + std::to_string(line) + ": group code is not a number: \"AcDbLine\"");
    // A duplicate handle far apart, seen across pieces: a new handle, with a note.
    std::string duplicate = replaced(text, "  5\n" + std::to_string(0x1000 + 29000) + "\n", "  5\n" + std::to_string(0x1000 + 10) + "\n");
    ReadReport repaired;
    ASSERT_TRUE(readDxfText(duplicate, "dup.dxf", repaired)) << repaired.error.text();
    std::string notes;
    for (const auto& note : repaired.repairs) notes += note.text() + "\n";
    EXPECT_NE(notes.find("was already used by the object at line " +
                         std::to_string(lineOf(text, "LINE\n  5\n" + std::to_string(0x1000 + 10) + "\n"))),
              std::string::npos) << notes;
}

TEST(DamagedFile, AnyMissingLineOrCutIsHandledCleanly)
{
    // Not a message each, but never a crash, and a message whenever the read fails.
    const std::string good = sample();
    std::vector<size_t> lineStarts{0};
    for (size_t i = 0; i < good.size(); ++i)
        if (good[i] == '\n') lineStarts.push_back(i + 1);
    for (size_t line = 0; line + 1 < lineStarts.size(); ++line) {
        std::string missing = good.substr(0, lineStarts[line]) + good.substr(lineStarts[line + 1]);
        std::string cut = good.substr(0, lineStarts[line]);
        for (const std::string* text : {&missing, &cut}) {
            ReadReport report;
            auto db = readDxfText(*text, "t.dxf", report);
            if (!db) {
                EXPECT_EQ(report.error.text().rfind("t.dxf", 0), 0u) << line;
                continue;
            }
            std::string written;
            writeDxfText(*db, written);
            EXPECT_FALSE(written.empty());
        }
    }
}

TEST(DamagedFile, RecordNamedLikeAMarkerInOtherLettersIsThatMarker)
{
    // Type names are read in any letters: such a record means what the
    // marker in capitals would, and is refused or read as that one is.
    const std::string good = sample();
    for (const char* section : {"ENTITIES", "OBJECTS"}) {
        for (const char* name : {"EndSec", "eof", "Section", "bLOCK", "EndBlk", "table", "endTab"}) {
            SCOPED_TRACE(std::string(section) + " " + name);
            const std::string at = std::string("  2\n") + section + "\n";
            std::string capital = name;
            for (char& c : capital) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            ReadReport report, inCapitals;
            auto db = readDxfText(replaced(good, at, at + "  0\n" + name + "\n  8\n0\n"), "odd.dxf", report);
            auto expected =
                readDxfText(replaced(good, at, at + "  0\n" + capital + "\n  8\n0\n"), "odd.dxf", inCapitals);
            ASSERT_EQ(db != nullptr, expected != nullptr) << report.error.text() << inCapitals.error.text();
            EXPECT_EQ(report.error.text(), inCapitals.error.text());
            if (!db) continue;
            std::string written, writtenExpected;
            writeDxfText(*db, written);
            writeDxfText(*expected, writtenExpected);
            EXPECT_EQ(written, writtenExpected);
            ReadReport again;
            EXPECT_TRUE(readDxfText(written, "written.dxf", again)) << again.error.text();
        }
    }
}
