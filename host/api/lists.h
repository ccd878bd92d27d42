// Conversions between result-buffer lists and stored groups, shared by the
// C API functions.
#pragma once

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "ads_types.h"
#include "db/database.h"
#include "db/finite_numbers.h"

namespace host::api {

// Limits of the host: text of a group, an XDATA string, an application
// name, and the XDATA of one object.
inline constexpr size_t kMaxText = 2048;
inline constexpr size_t kMaxXdataText = 255;
inline constexpr size_t kMaxAppName = 255;
inline constexpr size_t kMaxXdataBytes = 16383;

// The current database, or null.
db::Database* current();

// A result buffer converted to a group of its code; false (with a
// message) for a code outside the DXF ranges, a null string, an
// over-long text or a name of another drawing.
bool groupFromResbuf(const db::Database& db, const resbuf& rb, db::Group& out, std::string& error);
// A new result buffer for a stored group (handles become entity names).
resbuf* resbufFromGroup(const db::Database& db, const db::Group& g);

// An entity or object list split into its parts.
struct ParsedList {
    bool hasName = false;
    db::Slot target = db::kNoSlot;  // the -1 group
    bool nameValid = false;
    std::string type;               // group 0, upper-case
    std::string handleText;         // group 5 or 105, when given
    db::GroupList body;    // without -1, 0, 5, the owner 330 and XDATA
    bool hasXdata = false;          // a -3 group was present
    db::GroupList xdata;   // 1001 app ... in list order

    // Empties the list, keeping its storage for the next one.
    void clear() {
        hasName = nameValid = hasXdata = false;
        target = db::kNoSlot;
        type.clear();
        handleText.clear();
        body.clear();
        xdata.clear();
    }
};
bool parseList(const db::Database& db, const resbuf* list, ParsedList& out, std::string& error);
// The checks of checkXdata (below) group by group, for XDATA checked as it
// is converted.
class XdataCheck {
public:
    explicit XdataCheck(const db::Database& db) : db_(db) {}
    bool add(const db::Group& g, std::string& error) {
        bytes_ += bytesOf(g);
        return (g.code() != 1001 && g.code() != 1002) || addMark(g, error);
    }
    // After the last group; checkSize as for checkXdata.
    bool finish(std::string& error, bool checkSize = true) const;
    // Bytes one XDATA group takes, as the host counts them.
    static size_t bytesOf(const db::Group& g) {
        switch (g.kind()) {
        case db::ValueKind::Text: return 1 + (g.code() == 1005 ? 8 : g.asText().size() + 2);
        case db::ValueKind::Binary: return 1 + g.asText().size() / 2 + 1;
        case db::ValueKind::Point: return 1 + 24;
        case db::ValueKind::Real: return 1 + 8;
        case db::ValueKind::Int16: return 1 + 2;
        default: return 1 + 4;
        }
    }

private:
    bool addMark(const db::Group& g, std::string& error);  // 1001 and 1002

