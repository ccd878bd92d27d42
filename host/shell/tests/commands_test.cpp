#include <cmath>
#include <string>
#include <vector>

#include "acdb_objects.h"
#include "aced_input.h"
#include "ads_entity.h"
#include "api/host_api.h"
#include "shell/commands.h"
#include "shell/documents.h"
#include "shell_fixture.h"

namespace {

std::string handleOf(const ads_name e) {
    resbuf* list = acdbEntGet(e);
    std::string handle = text(list, 5);
    acutRelRb(list);
    return handle;
}

} // namespace

class Commands : public ShellTest {
protected:
    void run(const char* command, const char* answers) {
        script(answers);
        ASSERT_TRUE(host::shell::runCommandWord(command)) << command;
    }
};

TEST_F(Commands, LineCircleArcAndTextAtTheCommandLine) {
    run("LINE", "0,0\n100,0\n@0,50\n\n");
    const resbuf* list = lastList();
    ASSERT_EQ(text(list, 0), "LINE");
    EXPECT_EQ(group(list, 10)->resval.rpoint[0], 100);
    EXPECT_EQ(group(list, 11)->resval.rpoint[1], 50);
    run("circle", "10,10\nbad\n5\n");
    list = lastList();
    ASSERT_EQ(text(list, 0), "CIRCLE");
    EXPECT_EQ(group(list, 40)->resval.rreal, 5);
    EXPECT_NE(transcript().find("Requires numeric distance"), std::string::npos);
    run("_ARC", "10,0\n0,10\n-10,0\n");
    list = lastList();
    ASSERT_EQ(text(list, 0), "ARC");
    EXPECT_NEAR(group(list, 10)->resval.rpoint[0], 0, 1e-9);
    EXPECT_NEAR(group(list, 40)->resval.rreal, 10, 1e-9);
    run("TEXT", "1,1\n\n\nK\u00d6Z\u00c9P 400\n");
    list = lastList();
    ASSERT_EQ(text(list, 0), "TEXT");
    EXPECT_EQ(text(list, 1), "K\u00d6Z\u00c9P 400");
}

TEST_F(Commands, EndOfInputCancelsACommand) {
    run("LINE", "0,0\n");
    ads_name last;
    EXPECT_NE(acdbEntLast(last), RTNORM);
    EXPECT_NE(transcript().find("*Cancel*"), std::string::npos);
}

TEST_F(Commands, PicksByPointHandleAndLast) {
    run("LINE", "0,0\n100,0\n\n");
    ads_name line;
    ASSERT_EQ(acdbEntLast(line), RTNORM);
    run("CIRCLE", "200,0\n10\n");
    ads_name circle;
    ASSERT_EQ(acdbEntLast(circle), RTNORM);
    std::string lineHandle = handleOf(line);
    std::string answers = "50,1\n#" + lineHandle + "\nlast\n500,500\n\n";
    host::io::setScript(answers);
    ads_name picked;
    ads_point at;
    ASSERT_EQ(acedEntSel(nullptr, picked, at), RTNORM);
    EXPECT_TRUE(ads_name_equal(picked, line));
    EXPECT_EQ(at[0], 50);
    ASSERT_EQ(acedEntSel(nullptr, picked, at), RTNORM);
    EXPECT_TRUE(ads_name_equal(picked, line));
    ASSERT_EQ(acedEntSel(nullptr, picked, at), RTNORM);
    EXPECT_TRUE(ads_name_equal(picked, circle));
    EXPECT_EQ(acedEntSel(nullptr, picked, at), RTERROR);  // nothing there
    resbuf errno_;
    acedGetVar(L"ERRNO", &errno_);
    EXPECT_EQ(errno_.resval.rint, 7);
    EXPECT_EQ(acedEntSel(nullptr, picked, at), RTERROR);  // Enter
    acedGetVar(L"ERRNO", &errno_);
    EXPECT_EQ(errno_.resval.rint, 52);
}

TEST_F(Commands, SelectionSetsKeepOrderAndEraseWorks) {
    run("LINE", "0,0\n100,0\n\n");
    run("CIRCLE", "200,0\n10\n");
    ads_name second, third;
    ASSERT_EQ(acdbEntLast(second), RTNORM);
    run("CIRCLE", "400,0\n10\n");
    ASSERT_EQ(acdbEntLast(third), RTNORM);
    script(("last\n#" + handleOf(second) + "\n50,0\nwindow 150,-20 250,20\n50,0\n\n").c_str());
    ads_name set;
    ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, set), RTNORM);
    long n = 0;
    acedSSLength(set, &n);
    ASSERT_EQ(n, 3);  // the window's circle and the second pick of the line are duplicates
    ads_name first, next;
    acedSSName(set, 0, first);
    EXPECT_TRUE(ads_name_equal(first, third));
    acedSSName(set, 1, next);
    EXPECT_TRUE(ads_name_equal(next, second));  // picked by its handle
    acedSSFree(set);
    script("^C\n");
    EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, set), RTCAN);
    run("ERASE", "all\n\n");
    ads_name any;
    EXPECT_NE(acdbEntLast(any), RTNORM);
}

