#include "api/lists.h"

#include <array>
#include <cstdlib>
#include <cstring>

#include "api/host_api.h"
#include "db/units.h"
#include "io/io.h"

namespace host::api {

using db::Group;
using db::GroupList;
using db::ValueKind;

namespace {
std::string& errorText() {
    static std::string text;
    return text;
}

bool fitsInt32(long v) { return v >= INT32_MIN && v <= INT32_MAX; }

char hexDigit(int v) { return "0123456789ABCDEF"[v & 15]; }

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Matches one pattern (no top-level commas) from positions p and t.
bool matchOne(std::string_view p, size_t pi, std::string_view t, size_t ti) {
    while (pi < p.size()) {
        char c = p[pi];
        if (c == '*') {
            for (size_t k = ti; k <= t.size(); ++k)
                if (matchOne(p, pi + 1, t, k)) return true;
            return false;
        }
        if (ti >= t.size()) return false;
        char x = t[ti];
        if (c == '?') {
        } else if (c == '#') {
            if (!isDigit(x)) return false;
        } else if (c == '@') {
            if (!isAlpha(x)) return false;
        } else if (c == '.') {
            if (isAlpha(x) || isDigit(x)) return false;
        } else if (c == '[') {
            size_t k = pi + 1;
            bool negate = k < p.size() && p[k] == '~';
            if (negate) ++k;
            bool hit = false;
            size_t start = k;
            for (; k < p.size() && (p[k] != ']' || k == start); ++k) {
                if (k + 2 < p.size() && p[k + 1] == '-' && p[k + 2] != ']') {
                    hit = hit || (upper(x) >= upper(p[k]) && upper(x) <= upper(p[k + 2]));
                    k += 2;
                } else {
                    hit = hit || upper(x) == upper(p[k]);
                }
            }
            if (k >= p.size() || hit == negate) return false;
            pi = k;
        } else {
            if (c == '`' && pi + 1 < p.size()) c = p[++pi];
            if (upper(c) != upper(x)) return false;
        }
        ++pi;
        ++ti;
    }
    return ti == t.size();
}
} // namespace

void setError(std::string message) { errorText() = std::move(message); }
const std::string& lastError() { return errorText(); }

void appendNarrow(const ACHAR* text, std::string& out) {
    if (text == nullptr) return;
    for (const ACHAR* p = text; *p; ++p) {
        auto c = static_cast<uint32_t>(*p);
        if (c < 0x80) out += static_cast<char>(c);
        else out += io::toUtf8(std::wstring_view(p, 1));
    }
}

std::string typeNameOf(const ACHAR* text) {
    std::string out;
    appendNarrow(text, out);
    for (char& c : out) c = upper(c);
    return out;
}

std::string narrow(const ACHAR* text) {
    std::string out;
    appendNarrow(text, out);
    return out;
}

bool wildcardMatch(std::string_view pattern, std::string_view text) {
    // A plain name (the usual application filter) is compared directly,
    // without case as matchOne does.
    static constexpr auto special = [] {
        std::array<bool, 256> table{};
        for (char c : std::string_view("*?#@.~[],`")) table[static_cast<unsigned char>(c)] = true;
        return table;
    }();
    bool plain = true;
    for (char c : pattern) plain = plain && !special[static_cast<unsigned char>(c)];
    if (plain) {
        if (pattern.size() != text.size()) return false;
        for (size_t i = 0; i < text.size(); ++i)
            if (upper(pattern[i]) != upper(text[i])) return false;
        return true;
    }
    // Split at commas that are not escaped.
    size_t start = 0;
    for (size_t i = 0; i <= pattern.size(); ++i) {
        if (i < pattern.size() && pattern[i] == '`') {
            ++i;
            continue;
        }
        if (i < pattern.size() && pattern[i] != ',') continue;
        std::string_view one = pattern.substr(start, i - start);
        bool negate = !one.empty() && one[0] == '~';
        if (negate) one.remove_prefix(1);
        if (matchOne(one, 0, text, 0) != negate) return true;
        start = i + 1;
    }
    return false;
}

namespace {
// Error texts are made out of line, so the conversions stay small.
[[gnu::cold, gnu::noinline]] bool groupError(std::string& error, const char* before, int code, const char* after) {
    error = before + std::to_string(code) + after;
    return false;
}

// A text that is not short plain ASCII: through UTF-8, within the limit.
[[gnu::noinline]] bool appendWideText(int code, std::string_view start, const ACHAR* rest, size_t limit,
                                      GroupList& out, std::string& error) {
    std::string utf8(start);
    appendNarrow(rest, utf8);
    if (utf8.size() > limit) {
        error = "text of group " + std::to_string(code) + " is longer than " + std::to_string(limit) + " bytes";
        return false;
    }
    out.push_back(Group::text(code, utf8));
    return true;
}

// A text group from a wide string that is not short plain ASCII (those
// appendGroup narrows inline): longer plain ones through a small buffer,
// others through UTF-8.
bool appendText(int code, const ACHAR* text, GroupList& out, std::string& error) {
    if (text == nullptr) return groupError(error, "group ", code, " has no text");
    size_t limit = code >= 1000 ? kMaxXdataText : kMaxText;
    char ascii[64];
    size_t n = 0;
    const ACHAR* p = text;
    for (; *p && n < sizeof ascii && static_cast<uint32_t>(*p) < 0x80; ++p) ascii[n++] = static_cast<char>(*p);
    if (*p == 0) {
        const Group g = Group::text(code, std::string_view(ascii, n));
        out.push_back(g);
        return true;
    }
    return appendWideText(code, std::string_view(ascii, n), p, limit, out, error);
}

} // namespace

bool appendOtherGroup(const db::Database& db, int code, const resbuf& rb, GroupList& out, std::string& error) {
    ValueKind kind;
    if (code < 0 || !db::kindOfCode(code, kind)) return groupError(error, "unknown group code ", code, "");
    switch (kind) {
    case ValueKind::Point:
    case ValueKind::Real:
    case ValueKind::Int16: return appendGroup(db, code, rb, out, error);
    case ValueKind::Int32: {
        if (!fitsInt32(rb.resval.rlong)) return groupError(error, "value of group ", code, " is out of the 32-bit range");
        const Group g = Group::integer(code, rb.resval.rlong);
        out.push_back(g);
        return true;
    }
    case ValueKind::Int64: {
        const Group g = Group::integer(code, rb.resval.mnInt64);
        out.push_back(g);
        return true;
    }
    case ValueKind::Text: return appendText(code, rb.resval.rstring, out, error);
    case ValueKind::Binary: {
        const ads_binary& b = rb.resval.rbinary;
        if (b.clen < 0 || b.clen > 127 || (b.clen > 0 && b.buf == nullptr))
            return groupError(error, "binary chunk of group ", code, " is not 0 to 127 bytes");
        std::string hex;
        for (int i = 0; i < b.clen; ++i) {
            unsigned char c = static_cast<unsigned char>(b.buf[i]);
            hex += hexDigit(c >> 4);
            hex += hexDigit(c);
        }
        out.push_back(Group::binary(code, hex));
        return true;
    }
    case ValueKind::Handle: {
        if (ads_name_nil(rb.resval.rlname)) {
            out.push_back(Group::handle(code, 0));
            return true;
        }
        const db::Object* o = db.object(slotOf(db, rb.resval.rlname));
        if (o == nullptr) return groupError(error, "group ", code, " names no object of this drawing");
        out.push_back(Group::handle(code, o->handle));
        return true;
    }
    }
    return false;
}

bool nonFiniteError(std::string& error, int code) {
    return groupError(error, "group ", code, " holds a number that is not finite");
}

bool groupFromResbuf(const db::Database& db, const resbuf& rb, Group& out, std::string& error) {
    static thread_local GroupList one;
    one.clear();
    if (!appendGroup(db, rb.restype, rb, one, error)) return false;
    out = std::move(one.back());
    return true;
}

bool parseXdata(const db::Database& db, const resbuf* rb, GroupList& xdata, std::string& error,
                XdataCheck* check) {
    if (rb && rb->restype != 1001) {
        error = rb->restype >= 1000 && rb->restype <= 1071 ? "XDATA must begin with 1001"
                                                           : "group " + std::to_string(rb->restype) + " after -3 is not XDATA";
        return false;
    }
    for (; rb; rb = rb->rbnext) {
        int code = rb->restype;
        if (code < 1000 || code > 1071) return groupError(error, "group ", code, " after -3 is not XDATA");
        if (!appendGroup(db, code, *rb, xdata, error)) return false;
        if (check && !check->add(xdata.back(), error)) return false;
    }
    return true;
}

bool parseList(const db::Database& db, const resbuf* list, ParsedList& out, std::string& error) {
    // The caller's lists keep their room from call to call: no reserving.
    bool sawMarker = false, sawOwner = false;
    int bracket = 0;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        int code = rb->restype;
        if (code == RTDXF0) code = 0;
        switch (code) {
        case -1:
            out.hasName = true;
            out.target = slotOf(db, rb->resval.rlname);
            out.nameValid = db.object(out.target) != nullptr;
            continue;
        case -3:
            out.hasXdata = true;
            if (!parseXdata(db, rb->rbnext, out.xdata, error)) return false;
            rb = nullptr;
            break;
        case 0:
            if (rb->resval.rstring == nullptr) {
                error = "group 0 has no text";
                return false;
            }
            out.type = typeNameOf(rb->resval.rstring);
            continue;
        case 5:
            if (rb->resval.rstring) out.handleText = narrow(rb->resval.rstring);
            continue;
        default: break;
        }
        if (rb == nullptr) break;
        if (code == 105 && out.type == "DIMSTYLE") {
            if (rb->resval.rstring) out.handleText = narrow(rb->resval.rstring);
            continue;
        }
        if (code == 330 && !sawMarker && !sawOwner && bracket == 0) {
            sawOwner = true;  // the owner: the host keeps it itself
            continue;
        }
        if (code < 0 || code >= 1000) {
            error = code >= 1000 ? "XDATA group " + std::to_string(code) + " without -3"
                                 : "group " + std::to_string(code) + " is not allowed in an entity list";
            return false;
        }
        if (!appendGroup(db, code, *rb, out.body, error)) return false;
        if (code == 100) sawMarker = true;
        if (code == 102 && !sawMarker) {
            std::string_view text = out.body.back().asText();
            bracket += text.starts_with("{") ? 1 : text == "}" ? -1 : 0;
        }
    }
    if (out.type.empty() && !out.hasName) {
        error = "the list has no type group (0)";
        return false;
    }
    return true;
}

