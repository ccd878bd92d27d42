#include "dxf/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace host::dxf {

namespace {

std::string describe(const std::string& what, const std::string& path, int errorNumber)
{
    return what + " " + path + ": " + std::strerror(errorNumber);
}

std::string directoryOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool writeAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Makes the rename itself durable; failure here does not undo the save.
void syncDirectory(const std::string& directory)
{
    int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool readWholeFile(const std::string& path, std::string& content, std::string& error)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = describe("cannot open", path, errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = "cannot read " + path + ": not a regular file";
        ::close(fd);
        return false;
    }
    content.resize(static_cast<size_t>(info.st_size));
    size_t done = 0;
    while (done < content.size()) {
        ssize_t got = ::read(fd, content.data() + done, content.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error = describe("cannot read", path, errno);
            ::close(fd);
            return false;
        }
        if (got == 0) break;  // the file shrank while being read
        done += static_cast<size_t>(got);
    }
    content.resize(done);
    ::close(fd);
    return true;
}

bool writeFileAtomically(const std::string& path, std::string_view data, std::string& error)
{
    std::string temporary = path + ".tmp" + std::to_string(::getpid());
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = describe("cannot create", temporary, errno);
        return false;
    }
    // A replaced file keeps its permissions.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    bool ok = writeAll(fd, data);
    if (!ok) error = describe("cannot write", temporary, errno);
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        error = describe("cannot flush", temporary, errno);
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = describe("cannot close", temporary, errno);
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = describe("cannot replace", path, errno);
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncDirectory(directoryOf(path));
    return true;
}

} // namespace host::dxf
