#include "app/module_state.h"

static ModuleState moduleState;

ModuleState& Module() { return moduleState; }

const wchar_t* ApplicationName() { return moduleState.applicationName; }

const resbuf* AppNameFilter() { return &moduleState.appNameFilter; }

bool HostVersionAccepted() { return moduleState.hostVersionOk != 0; }

void ResetModuleState() { moduleState = ModuleState(); }
