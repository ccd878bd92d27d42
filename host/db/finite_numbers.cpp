#include "db/finite_numbers.h"

#include <cmath>

namespace host::db {

int nonFiniteCode(const GroupList& groups) {
    for (const Group& g : groups) {
        if (g.kind() == ValueKind::Real && !std::isfinite(g.asReal())) return g.code();
        if (g.kind() == ValueKind::Point && !finitePoint(g.asPoint())) return g.code();
    }
    return 0;
}

} // namespace host::db
