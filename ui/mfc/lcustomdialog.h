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
    LSystemList* systems;         // the current document state's unless set
    CEdit nameBox;                // 1078
    CEdit userTextBox;            // 1080
    CComboBox systemBox;          // 1066
    CButton listedCheck;          // 1081

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
};
