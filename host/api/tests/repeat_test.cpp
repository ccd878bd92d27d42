// Lists made and changed again and again: the host remembers how it built
// a list of the same shape and which records names found; what it
// remembers must never outlive what it describes.
#include "fixture.h"

namespace {

class RepeatTest : public DrawingTest {};

// The list of the entity made last.
resbuf* lastList() {
    ads_name e;
    acdbEntLast(e);
    return acdbEntGet(e);
}

TEST_F(RepeatTest, SameShapeWithOtherValuesKeepsOrLeavesOutDefaults) {
    ads_point p = {0, 0, 0}, q = {5, 0, 0};
    // Same codes each time; every other list gives the defaults, which the
    // host leaves out of the stored body.
    for (int i = 0; i < 6; ++i) {
        bool defaults = i % 2 == 0;
        ASSERT_EQ(make(acutBuildList(RTDXF0, L"LINE", 6, defaults ? L"BYLAYER" : L"BYBLOCK", 8, L"0", 62,
                                     defaults ? 256 : i - 1, 10, p, 11, q, 0)),  // 0 is BYBLOCK
                  RTNORM);
        ListHolder back(lastList());
        if (defaults) {
            EXPECT_EQ(codesOf(back.list), (std::vector<int>{-1, 0, 330, 5, 100, 8, 100, 10, 11, 210})) << i;
        } else {
            EXPECT_EQ(codesOf(back.list), (std::vector<int>{-1, 0, 330, 5, 100, 8, 6, 62, 100, 10, 11, 210})) << i;
            EXPECT_EQ(textOf(findCode(back.list, 6)), L"ByBlock");  // spelled as the table spells it
            EXPECT_EQ(findCode(back.list, 62)->resval.rint, i - 1);
        }
    }
    // Another order of the same groups comes out in the host's order too.
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"LINE", 11, q, 10, p, 62, 3, 8, L"0", 0)), RTNORM);
    ListHolder back(lastList());
    EXPECT_EQ(codesOf(back.list), (std::vector<int>{-1, 0, 330, 5, 100, 8, 62, 100, 10, 11, 210}));
    EXPECT_DOUBLE_EQ(findCode(back.list, 11)->resval.rpoint[0], 5.0);
}

TEST_F(RepeatTest, RoundTripChangesAreCheckedWhenTheyNameRecords) {
    ads_point p = {0, 0, 0}, q = {5, 0, 0};
    ads_name e;
    makeEntity(acutBuildList(RTDXF0, L"LINE", 8, L"0", 62, 2, 10, p, 11, q, 0), e);
    ASSERT_FALSE(ads_name_nil(e));
    // A moved point: taken as it stands.
    resbuf* list = acdbEntGet(e);
    nth(list, 11)->resval.rpoint[1] = 7.0;
    ASSERT_EQ(modify(list), RTNORM);
    ListHolder moved(acdbEntGet(e));
    EXPECT_DOUBLE_EQ(findCode(moved.list, 11)->resval.rpoint[1], 7.0);
    // A new layer: made; a linetype that is not loaded: refused, nothing changes.
    list = acdbEntGet(e);
    setText(nth(list, 8), L"DUCTS");
    EXPECT_EQ(modify(list), RTNORM);
    ListHolder layer(acdbTblSearch(L"LAYER", L"DUCTS", 0));
    EXPECT_NE(layer.list, nullptr);
    // The stored body has no linetype group to change: give one through a partial list.
    EXPECT_EQ(modify(acutBuildList(-1, e, 6, L"NOSUCHTYPE", 0)), RTERROR);
    ListHolder after(acdbEntGet(e));
    EXPECT_EQ(textOf(findCode(after.list, 8)), L"DUCTS");
    EXPECT_EQ(findCode(after.list, 6), nullptr);
    // A colour set back to its default leaves the list.
    list = acdbEntGet(e);
    nth(list, 62)->resval.rint = 256;
    ASSERT_EQ(modify(list), RTNORM);
    ListHolder bylayer(acdbEntGet(e));
    EXPECT_EQ(findCode(bylayer.list, 62), nullptr);
    // An out-of-range colour is refused even in a round trip.
    list = acdbEntGet(e);
    resbuf* layerGroup = nth(list, 8);
    resbuf* colour = acutBuildList(62, 300, 0);
    colour->rbnext = layerGroup->rbnext;
    layerGroup->rbnext = colour;
    EXPECT_EQ(modify(list), RTERROR);
}

