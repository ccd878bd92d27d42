// MessageBoxW: the text is printed, the button is one input line.
#include <cctype>
#include <string>
#include <vector>

#include "io/io.h"
#include "windows_min.h"

namespace {

struct Button {
    const char* name;
    int result;
};

std::vector<Button> buttonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OK: return {{"OK", IDOK}};
    case MB_OKCANCEL: return {{"OK", IDOK}, {"Cancel", IDCANCEL}};
    case MB_YESNOCANCEL: return {{"Yes", IDYES}, {"No", IDNO}, {"Cancel", IDCANCEL}};
    case MB_YESNO: return {{"Yes", IDYES}, {"No", IDNO}};
    default: return {};
    }
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The button an answer names: in full or by its first letter, any case.
const Button* buttonNamed(const std::vector<Button>& buttons, std::string_view answer) {
    std::string a = lower(answer);
    for (const Button& b : buttons) {
        std::string name = lower(b.name);
        if (a == name || (a.size() == 1 && a[0] == name[0])) return &b;
    }
    return nullptr;
}

// Escape (and end of input): Cancel where there is one, OK on an OK-only
// box; a Yes/No box has no way out but No.
int escapeResult(const std::vector<Button>& buttons) {
    for (const Button& b : buttons)
        if (b.result == IDCANCEL) return IDCANCEL;
    return buttons.size() == 1 ? IDOK : IDNO;
}

size_t defaultIndex(UINT type, size_t count) {
    size_t index = (type & MB_DEFMASK) == MB_DEFBUTTON3 ? 2 : ((type & MB_DEFMASK) == MB_DEFBUTTON2 ? 1 : 0);
    return index < count ? index : 0;
}

std::string promptOf(const std::vector<Button>& buttons, const Button& byDefault) {
    std::string prompt = "[";
    for (size_t i = 0; i < buttons.size(); ++i) prompt += (i ? "/" : "") + std::string(buttons[i].name);
    return prompt + "] <" + byDefault.name + ">: ";
}

} // namespace

int MessageBoxW(HWND, LPCWSTR text, LPCWSTR caption, UINT type) {
    std::vector<Button> buttons = buttonsOf(type);
    if (buttons.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string title = caption ? host::io::toUtf8(caption) : "Error";
    host::io::print(title + ": " + (text ? host::io::toUtf8(text) : "") + "\n");
    const Button& byDefault = buttons[defaultIndex(type, buttons.size())];
    std::string prompt = promptOf(buttons, byDefault);
    for (;;) {
        std::string answer;
        if (!host::io::ask(prompt, answer) || answer == "^C") return escapeResult(buttons);
        if (answer.empty()) return byDefault.result;
        if (const Button* b = buttonNamed(buttons, answer)) return b->result;
        host::io::print("Answer with one of the buttons: " + prompt.substr(0, prompt.find(']') + 1) + "\n");
    }
}
