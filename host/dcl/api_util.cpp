#include "dcl/api_util.h"

#include <algorithm>

#include "io/io.h"

namespace host::dcl {

void complain(const char* function, const std::string& message) {
    io::print(std::string(function) + ": " + message + "\n");
}

Dialog* dialogFor(ads_hdlg hdlg, const char* function) {
    Dialog* dialog = liveDialog(hdlg);
    if (!dialog) complain(function, "not an open dialog");
    return dialog;
}

Tile* tileFor(Dialog& dialog, const ACHAR* key, const char* function) {
    if (!key) {
        complain(function, "no tile key given");
        return nullptr;
    }
    std::string narrow = io::toUtf8(key);
    Tile* tile = dialog.find(narrow);
    if (!tile) complain(function, "no tile \"" + narrow + "\" in dialog \"" + dialog.name + "\"");
    return tile;
}

int copyOut(const std::string& text, ACHAR* buffer, int len) {
    if (!buffer || len <= 0) return RTERROR;
    std::wstring wide = io::fromUtf8(text);
    size_t n = std::min(wide.size(), static_cast<size_t>(len - 1));
    std::copy_n(wide.begin(), n, buffer);
    buffer[n] = L'\0';
    return RTNORM;
}

} // namespace host::dcl
