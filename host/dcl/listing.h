// The text form of an open dialog, for "?" and for terminals: its title,
// then one line per tile with a key (and per text without one) giving
// kind, label, value and state, with the rows of lists and the pictures
// of images.
#pragma once

#include <string>

#include "dcl/dialog.h"

namespace host::dcl {

std::string describeDialog(const Dialog& dialog);

} // namespace host::dcl
