// Running dialogs from input lines: values, reasons, callbacks, modes and
// closing.
#include "dialog_fixture.h"

namespace {

using namespace dcltest;

TEST_F(DialogTest, UserLinesSetValuesAndRunActions) {
    bind({L"width", L"name", L"size", L"listed", L"lp", L"list", L"v2", L"vl01", L"vl02"});
    int status = run("width=250\nname=Duct A!\nsize=2\nlisted\nlp=1\nlist=1\nlist=2!\n"
                     "v2=_2\n_0\nvl02=3,4\nvl01!\naccept\n");
    EXPECT_EQ(status, DLGOK);  // "accept" without an action
    std::vector<std::string> seen;
    for (const Event& e : events())
        seen.push_back(e.key + "=" + e.value + "/" + std::to_string(e.reason));
    EXPECT_EQ(seen, (std::vector<std::string>{"width=250/1", "name=Duct A!/1", "size=2/1", "listed=0/1", "lp=1/1",
                                              "list=1/1", "list=2/1", "list=2/4", "v2=_2/1", "v2=_0/1", "vl02=/1",
                                              "vl01=/1", "vl01=/4"}));
    EXPECT_EQ(events()[10].x, 3);
    EXPECT_EQ(events()[10].y, 4);
    EXPECT_EQ(last("width").value, "250");
    EXPECT_EQ(last("listed").value, "0");
    EXPECT_EQ(last("v2").value, "_0");
    EXPECT_EQ(last("_0").value, "1");
    EXPECT_EQ(last("_1").value, "0");
    EXPECT_EQ(last("list").value, "2");
    EXPECT_EQ(host::dcl::liveDialogCount(), 0u);  // gone once start returned
}

TEST_F(DialogTest, InitialValuesFollowTheTileRules) {
    EXPECT_EQ(tileValue(hdlg_, L"width"), "200");
    EXPECT_EQ(tileValue(hdlg_, L"size"), "0");     // a popup list shows its first row
    EXPECT_EQ(tileValue(hdlg_, L"list"), "");      // a list box nothing
    EXPECT_EQ(tileValue(hdlg_, L"listed"), "1");
    EXPECT_EQ(tileValue(hdlg_, L"lp"), "0");
    EXPECT_EQ(tileValue(hdlg_, L"v2"), "_1");      // the key of the chosen button
    EXPECT_EQ(tileValue(hdlg_, L"info"), "Ready");
    ads_set_tile(hdlg_, L"listed", L"yes");  // anything but "1" is off
    EXPECT_EQ(tileValue(hdlg_, L"listed"), "0");
    ads_set_tile(hdlg_, L"_2", L"1");
    EXPECT_EQ(tileValue(hdlg_, L"v2"), "_2");
    EXPECT_EQ(tileValue(hdlg_, L"_1"), "0");
    ads_set_tile(hdlg_, L"v2", L"__7");  // no such button: none chosen
    EXPECT_EQ(tileValue(hdlg_, L"v2"), "");
    EXPECT_EQ(tileValue(hdlg_, L"_2"), "0");
    ads_set_tile(hdlg_, L"list", L" 1 2");  // one row only without multiple_select
    EXPECT_EQ(tileValue(hdlg_, L"list"), "1");
    ads_set_tile(hdlg_, L"size", L"7");
    EXPECT_EQ(tileValue(hdlg_, L"size"), "");
    ACHAR small[4];
    EXPECT_EQ(ads_get_tile(hdlg_, L"info", small, 4), RTNORM);
    EXPECT_EQ(std::wstring(small), L"Rea");
    ACHAR attr[32];
    ads_get_attr(hdlg_, L"width", L"units", attr, 32);
    EXPECT_EQ(std::wstring(attr), L"mm");  // the application's own attribute
    ads_get_attr(hdlg_, L"width", L"label", attr, 32);
    EXPECT_EQ(std::wstring(attr), L"&Width");
    ads_get_attr(hdlg_, L"width", L"edit_limit", attr, 32);
    EXPECT_EQ(std::wstring(attr), L"6");
    ads_set_tile(hdlg_, L"width", L"300");
    ads_get_attr(hdlg_, L"width", L"value", attr, 32);
    EXPECT_EQ(std::wstring(attr), L"200");  // the definition's, not the run-time value
}

void disableWidth(ads_callback_packet* p) {
    record(p);
    ads_mode_tile(p->dialog, L"width", p->value == std::wstring(L"1") ? MODE_DISABLE : MODE_ENABLE);
    ads_set_tile(p->dialog, L"info", p->value);
    if (auto* counter = static_cast<int*>(p->client_data)) ++*counter;
}

TEST_F(DialogTest, CallbacksSeeClientDataAndChangeOtherTiles) {
    int calls = 0;
    ads_action_tile(hdlg_, L"lp", disableWidth);
    ads_client_data_tile(hdlg_, L"lp", &calls);
    ads_mode_tile(hdlg_, L"vl01", MODE_FLIP);
    ads_start_image(hdlg_, L"vl01");
    ads_slide_image(0, 0, 10, 10, L"/opt/lurak/LURAK.SLB(vl01-)");
    ads_end_image();
    host::io::setScript("lp\n?\nwidth=5\nlp=0\nwidth=5\ncancel\n");
    int status = -99;
    ads_start_dialog(hdlg_, &status);
    EXPECT_EQ(status, DLGCANCEL);
    EXPECT_EQ(calls, 2);
    ASSERT_EQ(events().size(), 2u);
    EXPECT_EQ(events()[0].data, &calls);
    std::string text = host::io::takeTranscript();
    EXPECT_NE(text.find("sample> width=5\nedit_box \"width\" is disabled\n"), std::string::npos) << text;
    EXPECT_NE(text.find("width      edit_box     \"Width\" = \"200\" [disabled]"), std::string::npos) << text;
    EXPECT_NE(text.find("vl01       image_button slide \"/opt/lurak/LURAK.SLB(vl01-)\" [highlighted]"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("info       text         \"1\""), std::string::npos) << text;
    EXPECT_EQ(last("width").value, "5");
    EXPECT_TRUE(last("width").enabled);
    EXPECT_EQ(last("info").value, "0");
}

TEST_F(DialogTest, ModesMoveFocusAndFlipHighlights) {
    auto state = [&] { return *host::dcl::dialogState(hdlg_); };
    EXPECT_TRUE(state().tile("name")->focused);  // initial_focus
    EXPECT_EQ(ads_mode_tile(hdlg_, L"list", MODE_SETFOCUS), RTNORM);
    EXPECT_TRUE(state().tile("list")->focused);
    ads_mode_tile(hdlg_, L"list", MODE_DISABLE);  // focus cannot stay on a disabled tile
    EXPECT_FALSE(state().tile("list")->focused);
    EXPECT_TRUE(state().tile("width")->focused);
    ads_mode_tile(hdlg_, L"v2", MODE_DISABLE);  // a cluster takes its buttons with it
    EXPECT_FALSE(state().tile("_0")->enabled);
    ads_mode_tile(hdlg_, L"vl02", MODE_FLIP);
    ads_mode_tile(hdlg_, L"vl02", MODE_FLIP);
    ads_mode_tile(hdlg_, L"vl01", MODE_FLIP);
    EXPECT_FALSE(state().tile("vl02")->highlighted);
    EXPECT_TRUE(state().tile("vl01")->highlighted);
    EXPECT_EQ(ads_mode_tile(hdlg_, L"vl01", 9), RTERROR);
    EXPECT_EQ(run("_1\nv2=_0\nlist=1\ncancel\n"), DLGCANCEL);
    std::string text = host::io::takeTranscript();
    EXPECT_NE(text.find("radio_button \"_1\" is disabled"), std::string::npos) << text;
    EXPECT_NE(text.find("boxed_radio_row \"v2\" is disabled"), std::string::npos) << text;
    EXPECT_NE(text.find("list_box \"list\" is disabled"), std::string::npos) << text;
}

// A terminal shows the dialog when it opens.
class Terminal : public host::io::StringSource {
public:
    using StringSource::StringSource;
    bool interactive() const override { return true; }
};

TEST_F(DialogTest, ATerminalSeesTheDialogWhenItOpens) {
    host::io::setSource(std::make_unique<Terminal>("cancel\n"));
    int status = -99;
    ads_start_dialog(hdlg_, &status);
    EXPECT_EQ(status, DLGCANCEL);
    std::string text = host::io::takeTranscript();
    EXPECT_EQ(text.rfind("Dialog \"sample\": Sample\n", 0), 0u) << text;
    EXPECT_NE(text.find("        0  VL-01\n"), std::string::npos) << text;
}

void closeWithFive(ads_callback_packet* p) { ads_done_dialog(p->dialog, 5); }
void terminate(ads_callback_packet*) { ads_term_dialog(); }

TEST_F(DialogTest, ClosingStatuses) {
    EXPECT_EQ(run("cancel\n"), DLGCANCEL);
    ads_new_dialog(L"sample", file_, NULLCB, &hdlg_);
    EXPECT_EQ(run("\n"), DLGOK);  // Enter presses the default tile, OK
    ads_new_dialog(L"sample", file_, NULLCB, &hdlg_);
    bind({L"accept"}, closeWithFive);
    EXPECT_EQ(run("accept\n"), 5);
    ads_new_dialog(L"sample", file_, NULLCB, &hdlg_);
    bind({L"help"}, terminate);
    EXPECT_EQ(run("help\n"), DLGALLDONE);
    ads_new_dialog(L"sample", file_, NULLCB, &hdlg_);
    EXPECT_EQ(run("^C\n"), DLGCANCEL);
    ads_new_dialog(L"sample", file_, NULLCB, &hdlg_);
    bind({L"cancel"}, closeWithFive);
    EXPECT_EQ(run("width=1\n"), 5);  // end of input runs the cancel action
    EXPECT_EQ(ads_done_dialog(hdlg_, 1), RTERROR);  // no longer open
    EXPECT_EQ(ads_start_dialog(hdlg_, nullptr), RTERROR);
}

void everyTile(ads_callback_packet* p) {
    record(p);
    if (tileKey(p) == "accept") ads_done_dialog(p->dialog, 3);
}

TEST_F(DialogTest, DefaultActionServesTilesWithoutOne) {
    ads_hdlg withDefault = nullptr;
    ASSERT_EQ(ads_new_dialog(L"sample", file_, everyTile, &withDefault), RTNORM);
    ads_action_tile(withDefault, L"lp", NULLCB);
    ads_action_tile(withDefault, L"listed", record);
    host::io::setScript("listed\nname=x\ncancel\n");
    int status = 0;
    ads_start_dialog(withDefault, &status);
    EXPECT_EQ(status, DLGCANCEL);  // cancel still closes by itself
    ASSERT_EQ(events().size(), 2u);
    EXPECT_EQ(events()[1].key, "name");
}

TEST_F(DialogTest, BadLinesAreExplainedAndTheDialogGoesOn) {
    bind({L"list", L"size"});
    int status = run("nokey\nnokey=1\nlisted=2\nlist=9\nlist=1 2\nsize=x\nv2=_9\nwidth=1234567\n"
                     "accept=1\ninfo\n_0=0\nvl01=a,b\nlist=0\n?\naccept\n");
    EXPECT_EQ(status, DLGOK);
    std::string text = host::io::takeTranscript();
    for (const char* message : {
             "No tile \"nokey\" in dialog \"sample\" (? lists the tiles)",
             "toggle \"listed\" takes 0 or 1",
             "list_box \"list\" has no row \"9\" (rows 0 to 2)",
             "list_box \"list\" takes one row (rows 0 to 2)",
             "popup_list \"size\" has no row \"x\" (rows 0 to 2)",
             "boxed_radio_row \"v2\" has no button \"_9\" (_0, _1, _2)",
             "edit_box \"width\" takes at most 6 characters",
             "button \"accept\" takes no value: type accept to press it",
             "text \"info\" cannot be chosen",
             "radio_button \"_0\" can only be chosen (1)",
             "image_button \"vl01\" takes a point x,y",
         })
        EXPECT_NE(text.find(message), std::string::npos) << message << "\n" << text;
    ASSERT_EQ(events().size(), 1u);  // only the good line acted
    EXPECT_EQ(events()[0].key, "list");
    EXPECT_NE(text.find("      > 0  VL-01\n        1  VL-02\n"), std::string::npos) << text;
}

TEST_F(DialogTest, FileListsItsDialogsAndCallsWithBadKeysOrHandlesFail) {
    EXPECT_EQ(host::dcl::dialogNames(file_), (std::vector<std::string>{"sample", "second"}));
    EXPECT_TRUE(host::dcl::dialogNames(file_ + 1).empty());
    EXPECT_EQ(ads_set_tile(hdlg_, L"nokey", L"1"), RTERROR);
    EXPECT_NE(host::io::takeTranscript().find("ads_set_tile: no tile \"nokey\" in dialog \"sample\""),
              std::string::npos);
    ACHAR buffer[8] = L"junk";
    EXPECT_EQ(ads_get_tile(hdlg_, L"nokey", buffer, 8), RTERROR);
    EXPECT_EQ(std::wstring(buffer), L"");
    int notADialog = 0;
    EXPECT_EQ(ads_set_tile(&notADialog, L"width", L"1"), RTERROR);
    EXPECT_EQ(ads_get_attr_string(&notADialog, L"key", buffer, 8), RTERROR);
    EXPECT_EQ(ads_action_tile(hdlg_, L"nokey", record), RTERROR);
    EXPECT_EQ(ads_new_dialog(L"nodialog", file_, NULLCB, &hdlg_), RTERROR);
    EXPECT_NE(host::io::takeTranscript().find("no dialog 'nodialog' in"), std::string::npos);
    EXPECT_EQ(ads_new_dialog(L"sample", 12345, NULLCB, &hdlg_), RTERROR);
}

} // namespace
