#include "io/io.h"
#include "windows_min.h"

#include <gtest/gtest.h>

using host::io::captureTranscript;
using host::io::setScript;
using host::io::takeTranscript;

namespace {

int ask(UINT type, const char* script) {
    setScript(script);
    return MessageBoxW(nullptr, L"Delete?", L"LurakCAD", type);
}

} // namespace

TEST(MessageBox, EachButtonSetGivesItsCodes) {
    captureTranscript();
    EXPECT_EQ(ask(MB_OK, "ok"), IDOK);
    EXPECT_EQ(ask(MB_OKCANCEL, "ok"), IDOK);
    EXPECT_EQ(ask(MB_OKCANCEL, "Cancel"), IDCANCEL);
    EXPECT_EQ(ask(MB_YESNO | MB_ICONQUESTION, "YES"), IDYES);
    EXPECT_EQ(ask(MB_YESNO, "n"), IDNO);
    EXPECT_EQ(ask(MB_YESNOCANCEL, "no"), IDNO);
    EXPECT_EQ(ask(MB_YESNOCANCEL, "c"), IDCANCEL);
    takeTranscript();
}

TEST(MessageBox, EnterTakesTheDefaultButton) {
    captureTranscript();
    EXPECT_EQ(ask(MB_YESNOCANCEL, "\n"), IDYES);
    EXPECT_EQ(ask(MB_YESNOCANCEL | MB_DEFBUTTON2, "\n"), IDNO);
    EXPECT_EQ(ask(MB_OKCANCEL | MB_DEFBUTTON2, "\n"), IDCANCEL);
    EXPECT_EQ(ask(MB_OK | MB_DEFBUTTON3, "\n"), IDOK);  // no third button: the first
    takeTranscript();
}

TEST(MessageBox, EscapeAndEndOfInput) {
    captureTranscript();
    EXPECT_EQ(ask(MB_OKCANCEL, "^C"), IDCANCEL);
    EXPECT_EQ(ask(MB_YESNOCANCEL, "; only a comment"), IDCANCEL);
    EXPECT_EQ(ask(MB_OK, ""), IDOK);
    EXPECT_EQ(ask(MB_YESNO, "^C"), IDNO);
    setScript("");
    EXPECT_EQ(MessageBoxW(nullptr, L"x", nullptr, MB_YESNO), IDNO);
    takeTranscript();
}

TEST(MessageBox, WrongAnswerAsksAgainAndTheTranscriptShowsTheBox) {
    captureTranscript();
    EXPECT_EQ(ask(MB_YESNO, "ok\nmaybe\nyes"), IDYES);
    std::string t = takeTranscript();
    EXPECT_EQ(t,
              "LurakCAD: Delete?\n"
              "[Yes/No] <Yes>: ok\n"
              "Answer with one of the buttons: [Yes/No]\n"
              "[Yes/No] <Yes>: maybe\n"
              "Answer with one of the buttons: [Yes/No]\n"
              "[Yes/No] <Yes>: yes\n");
}

TEST(MessageBox, UnknownButtonSetFails) {
    captureTranscript();
    EXPECT_EQ(ask(0x0Fu, "ok"), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    takeTranscript();
}
