#include "ui/mfc/dimdlg.h"

#include "core/environment.h"
#include "ui/mfc/dialog_support.h"
#include "ui/mfc/control_ids.h"
#include "ui/mfc/dialog_templates.h"

int16_t DimDlgCheckState = 1;

BEGIN_MESSAGE_MAP(CDimDlg, CDialog)
    ON_BN_CLICKED(kHelpButton, &CDimDlg::OnHelp)
END_MESSAGE_MAP()

CDimDlg::CDimDlg(CWnd* parent) : CDialog(kDimDialogTemplate, parent) { RegisterDialogTemplates(); }

void CDimDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kDimNoQuestionsCheck, noQuestionsCheck);
    DDX_Control(pDX, kDimLabelsRadio, labelsRadio);
    DDX_Control(pDX, kDimSizesRadio, sizesRadio);
    DDX_Control(pDX, kDimBothRadio, bothRadio);
}

BOOL CDimDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetTitleText(*this, 61);
    SetItemText(*this, kDimLabelsRadio, 62);
    SetItemText(*this, kDimSizesRadio, 63);
    SetItemText(*this, kDimBothRadio, 64);
    SetItemText(*this, kDimNoQuestionsCheck, 68);
    CheckRadioButton(kDimBothRadio, kDimLabelsRadio, kDimBothRadio);
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
