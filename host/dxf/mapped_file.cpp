#include "dxf/mapped_file.h"

#include "dxf/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace host::dxf {

MappedFile::~MappedFile()
{
    if (map_) ::munmap(map_, size_);
}

bool MappedFile::open(const std::string& path, std::string& error)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    struct stat info {};
    bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0;
    if (regular) {
        void* map = ::mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
        if (map != MAP_FAILED) {
            map_ = map;
            size_ = static_cast<size_t>(info.st_size);
            ::madvise(map_, size_, MADV_SEQUENTIAL);
            text_ = std::string_view(static_cast<const char*>(map_), size_);
        }
    }
    ::close(fd);
    if (map_) return true;
    if (!readWholeFile(path, copy_, error)) return false;
    text_ = copy_;
    return true;
}

void MappedFile::release(size_t offset)
{
    if (!map_) return;
    long page = ::sysconf(_SC_PAGESIZE);
    size_t pageSize = page > 0 ? static_cast<size_t>(page) : 4096;
    size_t end = offset / pageSize * pageSize;
    if (end <= released_ || end > size_) return;
    ::madvise(static_cast<char*>(map_) + released_, end - released_, MADV_DONTNEED);
    released_ = end;
}

} // namespace host::dxf

namespace host::dxf {

void MappedFile::releaseRange(size_t begin, size_t end)
{
    if (!map_) return;
    long page = ::sysconf(_SC_PAGESIZE);
    size_t pageSize = page > 0 ? static_cast<size_t>(page) : 4096;
    begin = (begin + pageSize - 1) / pageSize * pageSize;
    end = std::min(end, size_) / pageSize * pageSize;
    if (begin < end) ::madvise(static_cast<char*>(map_) + begin, end - begin, MADV_DONTNEED);
}

} // namespace host::dxf
