// What the fuzz targets hold of every drawing the host writes: the file
// opens again, and without a word, since a save must hold nothing a read
// would have to repair (a user who saved a drawing would otherwise be told
// of damage on opening it, or be refused it).
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "dxf/reader.h"

// A record without subclass markers of a type no table gives an order of
// markers for (3DLINE) is kept and saved as read, and told of on every
// open: that note is not held against the save here.  Records of every
// other type are saved with their markers.
inline bool heldAgainstSave(const host::dxf::RepairKind& kind)
{
    return kind.name != "kept without subclass markers";
}

// `what` names the drawing in the message ("a written drawing").
inline void requireReadsBackQuietly(std::string_view written, const char* what)
{
    host::dxf::ReadReport again;
    if (!host::dxf::readDxfText(written, "written.dxf", again)) {
        std::fprintf(stderr, "%s does not read back: %s\n", what, again.error.text().c_str());
        std::abort();
    }
    bool quiet = true;
    for (const host::dxf::Diagnostic& note : again.repairs) quiet &= !heldAgainstSave(note.kind);
    for (const host::dxf::RepairCount& count : again.countedOnly) quiet &= !heldAgainstSave(count.kind);
    if (quiet) return;
    std::fprintf(stderr, "%s needs repairs when read back:\n", what);
    for (const host::dxf::Diagnostic& note : again.repairs) std::fprintf(stderr, "  %s\n", note.text().c_str());
    std::abort();
}
