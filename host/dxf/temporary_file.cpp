#include "dxf/temporary_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string_view>
#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace host::dxf {

namespace {

// A temporary file's name: "." + the target's name + the mark + the random
// part.  The leading dot and the mark make a name no one types by chance.
constexpr std::string_view kTemporaryMark = ".lurak-save-";
constexpr size_t kRandomDigits = 16;
constexpr size_t kTemporaryExtra = 1 + kTemporaryMark.size() + kRandomDigits;
// A file this recent is left alone even when it is unlocked: its writer may
// have made it and not locked it yet, and on a shared folder another
// machine's view of the folder may lag behind.
constexpr std::time_t kGraceSeconds = 60;
constexpr int kTries = 100;

struct PathParts {
    std::string directory;  // for opening the folder: "." when the path names none
    std::string prefix;     // the path up to and with its last '/'
    std::string name;
};

PathParts split(const std::string& path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {".", "", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(0, slash + 1), path.substr(slash + 1)};
}

// The longest file name the folder holds.
size_t longestName(const std::string& directory)
{
    long most = ::pathconf(directory.c_str(), _PC_NAME_MAX);
    return most > 0 ? static_cast<size_t>(most) : 255;
}

// What comes before the random part for a target named `name`: the name
// cut short when the whole would be longer than `longest`, so that any name
// the folder takes can be saved.
std::string temporaryHead(const std::string& name, size_t longest)
{
    std::string base = name.size() + kTemporaryExtra > longest
                           ? name.substr(0, longest > kTemporaryExtra ? longest - kTemporaryExtra : 0)
                           : name;
    return "." + base + std::string(kTemporaryMark);
}

bool isLowerHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

// Whether `entry` is, exactly, a temporary file name made for `name`.
bool isTemporaryOf(const std::string& entry, const std::string& name, size_t longest)
{
    std::string head = temporaryHead(name, longest);
    if (entry.size() != head.size() + kRandomDigits || entry.compare(0, head.size(), head) != 0) return false;
    for (size_t i = head.size(); i < entry.size(); ++i)
        if (!isLowerHex(entry[i])) return false;
    return true;
}

// Random bits from the kernel; should it have none to give, the time, the
// process and a count (O_EXCL still keeps any clash from doing harm).
std::string randomPart()
{
    static std::atomic<unsigned> counter{0};
    std::uint64_t value = 0;
    if (::getrandom(&value, sizeof value, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof value)) {
        auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        value = static_cast<std::uint64_t>(now) ^ (static_cast<std::uint64_t>(::getpid()) << 32) ^
                (static_cast<std::uint64_t>(++counter) * 0x9E3779B97F4A7C15ULL);
    }
    char digits[kRandomDigits + 1] = {};
    std::snprintf(digits, sizeof digits, "%016" PRIx64, value);
    return std::string(digits, kRandomDigits);
}

enum class LockResult { Taken, HeldElsewhere, Unavailable };

// A lock on the whole file, taken without waiting.  Open file description
// locks: they hold against every other open of the file, in this process
// too, and last until the descriptor is closed.
LockResult lockWhole(int fd, short type)
{
    struct flock whole {};
    whole.l_type = type;
    whole.l_whence = SEEK_SET;
    whole.l_start = 0;
    whole.l_len = 0;  // to the end, however far the file grows
    while (::fcntl(fd, F_OFD_SETLK, &whole) != 0) {
        if (errno == EINTR) continue;
        return errno == EAGAIN || errno == EACCES ? LockResult::HeldElsewhere : LockResult::Unavailable;
    }
    return LockResult::Taken;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

int createTemporary(const std::string& target, std::string& temporary)
{
    PathParts where = split(target);
    size_t longest = longestName(where.directory);
    if (where.name.size() > longest) {
        errno = ENAMETOOLONG;
        return -1;
    }
    for (int attempt = 0; attempt < kTries; ++attempt) {
        temporary = where.prefix + temporaryHead(where.name, longest) + randomPart();
        int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return -1;
        // Between making the file and locking it, a cleanup may have taken
        // it for an abandoned one: it then holds its lock, or has removed
        // it (the name no longer names this file).  Start again under
        // another name.  Without locks on this file system the save goes
        // on unlocked, and no cleanup removes the file either.
        LockResult lock = lockWhole(fd, F_WRLCK);
        struct stat opened {}, named {};
        if (::fstat(fd, &opened) != 0) {
            int why = errno;
            ::unlink(temporary.c_str());
            ::close(fd);
            errno = why;
            return -1;
        }
        if (lock != LockResult::HeldElsewhere && ::stat(temporary.c_str(), &named) == 0 && sameFile(opened, named))
            return fd;
        if (lock == LockResult::HeldElsewhere) ::unlink(temporary.c_str());
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

void removeAbandonedTemporaries(const std::string& target)
{
    PathParts where = split(target);
    DIR* folder = ::opendir(where.directory.c_str());
    if (folder == nullptr) return;
    const size_t longest = longestName(where.directory);
    const int directory = ::dirfd(folder);
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(folder)) {
        if (!isTemporaryOf(entry->d_name, where.name, longest)) continue;
        struct stat listed {};
        if (::fstatat(directory, entry->d_name, &listed, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(listed.st_mode) ||
            listed.st_uid != ::geteuid() || now - listed.st_mtime < kGraceSeconds)
            continue;
        int fd = ::openat(directory, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) continue;
        // The lock proves no writer holds the file; it is kept until the
        // file is gone, so that no writer takes it in between, and the
        // name must still name the file locked.
        struct stat opened {}, still {};
        if (::fstat(fd, &opened) == 0 && sameFile(opened, listed) && lockWhole(fd, F_RDLCK) == LockResult::Taken &&
            ::fstatat(directory, entry->d_name, &still, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(still, opened))
            ::unlinkat(directory, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(folder);
}

} // namespace host::dxf
