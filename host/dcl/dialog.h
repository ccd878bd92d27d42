// Open dialogs and loaded dialog files: the host's DCL state.
//
// A dialog exists from ads_new_dialog until its ads_start_dialog returns
// (or its file is unloaded before it was started).  Handles given to the
// application are checked against this registry before use.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ads_dcl.h"
#include "dcl/ast.h"
#include "dcl/tile.h"

namespace host::dcl {

struct Dialog {
    std::string name;
    int fileId = 0;
    CLIENTFUNC defaultAction = nullptr;
    std::unique_ptr<Tile> root;
    std::vector<Tile*> tiles;  // every tile, in the order of the file
    Tile* focus = nullptr;
    bool started = false;
    bool done = false;
    int status = 0;
    int x = -1, y = -1;

    // The first tile with this key, or null.
    Tile* find(const std::string& key) const;
    // The tile that Escape chooses: is_cancel, else the key "cancel".
    Tile* cancelTile() const;
    // The tile that Enter chooses (is_default), or null.
    Tile* defaultTile() const;
    // Moves the focus to the first usable tile that takes it.
    void moveFocusAway();
    void close(int closingStatus);
};

// Loaded files by id.
int addFile(std::shared_ptr<const Scope> scope);
const Scope* fileById(int id);
bool removeFile(int id);
size_t fileCount();

// Creates a dialog from a loaded file; null with a message on failure.
Dialog* createDialog(int fileId, const std::string& name, std::string& error);
// The dialog or tile behind a handle, or null when it is not alive.
Dialog* liveDialog(const void* handle);
Dialog* dialogOfTile(const void* handle);
void destroyDialog(Dialog* dialog);
// Drops the dialogs of a file that were never started.
void dropUnstarted(int fileId);
size_t dialogCount();

// Started dialogs, outermost first.
std::vector<Dialog*>& runningDialogs();

// Forgets every dialog and file (tests).
void resetRegistry();

} // namespace host::dcl
