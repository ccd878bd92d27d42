// Module handles for GetModuleHandleW / GetModuleFileNameW: the host program
// and every plug-in the shell registered when it loaded it.
#include "windows_min.h"

#include <cwctype>
#include <filesystem>
#include <list>
#include <string>

namespace {

struct Module {
    std::wstring name;
    std::wstring path;
};

struct Registry {
    std::list<Module> modules;  // a list: handles are the entries' addresses
    std::wstring programPath;
    bool programPathSet = false;
    DWORD lastError = ERROR_SUCCESS;
};

Registry& registry() {
    static Registry r;
    return r;
}

// The host program's handle: any address no registered entry can have.
char programToken;

HMODULE handleOf(const Module& m) { return reinterpret_cast<HMODULE>(const_cast<Module*>(&m)); }
HMODULE programHandle() { return reinterpret_cast<HMODULE>(&programToken); }

bool equalNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return true;
}

std::wstring_view fileNameOf(std::wstring_view path) {
    size_t slash = path.find_last_of(L"/\\");
    return slash == std::wstring_view::npos ? path : path.substr(slash + 1);
}

const std::wstring& programPath() {
    Registry& r = registry();
    if (!r.programPathSet) {
        std::error_code ec;
        r.programPath = std::filesystem::read_symlink("/proc/self/exe", ec).wstring();
        r.programPathSet = true;
    }
    return r.programPath;
}

Module* findByName(std::wstring_view name) {
    for (Module& m : registry().modules)
        if (equalNoCase(m.name, name) || equalNoCase(fileNameOf(m.path), name)) return &m;
    return nullptr;
}

const std::wstring* pathOf(HMODULE module) {
    if (!module || module == programHandle()) return &programPath();
    for (const Module& m : registry().modules)
        if (handleOf(m) == module) return &m.path;
    return nullptr;
}

} // namespace

HMODULE GetModuleHandleW(LPCWSTR moduleName) {
    if (!moduleName) return programHandle();
    if (Module* m = findByName(moduleName)) return handleOf(*m);
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size) {
    const std::wstring* path = pathOf(module);
    if (!path) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (!buffer || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (path->size() < size) {
        path->copy(buffer, path->size());
        buffer[path->size()] = L'\0';
        SetLastError(ERROR_SUCCESS);
        return static_cast<DWORD>(path->size());
    }
    path->copy(buffer, size - 1);
    buffer[size - 1] = L'\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
}

DWORD GetLastError() { return registry().lastError; }

void SetLastError(DWORD error) { registry().lastError = error; }

namespace host::win {

HMODULE registerModule(const wchar_t* name, const wchar_t* path) {
    if (!name || !*name) return nullptr;
    std::wstring fullPath = path ? path : L"";
    for (Module& m : registry().modules) {
        if (equalNoCase(m.name, name)) {
            m.path = fullPath;
            return handleOf(m);
        }
    }
    registry().modules.push_back({name, fullPath});
    return handleOf(registry().modules.back());
}

void unregisterModule(const wchar_t* name) {
    if (!name) return;
    registry().modules.remove_if([&](const Module& m) { return equalNoCase(m.name, name); });
}

void setProgramPath(const wchar_t* path) {
    Registry& r = registry();
    r.programPath = path ? path : L"";
    r.programPathSet = true;
}

} // namespace host::win
