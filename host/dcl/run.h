// The modal loop of a dialog: it reads input lines and acts on the tiles as
// the user would, until a callback (or an automatic accept or cancel)
// closes the dialog.
//
//   key=value   sets the value as the user would, then runs the action
//               with reason 1; an image button takes "x,y", the point picked
//   key         presses the tile (reason 1): a button is clicked, a toggle
//               flipped, a radio button chosen
//   key=value!  a double click (list boxes, image buttons; "key!" for an
//               image button): reason 1, then reason 4
//   ?           lists every tile with its value and state
//   (empty)     Enter: presses the default tile
//   ^C          Escape: the cancel tile's action
// End of input cancels the dialog (and so every open dialog, innermost
// first).  Bad lines get a message and the dialog goes on.
#pragma once

#include <string>

#include "dcl/dialog.h"

namespace host::dcl {

// Runs a dialog that was just started; returns its closing status.
int runDialog(Dialog& dialog);

// Acts on one input line.
void handleLine(Dialog& dialog, const std::string& line);

// What Escape does: the cancel tile's action, then closing with status 0
// if the dialog is still open.
void escape(Dialog& dialog);

} // namespace host::dcl
