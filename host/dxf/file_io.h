// Whole-file reads and atomic replacement of a file.
#pragma once

#include <string>
#include <string_view>

namespace host::dxf {

// Reads the file into `content`.  On failure `error` says why.
bool readWholeFile(const std::string& path, std::string& content, std::string& error);

// Replaces `path` with `data` so that readers see either the old file or the
// whole new one: the data goes to a temporary file beside the target, is
// flushed to the disk, and is renamed over the target.  On failure the old
// file is left as it was, the temporary file is removed, and `error` says why.
bool writeFileAtomically(const std::string& path, std::string_view data, std::string& error);

} // namespace host::dxf
