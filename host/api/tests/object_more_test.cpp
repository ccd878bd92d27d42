// More of the object API: geometry classes, XDATA on opened objects,
// table iteration, dimension-style data, lists of objects with reactors.
#include <cmath>
#include <set>

#include "fixture.h"

namespace {

void expectPoint(const AcGePoint3d& p, double x, double y, double z) {
    EXPECT_NEAR(p.x, x, 1e-12);
    EXPECT_NEAR(p.y, y, 1e-12);
    EXPECT_NEAR(p.z, z, 1e-12);
}

TEST(Geometry, MatricesRotateScaleMirrorAndInvert) {
    AcGeMatrix3d turn = AcGeMatrix3d::rotation(M_PI / 2, AcGeVector3d::kZAxis, AcGePoint3d(1, 1, 0));
    expectPoint(AcGePoint3d(2, 1, 0).transformBy(turn), 1, 2, 0);
    AcGeMatrix3d scale = AcGeMatrix3d::scaling(AcGeScale3d(2, 3, 1), AcGePoint3d(1, 0, 0));
    expectPoint(AcGePoint3d(2, 1, 0).transformBy(scale), 3, 3, 0);
    AcGeMatrix3d mirror = AcGeMatrix3d::mirroring(AcGePoint3d(5, 0, 0), AcGeVector3d(1, 0, 0));
    expectPoint(AcGePoint3d(4, 7, 0).transformBy(mirror), 6, 7, 0);
    AcGeMatrix3d all = AcGeMatrix3d::translation(AcGeVector3d(3, -2, 1)) * turn * scale;
    AcGePoint3d p(0.5, 4, -1);
    AcGePoint3d back = p;
    back.transformBy(all).transformBy(all.inverse());
    expectPoint(back, p.x, p.y, p.z);
    EXPECT_TRUE(turn.isUniScaledOrtho());
    EXPECT_FALSE(scale.isUniScaledOrtho());
    AcGeVector3d v = AcGeVector3d(1, 0, 0);
    v.transformBy(AcGeMatrix3d::translation(AcGeVector3d(9, 9, 9)));  // vectors do not move
    EXPECT_EQ(v, AcGeVector3d(1, 0, 0));
    EXPECT_EQ(AcGeVector3d(0, 0, 0).normal(), AcGeVector3d(0, 0, 0));
}

class ObjectMoreTest : public DrawingTest {};

TEST_F(ObjectMoreTest, XdataOfOpenedObjectsByApplication) {
    ASSERT_EQ(acdbRegApp(L"OTHER"), RTNORM);
    ads_name e;
    makeEntity(line(acutBuildList(-3, 1001, L"OTHER", 1070, 1, 0)), e);
    AcDbEntity* line = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(line, idOf(e), AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(line->xData(L"LurakCad_B1"), nullptr);
    ListHolder mine(acutBuildList(1001, L"LurakCad_B1", 1000, L"LurakLabelReactor", 1002, L"{", 1005, L"0", 1002, L"}", 0));
    ASSERT_EQ(line->setXData(mine.list), Acad::eOk);
    EXPECT_EQ(line->setXData(ListHolder(acutBuildList(1000, L"no application first", 0)).list), Acad::eBadXData);
    resbuf* own = line->xData(L"lurakcad_b1");
    EXPECT_EQ(codesOf(own), (std::vector<int>{1001, 1000, 1002, 1005, 1002}));
    acutRelRb(own);
    resbuf* all = line->xData();
    EXPECT_EQ(codesOf(all), (std::vector<int>{1001, 1070, 1001, 1000, 1002, 1005, 1002}));
    acutRelRb(all);
    line->close();
}

// An XDATA handle holds text: what is no handle of the drawing ("ABC",
// "zz", "") comes back as it was given, from the C API's lists (also after
// a change given back to acdbEntMod) and from an opened object.
TEST_F(ObjectMoreTest, XdataHandleTextComesBackAsGiven) {
    const std::vector<std::wstring> given = {L"ABC", L"zz", L""};
    ads_name e;
    makeEntity(line(acutBuildList(-3, 1001, L"LurakCad_B1", 1005, L"ABC", 1005, L"zz", 1005, L"", 0)), e);
    ASSERT_FALSE(ads_name_nil(e));
    auto texts = [](resbuf* list) {
        std::vector<std::wstring> out;
        for (resbuf* rb = list; rb; rb = rb->rbnext)
            if (rb->restype == 1005) out.push_back(textOf(rb));
        return out;
    };
    ListHolder listed(getX(e, L"LurakCad_B1"));
    EXPECT_EQ(texts(listed.list), given);
    resbuf* changed = getX(e, L"LurakCad_B1");
    setText(nth(changed, 1005, 1), L"yy");
    ASSERT_EQ(modify(changed), RTNORM);
    ListHolder again(getX(e, L"LurakCad_B1"));
    EXPECT_EQ(texts(again.list), (std::vector<std::wstring>{L"ABC", L"yy", L""}));
    AcDbEntity* opened = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(opened, idOf(e), AcDb::kForWrite), Acad::eOk);
    ListHolder mine(acutBuildList(1001, L"LurakCad_B1", 1005, L"ABC", 1005, L"zz", 1005, L"", 0));
    ASSERT_EQ(opened->setXData(mine.list), Acad::eOk);
    resbuf* own = opened->xData(L"LurakCad_B1");
    EXPECT_EQ(texts(own), given);
    acutRelRb(own);
    opened->close();
}

// A link set through acdbEntMod, an opened object's setXData (of an
// application's record too) or inside a block definition being made names
// a number no new object takes, however many come after.
TEST_F(ObjectMoreTest, NumbersLinksAreSetToAreNotGivenLater) {
    auto handleText = [](host::db::Handle h) { return host::io::fromUtf8(host::db::handleText(h)); };
    auto newHandle = [&] {
        ads_name e;
        makeEntity(line(), e);
        return db().object(host::api::slotOf(db(), e))->handle;
    };
    std::vector<host::db::Handle> links;
    ads_name e;
    makeEntity(line(), e);
    links.push_back(db().handseed());
    resbuf* changed = acutBuildList(-1, e, -3, 1001, L"LurakCad_B1", 1005, handleText(links.back()).c_str(), 0);
    ASSERT_EQ(modify(changed), RTNORM);
    AcDbRegAppTable* apps = nullptr;
    ASSERT_EQ(drawing->getRegAppTable(apps, AcDb::kForRead), Acad::eOk);
    AcDbObjectId app;
    ASSERT_EQ(apps->getAt(L"LurakCad_B1", app), Acad::eOk);
    apps->close();
    AcDbObject* record = nullptr;
    ASSERT_EQ(acdbOpenObject(record, app, AcDb::kForWrite), Acad::eOk);
    links.push_back(db().handseed());
    ListHolder mine(acutBuildList(1001, L"LurakCad_B1", 1005, handleText(links.back()).c_str(), 0));
    ASSERT_EQ(record->setXData(mine.list), Acad::eOk);
    record->close();
    links.push_back(db().handseed() + 1);  // what the block's BLOCK would take
    std::wstring inBlock = handleText(links.back());
    makeBlock(L"LINKED", {line(acutBuildList(-3, 1001, L"LurakCad_B1", 1005, inBlock.c_str(), 0))});
    for (int i = 0; i < 8; ++i) newHandle();
    EXPECT_EQ(std::set<host::db::Handle>(links.begin(), links.end()).size(), links.size());
    for (host::db::Slot s = 0; s < db().slotCount(); ++s)
        if (const host::db::Object* o = db().object(s))
            for (host::db::Handle link : links) EXPECT_NE(o->handle, link) << o->typeName();
}

TEST_F(ObjectMoreTest, LayerIteratorSkipsErasedRecordsAndNamesStayValidWhileOpen) {
    ads_name layer;
    ASSERT_EQ(makeX(acutBuildList(RTDXF0, L"LAYER", 2, L"SPARE", 70, 0, 62, 3, 6, L"CONTINUOUS", 0), layer), RTNORM);
    AcDbLayerTableRecord* rec = nullptr;
    ASSERT_EQ(acdbOpenObject(rec, idOf(layer), AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(rec->erase(), Acad::eOk);  // not in use
    rec->close();
    AcDbLayerTable* table = nullptr;
    ASSERT_EQ(drawing->getLayerTable(table, AcDb::kForRead), Acad::eOk);
    EXPECT_FALSE(table->has(L"SPARE"));
    AcDbSymbolTableIterator* it = nullptr;
    ASSERT_EQ(table->newIterator(it), Acad::eOk);
    std::vector<std::wstring> names;
    for (; !it->done(); it->step()) {
        AcDbSymbolTableRecord* r = nullptr;
        ASSERT_EQ(it->getRecord(r), Acad::eOk);
        const ACHAR* name = nullptr;
        r->getName(name);
        names.push_back(name);
        r->close();
    }
    delete it;
    table->close();
    EXPECT_EQ(names, (std::vector<std::wstring>{L"0", L"Defpoints"}));
}

TEST_F(ObjectMoreTest, DimensionStyleDataGoesToTheDrawingsSettings) {
    AcDbDimStyleTableRecord* data = nullptr;
    ASSERT_EQ(drawing->getDimstyleData(data), Acad::eOk);
    double before = data->dimtxt();
    data->setDimtxt(before * 4);
    ASSERT_EQ(drawing->setDimstyleData(data), Acad::eOk);
    delete data;
    EXPECT_DOUBLE_EQ(db().headerVariable("$DIMTXT")->groups[0].asReal(), before * 4);
    ASSERT_EQ(drawing->setDimstyleData(drawing->dimstyle()), Acad::eOk);  // back to the style's own
    EXPECT_DOUBLE_EQ(db().headerVariable("$DIMTXT")->groups[0].asReal(), before);
}

TEST_F(ObjectMoreTest, ListsOfObjectsWithApplicationBracketsKeepTheHostOrder) {
    ads_point p = {0, 0, 0};
    ads_name circle, dict;
    makeEntity(acutBuildList(RTDXF0, L"CIRCLE", 10, p, 40, 1.0, 0), circle);
    ASSERT_EQ(makeX(acutBuildList(RTDXF0, L"DICTIONARY", 100, L"AcDbDictionary", 0), dict), RTNORM);
    // An extension dictionary as a file gives it: a bracket before the first marker.
    host::db::Object* o = db().object(host::api::slotOf(db(), circle));
    host::db::Handle dictHandle = db().object(host::api::slotOf(db(), dict))->handle;
    o->groups.insert(o->groups.begin(), {host::db::Group::text(102, "{ACAD_XDICTIONARY"),
                                         host::db::Group::handle(360, dictHandle), host::db::Group::text(102, "}")});
    ListHolder got(acdbEntGet(circle));
    std::vector<int> codes = codesOf(got.list);
    EXPECT_EQ(std::vector<int>(codes.begin(), codes.begin() + 7), (std::vector<int>{-1, 0, 5, 102, 360, 102, 330}));
    EXPECT_TRUE(ads_name_equal(findCode(got.list, 360)->resval.rlname, dict));
    // Written back unchanged.
    ASSERT_EQ(acdbEntMod(got.list), RTNORM) << host::api::lastError();
    ListHolder again(acdbEntGet(circle));
    EXPECT_EQ(codesOf(again.list), codes);
}

TEST_F(ObjectMoreTest, PaperSpaceEntitiesAreMainEntitiesButNotLast) {
    ads_point p = {0, 0, 0}, q = {1, 0, 0};
    ads_name model, paper, last, next;
    makeEntity(line(), model);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"LINE", 67, 1, 10, p, 11, q, 0)), RTNORM);
    ASSERT_EQ(acdbEntLast(last), RTNORM);
    EXPECT_TRUE(ads_name_equal(last, model));  // model space only
    ASSERT_EQ(acdbEntNext(model, paper), RTNORM);
    ListHolder list(acdbEntGet(paper));
    EXPECT_EQ(findCode(list.list, 67)->resval.rint, 1);
    EXPECT_EQ(acdbEntNext(paper, next), RTERROR);
    ads_name ss;
    ASSERT_EQ(acedSSGet(L"_X", nullptr, nullptr, ListHolder(acutBuildList(67, 1, 0)).list, ss), RTNORM);
    long n = 0;
    acedSSLength(ss, &n);
    EXPECT_EQ(n, 1);
    acedSSFree(ss);
}

TEST(CurrentDrawing, AReplacedDrawingStaysCurrentAndAGoneOneIsNever) {
    auto drawing = std::make_unique<AcDbDatabase>();
    host::api::setCurrentDatabase(drawing.get());
    ads_point p = {0, 0, 0};
    ads_name old, e;
    makeEntity(acutBuildList(RTDXF0, L"CIRCLE", 10, p, 40, 1.0, 0), old);
    ASSERT_FALSE(ads_name_nil(old));
    host::api::replaceDatabase(drawing.get(), host::db::Database::createDefault());
    EXPECT_EQ(host::api::currentDatabase(), drawing->hostDatabase());
    ListHolder stale(acdbEntGet(old));  // names of the replaced drawing are stale
    EXPECT_EQ(stale.list, nullptr);
    EXPECT_EQ(acdbEntLast(e), RTERROR);
    drawing.reset();
    EXPECT_EQ(host::api::currentDatabase(), nullptr);
    EXPECT_EQ(make(acutBuildList(RTDXF0, L"CIRCLE", 10, p, 40, 1.0, 0)), RTERROR);
}

} // namespace
