// The database model: template drawing, tables, blocks, dictionaries,
// handles, purge and file order.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "db/canonical.h"
#include "db/database.h"

using namespace host::db;

namespace {

Slot addEntity(Database& db, Slot block, const char* type, GroupList groups) {
    Object o;
    o.type = internType(type);
    o.groups = std::move(groups);
    Slot s = db.add(std::move(o));
    db.appendEntity(block, s);
    return s;
}

TEST(Template, NewDrawingHoldsWhatTheHostsTemplateHolds) {
    auto db = Database::createDefault();
    for (const char* layer : {"0", "DEFPOINTS"}) EXPECT_NE(db->findRecord(Table::Layer, layer), kNoSlot) << layer;
    for (const char* lt : {"BYBLOCK", "BYLAYER", "CONTINUOUS"}) EXPECT_NE(db->findRecord(Table::Ltype, lt), kNoSlot);
    EXPECT_NE(db->findRecord(Table::Style, "STANDARD"), kNoSlot);
    EXPECT_NE(db->findRecord(Table::Dimstyle, "STANDARD"), kNoSlot);
    EXPECT_NE(db->findRecord(Table::Appid, "ACAD"), kNoSlot);
    EXPECT_NE(db->findRecord(Table::Vport, "*ACTIVE"), kNoSlot);
    for (size_t t = 0; t < kTableCount; ++t) EXPECT_NE(db->object(db->tableHead(static_cast<Table>(t))), nullptr);
    ASSERT_NE(db->block(db->modelSpace()), nullptr);
    ASSERT_NE(db->block(db->paperSpace()), nullptr);
    EXPECT_NE(db->object(db->block(db->modelSpace())->begin), nullptr);
    Slot nod = db->namedObjectDictionary();
    for (const char* key : {"ACAD_GROUP", "ACAD_LAYOUT", "ACAD_PLOTSTYLENAME"})
        EXPECT_NE(db->dictionaryLookup(nod, key), kNoSlot) << key;
    EXPECT_EQ(db->headerText("$CLAYER"), "0");
    EXPECT_EQ(db->classes().size(), 3u);

    // Every object has its own handle; owners name live objects.
    std::set<Handle> handles;
    for (Slot s = 0; s < db->slotCount(); ++s) {
        const Object* o = db->object(s);
        ASSERT_NE(o, nullptr);
        EXPECT_TRUE(handles.insert(o->handle).second);
        if (o->owner) {
            EXPECT_NE(db->slotOf(o->owner), kNoSlot) << o->typeName();
        }
    }
    EXPECT_GT(db->handseed(), *handles.rbegin());
    // The named-object dictionary comes first in the OBJECTS section.
    EXPECT_EQ(db->objectsSectionOrder().front(), nod);
}

TEST(Tables, NamesAreFoundWithoutCaseAndStayUnique) {
    auto db = Database::createDefault();
    Object layer;
    layer.type = internType("LAYER");
    layer.groups = {Group::text(100, "AcDbSymbolTableRecord"), Group::text(100, "AcDbLayerTableRecord"),
                    Group::text(2, "Közép")};
    Slot s = db->add(layer);
    ASSERT_TRUE(db->addRecord(Table::Layer, s));
    EXPECT_EQ(db->findRecord(Table::Layer, "KÖZÉP"), s);
    EXPECT_EQ(db->findRecord(Table::Layer, "közép"), s);
    Slot again = db->add(layer);
    EXPECT_FALSE(db->addRecord(Table::Layer, again));
    EXPECT_FALSE(db->renameRecord(Table::Layer, s, "defpoints"));  // taken
    EXPECT_TRUE(db->renameRecord(Table::Layer, s, "Kozep"));
    EXPECT_EQ(db->findRecord(Table::Layer, "közép"), kNoSlot);
    EXPECT_EQ(db->findRecord(Table::Layer, "KOZEP"), s);
    EXPECT_EQ(db->object(s)->owner, db->object(db->tableHead(Table::Layer))->handle);
    EXPECT_TRUE(equalNoCase("Ősz", "őSZ"));
    EXPECT_FALSE(equalNoCase("ab", "abc"));
}

TEST(Handles, GivenHandlesAreKeptAndNeverReused) {
    Database db;
    Object o;
    o.type = internType("XRECORD");
    o.cls = ObjectClass::NonGraphical;
    o.handle = 0x10000000;  // far away: kept in the sparse index
    Slot far = db.add(o);
    ASSERT_NE(far, kNoSlot);
    EXPECT_EQ(db.slotOf(0x10000000), far);
    o.handle = 0x10000000;
    EXPECT_EQ(db.add(o), kNoSlot);  // taken
    o.handle = 0;
    Slot next = db.add(o);
    EXPECT_EQ(db.object(next)->handle, 0x10000001u);
    db.purge(next);
    EXPECT_EQ(db.object(next), nullptr);
    EXPECT_EQ(db.slotOf(0x10000001), kNoSlot);
    Slot after = db.add(o);
    EXPECT_EQ(db.object(after)->handle, 0x10000002u);  // the purged handle is not given again
    for (Handle h = 1; h < 20000; ++h) {  // many dense handles, then the far one again
        o.handle = h;
        ASSERT_NE(db.add(o), kNoSlot);
    }
    EXPECT_EQ(db.slotOf(0x10000000), far);
    EXPECT_EQ(db.slotOf(19999), db.slotCount() - 1);
}

// A number an XDATA handle names is never given to a new object, whether
// the link came with the object stored or was set later; a link to the top
// of the range uses up nothing, and the seed a file is given steps past the
// links just above it only.
TEST(Handles, NumbersThatLinksNameAreNeverGiven) {
    auto object = [](GroupList xdata = {}) {
        Object o;
        o.type = internType("LINE");
        o.groups = {Group::text(100, "AcDbEntity")};
        o.groups.insert(o.groups.end(), xdata.begin(), xdata.end());
        return o;
    };
    auto handleOfNew = [&](Database& db) { return db.object(db.add(object()))->handle; };
    auto links = [](std::initializer_list<const char*> texts) {
        GroupList xdata = {Group::text(1001, "APP")};
        for (const char* t : texts) xdata.push_back(Group::text(1005, t));
        return xdata;
    };

    Database db;
    db.raiseHandseed(0x34);
    // Its own link too: "0039" names 39; "", "0", "ZZ" and a link below the
    // seed name no number to come.
    Slot linked = db.add(object(links({"38", "0039", "", "0", "ZZ", "12", "FFFFFFFFFFFFFFFF"})));
    EXPECT_EQ(db.object(linked)->handle, 0x34u);
    std::vector<Handle> given;
    for (int i = 0; i < 5; ++i) given.push_back(handleOfNew(db));
    EXPECT_EQ(given, (std::vector<Handle>{0x35, 0x36, 0x37, 0x3A, 0x3B}));

    // Set later, as a link of an object already stored: the seed itself.
    Handle seed = db.handseed();
    EXPECT_EQ(seed, 0x3Cu);
    db.reserveLinks(links({"3C", "3D"}));
    EXPECT_EQ(db.handseed(), 0x3Eu);
    EXPECT_EQ(handleOfNew(db), 0x3Eu);

    // FFFFFFFFFFFFFFFF and one beyond reach stay where they are: the saved
    // seed passes only links within reach of it or of the link before.
    const Handle reach = Database::kLinkReach;
    EXPECT_EQ(db.savedHandseed(), 0x3Fu);
    std::string far = handleText(0x3F + reach), chained = handleText(0x3F + reach - 1 + reach - 1);
    db.reserveLinks(links({far.c_str()}));
    EXPECT_EQ(db.savedHandseed(), 0x3Fu);
    std::string near = handleText(0x3F + reach - 1);
    db.reserveLinks(links({near.c_str(), chained.c_str()}));
    EXPECT_EQ(db.savedHandseed(), 0x3F + 2 * reach - 1);  // past near, far and chained
    EXPECT_EQ(db.handseed(), 0x3Fu);
    EXPECT_EQ(handleOfNew(db), 0x3Fu);

    // The top of the range: what is left is given, and the link is passed
    // over without a wrap to 0.
    Database top;
    top.raiseHandseed(UINT64_MAX - 2);
    top.add(object(links({"FFFFFFFFFFFFFFFE"})));
    EXPECT_EQ(handleOfNew(top), UINT64_MAX);
    EXPECT_EQ(top.add(object()), kNoSlot);  // none left
}

// Near 2^64 no number wraps round to the bottom of the range: the last
// ones are given, then none, and nothing brings the seed back below the
// top handle (a handle stored later, a raise, a link).  The seed a saved
// file gives steps past near links short of the top, and is the top once
// nothing is left above every handle.
TEST(Handles, TheSeedSavedNearTheTopNeverWrapsRound) {
    auto line = [](Handle handle = 0) {
        Object o;
        o.type = internType("LINE");
        o.handle = handle;
        return o;
    };
    Database db;
    db.raiseHandseed(UINT64_MAX - 15);
    db.reserveLinks({Group::text(1001, "APP"), Group::text(1005, "FFFFFFFFFFFFFFF5"),
                     Group::text(1005, "FFFFFFFFFFFFFFFF")});
    EXPECT_EQ(db.savedHandseed(), UINT64_MAX - 9);  // past F5, short of the top
    std::vector<Handle> given;
    for (Slot s; (s = db.add(line())) != kNoSlot;) given.push_back(db.object(s)->handle);
    EXPECT_EQ(given.size(), 14u);  // F0 to FE but F5
    EXPECT_EQ(db.handseed(), 0u);
    EXPECT_EQ(db.savedHandseed(), UINT64_MAX);
    EXPECT_NE(db.add(line(5)), kNoSlot);
    db.raiseHandseed(0x100);
    db.reserveLinks({Group::text(1001, "APP"), Group::text(1005, "0")});
    EXPECT_EQ(db.add(line()), kNoSlot);
    EXPECT_EQ(db.savedHandseed(), UINT64_MAX);
}

TEST(Blocks, EntitiesKeepOrderAndPurgeTakesThemOut) {
    auto db = Database::createDefault();
    Slot ms = db->modelSpace();
    Slot a = addEntity(*db, ms, "LINE", {});
    Slot b = addEntity(*db, ms, "CIRCLE", {});
    Slot c = addEntity(*db, ms, "ARC", {});
    EXPECT_EQ(db->block(ms)->entities, (std::vector<Slot>{a, b, c}));
    EXPECT_TRUE(db->isMainEntity(b));
    EXPECT_EQ(db->ownerBlock(b), ms);
    db->purge(b);
    EXPECT_EQ(db->block(ms)->entities, (std::vector<Slot>{a, c}));
    EXPECT_FALSE(db->setErased(b, true));  // gone for good
    EXPECT_TRUE(db->setErased(a, true));
    EXPECT_FALSE(db->setErased(a, true));  // already erased
    EXPECT_EQ(db->nextAnonymousName(), "*U1");
    EXPECT_EQ(db->nextAnonymousName('D'), "*D2");
}

// Many purged at once, from both spaces, one owned by an entity and in no
// list, one given twice: the rest keep their order.
TEST(Blocks, PurgingManyAtOnceTakesEachOutOfItsBlock) {
    auto db = Database::createDefault();
    Slot ms = db->modelSpace(), ps = db->paperSpace();
    std::vector<Slot> model, paper;
    for (int i = 0; i < 5; ++i) model.push_back(addEntity(*db, ms, "LINE", {}));
    for (int i = 0; i < 2; ++i) paper.push_back(addEntity(*db, ps, "CIRCLE", {}));
    Object attribute;
    attribute.type = internType("ATTRIB");
    attribute.owner = db->object(model[0])->handle;
    Slot loose = db->add(std::move(attribute));
    Handle gone = db->object(model[1])->handle;
    db->purge(std::vector<Slot>{model[1], paper[0], loose, model[3], model[1]});
    EXPECT_EQ(db->block(ms)->entities, (std::vector<Slot>{model[0], model[2], model[4]}));
    EXPECT_EQ(db->block(ps)->entities, (std::vector<Slot>{paper[1]}));
    for (Slot s : {model[1], paper[0], loose, model[3]}) EXPECT_EQ(db->object(s), nullptr);
    EXPECT_EQ(db->slotOf(gone), kNoSlot);
    EXPECT_NE(db->object(model[0]), nullptr);
}

// Anonymous names never repeat a block the drawing already has, whether a
// file brought it or a rename made it.
TEST(Blocks, AnonymousNamesSkipNamesInUse) {
    auto db = Database::createDefault();
    auto addBlockRecord = [&](std::string_view name) {
        Object o;
        o.type = internType("BLOCK_RECORD");
        o.groups = {Group::text(2, name)};
        Slot s = db->add(std::move(o));
        EXPECT_TRUE(db->addRecord(Table::BlockRecord, s));
        return s;
    };
    addBlockRecord("*u5");
    addBlockRecord("*U07x");  // not a number: no effect
    EXPECT_EQ(db->nextAnonymousName(), "*U6");
    Slot renamed = addBlockRecord("Door");
    EXPECT_TRUE(db->renameRecord(Table::BlockRecord, renamed, "*X9"));
    EXPECT_EQ(db->nextAnonymousName(), "*U10");
    EXPECT_EQ(db->findRecord(Table::BlockRecord, "*U10"), kNoSlot);
}

TEST(Dictionaries, AddLookupRemove) {
    auto db = Database::createDefault();
    Object x;
    x.type = internType("XRECORD");
    x.cls = ObjectClass::NonGraphical;
    Slot rec = db->add(x);
    Slot nod = db->namedObjectDictionary();
    EXPECT_TRUE(db->dictionaryAdd(nod, "Mine", rec));
    EXPECT_FALSE(db->dictionaryAdd(nod, "MINE", rec));
    EXPECT_EQ(db->dictionaryLookup(nod, "mine"), rec);
    EXPECT_EQ(db->object(rec)->owner, db->object(nod)->handle);
    auto order = db->objectsSectionOrder();
    EXPECT_NE(std::find(order.begin(), order.end(), rec), order.end());
    EXPECT_TRUE(db->dictionaryRemove(nod, "MINE"));
    EXPECT_EQ(db->object(rec)->owner, 0u);
    EXPECT_EQ(db->dictionaryLookup(nod, "mine"), kNoSlot);
    order = db->objectsSectionOrder();
    EXPECT_EQ(std::find(order.begin(), order.end(), rec), order.end());  // unowned: not written
}

TEST(Canonical, HostOrderDefaultsAndRefusals) {
    std::string error;
    GroupList body;
    GroupList insert{Group::text(2, "*U1"), Group::text(6, "ByLayer"), Group::text(8, "0"),
                     Group::point(10, 1, 2, 0), Group::integer(62, 256)};
    auto codes = [&] {
        std::vector<int> out;
        for (const Group& g : body) out.push_back(g.code());
        return out;
    };
    ASSERT_TRUE(canonicalBody("INSERT", insert, body, error));
    EXPECT_EQ(codes(), (std::vector<int>{100, 8, 100, 2, 10, 41, 42, 43, 50, 70, 71, 44, 45, 210}));

    // Leading application brackets stay in front; XRECORD data keeps its 102 groups.
    GroupList xrec{Group::text(102, "{ACAD_REACTORS"), Group::handle(330, 5), Group::text(102, "}"),
                   Group::text(100, "AcDbXrecord"), Group::text(102, "{LURAK"), Group::text(1, "t"),
                   Group::integer(280, 3), Group::text(102, "}")};
    ASSERT_TRUE(canonicalBody("XRECORD", xrec, body, error));
    EXPECT_EQ(codes(), (std::vector<int>{102, 330, 102, 100, 280, 102, 1, 280, 102}));
    GroupList solid{Group::point(10, 0, 0, 0), Group::point(11, 1, 0, 0), Group::point(12, 0, 1, 0)};
    ASSERT_TRUE(canonicalBody("SOLID", solid, body, error));
    auto fourth = std::find_if(body.begin(), body.end(), [](const Group& g) { return g.code() == 13; });
    ASSERT_NE(fourth, body.end());  // the fourth corner repeats the third
    EXPECT_EQ((fourth - 1)->code(), 12);
    EXPECT_EQ(fourth->asPoint()[1], 1);
    EXPECT_FALSE(canonicalBody("LINE", {Group::point(10, 0, 0, 0), Group::point(11, 1, 0, 0), Group::real(40, 1)},
                               body, error));
    EXPECT_FALSE(canonicalBody("CIRCLE", {Group::text(100, "AcDbLine"), Group::point(10, 0, 0, 0)}, body, error));
    EXPECT_FALSE(canonicalBody("LEADER", {Group::point(10, 0, 0, 0)}, body, error));
    EXPECT_FALSE(canonicalBody("XRECORD", {Group::text(102, "{ACAD_REACTORS")}, body, error));
    // Types the host does not model are kept as given.
    GroupList mtext{Group::point(10, 0, 0, 0), Group::text(1, "x"), Group::real(40, 2)};
    ASSERT_TRUE(canonicalBody("MTEXT", mtext, body, error));
    EXPECT_EQ(body, mtext);
}

} // namespace

// Type names of every length keep their own ids: a name of 255 characters
// (the length an empty entry of the per-thread cache stands at) is not
// taken for one remembered, nor compared past a short name's room.
TEST(TypeNames, NamesOfAnyLengthKeepTheirOwnIds) {
    for (size_t length : {1, 14, 15, 16, 254, 255, 256, 1000}) {
        const std::string name(length, 'T');
        const TypeId id = internType(name);
        EXPECT_NE(id, 0u) << length;
        EXPECT_EQ(typeName(id), name) << length;
        EXPECT_EQ(internType(name), id) << length;
    }
}
