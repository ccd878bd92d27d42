#include "app/install_directory.h"

#include <cstring>
#include <string>

#include "app/module_state.h"
#include "core/environment.h"
#include "core/string_convert.h"
#include "windows_min.h"

size_t DirectoryOfPath(const char* path, char* out, size_t outSize) {
    if (!out || outSize == 0)
        return 0;
    out[0] = '\0';
    if (!path)
        return 0;
    size_t length = strlen(path);
    // The last separator after the first character ends the directory; the
    // first character is never taken, so a bare root stays whole.
    size_t keep = length;
    for (size_t i = length; i-- > 1;) {
        if (path[i] == '\\' || path[i] == '/') {
            keep = i + 1;
            break;
        }
    }
    if (keep > outSize - 1)
        keep = outSize - 1;
    memcpy(out, path, keep);
    out[keep] = '\0';
    return keep;
}

void LocateInstallDirectory() {
    ModuleState& module = Module();
    HMODULE handle = GetModuleHandleW(kModuleFileName);
    DWORD length = GetModuleFileNameW(handle, module.modulePath, kPathSize);
    module.modulePath[kPathSize - 1] = L'\0';
    SetInstallDirectory(nullptr);
    // No file, or a path cut to fit: no directory can be trusted.
    if (length == 0 || length >= static_cast<DWORD>(kPathSize))
        return;
    std::string path = ToNarrowString(module.modulePath);
    std::string directory(path.size() + 1, '\0');
    size_t length8 = DirectoryOfPath(path.c_str(), directory.data(), directory.size());
    // A directory that does not fit would name another one once cut: keep
    // none (the working directory) rather than a wrong one.
    if (length8 >= kPathSize)
        length8 = 0;
    directory.resize(length8);
    SetInstallDirectory(directory.c_str());
}
