// Where the subclass markers of an entity go when its record lost some of
// them or has them out of order.  Other readers take a subclass as the
// groups after its marker (ezdxf by the marker's place, the host by its
// name), so each group must come out under its own part.  The groups keep
// their order, and the parts begin where the codes each part is known to
// hold say; between places the codes do not tell apart, at the record's
// own markers, each taking the name of the part whose place it holds (a
// swapped pair is read by its places).  A marker that stands where no part
// begins (given twice) is left out.  Where every part's codes are known, a
// group that only one part holds goes under that part, wherever the record
// had it; one whose code several parts hold goes under the part that holds
// the other groups of its run (what follows one of the record's markers),
// where they all go under one.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace host::dxf {

// AcDbEntity and a surface's four.
constexpr size_t kMostParts = 5;

// One part (subclass) of an entity: the group codes it holds, when known.
struct PartFields {
    std::span<const int> codes;  // sorted
    bool known = false;          // false: any group may be the part's
};

// A group of an entity's body, as the placement sees it.
struct BodyGroup {
    int code = 0;
    uint8_t markerOf = 0;   // a subclass marker: bit j set when part j takes its name
    bool foreign = false;   // of an application's 102 braces: stays where it is
    bool continues = false; // the braces go on after it: no marker may follow it
};

struct Placement {
    static constexpr uint32_t kNewMarker = UINT32_MAX;
    static constexpr uint8_t kNotWritten = UINT8_MAX;  // a marker taken by a part, or one too many
    // For each part, the body group that is its marker, or kNewMarker.
    std::array<uint32_t, kMostParts> marker{};
    // For each body group, the part it goes under, or kNotWritten.
    std::vector<uint8_t> partOf;
};

// Places `parts` (AcDbEntity first, at most kMostParts) over `body`: fewest
// groups under a part that does not hold them, then most of the record's
// own markers kept, then most of them under their own names; between
// places that tie, the later one, so that fewer groups change part.
Placement placeParts(std::span<const PartFields> parts, std::span<const BodyGroup> body);

} // namespace host::dxf
