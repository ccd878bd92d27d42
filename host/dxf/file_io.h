// Whole-file reads and atomic replacement of a file.
#pragma once

#include <string>
#include <sys/types.h>
#include <string_view>

namespace host::dxf {

// The system takes a file name up to its first NUL: a name that holds one
// would name another file, so wherever a file name is taken it is refused
// with these words.
inline constexpr std::string_view kNulInFileName = "a file name cannot hold the character NUL";
bool holdsNul(std::string_view name);

// Reads the file into `content`.  On failure `error` says why.
bool readWholeFile(const std::string& path, std::string& content, std::string& error);

// Replaces a file so that readers see either the old file or the whole new
// one: the data goes to a temporary file beside the target, is flushed to
// the disk, and is renamed over the target by commit().  A symbolic link is
// followed: its final target is replaced and the link stays.  Until then, and on
// any failure, the old file is left as it was; a writer destroyed without a
// successful commit removes its temporary file.  A target that is not a
// regular file is never replaced: a character device (/dev/null, a
// terminal) or a pipe with a reader is written through, anything else is
// refused.  A read-only target (no one may write it, or this user may not)
// is refused and left as it is, and so is a name holding NUL.  The
// temporary file is hidden, locked while it is written, and named so that
// no user's file is taken for one; those of the same target that saves
// killed midway left behind are removed once no writer holds them
// (temporary_file.h).
class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    ~AtomicFileWriter();

    bool open(const std::string& path);
    bool write(std::string_view data);
    bool commit();
    // Why the last call failed, naming the file asked for ("cannot create
    // /x/a.dxf: Permission denied"), never the temporary file.
    const std::string& error() const { return error_; }

private:
    void discard();
    bool fail(const std::string& what);
    bool openNode(mode_t mode);
    bool openTemporary();

    std::string path_;      // as the caller named it
    std::string target_;    // path_ with its symbolic links followed
    std::string temporary_;
    int fd_ = -1;
    bool through_ = false;  // writing into the target itself
    std::string error_;
};

// The whole of `data` through an AtomicFileWriter.
bool writeFileAtomically(const std::string& path, std::string_view data, std::string& error);

} // namespace host::dxf
