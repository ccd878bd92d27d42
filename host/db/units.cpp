#include "db/units.h"

#include <cmath>

namespace host::db {

bool angleInDegrees(std::string_view type, int code) {
    if (code < 50 || code > 53) return false;
    if (type == "ARC" || type == "TEXT" || type == "ATTRIB" || type == "ATTDEF" || type == "SHAPE")
        return code == 50 || code == 51;
    if (type == "INSERT" || type == "POINT" || type == "STYLE" || type == "MTEXT") return code == 50;
    return type == "DIMENSION" || type == "HATCH";
}

double toRadians(std::string_view type, int code, double stored) {
    return angleInDegrees(type, code) ? stored * (M_PI / 180.0) : stored;
}

double fromRadians(std::string_view type, int code, double radians) {
    return angleInDegrees(type, code) ? radians * (180.0 / M_PI) : radians;
}

} // namespace host::db
