// The layer that the entities of exploded elements are put on: a layer of
// the drawing, or a new name.
#pragma once

#include "mfc.h"

class AcDbDatabase;

class LExDialog : public CDialog {
public:
    explicit LExDialog(CWnd* parent = nullptr);

    CString layer;           // after OK: the box text
    AcDbDatabase* database;  // set by the opening command; by default the current drawing's
    CComboBox layerBox;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnHelp();

    DECLARE_MESSAGE_MAP()
};
