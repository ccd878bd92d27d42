// An insert's attributes and a polyline's vertices, with their SEQEND, live
// and die with their main entity: erased and brought back with it, never
// selected or cloned alone, cloned with it and owned by the copy.
#include "db/sub_entities.h"
#include "fixture.h"

namespace {

using host::db::Group;
using host::db::Handle;
using host::db::Object;
using host::db::Slot;

class SubEntityTest : public DrawingTest {
protected:
    struct ads_name_holder {
        ads_name name;
    };
    bool blockMade = false;
    // A main entity made through the C API, then its sub-entities stored
    // right after it as a file reader stores them; the slots, main first.
    std::vector<Slot> makeComplex(const char* mainType, const char* subType, int subs, double x = 0,
                                  bool closed = true) {
        ads_point at = {x, 0, 0};
        ads_name name;
        if (std::string(mainType) == "INSERT") {
            if (!blockMade) makeBlock(L"TB", {line()});
            blockMade = true;
            makeEntity(acutBuildList(RTDXF0, L"INSERT", 2, L"TB", 10, at, 0), name);
        } else {
            makeEntity(line(), name);  // stands for the polyline: the C API makes none
            db().object(host::api::slotOf(db(), name))->type = host::db::internType(mainType);
        }
        Slot main = host::api::slotOf(db(), name);
        Handle owner = db().object(main)->handle;
        std::vector<Slot> slots{main};
        for (int i = 0; i < subs + (closed ? 1 : 0); ++i) {
            Object o;
            o.type = host::db::internType(i < subs ? subType : "SEQEND");
            o.groups = {Group::text(100, "AcDbEntity"), Group::text(8, "0")};
            if (i < subs)
                for (Group g : {Group::text(100, "AcDbText"), Group::point(10, x, i, 0), Group::real(40, 2.5),
                                Group::text(1, "value"), Group::text(100, "AcDbAttribute"), Group::text(2, "TAG"),
                                Group::integer(70, 0)})
                    o.groups.push_back(g);
            Slot s = db().add(std::move(o));
            db().appendEntity(db().modelSpace(), s);
            db().object(s)->owner = owner;
            slots.push_back(s);
        }
        return slots;
    }
    ads_name_holder nameOf(Slot s) {
        ads_name_holder n;
        host::api::nameOf(db(), s, n.name);
        return n;
    }
    bool erased(Slot s) { return db().object(s)->erased; }
    AcDbObjectId idOfSlot(Slot s) { return idOf(nameOf(s).name); }
    // The types and owners of model space from an entity on, as "TYPE>owner".
    std::vector<std::string> listFrom(Slot first) {
        const auto& list = db().block(db().modelSpace())->entities;
        std::vector<std::string> out;
        for (size_t i = host::db::positionInBlock(*db().block(db().modelSpace()), first); i < list.size(); ++i) {
            const Object* o = db().object(list[i]);
            out.push_back(std::string(o->typeName()) + ">" + host::db::handleText(o->owner));
        }
        return out;
    }
    std::string handleOf(Slot s) { return host::db::handleText(db().object(s)->handle); }
};

TEST_F(SubEntityTest, ErasingTheMainEntityErasesItsSubEntitiesAndBringsThemBack) {
    for (const char* kind : {"INSERT", "POLYLINE"}) {
        SCOPED_TRACE(kind);
        std::vector<Slot> insert = makeComplex(kind, std::string(kind) == "INSERT" ? "ATTRIB" : "VERTEX", 2);
        ads_name other;
        makeEntity(line(), other);
        ASSERT_EQ(acdbEntDel(nameOf(insert[0]).name), RTNORM);
        for (Slot s : insert) EXPECT_TRUE(erased(s));
        EXPECT_FALSE(erased(host::api::slotOf(db(), other)));
        ASSERT_EQ(acdbEntDel(nameOf(insert[0]).name), RTNORM);
        for (Slot s : insert) EXPECT_FALSE(erased(s));
        // The object API's erase, and a cancelled erase, do the same.
        AcDbEntity* entity = nullptr;
        ASSERT_EQ(acdbOpenObject(entity, idOfSlot(insert[0]), AcDb::kForWrite), Acad::eOk);
        ASSERT_EQ(entity->erase(), Acad::eOk);
        for (Slot s : insert) EXPECT_TRUE(erased(s));
        entity->cancel();
        for (Slot s : insert) EXPECT_FALSE(erased(s));
        // A sub-entity is no main entity: acdbEntDel refuses it.
        EXPECT_EQ(acdbEntDel(nameOf(insert[1]).name), RTERROR);
    }
}

TEST_F(SubEntityTest, SelectionsAndTheLastEntityGiveMainEntitiesOnly) {
    std::vector<Slot> insert = makeComplex("INSERT", "ATTRIB", 2);
    ads_name set;
    ASSERT_EQ(acedSSGet(L"X", nullptr, nullptr, nullptr, set), RTNORM);
    long length = 0;
    acedSSLength(set, &length);
    ASSERT_EQ(length, 1);
    ads_name first;
    acedSSName(set, 0, first);
    EXPECT_EQ(host::api::slotOf(db(), first), insert[0]);
    acedSSFree(set);
    ads_name last;
    ASSERT_EQ(acdbEntLast(last), RTNORM);
    EXPECT_EQ(host::api::slotOf(db(), last), insert[0]);
    // The walk goes through them, as on the platform, and on past them.
    ads_name next;
    ASSERT_EQ(acdbEntNext(nameOf(insert[1]).name, next), RTNORM);
    EXPECT_EQ(host::api::slotOf(db(), next), insert[2]);
    ads_name after;
    makeEntity(line(), after);
    ASSERT_EQ(acdbEntNext(nameOf(insert[3]).name, next), RTNORM);
    EXPECT_EQ(host::api::slotOf(db(), next), host::api::slotOf(db(), after));
}

TEST_F(SubEntityTest, ACloneTakesItsAttributesAndAnAttributeIsNeverClonedAlone) {
    std::vector<Slot> insert = makeComplex("INSERT", "ATTRIB", 2);
    AcDbObjectId space = modelSpace();
    // Listed with its insert, an attribute comes with it and only once.
    AcDbObjectIdArray ids;
    ids.append(idOfSlot(insert[0]));
    ids.append(idOfSlot(insert[1]));
    AcDbIdMapping map;
    ASSERT_EQ(drawing->deepCloneObjects(ids, space, map), Acad::eOk);
    const auto& list = db().block(db().modelSpace())->entities;
    Slot copy = list[list.size() - 4];
    std::string owner = handleOf(copy);
    EXPECT_EQ(listFrom(copy), (std::vector<std::string>{"INSERT>" + handleOf(db().modelSpace()), "ATTRIB>" + owner,
                                                        "ATTRIB>" + owner, "SEQEND>" + owner}));
    EXPECT_EQ(db().object(list[list.size() - 2])->groups, db().object(insert[2])->groups);
    // Alone, it is refused and nothing is made.
    size_t before = list.size();
    AcDbObjectIdArray alone;
    alone.append(idOfSlot(insert[1]));
    AcDbIdMapping none;
    EXPECT_EQ(drawing->deepCloneObjects(alone, space, none), Acad::eNotApplicable);
    EXPECT_EQ(list.size(), before);
    // Into an insert without attributes: they become its own, closed by a
    // SEQEND, and its group 66 says so.
    std::vector<Slot> bare = makeComplex("INSERT", "ATTRIB", 0, 50, false);
    AcDbObjectId target = idOfSlot(bare[0]);
    AcDbIdMapping into;
    ASSERT_EQ(drawing->deepCloneObjects(alone, target, into), Acad::eOk);
    std::string bareOwner = handleOf(bare[0]);
    EXPECT_EQ(listFrom(bare[0]), (std::vector<std::string>{"INSERT>" + handleOf(db().modelSpace()),
                                                           "ATTRIB>" + bareOwner, "SEQEND>" + bareOwner}));
    const Group* flag = host::db::findGroup(*db().object(bare[0]), 66);
    ASSERT_NE(flag, nullptr);
    EXPECT_EQ(flag->asInt(), 1);
    // Into an insert with attributes: after them, before its SEQEND.
    ASSERT_EQ(drawing->deepCloneObjects(alone, target, into), Acad::eOk);
    EXPECT_EQ(listFrom(bare[0]).size(), 4u);
    EXPECT_EQ(listFrom(bare[0]).back(), "SEQEND>" + bareOwner);
    // Anything but an attribute is refused by an insert.
    AcDbObjectIdArray notAttribute;
    notAttribute.append(idOfSlot(insert[0]));
    EXPECT_EQ(drawing->deepCloneObjects(notAttribute, target, into), Acad::eNotApplicable);
}

// A clone the drawing has handles for in part only leaves nothing: no
// insert without its attributes, no copy left behind.
TEST_F(SubEntityTest, ACloneThatCannotBeStoredWholeLeavesNothing) {
    std::vector<Slot> insert = makeComplex("INSERT", "ATTRIB", 2);
    db().raiseHandseed(UINT64_MAX - 1);  // two of the four copies
    const std::vector<Slot> before = db().block(db().modelSpace())->entities;
    size_t slots = db().slotCount();
    AcDbObjectIdArray ids;
    ids.append(idOfSlot(insert[0]));
    AcDbObjectId space = modelSpace();
    AcDbIdMapping map;
    EXPECT_NE(drawing->deepCloneObjects(ids, space, map), Acad::eOk);
    EXPECT_EQ(db().block(db().modelSpace())->entities, before);
    for (Slot s = slots; s < db().slotCount(); ++s) EXPECT_EQ(db().object(s), nullptr);
}

} // namespace