// Erases a second entity when its first is erased, as the label reactor
// takes a label's leader with it.
struct TakesAlong : AcDbObjectReactor {
    AcDbObjectId other;
    void erased(const AcDbObject*, Adesk::Boolean erasing) override {
        AcDbObject* o = nullptr;
        if (erasing && acdbOpenObject(o, other, AcDb::kForWrite) == Acad::eOk) {
            o->erase();
            o->close();
        }
    }
};

TEST_F(Commands, EraseLeavesWhatAReactorErasedOnTheWayErased) {
    // Both selected, the label first: its reactor erases the leader, and
    // ERASE, coming to the leader, must not bring it back.
    run("CIRCLE", "0,0\n10\n");
    ads_name label, leader;
    ASSERT_EQ(acdbEntLast(label), RTNORM);
    run("LINE", "0,0\n100,0\n\n");
    ASSERT_EQ(acdbEntLast(leader), RTNORM);
    TakesAlong reactor;
    AcDbObjectId labelId;
    ASSERT_EQ(acdbGetObjectId(labelId, label), Acad::eOk);
    ASSERT_EQ(acdbGetObjectId(reactor.other, leader), Acad::eOk);
    AcDbObject* o = nullptr;
    ASSERT_EQ(acdbOpenObject(o, labelId, AcDb::kForWrite), Acad::eOk);
    o->addReactor(&reactor);
    o->close();
    run("ERASE", ("#" + handleOf(label) + "\n#" + handleOf(leader) + "\n\n").c_str());
    ads_name any;
    EXPECT_NE(acdbEntLast(any), RTNORM) << "an entity is left";
}

TEST_F(Commands, ListPrintsDataWithXdata) {
    run("LINE", "0,0\n10,0\n\n");
    ads_name line;
    ASSERT_EQ(acdbEntLast(line), RTNORM);
    acdbRegApp(L"LurakCad_B1");
    resbuf* xdata = acutBuildList(-1, line, -3, 1001, L"LurakCad_B1", 1000, L"tag", 0);
    ASSERT_EQ(acdbEntMod(xdata), RTNORM);
    acutRelRb(xdata);
    transcript();
    run("LIST", "last\n\n");
    std::string t = transcript();
    EXPECT_NE(t.find("(0 . \"LINE\")"), std::string::npos) << t;
    EXPECT_NE(t.find("(1001 . \"LurakCad_B1\")"), std::string::npos) << t;
    EXPECT_NE(t.find("(1000 . \"tag\")"), std::string::npos) << t;
}

TEST_F(Commands, RedrawKeepsHighlightPerEntity) {
    run("LINE", "0,0\n10,0\n\n");
    ads_name line;
    ASSERT_EQ(acdbEntLast(line), RTNORM);
    EXPECT_EQ(acedRedraw(line, 3), RTNORM);
    EXPECT_TRUE(doc_->highlighted(line));
    EXPECT_EQ(acedRedraw(line, 4), RTNORM);
    EXPECT_FALSE(doc_->highlighted(line));
    EXPECT_EQ(acedRedraw(line, 9), RTERROR);
    EXPECT_EQ(acedRedraw(nullptr, 1), RTNORM);
}

// Values passed by acedCommand are checked as typed ones are: a point or
// number that is not finite is refused with RTREJ and nothing is drawn.
TEST_F(Commands, PassedNumbersNoDrawingCanHoldAreRefused) {
    const double nan = std::nan(""), inf = HUGE_VAL;
    ads_point origin = {0, 0, 0}, bad = {1, nan, 0}, far = {1e16, 0, 0};
    EXPECT_EQ(acedCommand(RTSTR, L"_LINE", RTPOINT, bad, RTNONE), RTREJ);
    EXPECT_EQ(acedCommand(RTSTR, L"_LINE", RTPOINT, origin, RTPOINT, far, RTNONE), RTREJ);
    EXPECT_EQ(acedCommand(RTSTR, L"_CIRCLE", RTPOINT, origin, RTREAL, inf, RTNONE), RTREJ);
    EXPECT_FALSE(host::shell::commandActive());
    EXPECT_EQ(lastList(), nullptr);
}

