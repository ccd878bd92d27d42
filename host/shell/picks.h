// Entity picks typed as answers: a point (the topmost entity within the
// pick box), "#<handle>", "last"; for selection sets also "all",
// "window x1,y1 x2,y2" and "crossing x1,y1 x2,y2".
#pragma once

#include <string_view>
#include <vector>

#include "db/object.h"

namespace host::shell {

enum class PickOutcome { Picked, Missed, Invalid };

// One pick answer of the current drawing; slots are appended in drawing
// order.  `sets` allows the selection-set forms (all, window, crossing).
PickOutcome pickAnswer(std::string_view answer, bool sets, std::vector<db::Slot>& picked, double point[3]);

// Installs the interactive selection of acedSSGet.
void installSelectionHook();

} // namespace host::shell
