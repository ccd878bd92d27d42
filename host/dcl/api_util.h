// Checks shared by the C functions: live handles, tiles by key, and the
// messages that name what was wrong.
#pragma once

#include <string>

#include "ads_dcl.h"
#include "dcl/dialog.h"

namespace host::dcl {

// Prints "function: message" on the command line.
void complain(const char* function, const std::string& message);

// The live dialog behind hdlg, or null after a complaint.
Dialog* dialogFor(ads_hdlg hdlg, const char* function);
// The tile of a live dialog with this key, or null after a complaint.
Tile* tileFor(Dialog& dialog, const ACHAR* key, const char* function);
// Copies text into a caller's buffer of len characters, cut to fit.
int copyOut(const std::string& text, ACHAR* buffer, int len);

} // namespace host::dcl
