// Entity lists in and out, modification rules, erase and walk.
#include <cmath>
#include <functional>

#include "fixture.h"

namespace {

class EntityTest : public DrawingTest {};

TEST_F(EntityTest, InsertListComesBackInTheHostOrder) {
    ads_point base = {0, 0, 0}, p = {10, 20, 0}, q = {1, 1, 0};
    std::wstring name = makeBlock(L"*NEW", {acutBuildList(RTDXF0, L"LINE", 8, L"0", 10, base, 11, q, 0)});
    EXPECT_EQ(name.substr(0, 2), L"*U");
    // Groups in the module's order: 2, 6, 8, 10, scales, 50, 62, then XDATA.
    ads_name e;
    makeEntity(acutBuildList(RTDXF0, L"INSERT", 2, name.c_str(), 6, L"BYLAYER", 8, L"PEN0", 10, p, 41, 1.0, 42, 1.0,
                             43, 1.0, 50, 0.5, 62, 256, -3, 1001, L"LurakCad_B1", 1000, L"TAG", 1070, 3, 0),
               e);
    ASSERT_FALSE(ads_name_nil(e));
    ListHolder plain(acdbEntGet(e));
    EXPECT_EQ(codesOf(plain.list),
              (std::vector<int>{-1, 0, 330, 5, 100, 8, 100, 2, 10, 41, 42, 43, 50, 70, 71, 44, 45, 210}));
    EXPECT_EQ(textOf(findCode(plain.list, 8)), L"PEN0");  // the layer was made
    EXPECT_DOUBLE_EQ(findCode(plain.list, 50)->resval.rreal, 0.5);
    // The drawing keeps the angle as a file holds it: degrees.
    const host::db::Object* stored = db().object(host::api::slotOf(db(), e));
    EXPECT_NEAR(host::db::findGroup(*stored, 50)->asReal(), 0.5 * 180 / M_PI, 1e-12);
    ListHolder layer(acdbTblSearch(L"LAYER", L"PEN0", 0));
    EXPECT_NE(layer.list, nullptr);
    ListHolder full(getX(e, L"LurakCad_B1"));
    std::vector<int> codes = codesOf(full.list);
    EXPECT_EQ(std::vector<int>(codes.end() - 4, codes.end()), (std::vector<int>{-3, 1001, 1000, 1070}));
}

// An MTEXT's rotation is kept as files hold it, in degrees, and given in
// radians, whichever way it is written.
TEST_F(EntityTest, AnMTextRotationIsKeptInDegrees) {
    ads_point p = {1, 2, 0};
    ads_name e;
    makeEntity(acutBuildList(RTDXF0, L"MTEXT", 10, p, 40, 2.5, 1, L"label", 50, M_PI / 2, 0), e);
    ASSERT_FALSE(ads_name_nil(e)) << host::api::lastError();
    const host::db::Object* stored = db().object(host::api::slotOf(db(), e));
    EXPECT_NEAR(host::db::findGroup(*stored, 50)->asReal(), 90, 1e-12);
    ListHolder list(acdbEntGet(e));
    EXPECT_NEAR(findCode(list.list, 50)->resval.rreal, M_PI / 2, 1e-12);
    nth(list.list, 50)->resval.rreal = M_PI;
    ASSERT_EQ(acdbEntMod(list.list), RTNORM) << host::api::lastError();
    EXPECT_NEAR(host::db::findGroup(*db().object(host::api::slotOf(db(), e)), 50)->asReal(), 180, 1e-12);
}

TEST_F(EntityTest, EveryModelledTypeRoundTrips) {
    ads_point c = {1, 2, 0}, a = {0, 3, 0}, p2 = {4, 2, 0}, p3 = {4, 5, 0}, z = {0, 0, 1};
    struct Case {
        const char* type;
        resbuf* list;
        std::vector<int> body;  // codes after -1 0 330 5
    };
    const Case cases[] = {
        {"CIRCLE", acutBuildList(RTDXF0, L"CIRCLE", 10, c, 40, 2.0, 0), {100, 8, 100, 10, 40, 210}},
        {"ARC", acutBuildList(RTDXF0, L"ARC", 10, c, 40, 2.0, 50, 0.0, 51, 1.5, 0),
         {100, 8, 100, 10, 40, 210, 100, 50, 51}},
        {"ELLIPSE",
         acutBuildList(RTDXF0, L"ELLIPSE", 100, L"AcDbEntity", 8, L"0", 100, L"AcDbEllipse", 10, c, 11, a, 40, 0.5, 0),
         {100, 8, 100, 10, 11, 210, 40, 41, 42}},
        {"SOLID", acutBuildList(RTDXF0, L"SOLID", 10, c, 11, a, 12, p2, 13, p3, 0), {100, 8, 100, 10, 11, 12, 13, 210}},
        // A point as a dimension's block holds it.
        {"POINT", acutBuildList(RTDXF0, L"POINT", 8, L"DEFPOINTS", 10, c, 0), {100, 8, 100, 10, 210}},
        {"TEXT",
         acutBuildList(RTDXF0, L"TEXT", 7, L"STANDARD", 8, L"0", 40, 2.5, 10, c, 11, c, 72, 1, 73, 1, 1, L"\\U+2205100",
                       0),
         {100, 8, 100, 10, 40, 1, 50, 41, 51, 7, 71, 72, 11, 210, 100, 73}},
        {"LEADER",
         acutBuildList(RTDXF0, L"LEADER", 100, L"AcDbEntity", 8, L"0", 100, L"AcDbLeader", 3, L"STANDARD", 71, 1, 72, 0,
                       73, 3, 74, 1, 75, 0, 40, 0.0, 41, 0.0, 76, 2, 10, p2, 10, c, 77, 256, 0),
         {100, 8, 100, 3, 71, 72, 73, 74, 75, 40, 41, 76, 10, 10, 77, 210, 211, 212, 213}},
        {"HATCH",
         acutBuildList(RTDXF0, L"HATCH", 100, L"AcDbEntity", 8, L"0", 100, L"AcDbHatch", 10, c, 210, z, 2, L"SOLID",
                       70, 1, 71, 0, 91, 1L, 92, 1L, 93, 1L, 72, 2, 10, c, 40, 1.0, 50, 0.0, 51, 6.283185307, 73, 1,
                       97, 0L, 75, 0, 76, 1, 98, 1L, 10, c, 0),
         {100, 8, 100, 10, 210, 2, 70, 71, 91, 92, 93, 72, 10, 40, 50, 51, 73, 97, 75, 76, 98, 10}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.type);
        ads_name e;
        makeEntity(k.list, e);
        ASSERT_FALSE(ads_name_nil(e)) << host::api::lastError();
        ListHolder list(acdbEntGet(e));
        std::vector<int> codes = codesOf(list.list);
        ASSERT_GE(codes.size(), 4u);
        EXPECT_EQ(std::vector<int>(codes.begin() + 4, codes.end()), k.body);
        EXPECT_EQ(textOf(findCode(list.list, 0)), host::io::fromUtf8(k.type));
        // A list read back can be written back unchanged.
        EXPECT_EQ(acdbEntMod(list.list), RTNORM) << host::api::lastError();
        ListHolder again(acdbEntGet(e));
        EXPECT_EQ(codesOf(again.list), codes);
    }
}

TEST_F(EntityTest, EntModReplacesNamedApplicationsInTheirPlacesAndKeepsOthers) {
    ASSERT_EQ(acdbRegApp(L"OTHER"), RTNORM);
    ASSERT_EQ(acdbRegApp(L"THIRD"), RTNORM);
    ads_name e;
    makeEntity(line(acutBuildList(-3, 1001, L"LurakCad_B1", 1000, L"old", 1001, L"OTHER", 1070, 7, 0)), e);
    ASSERT_FALSE(ads_name_nil(e));
    ASSERT_EQ(modify(acutBuildList(-1, e, 62, 1, -3, 1001, L"LurakCad_B1", 1000, L"new", 1040, 2.5, 0)), RTNORM);
    ListHolder list(getX(e));
    EXPECT_EQ(findCode(list.list, 62)->resval.rint, 1);
    std::vector<int> codes = codesOf(list.list);
    std::vector<int> tail(std::find(codes.begin(), codes.end(), -3), codes.end());
    EXPECT_EQ(tail, (std::vector<int>{-3, 1001, 1000, 1040, 1001, 1070}));
    EXPECT_EQ(textOf(findCode(list.list, 1000)), L"new");

    // A new application goes after the stored ones; one named twice takes
    // its last groups, in its old place.
    ASSERT_EQ(modify(acutBuildList(-1, e, -3, 1001, L"THIRD", 1070, 3, 1001, L"lurakcad_b1", 1000, L"x", 1001,
                                   L"LurakCad_B1", 1000, L"y", 1040, 1.5, 0)),
              RTNORM)
        << host::api::lastError();
    ListHolder again(getX(e));
    std::vector<std::wstring> apps;
    for (const resbuf* rb = again.list; rb; rb = rb->rbnext)
        if (rb->restype == 1001) apps.push_back(textOf(rb));
    EXPECT_EQ(apps, (std::vector<std::wstring>{L"LurakCad_B1", L"OTHER", L"THIRD"}));
    EXPECT_EQ(textOf(findCode(again.list, 1000)), L"y");
    EXPECT_EQ(findCode(again.list, 1040)->resval.rreal, 1.5);

    // An application with no data loses its XDATA.
    ASSERT_EQ(modify(acutBuildList(-1, e, -3, 1001, L"OTHER", 0)), RTNORM);
    ListHolder after(getX(e, L"OTHER"));
    EXPECT_EQ(findCode(after.list, -3), nullptr);
}

TEST_F(EntityTest, EntModWithFullListMovesInsertToAnotherBlockAndDropsByLayer) {
    ads_point o = {0, 0, 0};
    for (const wchar_t* name : {L"A", L"B"}) makeBlock(name, {line()});
    ads_name e;
    makeEntity(acutBuildList(RTDXF0, L"INSERT", 2, L"A", 10, o, 62, 5, 0), e);
    resbuf* list = acdbEntGet(e);
    setText(nth(list, 2), L"b");
    nth(list, 62)->resval.rint = 256;
    ASSERT_EQ(modify(list), RTNORM);
    ListHolder after(acdbEntGet(e));
    EXPECT_EQ(textOf(findCode(after.list, 2)), L"B");
    EXPECT_EQ(findCode(after.list, 62), nullptr);
}

// An insert as another writer's file leaves it: its counts and extrusion
// at their defaults left out.  An entmod that does not name them leaves
// them out; one that names them stores them.
TEST_F(EntityTest, EntModAddsNoDefaultTheListAndTheEntityLack) {
    ads_point o = {0, 0, 0};
    for (const wchar_t* name : {L"A", L"B"}) makeBlock(name, {line()});
    struct Case {
        const char* what;
        std::function<resbuf*(const ads_name)> list;
        std::vector<int> added;
    };
    const std::vector<int> stored = {-1, 0, 330, 5, 100, 8, 100, 2, 10, 41, 42, 43, 50};
    const Case cases[] = {
        {"the whole list, another block", [](const ads_name e) {
             resbuf* list = acdbEntGet(e);
             setText(nth(list, 2), L"B");
             return list;
         }, {}},
        {"a colour alone", [](const ads_name e) { return acutBuildList(-1, e, 62, 3, 0); }, {62}},
        {"a column count and the extrusion", [](const ads_name e) {
             ads_point up = {0, 0, 1};
             return acutBuildList(-1, e, 62, 3, 70, 2, 210, up, 0);
         }, {62, 70, 210}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ads_name e;
        makeEntity(acutBuildList(RTDXF0, L"INSERT", 2, L"A", 8, L"0", 10, o, 0), e);
        ASSERT_FALSE(ads_name_nil(e));
        host::db::Object* held = db().object(host::api::slotOf(db(), e));
        std::erase_if(held->groups, [](const host::db::Group& g) {
            return g.code() == 70 || g.code() == 71 || g.code() == 44 || g.code() == 45 || g.code() == 210;
        });
        ASSERT_EQ(modify(c.list(e)), RTNORM) << host::api::lastError();
        ListHolder after(acdbEntGet(e));
        std::vector<int> codes = codesOf(after.list), expected = stored;
        for (int code : c.added)  // a colour after the layer, the rest in order at the end
            expected.insert(code == 62 ? expected.begin() + 6 : expected.end(), code);
        EXPECT_EQ(codes, expected);
    }
}

TEST_F(EntityTest, BadInputChangesNothing) {
    ads_point p = {0, 0, 0}, q = {1, 0, 0};
    size_t before = db().slotCount();
    std::wstring longText(300, L'x');
    const std::pair<const char*, resbuf*> refused[] = {
        {"no type", acutBuildList(10, p, 11, q, 0)},
        {"group 11 missing", acutBuildList(RTDXF0, L"LINE", 10, p, 0)},
        {"40 is not a LINE's", line(acutBuildList(40, 1.0, 0))},
        {"unknown linetype", line(acutBuildList(6, L"NOPE", 0))},
        {"invalid layer name", line(acutBuildList(8, L"a<b", 0))},
        {"colour out of range", line(acutBuildList(62, 300, 0))},
        {"unknown block", acutBuildList(RTDXF0, L"INSERT", 2, L"NOBLOCK", 10, p, 0)},
        {"unregistered application", line(acutBuildList(-3, 1001, L"UNREG", 1000, L"x", 0))},
        {"open XDATA brace", line(acutBuildList(-3, 1001, L"LurakCad_B1", 1002, L"{", 0))},
        {"unknown type", acutBuildList(RTDXF0, L"WIDGET", 10, p, 0)},
        {"XDATA text too long",
         line(acutBuildList(-3, 1001, L"LurakCad_B1", 1000, longText.c_str(), 0))},
        {"no open block", acutBuildList(RTDXF0, L"ENDBLK", 0)},
        {"circle of radius 0", acutBuildList(RTDXF0, L"CIRCLE", 10, p, 40, 0.0, 0)},
        {"arc of negative radius", acutBuildList(RTDXF0, L"ARC", 10, p, 40, -1.0, 50, 0.0, 51, 1.0, 0)},
        {"ellipse ratio 0", acutBuildList(RTDXF0, L"ELLIPSE", 10, p, 11, q, 40, 0.0, 0)},
        {"ellipse ratio above 1", acutBuildList(RTDXF0, L"ELLIPSE", 10, p, 11, q, 40, 1.5, 0)},
        {"ellipse without a major axis", acutBuildList(RTDXF0, L"ELLIPSE", 10, p, 11, p, 40, 0.5, 0)},
    };
    for (const auto& [what, list] : refused) EXPECT_NE(make(list), RTNORM) << what;
    EXPECT_EQ(db().slotCount(), before);
    EXPECT_EQ(acdbTblSearch(L"LAYER", L"a<b", 0), nullptr);

    // Neither the type nor the handle of an entity can change.
    ads_name e;
    makeEntity(line(), e);
    EXPECT_EQ(modify(acutBuildList(-1, e, RTDXF0, L"CIRCLE", 0)), RTERROR);
    EXPECT_EQ(modify(acutBuildList(-1, e, 5, L"FFFF", 0)), RTERROR);
    ListHolder kept(acdbEntGet(e));
    EXPECT_EQ(textOf(findCode(kept.list, 0)), L"LINE");

    // An insert may not be scaled by 0, made or modified.
    makeBlock(L"S", {line()});
    ads_name scaled;
    EXPECT_NE(make(acutBuildList(RTDXF0, L"INSERT", 2, L"S", 10, p, 42, 0.0, 0)), RTNORM);
    makeEntity(acutBuildList(RTDXF0, L"INSERT", 2, L"S", 10, p, 0), scaled);
    EXPECT_EQ(modify(acutBuildList(-1, scaled, 43, 0.0, 0)), RTERROR);

    // A modification may not take a curve's shape away.
    ads_name circle;
    makeEntity(acutBuildList(RTDXF0, L"CIRCLE", 10, p, 40, 2.0, 0), circle);
    EXPECT_EQ(modify(acutBuildList(-1, circle, 40, 0.0, 0)), RTERROR);
    ListHolder round(acdbEntGet(circle));
    const_cast<resbuf*>(findCode(round.list, 40))->resval.rreal = -1.0;  // the whole list back, as read
    EXPECT_EQ(acdbEntMod(round.list), RTERROR);
    ListHolder still(acdbEntGet(circle));
    EXPECT_EQ(findCode(still.list, 40)->resval.rreal, 2.0);

    // A stale or null name, and a handle that names nothing.
    ads_name stale = {999999, 1}, nothing = {0, 0}, out;
    EXPECT_EQ(acdbEntGet(stale), nullptr);
    EXPECT_EQ(acdbEntGet(nothing), nullptr);
    EXPECT_EQ(acdbEntDel(stale), RTERROR);
    EXPECT_EQ(modify(acutBuildList(-1, stale, 62, 1, 0)), RTERROR);
    for (const wchar_t* handle : {L"FFFFFF", L"0", L"", L"XYZ"}) EXPECT_EQ(acdbHandEnt(handle, out), RTERROR);
    EXPECT_EQ(acutBuildList(RTDXF0, L"LINE", 4999, 1, 0), nullptr);  // no such group code
}

TEST_F(EntityTest, PartialEntModChangesOnlyTheGivenGroups) {
    ads_point a = {0, 0, 0}, b = {5, 5, 0};
    ads_name e;
    makeEntity(acutBuildList(RTDXF0, L"LEADER", 100, L"AcDbEntity", 8, L"0", 100, L"AcDbLeader", 3, L"STANDARD", 10, a,
                             10, b, 0),
               e);
    ASSERT_FALSE(ads_name_nil(e));
    ASSERT_EQ(modify(acutBuildList(-1, e, 62, 3, 0)), RTNORM) << host::api::lastError();
    ListHolder list(acdbEntGet(e));
    EXPECT_EQ(findCode(list.list, 62)->resval.rint, 3);
    ASSERT_NE(nth(list.list, 10, 1), nullptr);
    EXPECT_EQ(nth(list.list, 10, 1)->resval.rpoint[0], 5);
}

TEST_F(EntityTest, EraseTogglesAndHandlesFindOnlyLiveEntities) {
    ads_point p = {0, 0, 0};
    ads_name first, second, last, next;
    makeEntity(line(), first);
    makeEntity(acutBuildList(RTDXF0, L"CIRCLE", 10, p, 40, 1.0, 0), second);
    ListHolder list(acdbEntGet(second));
    std::wstring handle = textOf(findCode(list.list, 5));
    ASSERT_EQ(acdbEntDel(second), RTNORM);
    EXPECT_EQ(acdbEntGet(second), nullptr);
    ASSERT_EQ(acdbEntLast(last), RTNORM);
    EXPECT_TRUE(ads_name_equal(last, first));
    EXPECT_EQ(acdbHandEnt(handle.c_str(), next), RTERROR);
    EXPECT_EQ(acdbEntNext(first, next), RTERROR);
    ASSERT_EQ(acdbEntDel(second), RTNORM);  // un-erases
    ASSERT_EQ(acdbHandEnt(handle.c_str(), next), RTNORM);
    EXPECT_TRUE(ads_name_equal(next, second));
    ASSERT_EQ(acdbEntNext(nullptr, next), RTNORM);
    EXPECT_TRUE(ads_name_equal(next, first));
    ASSERT_EQ(acdbEntNext(first, next), RTNORM);
    EXPECT_TRUE(ads_name_equal(next, second));
}

TEST_F(EntityTest, BlockEntitiesAreNotMainEntities) {
    ads_point o = {0, 0, 0}, q = {1, 0, 0};
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"BLOCK", 2, L"*X", 10, o, 70, 1, 0)), RTNORM);
    // Brackets do not nest, and nothing of an open bracket is in the drawing.
    EXPECT_EQ(make(acutBuildList(RTDXF0, L"BLOCK", 2, L"*Y", 10, o, 70, 1, 0)), RTERROR);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"LINE", 8, L"INBLOCK", 10, o, 11, q, 0)), RTNORM);
    ads_name last;
    EXPECT_EQ(acdbEntLast(last), RTERROR);
    EXPECT_EQ(acdbTblSearch(L"LAYER", L"INBLOCK", 0), nullptr);
    EXPECT_EQ(make(acutBuildList(RTDXF0, L"ENDBLK", 0)), RTKWORD);
    EXPECT_EQ(acdbEntLast(last), RTERROR);
    ListHolder layer(acdbTblSearch(L"LAYER", L"INBLOCK", 0));
    EXPECT_NE(layer.list, nullptr);
    // Two anonymous blocks get different names.
    std::wstring firstName = host::io::fromUtf8(host::io::lastInput());
    EXPECT_NE(makeBlock(L"*NEW"), firstName);
    ListHolder block(acdbTblSearch(L"BLOCK", firstName.c_str(), 0));
    ASSERT_NE(block.list, nullptr);
    const resbuf* firstEntity = findCode(block.list, -2);
    ASSERT_NE(firstEntity, nullptr);
    EXPECT_EQ(acdbEntDel(firstEntity->resval.rlname), RTERROR);  // not a main entity
}

