// Conversions between drawing lengths and the lengths of a scaled element.
#include "core/insert_scale.h"

#include <cmath>

double UsableScaleFactor(double factor) {
    return std::isfinite(factor) && factor != 0.0 ? factor : 1.0;
}

void ScaleToDrawing(ads_point v, const AcGeScale3d& scale) {
    v[0] *= UsableScaleFactor(scale.sx);
    v[1] *= UsableScaleFactor(scale.sy);
}

void ScaleToElement(ads_point v, const AcGeScale3d& scale) {
    v[0] /= UsableScaleFactor(scale.sx);
    v[1] /= UsableScaleFactor(scale.sy);
}

double ElementLength(double drawingLength, const AcGeScale3d& scale) {
    // A mirrored insert (negative factor) keeps its lengths positive.
    return drawingLength / std::fabs(UsableScaleFactor(scale.sx));
}
