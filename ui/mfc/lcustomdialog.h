// Describes a custom element: its air system, its name, the user's text
// and whether the bill of materials lists it.  The element is changed only
// on OK.
#pragma once

#include "mfc.h"

class LObject;
struct LSystemList;

class LCustomDialog : public CDialog {
public:
    explicit LCustomDialog(CWnd* parent = nullptr);

    LObject* pElement = nullptr;  // not owned; OK needs it
    LSystemList* systems;         // set by the opening command; by default the current drawing's
    CEdit nameBox;
    CEdit userTextBox;
    CComboBox systemBox;
    CButton listedCheck;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
};
