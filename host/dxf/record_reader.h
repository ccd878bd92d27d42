// Reads DXF text one record at a time: a group 0 and the groups up to the
// next group 0.  The groups come out as database groups: points assembled
// from their x, y and z lines, text decoded to UTF-8, the handle and the
// owner taken out as the database keeps them.
#pragma once

#include "db/group.h"
#include "dxf/text_codec.h"
#include "dxf/tokenizer.h"

#include <string>
#include <string_view>
#include <vector>

namespace host::dxf {

struct Record {
    std::string type;       // the value of group 0, as in the file
    uint32_t line = 0;      // line of that value (the type name)
    db::Handle handle = 0;  // group 5 (105 for DIMSTYLE); 0 when none
    bool hasHandle = false;
    // The owner: the first 330 before the first subclass marker, both
    // outside the 102 braces (braces at the start left open are closed as
    // leadingBraces ends them).
    db::Handle owner = 0;
    bool hasOwner = false;
    uint32_t handleLine = 0;  // line of the handle's value
    db::GroupList groups;  // everything else, in order
    // The line of each group's value, kept for a SECTION or ENDSEC record
    // only: the header's variables are its groups, and a note about one
    // names its line.
    std::vector<uint32_t> groupLines;
};

class RecordReader {
public:
    RecordReader(std::string_view text, std::string_view fileName, uint32_t linesBefore = 0);

    void setEncoding(const TextEncoding& encoding) { encoding_ = encoding; }
    // The next record.  False at the end of the text or on damage; then
    // failed() tells which.  Text before the first group 0 is damage too.
    bool next(Record& record);

    bool failed() const { return tokenizer_.failed(); }
    const Diagnostic& error() const { return tokenizer_.error(); }
    // Stops reading with a message about `line` of this file.
    void fail(uint32_t line, std::string message) { tokenizer_.fail(line, std::move(message)); }
    // Line of the last group read.
    uint32_t line() const { return tokenizer_.line(); }
    size_t consumedBytes() const { return tokenizer_.consumedBytes(); }

private:
    bool take(Token& token);
    void putBack(const Token& token);
    void addGroup(Record& record, const Token& token);
    void addPoint(Record& record, const Token& x);

    Tokenizer tokenizer_;
    TextEncoding encoding_;
    Token pending_;
    bool hasPending_ = false;
    std::string scratch_;
};

// $ACADVER and $DWGCODEPAGE of a file, from a quick look at its header.
struct FileVersion {
    std::string acadver;   // "AC1021"; "" when the file gives none
    std::string codePage;  // "ANSI_1252"; "" when the file gives none
    uint32_t acadverLine = 0;  // the line of $ACADVER's name
};
FileVersion peekVersion(std::string_view text);

// The version R12 files give, which a file of an earlier release is read as.
inline constexpr std::string_view kR12Version = "AC1009";

// Whether a version is of a release before R12: AC1006 (R10) down to
// AC1001, and the releases that gave their number (AC2.10, AC1.50).  Their
// files hold what R12's do, with fewer tables and no handles.
bool isBeforeR12(std::string_view acadver);

// How the file's text is stored: UTF-8 from AC1021 on, else its code page.
TextEncoding encodingOf(const FileVersion& version);

} // namespace host::dxf