bool anglesToStored(std::string_view type, GroupList& body, std::string& error) {
    for (Group& g : body) {
        if (g.code() < 50 || g.code() > 53 || g.kind() != ValueKind::Real || !db::angleInDegrees(type, g.code()))
            continue;
        double degrees = db::fromRadians(type, g.code(), g.asReal());
        if (!std::isfinite(degrees)) return nonFiniteError(error, g.code());
        g = Group::real(g.code(), degrees);
    }
    return true;
}

size_t xdataSize(const GroupList& groups, size_t from) {
    size_t total = 0;
    for (size_t i = from; i < groups.size(); ++i) total += XdataCheck::bytesOf(groups[i]);
    return total;
}

bool XdataCheck::addMark(const Group& g, std::string& error) {
    if (g.code() == 1001) {
        if (depth_ != 0) {
            error = "unbalanced 1002 braces in XDATA";
            return false;
        }
        db::Slot app = db_.findRecord(db::Table::Appid, g.asText());
        const db::Object* rec = db_.object(app);
        if (rec == nullptr || rec->erased) {
            error = "application " + std::string(g.asText()) + " is not registered";
            return false;
        }
    } else if (g.code() == 1002) {
        if (g.asText() == "{") ++depth_;
        else if (g.asText() == "}" && depth_ > 0) --depth_;
        else {
            error = "1002 must be { or } and balance";
            return false;
        }
    }
    return true;
}

