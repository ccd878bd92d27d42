// A message box asked from a dialog callback reads its answer from the same
// input lines, and the dialog goes on after it.
#include "../dialog_fixture.h"
#include "windows_min.h"

namespace {

using namespace dcltest;

void confirmDelete(ads_callback_packet* p) {
    if (MessageBoxW(nullptr, L"Delete the system?", L"LurakCAD", MB_OKCANCEL) != IDOK) return;
    ads_start_list(p->dialog, L"list", LIST_NEW, 0);
    ads_end_list();
}

TEST_F(DialogTest, MessageBoxInsideACallback) {
    bind({L"vl01"}, confirmDelete);
    EXPECT_EQ(run("vl01\ncancel\nvl01\nok\naccept\n"), DLGOK);
    EXPECT_TRUE(last("list").items.empty());
    std::string text = host::io::takeTranscript();
    EXPECT_NE(text.find("sample> vl01\n"), std::string::npos) << text;
    EXPECT_NE(text.find("cancel\nsample> vl01\n"), std::string::npos) << text;
    EXPECT_NE(text.find("ok\nsample> accept\n"), std::string::npos) << text;
}

} // namespace
