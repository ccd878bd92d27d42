// Windows of the dialog framework: CWnd and the control classes.
//
// A CWnd is a handle to a window that lives while its dialog runs: the
// dialog's controls are created from its template when DoModal starts and
// destroyed when it ends.  Control objects of the dialog class are tied to
// their controls by DDX_Control.  Calls on an object that is not tied to a
// live window do nothing and return 0 / empty.
//
// Programmatic changes notify as on the real platform: SetWindowText on an
// edit box sends EN_CHANGE to the dialog; selecting, checking and tab
// changes made by code send nothing.
#pragma once

#include "mfc_string.h"
#include "windows_min.h"

typedef uintptr_t DWORD_PTR;

// Window styles (the bits the framework looks at).
#define WS_VISIBLE 0x10000000u
#define WS_DISABLED 0x08000000u
#define WS_GROUP 0x00020000u
#define WS_TABSTOP 0x00010000u

#define ES_LEFT 0x0000u
#define ES_CENTER 0x0001u
#define ES_RIGHT 0x0002u
#define ES_MULTILINE 0x0004u
#define ES_UPPERCASE 0x0008u
#define ES_LOWERCASE 0x0010u
#define ES_AUTOHSCROLL 0x0080u
#define ES_READONLY 0x0800u
#define ES_NUMBER 0x2000u

#define CBS_SIMPLE 0x0001u
#define CBS_DROPDOWN 0x0002u
#define CBS_DROPDOWNLIST 0x0003u
#define CBS_TYPEMASK 0x0003u
#define CBS_AUTOHSCROLL 0x0040u
#define CBS_SORT 0x0100u

#define BS_PUSHBUTTON 0x0u
#define BS_DEFPUSHBUTTON 0x1u
#define BS_CHECKBOX 0x2u
#define BS_AUTOCHECKBOX 0x3u
#define BS_RADIOBUTTON 0x4u
#define BS_3STATE 0x5u
#define BS_AUTO3STATE 0x6u
#define BS_GROUPBOX 0x7u
#define BS_AUTORADIOBUTTON 0x9u
#define BS_TYPEMASK 0xFu

#define SS_LEFT 0x0u
#define SS_CENTER 0x1u
#define SS_RIGHT 0x2u
#define SS_SUNKEN 0x1000u

#define BST_UNCHECKED 0
#define BST_CHECKED 1
#define BST_INDETERMINATE 2

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOW 5
#define SW_SHOWNA 8

#define CB_OKAY 0
#define CB_ERR (-1)

// A control without an id of its own (labels).
#define IDC_STATIC (-1)

// Control notifications (sent to the dialog's message map).
#define BN_CLICKED 0u
#define EN_SETFOCUS 0x0100u
#define EN_KILLFOCUS 0x0200u
#define EN_CHANGE 0x0300u
#define CBN_SELCHANGE 1u
#define CBN_SETFOCUS 3u
#define CBN_KILLFOCUS 4u
#define CBN_EDITCHANGE 5u
#define TCN_FIRST (0u - 550u)
#define TCN_SELCHANGE (TCN_FIRST - 1u)
#define TCN_SELCHANGING (TCN_FIRST - 2u)

// The header of a WM_NOTIFY notification (tab controls).
struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};

class CWnd;

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
};

// What DoDataExchange is given: the direction and the dialog.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Title of a dialog, label of a button or static, text of an edit box,
    // edit field (or chosen item) of a combo box.
    void SetWindowText(LPCTSTR text);
    void GetWindowText(CString& text) const;
    // Copies at most maxCount - 1 characters and a terminator; returns the
    // characters copied.
    int GetWindowText(LPTSTR buffer, int maxCount) const;
    int GetWindowTextLength() const;

    // Both return the previous state, as the platform does: EnableWindow
    // non-zero when the window was disabled, ShowWindow non-zero when it
    // was visible.
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    DWORD GetStyle() const;

    int GetDlgCtrlID() const;
    // The control of this dialog with the id, or null.  A control tied to
    // a member by DDX_Control is returned as that member; any other as an
    // object of its control class (CEdit, CComboBox, ...), valid while the
    // dialog runs.
    CWnd* GetDlgItem(int id) const;
    CWnd* GetParent() const;

    void SetDlgItemText(int id, LPCTSTR text);
    int GetDlgItemText(int id, CString& text) const;
    int GetDlgItemText(int id, LPTSTR buffer, int maxCount) const;
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    // Checks one radio button and clears the others whose ids lie in
    // [first, last]; GetCheckedRadioButton: the first checked id, or 0.
    void CheckRadioButton(int first, int last, int check);
    int GetCheckedRadioButton(int first, int last) const;

    // Moves the keyboard focus here; the control that had it gets its
    // focus-lost notification first.  Returns the window that had it.
    CWnd* SetFocus();

    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    // Nothing to repaint in a headless host.
    void UpdateWindow() {}
    void Invalidate(BOOL = TRUE) {}

    // Ties this object to a control of parent's running dialog.
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    virtual void DoDataExchange(CDataExchange*) {}
};

class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
    // Most characters the user may type; 0: as many as the platform allows.
    // Text set by code is not cut.
    void LimitText(int maxChars = 0);
    void SetLimitText(UINT maxChars) { LimitText(static_cast<int>(maxChars)); }
    UINT GetLimitText() const;
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    // The selection is not modelled: these do nothing.
    void SetSel(int, int, BOOL = FALSE) {}
    void SetSel(DWORD, BOOL = FALSE) {}
};

// Combo boxes: CBS_DROPDOWN (edit field and list) or CBS_DROPDOWNLIST (list
// only), sorted with CBS_SORT.  Every look-up of a text ignores case.
class CComboBox : public CWnd {
public:
    // Index of the new item: at its sorted place, or at the end.
    int AddString(LPCTSTR text);
    // At index (-1: at the end), never sorted.
    int InsertString(int index, LPCTSTR text);
    // Items left, or CB_ERR for an index outside the list.
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    // The item whose whole text equals text, searching after startAfter
    // (-1: from the top) and wrapping round; CB_ERR when none.
    int FindStringExact(int startAfter, LPCTSTR text) const;
    // The same, for the first item that begins with text.
    int FindString(int startAfter, LPCTSTR text) const;
    // Selects the item found as FindStringExact finds it and shows it;
    // returns its index, or CB_ERR leaving the selection as it was.
    int SelectString(int startAfter, LPCTSTR text);
    int GetCurSel() const;
    // -1 clears the selection; an index outside the list clears it and
    // returns CB_ERR.
    int SetCurSel(int index);
    void GetLBText(int index, CString& text) const;
    int GetLBTextLen(int index) const;
    // Most characters the user may type into the edit field; 0: no limit.
    BOOL LimitText(int maxChars);
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
};

// Push buttons, check boxes (also three-state) and radio buttons.
class CButton : public CWnd {
public:
    int GetCheck() const;
    // Sets the state without notifying; other radio buttons are untouched.
    void SetCheck(int check);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
};

class CTabCtrl : public CWnd {
public:
    // Index of the new item, or -1.  The first item becomes the current one.
    int InsertItem(int item, LPCTSTR text);
    BOOL DeleteItem(int item);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    int GetCurSel() const;
    // Returns the previous current item, or -1 (also for a bad index).
    int SetCurSel(int item);
};

// Ties control to the control id of the dialog in pDX; a control of
// another class than the template says is refused with a message.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
