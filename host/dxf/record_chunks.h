// Splits DXF text into its records, in pieces read side by side on large
// files.  Pieces start at a group 0; the records come back in file order,
// each piece's with the first damage found in it.
#pragma once

#include "dxf/mapped_file.h"
#include "dxf/record_reader.h"

#include <vector>

namespace host::dxf {

struct RecordChunk {
    std::vector<Record> records;
    bool failed = false;  // damage after the last record
    Diagnostic error;
};

struct ParsedText {
    std::vector<RecordChunk> chunks;
    uint32_t lineCount = 0;  // lines of the whole text
};

// Reads every record of `text`.  With a mapping, the pages of each piece are
// given back once it is read (records keep no views into the text).
ParsedText parseRecords(std::string_view text, std::string_view fileName, const TextEncoding& encoding,
                        MappedFile* mapping);

} // namespace host::dxf
