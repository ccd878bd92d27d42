// The host's DCL dialog functions.
//
// A dialog file is loaded once (ads_load_dialog), a dialog of it opened
// (ads_new_dialog), its tiles filled and bound to callbacks, and then shown
// modally (ads_start_dialog); the callbacks run inside that call.  Every
// string is wide; keys, attribute names and values are case-sensitive.
// The functions return RTNORM, or RTERROR when the call cannot be done.
#pragma once

#include "ads_types.h"

// Handles of an open dialog and of one of its tiles (inside callbacks).
typedef void* ads_hdlg;
typedef void* ads_htile;

// Callback reasons.
#define CBR_SELECT 1      // the tile was chosen
#define CBR_LOST_FOCUS 2  // an edit box lost the focus without a final choice
#define CBR_DRAG 3        // a slider is being dragged
#define CBR_DOUBLE_CLICK 4  // list box or image button double click, after a 1

// Tile modes.
#define MODE_ENABLE 0
#define MODE_DISABLE 1
#define MODE_SETFOCUS 2
#define MODE_SETSEL 3
#define MODE_FLIP 4

// List operations.
#define LIST_CHANGE 1
#define LIST_APPEND 2
#define LIST_NEW 3

// Closing statuses: OK, Cancel, ended by ads_term_dialog, and the first
// status whose meaning the application decides.
#define DLGOK 1
#define DLGCANCEL 0
#define DLGALLDONE -1
#define DLGSTATUS 2

// What a callback receives.  value points to the tile's value for the time
// of the call only; x and y are the picked point of an image button.
struct ads_callback_packet {
    ads_hdlg dialog;
    ads_htile tile;
    ACHAR* value;
    void* client_data;
    int reason;
    long x;
    long y;
};

typedef void (*CLIENTFUNC)(ads_callback_packet* packet);
#define NULLCB ((CLIENTFUNC)0)

// Dialog files.
int ads_load_dialog(const ACHAR* dclfile, int* dcl_id);
int ads_unload_dialog(int dcl_id);

// Opening, running and closing dialogs.
int ads_new_dialog(const ACHAR* dlgname, int dcl_id, CLIENTFUNC def_callback, ads_hdlg* hdlg);
int ads_new_positioned_dialog(const ACHAR* dlgname, int dcl_id, CLIENTFUNC def_callback, int x, int y,
                              ads_hdlg* hdlg);
int ads_start_dialog(ads_hdlg hdlg, int* status);
int ads_done_dialog(ads_hdlg hdlg, int status);
int ads_done_positioned_dialog(ads_hdlg hdlg, int status, int* x_result, int* y_result);
int ads_term_dialog(void);

// Tiles.
int ads_action_tile(ads_hdlg hdlg, const ACHAR* key, CLIENTFUNC tilefunc);
int ads_client_data_tile(ads_hdlg hdlg, const ACHAR* key, void* clientdata);
int ads_set_tile(ads_hdlg hdlg, const ACHAR* key, const ACHAR* value);
int ads_get_tile(ads_hdlg hdlg, const ACHAR* key, ACHAR* value, int maxlen);
int ads_get_attr(ads_hdlg hdlg, const ACHAR* key, const ACHAR* attr, ACHAR* value, int len);
int ads_get_attr_string(ads_htile tile, const ACHAR* attr, ACHAR* value, int len);
int ads_mode_tile(ads_hdlg hdlg, const ACHAR* key, short mode);

// Lists of list boxes and popup lists.
int ads_start_list(ads_hdlg hdlg, const ACHAR* key, short operation, short index);
int ads_add_list(const ACHAR* item);
int ads_end_list(void);

// Images: coordinates from the upper-left corner; ads_dimensions_tile gives
// the largest x and y of the tile.
int ads_dimensions_tile(ads_hdlg hdlg, const ACHAR* key, short* cx, short* cy);
int ads_start_image(ads_hdlg hdlg, const ACHAR* key);
int ads_fill_image(int x1, int y1, int width, int height, int color);
int ads_vector_image(int x1, int y1, int x2, int y2, int color);
int ads_slide_image(int x1, int y1, int width, int height, const ACHAR* slidename);
int ads_end_image(void);
