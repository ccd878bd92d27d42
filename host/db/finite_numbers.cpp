#include "db/finite_numbers.h"

#include <cmath>

namespace host::db {

int nonFiniteCode(const GroupList& groups) {
    for (const Group& g : groups) {
        if (g.kind() == ValueKind::Real && !std::isfinite(g.asReal())) return g.code();
        if (g.kind() == ValueKind::Point && !finite(Point3{g.asPoint()[0], g.asPoint()[1], g.asPoint()[2]}))
            return g.code();
    }
    return 0;
}

} // namespace host::db
