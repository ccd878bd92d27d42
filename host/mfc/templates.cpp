// The registry of dialog templates and the helpers that declare controls.
#include <map>

#include "mfc_template.h"

namespace host::mfc {

namespace {

std::map<UINT, DialogTemplate>& registry() {
    static std::map<UINT, DialogTemplate> templates;
    return templates;
}

ControlTemplate control(UINT id, ControlKind kind, Rect rect, DWORD style, const wchar_t* text) {
    ControlTemplate t;
    t.id = id;
    t.kind = kind;
    t.rect = rect;
    t.style = style;
    t.text = text ? text : L"";
    return t;
}

} // namespace

ControlTemplate staticText(UINT id, Rect rect, DWORD style, const wchar_t* text) {
    return control(id, ControlKind::Static, rect, style, text);
}

ControlTemplate groupBox(UINT id, Rect rect, const wchar_t* text) {
    return control(id, ControlKind::Button, rect, BS_GROUPBOX, text);
}

ControlTemplate editBox(UINT id, Rect rect, DWORD style, int limit) {
    return control(id, ControlKind::Edit, rect, style | WS_TABSTOP, L"").limit(limit);
}

ControlTemplate comboBox(UINT id, Rect rect, DWORD style, int limit) {
    return control(id, ControlKind::ComboBox, rect, style | WS_TABSTOP, L"").limit(limit);
}

ControlTemplate pushButton(UINT id, Rect rect, const wchar_t* text) {
    return control(id, ControlKind::Button, rect, BS_PUSHBUTTON | WS_TABSTOP, text);
}

ControlTemplate defPushButton(UINT id, Rect rect, const wchar_t* text) {
    return control(id, ControlKind::Button, rect, BS_DEFPUSHBUTTON | WS_TABSTOP, text);
}

ControlTemplate checkBox(UINT id, Rect rect, const wchar_t* text) {
    return control(id, ControlKind::Button, rect, BS_AUTOCHECKBOX | WS_TABSTOP, text);
}

ControlTemplate radioButton(UINT id, Rect rect, const wchar_t* text) {
    return control(id, ControlKind::Button, rect, BS_AUTORADIOBUTTON, text);
}

ControlTemplate tabControl(UINT id, Rect rect) {
    return control(id, ControlKind::Tab, rect, WS_TABSTOP, L"");
}

void registerTemplate(DialogTemplate dialogTemplate) {
    UINT id = dialogTemplate.id;
    registry().insert_or_assign(id, std::move(dialogTemplate));
}

void unregisterTemplate(UINT id) { registry().erase(id); }

const DialogTemplate* findTemplate(UINT id) {
    auto it = registry().find(id);
    return it == registry().end() ? nullptr : &it->second;
}

} // namespace host::mfc
