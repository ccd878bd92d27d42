// System variables that live in the drawing (CLAYER, DIMSTYLE): read from
// and written to the document's database.
#pragma once

#include <string>
#include <string_view>

#include "shell/documents.h"

namespace host::shell {

// Copies the drawing's values into the document's variables.
void syncDrawingVars(Document& doc);
// Sets a variable, through the drawing where it lives there; false when
// the name is unknown, read-only, of another type or names nothing (a
// layer that does not exist).
bool setDrawingVar(Document& doc, std::string_view name, const SysVarValue& value);

// The current document's layer for new entities ("0" without one).
std::string currentLayerName();
// The current dimension style's name ("STANDARD" without one).
std::string currentDimStyleName();
// TEXTSIZE of the current document.
double currentTextSize();

} // namespace host::shell
