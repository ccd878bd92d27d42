// A drawing object kept generically: its type name, handle, owner and the
// ordered groups of its body, with the XDATA at the end.  Every object of a
// drawing is one of these, whether the host models its type or not, so what
// a file holds comes back out unchanged.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "db/group.h"

namespace host::db {

// Index of an object in its database; stays valid for the session.
using Slot = uint32_t;
inline constexpr Slot kNoSlot = UINT32_MAX;

// Type names are interned: the object stores a small number.
using TypeId = uint16_t;
TypeId internType(std::string_view name);  // upper-case names as in group 0
std::string_view typeName(TypeId type);

// Where an object belongs in a file.
enum class ObjectClass : uint8_t {
    Entity,        // graphical: ENTITIES section or inside a block definition
    NonGraphical,  // OBJECTS section: dictionaries, XRECORDs, layouts, unknown objects
    TableHead,     // TABLE ... of the TABLES section
    TableRecord,   // LAYER, LTYPE, ..., BLOCK_RECORD
    BlockBegin,    // BLOCK of the BLOCKS section
    BlockEnd,      // ENDBLK
};

struct Object {
    Handle handle = 0;
    // The owner (group 330 before the first 100 marker in a file; 330 right
    // after group 0 in C API lists).  0: none, e.g. the named-object
    // dictionary or an object made by acdbEntMakeX and not yet added.
    Handle owner = 0;
    TypeId type = 0;
    ObjectClass cls = ObjectClass::Entity;
    bool erased = false;
    // False when the file gave no owner group at all; then none is written.
    bool ownerGroup = true;
    // The body in order, then the XDATA (from the first 1001 group on).
    // The body holds neither the handle (5, or 105 of DIMSTYLE), nor the
    // owner 330.  It does hold the 100 subclass markers, leading 102 groups
    // ({ACAD_REACTORS ... }, {ACAD_XDICTIONARY ... }) and everything else.
    GroupList groups;

    std::string_view typeName() const { return db::typeName(type); }
    bool isType(std::string_view name) const;  // exact, upper-case
};

// Index of the first XDATA group (groups.size() when there is none).
size_t xdataBegin(const Object& object);
// First group with the code in [from, to); null when absent.
const Group* findGroup(const GroupList& groups, int code, size_t from = 0, size_t to = SIZE_MAX);
const Group* findGroup(const Object& object, int code, size_t from = 0, size_t to = SIZE_MAX);
Group* findGroup(Object& object, int code, size_t from = 0, size_t to = SIZE_MAX);
// The text of the first group with the code ("" when absent).
std::string_view groupText(const GroupList& groups, int code);
std::string_view groupText(const Object& object, int code);

} // namespace host::db