// Commands that cannot add what they make say so and why, and leave
// nothing half made: a dimension whose block was stored, but not the
// dimension, leaves no block.
TEST_F(Commands, ACommandThatCannotAddSaysSoAndLeavesNothingHalfMade) {
    host::db::Database* database = host::api::currentDatabase();
    ASSERT_NE(database, nullptr);
    database->raiseHandseed(UINT64_MAX - 11);  // the block's twelve objects
    size_t blocks = database->records(host::db::Table::BlockRecord).size();
    run("DIM", "rotated\n0\n0,0\n100,0\n50,30\n\nexit\n");
    run("LINE", "0,0\n100,0\n\n");
    run("_linetype", "load\nCIKKCAKK\n\n\n");
    std::string said = transcript();
    for (std::string what : {"The dimension could not be made", "The entity could not be made",
                             "Linetype CIKKCAKK could not be added to the drawing"})
        EXPECT_NE(said.find(what + ": " + host::api::kNoHandleLeft + "."), std::string::npos) << what << "\n" << said;
    EXPECT_EQ(database->records(host::db::Table::BlockRecord).size(), blocks);
    EXPECT_EQ(lastList(), nullptr);
}

TEST_F(Commands, UnknownCommandsAreRefused) {
    EXPECT_FALSE(host::shell::runCommandWord("frobnicate"));
    EXPECT_EQ(acedCommand(RTSTR, L"frobnicate", RTNONE), RTREJ);
    EXPECT_NE(transcript().find("Unknown command \"frobnicate\"."), std::string::npos);
    EXPECT_EQ(acedCommand(RTNONE), RTNORM);  // harmless when idle
}

TEST_F(Commands, MenuLoadRecordsTheMenuAndWarnsWhenMissing) {
    EXPECT_EQ(acedCommand(RTSTR, L"_MENULOAD", RTSTR, L"NOSUCHMENU.cui", RTNONE), RTNORM);
    ASSERT_EQ(doc_->menus().size(), 1u);
    EXPECT_EQ(doc_->menus()[0], "NOSUCHMENU.cui");
    EXPECT_NE(transcript().find("not on the search path"), std::string::npos);
    EXPECT_FALSE(host::shell::commandActive());
}

// An insert of a block TB at the origin with an attribute "A-1" at 0,20 and
// its SEQEND after it, as a file gives them (the read repair's doing): the
// insert, and its attribute and SEQEND.
static std::vector<host::db::Slot> InsertWithAttribute(ads_name insert) {
    ads_point origin = {0, 0, 0};
    auto make = [](resbuf* list) {
        int status = acdbEntMake(list);
        acutRelRb(list);
        return status;
    };
    EXPECT_EQ(make(acutBuildList(RTDXF0, L"BLOCK", 2, L"TB", 10, origin, 70, 0, 0)), RTNORM);
    EXPECT_EQ(make(acutBuildList(RTDXF0, L"ENDBLK", 0)), RTNORM);
    EXPECT_EQ(make(acutBuildList(RTDXF0, L"INSERT", 2, L"TB", 10, origin, 0)), RTNORM);
    EXPECT_EQ(acdbEntLast(insert), RTNORM);
    host::db::Database& db = *host::api::currentDatabase();
    host::db::Handle owner = db.object(host::api::slotOf(db, insert))->handle;
    std::vector<host::db::Slot> subs;
    for (const char* type : {"ATTRIB", "SEQEND"}) {
        host::db::Object o;
        o.type = host::db::internType(type);
        o.groups = {host::db::Group::text(100, "AcDbEntity"), host::db::Group::text(8, "0")};
        if (subs.empty())
            for (host::db::Group g : {host::db::Group::point(10, 0, 20, 0), host::db::Group::real(40, 2.5),
                                      host::db::Group::text(1, "A-1"), host::db::Group::text(2, "TAG")})
                o.groups.push_back(g);
        subs.push_back(db.add(std::move(o)));
        db.appendEntity(db.modelSpace(), subs.back());
        db.object(subs.back())->owner = owner;
    }
    return subs;
}

TEST_F(Commands, AllTakesAnInsertWithoutItsAttributesWhichGoWithIt) {
    run("LINE", "0,0\n100,0\n\n");
    ads_name insert;
    std::vector<host::db::Slot> subs = InsertWithAttribute(insert);
    host::db::Database& db = *host::api::currentDatabase();
    run("LIST", "all\n\n");
    EXPECT_NE(transcript().find("2 found\n"), std::string::npos);
    run("ERASE", "all\n\n");
    for (host::db::Slot s : subs) EXPECT_TRUE(db.object(s)->erased);
}

