#include "core/insert_defaults.h"

static AcGeScale3d currentInsertScale;

AcGeScale3d CurrentInsertScale() { return currentInsertScale; }

void SetCurrentInsertScale(const AcGeScale3d& scale) { currentInsertScale = scale; }
