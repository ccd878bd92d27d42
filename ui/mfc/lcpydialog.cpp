#include "ui/mfc/lcpydialog.h"

#include "core/environment.h"
#include "core/message_numbers.h"
#include "ui/mfc/dialog_support.h"
#include "ui/mfc/control_ids.h"
#include "ui/mfc/dialog_templates.h"

namespace {
constexpr int kTagChars = 4;
} // namespace

BEGIN_MESSAGE_MAP(LCpyDialog, CDialog)
    ON_BN_CLICKED(kHelpButton, &LCpyDialog::OnHelp)
END_MESSAGE_MAP()

LCpyDialog::LCpyDialog(CWnd* parent) : CDialog(kCopyDialogTemplate, parent), systems(DialogSystems()) {
    RegisterDialogTemplates();
}

void LCpyDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kSystemTagList, systemBox);
}

BOOL LCpyDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (mode == kCopyMode)
        SetTitleText(*this, 53);
    else if (mode == kMirrorMode)
        SetTitleText(*this, 65);
    SetItemText(*this, kPromptText, 54);
    AddSystemTags(systemBox, systems);
    systemBox.LimitText(kTagChars);
    // A proposed tag that no system has leaves the box empty.
    if (!tag.IsEmpty())
        systemBox.SelectString(-1, tag);
    return TRUE;
}

void LCpyDialog::OnOK() {
    systemBox.GetWindowText(tag);
    if (tag.GetLength() > kTagChars)
        tag = tag.Left(kTagChars);
    if (tag.IsEmpty()) {
        AlertMessage(kMsgNoSystem);
        return;
    }
    // A new tag would name layers that the host refuses.
    if (!IsUsableSystemTag(tag.toUtf8())) {
        AlertMessage(kMsgNoTag);
        return;
    }
    CDialog::OnOK();
}

void LCpyDialog::OnHelp() { ShowHelp("topic_masolas"); }
