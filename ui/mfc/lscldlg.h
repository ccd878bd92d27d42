// The insertion scale of one air system's zigzag lines, to four decimals.
#pragma once

#include "core/system_record.h"
#include "mfc.h"

class LSclDlg : public CDialog {
public:
    explicit LSclDlg(CWnd* parent = nullptr);

    LSystemRecord system;  // the system whose scale is edited (a copy)
    double scale = 1.0;
    CEdit scaleBox;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnEditScale();

    DECLARE_MESSAGE_MAP()

private:
    void TakeScale();
};

// A scale as the dialog keeps it: not above 0 gives 1, and anything after
// the fourth decimal is cut off (not rounded).
double CutScale(double scale);
