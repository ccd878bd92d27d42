#include "ui/mfc/lexdialog.h"

#include "core/environment.h"
#include "core/message_numbers.h"
#include "ui/mfc/dialog_support.h"
#include "ui/mfc/control_ids.h"
#include "ui/mfc/dialog_templates.h"

namespace {
} // namespace

BEGIN_MESSAGE_MAP(LExDialog, CDialog)
    ON_BN_CLICKED(kHelpButton, &LExDialog::OnHelp)
END_MESSAGE_MAP()

LExDialog::LExDialog(CWnd* parent) : CDialog(kExplodeDialogTemplate, parent), database(DialogDatabase()) {
    RegisterDialogTemplates();
}

void LExDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kExplodeLayerList, layerBox);
}

BOOL LExDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetTitleText(*this, 4);
    SetItemText(*this, kPromptText, 5);
    AddTableNames(layerBox, database, NameTable::kLayers);
    return TRUE;
}

void LExDialog::OnOK() {
    layerBox.GetWindowText(layer);
    // A name the drawing cannot hold is refused like an empty one, so the
    // command never meets a layer it cannot make.
    if (!IsValidLayerName(layer.toUtf8())) {
        AlertMessage(kMsgNoLayer);
        return;
    }
    CDialog::OnOK();
}

void LExDialog::OnHelp() { ShowHelp("topic_szetvetes"); }
