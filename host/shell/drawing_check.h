// Checks of a drawing before it is written: a number that is not finite
// would make a file that no reader (this host included) opens again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace host::db {
class Database;
}

namespace host::shell {

// "LINE 2A (group 10)" or "header variable $EXTMIN (group 10)" for the
// first object holding an infinite or NaN number; empty when none does.
std::string firstNonFiniteNumber(const db::Database& drawing);
// A digest of everything a file of the drawing would hold: equal digests
// mean nothing was changed in between.
uint64_t drawingDigest(const db::Database& drawing);
// The entities of model space that are not erased.
size_t modelSpaceEntityCount(const db::Database& drawing);

} // namespace host::shell
