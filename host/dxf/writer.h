// Writes a drawing database as DXF text: R2007 (AC1021, UTF-8) by default,
// R2000 (AC1015, ANSI_1252 with \U+XXXX escapes) on request.
//
// Before writing, the drawing is completed where a file must hold more than
// it has (see repair.h: e.g. an APPID for every XDATA application); one
// that cannot be (no handle is left for what it needs) is not written.
// Anonymous *U blocks that nothing inserts, and *D blocks of no dimension,
// are left out of the file, with everything they own; the database keeps
// them, so an erased insert can still come back.
#pragma once

#include "db/database.h"
#include "dxf/diagnostic.h"

#include <string>
#include <vector>

namespace host::dxf {

enum class DxfVersion { R2000, R2007 };

struct WriteOptions {
    DxfVersion version = DxfVersion::R2007;
    bool binary = false;  // binary DXF instead of text (the file only)
};

// Saves atomically: the old file stays as it was unless the whole new one
// was written.  False with `error` saying why.  `notes`, when given, gets
// what the file holds otherwise than the drawing does (an entity left out
// of the saved extents), each as a note about the file.
bool writeDxfFile(db::Database& db, const std::string& path, const WriteOptions& options, std::string& error,
                  std::vector<Diagnostic>* notes = nullptr);
// The same text in memory; false (`out` empty, `error` saying why when
// given) when the drawing cannot be completed.
bool writeDxfText(db::Database& db, std::string& out, const WriteOptions& options = {},
                  std::vector<Diagnostic>* notes = nullptr, std::string* error = nullptr);

// "AC1021" or "AC1015".
const char* versionString(DxfVersion version);

} // namespace host::dxf
