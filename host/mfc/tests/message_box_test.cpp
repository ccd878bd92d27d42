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

TEST(MessageBox, AnswersEnterEscapeAndTheEndOfInputGiveTheirButtons) {
    const struct { UINT type; const char* answer; int code; } cases[] = {
        {MB_OK, "ok", IDOK}, {MB_OKCANCEL, "ok", IDOK}, {MB_OKCANCEL, "Cancel", IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, "YES", IDYES}, {MB_YESNO, "n", IDNO}, {MB_YESNOCANCEL, "no", IDNO},
        {MB_YESNOCANCEL, "c", IDCANCEL},
        {MB_YESNOCANCEL, "\n", IDYES}, {MB_YESNOCANCEL | MB_DEFBUTTON2, "\n", IDNO},
        {MB_OKCANCEL | MB_DEFBUTTON2, "\n", IDCANCEL},
        {MB_OK | MB_DEFBUTTON3, "\n", IDOK},  // no third button: the first
        {MB_OKCANCEL, "^C", IDCANCEL}, {MB_YESNOCANCEL, "; only a comment", IDCANCEL}, {MB_OK, "", IDOK},
        {MB_YESNO, "^C", IDNO}, {MB_YESNO, "", IDNO},
    };
    captureTranscript();
    for (const auto& c : cases)
        EXPECT_EQ(ask(c.type, c.answer), c.code) << c.type << " " << c.answer;
    setScript("");
    EXPECT_EQ(MessageBoxW(nullptr, L"x", nullptr, MB_YESNO), IDNO);  // without a caption
    takeTranscript();
}

TEST(MessageBox, WrongAnswerAsksAgainAndTheTranscriptShowsTheBox) {
    captureTranscript();
    EXPECT_EQ(ask(MB_YESNO, "ok\nmaybe\nyes"), IDYES);
    EXPECT_EQ(takeTranscript(),
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
