// The host's own base definitions, seen by every dialog file: the tile
// types with their defaults and the standard buttons, clusters and texts.
#pragma once

#include "dcl/ast.h"

namespace host::dcl {

const Scope& baseScope();

} // namespace host::dcl
