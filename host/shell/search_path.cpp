#include "shell/search_path.h"

#include <filesystem>

#include "shell/session.h"
#include "shell/text.h"

namespace fs = std::filesystem;

namespace host::shell {

std::vector<std::string> searchPath() {
    std::vector<std::string> dirs;
    std::error_code ec;
    dirs.push_back(fs::current_path(ec).string());
    fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) dirs.push_back(program.parent_path().string());
    if (plugin().loaded()) dirs.push_back(fs::path(plugin().path()).parent_path().string());
    dirs.push_back(LURAK_HOST_DATA_DIR);
    return dirs;
}

std::string findOnSearchPath(const std::string& name) {
    if (name.empty()) return {};
    std::error_code ec;
    fs::path given(name);
    if (given.has_parent_path()) return fs::is_regular_file(given, ec) ? name : std::string();
    for (const std::string& dir : searchPath()) {
        fs::path exact = fs::path(dir) / name;
        if (fs::is_regular_file(exact, ec)) return exact.string();
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
            if (it->is_regular_file(ec) && sameName(it->path().filename().string(), name)) return it->path().string();
    }
    return {};
}

} // namespace host::shell
