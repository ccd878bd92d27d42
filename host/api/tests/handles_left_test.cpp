// A drawing with few or no handles left: every way of adding objects
// refuses with a status and the reason, and what it would have stored for
// one call is stored whole or not at all.
#include "fixture.h"

namespace {

using host::db::Handle;
using host::db::Slot;

class HandlesLeftTest : public DrawingTest {
protected:
    // A new drawing, current, where only the n numbers at the top of the
    // range stay free.
    void leave(Handle n) {
        drawing = std::make_unique<AcDbDatabase>();
        host::api::setCurrentDatabase(drawing.get());
        db().raiseHandseed(UINT64_MAX - n + 1);
    }
    size_t liveObjects() {
        size_t n = 0;
        for (Slot s = 0; s < db().slotCount(); ++s) n += db().object(s) != nullptr;
        return n;
    }
    bool refused(int status) { return status == RTERROR && host::api::lastError() == host::api::kNoHandleLeft; }
};

TEST_F(HandlesLeftTest, TheCApiRefusesWholeWithTheReason) {
    // Room for the layer an entity names, not for the entity.
    leave(1);
    size_t before = liveObjects();
    EXPECT_TRUE(refused(make(line(acutBuildList(8, L"NEW", 0)))));
    EXPECT_EQ(db().findRecord(host::db::Table::Layer, "NEW"), host::db::kNoSlot);
    // Room for a block's record, BLOCK and ENDBLK, not for its line; the
    // definition is closed, so that the next one can begin.
    leave(3);
    before = liveObjects();
    ads_point origin = {0, 0, 0};
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"BLOCK", 2, L"PART", 10, origin, 70, 0, 0)), RTNORM);
    ASSERT_EQ(make(line()), RTNORM);
    EXPECT_TRUE(refused(make(acutBuildList(RTDXF0, L"ENDBLK", 0))));
    EXPECT_EQ(db().findRecord(host::db::Table::BlockRecord, "PART"), host::db::kNoSlot);
    EXPECT_EQ(liveObjects(), before);
    EXPECT_EQ(make(acutBuildList(RTDXF0, L"BLOCK", 2, L"PART", 10, origin, 70, 0, 0)), RTNORM);
    EXPECT_TRUE(refused(make(acutBuildList(RTDXF0, L"ENDBLK", 0))));
    // None left: a line, a table record, an object, an application, and a
    // change that would make a layer.
    leave(1);
    ads_name e;
    makeEntity(line(), e);
    ASSERT_EQ(db().handseed(), 0u);
    before = liveObjects();
    EXPECT_TRUE(refused(make(line())));
    EXPECT_TRUE(refused(make(acutBuildList(RTDXF0, L"LAYER", 2, L"SPARE", 70, 0, 62, 3, 6, L"CONTINUOUS", 0))));
    ads_name made;
    EXPECT_TRUE(refused(makeX(acutBuildList(RTDXF0, L"XRECORD", 100, L"AcDbXrecord", 1, L"x", 0), made)));
    EXPECT_TRUE(refused(acdbRegApp(L"SPENT")));
    EXPECT_TRUE(refused(modify(acutBuildList(-1, e, 8, L"OTHER", 0))));
    EXPECT_EQ(liveObjects(), before);
    ListHolder kept(acdbEntGet(e));
    EXPECT_EQ(textOf(findCode(kept.list, 8)), L"0");
}

TEST_F(HandlesLeftTest, TheObjectApiRefusesWhole) {
    leave(1);  // room for a block's record, not its BLOCK and ENDBLK
    size_t before = liveObjects();
    AcDbBlockTable* blocks = nullptr;
    ASSERT_EQ(drawing->getBlockTable(blocks, AcDb::kForWrite), Acad::eOk);
    auto* record = new AcDbBlockTableRecord();
    ASSERT_EQ(record->setName(L"PART"), Acad::eOk);
    EXPECT_NE(blocks->add(record), Acad::eOk);
    blocks->close();
    delete record;
    EXPECT_EQ(db().findRecord(host::db::Table::BlockRecord, "PART"), host::db::kNoSlot);
    EXPECT_EQ(liveObjects(), before);
    AcDbBlockTableRecord* ms = nullptr;
    ASSERT_EQ(acdbOpenObject(ms, modelSpace(), AcDb::kForWrite), Acad::eOk);
    auto* text = new AcDbText(AcGePoint3d(1, 2, 0), L"x", drawing->textstyle(), 3.0);
    EXPECT_NE(ms->appendAcDbEntity(text), Acad::eOk);
    ms->close();
    delete text;
    AcDbDictionary* nod = nullptr;
    ASSERT_EQ(drawing->getNamedObjectsDictionary(nod, AcDb::kForWrite), Acad::eOk);
    auto* xrecord = new AcDbXrecord();
    AcDbObjectId id;
    EXPECT_NE(nod->setAt(L"MINE", xrecord, id), Acad::eOk);
    EXPECT_FALSE(nod->has(L"MINE"));
    nod->close();
    delete xrecord;
    EXPECT_EQ(liveObjects(), before);
}

} // namespace
