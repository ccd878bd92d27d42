#include "window_state.h"

#include <algorithm>
#include <cwctype>

#include "dialog_run.h"
#include "io/io.h"

namespace host::mfc {

namespace {

std::unique_ptr<CWnd> makeProxy(const HWND__* w) {
    if (w->role != HWND__::Role::Control) return std::make_unique<CWnd>();
    switch (w->kind) {
    case ControlKind::Edit: return std::make_unique<CEdit>();
    case ControlKind::ComboBox: return std::make_unique<CComboBox>();
    case ControlKind::Button: return std::make_unique<CButton>();
    case ControlKind::Tab: return std::make_unique<CTabCtrl>();
    case ControlKind::Static: break;
    }
    return std::make_unique<CStatic>();
}

UINT buttonType(const HWND__* w) { return w->style & BS_TYPEMASK; }

std::string quoted(std::wstring_view text) { return "\"" + io::toUtf8(text) + "\""; }

// Long lists are shortened in the listing.
constexpr size_t kListedItems = 12;

std::string itemList(const HWND__* w) {
    std::string text = "(";
    for (size_t i = 0; i < w->items.size() && i < kListedItems; ++i) {
        if (i) text += ", ";
        text += std::to_string(i) + " " + quoted(w->items[i]);
    }
    if (w->items.size() > kListedItems) text += ", ... " + std::to_string(w->items.size()) + " in all";
    return text + ")";
}

std::string kindName(const HWND__* w) {
    if (isEdit(w)) return "edit";
    if (isCombo(w)) return isDropList(w) ? "list" : "combo";
    if (isTab(w)) return "tab";
    if (isGroupBox(w)) return "group";
    if (isCheckBox(w)) return "check";
    if (isRadio(w)) return "radio";
    if (isPushButton(w)) return "button";
    return "static";
}

} // namespace

CWnd* windowObject(HWND__* window) {
    if (!window) return nullptr;
    if (window->bound) return window->bound;
    if (!window->proxy) {
        window->proxy = makeProxy(window);
        window->proxy->m_hWnd = window;
    }
    return window->proxy.get();
}

bool isEdit(const HWND__* w) { return w->role == HWND__::Role::Control && w->kind == ControlKind::Edit; }
bool isCombo(const HWND__* w) { return w->role == HWND__::Role::Control && w->kind == ControlKind::ComboBox; }
bool isDropList(const HWND__* w) { return isCombo(w) && (w->style & CBS_TYPEMASK) == CBS_DROPDOWNLIST; }
bool isTab(const HWND__* w) { return w->role == HWND__::Role::Control && w->kind == ControlKind::Tab; }
bool isLabel(const HWND__* w) {
    return w->role == HWND__::Role::Control && (w->kind == ControlKind::Static || isGroupBox(w));
}

static bool isButtonKind(const HWND__* w) {
    return w->role == HWND__::Role::Control && w->kind == ControlKind::Button;
}

bool isPushButton(const HWND__* w) {
    return isButtonKind(w) && (buttonType(w) == BS_PUSHBUTTON || buttonType(w) == BS_DEFPUSHBUTTON);
}
bool isCheckBox(const HWND__* w) {
    UINT t = buttonType(w);
    return isButtonKind(w) && (t == BS_CHECKBOX || t == BS_AUTOCHECKBOX || t == BS_3STATE || t == BS_AUTO3STATE);
}
bool isRadio(const HWND__* w) {
    return isButtonKind(w) && (buttonType(w) == BS_RADIOBUTTON || buttonType(w) == BS_AUTORADIOBUTTON);
}
bool isGroupBox(const HWND__* w) { return isButtonKind(w) && buttonType(w) == BS_GROUPBOX; }
bool isAutoButton(const HWND__* w) {
    UINT t = buttonType(w);
    return t == BS_AUTOCHECKBOX || t == BS_AUTO3STATE || t == BS_AUTORADIOBUTTON;
}

std::wstring windowText(const HWND__* w) {
    if (isDropList(w)) {
        if (w->current < 0 || w->current >= static_cast<int>(w->items.size())) return {};
        return w->items[static_cast<size_t>(w->current)];
    }
    return w->text;
}

static std::wstring cased(const HWND__* w, std::wstring_view text) {
    std::wstring out(text);
    if (isEdit(w) && (w->style & ES_UPPERCASE))
        for (wchar_t& c : out) c = static_cast<wchar_t>(std::towupper(c));
    if (isEdit(w) && (w->style & ES_LOWERCASE))
        for (wchar_t& c : out) c = static_cast<wchar_t>(std::towlower(c));
    return out;
}

void setWindowText(HWND__* w, std::wstring_view text) {
    if (isDropList(w)) {
        int index = itemOf(w, text);
        if (index >= 0) selectItem(w, index);
        return;
    }
    w->text = cased(w, text);
    if (isEdit(w)) sendCommand(w, EN_CHANGE);
}

bool equalNoCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && startsWithNoCase(a, b);
}

