#include "ui/mfc/loptiondialog.h"

#include <algorithm>
#include <cmath>

#include "ui/mfc/dialog_support.h"
#include "ui/mfc/control_ids.h"
#include "ui/mfc/dialog_templates.h"

namespace {

constexpr int kNumberChars = 63;

void ShowWhole(CEdit& box, double value) {
    CString text;
    text.Format(L"%ld", WholePart(value));
    box.SetWindowText(text);
}

// The number in a scale box: none, or one below 1, counts as 1.
double ScaleNumber(const CEdit& box) {
    double value = 1;
    if (!ReadNumber(box, kNumberChars, value) || value < 1)
        value = 1;
    return value;
}

} // namespace

void ScaleParts(double scale, long* left, long* right) {
    // A scale that is not a positive number shows as 1 : 1.
    if (!(scale > 0) || !std::isfinite(scale))
        scale = 1;
    *left = 1;
    *right = 1;
    if (scale >= 1)
        *left = WholePart(scale);
    else
        *right = WholePart(1 / scale);
}

BEGIN_MESSAGE_MAP(LOptionDialog, CDialog)
    ON_EN_KILLFOCUS(kOptionLabelDistanceEdit, &LOptionDialog::OnKillfocusLabelDistance)
    ON_EN_KILLFOCUS(kOptionScaleLeftEdit, &LOptionDialog::OnKillfocusScaleLeft)
    ON_EN_KILLFOCUS(kOptionScaleRightEdit, &LOptionDialog::OnKillfocusScaleRight)
    ON_EN_KILLFOCUS(kOptionRectLengthEdit, &LOptionDialog::OnKillfocusRectLength)
    ON_EN_KILLFOCUS(kOptionRoundLengthEdit, &LOptionDialog::OnKillfocusRoundLength)
END_MESSAGE_MAP()

LOptionDialog::LOptionDialog(CWnd* parent) : CDialog(kOptionDialogTemplate, parent) { RegisterDialogTemplates(); }

void LOptionDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kOptionLabelDistanceEdit, labelDistanceBox);
    DDX_Control(pDX, kOptionRectLengthEdit, rectLengthBox);
    DDX_Control(pDX, kOptionScaleLeftEdit, scaleLeftBox);
    DDX_Control(pDX, kOptionScaleRightEdit, scaleRightBox);
    DDX_Control(pDX, kOptionRoundLengthEdit, roundLengthBox);
}

BOOL LOptionDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetTitleText(*this, 69);
    static const int labels[][2] = {{kOptionScaleLabel, 70}, {kOptionPieceGroup, 71}, {kOptionRectLengthLabel, 72}, {kOptionRoundLengthLabel, 73}, {kOptionLabelDistanceLabel, 74}};
    for (const auto& label : labels)
        SetItemText(*this, label[0], label[1]);
    ShowScale();
    if (scaleLocked) {
        scaleLeftBox.EnableWindow(FALSE);
        scaleRightBox.EnableWindow(FALSE);
    }
    ShowWhole(rectLengthBox, rectPieceLength);
    ShowWhole(roundLengthBox, roundPieceLength);
    ShowWhole(labelDistanceBox, labelDistance);
    return TRUE;
}

void LOptionDialog::ShowScale() {
    long left = 1, right = 1;
    ScaleParts(scale, &left, &right);
    CString text;
    text.Format(L"%ld", left);
    scaleLeftBox.SetWindowText(text);
    text.Format(L"%ld", right);
    scaleRightBox.SetWindowText(text);
}

void LOptionDialog::TakeScale(bool leftWins) {
    if (scaleLocked)
        return;
    double a = ScaleNumber(scaleLeftBox);
    double b = ScaleNumber(scaleRightBox);
    if (leftWins && a != 1)
        b = 1;
    if (!leftWins && b != 1)
        a = 1;
    scale = a / b;
    ShowScale();
}

void LOptionDialog::OnKillfocusScaleLeft() { TakeScale(true); }

void LOptionDialog::OnKillfocusScaleRight() { TakeScale(false); }

void LOptionDialog::TakeLength(CEdit& box, double& value, double lowest) {
    ReadNumber(box, kNumberChars, value);
    value = std::clamp(value, lowest, kOptionMax);
}

void LOptionDialog::OnKillfocusRectLength() {
    TakeLength(rectLengthBox, rectPieceLength, kRectPieceMin);
    ShowWhole(rectLengthBox, rectPieceLength);
}

void LOptionDialog::OnKillfocusRoundLength() {
    TakeLength(roundLengthBox, roundPieceLength, kRoundPieceMin);
    ShowWhole(roundLengthBox, roundPieceLength);
}

void LOptionDialog::OnKillfocusLabelDistance() {
    TakeLength(labelDistanceBox, labelDistance, kLabelDistanceMin);
    CString text;
    text.Format(L"%lg", labelDistance);
    labelDistanceBox.SetWindowText(text);
}
