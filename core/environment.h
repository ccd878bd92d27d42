// Where the module is installed: the folder of its own file, where the
// messages, dialog, slide and help files are opened.  The entry point sets
// it once when the module is loaded; the rest of the module only reads it.
#pragma once

#include <string>

// Keeps a copy of the directory (with its final separator; null: none).
void SetInstallDirectory(const char* directory);
// The install directory; "" before it is set (the working directory).
const char* InstallDirectory();

// The help file's path: the install directory followed by "Lurak.hlp".
std::string HelpFilePath();
// Opens the help file at a topic; returns the host's result.
int ShowHelp(const char* topic);