bool XdataCheck::finish(std::string& error, bool checkSize) const {
    if (depth_ != 0) {
        error = "unbalanced 1002 braces in XDATA";
        return false;
    }
    if (checkSize && bytes_ > kMaxXdataBytes) {
        error = "XDATA is larger than " + std::to_string(kMaxXdataBytes) + " bytes";
        return false;
    }
    return true;
}

bool checkXdata(const db::Database& db, const GroupList& xdata, std::string& error, bool checkSize) {
    XdataCheck check(db);
    for (const Group& g : xdata)
        if (!check.add(g, error)) return false;
    return check.finish(error, checkSize);
}

void mergeXdata(db::Object& object, const GroupList& xdata) {
    auto& groups = object.groups;
    for (size_t i = 0; i < xdata.size();) {
        size_t end = i + 1;
        while (end < xdata.size() && xdata[end].code() != 1001) ++end;
        std::string_view app = xdata[i].asText();
        // Where the application's old XDATA is, if anywhere.
        size_t at = db::xdataBegin(object), from = groups.size(), to = groups.size();
        for (size_t k = at; k < groups.size(); ++k)
            if (groups[k].code() == 1001 && db::equalNoCase(groups[k].asText(), app)) {
                from = k;
                to = k + 1;
                while (to < groups.size() && groups[to].code() != 1001) ++to;
                break;
            }
        groups.erase(groups.begin() + static_cast<ptrdiff_t>(from), groups.begin() + static_cast<ptrdiff_t>(to));
        if (end - i > 1)
            groups.insert(groups.begin() + static_cast<ptrdiff_t>(from), xdata.begin() + static_cast<ptrdiff_t>(i),
                          xdata.begin() + static_cast<ptrdiff_t>(end));
        i = end;
    }
}

