// Commands whose bodies are still to be built: each says so on the command
// line and changes nothing.
#include <string>

#include "aced_input.h"
#include "app/command_bodies.h"
#include "app/function_table.h"

void ReportNotAvailable() {
    const wchar_t* name = FunctionName(acedGetFunCode());
    std::wstring command = name ? name : L"This command";
    if (command.rfind(L"C:", 0) == 0)
        command.erase(0, 2);
    acutPrintf(L"\n%s is not available yet.\n", command.c_str());
}

static int NotBuilt() {
    ReportNotAvailable();
    return RTNORM;
}

int ShowEntityData(int) { return NotBuilt(); }
int PlaceFlowLabel(int) { return NotBuilt(); }
int EditOptions(int) { return NotBuilt(); }
int ShowInfoDialog(int) { return NotBuilt(); }
