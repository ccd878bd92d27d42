// Blocks that insert themselves, directly or through other blocks, cannot
// be drawn and other programs refuse them: the insert that closes such a
// cycle is removed, as a host's audit does, with a note.
#pragma once

#include "db/database.h"
#include "dxf/repair.h"

namespace host::dxf {

void breakBlockCycles(db::Database& db, const RepairNote& note);

} // namespace host::dxf
