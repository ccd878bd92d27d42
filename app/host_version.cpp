#include "app/host_version.h"

#include <cstring>
#include <string>

#include "acrx_app.h"
#include "app/module_state.h"
#include "core/string_convert.h"
#include "mfc.h"

int GetHostString(char* out, size_t outSize) {
    AcDbHostApplicationServices* services = acdbHostApplicationServices();
    if (!services || !out || outSize == 0)
        return 0;
    const ACHAR* version = services->versionString();
    if (!version)
        return 0;
    std::string text = ToNarrowString(version);
    size_t n = text.size() < outSize - 1 ? text.size() : outSize - 1;
    memcpy(out, text.data(), n);
    out[n] = '\0';
    return 1;
}

bool IsSupportedHostVersion(const char* version) {
    if (!version || strlen(version) < 4)
        return false;
    static const char* const accepted[] = {"17.0", "17.1", "17.2"};
    for (const char* release : accepted)
        if (strncmp(version, release, 4) == 0)
            return true;
    return false;
}

void CheckHostVersion() {
    ModuleState& module = Module();
    module.hostVersionOk = 0;
    char version[50] = "";
    if (!GetHostString(version, sizeof version))
        return;
    if (IsSupportedHostVersion(version)) {
        module.hostVersionOk = 1;
        return;
    }
    CWnd* frame = acedGetAcadFrame();
    MessageBoxW(frame ? frame->GetSafeHwnd() : nullptr, L"Nem-megfelelő AutoCAD verzió!", L"Lurak",
                MB_OK);
}