TEST_F(RepeatTest, RenamedRecordsAndOtherDrawingsAreNotFoundFromMemory) {
    ads_point p = {0, 0, 0}, q = {1, 0, 0};
    ads_name e;
    makeEntity(acutBuildList(RTDXF0, L"LINE", 8, L"OLD", 10, p, 11, q, 0), e);
    makeEntity(acutBuildList(RTDXF0, L"LINE", 8, L"OLD", 10, p, 11, q, 0), e);  // found again, from memory
    ads_name layer;
    ASSERT_EQ(acdbTblObjName(L"LAYER", L"OLD", layer), RTNORM);
    resbuf* record = acdbEntGet(layer);
    setText(nth(record, 2), L"NEW");
    ASSERT_EQ(modify(record), RTNORM);
    // The record a name leads to, checked by what it holds.
    auto layerNamed = [](host::db::Database& d, std::string_view name) {
        host::db::Slot s = d.findRecord(host::db::Table::Layer, name);
        const host::db::Object* o = d.object(s);
        return o && o->isType("LAYER") && host::db::groupText(*o, 2) == name;
    };
    EXPECT_TRUE(layerNamed(db(), "NEW"));
    EXPECT_EQ(db().findRecord(host::db::Table::Layer, "OLD"), host::db::kNoSlot);

    // A second drawing with its own layer of the same name, looked up in
    // turn with the first: each finds its own.
    auto other = std::make_unique<AcDbDatabase>();
    host::api::setCurrentDatabase(other.get());
    ads_name f;
    makeEntity(acutBuildList(RTDXF0, L"LINE", 8, L"NEW", 10, p, 11, q, 0), f);
    ASSERT_FALSE(ads_name_nil(f));
    host::db::Database& second = *other->hostDatabase();
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(layerNamed(second, "NEW"));
        EXPECT_TRUE(layerNamed(db(), "NEW"));
    }
    EXPECT_NE(second.findRecord(host::db::Table::Layer, "NEW"), db().findRecord(host::db::Table::Layer, "NEW"));
    host::api::setCurrentDatabase(drawing.get());

    // A rename of the case only: entities then spell the name the new way.
    makeEntity(acutBuildList(RTDXF0, L"LINE", 8, L"new", 10, p, 11, q, 0), e);
    record = acdbEntGet(layer);
    setText(nth(record, 2), L"New");
    ASSERT_EQ(modify(record), RTNORM);
    makeEntity(acutBuildList(RTDXF0, L"LINE", 8, L"new", 10, p, 11, q, 0), e);
    ListHolder spelled(acdbEntGet(e));
    EXPECT_EQ(textOf(findCode(spelled.list, 8)), L"New");
}

// A list of a type, a subclass marker when one is given (which sends the
// list the general way), then the rest.
resbuf* typed(const wchar_t* type, const wchar_t* marker, resbuf* rest) {
    resbuf* list = marker ? acutBuildList(RTDXF0, type, 100, marker, 0) : acutBuildList(RTDXF0, type, 0);
    resbuf* tail = list;
    while (tail->rbnext) tail = tail->rbnext;
    tail->rbnext = rest;
    return list;
}

ads_point pc = {1, 2, 0}, pa = {0, 3, 0}, pb = {4, 2, 0}, pd = {4, 5, 0};

