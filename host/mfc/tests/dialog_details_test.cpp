// Finer points of the dialog framework: inherited message maps, runaway
// notifications, button kinds, edit styles, tab refusal, Escape.
#include "dialog_fixture.h"

using namespace host::mfc;
using host::io::setScript;
using host::io::takeTranscript;

namespace {

constexpr UINT kTemplate = 910;

ControlTemplate withButtonType(ControlTemplate c, UINT type) {
    c.style = (c.style & ~static_cast<DWORD>(BS_TYPEMASK)) | type;
    return c;
}

void registerDetailTemplate() {
    registerTemplate({kTemplate, 150, 100, {
        editBox(1200, {}),
        withButtonType(checkBox(1301, {}, L"Manual"), BS_CHECKBOX),
        withButtonType(checkBox(1302, {}, L"Three"), BS_AUTO3STATE),
        editBox(1400, {}, ES_READONLY),
        editBox(1401, {}, ES_UPPERCASE, 3),
        editBox(1402, {}),
        tabControl(1500, {}),
        pushButton(1005, {}, L"Colour"),
        defPushButton(IDOK, {}, L"OK"),
        pushButton(IDCANCEL, {}, L"Cancel"),
        pushButton(1006, {}, L"Help"),
    }});
}

class BaseDialog : public CDialog {
public:
    BaseDialog() : CDialog(kTemplate) {}
    Log log;
    bool lockTab = false;
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        auto* tab = static_cast<CTabCtrl*>(GetDlgItem(1500));
        tab->InsertItem(0, L"Rect");
        tab->InsertItem(1, L"Round");
        return TRUE;
    }
    void OnColour() { log.push_back("base colour"); }
    void OnHelp() { log.push_back("base help"); }
    void OnEcho() {
        log.push_back("echo");
        GetDlgItem(1200)->SetWindowText(L"again");  // changes its own box: a loop
    }
    void OnManual() {
        auto* box = static_cast<CButton*>(GetDlgItem(1301));
        log.push_back("manual " + std::to_string(box->GetCheck()));
        box->SetCheck(!box->GetCheck());
    }
    void OnThree() { log.push_back("three " + std::to_string(static_cast<CButton*>(GetDlgItem(1302))->GetCheck())); }
    void OnChange1401() { log.push_back("1401 " + text(*GetDlgItem(1401))); }
    void OnKill1402() { log.push_back("kill 1402"); }
    void OnTabChanging(NMHDR*, LRESULT* result) {
        log.push_back("changing");
        *result = lockTab ? 1 : 0;
    }
    void OnTabChange(NMHDR*, LRESULT*) { log.push_back("tab " + std::to_string(static_cast<CTabCtrl*>(GetDlgItem(1500))->GetCurSel())); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseDialog, CDialog)
    ON_BN_CLICKED(1005, &BaseDialog::OnColour)
    ON_BN_CLICKED(1006, &BaseDialog::OnHelp)
    ON_EN_CHANGE(1200, &BaseDialog::OnEcho)
    ON_BN_CLICKED(1301, &BaseDialog::OnManual)
    ON_BN_CLICKED(1302, &BaseDialog::OnThree)
    ON_EN_CHANGE(1401, &BaseDialog::OnChange1401)
    ON_EN_KILLFOCUS(1402, &BaseDialog::OnKill1402)
    ON_NOTIFY(TCN_SELCHANGING, 1500, &BaseDialog::OnTabChanging)
    ON_NOTIFY(TCN_SELCHANGE, 1500, &BaseDialog::OnTabChange)
END_MESSAGE_MAP()

class DerivedDialog : public BaseDialog {
public:
    void OnHelp() { log.push_back("derived help"); }
    void OnOkButton() { log.push_back("ok button"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedDialog, BaseDialog)
    ON_BN_CLICKED(1006, &DerivedDialog::OnHelp)
    ON_BN_CLICKED(IDOK, &DerivedDialog::OnOkButton)
END_MESSAGE_MAP()

using DialogDetails = DialogFixture<registerDetailTemplate>;

TEST_F(DialogDetails, DerivedMapsComeFirstThenTheirBases) {
    // The derived map takes help and OK; colour falls through to the base.
    // OK has an entry of its own, so OnOK is not called: Cancel ends it.
    setScript("1005\nhelp\nok\ncancel\n");
    DerivedDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.log, (Log{"base colour", "derived help", "ok button"}));
}

TEST_F(DialogDetails, AHandlerChangingItsOwnBoxIsStoppedNotCrashed) {
    setScript("1200=x\nok\n");
    BaseDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.log.size(), 32u);
    EXPECT_NE(takeTranscript().find("Notifications nest too deep"), std::string::npos);
}

TEST_F(DialogDetails, ManualAndThreeStateCheckBoxes) {
    // A manual check box only reports the click; its handler sets it.
    // An automatic three-state box cycles 1, 2, 0.
    setScript("1301=1\n1301=1\n1302\n1302\n1302\n1302=2\n1302=3\nok\n");
    BaseDialog dialog;
    dialog.DoModal();
    EXPECT_EQ(dialog.log, (Log{"manual 0", "three 1", "three 2", "three 0", "three 2"}));
    EXPECT_NE(takeTranscript().find("Control 1302 is a check box: 0, 1 or 2."), std::string::npos);
}

TEST_F(DialogDetails, EditStyles) {
    setScript("1400=x\n1401 = abcd \nok\n");
    BaseDialog dialog;
    dialog.DoModal();
    EXPECT_EQ(dialog.log, (Log{"1401 ABC"}));
    std::string t = takeTranscript();
    EXPECT_NE(t.find("Control 1400 is read-only."), std::string::npos) << t;
    EXPECT_NE(t.find("Control 1401 takes at most 3 characters"), std::string::npos) << t;
}

TEST_F(DialogDetails, ATabChangeCanBeRefused) {
    setScript("1500=round\n1500=0\n1500=0\nok\n");
    BaseDialog dialog;
    dialog.DoModal();
    EXPECT_EQ(dialog.log, (Log{"changing", "tab 1", "changing", "tab 0"}));  // choosing the current tab: nothing

    setScript("1500=1\nok\n");
    BaseDialog locked;
    locked.lockTab = true;
    locked.DoModal();
    EXPECT_EQ(locked.log, (Log{"changing"}));
}

TEST_F(DialogDetails, EscapeAndEndOfInputLeaveTheFocusAlone) {
    setScript("1402=5\n^C\n");
    BaseDialog escaped;
    EXPECT_EQ(escaped.DoModal(), IDCANCEL);
    setScript("1402=5\n");
    BaseDialog ended;
    EXPECT_EQ(ended.DoModal(), IDCANCEL);
    setScript("1402=5\ncancel\n");
    BaseDialog clicked;
    EXPECT_EQ(clicked.DoModal(), IDCANCEL);
    EXPECT_TRUE(escaped.log.empty());
    EXPECT_TRUE(ended.log.empty());
    EXPECT_EQ(clicked.log, (Log{"kill 1402"}));
}

// Lines typed at a terminal: the dialog is listed when it opens.
class TerminalSource : public host::io::StringSource {
public:
    using StringSource::StringSource;
    bool interactive() const override { return true; }
};

TEST_F(DialogDetails, ATerminalShowsTheDialogWhenItOpens) {
    host::io::setSource(std::make_unique<TerminalSource>("ok\n"));
    BaseDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    std::string t = takeTranscript();
    EXPECT_NE(t.find("-- Dialog 910 --\nDialog 910\n  1200 edit \"\"\n"), std::string::npos) << t;
    EXPECT_NE(t.find("  1500 tab 0 (0 \"Rect\", 1 \"Round\")\n"), std::string::npos) << t;
}

TEST(Resources, OverrideRestoresTheHandleBefore) {
    HINSTANCE before = AfxGetResourceHandle();
    HMODULE module = host::win::registerModule(L"R.ARX", L"/x/R.ARX");
    {
        CAcModuleResourceOverride use(module);
        EXPECT_EQ(AfxGetResourceHandle(), module);
        AfxSetResourceHandle(acedGetAcadResourceInstance());
    }
    EXPECT_EQ(AfxGetResourceHandle(), before);
    host::win::unregisterModule(L"R.ARX");
}

TEST(Windows, TextIntoAShortBufferIsCutAndTerminated) {
    CWnd* frame = acedGetAcadFrame();
    wchar_t buffer[4];
    EXPECT_EQ(frame->GetWindowText(buffer, 4), 3);
    EXPECT_EQ(std::wstring(buffer), L"LUR");
    EXPECT_EQ(frame->GetWindowText(buffer, 0), 0);
    CEdit untied;  // not tied to a control: every call is harmless
    untied.SetWindowText(L"x");
    untied.LimitText(3);
    EXPECT_EQ(untied.GetWindowTextLength(), 0);
    EXPECT_EQ(untied.GetDlgItem(1), nullptr);
}

} // namespace
