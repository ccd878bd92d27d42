// The control classes: what code does to edit boxes, combo boxes, buttons
// and tabs.  None of it notifies but SetWindowText on an edit box.
#include "mfc.h"
#include "window_state.h"

using namespace host::mfc;

namespace {

// The platform's limits when none is set.
constexpr int kEditDefaultLimit = 32767;
constexpr int kEditMaxLimit = 0x7FFFFFFE;

bool validIndex(const HWND__* w, int index) { return index >= 0 && index < static_cast<int>(w->items.size()); }

} // namespace

void CEdit::LimitText(int maxChars) {
    if (m_hWnd && isEdit(m_hWnd)) m_hWnd->limit = maxChars > 0 ? maxChars : kEditMaxLimit;
}

UINT CEdit::GetLimitText() const {
    if (!m_hWnd || !isEdit(m_hWnd)) return 0;
    return static_cast<UINT>(m_hWnd->limit > 0 ? m_hWnd->limit : kEditDefaultLimit);
}

BOOL CEdit::SetReadOnly(BOOL readOnly) {
    if (!m_hWnd || !isEdit(m_hWnd)) return FALSE;
    if (readOnly)
        m_hWnd->style |= ES_READONLY;
    else
        m_hWnd->style &= ~static_cast<DWORD>(ES_READONLY);
    return TRUE;
}

int CComboBox::AddString(LPCTSTR text) {
    if (!m_hWnd || !isCombo(m_hWnd)) return CB_ERR;
    return addItem(m_hWnd, text ? text : L"");
}

int CComboBox::InsertString(int index, LPCTSTR text) {
    if (!m_hWnd || !isCombo(m_hWnd)) return CB_ERR;
    auto& items = m_hWnd->items;
    if (index < 0) index = static_cast<int>(items.size());
    if (index > static_cast<int>(items.size())) return CB_ERR;
    items.insert(items.begin() + index, text ? text : L"");
    m_hWnd->itemData.insert(m_hWnd->itemData.begin() + index, 0);
    if (m_hWnd->current >= index) ++m_hWnd->current;
    return index;
}

int CComboBox::DeleteString(UINT index) {
    if (!m_hWnd || !isCombo(m_hWnd) || !validIndex(m_hWnd, static_cast<int>(index))) return CB_ERR;
    int i = static_cast<int>(index);
    m_hWnd->items.erase(m_hWnd->items.begin() + i);
    m_hWnd->itemData.erase(m_hWnd->itemData.begin() + i);
    if (m_hWnd->current == i)
        m_hWnd->current = -1;
    else if (m_hWnd->current > i)
        --m_hWnd->current;
    return static_cast<int>(m_hWnd->items.size());
}

void CComboBox::ResetContent() {
    if (!m_hWnd || !isCombo(m_hWnd)) return;
    m_hWnd->items.clear();
    m_hWnd->itemData.clear();
    selectItem(m_hWnd, -1);
}

int CComboBox::GetCount() const { return m_hWnd && isCombo(m_hWnd) ? static_cast<int>(m_hWnd->items.size()) : CB_ERR; }

int CComboBox::FindStringExact(int startAfter, LPCTSTR text) const {
    if (!m_hWnd || !isCombo(m_hWnd)) return CB_ERR;
    return findItem(m_hWnd, startAfter, text ? text : L"", true);
}

int CComboBox::FindString(int startAfter, LPCTSTR text) const {
    if (!m_hWnd || !isCombo(m_hWnd)) return CB_ERR;
    return findItem(m_hWnd, startAfter, text ? text : L"", false);
}

int CComboBox::SelectString(int startAfter, LPCTSTR text) {
    int index = FindStringExact(startAfter, text);
    if (index >= 0) selectItem(m_hWnd, index);
    return index;
}

int CComboBox::GetCurSel() const { return m_hWnd && isCombo(m_hWnd) ? m_hWnd->current : CB_ERR; }

int CComboBox::SetCurSel(int index) {
    if (!m_hWnd || !isCombo(m_hWnd)) return CB_ERR;
    selectItem(m_hWnd, index);
    return validIndex(m_hWnd, index) ? index : CB_ERR;
}

