#include "core/environment.h"

#include "aced_input.h"
#include "core/string_convert.h"

static std::string installDirectory;

void SetInstallDirectory(const char* directory) { installDirectory = directory ? directory : ""; }

const char* InstallDirectory() { return installDirectory.c_str(); }

std::string HelpFilePath() { return installDirectory + "Lurak.hlp"; }

int ShowHelp(const char* topic) {
    return acedHelp(ToWide(HelpFilePath().c_str()).c_str(), ToWide(topic).c_str(), 0);
}