    const db::Database& db_;
    int depth_ = 0;
    size_t bytes_ = 0;
};
// The XDATA groups of a list, from the group after its -3 on: application
// blocks, each led by its 1001; appended to xdata, and checked as they come
// when a check is given (finish it after).
bool parseXdata(const db::Database& db, const resbuf* first, db::GroupList& xdata, std::string& error,
                XdataCheck* check = nullptr);
// One group of a list, converted and appended to out; false with a
// message for a code outside the DXF ranges or a bad value.
// A short plain-ASCII text (nearly every text of a list) narrowed straight
// into its group; false for any other text, which takes the long way.
[[gnu::always_inline]] inline bool appendShortText(int code, const ACHAR* text, db::GroupList& out) {
    if (text == nullptr) return false;
    size_t n = 0;
    for (; n <= db::Group::kInlineText; ++n) {
        auto c = static_cast<uint32_t>(text[n]);
        if (c == 0) break;
        if (c >= 0x80) return false;
    }
    if (n > db::Group::kInlineText) return false;
    db::Group g;
    char* room = g.inlineTextRoom(code, n);
    for (size_t i = 0; i < n; ++i) room[i] = static_cast<char>(text[i]);
    out.push_back(g);
    return true;
}
// Points, reals, 16-bit integers and short texts (most groups) are
// converted inline.
bool appendOtherGroup(const db::Database& db, int code, const resbuf& rb, db::GroupList& out, std::string& error);
// False, with the message for a group whose number is not finite.
bool nonFiniteError(std::string& error, int code);

[[gnu::always_inline]] inline bool appendGroup(const db::Database& db, int code, const resbuf& rb,
                                               db::GroupList& out, std::string& error) {
    db::ValueKind kind;
    if (code >= 0 && db::kindOfCode(code, kind)) {
        // Pushed as const lvalues: the vector's inline copy path.
        switch (kind) {
        case db::ValueKind::Point: {
            if (!db::finitePoint(rb.resval.rpoint)) return nonFiniteError(error, code);
            const db::Group g = db::Group::point(code, rb.resval.rpoint);
            out.push_back(g);
            return true;
        }
        case db::ValueKind::Real: {
            if (!std::isfinite(rb.resval.rreal)) return nonFiniteError(error, code);
            const db::Group g = db::Group::real(code, rb.resval.rreal);
            out.push_back(g);
            return true;
        }
        case db::ValueKind::Int16: {
            const db::Group g = db::Group::integer(code, rb.resval.rint);
            out.push_back(g);
            return true;
        }
        case db::ValueKind::Text:
            if (appendShortText(code, rb.resval.rstring, out)) return true;
            break;
        default: break;
        }
    }
    return appendOtherGroup(db, code, rb, out, error);
}

// Angle groups of a list (radians) in the unit the object keeps them in;
// false, with the message, for an angle too large to keep in degrees.
bool anglesToStored(std::string_view type, db::GroupList& body, std::string& error);

// Checks XDATA groups: every application registered, braces balanced,
// values within the limits.
// checkSize: also the host's limit on the bytes the XDATA takes.
bool checkXdata(const db::Database& db, const db::GroupList& xdata, std::string& error,
                bool checkSize = true);
// Replaces, in the object, the XDATA of each application named in xdata
// (an application with no groups is removed); the others stay.
void mergeXdata(db::Object& object, const db::GroupList& xdata);
// The same merge of the object's XDATA, appended to out in one pass.
void appendMergedXdata(const db::Object& object, const db::GroupList& xdata, db::GroupList& out);
// Bytes the object's XDATA takes, as the host counts them.
size_t xdataSize(const db::GroupList& groups, size_t from = 0);

// The object's list as acdbEntGet gives it, with the XDATA of the
// applications that match apps (null: none; wildcards allowed).
resbuf* entityList(const db::Database& db, db::Slot slot, const resbuf* apps);
// True when an application name matches any of the patterns in apps.
bool appWanted(std::string_view app, const resbuf* apps);

// Wildcard match as the host does it (* ? # @ . ~ [] ` and commas),
// without case.
bool wildcardMatch(std::string_view pattern, std::string_view text);

// Wide strings at the boundary.
std::string narrow(const ACHAR* text);
void appendNarrow(const ACHAR* text, std::string& out);
// A type name as the host keeps it: narrowed, ASCII letters upper-cased.
std::string typeNameOf(const ACHAR* text);
ACHAR* newWide(std::string_view utf8);  // malloc'd, for acutDelString or free

// Result-buffer nodes: zeroed new ones, and released ones kept for reuse.
resbuf* newResbuf();
void releaseResbuf(resbuf* rb);
// Room for a string of `length` characters and its terminator (a malloc
// block; short ones come from released strings), and its release.
ACHAR* newText(size_t length);
void releaseText(void* text);

// Records the last error for tests and the transcript-free caller.
void setError(std::string message);
const std::string& lastError();

} // namespace host::api

namespace host::api {
// Per-drawing state dropped when a drawing goes away.
void forgetBracket(uint32_t serial);
void forgetSelectionSets(uint32_t serial);
void forgetReactors(uint32_t serial);
void forgetCurrent(uint32_t serial);
} // namespace host::api
