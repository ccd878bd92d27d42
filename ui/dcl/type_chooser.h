// The element type chooser: a dialog page of slide images, one per type of
// a family, beside a list of the types' codes.  The user picks a type by
// its image or its list row (a double click picks and closes at once).
#pragma once

#include <cstdint>

#include "ads_dcl.h"

// Shows chooser page `page` (1 rectangular ducts, 2 round ducts, 3 air
// terminals, 4 fire dampers, 5 all of family 5, 6 fans, 7 heaters,
// 8 filters).  Returns 0 with the chosen subtype (a row of the family's
// type table) in *subtype, or -1 when the dialog is missing, was cancelled
// or closed with nothing chosen; *subtype is then left alone.
int16_t ChooseElementType(int16_t page, int16_t* subtype);

// What one run of the chooser keeps; the client data of its tiles.
struct ChooserState {
    int16_t pageIndex = 0;
    int16_t subtype = 0;    // 0: nothing chosen
    char lastKey[20] = "";  // the image tile highlighted last
};

// The tile callbacks.
void TypeChooserOnList(ads_callback_packet* packet);  // "list" and the images
void TypeChooserOnAccept(ads_callback_packet* packet);
void TypeChooserOnCancel(ads_callback_packet* packet);
void TypeChooserOnHelp(ads_callback_packet* packet);
