// The information box: what the program is, who makes it and where to
// write, all in texts of the messages file.
#pragma once

#include "mfc.h"

class LInfoDialog : public CDialog {
public:
    explicit LInfoDialog(CWnd* parent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
