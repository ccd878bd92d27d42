// Lists of list boxes and popup lists: ads_start_list, the items, then
// ads_end_list shows them.

#include <vector>

#include "ads_dcl.h"
#include "dcl/api_util.h"
#include "dcl/values.h"
#include "io/io.h"

using namespace host;
using namespace host::dcl;

namespace {

constexpr size_t kMaxItems = 32768;

struct PendingList {
    Dialog* dialog = nullptr;
    Tile* tile = nullptr;
    short operation = LIST_NEW;
    size_t index = 0;
    std::vector<std::string> items;
};

// The list being filled between ads_start_list and ads_end_list.
PendingList& slot() {
    static PendingList list;
    return list;
}

} // namespace

int ads_start_list(ads_hdlg hdlg, const ACHAR* key, short operation, short index) {
    slot() = PendingList{};
    Dialog* dialog = dialogFor(hdlg, "ads_start_list");
    Tile* tile = dialog ? tileFor(*dialog, key, "ads_start_list") : nullptr;
    if (!tile) return RTERROR;
    if (!isList(tile->kind)) {
        complain("ads_start_list", "\"" + tile->key + "\" (" + kindName(tile->kind) + ") is not a list");
        return RTERROR;
    }
    if (operation != LIST_CHANGE && operation != LIST_APPEND && operation != LIST_NEW) {
        complain("ads_start_list", "no list operation " + std::to_string(operation) + " (1, 2 or 3)");
        return RTERROR;
    }
    if (operation == LIST_CHANGE && (index < 0 || static_cast<size_t>(index) >= tile->items.size())) {
        complain("ads_start_list", "no row " + std::to_string(index) + " in \"" + tile->key + "\"");
        return RTERROR;
    }
    PendingList& list = slot();
    list.dialog = dialog;
    list.tile = tile;
    list.operation = operation;
    list.index = operation == LIST_CHANGE ? static_cast<size_t>(index) : 0;
    return RTNORM;
}

int ads_add_list(const ACHAR* item) {
    PendingList& list = slot();
    if (!list.dialog || !item || !liveDialog(list.dialog)) return RTERROR;
    size_t kept = list.operation == LIST_APPEND ? list.tile->items.size() : 0;
    if (list.operation == LIST_CHANGE) list.items.clear();  // every item replaces the same row
    if (kept + list.items.size() >= kMaxItems) {
        complain("ads_add_list", "a list holds at most 32768 rows");
        return RTERROR;
    }
    list.items.push_back(io::toUtf8(item));
    return RTNORM;
}

int ads_end_list(void) {
    PendingList list = std::move(slot());
    slot() = PendingList{};
    if (!list.dialog || !liveDialog(list.dialog)) return RTERROR;
    Tile& tile = *list.tile;
    switch (list.operation) {
    case LIST_NEW:
        tile.items = std::move(list.items);
        listChanged(tile, true);
        break;
    case LIST_APPEND:
        for (std::string& item : list.items) tile.items.push_back(std::move(item));
        listChanged(tile, false);
        break;
    default:
        if (!list.items.empty() && list.index < tile.items.size()) tile.items[list.index] = list.items.back();
        break;
    }
    return RTNORM;
}
