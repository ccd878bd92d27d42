#include "dxf/file_io.h"

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
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

constexpr const char* kTemporaryMark = ".tmp";
constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

// The longest file name the folder holds.
size_t longestName(const std::string& directory)
{
    long most = ::pathconf(directory.c_str(), _PC_NAME_MAX);
    return most > 0 ? static_cast<size_t>(most) : 255;
}

// The temporary file's name for a target named `name`: the name, ".tmp",
// the process id and the attempt (from the second on), the name cut short
// when the whole would be longer than `longest`.
std::string temporaryName(const std::string& name, long pid, int attempt, size_t longest)
{
    std::string suffix = kTemporaryMark + std::to_string(pid) + (attempt ? "-" + std::to_string(attempt) : "");
    std::string base = name.size() + suffix.size() > longest && longest > suffix.size()
                           ? name.substr(0, longest - suffix.size())
                           : name;
    return base + suffix;
}

// The process id in a temporary file name made for `name`, or 0 when the
// entry is no such name.
long temporaryOwner(const std::string& entry, const std::string& name, size_t longest)
{
    size_t end = entry.size();
    size_t dash = entry.rfind('-');
    size_t mark = entry.rfind(kTemporaryMark);
    if (mark == std::string::npos) return 0;
    size_t digits = mark + std::strlen(kTemporaryMark);
    size_t pidEnd = dash != std::string::npos && dash > digits ? dash : end;
    constexpr size_t kMostPidDigits = 10, kMostAttemptDigits = 3;
    if (pidEnd == digits || pidEnd - digits > kMostPidDigits || end - pidEnd > kMostAttemptDigits + 1) return 0;
    for (size_t i = digits; i < end; ++i)
        if (i != pidEnd && !std::isdigit(static_cast<unsigned char>(entry[i]))) return 0;
    long pid = std::stol(entry.substr(digits, pidEnd - digits));
    int attempt = pidEnd == end ? 0 : std::atoi(entry.c_str() + pidEnd + 1);
    return pid > 0 && temporaryName(name, pid, attempt, longest) == entry ? pid : 0;
}

// A save killed midway leaves its temporary file, as large as the drawing,
// beside the target: those of processes that are gone are removed.  Only
// regular files of this user; a process that may not be asked (another
// user's) counts as alive.
void removeAbandonedTemporaries(const std::string& directory, const std::string& name)
{
    DIR* folder = ::opendir(directory.c_str());
    if (folder == nullptr) return;
    const size_t longest = longestName(directory);
    const long self = ::getpid();
    while (const dirent* entry = ::readdir(folder)) {
        long pid = temporaryOwner(entry->d_name, name, longest);
        if (pid == 0 || pid == self || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        struct stat info {};
        if (::fstatat(::dirfd(folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid())
            continue;
        ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

// A file no one may write (as the platform takes a read-only file: even
// an administrator's save leaves it alone), or one this user may not.
bool readOnly(const std::string& path, const struct stat& info)
{
    if ((info.st_mode & kAnyWrite) == 0) return true;
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && (errno == EACCES || errno == EROFS);
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
    if (!through_) ::unlink(temporary_.c_str());
    fd_ = -1;
}

bool AtomicFileWriter::open(const std::string& path)
{
    discard();
    path_ = path;
    target_ = path;
    through_ = false;
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
    size_t slash = target_.rfind('/');
    removeAbandonedTemporaries(directoryOf(target_), slash == std::string::npos ? target_ : target_.substr(slash + 1));
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

// The temporary file: the target's name and ".tmp<pid>", its name cut
// short when that would be longer than the folder allows, so that any name
// the user may give can be saved; never an existing file.
bool AtomicFileWriter::openTemporary()
{
    std::string directory = directoryOf(target_);
    size_t slash = target_.rfind('/');
    std::string name = slash == std::string::npos ? target_ : target_.substr(slash + 1);
    size_t longest = longestName(directory);
    if (name.size() > longest) {
        errno = ENAMETOOLONG;
        return fail("cannot create");
    }
    constexpr int kTries = 100;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        temporary_ = target_.substr(0, target_.size() - name.size()) +
                     temporaryName(name, ::getpid(), attempt, longest);
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) return true;
        if (errno != EEXIST) break;
    }
    return fail("cannot create");
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
