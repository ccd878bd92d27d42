// "C:lsys" and the systems list dialog: the list, new, edit, delete with
// its question, choosing by double click, and cancel keeping every change.
#include <fstream>

#include "core/system_list.h"
#include "io/io.h"
#include "module_fixture.h"
#include "ui/dcl/lsyslist_dialog.h"

namespace {

class EditSystemsTest : public PlacementTest {
protected:
    void SetUp() override {
        PlacementTest::SetUp();
        AddTestSystem("BB", "Elszivo");
        AddTestSystem("AA", "Befuvo");
        Transcript();
    }
    bool Listed(const char* tag) {
        char key[16];
        std::snprintf(key, sizeof key, "%s", tag);
        return FindSystem(state->systemList, key) != nullptr;
    }
    // The dialog alone, without the command's erasing afterwards.
    void RunDialog(const std::string& lines) {
        LSEditDlg dlg;
        host::io::setScript(lines);
        dlg.Run();
    }
    bool Removal(const char* tag) {
        for (LSystemRemoval* r = state->systemList.removals; r->next; r = r->next)
            if (std::string(r->tag) == tag)
                return true;
        return false;
    }
};

} // namespace

TEST_F(EditSystemsTest, ListShowsTagAndNameInTagOrderAndOnlyADoubleClickChooses) {
    Run(kLsys, "new\n1000=zl1\n1001=Zone\nok\n?\naccept\n");
    std::string said = Transcript();
    size_t aa = said.find("0  [AA] Befuvo"), bb = said.find("1  [BB] Elszivo");
    ASSERT_NE(aa, std::string::npos);
    ASSERT_NE(bb, std::string::npos);
    EXPECT_LT(aa, bb);
    // A new system is listed under its normalised tag, and selected.
    EXPECT_NE(said.find("3  [ZL1] Zone"), std::string::npos);
    EXPECT_NE(said.find("list_box     = \"3\""), std::string::npos) << said;
    EXPECT_TRUE(Listed("ZL1"));
    EXPECT_STREQ(state->currentSystem.tag, "HV1");
    Run(kLsys, "list=1!\n");
    EXPECT_STREQ(state->currentSystem.tag, "BB");
    EXPECT_STREQ(state->currentSystem.name, "Elszivo");
}

TEST_F(EditSystemsTest, ChooseModeAcceptNeedsALine) {
    LSEditDlg dlg;
    dlg.chooseMode = 1;
    host::io::setScript("accept\nlist=1\naccept\n");
    dlg.Run();
    EXPECT_STREQ(dlg.chosenTag, "BB");
    char tag[16] = "x";
    host::io::setScript("cancel\n");
    ChooseSystemFromList(tag, sizeof tag);
    EXPECT_STREQ(tag, "");
}

TEST_F(EditSystemsTest, DeleteAsksFirstAndActsOnTheFirstSystemWithNoLine) {
    Run(kLsys, "delete\ncancel\naccept\n");
    EXPECT_TRUE(Listed("AA"));
    Run(kLsys, "delete\nok\naccept\n");
    EXPECT_FALSE(Listed("AA"));
    EXPECT_TRUE(Listed("BB"));
}

TEST_F(EditSystemsTest, CancelKeepsEveryChangeMadeInTheDialog) {
    // Deleted, then cancelled: still deleted, and queued for the command
    // to erase; a new system stays too.
    RunDialog("list=1\ndelete\nok\nnew\n1000=zl1\n1001=Zone\nok\ncancel\n");
    EXPECT_FALSE(Listed("BB"));
    EXPECT_TRUE(Removal("BB"));
    EXPECT_TRUE(Listed("ZL1"));
    // An edit confirmed in the system dialog stays after "cancel".
    RunDialog("list=0\nedit\n1001=Other\nok\ncancel\n");
    LSystemRecord r;
    char aa[] = "AA";
    ASSERT_EQ(GetSystemByTag(state->systemList, &r, aa), 0);
    EXPECT_STREQ(r.name, "Other");
}

TEST_F(EditSystemsTest, CancelledSystemOrScaleDialogLeavesTheRecordAlone) {
    LSystemRecord r;
    char bb[] = "BB";
    ASSERT_EQ(GetSystemByTag(state->systemList, &r, bb), 0);
    const double scale = r.zigzagScale;
    const struct { const char* lines; const char* name; double scale; } steps[] = {
        {"edit\n1001=Exhaust\nok\n", "Exhaust", scale},  {"edit\n1001=Other\ncancel\n", "Exhaust", scale},
        {"zscale\n1074=2.5\ncancel\n", "Exhaust", scale}, {"zscale\n1074=2.5\nok\n", "Exhaust", 2.5},
    };
    for (const auto& s : steps) {
        Run(kLsys, std::string("list=1\n") + s.lines + "accept\n");
        ASSERT_EQ(GetSystemByTag(state->systemList, &r, bb), 0);
        EXPECT_STREQ(r.name, s.name) << s.lines;
        EXPECT_EQ(r.zigzagScale, s.scale) << s.lines;
    }
}

TEST_F(EditSystemsTest, MissingDialogIsReportedWithItsKey) {
    std::ofstream(installDir / "lurak.dcl") << "other : dialog { ok_only; }\n";
    Run(kLsys, "");
    EXPECT_NE(Transcript().find("Dialog 'sysedit' is missing"), std::string::npos);
    EXPECT_STREQ(state->currentSystem.tag, "HV1");
}
