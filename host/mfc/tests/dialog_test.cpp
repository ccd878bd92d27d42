// A dialog of the framework driven by input lines: notifications and their
// order, focus, bad input, nested boxes and dialogs.
#include <functional>

#include "dialog_fixture.h"

using namespace host::mfc;
using host::io::setScript;
using host::io::takeTranscript;

namespace {

constexpr UINT kTemplate = 900;
constexpr UINT kInnerTemplate = 901;

void registerTestTemplates() {
    registerTemplate({kTemplate, 200, 150, {
        staticText(1056, {5, 5, 40, 8}, SS_RIGHT, L"Size"),
        editBox(1002, {50, 5, 40, 12}, ES_NUMBER, 8),
        editBox(1000, {50, 20, 40, 12}, ES_AUTOHSCROLL, 4),
        comboBox(1003, {50, 35, 60, 80}, CBS_DROPDOWNLIST | CBS_SORT),
        comboBox(1004, {50, 50, 60, 80}, CBS_DROPDOWN | CBS_SORT, 6),
        tabControl(1024, {5, 65, 190, 40}),
        checkBox(1032, {5, 110, 60, 10}, L"Circle"),
        checkBox(1033, {70, 110, 60, 10}, L"Frame"),
        radioButton(1070, {5, 120, 60, 10}, L"Both").group(),
        radioButton(1069, {70, 120, 60, 10}, L"Sizes"),
        radioButton(1067, {135, 120, 60, 10}, L"Labels"),
        checkBox(1082, {5, 130, 60, 10}, L"Ask").group(),
        pushButton(1005, {135, 5, 50, 14}, L"Colour"),
        editBox(1015, {135, 20, 50, 12}).disabled(),
        comboBox(1022, {50, 5, 40, 80}, CBS_DROPDOWNLIST).hidden(),
        defPushButton(IDOK, {5, 135, 50, 14}, L"OK"),
        pushButton(IDCANCEL, {60, 135, 50, 14}, L"Cancel"),
        pushButton(1006, {115, 135, 50, 14}, L"Help"),
    }});
    registerTemplate({kInnerTemplate, 100, 50, {
        editBox(1100, {5, 5, 60, 12}),
        defPushButton(IDOK, {5, 30, 40, 14}, L"OK"),
        pushButton(IDCANCEL, {50, 30, 40, 14}, L"Cancel"),
    }});
}

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(kTemplate) {}

    std::vector<std::string> log;
    std::string tagAtOk;
    int radioAtOk = 0;
    int innerResult = 0;
    CEdit size;
    CEdit tag;
    CComboBox linetype;
    CComboBox layer;
    CTabCtrl tab;
    CButton circle;
    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, 1002, size);
        DDX_Control(pDX, 1000, tag);
        DDX_Control(pDX, 1003, linetype);
        DDX_Control(pDX, 1004, layer);
        DDX_Control(pDX, 1024, tab);
        DDX_Control(pDX, 1032, circle);
    }

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetWindowText(L"Test");
        for (const wchar_t* name : {L"CONTINUOUS", L"BYLAYER", L"byblock", L"K\u00d6Z\u00c9P"}) linetype.AddString(name);
        layer.AddString(L"LURAK-ZL1");
        layer.AddString(L"A-LAYER");
        tab.InsertItem(0, L"Pen 1");
        tab.InsertItem(1, L"Pen 2");
        tab.InsertItem(2, L"Pen 3");
        circle.SetCheck(BST_CHECKED);
        CheckRadioButton(1070, 1067, 1070);
        linetype.SelectString(-1, L"bylayer");
        size.SetWindowText(L"100");  // notifies, as on the platform
        return TRUE;
    }

    void OnOK() override {
        tagAtOk = text(tag);
        radioAtOk = GetCheckedRadioButton(1070, 1067);
        if (tagAtOk.empty()) {
            log.push_back("refused");
            return;
        }
        log.push_back("ok");
        CDialog::OnOK();
    }

    void OnChangeSize() { log.push_back("change 1002 " + text(size)); }
    void OnKillfocusSize() { log.push_back("killfocus 1002"); }
    void OnChangeTag() { log.push_back("change 1000 " + text(tag)); }
    void OnSelLinetype() { log.push_back("sel 1003 " + text(linetype)); }
    void OnSelLayer() { log.push_back("sel 1004 " + text(layer) + " #" + std::to_string(layer.GetCurSel())); }
    void OnEditLayer() { log.push_back("edit 1004 " + text(layer) + " #" + std::to_string(layer.GetCurSel())); }
    void OnSelchangeTab(NMHDR* header, LRESULT* result) {
        log.push_back("tab " + std::to_string(header->idFrom) + " " + std::to_string(tab.GetCurSel()));
        *result = 0;
    }
    void OnCircle() { log.push_back("click 1032 " + std::to_string(circle.GetCheck())); }
    void OnRadio() { log.push_back("click radio " + std::to_string(GetCheckedRadioButton(1070, 1067))); }
    void OnColour() {
        int answer = MessageBoxW(acedGetAcadFrame()->GetSafeHwnd(), L"Keep?", L"LurakCAD", MB_YESNO);
        log.push_back(std::string("colour ") + (answer == IDYES ? "yes" : "no"));
    }
    void OnHelp();
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
    ON_EN_CHANGE(1002, &TestDialog::OnChangeSize)
    ON_EN_KILLFOCUS(1002, &TestDialog::OnKillfocusSize)
    ON_EN_CHANGE(1000, &TestDialog::OnChangeTag)
    ON_CBN_SELCHANGE(1003, &TestDialog::OnSelLinetype)
    ON_CBN_SELCHANGE(1004, &TestDialog::OnSelLayer)
    ON_CBN_EDITCHANGE(1004, &TestDialog::OnEditLayer)
    ON_NOTIFY(TCN_SELCHANGE, 1024, &TestDialog::OnSelchangeTab)
    ON_BN_CLICKED(1032, &TestDialog::OnCircle)
    ON_BN_CLICKED(1070, &TestDialog::OnRadio)
    ON_BN_CLICKED(1069, &TestDialog::OnRadio)
    ON_BN_CLICKED(1067, &TestDialog::OnRadio)
    ON_BN_CLICKED(1005, &TestDialog::OnColour)
    ON_BN_CLICKED(1006, &TestDialog::OnHelp)
