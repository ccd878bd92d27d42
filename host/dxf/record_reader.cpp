#include "dxf/record_reader.h"

#include "db/database.h"
#include "dxf/leading_braces.h"
#include "dxf/number_text.h"

namespace host::dxf {

RecordReader::RecordReader(std::string_view text, std::string_view fileName, uint32_t linesBefore)
    : tokenizer_(text, fileName, linesBefore)
{
    tokenizer_.passNamesInHandles();
}

namespace {

// Where a writer puts a name in a handle code of a dimension style: the
// text style (340) and arrow blocks (342-344) by name, as LibreCAD's DXF
// library writes them, and the arrow block name of R12 in group 5.
bool nameAllowedIn(std::string_view type, int code)
{
    return db::equalNoCase(type, "DIMSTYLE") && (code == 5 || (code >= 340 && code <= 344));
}

// The records of the file's structure, read in any letters as in capitals.
constexpr std::string_view kStructureTypes[] = {"SECTION", "ENDSEC", "EOF", "TABLE", "ENDTAB", "BLOCK", "ENDBLK"};

void capitalizeStructureType(std::string& type)
{
    for (std::string_view structure : kStructureTypes)
        if (type != structure && db::equalNoCase(type, structure)) {
            type = structure;
            return;
        }
}

constexpr int kMarkerCode = 100;
constexpr int kBraceCode = 102;

// Braces at a record's start left open are closed where leadingBraces ends
// them, so that every later step (the markers, the repairs, the save) reads
// the record alike.  An owner not read before them is the first `ownerCode`
// after them, outside braces and before a marker, as in a sound record.
void closeLeadingBraces(Record& record, int ownerCode)
{
    db::GroupList& groups = record.groups;
    const LeadingBraces lead = leadingBraces(groups, !record.hasOwner);
    if (lead.closes.empty()) return;  // closed: the owner was read as in any record
    db::GroupList closed;
    closed.reserve(groups.size() + lead.closes.size());
    size_t close = 0;
    int depth = 0;
    bool ownerPlace = !record.hasOwner;  // where the owner may still stand
    for (size_t i = 0; i < groups.size(); ++i) {
        for (; close < lead.closes.size() && lead.closes[close] == i; ++close)
            closed.push_back(db::Group::text(kBraceCode, "}"));
        db::Group& g = groups[i];
        if (ownerPlace && i >= lead.end) {
            if (g.code() == kBraceCode)
                depth += g.asText().starts_with("{") ? 1 : (depth > 0 ? -1 : 0);
            else if (depth == 0 && g.code() == kMarkerCode)
                ownerPlace = false;
            else if (depth == 0 && g.code() == ownerCode && g.kind() == db::ValueKind::Handle) {
                record.owner = g.asHandle();
                record.hasOwner = true;
                ownerPlace = false;
                continue;
            }
        }
        closed.push_back(std::move(g));
    }
    for (; close < lead.closes.size(); ++close) closed.push_back(db::Group::text(kBraceCode, "}"));
    groups = std::move(closed);
}

} // namespace

bool RecordReader::take(Token& token)
{
    if (hasPending_) {
        token = pending_;
        hasPending_ = false;
        return true;
    }
    // Comments (999) carry nothing for the drawing.
    while (tokenizer_.next(token))
        if (token.code != 999) return true;
    return false;
}

void RecordReader::putBack(const Token& token)
{
    pending_ = token;
    hasPending_ = true;
}

bool RecordReader::next(Record& record)
{
    Token token;
    if (!take(token)) return false;
    if (token.code != 0) {
        fail(token.line, "group " + std::to_string(token.code) + " where a group 0 was expected");
        return false;
    }
    record.type = token.text;
    capitalizeStructureType(record.type);
    record.line = token.line + 1;
    record.handle = record.owner = 0;
    record.hasHandle = record.hasOwner = false;
    record.handleLine = 0;
    record.groups.clear();
    record.groupLines.clear();
    const bool linesKept = record.type == "SECTION" || record.type == "ENDSEC";
    tokenizer_.readCountsWide(record.type == "TABLE");
    // A section's body (the whole header) has no handle or owner of its own.
    // A record's type may come in any letters: it is kept in capitals.
    const int handleCode = record.type == "SECTION" ? -1 : db::equalNoCase(record.type, "DIMSTYLE") ? 105 : 5;
    const int ownerCode = record.type == "SECTION" ? -1 : 330;
    bool seenMarker = false;     // a 100 group
    bool markerOutside = false;  // one outside 102 braces: the owner stands before it
    int braceDepth = 0;          // inside 102 {... } groups
    while (take(token)) {
        const int code = token.code;
        if (code == 0) {
            putBack(token);
            break;
        }
        // Some writers give a DIMSTYLE its handle in 5, as other records.
        const bool ownHandle =
            (code == handleCode || (handleCode == 105 && code == 5)) && !record.hasHandle && !seenMarker;
        // Elsewhere 5 and 105 hold text, as the database keeps them.
        if (token.notHandle && (ownHandle || db::codeKind(code) != db::CodeKind::OwnHandle) &&
            !nameAllowedIn(record.type, code)) {
            tokenizer_.failValue(token);
            return false;
        }
        if (ownHandle && !token.notHandle) {
            record.handle = static_cast<db::Handle>(token.integer);
            record.hasHandle = true;
            record.handleLine = token.line + 1;
            continue;
        }
        if (code == ownerCode && !record.hasOwner && !markerOutside && braceDepth == 0) {
            record.owner = static_cast<db::Handle>(token.integer);
            record.hasOwner = true;
            continue;
        }
        if (code == kMarkerCode) {
            seenMarker = true;
            markerOutside |= braceDepth == 0;
        }
        if (code == kBraceCode) braceDepth += token.text.substr(0, 1) == "{" ? 1 : (braceDepth > 0 ? -1 : 0);
        if (isPointStart(code) && token.kind == ValueKind::Double)
            addPoint(record, token);
        else
            addGroup(record, token);
        if (linesKept) record.groupLines.resize(record.groups.size(), token.line + 1);
    }
    if (braceDepth > 0 && ownerCode > 0 && record.groups.front().code() == kBraceCode)
        closeLeadingBraces(record, ownerCode);
    return !failed();
}

void RecordReader::addPoint(Record& record, const Token& x)
{
    Token y, z;
    if (!take(y)) {
        record.groups.push_back(db::Group::real(x.code, x.real));
        return;
    }
    if (y.code != x.code + 10) {  // a lone coordinate: kept as a single real
        putBack(y);
        record.groups.push_back(db::Group::real(x.code, x.real));
        return;
    }
    if (!take(z)) {
        record.groups.push_back(db::Group::point2d(x.code, x.real, y.real));
        return;
    }
    if (z.code != x.code + 20) {
        putBack(z);
        record.groups.push_back(db::Group::point2d(x.code, x.real, y.real));
        return;
    }
    record.groups.push_back(db::Group::point(x.code, x.real, y.real, z.real));
}

void RecordReader::addGroup(Record& record, const Token& token)
{
    switch (token.kind) {
    case ValueKind::String:
        record.groups.push_back(db::Group::text(token.code, decodeText(token.text, encoding_, scratch_)));
        break;
    case ValueKind::Double: record.groups.push_back(db::Group::real(token.code, token.real)); break;
    case ValueKind::Int16:
    case ValueKind::Int32:
    case ValueKind::Int64:
    case ValueKind::Bool: record.groups.push_back(db::Group::integer(token.code, token.integer)); break;
    case ValueKind::Handle:
        // 5 and 105 are handles only in their own place; elsewhere they are kept as text.
        if (token.code == 5 || token.code == 105)
            record.groups.push_back(db::Group::text(token.code, trimBlanks(token.text)));
        else
            record.groups.push_back(db::Group::handle(token.code, static_cast<db::Handle>(token.integer)));
        break;
    case ValueKind::Binary: record.groups.push_back(db::Group::binary(token.code, trimBlanks(token.text))); break;
    }
}

FileVersion peekVersion(std::string_view text)
{
    FileVersion version;
    Tokenizer tokenizer(text, "");
    tokenizer.passNamesInHandles();
    Token token;
    std::string_view variable;
    uint32_t variableLine = 0;
    while (tokenizer.next(token)) {
        if (token.code == 0 && db::equalNoCase(token.text, "ENDSEC")) break;
        // Variable names in any letters, as the header keeps them.
        if (token.code == 9) {
            variable = token.text;
            variableLine = token.line + 1;
        } else if (db::equalNoCase(variable, "$ACADVER") && token.code == 1) {
            version.acadver = std::string(trimBlanks(token.text));
            version.acadverLine = variableLine;
        } else if (db::equalNoCase(variable, "$DWGCODEPAGE") && token.code == 3) {
            version.codePage = std::string(trimBlanks(token.text));
        }
        if (!version.acadver.empty() && !version.codePage.empty()) break;
    }
    return version;
}

bool isBeforeR12(std::string_view acadver)
{
    // A version sorts by its text; the old form has a point after its first
    // digit, so AC2.10 would sort after every later one.
    if (acadver.empty()) return false;
    return acadver < kR12Version || (acadver.size() > 3 && acadver.substr(0, 2) == "AC" && acadver[3] == '.');
}

TextEncoding encodingOf(const FileVersion& version)
{
    if (version.acadver >= "AC1021") return TextEncoding{};
    const CodePage* page = findCodePage(version.codePage);
    return TextEncoding{page ? page : defaultCodePage()};
}

} // namespace host::dxf
