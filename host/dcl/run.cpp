#include "dcl/run.h"

#include <cstdlib>
#include <optional>

#include "dcl/inspect.h"
#include "dcl/listing.h"
#include "dcl/values.h"
#include "io/io.h"

namespace host::dcl {

namespace {

void say(const std::string& text) { io::print(text + "\n"); }

std::string quoted(const std::string& key) { return "\"" + key + "\""; }

// The tile whose action answers a choice of this tile, and that action.
// A radio button without an action of its own passes the choice to its
// cluster, as the platform does.
Tile* actionTarget(Tile& tile, CLIENTFUNC& action) {
    action = tile.action;
    if (!action && tile.kind == TileKind::RadioButton) {
        if (Tile* cluster = tile.cluster(); cluster && cluster->action) {
            action = cluster->action;
            return cluster;
        }
    }
    return &tile;
}

void runAction(Dialog& dialog, Tile& tile, int reason, long x, long y) {
    CLIENTFUNC action = nullptr;
    Tile* target = actionTarget(tile, action);
    if (!action) {
        // "accept" and the cancel tile close the dialog by themselves.
        if (tile.key == "accept") {
            dialog.close(DLGOK);
            return;
        }
        if (&tile == dialog.cancelTile()) {
            dialog.close(DLGCANCEL);
            return;
        }
        action = dialog.defaultAction;
    }
    if (!action) return;
    std::wstring value = io::fromUtf8(target->value);
    ads_callback_packet packet{};
    packet.dialog = &dialog;
    packet.tile = target;
    packet.value = value.data();
    packet.client_data = target->clientData;
    packet.reason = reason;
    packet.x = x;
    packet.y = y;
    action(&packet);
}

bool pressable(const Tile& tile) {
    switch (tile.kind) {
    case TileKind::Button:
    case TileKind::Toggle:
    case TileKind::RadioButton:
    case TileKind::ImageButton:
    case TileKind::EditBox:
    case TileKind::ListBox:
    case TileKind::PopupList:
    case TileKind::Slider:
        return true;
    default:
        return false;
    }
}

// "x,y" of an image button, inside the tile.
bool parsePoint(const std::string& text, long& x, long& y) {
    size_t comma = text.find(',');
    if (comma == std::string::npos) return false;
    char* end = nullptr;
    std::string xs = text.substr(0, comma), ys = text.substr(comma + 1);
    x = std::strtol(xs.c_str(), &end, 10);
    if (end == xs.c_str() || *end) return false;
    y = std::strtol(ys.c_str(), &end, 10);
    return end != ys.c_str() && !*end && x >= 0 && y >= 0;
}

void press(Dialog& dialog, Tile& tile) {
    if (tile.kind == TileKind::Toggle) setValue(tile, tile.value == "1" ? "0" : "1");
    if (tile.kind == TileKind::RadioButton) setValue(tile, "1");
    runAction(dialog, tile, CBR_SELECT, 0, 0);
}

// key=value[!]: the user's own change of a tile, then its action.
void change(Dialog& dialog, Tile& tile, const std::string& value, bool doubleClick) {
    long x = 0, y = 0;
    if (tile.kind == TileKind::ImageButton) {
        if (!value.empty() && !parsePoint(value, x, y)) {
            say("image_button " + quoted(tile.key) + " takes a point x,y");
            return;
        }
    } else {
        std::string problem = checkUserValue(tile, value);
        if (!problem.empty()) {
            say(problem);
            return;
        }
    }
    Tile* acting = &tile;
    if (isRadioCluster(tile.kind)) {
        for (Tile* t : dialog.tiles)
            if (t->kind == TileKind::RadioButton && t->key == value && t->cluster() == &tile) acting = t;
        setValue(*acting, "1");
    } else if (tile.kind == TileKind::RadioButton) {
        setValue(tile, "1");
    } else if (tile.kind != TileKind::ImageButton) {
        setValue(tile, value);
    }
    runAction(dialog, *acting, CBR_SELECT, x, y);
    if (doubleClick && !dialog.done) runAction(dialog, *acting, CBR_DOUBLE_CLICK, x, y);
}

} // namespace

void escape(Dialog& dialog) {
    Tile* cancel = dialog.cancelTile();
    if (cancel && cancel->usable()) runAction(dialog, *cancel, CBR_SELECT, 0, 0);
    if (!dialog.done) dialog.close(DLGCANCEL);
}

void handleLine(Dialog& dialog, const std::string& line) {
    if (line == "?") {
        io::print(describeDialog(dialog));
        return;
    }
    if (line == "^C") {
        escape(dialog);
        return;
    }
    if (line.empty()) {
        Tile* def = dialog.defaultTile();
        if (def && def->usable()) runAction(dialog, *def, CBR_SELECT, 0, 0);
        else say("No default tile: type a tile key, key=value, or ? for the list");
        return;
    }
    // A trailing '!' is a double click on the tiles that take one; in an
    // edit box it is just part of the text.
    size_t eq = line.find('=');
    std::string key(io::trim(line.substr(0, eq)));
    std::optional<std::string> value;
    if (eq != std::string::npos) value = std::string(io::trim(line.substr(eq + 1)));
    bool doubleClick = false;
    std::string& marked = value ? *value : key;
    if (!marked.empty() && marked.back() == '!') {
        std::string stripped(io::trim(std::string_view(marked).substr(0, marked.size() - 1)));
        Tile* target = dialog.find(value ? key : stripped);
        if (target && (target->kind == TileKind::ListBox || target->kind == TileKind::ImageButton)) {
            marked = stripped;
            doubleClick = true;
        }
    }

    Tile* tile = dialog.find(key);
    if (!tile) {
        say("No tile " + quoted(key) + " in dialog " + quoted(dialog.name) + " (? lists the tiles)");
        return;
    }
    if (!tile->usable()) {
        say(std::string(kindName(tile->kind)) + " " + quoted(key) + " is disabled");
        return;
    }
    if (!value && !pressable(*tile)) {
        say(std::string(kindName(tile->kind)) + " " + quoted(key) + " cannot be chosen");
        return;
    }
    if (!value) {
        press(dialog, *tile);
        if (doubleClick && !dialog.done) runAction(dialog, *tile, CBR_DOUBLE_CLICK, 0, 0);
        return;
    }
    if (tile->kind == TileKind::Button) {
        say("button " + quoted(key) + " takes no value: type " + key + " to press it");
        return;
    }
    change(dialog, *tile, *value, doubleClick);
}

int runDialog(Dialog& dialog) {
    dialog.started = true;
    runningDialogs().push_back(&dialog);
    if (io::source() && io::source()->interactive()) io::print(describeDialog(dialog));
    const std::string prompt = dialog.name + "> ";
    while (!dialog.done) {
        std::string line;
        if (!io::ask(prompt, line)) {
            escape(dialog);
            break;
        }
        handleLine(dialog, line);
    }
    recordClosedDialog(dialog);
    return dialog.status;
}

} // namespace host::dcl