END_MESSAGE_MAP()

// The inner dialog of the nesting test: its own map, nothing bound.
class InnerDialog : public CDialog {
public:
    explicit InnerDialog(CWnd* parent) : CDialog(kInnerTemplate, parent) {}
    std::vector<std::string>* log = nullptr;
    void OnChange() { log->push_back("inner change " + text(*GetDlgItem(1100))); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(InnerDialog, CDialog)
    ON_EN_CHANGE(1100, &InnerDialog::OnChange)
END_MESSAGE_MAP()

void TestDialog::OnHelp() {
    InnerDialog inner(this);
    inner.log = &log;
    innerResult = static_cast<int>(inner.DoModal());
    log.push_back("inner closed " + std::to_string(innerResult));
}

using Dialog = DialogFixture<registerTestTemplates>;

TEST_F(Dialog, NotificationsArriveInTheOrderOfTheLines) {
    setScript("1002=250\n1000=zl1\n1003=continuous\n1004=NEW-LAYER\n1004=a-layer\n"
              "1024=2\n1032=0\n1005\nno\n1069\nok\n");
    TestDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.log, (Log{
        "change 1002 100",  // set by code in OnInitDialog
        "change 1002 250",
        "killfocus 1002", "change 1000 zl1",
        "sel 1003 CONTINUOUS",
        "edit 1004 NEW-LA #-1",  // a text not in the list, cut to the limit of 6
        "sel 1004 A-LAYER #0",   // the list is sorted
        "tab 1024 2",
        "click 1032 0",
        "colour no",
        "click radio 1069",
        "ok",
    }));
    EXPECT_EQ(dialog.tagAtOk, "zl1");
    EXPECT_EQ(dialog.radioAtOk, 1069);
    // After the run the controls are gone and their objects untied.
    EXPECT_EQ(dialog.size.m_hWnd, nullptr);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    std::string t = takeTranscript();
    EXPECT_NE(t.find("-- Dialog 900 \"Test\" --\nDialog 900: 1002=250\n"), std::string::npos) << t;
    EXPECT_NE(t.find("-- Dialog 900 \"Test\" closed: OK --"), std::string::npos) << t;
}

TEST_F(Dialog, FocusLeavesAnEditBoxForTheNextControlOrTheOkButton) {
    setScript("1002=7\n1002=8\n1002\n1032\n1002=9\nok\n");
    TestDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);  // OK refused, then the input ends
    EXPECT_EQ(dialog.log, (Log{"change 1002 100", "change 1002 7", "change 1002 8", "killfocus 1002",
                               "click 1032 0", "change 1002 9", "killfocus 1002", "refused"}));
    takeTranscript();
}

TEST_F(Dialog, EnterPressesTheDefaultButtonWithoutMovingTheFocus) {
    setScript("1000=AB\n1002=5\n\n");
    TestDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.log.back(), "ok");
    EXPECT_EQ(dialog.log[dialog.log.size() - 2], "change 1002 5");
    takeTranscript();
}

