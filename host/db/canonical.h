// The host's group order for the types it models.  acdbEntMake and
// acdbEntMod put an input list into this order (filling defaults, which
// acdbEntMod leaves out again for an entity's fields that neither it nor
// the list holds, and dropping BYLAYER linetype and colour), so entity
// lists come back as the target host gives them, e.g. for an INSERT:
//   100 AcDbEntity, 8, [6], [62], 100 AcDbBlockReference, 2, 10, 41, 42, 43,
//   50, 70, 71, 44, 45, 210.
// Modelled: LINE ARC CIRCLE ELLIPSE SOLID POINT HATCH TEXT INSERT LEADER DIMENSION
// BLOCK ENDBLK DICTIONARY XRECORD and the table records.  HATCH, DIMENSION
// and XRECORD data keep their input order after their fixed part.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "db/group.h"

namespace host::db {

bool isModelledType(std::string_view type);

// How the host keeps the groups of the part of a type that a subclass
// marker begins (empty: the groups before any marker, its first part's).
// AnyCode: in the order given, whatever their codes: every part of a type
// it does not model, and a modelled type's data (an XRECORD's).  Fields:
// a part it models (a HATCH's boundaries too, kept in the order given).
// NoPart: the marker is none of the type's, and its groups go on in the
// part before it.
enum class PartGroups : uint8_t { Fields, AnyCode, NoPart };
PartGroups partGroups(std::string_view type, std::string_view marker);

// Builds the canonical body of a modelled type from input groups (no -1, 0,
// 5, owner 330 or XDATA among them; 100 markers optional).  False, with a
// message, when a group code does not belong to the type or a required
// group is missing.  Unmodelled types: the input is copied as it is.
// The body is allocated to its exact size plus `spare` groups (room for
// XDATA the caller appends).
bool canonicalBody(std::string_view type, const GroupList& input, GroupList& body,
                   std::string& error, size_t spare = 0);

// Where a group code stands among the fields of a type's subclass (the one
// with this marker) in the host's order, 0 for the first; -1 when it is
// none of them, or the type or subclass is not modelled.
int fieldPlace(std::string_view type, std::string_view marker, int code);

// The group a body of the type gets when it lacks the field of this code
// (an INSERT's counts and extrusion, a TEXT's style); null when the host
// fills in nothing for the code.
const Group* filledDefault(std::string_view type, int code);
// Every group filledDefault gives for the type, in code order: one look-up
// for a whole body.
const std::vector<const Group*>& filledDefaults(std::string_view type);

// The column and row counts of an INSERT (70, 71): a body holds at least 1
// there, whatever was given, as the host keeps them (other readers draw
// nothing of a block inserted 0 times).
bool isInsertCount(std::string_view type, int code);

// One step of building a body: which group goes next.
struct BodyStep {
    enum Op : uint8_t {
        Marker,             // the subclass marker `group` points to
        Copy,               // input[index]
        CopyUnlessDefault,  // input[index], unless it equals *group
        Fallback,           // *group, the field's default
        CopyAs13,           // input[index] with code 13: a SOLID's missing fourth corner
    };
    Op op;
    uint16_t index;
    const Group* group;  // a schema's own group: valid for the session
};

// The steps that build the body of a modelled type from input groups like
// these; null for an unmodelled type, or with a message for bad input.
// The plan stays valid until the next call on the same thread; it holds
// for any input of the same codes without 100 or 102 groups.
const std::vector<BodyStep>* bodyPlan(std::string_view type, const GroupList& input, std::string& error);
// True when a step leaves its given group out: the group holds the field's
// default, which the host does not keep (BYLAYER linetype and colour).
bool leavesOut(const BodyStep& step, const Group& given);
// Runs a plan over its input: body gets exactly its groups plus `spare` room.
void runBodyPlan(const std::vector<BodyStep>& plan, const GroupList& input, GroupList& body,
                 size_t spare);

} // namespace host::db