void CComboBox::GetLBText(int index, CString& text) const {
    if (m_hWnd && isCombo(m_hWnd) && validIndex(m_hWnd, index))
        text = CString(m_hWnd->items[static_cast<size_t>(index)]);
    else
        text.Empty();
}

int CComboBox::GetLBTextLen(int index) const {
    if (!m_hWnd || !isCombo(m_hWnd) || !validIndex(m_hWnd, index)) return CB_ERR;
    return static_cast<int>(m_hWnd->items[static_cast<size_t>(index)].size());
}

BOOL CComboBox::LimitText(int maxChars) {
    if (!m_hWnd || !isCombo(m_hWnd)) return FALSE;
    m_hWnd->limit = maxChars > 0 ? maxChars : 0;
    return TRUE;
}

DWORD_PTR CComboBox::GetItemData(int index) const {
    if (!m_hWnd || !isCombo(m_hWnd) || !validIndex(m_hWnd, index)) return static_cast<DWORD_PTR>(CB_ERR);
    return m_hWnd->itemData[static_cast<size_t>(index)];
}

int CComboBox::SetItemData(int index, DWORD_PTR data) {
    if (!m_hWnd || !isCombo(m_hWnd) || !validIndex(m_hWnd, index)) return CB_ERR;
    m_hWnd->itemData[static_cast<size_t>(index)] = data;
    return CB_OKAY;
}

int CButton::GetCheck() const { return m_hWnd && (isCheckBox(m_hWnd) || isRadio(m_hWnd)) ? m_hWnd->check : 0; }

void CButton::SetCheck(int check) {
    if (!m_hWnd || !(isCheckBox(m_hWnd) || isRadio(m_hWnd))) return;
    if (check < BST_UNCHECKED || check > BST_INDETERMINATE) return;
    m_hWnd->check = check;
}

UINT CButton::GetButtonStyle() const { return m_hWnd ? (m_hWnd->style & BS_TYPEMASK) : 0; }

void CButton::SetButtonStyle(UINT style, BOOL) {
    if (!m_hWnd || m_hWnd->kind != ControlKind::Button) return;
    m_hWnd->style = (m_hWnd->style & ~static_cast<DWORD>(BS_TYPEMASK)) | (style & BS_TYPEMASK);
}

int CTabCtrl::InsertItem(int item, LPCTSTR text) {
    if (!m_hWnd || !isTab(m_hWnd) || item < 0) return -1;
    auto& items = m_hWnd->items;
    if (item > static_cast<int>(items.size())) item = static_cast<int>(items.size());
    items.insert(items.begin() + item, text ? text : L"");
    if (m_hWnd->current < 0)
        m_hWnd->current = 0;
    else if (m_hWnd->current >= item && items.size() > 1)
        ++m_hWnd->current;
    return item;
}

BOOL CTabCtrl::DeleteItem(int item) {
    if (!m_hWnd || !isTab(m_hWnd) || !validIndex(m_hWnd, item)) return FALSE;
    m_hWnd->items.erase(m_hWnd->items.begin() + item);
    if (m_hWnd->current == item)
        m_hWnd->current = -1;
    else if (m_hWnd->current > item)
        --m_hWnd->current;
    return TRUE;
}

BOOL CTabCtrl::DeleteAllItems() {
    if (!m_hWnd || !isTab(m_hWnd)) return FALSE;
    m_hWnd->items.clear();
    m_hWnd->current = -1;
    return TRUE;
}

int CTabCtrl::GetItemCount() const { return m_hWnd && isTab(m_hWnd) ? static_cast<int>(m_hWnd->items.size()) : 0; }

int CTabCtrl::GetCurSel() const { return m_hWnd && isTab(m_hWnd) ? m_hWnd->current : -1; }

int CTabCtrl::SetCurSel(int item) {
    if (!m_hWnd || !isTab(m_hWnd) || !validIndex(m_hWnd, item)) return -1;
    int previous = m_hWnd->current;
    m_hWnd->current = item;
    return previous;
}
