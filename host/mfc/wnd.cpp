// CWnd: texts, state and the items of a dialog, through the window handle.
#include <cwchar>
#include <utility>
#include <string>

#include "dialog_run.h"
#include "io/io.h"
#include "mfc.h"
#include "window_state.h"

using namespace host::mfc;

CWnd::~CWnd() {
    if (m_hWnd && m_hWnd->bound == this) m_hWnd->bound = nullptr;
}

void CWnd::SetWindowText(LPCTSTR text) {
    if (m_hWnd) setWindowText(m_hWnd, text ? text : L"");
}

void CWnd::GetWindowText(CString& text) const { text = m_hWnd ? CString(windowText(m_hWnd)) : CString(); }

int CWnd::GetWindowText(LPTSTR buffer, int maxCount) const {
    if (!buffer || maxCount <= 0) return 0;
    std::wstring text = m_hWnd ? windowText(m_hWnd) : std::wstring();
    size_t n = std::min(text.size(), static_cast<size_t>(maxCount - 1));
    text.copy(buffer, n);
    buffer[n] = L'\0';
    return static_cast<int>(n);
}

int CWnd::GetWindowTextLength() const { return m_hWnd ? static_cast<int>(windowText(m_hWnd).size()) : 0; }

BOOL CWnd::EnableWindow(BOOL enable) {
    if (!m_hWnd) return FALSE;
    BOOL wasDisabled = !m_hWnd->enabled;
    m_hWnd->enabled = enable != FALSE;
    // A disabled control cannot keep the focus.
    if (!m_hWnd->enabled && m_hWnd->run && m_hWnd->run->focus() == m_hWnd) m_hWnd->run->setFocus(nullptr);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return m_hWnd && m_hWnd->enabled; }

