#include "ui/mfc/linfodialog.h"

#include "ui/mfc/control_ids.h"
#include "ui/mfc/dialog_support.h"
#include "ui/mfc/dialog_templates.h"

namespace {
constexpr int kFirstEntry = 39;
} // namespace

LInfoDialog::LInfoDialog(CWnd* parent) : CDialog(kInfoDialogTemplate, parent) { RegisterDialogTemplates(); }

void LInfoDialog::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }

BOOL LInfoDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetTitleText(*this, 38);
    for (int id = kInfoFirstText; id <= kInfoLastText; ++id)
        SetItemText(*this, id, kFirstEntry + (id - kInfoFirstText));
    return TRUE;
}
