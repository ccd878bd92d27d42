// A chooser page driven the way the module drives it: image buttons and a
// list that follow each other, highlights flipped by mode 4, and a double
// click that closes the dialog.
#include <cwchar>

#include "dialog_fixture.h"

namespace {

using namespace dcltest;

struct Chooser {
    int position = 0;
    std::wstring lastKey;
};

void pick(ads_callback_packet* p) {
    auto* chooser = static_cast<Chooser*>(p->client_data);
    if (chooser->position) ads_mode_tile(p->dialog, chooser->lastKey.c_str(), MODE_FLIP);
    ACHAR key[20];
    ads_get_attr_string(p->tile, L"key", key, 20);
    if (std::wstring(key) == L"list") {
        chooser->position = static_cast<int>(std::wcstol(p->value, nullptr, 10)) + 1;
        std::swprintf(key, 20, L"vl%02d", chooser->position);
    } else {
        chooser->position = static_cast<int>(std::wcstol(key + 2, nullptr, 10));
        ACHAR row[8];
        std::swprintf(row, 8, L"%d", chooser->position - 1);
        ads_set_tile(p->dialog, L"list", row);
    }
    chooser->lastKey = key;
    ads_mode_tile(p->dialog, key, MODE_FLIP);
    if (p->reason == CBR_DOUBLE_CLICK) ads_done_dialog(p->dialog, DLGOK);
}

class ChooserTest : public DialogTest {
protected:
    ChooserTest() : DialogTest(DCL_TEST_DATA L"/chooser.dcl", L"select_vl") {}
    void SetUp() override {
        DialogTest::SetUp();
        for (const wchar_t* key : {L"vl01", L"vl02", L"vl03", L"list"}) {
            ads_client_data_tile(hdlg_, key, &chooser_);
            ads_action_tile(hdlg_, key, pick);
        }
        ads_start_list(hdlg_, L"list", LIST_NEW, 0);
        for (const wchar_t* code : {L"VL-01", L"VL-02", L"VL-03"}) ads_add_list(code);
        ads_end_list();
        short cx = 0, cy = 0;
        ads_dimensions_tile(hdlg_, L"vl02", &cx, &cy);
        ads_start_image(hdlg_, L"vl02");
        ads_slide_image(0, 0, cx, cy, L"/opt/lurak/LURAK.SLB(vl02-)");
        ads_end_image();
    }
    Chooser chooser_;
};

TEST_F(ChooserTest, PicksFollowEachOtherAndOnlyTheLastIsHighlighted) {
    EXPECT_EQ(run("vl03\nvl02\n?\naccept\n"), DLGOK);
    EXPECT_EQ(chooser_.position, 2);
    auto state = host::dcl::lastDialogState();
    EXPECT_EQ(state->tile("list")->value, "1");
    EXPECT_TRUE(state->tile("vl02")->highlighted);
    EXPECT_FALSE(state->tile("vl03")->highlighted);
    std::string text = host::io::takeTranscript();
    EXPECT_NE(text.find("vl02       image_button slide \"/opt/lurak/LURAK.SLB(vl02-)\" [highlighted]"),
              std::string::npos)
        << text;
    EXPECT_EQ(host::dcl::lastSlide("vl02"), "/opt/lurak/LURAK.SLB(vl02-)");
}

TEST_F(ChooserTest, DoubleClicksCloseTheDialog) {
    EXPECT_EQ(run("list=2!\nvl01\n"), DLGOK);
    EXPECT_EQ(chooser_.position, 3);
    EXPECT_TRUE(host::dcl::lastDialogState()->tile("vl03")->highlighted);

    ads_new_dialog(L"select_vl", file_, NULLCB, &hdlg_);
    ads_client_data_tile(hdlg_, L"vl01", &chooser_);
    ads_action_tile(hdlg_, L"vl01", pick);
    chooser_ = Chooser{};
    EXPECT_EQ(run("vl01!\ncancel\n"), DLGOK);
    EXPECT_EQ(chooser_.position, 1);
}

// A terminal shows the dialog when it opens.
class Terminal : public host::io::StringSource {
public:
    using StringSource::StringSource;
    bool interactive() const override { return true; }
};

TEST_F(ChooserTest, ATerminalSeesTheDialogWhenItOpens) {
    host::io::setSource(std::make_unique<Terminal>("cancel\n"));
    int status = -99;
    ads_start_dialog(hdlg_, &status);
    EXPECT_EQ(status, DLGCANCEL);
    std::string text = host::io::takeTranscript();
    EXPECT_EQ(text.rfind("Dialog \"select_vl\": Rectangular duct fittings\n", 0), 0u) << text;
    EXPECT_NE(text.find("        0  VL-01\n"), std::string::npos) << text;
}

} // namespace
