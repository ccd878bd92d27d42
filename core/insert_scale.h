// Lengths between the drawing and an element inserted at a scale: an element
// keeps its real sizes in its own space and its insert draws them scaled, so
// a length measured in the drawing is divided by the scale before it becomes
// an element's length, and an offset in element space is multiplied by it
// before it is added to a point of the drawing.
#pragma once

#include "acge.h"
#include "ads_types.h"

// A factor that can measure: the factor itself when it is a finite number
// other than 0, else 1 (an insert read with no usable scale is taken as
// drawn at full size rather than collapsed or made non-finite).
double UsableScaleFactor(double factor);

// v (x and y) from element space into drawing lengths: times the factors.
void ScaleToDrawing(ads_point v, const AcGeScale3d& scale);
// v (x and y) from drawing lengths into element space: divided by them.
void ScaleToElement(ads_point v, const AcGeScale3d& scale);
// A length measured in the drawing along the element's x axis, in element units.
double ElementLength(double drawingLength, const AcGeScale3d& scale);
