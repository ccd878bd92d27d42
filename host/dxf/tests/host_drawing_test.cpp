// Drawings made by the host itself (a new drawing, entities added through
// the database) are saved so that strict readers accept them.
#include "dxf/reader.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace host::dxf;
using host::db::Database;
using host::db::Group;
using host::db::GroupList;
using host::db::Object;
using host::db::ObjectClass;
using host::db::Slot;
using host::db::Table;

namespace {

Slot addEntity(Database& db, Slot block, const char* type, GroupList groups)
{
    Object object;
    object.type = host::db::internType(type);
    object.cls = ObjectClass::Entity;
    object.groups = std::move(groups);
    Slot slot = db.add(std::move(object));
    db.appendEntity(block, slot);
    return slot;
}

Slot addLine(Database& db, Slot block, double x)
{
    return addEntity(db, block, "LINE", {Group::text(100, "AcDbEntity"), Group::text(8, "DUCT"),
                                         Group::text(100, "AcDbLine"), Group::point(10, x, 0, 0),
                                         Group::point(11, x + 100, 50, 0)});
}

// An anonymous block with one line, as the module makes its elements.
Slot addAnonymousBlock(Database& db)
{
    std::string name = db.nextAnonymousName();
    Object record;
    record.type = host::db::internType("BLOCK_RECORD");
    record.groups = {Group::text(100, "AcDbSymbolTableRecord"), Group::text(100, "AcDbBlockTableRecord"),
                     Group::text(2, name), Group::handle(340, 0)};
    Slot slot = db.add(std::move(record));
    db.addRecord(Table::BlockRecord, slot);
    db.addBlock(slot);
    auto blockObject = [&](const char* type, GroupList groups) {
        Object o;
        o.type = host::db::internType(type);
        o.groups = std::move(groups);
        return db.add(std::move(o));
    };
    Slot begin = blockObject("BLOCK", {Group::text(100, "AcDbEntity"), Group::text(8, "0"),
                                       Group::text(100, "AcDbBlockBegin"), Group::text(2, name), Group::integer(70, 1),
                                       Group::point(10, 0, 0, 0), Group::text(3, name), Group::text(1, "")});
    Slot end = blockObject("ENDBLK", {Group::text(100, "AcDbEntity"), Group::text(8, "0"),
                                      Group::text(100, "AcDbBlockEnd")});
    db.setBlockObjects(slot, begin, end);
    addLine(db, slot, 0);
    return slot;
}

std::unique_ptr<Database> hostDrawing()
{
    auto db = Database::createDefault();
    Slot model = db->modelSpace();
    addLine(*db, model, 0);
    // An insert of an anonymous block, with XDATA of an application nobody registered.
    Slot used = addAnonymousBlock(*db);
    std::string usedName(host::db::groupText(*db->object(used), 2));
    addEntity(*db, model, "INSERT",
              {Group::text(100, "AcDbEntity"), Group::text(8, "DUCT"), Group::text(100, "AcDbBlockReference"),
               Group::text(2, usedName), Group::point(10, 500, 500, 0), Group::real(50, 30.0),
               Group::text(1001, "LURAK"), Group::text(1000, "\xC3\x98" "400 m\xC2\xB3/h \xE4\xB8\xAD"),
               Group::integer(1070, 7), Group::point(1010, 1, 2, 3)});
    // An anonymous block nothing inserts, and an erased line: neither is
    // saved, and the insert's XDATA reference to the line becomes null.
    addAnonymousBlock(*db);
    Slot erased = addLine(*db, model, 900);
    db->setErased(erased, true);
    Object* insert = db->object(db->block(model)->entities[1]);
    insert->groups.push_back(Group::text(1005, host::db::handleText(db->object(erased)->handle)));
    return db;
}

} // namespace

TEST(HostDrawing, NewDrawingWithEntitiesPassesTheChecksInBothVersions)
{
    for (DxfVersion version : {DxfVersion::R2007, DxfVersion::R2000}) {
        auto db = hostDrawing();
        std::string out = outputPath(std::string("host_") + versionString(version) + ".dxf");
        std::string error;
        ASSERT_TRUE(writeDxfFile(*db, out, WriteOptions{version}, error)) << error;
        EXPECT_EQ(runChecks(out), "") << out;
        ReadReport report;
        auto back = readDxfFile(out, report);
        ASSERT_TRUE(back) << report.error.text();
        EXPECT_TRUE(report.repairs.empty()) << report.repairs[0].text();
        EXPECT_EQ(report.version, versionString(version));
        const host::db::Block* model = back->block(back->modelSpace());
        ASSERT_TRUE(model);
        ASSERT_EQ(model->entities.size(), 2u);  // the erased line stayed behind
        const Object* insert = back->object(model->entities[1]);
        EXPECT_EQ(host::db::groupText(*insert, 1000), "\xC3\x98" "400 m\xC2\xB3/h \xE4\xB8\xAD");
        EXPECT_NE(back->findRecord(Table::Appid, "LURAK"), host::db::kNoSlot);
        EXPECT_EQ(host::db::groupText(*insert, 1005), "0");
        EXPECT_EQ(back->findRecord(Table::BlockRecord, "*U2"), host::db::kNoSlot);  // purged
    }
}

TEST(HostDrawing, SaveIntoAMissingFolderFailsAndSaysWhy)
{
    auto db = hostDrawing();
    std::string error;
    EXPECT_FALSE(writeDxfFile(*db, outputPath("no/such/folder.dxf"), WriteOptions{}, error));
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
}
