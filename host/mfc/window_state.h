// What a window is while its dialog runs: the dialog itself, one of its
// controls, or the host's main frame.  CWnd objects point here through
// their HWND.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "mfc_template.h"

namespace host::mfc {
class DialogRun;
}

struct HWND__ {
    enum class Role { Frame, Dialog, Control };
    Role role = Role::Control;
    host::mfc::DialogRun* run = nullptr;  // the dialog it belongs to; null for the frame
    host::mfc::ControlKind kind = host::mfc::ControlKind::Static;
    UINT id = 0;
    DWORD style = 0;
    std::wstring text;  // title, label, edit text, combo edit field
    bool enabled = true;
    bool visible = true;
    int limit = 0;  // characters the user may type; 0: the default
    std::vector<std::wstring> items;  // combo list items, tab items
    std::vector<DWORD_PTR> itemData;
    int current = -1;  // combo selection, current tab
    int check = BST_UNCHECKED;
    CWnd* bound = nullptr;  // the object tied by DDX_Control
    std::unique_ptr<CWnd> proxy;  // the object GetDlgItem hands out otherwise
};

namespace host::mfc {

// The object that stands for the window: its tied object, else a proxy of
// its control class.
CWnd* windowObject(HWND__* window);

bool isEdit(const HWND__* w);
bool isCombo(const HWND__* w);
bool isDropList(const HWND__* w);
bool isPushButton(const HWND__* w);
bool isCheckBox(const HWND__* w);
bool isRadio(const HWND__* w);
bool isGroupBox(const HWND__* w);
bool isTab(const HWND__* w);
bool isLabel(const HWND__* w);
bool isAutoButton(const HWND__* w);

// The text the user sees: the chosen item of a drop-down list.
std::wstring windowText(const HWND__* w);
// Text set by code.  An edit box sends EN_CHANGE; a drop-down list
// selects the item of that text when it has one.
void setWindowText(HWND__* w, std::wstring_view text);

bool equalNoCase(std::wstring_view a, std::wstring_view b);
bool startsWithNoCase(std::wstring_view text, std::wstring_view prefix);
// The combo item matching text after startAfter, wrapping; -1 when none.
int findItem(const HWND__* combo, int startAfter, std::wstring_view text, bool whole);
// The item of that text, one of the same case first; -1 when none.
int itemOf(const HWND__* combo, std::wstring_view text);
// Selects item index (-1: none) and shows it in the edit field.
void selectItem(HWND__* combo, int index);
// Index of the new item: its sorted place (CBS_SORT) or the end.
int addItem(HWND__* combo, std::wstring_view text);

// The radio buttons of w's group (WS_GROUP to WS_GROUP, template order).
std::vector<HWND__*> radioGroup(HWND__* w);

// Sends a command notification (EN_CHANGE, BN_CLICKED...) to the dialog.
void sendCommand(HWND__* control, UINT code);
// Sends a WM_NOTIFY notification; returns the handler's result.
LRESULT sendNotify(HWND__* control, UINT code);

// One line for the listing of `?`.
std::string describe(const HWND__* w, bool focused);

} // namespace host::mfc
