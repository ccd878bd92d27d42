#include "ui/mfc/dimdlg.h"

#include "core/environment.h"
#include "ui/mfc/dialog_support.h"
#include "ui/mfc/dialog_templates.h"

int16_t DimDlgCheckState = 1;

BEGIN_MESSAGE_MAP(CDimDlg, CDialog)
    ON_BN_CLICKED(kHelpButton, &CDimDlg::OnHelp)
END_MESSAGE_MAP()

CDimDlg::CDimDlg(CWnd* parent) : CDialog(kDimDialogTemplate, parent) { RegisterDialogTemplates(); }

void CDimDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, 1082, noQuestionsCheck);
    DDX_Control(pDX, 1067, labelsRadio);
    DDX_Control(pDX, 1069, sizesRadio);
    DDX_Control(pDX, 1070, bothRadio);
}

BOOL CDimDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetTitleText(*this, 61);
    SetItemText(*this, 1067, 62);
    SetItemText(*this, 1069, 63);
    SetItemText(*this, 1070, 64);
    SetItemText(*this, 1082, 68);
    CheckRadioButton(1070, 1067, 1070);
    noQuestionsCheck.SetCheck(DimDlgCheckState ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

void CDimDlg::OnOK() {
    if (bothRadio.GetCheck() == BST_CHECKED)
        code = kDimCodeBoth;
    else if (labelsRadio.GetCheck() == BST_CHECKED)
        code = kDimCodeLabels;
    else if (sizesRadio.GetCheck() == BST_CHECKED)
        code = kDimCodeSizes;
    if (noQuestionsCheck.GetCheck() == BST_CHECKED) {
        DimDlgCheckState = 1;
        code = static_cast<int16_t>(code + kDimCodeNoQuestions);
    } else {
        DimDlgCheckState = 0;
    }
    CDialog::OnOK();
}

void CDimDlg::OnHelp() { ShowHelp("topic_bemeretezes"); }
