// The choices of the sizing and numbering run: labels, sizes or both, and
// whether labels are placed without asking their numbers.
#pragma once

#include <cstdint>

#include "mfc.h"

// The code the run is given: 56 labels and sizes, 8 labels only, 48 sizes
// only; 4 added when the numbers are not asked.
constexpr int16_t kDimCodeBoth = 56;
constexpr int16_t kDimCodeLabels = 8;
constexpr int16_t kDimCodeSizes = 48;
constexpr int16_t kDimCodeNoQuestions = 4;

// The check box's state from run to run while the module is loaded.
extern int16_t DimDlgCheckState;

class CDimDlg : public CDialog {
public:
    explicit CDimDlg(CWnd* parent = nullptr);

    int16_t code = 0;  // set by OK
    CButton noQuestionsCheck;
    CButton labelsRadio;
    CButton sizesRadio;
    CButton bothRadio;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnHelp();

    DECLARE_MESSAGE_MAP()
};
