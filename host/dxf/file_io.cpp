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

// Makes the rename itself durable; failure here does not undo the save.
void syncDirectory(const std::string& directory)
{
    int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The file a path finally names, symbolic links followed (a dangling one
// names the file it would create); false with errno ELOOP for a loop.
bool followLinks(std::string& path)
{
    constexpr int kMostLinks = 40;  // as the kernel allows
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
        std::string target(static_cast<size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<size_t>(n) >= target.size()) return true;
        target.resize(static_cast<size_t>(n));
        path = target.front() == '/' ? target : directoryOf(path) + "/" + target;
    }
    errno = ELOOP;
    return false;
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

AtomicFileWriter::~AtomicFileWriter()
{
    discard();
}

bool AtomicFileWriter::fail(const std::string& what)
{
    error_ = describe(what, path_, errno);
    discard();
    return false;
}

void AtomicFileWriter::discard()
{
    if (fd_ < 0) return;
    ::close(fd_);
    ::unlink(temporary_.c_str());
    fd_ = -1;
}

bool AtomicFileWriter::open(const std::string& path)
{
    discard();
    path_ = path;
    target_ = path;
    if (!followLinks(target_)) {
        error_ = describe("cannot create", path_, errno);
        return false;
    }
    temporary_ = target_ + ".tmp" + std::to_string(::getpid());
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0) return fail("cannot create");
    // A replaced file keeps its permissions.
    struct stat old {};
    if (::stat(target_.c_str(), &old) == 0) ::fchmod(fd_, old.st_mode & 07777);
    return true;
}

bool AtomicFileWriter::write(std::string_view data)
{
    if (fd_ < 0) {
        error_ = "cannot write " + path_ + ": the file is not open";
        return false;
    }
    while (!data.empty()) {
        ssize_t written = ::write(fd_, data.data(), data.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return fail("cannot write");
        data.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

bool AtomicFileWriter::commit()
{
    if (fd_ < 0) {
        error_ = "cannot save " + path_ + ": the file is not open";
        return false;
    }
    if (::fsync(fd_) != 0) return fail("cannot write");
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        error_ = describe("cannot replace", path_, errno);
        ::unlink(temporary_.c_str());
        return false;
    }
    syncDirectory(directoryOf(target_));
    return true;
}

bool writeFileAtomically(const std::string& path, std::string_view data, std::string& error)
{
    AtomicFileWriter file;
    bool ok = file.open(path) && file.write(data) && file.commit();
    if (!ok) error = file.error();
    return ok;
}

} // namespace host::dxf
