// Module-wide state: what the entry point learns at initialization and
// the commands read (the module's file, the registered application name,
// whether the host version was accepted).  The install directory is the
// core's environment.
#pragma once

#include <cstdint>

#include "ads_types.h"
#include "core/application_name.h"

constexpr const wchar_t* kModuleFileName = L"LURAK.ARX";
constexpr int kPathSize = 256;

struct ModuleState {
    // 1 when the host version was accepted; while 0 every function is inert.
    uint8_t hostVersionOk = 0;
    // 1 when the messages file was read; without it the module stays inert
    // (defines no function) and the host goes on.
    uint8_t messagesLoaded = 0;
    // 1 once the host announced that it is quitting.
    int16_t quitPending = 0;
    // 1 after initialization and every drawing load: the next function call
    // loads the system linetypes once.
    int16_t linetypesPending = 0;
    wchar_t modulePath[kPathSize] = L"";
    wchar_t applicationName[kPathSize] = L"";
    // The application list passed to acdbEntGetX when an entity is read
    // with the module's XDATA; its string points at applicationName.
    resbuf appNameFilter = {nullptr, RTSTR, {}};
};

ModuleState& Module();

// Shorthands for the parts that only read the state.
const wchar_t* ApplicationName();
const resbuf* AppNameFilter();
bool HostVersionAccepted();

// Back to the state at load (tests, and a module loaded again).
void ResetModuleState();
