// Reads a DXF file (AC1009 to AC1032) into a new drawing database.
//
// Everything the file holds is kept: objects and entities of any type with
// their groups in order, XDATA, extension dictionaries, header variables
// and CLASSES.  The read goes into a database of its own, so a caller
// swaps it in only on success and the open drawing stays as it was.
#pragma once

#include "db/database.h"
#include "dxf/diagnostic.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace host::dxf {

struct ReadReport {
    // Why the read failed: the file and line, and what is wrong there.
    Diagnostic error;
    // What the reader repaired in a readable but inconsistent file, as a
    // host's audit would (missing table entries, a low $HANDSEED, ...).
    std::vector<Diagnostic> repairs;
    // Repairs made beyond the notes kept of their kind, counted only: with
    // `repairs`, every repair made.
    std::vector<RepairCount> countedOnly;
    // $ACADVER of the file ("AC1015").
    std::string version;
};

// The drawing, or null when the file cannot be read (report.error says why).
std::unique_ptr<db::Database> readDxfFile(const std::string& path, ReadReport& report);
// The same for text in memory; `fileName` names it in messages.
std::unique_ptr<db::Database> readDxfText(std::string_view text, std::string_view fileName, ReadReport& report);

} // namespace host::dxf