bool startsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
    if (prefix.size() > text.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::towlower(text[i]) != std::towlower(prefix[i])) return false;
    return true;
}

int findItem(const HWND__* combo, int startAfter, std::wstring_view text, bool whole) {
    int count = static_cast<int>(combo->items.size());
    if (count == 0) return -1;
    int first = (startAfter < 0 || startAfter >= count) ? 0 : startAfter + 1;
    for (int k = 0; k < count; ++k) {
        int i = (first + k) % count;
        const std::wstring& item = combo->items[static_cast<size_t>(i)];
        if (whole ? equalNoCase(item, text) : startsWithNoCase(item, text)) return i;
    }
    return -1;
}

int itemOf(const HWND__* combo, std::wstring_view text) {
    for (size_t i = 0; i < combo->items.size(); ++i)
        if (combo->items[i] == text) return static_cast<int>(i);
    return findItem(combo, -1, text, true);
}

void selectItem(HWND__* combo, int index) {
    if (index < 0 || index >= static_cast<int>(combo->items.size())) {
        combo->current = -1;
        combo->text.clear();
        return;
    }
    combo->current = index;
    combo->text = combo->items[static_cast<size_t>(index)];
}

static bool lessNoCase(std::wstring_view a, std::wstring_view b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        wint_t x = std::towlower(a[i]), y = std::towlower(b[i]);
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

int addItem(HWND__* combo, std::wstring_view text) {
    size_t at = combo->items.size();
    if (combo->style & CBS_SORT) {
        auto it = std::upper_bound(combo->items.begin(), combo->items.end(), text,
                                   [](std::wstring_view t, const std::wstring& item) { return lessNoCase(t, item); });
        at = static_cast<size_t>(it - combo->items.begin());
    }
    combo->items.insert(combo->items.begin() + static_cast<long>(at), std::wstring(text));
    combo->itemData.insert(combo->itemData.begin() + static_cast<long>(at), 0);
    if (combo->current >= static_cast<int>(at)) ++combo->current;
    return static_cast<int>(at);
}

std::vector<HWND__*> radioGroup(HWND__* w) {
    std::vector<HWND__*> group;
    if (!w->run) return group;
    for (const auto& c : w->run->controls()) {
        if (c->style & WS_GROUP) {
            bool done = false;
            for (HWND__* g : group) done = done || g == w;
            if (done) break;
            group.clear();
        }
        if (isRadio(c.get())) group.push_back(c.get());
    }
    return group;
}

void sendCommand(HWND__* control, UINT code) {
    if (control && control->run) control->run->command(control, code);
}

LRESULT sendNotify(HWND__* control, UINT code) {
    if (control && control->run) return control->run->notify(control, code);
    return 0;
}

std::string describe(const HWND__* w, bool focused) {
    std::string text = w->id == static_cast<UINT>(IDC_STATIC) ? "-" : std::to_string(w->id);
    text += " " + kindName(w);
    if (isCheckBox(w)) text += w->check == BST_CHECKED ? " [x]" : (w->check == BST_INDETERMINATE ? " [-]" : " [ ]");
    if (isRadio(w)) text += w->check == BST_CHECKED ? " (*)" : " ( )";
    if (isTab(w)) {
        text += " " + std::to_string(w->current);
        text += " " + itemList(w);
    } else {
        text += " " + quoted(windowText(w));
    }
    if (isCombo(w)) {
        if (w->style & CBS_SORT) text += " sorted";
        text += " selected " + std::to_string(w->current) + " " + itemList(w);
    }
    if (isEdit(w) && (w->style & ES_NUMBER)) text += " digits";
    if ((isEdit(w) || isCombo(w)) && w->limit > 0) text += " limit " + std::to_string(w->limit);
    if (isEdit(w) && (w->style & ES_READONLY)) text += " read-only";
    if (!w->enabled) text += " disabled";
    if (!w->visible) text += " hidden";
    if (focused) text += " focus";
    return text;
}

} // namespace host::mfc
