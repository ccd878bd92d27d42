// Dialogs opened from callbacks, prompts inside callbacks, and the end of
// input closing every open dialog from the innermost out.
#include "dialog_fixture.h"

namespace {

using namespace dcltest;

int g_file = 0;
int g_innerStatus = -99;
std::string g_innerAnswer;
std::vector<std::string> g_order;

void innerAccept(ads_callback_packet* p) {
    g_innerAnswer = tileValue(p->dialog, L"answer");
    ads_done_dialog(p->dialog, DLGOK);
}

void innerCancel(ads_callback_packet* p) {
    g_order.push_back("inner cancel");
    ads_done_dialog(p->dialog, DLGOK);
}

void outerCancel(ads_callback_packet* p) {
    g_order.push_back("outer cancel");
    ads_done_dialog(p->dialog, 7);
}

void openInner(ads_callback_packet* p) {
    ads_hdlg inner = nullptr;
    ASSERT_EQ(ads_new_dialog(L"second", g_file, NULLCB, &inner), RTNORM);
    ads_action_tile(inner, L"accept", innerAccept);
    ads_action_tile(inner, L"cancel", innerCancel);
    EXPECT_EQ(host::dcl::runningDialogCount(), 1u);
    ads_start_dialog(inner, &g_innerStatus);
    ads_set_tile(p->dialog, L"info", L"back");
}

void askAQuestion(ads_callback_packet* p) {
    std::string answer;
    if (host::io::ask("Name of the system: ", answer)) ads_set_tile(p->dialog, L"name", host::io::fromUtf8(answer).c_str());
}

class NestedTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        g_file = file_;
        g_innerStatus = -99;
        g_innerAnswer.clear();
        g_order.clear();
        bind({L"vl01"}, openInner);
        bind({L"cancel"}, outerCancel);
    }
};

TEST_F(NestedTest, ADialogOpensAndClosesInsideACallback) {
    EXPECT_EQ(run("vl01\n?\nanswer=42\nwidth=1\naccept\ninfo=x\naccept\n"), DLGOK);
    EXPECT_EQ(g_innerStatus, DLGOK);
    EXPECT_EQ(g_innerAnswer, "42");
    EXPECT_EQ(last("info").value, "back");
    std::string text = host::io::takeTranscript();
    EXPECT_NE(text.find("sample> vl01\nsecond> ?\nDialog \"second\": Second\n"), std::string::npos) << text;
    EXPECT_NE(text.find("second> width=1\nNo tile \"width\" in dialog \"second\""), std::string::npos) << text;
    EXPECT_NE(text.find("second> accept\nsample> info=x\n"), std::string::npos) << text;
}

TEST_F(NestedTest, EndOfInputCancelsInnermostFirst) {
    EXPECT_EQ(run("vl01\nanswer=1\n"), 7);
    EXPECT_EQ(g_order, (std::vector<std::string>{"inner cancel", "outer cancel"}));
    EXPECT_EQ(g_innerStatus, DLGOK);  // what its cancel action chose
    EXPECT_EQ(host::dcl::runningDialogCount(), 0u);
}

void terminateAll(ads_callback_packet*) { ads_term_dialog(); }

void openInnerThatTerminates(ads_callback_packet* p) {
    ads_hdlg inner = nullptr;
    ads_new_dialog(L"second", g_file, NULLCB, &inner);
    ads_action_tile(inner, L"accept", terminateAll);
    ads_start_dialog(inner, &g_innerStatus);
    ads_set_tile(p->dialog, L"info", L"still here");
}

TEST_F(NestedTest, TermDialogEndsEveryOpenDialog) {
    bind({L"vl01"}, openInnerThatTerminates);
    EXPECT_EQ(run("vl01\naccept\nwidth=never read\n"), DLGALLDONE);
    EXPECT_EQ(g_innerStatus, DLGALLDONE);
    std::string unread;
    ASSERT_TRUE(host::io::ask("", unread));  // the outer dialog read no further
    EXPECT_EQ(unread, "width=never read");
}

TEST_F(NestedTest, ACallbackReadsAPromptFromTheSameLines) {
    bind({L"lp"}, askAQuestion);
    EXPECT_EQ(run("lp\nBefúvó 1\naccept\n"), DLGOK);
    EXPECT_EQ(last("name").value, "Befúvó 1");
    EXPECT_NE(host::io::takeTranscript().find("sample> lp\nName of the system: Befúvó 1\nsample> accept\n"),
              std::string::npos);
}

} // namespace