TEST_F(EntityTest, RegisteredApplicationsAndTables) {
    EXPECT_EQ(acdbRegApp(L"LurakCad_B1"), RTERROR);  // already there
    EXPECT_EQ(acdbRegApp(L"bad name?"), RTERROR);
    ListHolder acad(acdbTblSearch(L"APPID", L"acad", 0));
    ASSERT_NE(acad.list, nullptr);
    EXPECT_EQ(textOf(findCode(acad.list, 2)), L"ACAD");
    int layers = 0;  // "0" and "DEFPOINTS", as the template holds them
    for (resbuf* rb = acdbTblNext(L"LAYER", 1); rb; rb = acdbTblNext(L"LAYER", 0), ++layers) acutRelRb(rb);
    EXPECT_EQ(layers, 2);
}

} // namespace

TEST_F(EntityTest, XdSizeCountsAsTheHostsRoomForOneObject) {
    // What acdbXdSize says is what acdbEntMake and acdbEntMod hold against
    // the room of 16383 bytes: a caller can tell before it writes.
    for (size_t length = 160; length <= 172; ++length) {
        std::wstring text(length, L'x');
        resbuf* xdata = acutBuildList(-3, 1001, L"LurakCad_B1", 1000, text.c_str(), 0);
        resbuf* tail = xdata;
        while (tail->rbnext) tail = tail->rbnext;
        for (int i = 0; i < 1800; ++i) {
            tail->rbnext = acutBuildList(1040, 1.0 * i, 0);
            tail = tail->rbnext;
        }
        long size = 0;
        ASSERT_EQ(acdbXdSize(xdata, &size), RTNORM);
        long withoutMarker = 0;
        ASSERT_EQ(acdbXdSize(xdata->rbnext, &withoutMarker), RTNORM);
        EXPECT_EQ(size, withoutMarker);
        ads_name made;
        makeEntity(line(xdata), made);
        EXPECT_EQ(!ads_name_nil(made), size <= 16383) << size;
    }
    long size = 0;
    resbuf* unregistered = acutBuildList(1001, L"NOBODY", 1070, 1, 0);
    EXPECT_EQ(acdbXdSize(unregistered, &size), RTERROR);
    acutRelRb(unregistered);
}
