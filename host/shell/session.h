// The host session: the plug-in, the documents and the messages that tie
// them together, in the host's order:
//   load module  -> init, then drawing-load for every open drawing (each
//                   made current first);
//   new or open  -> drawing-load with the new drawing current;
//   close        -> drawing-unload with the closing drawing current;
//   quit         -> pre-quit, drawing-unload for each drawing (each made
//                   current), then application unload.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "shell/documents.h"
#include "shell/plugin.h"

namespace host::shell {

// The version text the host reports; nullopt: no application services.
void setHostVersion(std::optional<std::string> version);
const std::optional<std::string>& hostVersion();

Plugin& plugin();

// Loads the plug-in and sends its start-up messages.
bool loadPlugin(const std::string& path, std::string& error);

// A new empty drawing, current, announced to the plug-in.
Document* newDrawing();
// A drawing read from a file; null when it cannot be read, leaving the
// current drawing as it was.  Why goes to *error when given, else it is
// printed at the command line.  What the read repaired in the file is
// printed at the command line (see repairLines).
Document* openDrawing(const std::string& path, std::string* error = nullptr);
// Closes a drawing: the plug-in is told with it current.
void closeDrawing(Document* doc);
// Ends the session: quit messages, unload, every document closed.
void quit();
// Runs first thing when the session quits (the program's -o save).
void setBeforeQuit(std::function<void()> action);
// True once quit() ran (the command loop stops).
bool quitting();

// A save failed this session (the program's exit status tells).
void noteSaveFailure();
bool saveFailed();

// Makes doc current and points the C interface at its database.
void makeCurrent(Document* doc);

// Forgets everything (tests): documents, plug-in, version back to default.
void resetSession();

} // namespace host::shell
