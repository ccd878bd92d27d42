// What tests (and the host's own tools) can see of the dialogs: the state
// of the open dialog, of the one that closed last, and the pictures drawn
// into image tiles with the slide references they name.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dcl/tile.h"

namespace host::dcl {

struct Dialog;

struct TileState {
    std::string key;
    std::string kind;   // "list_box", "toggle", ...
    std::string label;
    std::string value;
    bool enabled = true;  // usable: itself and its containers enabled
    bool focused = false;
    bool highlighted = false;
    std::vector<std::string> items;
    bool hasAction = false;
};

struct DialogState {
    std::string name;
    int status = 0;
    bool done = false;
    std::vector<TileState> tiles;  // every tile with a key, in file order
    std::string listing;           // what "?" prints

    // The tile with this key, or null.
    const TileState* tile(std::string_view key) const;
};

struct ImageRecord {
    std::string dialog;
    std::string key;
    std::vector<ImageOp> ops;  // the tile's picture after the drawing
    std::string slide;         // the slide reference last drawn, or empty
};

// The innermost running dialog (inside callbacks), if any.
std::optional<DialogState> openDialogState();
// A dialog that is open (created and not yet closed), by its handle.
std::optional<DialogState> dialogState(const void* hdlg);
// The dialog that closed last, as it was when it closed.
std::optional<DialogState> lastDialogState();
// The picture last drawn (ads_end_image) into a tile with this key, in any
// dialog; null when there was none.
const ImageRecord* lastImage(std::string_view key);
// Its slide reference, or empty.
std::string lastSlide(std::string_view key);

// Names of the dialogs a loaded dialog file defines (with its includes).
std::vector<std::string> dialogNames(int dclId);

// Numbers of loaded dialog files, living dialogs and running dialogs.
size_t loadedFileCount();
size_t liveDialogCount();
size_t runningDialogCount();

// Forgets every file, dialog and record.
void resetDialogs();

// Called by the runtime.
void recordClosedDialog(const Dialog& dialog);
void recordImage(const Dialog& dialog, const Tile& tile);

} // namespace host::dcl
