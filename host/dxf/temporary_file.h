// The temporary files of atomic saves: made under a name no user would
// pick, held under a lock for as long as they are written, and removed by a
// later save only when that save can prove them abandoned.  Drawings live in
// folders shared between machines and containers, where a process id says
// nothing about another writer; the lock does, on every machine that shares
// the folder (open file description locks, which NFS carries to the server).
#pragma once

#include <string>

namespace host::dxf {

// Creates a new temporary file beside `target` (a path with its links
// followed), named "." + the target's name + ".lurak-save-" + 16 random
// hexadecimal digits, the target's name cut short when the whole would be
// longer than the folder allows.  The file is locked exclusively for as
// long as the returned descriptor stays open (where the file system has
// locks at all); a writer keeps it open until the file is renamed or
// removed.  Returns the descriptor and sets `temporary` to its path, or -1
// with errno set.
int createTemporary(const std::string& target, std::string& temporary);

// Removes the temporary files of `target` that saves killed midway left
// behind.  A file goes only when its name is exactly of that form for this
// target, it is a regular file of this user untouched for a while, and its
// lock can be taken at once: a file any writer still holds, or any other
// file, is left alone.
void removeAbandonedTemporaries(const std::string& target);

} // namespace host::dxf
