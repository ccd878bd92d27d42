// Command-line output: printf, failure and alert messages, text screen,
// redraw with the highlight state per entity, and help requests.
#include <cstdarg>
#include <cwchar>
#include <string>
#include <vector>

#include "aced_input.h"
#include "ads_entity.h"
#include "io/io.h"
#include "shell/documents.h"
#include "shell/prompting.h"
#include "shell/session.h"
#include "shell/text.h"
#include "dxf/quoted_text.h"

using namespace host::shell;

namespace {

void print(const std::string& text) { printOutput(text); }

// The platform's wide printf reads %s and %c as wide; the C library's reads
// them as narrow.  Rewrites each conversion to what the library expects:
// %s -> %ls, %c -> %lc, %S -> %s, %C -> %c; %ls, %hs and the rest stay.
std::wstring libraryFormat(const wchar_t* format) {
    std::wstring out;
    for (const wchar_t* p = format; *p; ++p) {
        out += *p;
        if (*p != L'%') continue;
        ++p;
        if (*p == L'%') {
            out += *p;
            continue;
        }
        // flags, width, precision
        while (*p && std::wcschr(L"-+ #0123456789.*'", *p)) out += *p++;
        bool hasLength = false;
        bool narrowArg = false;
        while (*p && std::wcschr(L"hlLqjzt", *p)) {
            hasLength = true;
            if (*p == L'h') narrowArg = true;
            out += *p++;
        }
        if (!*p) break;
        wchar_t conv = *p;
        if ((conv == L's' || conv == L'c') && !hasLength) {
            out += L'l';
            out += conv;
        } else if ((conv == L'S' || conv == L'C') && !hasLength) {
            out += static_cast<wchar_t>(conv == L'S' ? L's' : L'c');
        } else if ((conv == L's' || conv == L'c') && narrowArg) {
            // %hs: the library has no h for strings; drop it.
            out.pop_back();
            out += conv;
        } else {
            out += conv;
        }
    }
    return out;
}

std::string formatWide(const wchar_t* format, va_list args) {
    std::wstring fmt = libraryFormat(format);
    std::vector<wchar_t> buffer(256);
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        int n = std::vswprintf(buffer.data(), buffer.size(), fmt.c_str(), copy);
        va_end(copy);
        if (n >= 0) return host::io::toUtf8(std::wstring_view(buffer.data(), static_cast<size_t>(n)));
        if (buffer.size() >= (1u << 20)) return host::io::toUtf8(fmt);  // unformattable: the text as it is
        buffer.resize(buffer.size() * 4);
    }
}

} // namespace

int acutPrintf(const ACHAR* format, ...) {
    if (!format) return 0;
    va_list args;
    va_start(args, format);
    std::string text = formatWide(format, args);
    va_end(args);
    print(text);
    return static_cast<int>(host::io::fromUtf8(text).size());
}

int acdbFail(const ACHAR* str) {
    std::string name = plugin().loaded() ? plugin().fileName() : std::string("host");
    print("\nApplication " + host::dxf::withoutControls(name) + " ERROR: " + narrow(str) + "\n");
    return RTNORM;
}

int acedAlert(const ACHAR* str) {
    print("\n[Alert] " + narrow(str) + "\n");
    return RTNORM;
}

int acedTextScr() { return RTNORM; }
int acedGraphScr() { return RTNORM; }

int acedRedraw(const ads_name ent, int mode) {
    Document* doc = currentDocument();
    if (!doc) return RTERROR;
    int m = mode < 0 ? -mode : mode;
    if (m < 1 || m > 4) return RTERROR;
    if (!ent || ads_name_nil(ent)) return RTNORM;
    if (acdbNameValid(ent) != RTNORM) return RTERROR;
    if (m == 3) doc->setHighlighted(ent, true);
    if (m == 4) doc->setHighlighted(ent, false);
    return RTNORM;
}

int acedHelp(const ACHAR* szFilename, const ACHAR* szTopic, int iCmd) {
    print("\nHelp: file " + narrow(szFilename) + ", topic " + narrow(szTopic) +
          (iCmd ? ", command " + std::to_string(iCmd) : std::string()) + "\n");
    return RTNORM;
}
