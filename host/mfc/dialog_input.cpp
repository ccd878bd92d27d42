// Input lines acting on a running dialog, as the user's mouse and keyboard
// would.  A line that acts on a control first gives it the focus, so the
// control that had the focus reports losing it before anything else
// happens; `?` and an empty line (Enter) leave the focus where it is.
#include <cwctype>
#include <string>

#include "dialog_run.h"
#include "io/io.h"

namespace host::mfc {

namespace {

constexpr UINT kHelpId = 1006;
constexpr int kEditDefaultLimit = 32767;

void say(const std::string& text) { io::print(text + "\n"); }

std::string idText(const HWND__* c) { return "Control " + std::to_string(c->id); }

bool isDigits(std::string_view text) {
    for (char ch : text)
        if (ch < '0' || ch > '9') return false;
    return true;
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The id a line names: a number, or ok, cancel, help.  False when neither.
bool parseId(std::string_view name, UINT& id) {
    std::string n = lower(name);
    if (n == "ok") id = IDOK;
    else if (n == "cancel") id = IDCANCEL;
    else if (n == "help") id = kHelpId;
    else if (!n.empty() && n.size() <= 9 && isDigits(n)) id = static_cast<UINT>(std::stoul(n));
    else return false;
    return true;
}

// Gives the control the focus; false when a focus handler ended the dialog.
bool focusOn(DialogRun& run, HWND__* c) {
    run.setFocus(c);
    return !run.ended();
}

// Cuts typed text to the control's limit, saying so.
std::wstring limited(const HWND__* c, std::wstring text, int defaultLimit) {
    int limit = c->limit > 0 ? c->limit : defaultLimit;
    if (limit > 0 && text.size() > static_cast<size_t>(limit)) {
        text.resize(static_cast<size_t>(limit));
        say(idText(c) + " takes at most " + std::to_string(limit) + " characters: typed as \"" + io::toUtf8(text) +
            "\".");
    }
    return text;
}

void typeIntoEdit(DialogRun& run, HWND__* c, std::string_view value) {
    if (c->style & ES_READONLY) return say(idText(c) + " is read-only.");
    if ((c->style & ES_NUMBER) && !isDigits(value))
        return say(idText(c) + " takes digits only: \"" + std::string(value) + "\" was not typed.");
    std::wstring text = limited(c, io::fromUtf8(value), kEditDefaultLimit);
    if (c->style & ES_UPPERCASE)
        for (wchar_t& ch : text) ch = static_cast<wchar_t>(std::towupper(ch));
    if (c->style & ES_LOWERCASE)
        for (wchar_t& ch : text) ch = static_cast<wchar_t>(std::towlower(ch));
    if (!focusOn(run, c)) return;
    c->text = std::move(text);
    run.command(c, EN_CHANGE);
}

void chooseInCombo(DialogRun& run, HWND__* c, std::string_view value) {
    std::wstring text = io::fromUtf8(value);
    int index = itemOf(c, text);
    if (index >= 0) {
        if (!focusOn(run, c)) return;
        selectItem(c, index);
        return run.command(c, CBN_SELCHANGE);
    }
    if (isDropList(c))
        return say("\"" + std::string(value) + "\" is not in the list of " + idText(c) + ": ? lists its items.");
    text = limited(c, std::move(text), 0);
    if (!focusOn(run, c)) return;
    c->text = std::move(text);
    c->current = -1;
    run.command(c, CBN_EDITCHANGE);
}

void chooseTab(DialogRun& run, HWND__* c, std::string_view value) {
    int index = -1;
    if (!value.empty() && value.size() <= 9 && isDigits(value)) {
        index = std::stoi(std::string(value));
        if (index >= static_cast<int>(c->items.size())) index = -1;
    } else {
        for (size_t i = 0; i < c->items.size() && index < 0; ++i)
            if (equalNoCase(c->items[i], io::fromUtf8(value))) index = static_cast<int>(i);
    }
    if (index < 0) return say(idText(c) + " has no tab \"" + std::string(value) + "\": ? lists its tabs.");
    if (index == c->current) return;
    if (!focusOn(run, c)) return;
    if (run.notify(c, TCN_SELCHANGING) != 0) return;
    c->current = index;
    run.notify(c, TCN_SELCHANGE);
}

void clickButton(DialogRun& run, HWND__* c) {
    if (!focusOn(run, c)) return;
    run.command(c, BN_CLICKED);
}

void setCheckBox(DialogRun& run, HWND__* c, bool hasValue, std::string_view value) {
    bool threeState = (c->style & BS_TYPEMASK) == BS_3STATE || (c->style & BS_TYPEMASK) == BS_AUTO3STATE;
    int target = (c->check + 1) % (threeState ? 3 : 2);
    if (hasValue) {
        if (value != "0" && value != "1" && !(threeState && value == "2"))
            return say(idText(c) + " is a check box: " + (threeState ? "0, 1 or 2." : "0 or 1."));
        target = value[0] - '0';
    }
    if (target == c->check) return;
    if (!focusOn(run, c)) return;
    if (isAutoButton(c)) c->check = target;
    run.command(c, BN_CLICKED);
}

void chooseRadio(DialogRun& run, HWND__* c, bool hasValue, std::string_view value) {
    if (hasValue && value != "1")
        return say(idText(c) + " is a radio button: choose it (" + std::to_string(c->id) +
                   "=1); it is cleared by choosing another of its group.");
    if (!focusOn(run, c)) return;
    if (isAutoButton(c)) {
        for (HWND__* other : radioGroup(c))
            if (isAutoButton(other)) other->check = BST_UNCHECKED;
        c->check = BST_CHECKED;
    }
    run.command(c, BN_CLICKED);
}

void actOn(DialogRun& run, HWND__* c, bool hasValue, std::string_view value) {
    if (!c->visible) return say(idText(c) + " is hidden.");
    if (!c->enabled) return say(idText(c) + " is disabled.");
    if (isLabel(c)) return say(idText(c) + " is a label: it takes no input.");
    if (isEdit(c)) {
        if (!hasValue) return (void)focusOn(run, c);
        return typeIntoEdit(run, c, value);
    }
    if (isCombo(c)) {
        if (!hasValue) return (void)focusOn(run, c);
        return chooseInCombo(run, c, value);
    }
    if (isTab(c)) {
        if (!hasValue) return say(idText(c) + " is a tab control: choose a tab by number or name (" +
                                  std::to_string(c->id) + "=1).");
        return chooseTab(run, c, value);
    }
    if (isCheckBox(c)) return setCheckBox(run, c, hasValue, value);
    if (isRadio(c)) return chooseRadio(run, c, hasValue, value);
    if (hasValue)
        return say(idText(c) + " is a button: click it with " + std::to_string(c->id) + " alone.");
    clickButton(run, c);
}

// OK and Cancel without buttons of their own: the Enter and Escape keys.
void pressKey(DialogRun& run, UINT id) {
    if (id == IDOK) run.dialog().OnOK();
    if (id == IDCANCEL) run.dialog().OnCancel();
}

// Enter presses the default push button, wherever the focus is.
void pressEnter(DialogRun& run) {
    for (const auto& c : run.controls()) {
        if (c->kind == ControlKind::Button && (c->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            if (!c->visible || !c->enabled) return say(idText(c.get()) + ", the default button, is not available.");
            return run.command(c.get(), BN_CLICKED);
        }
    }
    pressKey(run, IDOK);
}

} // namespace

void handleDialogLine(DialogRun& run, std::string_view line) {
    if (line == "?") return io::print(run.describe());
    if (line.empty()) return pressEnter(run);
    if (line == "^C") {
        HWND__* cancel = run.find(IDCANCEL);
        if (cancel && cancel->enabled && cancel->visible) return run.command(cancel, BN_CLICKED);
        return pressKey(run, IDCANCEL);
    }
    size_t eq = line.find('=');
    bool hasValue = eq != std::string_view::npos;
    std::string_view name = io::trim(line.substr(0, eq));
    // Blanks round the value go, as in DCL dialogs: "1001 = Supply" types "Supply".
    std::string_view value = hasValue ? io::trim(line.substr(eq + 1)) : std::string_view();
    UINT id = 0;
    if (!parseId(name, id))
        return say("\"" + std::string(name) + "\" names no control: give an id (1000=text, 1005), ok, cancel, help, or ? to list them.");
    HWND__* c = run.find(id);
    if (!c) {
        if ((id == IDOK || id == IDCANCEL) && !hasValue) return pressKey(run, id);
        return say("Dialog " + std::to_string(run.templateId()) + " has no control " + std::to_string(id) +
                   ": ? lists its controls.");
    }
    actOn(run, c, hasValue, value);
}

} // namespace host::mfc
