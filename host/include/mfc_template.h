// Dialog templates declared in code, in place of compiled resources.
//
// A module registers each of its templates once (at load) under its id:
//
//     using namespace host::mfc;
//     registerTemplate({138, 184, 69, {
//         staticText(1035, {7, 7, 170, 16}, SS_CENTER),
//         editBox(1074, {60, 28, 60, 12}, ES_RIGHT),
//         defPushButton(IDOK, {7, 48, 50, 14}, L"OK"),
//         pushButton(IDCANCEL, {67, 48, 50, 14}, L"Cancel"),
//         pushButton(1006, {127, 48, 50, 14}, L"Help"),
//     }});
//
// Controls keep template order (the order `?` lists them in and radio
// groups follow).  A radio group starts at a control with WS_GROUP (see
// group()) and runs to the next control that has it.
#pragma once

#include <string>
#include <vector>

#include "mfc_window.h"

namespace host::mfc {

enum class ControlKind { Static, Edit, ComboBox, Button, Tab };

// Position and size in dialog units; kept for listing only.
struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct ControlTemplate {
    UINT id = static_cast<UINT>(IDC_STATIC);
    ControlKind kind = ControlKind::Static;
    DWORD style = 0;  // WS_DISABLED, WS_GROUP and the control's own bits
    std::wstring text;
    Rect rect;
    int textLimit = 0;  // edit boxes and combo edit fields; 0: the default
    bool visible = true;

    ControlTemplate& hidden() {
        visible = false;
        return *this;
    }
    ControlTemplate& disabled() {
        style |= WS_DISABLED;
        return *this;
    }
    ControlTemplate& group() {
        style |= WS_GROUP;
        return *this;
    }
    ControlTemplate& limit(int maxChars) {
        textLimit = maxChars;
        return *this;
    }
};

struct DialogTemplate {
    DialogTemplate() = default;
    DialogTemplate(UINT templateId, int w, int h, std::vector<ControlTemplate> list)
        : id(templateId), width(w), height(h), controls(std::move(list)) {}

    UINT id = 0;
    int width = 0, height = 0;  // dialog units
    std::vector<ControlTemplate> controls;
    std::wstring caption;  // the module's templates have none
    std::wstring font = L"MS Sans Serif";
    int pointSize = 8;
};

ControlTemplate staticText(UINT id, Rect rect, DWORD style = SS_LEFT, const wchar_t* text = L"");
ControlTemplate groupBox(UINT id, Rect rect, const wchar_t* text = L"");
// ES_NUMBER: digits only; ES_READONLY; limit: most characters typed.
ControlTemplate editBox(UINT id, Rect rect, DWORD style = ES_AUTOHSCROLL, int limit = 0);
// CBS_DROPDOWN or CBS_DROPDOWNLIST, with CBS_SORT when sorted.
ControlTemplate comboBox(UINT id, Rect rect, DWORD style, int limit = 0);
ControlTemplate pushButton(UINT id, Rect rect, const wchar_t* text = L"");
ControlTemplate defPushButton(UINT id, Rect rect, const wchar_t* text = L"");
ControlTemplate checkBox(UINT id, Rect rect, const wchar_t* text = L"");
// An automatic radio button; mark the first of a group with group().
ControlTemplate radioButton(UINT id, Rect rect, const wchar_t* text = L"");
ControlTemplate tabControl(UINT id, Rect rect);

// Registering an id again replaces its template.
void registerTemplate(DialogTemplate dialogTemplate);
void unregisterTemplate(UINT id);
// Null when no template has the id.
const DialogTemplate* findTemplate(UINT id);

} // namespace host::mfc
