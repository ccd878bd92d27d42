#include "dxf/file_io.h"

#include "dxf/temporary_file.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <pthread.h>
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

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

// A file no one may write (as the platform takes a read-only file: even
// an administrator's save leaves it alone), or one this user may not.
bool readOnly(const std::string& path, const struct stat& info)
{
    if ((info.st_mode & kAnyWrite) == 0) return true;
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && (errno == EACCES || errno == EROFS);
}

} // namespace

bool holdsNul(std::string_view name)
{
    return name.find('\0') != std::string_view::npos;
}

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

// The temporary file is removed while its lock is still held, so that no
// other save's cleanup reaches for it meanwhile.
void AtomicFileWriter::discard()
{
    if (fd_ < 0) return;
    if (!through_) ::unlink(temporary_.c_str());
    ::close(fd_);
    fd_ = -1;
}

bool AtomicFileWriter::open(const std::string& path)
{
    discard();
    path_ = path;
    target_ = path;
    through_ = false;
    if (holdsNul(path_)) {
        error_ = "cannot create " + path_ + ": " + std::string(kNulInFileName);
        return false;
    }
    if (!followLinks(target_)) {
        error_ = describe("cannot create", path_, errno);
        return false;
    }
    struct stat old {};
    bool exists = ::stat(target_.c_str(), &old) == 0;
    // A folder is left to the rename, which fails and says so.
    if (exists && !S_ISREG(old.st_mode) && !S_ISDIR(old.st_mode)) return openNode(old.st_mode);
    // Renaming over it would replace a file its owner keeps from changes.
    if (exists && S_ISREG(old.st_mode) && readOnly(target_, old)) {
        error_ = "cannot replace " + path_ + ": it is read-only";
        return false;
    }
    removeAbandonedTemporaries(target_);
    if (!openTemporary()) return false;
    // A replaced file keeps its permissions.
    if (exists) ::fchmod(fd_, old.st_mode & 07777);
    return true;
}

// Renaming a file over a device node or a pipe would destroy the node
// (run as root, `-o /dev/null` would replace the system's /dev/null).
bool AtomicFileWriter::openNode(mode_t mode)
{
    if (S_ISCHR(mode)) {
        fd_ = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    } else if (S_ISFIFO(mode)) {
        // Without a reader the save would wait for ever.
        fd_ = ::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0 && errno == ENXIO) {
            error_ = "cannot save " + path_ + ": it is a pipe that no program reads";
            return false;
        }
        if (fd_ >= 0) ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    } else {
        error_ = "cannot save " + path_ + ": it is neither a regular file nor a device or pipe to write into";
        return false;
    }
    if (fd_ < 0) {
        error_ = describe("cannot write", path_, errno);
        return false;
    }
    through_ = true;
    return true;
}

// The temporary file beside the target, new and locked for as long as
// this writer holds it open (see temporary_file.h).
bool AtomicFileWriter::openTemporary()
{
    fd_ = createTemporary(target_, temporary_);
    return fd_ >= 0 || fail("cannot create");
}

namespace {

// A pipe whose reader went away would end the program with SIGPIPE: while
// writing into a pipe the signal is held back and taken, and the write
// fails with EPIPE instead.
class BrokenPipeHeld {
public:
    BrokenPipeHeld()
    {
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        ::pthread_sigmask(SIG_BLOCK, &pipe, &old_);
        sigset_t pending;
        sigpending(&pending);
        wasPending_ = sigismember(&pending, SIGPIPE) == 1;
    }
    ~BrokenPipeHeld()
    {
        sigset_t pending;
        sigpending(&pending);
        if (!wasPending_ && sigismember(&pending, SIGPIPE) == 1) {
            sigset_t pipe;
            sigemptyset(&pipe);
            sigaddset(&pipe, SIGPIPE);
            timespec now{0, 0};
            ::sigtimedwait(&pipe, nullptr, &now);
        }
        ::pthread_sigmask(SIG_SETMASK, &old_, nullptr);
    }
    BrokenPipeHeld(const BrokenPipeHeld&) = delete;
    BrokenPipeHeld& operator=(const BrokenPipeHeld&) = delete;

private:
    sigset_t old_;
    bool wasPending_ = false;
};

} // namespace

bool AtomicFileWriter::write(std::string_view data)
{
    std::optional<BrokenPipeHeld> held;
    if (through_) held.emplace();
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
    if (through_) {
        // A device or pipe takes the data as it comes: nothing to flush
        // to a disk, nothing to rename.
        int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) {
            error_ = describe("cannot write", path_, errno);
            return false;
        }
        return true;
    }
    if (::fsync(fd_) != 0) return fail("cannot write");
    // Renamed while still open and locked: closed first, the finished file
    // would look abandoned to another save's cleanup until the rename.  The
    // data is on the disk already, so the close has nothing left to report.
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) return fail("cannot replace");
    ::close(fd_);
    fd_ = -1;
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
