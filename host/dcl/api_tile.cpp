// Tile calls: actions, client data, values, attributes and modes.

#include "ads_dcl.h"
#include "dcl/api_util.h"
#include "dcl/values.h"
#include "io/io.h"

using namespace host;
using namespace host::dcl;

namespace {

// Attribute text as the definition wrote it; empty when the tile has none.
int attributeOut(const Tile& tile, const ACHAR* attr, ACHAR* value, int len) {
    if (!attr) return RTERROR;
    return copyOut(tile.attributeText(io::toUtf8(attr)), value, len);
}

} // namespace

int ads_action_tile(ads_hdlg hdlg, const ACHAR* key, CLIENTFUNC tilefunc) {
    Dialog* dialog = dialogFor(hdlg, "ads_action_tile");
    Tile* tile = dialog ? tileFor(*dialog, key, "ads_action_tile") : nullptr;
    if (!tile) return RTERROR;
    tile->action = tilefunc;
    return RTNORM;
}

int ads_client_data_tile(ads_hdlg hdlg, const ACHAR* key, void* clientdata) {
    Dialog* dialog = dialogFor(hdlg, "ads_client_data_tile");
    Tile* tile = dialog ? tileFor(*dialog, key, "ads_client_data_tile") : nullptr;
    if (!tile) return RTERROR;
    tile->clientData = clientdata;
    return RTNORM;
}

int ads_set_tile(ads_hdlg hdlg, const ACHAR* key, const ACHAR* value) {
    Dialog* dialog = dialogFor(hdlg, "ads_set_tile");
    Tile* tile = dialog ? tileFor(*dialog, key, "ads_set_tile") : nullptr;
    if (!tile || !value) return RTERROR;
    setValue(*tile, io::toUtf8(value));
    return RTNORM;
}

int ads_get_tile(ads_hdlg hdlg, const ACHAR* key, ACHAR* value, int maxlen) {
    Dialog* dialog = dialogFor(hdlg, "ads_get_tile");
    Tile* tile = dialog ? tileFor(*dialog, key, "ads_get_tile") : nullptr;
    if (!tile) {
        copyOut("", value, maxlen);
        return RTERROR;
    }
    return copyOut(tile->value, value, maxlen);
}

int ads_get_attr(ads_hdlg hdlg, const ACHAR* key, const ACHAR* attr, ACHAR* value, int len) {
    Dialog* dialog = dialogFor(hdlg, "ads_get_attr");
    Tile* tile = dialog ? tileFor(*dialog, key, "ads_get_attr") : nullptr;
    if (!tile) {
        copyOut("", value, len);
        return RTERROR;
    }
    return attributeOut(*tile, attr, value, len);
}

int ads_get_attr_string(ads_htile tile, const ACHAR* attr, ACHAR* value, int len) {
    Dialog* dialog = dialogOfTile(tile);
    if (!dialog) {
        complain("ads_get_attr_string", "not a tile of an open dialog");
        copyOut("", value, len);
        return RTERROR;
    }
    return attributeOut(*static_cast<const Tile*>(tile), attr, value, len);
}

int ads_mode_tile(ads_hdlg hdlg, const ACHAR* key, short mode) {
    Dialog* dialog = dialogFor(hdlg, "ads_mode_tile");
    Tile* tile = dialog ? tileFor(*dialog, key, "ads_mode_tile") : nullptr;
    if (!tile) return RTERROR;
    switch (mode) {
    case MODE_ENABLE:
        tile->enabled = true;
        break;
    case MODE_DISABLE:
        tile->enabled = false;
        if (dialog->focus && !dialog->focus->usable()) dialog->moveFocusAway();
        break;
    case MODE_SETFOCUS:
        if (tile->usable()) dialog->focus = tile;
        break;
    case MODE_SETSEL:
        if (tile->usable()) dialog->focus = tile;
        tile->textSelected = tile->kind == TileKind::EditBox;
        break;
    case MODE_FLIP:
        tile->highlighted = !tile->highlighted;
        break;
    default:
        complain("ads_mode_tile", "no mode " + std::to_string(mode) + " (0 to 4)");
        return RTERROR;
    }
    return RTNORM;
}
