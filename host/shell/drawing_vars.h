// System variables that live in the drawing: the current layer, colour,
// linetype, text style and height, the linetype and dimension scales and
// the dimension style.  The drawing's header holds them, so that what is
// set is what the host's commands use and what a save writes, and an
// opened drawing has its file's values.
#pragma once

#include <string>
#include <string_view>

#include "shell/documents.h"

namespace host::shell {

// Copies the drawing's values into the document's variables: all of them,
// or the one named.  A header value the variable would refuse (a layer the
// drawing lacks, a height of 0) reads as the variable's default.
void syncDrawingVars(Document& doc);
void syncDrawingVar(Document& doc, std::string_view name);
// Sets a variable, in the drawing's header where it lives there (and for
// DIMSCALE in the current dimension style, whose settings a save writes).
// Empty when set; else why the value is refused (variable_values.h), or
// that the name is unknown or read-only.
std::string setDrawingVar(Document& doc, std::string_view name, const SysVarValue& value);

// What new entities take in the current document (without one, the
// defaults of a new drawing).
std::string currentLayerName();
std::string currentDimStyleName();
double currentTextSize();
double currentDimScale();
// A colour number (kColourByLayer and kColourByBlock included).
int currentColour();
std::string currentLinetypeName();
std::string currentTextStyleName();

} // namespace host::shell
