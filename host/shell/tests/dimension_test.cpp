#include <string>

#include "aced_input.h"
#include "api/host_api.h"
#include "db/database.h"
#include "ads_entity.h"
#include "shell/commands.h"
#include "shell_fixture.h"

using Dimensions = ShellTest;

TEST_F(Dimensions, AlignedPassWithPauseThenRotatedPass) {
    script("50,30\n");
    const ads_point e1 = {0, 0, 0}, e2 = {100, 0, 0};
    ASSERT_EQ(acedCommand(RTSTR, L"_dim", RTSTR, L"_aligned", RT3DPOINT, e1, RT3DPOINT, e2, RTSTR, L"\\", RTSTR,
                          L"", RTNONE),
              RTNORM);
    EXPECT_TRUE(host::shell::commandActive());  // still in the dimensioning mode
    ads_name dim;
    ASSERT_EQ(acdbEntLast(dim), RTNORM);
    const resbuf* list = lastList();
    EXPECT_EQ(text(list, 0), "DIMENSION");
    const resbuf* middle = group(list, 11);
    ASSERT_NE(middle, nullptr);
    EXPECT_NEAR(middle->resval.rpoint[0], 50, 1e-9);  // the text midpoint lies on the line through the pick
    EXPECT_NEAR(middle->resval.rpoint[1], 30, 1e-9);
    std::string block = text(list, 2);
    EXPECT_EQ(block.rfind("*D", 0), 0u) << block;

    // The block exists and holds lines, arrows, text and definition points.
    resbuf* record = acdbTblSearch(L"BLOCK", host::io::fromUtf8(block).c_str(), 0);
    ASSERT_NE(record, nullptr);
    acutRelRb(record);
    acdbEntDel(dim);
    const ads_point t = {50, 30, 0};
    ASSERT_EQ(acedCommand(RTSTR, L"_rotated", RTREAL, 0.0, RT3DPOINT, e1, RT3DPOINT, e2, RT3DPOINT, t, RTSTR,
                          L"\u2205315", RTNONE),
              RTNORM);
    ASSERT_EQ(acedCommand(RTNONE), RTNORM);
    EXPECT_FALSE(host::shell::commandActive());
    ads_name rotated;
    ASSERT_EQ(acdbEntLast(rotated), RTNORM);
    EXPECT_FALSE(ads_name_equal(rotated, dim));
    list = lastList();
    EXPECT_EQ(text(list, 1), "\u2205315");
    EXPECT_EQ(text(list, 8), "0");
}

TEST_F(Dimensions, TheBlockLivesOnLayerZeroWhateverLayerIsCurrent) {
    // A dimension made on a label layer must not tie its block to that
    // layer, which may be erased later.
    resbuf* layer = acutBuildList(RTDXF0, L"LAYER", 2, L"LABELS", 70, 0, 62, 3, 6, L"CONTINUOUS", 0);
    ASSERT_EQ(acdbEntMake(layer), RTNORM);
    acutRelRb(layer);
    resbuf value;
    value.restype = RTSTR;
    value.resval.rstring = const_cast<ACHAR*>(L"LABELS");
    ASSERT_EQ(acedSetVar(L"CLAYER", &value), RTNORM);
    const ads_point e1 = {0, 0, 0}, e2 = {100, 0, 0}, t = {50, 30, 0};
    ASSERT_EQ(acedCommand(RTSTR, L"_dim", RTSTR, L"_rotated", RTREAL, 0.0, RT3DPOINT, e1, RT3DPOINT, e2, RT3DPOINT, t,
                          RTSTR, L"", RTNONE),
              RTNORM);
    ASSERT_EQ(acedCommand(RTNONE), RTNORM);
    const resbuf* list = lastList();
    EXPECT_EQ(text(list, 8), "LABELS");  // the dimension itself is on the current layer
    host::db::Database* database = host::api::currentDatabase();
    ASSERT_NE(database, nullptr);
    const host::db::Block* block = database->findBlock(text(list, 2));
    ASSERT_NE(block, nullptr);
    const host::db::Object* begin = database->object(block->begin);
    ASSERT_NE(begin, nullptr);
    EXPECT_EQ(host::db::groupText(*begin, 8), "0");
}

TEST_F(Dimensions, CancelledPauseMakesNothing) {
    script("^C\n");
    const ads_point e1 = {0, 0, 0}, e2 = {100, 0, 0};
    EXPECT_EQ(acedCommand(RTSTR, L"_dim", RTSTR, L"_rotated", RTREAL, 90.0, RT3DPOINT, e1, RT3DPOINT, e2, RTSTR,
                          L"\\", RTSTR, L"100", RTNONE),
              RTCAN);
    EXPECT_FALSE(host::shell::commandActive());
    ads_name last;
    EXPECT_NE(acdbEntLast(last), RTNORM);
}

TEST_F(Dimensions, LinetypesLoadFromTheHostFileAndReloadOnRequest) {
    resbuf save;
    save.restype = RTSHORT;
    save.resval.rint = 0;
    acedSetVar(L"CMDECHO", &save);
    for (const wchar_t* name : {L"K\u00d6Z\u00c9P", L"szaggatott", L"CIKKCAKK"}) {
        EXPECT_EQ(acedCommand(RTSTR, L"_linetype", RTSTR, L"_load", RTSTR, name, RTSTR, L"", RTSTR, L"", RTNONE),
                  RTNORM);
        acedCommand(RTNONE);
    }
    for (const wchar_t* name : {L"K\u00d6Z\u00c9P", L"SZAGGATOTT", L"CIKKCAKK"}) {
        resbuf* record = acdbTblSearch(L"LTYPE", name, 0);
        EXPECT_NE(record, nullptr) << host::io::toUtf8(name);
        acutRelRb(record);
    }
    // Loading again asks before reloading; the second "" answers it.
    save.resval.rint = 1;
    acedSetVar(L"CMDECHO", &save);
    EXPECT_EQ(acedCommand(RTSTR, L"_linetype", RTSTR, L"_load", RTSTR, L"k\u00f6z\u00e9p", RTSTR, L"", RTSTR, L"",
                          RTNONE),
              RTNORM);
    acedCommand(RTNONE);
    std::string t = transcript();
    EXPECT_NE(t.find("is already loaded.  Reload it?"), std::string::npos) << t;
    EXPECT_NE(t.find("reloaded"), std::string::npos) << t;
}

TEST_F(Dimensions, ModeLeftOpenContinuesAtTheCommandLine) {
    const ads_point e1 = {0, 0, 0}, e2 = {0, 40, 0};
    ASSERT_EQ(acedCommand(RTSTR, L"_dim", RTSTR, L"_aligned", RT3DPOINT, e1, RT3DPOINT, e2, RTNONE), RTNORM);
    // The location and the text come from the user, then "exit" ends the mode.
    script("-20,20\n\nexit\n");
    host::shell::runCommandLine();
    EXPECT_FALSE(host::shell::commandActive());
    const resbuf* middle = group(lastList(), 11);
    ASSERT_NE(middle, nullptr);
    EXPECT_NEAR(middle->resval.rpoint[0], -20, 1e-9);
    EXPECT_NEAR(middle->resval.rpoint[1], 20, 1e-9);
    std::string t = transcript();
    EXPECT_NE(t.find("Specify dimension line location: -20,20"), std::string::npos) << t;
    EXPECT_NE(t.find("Dimension text <40>: "), std::string::npos) << t;
}
