#include "app/help.h"

#include "aced_input.h"
#include "app/module_state.h"
#include "core/string_convert.h"

std::string HelpFilePath() { return std::string(InstallDirectory()) + "Lurak.hlp"; }

int ShowHelp(const char* topic) {
    return acedHelp(ToWide(HelpFilePath().c_str()).c_str(), ToWide(topic).c_str(), 0);
}
