// XDATA handles (1005) that name no object of a file: no object made after
// reading takes the number, in the drawing or in a program that reads the
// saved file, and the link is saved as it was read.  The saved seed of a
// file whose handles reach the top of the range.
#include "db/database.h"
#include "dxf/reader.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

using host::db::Database;
using host::db::Handle;
using host::db::Object;

// A new drawing with a line in model space, as text without CR.
std::string baseDrawing()
{
    auto db = Database::createDefault();
    std::vector<Object> model(1);
    model[0].type = host::db::internType("LINE");
    model[0].groups = {host::db::Group::text(100, "AcDbEntity"), host::db::Group::text(8, "0"),
                       host::db::Group::text(100, "AcDbLine"), host::db::Group::point(10, 0, 0, 0),
                       host::db::Group::point(11, 1, 1, 0)};
    db->addEntities(db->modelSpace(), model);
    std::string text;
    host::dxf::writeDxfText(*db, text);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// The text with the XDATA of `app` holding `links` at the end of the
// record that `marker` starts.
std::string linked(const std::string& text, const std::string& marker, const std::string& app,
                   const std::vector<std::string>& links)
{
    size_t at = text.find(marker);
    EXPECT_NE(at, std::string::npos) << marker;
    if (at == std::string::npos) return text;
    size_t end = text.find("\n  0\n", at + 1) + 1;
    std::string xdata = "1001\n" + app + "\n";
    for (const std::string& link : links) xdata += "1005\n" + link + "\n";
    return text.substr(0, end) + xdata + text.substr(end);
}

std::string withHandseed(const std::string& text, const std::string& seed)
{
    size_t at = text.find("$HANDSEED\n  5\n");
    EXPECT_NE(at, std::string::npos);
    at += 14;
    return text.substr(0, at) + seed + text.substr(text.find('\n', at));
}

std::set<Handle> handlesOf(const Database& db)
{
    std::set<Handle> handles;
    for (host::db::Slot s = 0; s < db.slotCount(); ++s)
        if (const Object* o = db.object(s)) handles.insert(o->handle);
    return handles;
}

std::vector<std::string> linksOf(const Database& db)
{
    std::vector<std::string> links;
    for (host::db::Slot s = 0; s < db.slotCount(); ++s)
        if (const Object* o = db.object(s))
            for (const host::db::Group& g : o->groups)
                if (g.code() == 1005) links.emplace_back(g.asText());
    std::sort(links.begin(), links.end());
    return links;
}

std::unique_ptr<Database> read(const std::string& text, host::dxf::ReadReport& report)
{
    auto db = host::dxf::readDxfText(text, "links.dxf", report);
    EXPECT_TRUE(db) << report.error.text();
    return db;
}

Handle addLine(Database& db)
{
    Object o;
    o.type = host::db::internType("LINE");
    host::db::Slot slot = db.add(std::move(o));
    EXPECT_NE(slot, host::db::kNoSlot);
    db.appendEntity(db.modelSpace(), slot);
    return db.object(slot)->handle;
}

std::string savedHandseed(const std::string& text)
{
    size_t at = text.find("$HANDSEED\r\n  5\r\n");
    if (at == std::string::npos) return "";
    at += 16;
    return text.substr(at, text.find('\r', at) - at);
}

} // namespace

// The two cases as users met them: $HANDSEED 34 and a line linking to 38,
// then five new lines; $HANDSEED 35 and a link to 35, where the first new
// object is the APPID the read adds for an application no table names.
TEST(XdataLinks, NoNewObjectTakesTheNumberALinkNames)
{
    const std::string base = baseDrawing();
    {
        host::dxf::ReadReport report;
        auto db = read(linked(withHandseed(base, "34"), "  0\nLINE\n", "ACAD", {"38"}), report);
        ASSERT_TRUE(db);
        std::vector<Handle> given;
        for (int i = 0; i < 5; ++i) given.push_back(addLine(*db));
        EXPECT_EQ(given, (std::vector<Handle>{0x34, 0x35, 0x36, 0x37, 0x39}));
        std::string text;
        host::dxf::writeDxfText(*db, text);
        // Another program making objects in the saved file starts past it.
        EXPECT_EQ(savedHandseed(text), "3A");
        host::dxf::ReadReport again;
        auto back = read(text, again);
        ASSERT_TRUE(back);
        EXPECT_EQ(linksOf(*back), (std::vector<std::string>{"38"}));
        EXPECT_EQ(handlesOf(*back).count(0x38), 0u);
    }
    {
        host::dxf::ReadReport report;
        auto db = read(linked(withHandseed(base, "35"), "  0\nLINE\n", "NEWAPP", {"35"}), report);
        ASSERT_TRUE(db);
        host::db::Slot app = db->findRecord(host::db::Table::Appid, "NEWAPP");
        ASSERT_NE(app, host::db::kNoSlot);
        EXPECT_EQ(db->object(app)->handle, 0x36u);
        EXPECT_EQ(addLine(*db), 0x37u);
        EXPECT_EQ(linksOf(*db), (std::vector<std::string>{"35"}));
    }
}