// A list made three times as given (the first teaches the host its shape,
// the others use what it kept) and once with a leading subclass marker,
// which the host takes the general way: all four come out the same.
TEST_F(RepeatTest, ListsOfAKeptShapeComeOutAsTheGeneralWayMakesThem) {
    ads_point origin = {0, 0, 0};
    makeBlock(L"PART", {acutBuildList(RTDXF0, L"LINE", 10, origin, 11, pc, 0)});
    struct Case {
        const char* what;
        resbuf* (*make)(const wchar_t* marker);
    };
    const Case cases[] = {
        {"line", [](const wchar_t* m) { return typed(L"LINE", m, acutBuildList(6, L"BYBLOCK", 8, L"0", 62, 0, 10, pc, 11, pa, 0)); }},
        {"line with defaults", [](const wchar_t* m) {
             return typed(L"LINE", m, acutBuildList(62, 256, 6, L"bylayer", 8, L"0", 11, pa, 10, pc, 0));
         }},
        {"arc", [](const wchar_t* m) { return typed(L"ARC", m, acutBuildList(8, L"0", 10, pc, 40, 2.0, 50, 0.25, 51, 3.0, 0)); }},
        {"circle", [](const wchar_t* m) { return typed(L"CIRCLE", m, acutBuildList(8, L"0", 39, 0.0, 10, pc, 40, 2.0, 0)); }},
        {"solid", [](const wchar_t* m) { return typed(L"SOLID", m, acutBuildList(8, L"0", 10, pc, 11, pa, 12, pb, 0)); }},
        {"text", [](const wchar_t* m) {
             return typed(L"TEXT", m, acutBuildList(8, L"0", 40, 2.5, 10, pc, 1, L"x", 50, 0.5, 72, 1, 0));
         }},
        {"text with style", [](const wchar_t* m) {
             return typed(L"TEXT", m, acutBuildList(7, L"standard", 8, L"0", 40, 2.5, 10, pc, 11, pc, 72, 1, 73, 1, 1,
                                                    L"400x200", 0));
         }},
        {"ellipse", [](const wchar_t* m) { return typed(L"ELLIPSE", m, acutBuildList(8, L"0", 10, pc, 11, pa, 40, 0.5, 0)); }},
        {"insert", [](const wchar_t* m) {
             return typed(L"INSERT", m, acutBuildList(2, L"part", 6, L"BYLAYER", 8, L"0", 10, pd, 41, 2.0, 50, 1.0, 62, 256,
                                                      -3, 1001, L"LurakCad_B1", 1000, L"ZL1", 1002, L"{", 1070, 4,
                                                      1002, L"}", 1005, L"0", 1040, 600.0, 0));
         }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        std::vector<std::vector<std::string>> made;
        for (const wchar_t* marker : {static_cast<const wchar_t*>(nullptr), static_cast<const wchar_t*>(nullptr),
                                      static_cast<const wchar_t*>(nullptr), L"AcDbEntity"}) {
            ASSERT_EQ(make(k.make(marker)), RTNORM) << host::api::lastError();
            ads_name e;
            acdbEntLast(e);
            made.push_back(contentOf(e));
        }
        for (size_t i = 1; i < made.size(); ++i) EXPECT_EQ(made[i], made[0]) << "making " << i;
    }

    // Repeated lists that the host refuses or must add to.
    ads_point c = {1, 2, 0}, a = {0, 3, 0};
    EXPECT_EQ(make(acutBuildList(RTDXF0, L"LINE", 6, L"NOSUCHTYPE", 8, L"0", 62, 0, 10, c, 11, a, 0)), RTERROR);
    EXPECT_NE(host::api::lastError().find("NOSUCHTYPE"), std::string::npos);
    EXPECT_EQ(make(acutBuildList(RTDXF0, L"LINE", 6, L"BYBLOCK", 8, L"0", 62, 999, 10, c, 11, a, 0)), RTERROR);
    EXPECT_EQ(make(acutBuildList(RTDXF0, L"LINE", 6, L"BYBLOCK", 8, L"FRESH", 62, 0, 10, c, 11, a, 0)), RTNORM);
    ListHolder fresh(acdbTblSearch(L"LAYER", L"FRESH", 0));
    EXPECT_NE(fresh.list, nullptr);
    EXPECT_EQ(make(acutBuildList(RTDXF0, L"LINE", 6, L"BYBLOCK", 8, L"0", 62, 0, 10, c, 11, a, -3, 1001, L"NOAPP", 1000,
                                 L"x", 0)),
              RTERROR);
}

// Lists that name no layer take the current one, as the table spells it,
// and BLOCK lists open their block: three times from one shape, once
// the general way (a leading marker), with the same result.
TEST_F(RepeatTest, ListsWithoutALayerAndBlocksComeOutAsTheGeneralWayMakesThem) {
    ASSERT_EQ(make(line(acutBuildList(8, L"Walls", 0))), RTNORM);
    db().setHeaderVariable("$CLAYER", host::db::Group::text(8, "walls"));
    ads_point origin = {1, 2, 0};
    std::vector<std::vector<std::string>> lines;
    std::vector<host::db::GroupList> begins;
    for (const wchar_t* marker : {static_cast<const wchar_t*>(nullptr), static_cast<const wchar_t*>(nullptr),
                                  static_cast<const wchar_t*>(nullptr), L"AcDbEntity"}) {
        ASSERT_EQ(make(typed(L"LINE", marker, acutBuildList(10, pc, 11, pa, 0))), RTNORM) << host::api::lastError();
        ads_name e;
        acdbEntLast(e);
        lines.push_back(contentOf(e));

        ASSERT_EQ(make(typed(L"BLOCK", marker, acutBuildList(2, L"*NEW", 10, origin, 70, 1, -3, 1001, L"LurakCad_B1",
                                                            1070, 7, 0))),
                  RTNORM)
            << host::api::lastError();
        EXPECT_EQ(make(typed(L"BLOCK", nullptr, acutBuildList(2, L"*NEW", 10, origin, 70, 1, 0))), RTERROR);  // one open
        ASSERT_EQ(make(line()), RTNORM);
        ASSERT_EQ(make(acutBuildList(RTDXF0, L"ENDBLK", 0)), RTKWORD);
        const host::db::Block* block = db().findBlock(host::io::lastInput());
        ASSERT_NE(block, nullptr);
        host::db::GroupList begin;
        for (const host::db::Group& g : db().object(block->begin)->groups)
            if (g.code() != 2 && g.code() != 3) begin.push_back(g);  // the names differ
        begins.push_back(begin);
    }
    EXPECT_EQ(textOf(findCode(ListHolder(lastList()).list, 8)), L"Walls");
    for (size_t i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], lines[0]) << "making " << i;
        EXPECT_TRUE(begins[i] == begins[0]) << "making " << i;
    }
}

} // namespace
