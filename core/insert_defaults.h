// The drawing defaults that a new element takes when it is built.  The
// document state sets them whenever it becomes current; until then a new
// element has the unit scale.
#pragma once

#include "acge.h"

AcGeScale3d CurrentInsertScale();
void SetCurrentInsertScale(const AcGeScale3d& scale);
