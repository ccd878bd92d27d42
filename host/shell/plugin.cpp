#include "shell/plugin.h"

#include <dlfcn.h>

#include <filesystem>

#include "dxf/quoted_text.h"
#include "io/io.h"
#include "shell/documents.h"
#include "windows_min.h"

namespace host::shell {

Plugin::~Plugin() { unload(); }

bool Plugin::load(const std::string& path, std::string& error) {
    unload();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = dxf::withoutControls("cannot load module " + path + ": no such file");
        return false;
    }
    std::string full = std::filesystem::absolute(path, ec).lexically_normal().string();
    library_ = dlopen(full.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library_) {
        const char* why = dlerror();
        error = dxf::withoutControls("cannot load module " + path + ": " + (why ? why : "unknown reason"));
        return false;
    }
    using VersionCall = int (*)();
    auto version = reinterpret_cast<VersionCall>(dlsym(library_, "acrxGetApiVersion"));
    auto entry = reinterpret_cast<AcRx::AppRetCode (*)(AcRx::AppMsgCode, void*)>(
        dlsym(library_, "acrxEntryPoint"));
    if (!version || !entry) {
        error = dxf::withoutControls("module " + path + " has no " + (entry ? "acrxGetApiVersion" : "acrxEntryPoint"));
        unload();
        return false;
    }
    int api = version();
    if (api != ACRX_API_VERSION) {
        error = dxf::withoutControls("module " + path + " was built for host API version " + std::to_string(api) +
                                     ", this host has " + std::to_string(ACRX_API_VERSION));
        unload();
        return false;
    }
    entry_ = entry;
    path_ = full;
    host::win::registerModule(io::fromUtf8(fileName()).c_str(), io::fromUtf8(full).c_str());
    return true;
}

AcRx::AppRetCode Plugin::send(AcRx::AppMsgCode msg) {
    if (!entry_) return AcRx::kRetOK;
    Document* doc = currentDocument();
    sent_.push_back({static_cast<int>(msg), doc ? doc->serial() : 0});
    return entry_(msg, appId());
}

void Plugin::unload() {
    if (!path_.empty()) host::win::unregisterModule(io::fromUtf8(fileName()).c_str());
    entry_ = nullptr;
    if (library_) dlclose(library_);
    library_ = nullptr;
    path_.clear();
}

std::string Plugin::fileName() const { return std::filesystem::path(path_).filename().string(); }

} // namespace host::shell
