#include "core/drawing_context.h"

static LDrawingContext* currentDrawing = nullptr;

LDrawingContext* CurrentDrawing() { return currentDrawing; }

void SetCurrentDrawing(LDrawingContext* drawing) { currentDrawing = drawing; }
