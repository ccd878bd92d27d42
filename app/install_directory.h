// The install directory: the directory of the module's own file, where the
// messages, dialog and help files are opened.
#pragma once

#include <cstddef>

// Copies the directory part of path into out (outSize bytes with the
// terminator): everything up to and including the last separator ('\' or
// '/') after the first character.  A path with no such separator is kept
// whole.  Returns the length written.
size_t DirectoryOfPath(const char* path, char* out, size_t outSize);

// Asks the host for the file of the module "LURAK.ARX", fills the module's
// modulePath and sets the core's install directory.  When the host does not know
// the module, the host program's own path is what it reports.
void LocateInstallDirectory();
