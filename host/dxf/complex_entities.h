// Inserts with attributes and polylines with vertices as other programs
// read them: the sub-entities right after their main entity, closed by a
// SEQEND.  A run without its SEQEND gets one, an insert whose group 66 says
// attributes follow gets its SEQEND even when none follows (both readers
// take an empty run), one followed by attributes says so, and an ATTRIB,
// VERTEX or SEQEND with no main entity before it, which no reader takes,
// is left out; so is a VERTEX in an insert's run or an ATTRIB in a
// polyline's.  Each repair is reported.  False, with `error` saying which,
// when a SEQEND a run needs cannot be added.
#pragma once

#include "db/database.h"
#include "dxf/repair.h"

namespace host::dxf {

bool repairComplexEntities(db::Database& db, const RepairNote& note, std::string& error);

} // namespace host::dxf