// Links in every part of a file (an entity, a block's entity, a table
// record, an object), spelled as other writers do, one in a record after a
// duplicate handle that is given a new one while reading, and one to the
// end of the range: none of their numbers is given, and the saved seed
// passes the near ones only.
TEST(XdataLinks, LinksFromEveryPartOfAFileAreKeptBack)
{
    std::string text = withHandseed(baseDrawing(), "40");
    text = linked(text, "  0\nLINE\n", "ACAD", {"0041", "ffffffffffffffff"});
    text = linked(text, "  0\nLAYER\n", "ACAD", {"42"});
    text = linked(text, "  0\nDICTIONARY\n", "ACAD", {"43"});
    // A block without handles (R12 style): its records get new ones.
    size_t blocksEnd = text.find("  0\nENDSEC\n", text.find("  2\nBLOCKS\n"));
    ASSERT_NE(blocksEnd, std::string::npos);
    text = text.substr(0, blocksEnd) +
           "  0\nBLOCK\n  8\n0\n  2\nB\n 70\n0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n  3\nB\n"
           "  0\nLINE\n  8\n0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n 11\n1.0\n 21\n0.0\n 31\n0.0\n"
           "1001\nACAD\n1005\n44\n  0\nENDBLK\n  8\n0\n" +
           text.substr(blocksEnd);
    // The model-space line again, with its handle but without its XDATA,
    // and a point further on that links to 45.
    size_t line = text.find("  0\nLINE\n", text.find("  2\nENTITIES\n"));
    size_t end = text.find("\n  0\n", line + 1) + 1;
    std::string copy = text.substr(line, end - line);
    copy = copy.substr(0, copy.find("1001\n"));
    text = text.substr(0, end) + copy +
           "  0\nPOINT\n  8\n0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n1001\nACAD\n1005\n45\n" + text.substr(end);

    host::dxf::ReadReport report;
    auto db = read(text, report);
    ASSERT_TRUE(db);
    for (int i = 0; i < 10; ++i) addLine(*db);
    const std::set<Handle> handles = handlesOf(*db);
    for (Handle link : {0x41, 0x42, 0x43, 0x44, 0x45})
        EXPECT_EQ(handles.count(link), 0u) << std::hex << link;
    std::string saved;
    host::dxf::writeDxfText(*db, saved);
    char seed[20];
    std::snprintf(seed, sizeof seed, "%llX", static_cast<unsigned long long>(*handles.rbegin() + 1));
    EXPECT_EQ(savedHandseed(saved), seed);
    EXPECT_EQ(linksOf(*db), (std::vector<std::string>{"0041", "42", "43", "44", "45", "ffffffffffffffff"}));
}

// A line with the handle FFFFFFFFFFFFFFFF, read before the file's lower
// handles: nothing is above it, so no object can be added, and the saved
// seed is that top number, which reads back without a note.
TEST(XdataLinks, TheSeedOfAFileWhoseHandlesReachTheTopIsTheTop)
{
    std::string text = baseDrawing();
    size_t at = text.find("  0\nLINE\n  5\n");
    ASSERT_NE(at, std::string::npos);
    at += 13;
    text = text.substr(0, at) + "FFFFFFFFFFFFFFFF" + text.substr(text.find('\n', at));
    host::dxf::ReadReport report;
    auto db = read(text, report);
    ASSERT_TRUE(db);
    ASSERT_EQ(report.repairs.size(), 1u);
    EXPECT_NE(report.repairs[0].text().find("raised to FFFFFFFFFFFFFFFF, the top: the drawing can take no new object"),
              std::string::npos)
        << report.repairs[0].text();
    Object line;
    line.type = host::db::internType("LINE");
    EXPECT_EQ(db->add(std::move(line)), host::db::kNoSlot);
    std::string saved;
    host::dxf::writeDxfText(*db, saved);
    EXPECT_EQ(savedHandseed(saved), "FFFFFFFFFFFFFFFF");
    host::dxf::ReadReport again;
    EXPECT_TRUE(read(saved, again));
    EXPECT_TRUE(again.repairs.empty());
}
