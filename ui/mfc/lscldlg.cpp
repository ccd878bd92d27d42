#include "ui/mfc/lscldlg.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/message_format.h"
#include "ui/mfc/control_ids.h"
#include "ui/mfc/dialog_support.h"
#include "ui/mfc/dialog_templates.h"

namespace {
constexpr int kNumberChars = 63;
constexpr int kScaleFormatEntry = 67;
} // namespace

double CutScale(double scale) {
    if (!(scale > 0))
        return 1.0;
    // Ten-thousandths are counted in 32 bits: larger scales stop at the
    // largest count.  A typed 0.0003 is 2.9999999999999996 ten-thousandths
    // in binary: a product that close to a whole number is that number.
    double product = scale * 10000;
    double nearest = std::round(product);
    if (std::fabs(product - nearest) <= 1e-9 * std::max(1.0, nearest))
        product = nearest;
    double tenThousandths = std::trunc(product);
    if (tenThousandths > INT32_MAX)
        tenThousandths = INT32_MAX;
    // A scale below 0.0001 would cut to 0, which the dialog never keeps.
    if (tenThousandths < 1)
        return 1.0;
    return tenThousandths * 0.0001;
}

BEGIN_MESSAGE_MAP(LSclDlg, CDialog)
    ON_EN_KILLFOCUS(kScaleEdit, &LSclDlg::OnEditScale)
END_MESSAGE_MAP()

LSclDlg::LSclDlg(CWnd* parent) : CDialog(kScaleDialogTemplate, parent) { RegisterDialogTemplates(); }

void LSclDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kScaleEdit, scaleBox);
}

BOOL LSclDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetTitleText(*this, 66);
    // The entry is a format with the tag; a damaged one is shown as text.
    std::string tag(system.tag, strnlen(system.tag, sizeof system.tag));
    std::string label = FormatMessageNumber(kScaleFormatEntry, {tag});
    SetDlgItemText(kPromptText, WideText(label.c_str()).c_str());
    CString text;
    text.Format(L"%.4lf", scale);
    scaleBox.SetWindowText(text);
    return TRUE;
}

void LSclDlg::TakeScale() {
    ReadNumber(scaleBox, kNumberChars, scale);
    scale = CutScale(scale);
}

void LSclDlg::OnEditScale() {
    TakeScale();
    CString text;
    text.Format(L"%.4lf", scale);
    scaleBox.SetWindowText(text);
}

void LSclDlg::OnOK() {
    TakeScale();
    CDialog::OnOK();
}