TEST_F(Dialog, BadInputIsRefusedAndTheDialogStaysUsable) {
    setScript("1002=12a\n1002=123456789\n9999=1\nxyz\n1015=5\n1022=80\n1056=x\n1003=NOPE\n"
              "1024=7\n1024\n1032=5\n1070=0\n1005=1\n1024=pen 2\ncancel\n");
    TestDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.log, (Log{"change 1002 100", "change 1002 12345678", "killfocus 1002", "tab 1024 1"}));
    std::string t = takeTranscript();
    for (const char* message : {
             "Control 1002 takes digits only: \"12a\" was not typed.",
             "Control 1002 takes at most 8 characters: typed as \"12345678\".",
             "Dialog 900 has no control 9999: ? lists its controls.",
             "\"xyz\" names no control",
             "Control 1015 is disabled.",
             "Control 1022 is hidden.",
             "Control 1056 is a label: it takes no input.",
             "\"NOPE\" is not in the list of Control 1003",
             "Control 1024 has no tab \"7\"",
             "Control 1024 is a tab control",
             "Control 1032 is a check box: 0 or 1.",
             "Control 1070 is a radio button",
             "Control 1005 is a button: click it with 1005 alone.",
         })
        EXPECT_NE(t.find(message), std::string::npos) << message << "\n" << t;
}

TEST_F(Dialog, QuestionListsTheControlsWithTheirValues) {
    setScript("1004=A-LAYER\n?\ncancel\n");
    TestDialog dialog;
    dialog.DoModal();
    std::string t = takeTranscript();
    for (const char* line : {
             "  1056 static \"Size\"\n",
             "  1002 edit \"100\" digits limit 8\n",
             "  1003 list \"BYLAYER\" sorted selected 1 (0 \"byblock\", 1 \"BYLAYER\", 2 \"CONTINUOUS\", 3 \"K\xC3\x96Z\xC3\x89P\")\n",
             "  1004 combo \"A-LAYER\" sorted selected 0 (0 \"A-LAYER\", 1 \"LURAK-ZL1\") limit 6 focus\n",
             "  1024 tab 0 (0 \"Pen 1\", 1 \"Pen 2\", 2 \"Pen 3\")\n",
             "  1032 check [x] \"Circle\"\n",
             "  1070 radio (*) \"Both\"\n",
             "  1069 radio ( ) \"Sizes\"\n",
             "  1015 edit \"\" disabled\n",
             "  1022 list \"\" selected -1 () hidden\n",
         })
        EXPECT_NE(t.find(line), std::string::npos) << line << "\n" << t;
}

TEST_F(Dialog, HandlersOpenNestedDialogsAndEndOfInputClosesInnermostFirst) {
    setScript("1000=\nok\nhelp\n1100=abc\n");
    TestDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.log, (Log{"change 1002 100", "change 1000 ", "refused", "inner change abc",
                               "inner closed 2"}));
    std::string t = takeTranscript();
    size_t inner = t.find("-- Dialog 901 closed: Cancel --");
    size_t outer = t.find("-- Dialog 900 \"Test\" closed: Cancel --");
    ASSERT_NE(inner, std::string::npos) << t;
    EXPECT_LT(inner, outer);
}

TEST_F(Dialog, AnUndefinedTemplateCannotRun) {
    CDialog dialog(4242);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_NE(takeTranscript().find("No dialog template 4242"), std::string::npos);
}

// Runs its init hook, then ends at once: the hook works the controls as
// the module's code would.
class HookDialog : public CDialog {
public:
    explicit HookDialog(std::function<void(HookDialog&)> hook) : CDialog(kTemplate), hook_(std::move(hook)) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        hook_(*this);
        EndDialog(IDOK);
        return TRUE;
    }
    CComboBox& combo(int id) { return *static_cast<CComboBox*>(GetDlgItem(id)); }

private:
    std::function<void(HookDialog&)> hook_;
};

