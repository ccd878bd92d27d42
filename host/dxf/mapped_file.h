// A file's text mapped into memory for reading.  Parts already read can be
// given back to the system, so reading a large drawing does not hold the
// whole file and the whole database at once.
#pragma once

#include <string>
#include <string_view>

namespace host::dxf {

class MappedFile {
public:
    MappedFile() = default;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    // On failure `error` says why.  Files that cannot be mapped (pipes) are read.
    bool open(const std::string& path, std::string& error);
    std::string_view text() const { return text_; }
    // Drops the pages before `offset` from memory.  The text stays valid:
    // a later look at those bytes reads them from the file again.
    void release(size_t offset);
    // The same for the whole pages inside [begin, end).
    void releaseRange(size_t begin, size_t end);

private:
    void* map_ = nullptr;
    size_t size_ = 0;
    size_t released_ = 0;
    std::string copy_;  // when not mapped
    std::string_view text_;
};

} // namespace host::dxf