namespace {
// Where each application's groups are in an XDATA run: [begin, end).
struct AppBlock {
    size_t begin, end;
    bool used;
};

// Splits groups[from, to) at its 1001 groups; false when there are more
// than `most` blocks.
bool splitApps(const GroupList& groups, size_t from, AppBlock* blocks, size_t most, size_t& count) {
    count = 0;
    for (size_t i = from; i < groups.size();) {
        size_t end = i + 1;
        while (end < groups.size() && groups[end].code() != 1001) ++end;
        if (count == most) return false;
        blocks[count++] = {i, end, false};
        i = end;
    }
    return true;
}
} // namespace

void appendMergedXdata(const db::Object& object, const GroupList& xdata, GroupList& out) {
    const auto& groups = object.groups;
    size_t from = db::xdataBegin(object);
    constexpr size_t kMost = 16;
    AppBlock given[kMost];
    size_t count;
    bool distinct = splitApps(xdata, 0, given, kMost, count);
    for (size_t a = 0; distinct && a < count; ++a)
        for (size_t b = a + 1; b < count; ++b)
            if (db::equalNoCase(xdata[given[a].begin].asText(), xdata[given[b].begin].asText())) distinct = false;
    if (!distinct) {
        // An application named twice (or very many): the step-by-step merge.
        db::Object merged;
        merged.groups.assign(groups.begin() + static_cast<ptrdiff_t>(from), groups.end());
        mergeXdata(merged, xdata);
        out.insert(out.end(), merged.groups.begin(), merged.groups.end());
        return;
    }
    // Each stored application in its place, replaced by the given groups of
    // the same name (the first stored one only); then the new applications.
    auto append = [&out](const GroupList& from, size_t begin, size_t end) {
        out.insert(out.end(), from.begin() + static_cast<ptrdiff_t>(begin), from.begin() + static_cast<ptrdiff_t>(end));
    };
    // A given application without groups removes the stored one.
    auto appendGiven = [&](const AppBlock& block) {
        if (block.end - block.begin > 1) append(xdata, block.begin, block.end);
    };
    for (size_t i = from; i < groups.size();) {
        size_t end = i + 1;
        while (end < groups.size() && groups[end].code() != 1001) ++end;
        AppBlock* match = nullptr;
        for (size_t a = 0; a < count && !match; ++a)
            if (!given[a].used && db::equalNoCase(xdata[given[a].begin].asText(), groups[i].asText())) match = &given[a];
        if (match) {
            match->used = true;
            appendGiven(*match);
        } else {
            append(groups, i, end);
        }
        i = end;
    }
    for (size_t a = 0; a < count; ++a)
        if (!given[a].used) appendGiven(given[a]);
}

} // namespace host::api
