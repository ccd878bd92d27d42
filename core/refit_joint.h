// Fitting an element e (the placing command's current element) between two
// fixed connectors: connector i of a and connector j of b, met by e's
// connectors k and l.  Mode 0 re-fits an existing element; mode 1
// fits a new one and lays a long straight duct as standard pieces.
#pragma once

#include <cstdint>

class LObject;

// 0 done (all elements written back), -1 refused before the drawing changes,
// kRefitRunTooLong when a long duct would be laid as more pieces than one
// run takes (said, nothing laid), kRefitNotWritten when the drawing refused
// to write an element (said, and the drawing left as it was).
// e is judged at the sizes it takes from a.i and b.j; its joints are recorded
// only where its ends meet them.  A refusal leaves e as it was, so that the
// next pair tried is judged from e's own values.  Re-fitting (mode 0), e
// takes only the sizes of the two ends and keeps its other values.
int16_t RefitJoint(int16_t mode, LObject* e, LObject* a, LObject* b, int16_t i, int16_t j, int16_t k, int16_t l);

constexpr int16_t kRefitRunTooLong = -2;
constexpr int16_t kRefitNotWritten = -3;
