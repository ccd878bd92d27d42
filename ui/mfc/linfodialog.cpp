#include "ui/mfc/linfodialog.h"

#include "ui/mfc/dialog_support.h"
#include "ui/mfc/dialog_templates.h"

namespace {
constexpr int kFirstStatic = 1036;
constexpr int kLastStatic = 1049;
constexpr int kFirstEntry = 39;
} // namespace

LInfoDialog::LInfoDialog(CWnd* parent) : CDialog(kInfoDialogTemplate, parent) { RegisterDialogTemplates(); }

void LInfoDialog::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }

BOOL LInfoDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetTitleText(*this, 38);
    for (int id = kFirstStatic; id <= kLastStatic; ++id)
        SetItemText(*this, id, kFirstEntry + (id - kFirstStatic));
    return TRUE;
}