BOOL CWnd::ShowWindow(int command) {
    if (!m_hWnd) return FALSE;
    BOOL wasVisible = m_hWnd->visible;
    m_hWnd->visible = command != SW_HIDE;
    if (!m_hWnd->visible && m_hWnd->run && m_hWnd->run->focus() == m_hWnd) m_hWnd->run->setFocus(nullptr);
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const { return m_hWnd && m_hWnd->visible; }

DWORD CWnd::GetStyle() const {
    if (!m_hWnd) return 0;
    DWORD style = m_hWnd->style & ~(WS_DISABLED | WS_VISIBLE);
    if (!m_hWnd->enabled) style |= WS_DISABLED;
    if (m_hWnd->visible) style |= WS_VISIBLE;
    return style;
}

int CWnd::GetDlgCtrlID() const { return m_hWnd ? static_cast<int>(m_hWnd->id) : 0; }

CWnd* CWnd::GetDlgItem(int id) const {
    if (!m_hWnd || m_hWnd->role != HWND__::Role::Dialog || !m_hWnd->run) return nullptr;
    return windowObject(m_hWnd->run->find(static_cast<UINT>(id)));
}

CWnd* CWnd::GetParent() const {
    if (!m_hWnd) return nullptr;
    if (m_hWnd->role == HWND__::Role::Control && m_hWnd->run) return &m_hWnd->run->dialog();
    if (m_hWnd->role == HWND__::Role::Dialog && m_hWnd->run) return m_hWnd->run->dialog().m_pParentWnd;
    return nullptr;
}

void CWnd::SetDlgItemText(int id, LPCTSTR text) {
    if (CWnd* item = GetDlgItem(id)) item->SetWindowText(text);
}

int CWnd::GetDlgItemText(int id, CString& text) const {
    CWnd* item = GetDlgItem(id);
    text = item ? CString(windowText(item->m_hWnd)) : CString();
    return text.GetLength();
}

int CWnd::GetDlgItemText(int id, LPTSTR buffer, int maxCount) const {
    CWnd* item = GetDlgItem(id);
    if (!item) {
        if (buffer && maxCount > 0) buffer[0] = L'\0';
        return 0;
    }
    return item->GetWindowText(buffer, maxCount);
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
    CString text;
    GetDlgItemText(id, text);
    const wchar_t* start = text.GetString();
    while (*start == L' ') ++start;
    wchar_t* end = nullptr;
    long long value = std::wcstoll(start, &end, 10);
    bool ok = end != start && (isSigned || value >= 0);
    if (translated) *translated = ok;
    return ok ? static_cast<UINT>(value) : 0;
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) {
    std::wstring text = isSigned ? std::to_wstring(static_cast<int>(value)) : std::to_wstring(value);
    SetDlgItemText(id, text.c_str());
}

void CWnd::CheckDlgButton(int id, UINT check) {
    if (auto* button = dynamic_cast<CButton*>(GetDlgItem(id))) button->SetCheck(static_cast<int>(check));
}

UINT CWnd::IsDlgButtonChecked(int id) const {
    auto* button = dynamic_cast<CButton*>(GetDlgItem(id));
    return button ? static_cast<UINT>(button->GetCheck()) : 0;
}

// The range may be given either way round: templates often number a group
// downwards.
void CWnd::CheckRadioButton(int first, int last, int check) {
    if (!m_hWnd || !m_hWnd->run) return;
    if (first > last) std::swap(first, last);
    for (const auto& c : m_hWnd->run->controls()) {
        int id = static_cast<int>(c->id);
        if (id >= first && id <= last && (isRadio(c.get()) || isCheckBox(c.get())))
            c->check = id == check ? BST_CHECKED : BST_UNCHECKED;
    }
}

int CWnd::GetCheckedRadioButton(int first, int last) const {
    if (!m_hWnd || !m_hWnd->run) return 0;
    if (first > last) std::swap(first, last);
    for (const auto& c : m_hWnd->run->controls()) {
        int id = static_cast<int>(c->id);
        if (id >= first && id <= last && isRadio(c.get()) && c->check == BST_CHECKED) return id;
    }
    return 0;
}

CWnd* CWnd::SetFocus() {
    if (!m_hWnd || !m_hWnd->run) return nullptr;
    DialogRun* run = m_hWnd->run;
    CWnd* previous = windowObject(run->focus());
    run->setFocus(m_hWnd->role == HWND__::Role::Control ? m_hWnd : nullptr);
    return previous;
}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type) {
    return MessageBoxW(m_hWnd, text, caption, type);
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (!parent) return FALSE;
    CDataExchange exchange(parent, FALSE);
    DDX_Control(&exchange, static_cast<int>(id), *this);
    return m_hWnd != nullptr;
}

namespace {

bool classFits(const HWND__* w, CWnd& control) {
    if (typeid(control) == typeid(CWnd)) return true;
    if (isEdit(w)) return dynamic_cast<CEdit*>(&control) != nullptr;
    if (isCombo(w)) return dynamic_cast<CComboBox*>(&control) != nullptr;
    if (isTab(w)) return dynamic_cast<CTabCtrl*>(&control) != nullptr;
    if (isGroupBox(w)) return dynamic_cast<CButton*>(&control) || dynamic_cast<CStatic*>(&control);
    if (w->kind == ControlKind::Button) return dynamic_cast<CButton*>(&control) != nullptr;
    return dynamic_cast<CStatic*>(&control) != nullptr;
}

} // namespace

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (!pDX || control.m_hWnd) return;
    CWnd* dialog = pDX->m_pDlgWnd;
    if (!dialog || !dialog->m_hWnd || !dialog->m_hWnd->run) return;
    HWND__* w = dialog->m_hWnd->run->find(static_cast<UINT>(id));
    if (!w) {
        host::io::print("Dialog " + std::to_string(dialog->m_hWnd->id) + " has no control " + std::to_string(id) +
                        " to tie.\n");
        return;
    }
    if (w->bound || !classFits(w, control)) {
        host::io::print("Control " + std::to_string(id) + " cannot be tied to this object (" +
                        (w->bound ? "already tied" : "another kind of control") + ").\n");
        return;
    }
    w->bound = &control;
    control.m_hWnd = w;
}
