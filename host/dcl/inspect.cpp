#include "dcl/inspect.h"

#include <map>

#include "dcl/dialog.h"
#include "dcl/listing.h"
#include "dcl/resolve.h"

namespace host::dcl {

namespace {

struct Records {
    std::optional<DialogState> lastClosed;
    std::map<std::string, ImageRecord, std::less<>> images;
};

Records& records() {
    static Records r;
    return r;
}

DialogState snapshot(const Dialog& dialog) {
    DialogState s;
    s.name = dialog.name;
    s.status = dialog.status;
    s.done = dialog.done;
    for (const Tile* t : dialog.tiles) {
        if (t->key.empty()) continue;
        TileState ts;
        ts.key = t->key;
        ts.kind = kindName(t->kind);
        ts.label = t->label();
        ts.value = t->value;
        ts.enabled = t->usable();
        ts.focused = dialog.focus == t;
        ts.highlighted = t->highlighted;
        ts.items = t->items;
        ts.hasAction = t->action != nullptr;
        s.tiles.push_back(std::move(ts));
    }
    s.listing = describeDialog(dialog);
    return s;
}

} // namespace

const TileState* DialogState::tile(std::string_view key) const {
    for (const TileState& t : tiles)
        if (t.key == key) return &t;
    return nullptr;
}

std::optional<DialogState> openDialogState() {
    const auto& running = runningDialogs();
    if (running.empty()) return std::nullopt;
    return snapshot(*running.back());
}

std::optional<DialogState> dialogState(const void* hdlg) {
    const Dialog* dialog = liveDialog(hdlg);
    if (!dialog) return std::nullopt;
    return snapshot(*dialog);
}

std::optional<DialogState> lastDialogState() { return records().lastClosed; }

const ImageRecord* lastImage(std::string_view key) {
    auto it = records().images.find(key);
    return it == records().images.end() ? nullptr : &it->second;
}

std::string lastSlide(std::string_view key) {
    const ImageRecord* r = lastImage(key);
    return r ? r->slide : std::string();
}

std::vector<std::string> dialogNames(int dclId) {
    const Scope* scope = fileById(dclId);
    return scope ? dialogsOf(*scope) : std::vector<std::string>{};
}

size_t loadedFileCount() { return fileCount(); }
size_t liveDialogCount() { return dialogCount(); }
size_t runningDialogCount() { return runningDialogs().size(); }

void resetDialogs() {
    resetRegistry();
    records().lastClosed.reset();
    records().images.clear();
}

void recordClosedDialog(const Dialog& dialog) { records().lastClosed = snapshot(dialog); }

void recordImage(const Dialog& dialog, const Tile& tile) {
    ImageRecord& r = records().images[tile.key];
    r.dialog = dialog.name;
    r.key = tile.key;
    r.ops = tile.image;
    r.slide = tile.slide;
}

} // namespace host::dcl
