// The help file "Lurak.hlp" in the install directory.
#pragma once

#include <string>

// The help file's path: the install directory followed by "Lurak.hlp".
std::string HelpFilePath();
// Opens the help file at a topic; returns the host's result.
int ShowHelp(const char* topic);