TEST_F(Dialog, ComboBoxesSortFindAndSelectWithoutRegardToCase) {
    HookDialog dialog([](HookDialog& d) {
        CComboBox& sorted = d.combo(1003);
        EXPECT_EQ(sorted.AddString(L"b"), 0);
        EXPECT_EQ(sorted.AddString(L"C"), 1);
        EXPECT_EQ(sorted.AddString(L"a"), 0);
        EXPECT_EQ(sorted.AddString(L"B"), 2);  // after its equal
        EXPECT_EQ(sorted.FindStringExact(-1, L"c"), 3);
        EXPECT_EQ(sorted.FindStringExact(-1, L"x"), CB_ERR);
        EXPECT_EQ(sorted.FindStringExact(1, L"b"), 2);  // searching after index 1
        EXPECT_EQ(sorted.FindStringExact(2, L"b"), 1);  // wraps round
        EXPECT_EQ(sorted.FindString(-1, L"C"), 3);
        EXPECT_EQ(sorted.SelectString(-1, L"C"), 3);
        EXPECT_EQ(sorted.SelectString(-1, L"none"), CB_ERR);
        EXPECT_EQ(sorted.GetCurSel(), 3);  // a failed select keeps the selection
        EXPECT_EQ(text(sorted), "C");
        EXPECT_EQ(sorted.DeleteString(0), 3);
        EXPECT_EQ(sorted.GetCurSel(), 2);  // the selection moves with its item
        EXPECT_EQ(sorted.DeleteString(2), 2);
        EXPECT_EQ(sorted.GetCurSel(), CB_ERR);
        EXPECT_EQ(text(sorted), "");
        EXPECT_EQ(sorted.DeleteString(7), CB_ERR);
        EXPECT_EQ(sorted.SetCurSel(9), CB_ERR);
        CString item(L"unchanged");
        sorted.GetLBText(5, item);
        EXPECT_TRUE(item.IsEmpty());
        EXPECT_EQ(sorted.GetLBTextLen(1), 1);
        // A drop-down list set by text selects that item.
        sorted.SetWindowText(L"B");
        EXPECT_EQ(sorted.GetCurSel(), 1);

        CComboBox& unsorted = d.combo(1022);
        for (const wchar_t* d80 : {L"80", L"100", L"90"}) unsorted.AddString(d80);
        EXPECT_EQ(unsorted.FindStringExact(-1, L"90"), 2);
        EXPECT_EQ(unsorted.InsertString(0, L"70"), 0);
        EXPECT_EQ(unsorted.SetItemData(1, 80), CB_OKAY);
        EXPECT_EQ(unsorted.GetItemData(1), 80u);
        unsorted.ResetContent();
        EXPECT_EQ(unsorted.GetCount(), 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(Dialog, ControlsFromGetDlgItemHaveTheirOwnClass) {
    HookDialog dialog([](HookDialog& d) {
        EXPECT_NE(dynamic_cast<CEdit*>(d.GetDlgItem(1002)), nullptr);
        EXPECT_NE(dynamic_cast<CButton*>(d.GetDlgItem(1032)), nullptr);
        EXPECT_NE(dynamic_cast<CTabCtrl*>(d.GetDlgItem(1024)), nullptr);
        EXPECT_NE(dynamic_cast<CStatic*>(d.GetDlgItem(1056)), nullptr);
        EXPECT_EQ(d.GetDlgItem(5555), nullptr);
        EXPECT_EQ(d.GetDlgItem(1002)->GetParent(), &d);
        // Edit boxes: limit, read-only, state changes.
        auto* edit = static_cast<CEdit*>(d.GetDlgItem(1000));
        EXPECT_EQ(edit->GetLimitText(), 4u);
        edit->SetWindowText(L"longer than four");  // code is not held to the limit
        EXPECT_EQ(text(*edit), "longer than four");
        EXPECT_FALSE(edit->EnableWindow(FALSE));
        EXPECT_TRUE(edit->EnableWindow(TRUE));
        EXPECT_TRUE(edit->ShowWindow(SW_HIDE));
        EXPECT_FALSE(edit->IsWindowVisible());
        // Tabs: the first item becomes current; setting by code is quiet.
        auto* tab = static_cast<CTabCtrl*>(d.GetDlgItem(1024));
        EXPECT_EQ(tab->GetCurSel(), -1);
        tab->InsertItem(0, L"Rect");
        tab->InsertItem(1, L"Round");
        EXPECT_EQ(tab->GetCurSel(), 0);
        EXPECT_EQ(tab->SetCurSel(1), 0);
        EXPECT_EQ(tab->SetCurSel(5), -1);
        EXPECT_EQ(tab->GetItemCount(), 2);
        // Items by id.
        d.SetDlgItemInt(1002, 42);
        BOOL ok = FALSE;
        EXPECT_EQ(d.GetDlgItemInt(1002, &ok), 42u);
        EXPECT_TRUE(ok);
        d.CheckDlgButton(1033, BST_CHECKED);
        EXPECT_EQ(d.IsDlgButtonChecked(1033), 1u);
        // A control object of the wrong class is not tied.
        CComboBox wrong;
        CDataExchange exchange(&d, FALSE);
        DDX_Control(&exchange, 1002, wrong);
        EXPECT_EQ(wrong.m_hWnd, nullptr);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_NE(takeTranscript().find("Control 1002 cannot be tied to this object (another kind of control)"),
              std::string::npos);
}

} // namespace
