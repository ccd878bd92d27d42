#include "db/finite_numbers.h"

#include <cmath>

namespace host::db {

int nonFiniteCode(const GroupList& groups) {
    for (const Group& g : groups) {
        if (g.kind() == ValueKind::Real && !std::isfinite(g.asReal())) return g.code();
        if (g.kind() == ValueKind::Point) {
            const double* p = g.asPoint();
            if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2])) return g.code();
        }
    }
    return 0;
}

} // namespace host::db