TEST_F(Commands, APickAtAnAttributeGivesItsInsert) {
    ads_name insert;
    std::vector<host::db::Slot> subs = InsertWithAttribute(insert);
    host::db::Database& db = *host::api::currentDatabase();
    script("0,20\n");
    ads_name picked;
    ads_point at;
    ASSERT_EQ(acedEntSel(nullptr, picked, at), RTNORM);
    EXPECT_TRUE(ads_name_equal(picked, insert));
    transcript();
    run("ERASE", "0,20\n\n");
    EXPECT_NE(transcript().find("1 found\n"), std::string::npos);
    EXPECT_TRUE(db.object(host::api::slotOf(db, insert))->erased);
    for (host::db::Slot s : subs) EXPECT_TRUE(db.object(s)->erased);
}

// ERASE takes an entity where it is drawn: a window only what it holds
// whole (not an insert for its attribute, nor a polyline for one vertex),
// a pick along a polyline's segments and on a circle turned over (-Z),
// which is drawn at the mirror image of its centre's numbers.
TEST_F(Commands, EraseFindsEntitiesWhereTheyAreDrawn) {
    ads_name insert;
    InsertWithAttribute(insert);
    host::db::Database& db = *host::api::currentDatabase();
    auto entity = [&](const char* type, host::db::GroupList groups) {
        host::db::Object o;
        o.type = host::db::internType(type);
        o.groups = {host::db::Group::text(100, "AcDbEntity"), host::db::Group::text(8, "0")};
        for (const host::db::Group& g : groups) o.groups.push_back(g);
        return db.add(std::move(o));
    };
    // The block draws a line under the attribute's text (0,20 - 7.5,22.5).
    db.appendEntity(db.findRecord(host::db::Table::BlockRecord, "TB"),
                    entity("LINE", {host::db::Group::point(10, 0, 0, 0), host::db::Group::point(11, 100, 0, 0)}));
    host::db::Slot polyline = entity("POLYLINE", {host::db::Group::integer(66, 1), host::db::Group::point(10, 0, 0, 0)});
    db.appendEntity(db.modelSpace(), polyline);
    for (double x : {0.0, 500.0, 1000.0, -1.0}) {
        host::db::Slot s = x < 0 ? entity("SEQEND", {})
                                 : entity("VERTEX", {host::db::Group::point(10, x, x == 500 ? 1500 : 1000, 0)});
        db.appendEntity(db.modelSpace(), s);
        db.object(s)->owner = db.object(polyline)->handle;
    }
    ads_point centre = {1000, 0, 0}, down = {0, 0, -1};
    resbuf* list = acutBuildList(RTDXF0, L"CIRCLE", 10, centre, 40, 100.0, 210, down, 0);
    ASSERT_EQ(acdbEntMake(list), RTNORM);
    acutRelRb(list);
    ads_name circle;
    ASSERT_EQ(acdbEntLast(circle), RTNORM);
    auto erased = [&](const ads_name e) { return db.object(host::api::slotOf(db, e))->erased; };
    ads_name polylineName;
    host::api::nameOf(db, polyline, polylineName);

    run("ERASE", "window -1,19 10,24\nwindow 990,990 1010,1010\n1100,0\nwindow 1090,-10 1110,10\n\n");
    EXPECT_FALSE(erased(insert));
    EXPECT_FALSE(erased(polylineName));
    EXPECT_FALSE(erased(circle));
    // The window holds the insert and the polyline's placeholder point
    // (its group 10 at the origin), not the polyline as drawn.
    run("ERASE", "window -1,-1 101,24\n\n");
    EXPECT_TRUE(erased(insert));
    EXPECT_FALSE(erased(polylineName));
    run("ERASE", "-900,0\n250,1250\n\n");
    EXPECT_TRUE(erased(circle));
    EXPECT_TRUE(erased(polylineName));
}

TEST_F(Commands, AllOfABigDrawingSelectsEachEntityOnce) {
    // How fast is the benchmark's to tell (bench/db); here: every entity, once.
    constexpr int kLines = 3000;
    host::db::Database& db = *host::api::currentDatabase();
    for (int i = 0; i < kLines; ++i) {
        host::db::Object o;
        o.type = host::db::internType("LINE");
        o.groups = {host::db::Group::text(100, "AcDbEntity"), host::db::Group::text(8, "0"),
                    host::db::Group::point(10, i, 0, 0), host::db::Group::point(11, i, 1, 0)};
        db.appendEntity(db.modelSpace(), db.add(std::move(o)));
    }
    auto lengthOf = [](const ACHAR* mode) {
        ads_name set;
        long length = 0;
        if (acedSSGet(mode, nullptr, nullptr, nullptr, set) == RTNORM) {
            acedSSLength(set, &length);
            acedSSFree(set);
        }
        return length;
    };
    EXPECT_EQ(lengthOf(L"X"), kLines);
    script("all\nall\n\n");
    EXPECT_EQ(lengthOf(nullptr), kLines);
}
