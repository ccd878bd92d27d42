// The module's entry point: what each host message does.
#pragma once

#include "acrx_app.h"

// Initialization: version check, install directory, application name,
// messages, type tables, reactors.  A messages file that cannot be read
// leaves the module inert: it says so through acdbFail, defines no
// function, and the host goes on.
void InitializeModule(void* appId);
// Module unload: undefines the functions, removes the current drawing's
// state unless the host is quitting, stops the reactors and frees the
// type tables and message texts.
void UnloadModule();
// Drawing load: menu, application name, the drawing's state, the functions.
void LoadDrawing();
// Drawing unload: undefines the functions; once the host is quitting, also
// removes the drawing's state.
void UnloadDrawing();
// A function call: switches to the drawing's state, loads the linetypes
// once after a drawing load, and dispatches.
void CallFunction();
