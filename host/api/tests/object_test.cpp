// The object API: opening, tables, block references, reactors, deep clone.
#include <cmath>

#include "fixture.h"

namespace {

class ObjectTest : public DrawingTest {
protected:
    // An empty user block "BOX" with its origin at (10,0).
    AcDbObjectId makeBox() {
        AcDbBlockTable* table = nullptr;
        EXPECT_EQ(drawing->getBlockTable(table, AcDb::kForWrite), Acad::eOk);
        auto* record = new AcDbBlockTableRecord();
        EXPECT_EQ(record->setName(L"BOX"), Acad::eOk);
        record->setOrigin(AcGePoint3d(10, 0, 0));
        AcDbObjectId id;
        EXPECT_EQ(table->add(id, record), Acad::eOk);
        table->close();
        record->close();
        return id;
    }
};

TEST_F(ObjectTest, OpenModesCloseAndCancel) {
    ads_name e;
    makeEntity(line(acutBuildList(62, 2, 0)), e);
    AcDbEntity* writer = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(writer, idOf(e), AcDb::kForWrite), Acad::eOk);
    AcDbEntity* second = nullptr;
    EXPECT_EQ(acdbOpenAcDbEntity(second, idOf(e), AcDb::kForRead), Acad::eWasOpenForWrite);
    EXPECT_EQ(writer->setColorIndex(5), Acad::eOk);
    EXPECT_EQ(writer->setLayer(L"NO SUCH LAYER"), Acad::eKeyNotFound);
    EXPECT_EQ(writer->cancel(), Acad::eOk);  // the colour goes back
    ASSERT_EQ(acdbOpenAcDbEntity(writer, idOf(e), AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(writer->colorIndex(), 2);
    EXPECT_EQ(writer->setColorIndex(4), Acad::eNotOpenForWrite);
    EXPECT_EQ(writer->upgradeOpen(), Acad::eOk);
    EXPECT_EQ(writer->setColorIndex(256), Acad::eOk);
    EXPECT_EQ(writer->close(), Acad::eOk);
    ListHolder list(acdbEntGet(e));
    EXPECT_EQ(findCode(list.list, 62), nullptr);  // BYLAYER is not listed
    ASSERT_EQ(acdbEntDel(e), RTNORM);
    EXPECT_EQ(acdbOpenAcDbEntity(writer, idOf(e), AcDb::kForWrite, true), Acad::eWasErased);
    EXPECT_EQ(acdbOpenAcDbEntity(writer, idOf(e), AcDb::kForRead), Acad::eWasErased);
    ASSERT_EQ(acdbOpenAcDbEntity(writer, idOf(e), AcDb::kForRead, true), Acad::eOk);
    EXPECT_TRUE(writer->isErased());
    writer->close();
    EXPECT_EQ(acdbOpenAcDbEntity(writer, AcDbObjectId(), AcDb::kForRead), Acad::eNullObjectId);
}

TEST_F(ObjectTest, LayerTableRules) {
    AcDbLayerTable* layers = nullptr;
    ASSERT_EQ(drawing->getLayerTable(layers, AcDb::kForWrite), Acad::eOk);
    EXPECT_TRUE(layers->has(L"defpoints"));
    auto* bad = new AcDbLayerTableRecord();
    EXPECT_EQ(bad->setName(L"A:B"), Acad::eInvalidInput);
    EXPECT_EQ(layers->add(bad), Acad::eInvalidInput);  // no name yet
    delete bad;
    auto* layer = new AcDbLayerTableRecord();
    ASSERT_EQ(layer->setName(L"PEN-1"), Acad::eOk);
    AcCmColor red;
    red.setColorIndex(1);
    layer->setColor(red);
    AcDbObjectId id;
    ASSERT_EQ(layers->add(id, layer), Acad::eOk);
    layer->close();
    auto* duplicate = new AcDbLayerTableRecord();
    duplicate->setName(L"pen-1");
    EXPECT_EQ(layers->add(duplicate), Acad::eDuplicateKey);
    delete duplicate;
    layers->close();
    ASSERT_EQ(drawing->setClayer(id), Acad::eOk);
    AcDbLayerTableRecord* rec = nullptr;
    ASSERT_EQ(acdbOpenObject(rec, id, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(rec->color().colorIndex(), 1);
    EXPECT_EQ(rec->erase(), Acad::eInvalidInput);  // the current layer stays
    rec->close();
    EXPECT_EQ(drawing->setClayer(AcDbObjectId()), Acad::eInvalidLayer);
    ads_name e;
    makeEntity(line(), e);  // on the current layer
    ListHolder list(acdbEntGet(e));
    EXPECT_EQ(textOf(findCode(list.list, 8)), L"PEN-1");
}

TEST_F(ObjectTest, BlockReferenceAppendedToModelSpaceCarriesXdata) {
    AcDbObjectId box = makeBox();
    AcDbBlockTableRecord* ms = nullptr;
    ASSERT_EQ(acdbOpenObject(ms, modelSpace(), AcDb::kForWrite), Acad::eOk);
    auto* ref = new AcDbBlockReference(AcGePoint3d(5, 5, 0), box);
    EXPECT_EQ(ref->setLayer(L"0"), Acad::eOk);
    ref->setRotation(M_PI / 2);
    ref->setScaleFactors(AcGeScale3d(2, 2, 2));
    ref->setColorIndex(5);
    EXPECT_EQ(ref->setXData(ListHolder(acutBuildList(1001, L"LurakCad_B1", 1000, L"T1", 1005, L"0", 0)).list),
              Acad::eOk);
    EXPECT_EQ(ref->setXData(ListHolder(acutBuildList(1001, L"NOBODY", 1000, L"x", 0)).list), Acad::eRegappIdNotFound);
    AcDbObjectId id;
    ASSERT_EQ(ms->appendAcDbEntity(id, ref), Acad::eOk);
    ms->close();
    EXPECT_EQ(ref->blockTableRecord(), box);
    ref->close();
    ads_name e;
    ASSERT_EQ(acdbGetAdsName(e, id), Acad::eOk);
    ListHolder list(getX(e, L"LurakCad_B1"));
    EXPECT_EQ(codesOf(list.list), (std::vector<int>{-1, 0, 330, 5, 100, 8, 62, 100, 2, 10, 41, 42, 43, 50, 70, 71, 44,
                                                    45, 210, -3, 1001, 1000, 1005}));
    EXPECT_EQ(textOf(findCode(list.list, 2)), L"BOX");
    EXPECT_EQ(textOf(findCode(list.list, 1005)), L"0");
}

TEST_F(ObjectTest, InsertExtentsFollowTheBlockTransform) {
    ads_point o = {0, 0, 0}, x = {10, 0, 0};
    std::wstring name = makeBlock(L"*NEW", {acutBuildList(RTDXF0, L"LINE", 10, o, 11, x, 0),
                                            acutBuildList(RTDXF0, L"CIRCLE", 10, x, 40, 1.0, 0)});
    ads_point at = {100, 100, 0};
    ads_name e;
    makeEntity(acutBuildList(RTDXF0, L"INSERT", 2, name.c_str(), 10, at, 41, 2.0, 42, 2.0, 43, 2.0, 50, M_PI / 2, 0),
               e);
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(ent, idOf(e), AcDb::kForRead), Acad::eOk);
    AcDbExtents ext;
    ASSERT_EQ(ent->getGeomExtents(ext), Acad::eOk);
    EXPECT_NEAR(ext.minPoint().x, 98, 1e-9);
    EXPECT_NEAR(ext.maxPoint().x, 102, 1e-9);
    EXPECT_NEAR(ext.minPoint().y, 100, 1e-9);
    EXPECT_NEAR(ext.maxPoint().y, 122, 1e-9);
    auto* ref = AcDbBlockReference::cast(ent);
    ASSERT_NE(ref, nullptr);
    AcGePoint3d tip = AcGePoint3d(10, 0, 0);
    tip.transformBy(ref->blockTransform());
    EXPECT_NEAR(tip.x, 100, 1e-9);
    EXPECT_NEAR(tip.y, 120, 1e-9);
    ent->close();
}

// Erases the leader of a label when the label insert goes, as the module's
// label reactor does: a nested open, erase and notification.
class LabelReactor : public AcDbObjectReactor {
public:
    AcDbObjectId leader;
    std::vector<bool> calls;
    void erased(const AcDbObject* object, Adesk::Boolean erasing) override {
        calls.push_back(erasing);
        if (!erasing || !object->isKindOf(AcDbBlockReference::desc())) return;
        AcDbObject* other = nullptr;
        if (acdbOpenObject(other, leader, AcDb::kForWrite) == Acad::eOk) {
            other->erase();
            other->close();
        }
    }
};

TEST_F(ObjectTest, ReactorsHearEveryEraseAndUnerase) {
    ads_point o = {0, 0, 0};
    std::wstring name = makeBlock(L"*NEW");
    ads_name label, leader;
    makeEntity(acutBuildList(RTDXF0, L"INSERT", 2, name.c_str(), 10, o, 0), label);
    makeEntity(line(), leader);
    LabelReactor reactor;
    reactor.leader = idOf(leader);
    AcDbObject* obj = nullptr;
    ASSERT_EQ(acdbOpenObject(obj, idOf(label), AcDb::kForWrite), Acad::eOk);
    obj->addReactor(&reactor);
    obj->addReactor(&reactor);  // once is enough
    obj->close();
    ASSERT_EQ(acdbEntDel(label), RTNORM);
    EXPECT_EQ(reactor.calls, (std::vector<bool>{true}));
    ListHolder gone(acdbEntGet(leader));
    EXPECT_EQ(gone.list, nullptr);  // erased by the reactor
    ASSERT_EQ(acdbEntDel(label), RTNORM);  // un-erase
    EXPECT_EQ(reactor.calls, (std::vector<bool>{true, false}));
    ASSERT_EQ(acdbOpenObject(obj, idOf(label), AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(obj->erase(), Acad::eOk);
    EXPECT_EQ(reactor.calls.size(), 3u);
    EXPECT_EQ(obj->cancel(), Acad::eOk);  // undoing the erase is an un-erase
    EXPECT_EQ(reactor.calls, (std::vector<bool>{true, false, true, false}));
    ASSERT_EQ(acdbOpenObject(obj, idOf(label), AcDb::kForRead), Acad::eOk);
    obj->removeReactor(&reactor);
    obj->close();
    acdbEntDel(label);
    EXPECT_EQ(reactor.calls.size(), 4u);
}

TEST_F(ObjectTest, DeepCloneTranslatesReferencesAmongTheCopies) {
    ads_point o = {0, 0, 0};
    ads_name label, leader;
    makeEntity(acutBuildList(RTDXF0, L"CIRCLE", 10, o, 40, 1.0, 0), label);
    ListHolder labelList(acdbEntGet(label));
    std::wstring labelHandle = textOf(findCode(labelList.list, 5));
    makeEntity(line(acutBuildList(-3, 1001, L"LurakCad_B1", 1005, labelHandle.c_str(), 1005, L"0", 1005, L"", 0)),
               leader);
    ListHolder leaderList(acdbEntGet(leader));
    std::wstring leaderHandle = textOf(findCode(leaderList.list, 5));
    ASSERT_EQ(modify(acutBuildList(-1, label, -3, 1001, L"LurakCad_B1", 1005, leaderHandle.c_str(), 0)), RTNORM);
    AcDbObjectIdArray ids;
    ids.append(idOf(label));
    ids.append(idOf(leader));
    AcDbObjectId owner = modelSpace();
    AcDbIdMapping map;
    ASSERT_EQ(drawing->deepCloneObjects(ids, owner, map), Acad::eOk);
    AcDbIdMappingIter it(map);
    std::vector<AcDbIdPair> pairs;
    for (it.start(); !it.done(); it.next()) {
        AcDbIdPair pair;
        ASSERT_TRUE(it.getMap(pair));
        EXPECT_TRUE(pair.isCloned());
        EXPECT_TRUE(pair.isPrimary());
        pairs.push_back(pair);
    }
    ASSERT_EQ(pairs.size(), 2u);
    ads_name labelCopy, leaderCopy;
    acdbGetAdsName(labelCopy, pairs[0].value());
    acdbGetAdsName(leaderCopy, pairs[1].value());
    ListHolder a(getX(labelCopy, L"LurakCad_B1"));
    ListHolder b(getX(leaderCopy, L"LurakCad_B1"));
    EXPECT_EQ(textOf(findCode(a.list, 1005)), textOf(findCode(b.list, 5)));
    EXPECT_EQ(textOf(findCode(b.list, 1005)), textOf(findCode(a.list, 5)));
    EXPECT_EQ(textOf(nth(b.list, 1005, 1)), L"0");  // handles of nothing stay as they were
    EXPECT_NE(textOf(findCode(a.list, 5)), labelHandle);
    ads_name last;
    acdbEntLast(last);
    EXPECT_TRUE(ads_name_equal(last, leaderCopy));
}

TEST_F(ObjectTest, BlockRecordIteratorSkipsErasedEntitiesAndTransformsCopies) {
    ads_point o = {0, 0, 0};
    ads_name a, b;
    makeEntity(line(), a);
    makeEntity(acutBuildList(RTDXF0, L"ARC", 10, o, 40, 1.0, 50, 0.0, 51, M_PI / 2, 0), b);
    acdbEntDel(a);
    AcDbBlockTableRecord* ms = nullptr;
    ASSERT_EQ(acdbOpenObject(ms, modelSpace(), AcDb::kForRead), Acad::eOk);
    AcDbBlockTableRecordIterator* it = nullptr;
    ASSERT_EQ(ms->newIterator(it), Acad::eOk);
    std::vector<AcDbObjectId> seen;
    for (; !it->done(); it->step()) {
        AcDbObjectId id;
        it->getEntityId(id);
        seen.push_back(id);
    }
    delete it;
    ms->close();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], idOf(b));
    AcDbEntity* arc = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(arc, seen[0], AcDb::kForWrite), Acad::eOk);
    AcGeMatrix3d mirror = AcGeMatrix3d::mirroring(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 0));
    EXPECT_EQ(arc->transformBy(AcGeMatrix3d::translation(AcGeVector3d(5, 0, 0)) * mirror), Acad::eOk);
    EXPECT_EQ(arc->transformBy(AcGeMatrix3d::scaling(AcGeScale3d(1, 2, 1))), Acad::eNotApplicable);
    arc->close();
    ListHolder list(acdbEntGet(b));
    EXPECT_NEAR(findCode(list.list, 10)->resval.rpoint[0], 5, 1e-12);
    EXPECT_NEAR(findCode(list.list, 50)->resval.rreal, M_PI / 2, 1e-12);  // the quarter turns into x < 5
    EXPECT_NEAR(findCode(list.list, 51)->resval.rreal, M_PI, 1e-12);
}

TEST_F(ObjectTest, TextStyleIdAndDictionaryOfTheDatabase) {
    AcDbTextStyleTable* styles = nullptr;
    ASSERT_EQ(drawing->getTextStyleTable(styles, AcDb::kForRead), Acad::eOk);
    AcDbObjectId standard;
    EXPECT_EQ(styles->getAt(L"standard", standard), Acad::eOk);
    styles->close();
    EXPECT_EQ(drawing->textstyle(), standard);
    EXPECT_FALSE(drawing->continuousLinetype().isNull());
    EXPECT_FALSE(drawing->dimstyle().isNull());
    AcDbBlockTableRecord* ms = nullptr;
    ASSERT_EQ(acdbOpenObject(ms, modelSpace(), AcDb::kForWrite), Acad::eOk);
    auto* text = new AcDbText(AcGePoint3d(1, 2, 0), L"\u2205100", standard, 3.0);
    text->setColorIndex(7);
    ASSERT_EQ(ms->appendAcDbEntity(text), Acad::eOk);
    text->close();
    ms->close();
    ads_name last;
    ASSERT_EQ(acdbEntLast(last), RTNORM);
    ListHolder list(acdbEntGet(last));
    EXPECT_EQ(textOf(findCode(list.list, 1)), L"\u2205100");
    EXPECT_EQ(findCode(list.list, 40)->resval.rreal, 3.0);
    AcDbDictionary* nod = nullptr;
    ASSERT_EQ(drawing->getNamedObjectsDictionary(nod, AcDb::kForWrite), Acad::eOk);
    EXPECT_TRUE(nod->has(L"ACAD_GROUP"));
    auto* rec = new AcDbXrecord();
    rec->setFromRbChain(*ListHolder(acutBuildList(1, L"hello", 70, 3, 0)).list);
    AcDbObjectId recId;
    ASSERT_EQ(nod->setAt(L"MINE", rec, recId), Acad::eOk);
    rec->close();
    nod->close();
    AcDbXrecord* open = nullptr;
    ASSERT_EQ(acdbOpenObject(open, recId, AcDb::kForRead), Acad::eOk);
    resbuf* chain = nullptr;
    open->rbChain(&chain);
    EXPECT_EQ(codesOf(chain), (std::vector<int>{1, 70}));
    acutRelRb(chain);
    open->close();
}

} // namespace
