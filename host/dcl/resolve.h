// Turns definitions into tile trees: parents' attributes are merged in
// (the first parent wins, the tile's own settings win over all), a tile
// without children of its own takes those of its first parent that has
// some, and its kind is that of the base tile it derives from.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "dcl/ast.h"
#include "dcl/tile.h"

namespace host::dcl {

// The tile tree of the dialog named name; null with a message naming file
// and line when it cannot be built or is not a dialog.
std::unique_ptr<Tile> buildDialog(const Scope& scope, const std::string& name, std::string& error);

// Checks every definition of the file and of its includes: names that
// exist, no loops, children only in containers, every dialog buildable.
bool checkScope(const Scope& scope, std::string& error);

// Names of the dialogs the file and its includes define, in file order.
std::vector<std::string> dialogsOf(const Scope& scope);

} // namespace host::dcl
