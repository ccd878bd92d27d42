// The drawing's defaults: the insertion scale (fixed once the drawing holds
// elements), the standard piece lengths and the label distance.  Each box
// takes its value when it loses the focus, brought into range; OK reads
// nothing more.
#pragma once

#include <cstdint>

#include "mfc.h"

// Ranges of the values the boxes hold.
constexpr double kRectPieceMin = 50, kRoundPieceMin = 10, kLabelDistanceMin = 0, kOptionMax = 9999;

class LOptionDialog : public CDialog {
public:
    explicit LOptionDialog(CWnd* parent = nullptr);

    double scale = 1.0;
    double rectPieceLength = 0;
    double roundPieceLength = 0;
    double labelDistance = 0;
    int16_t scaleLocked = 0;
    CEdit labelDistanceBox;
    CEdit rectLengthBox;
    CEdit scaleLeftBox;
    CEdit scaleRightBox;
    CEdit roundLengthBox;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnKillfocusLabelDistance();
    void OnKillfocusScaleLeft();
    void OnKillfocusScaleRight();
    void OnKillfocusRectLength();
    void OnKillfocusRoundLength();

    DECLARE_MESSAGE_MAP()

private:
    void ShowScale();
    void TakeScale(bool leftWins);
    void TakeLength(CEdit& box, double& value, double lowest);
};

// The two numbers a scale is shown as, a : b, one of them 1.
void ScaleParts(double scale, long* left, long* right);
