// Stored objects back out as result-buffer lists: acdbEntGet's list and the
// conversions it is made of.
#include <array>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "api/host_api.h"
#include "api/lists.h"
#include "api/resbuf_pool.h"
#include "db/units.h"
#include "io/io.h"

namespace host::api {

using db::Group;
using db::GroupList;
using db::ValueKind;

namespace {
int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

ACHAR* wideFromUtf8(std::string_view utf8) {
    std::wstring w = io::fromUtf8(utf8);
    ACHAR* out = pool::takeText(w.size());
    if (out) std::memcpy(out, w.c_str(), (w.size() + 1) * sizeof(ACHAR));
    return out;
}

// ASCII text, nearly all of a drawing's, is widened in the same pass that
// checks it; other text goes through the UTF-8 decoder.
inline ACHAR* widen(std::string_view utf8) {
    ACHAR* out = pool::takeText(utf8.size());
    if (out == nullptr) return nullptr;
    for (size_t i = 0; i < utf8.size(); ++i) {
        auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x80) {
            releaseText(out);
            return wideFromUtf8(utf8);
        }
        out[i] = c;
    }
    out[utf8.size()] = 0;
    return out;
}

// The hex text of a handle as db::handleText spells it, made wide directly.
ACHAR* wideHandle(db::Handle handle) {
    size_t digits = 1;
    for (db::Handle rest = handle >> 4; rest != 0; rest >>= 4) ++digits;
    ACHAR* out = pool::takeText(digits);
    if (out == nullptr) return nullptr;
    out[digits] = 0;
    for (size_t i = digits; i-- > 0; handle >>= 4) out[i] = L"0123456789ABCDEF"[handle & 15];
    return out;
}

// A binary group's hex text as bytes (up to 127; a bad digit counts as 0).
void setBinary(resbuf* rb, std::string_view hex) {
    size_t n = std::min<size_t>(hex.size() / 2, 127);
    rb->resval.rbinary.clen = static_cast<short>(n);
    rb->resval.rbinary.buf = static_cast<char*>(std::malloc(n > 0 ? n : 1));
    for (size_t i = 0; i < n && rb->resval.rbinary.buf; ++i) {
        int hi = hexValue(hex[2 * i]), lo = hexValue(hex[2 * i + 1]);
        rb->resval.rbinary.buf[i] = static_cast<char>((hi < 0 ? 0 : hi) << 4 | (lo < 0 ? 0 : lo));
    }
}

// A stored group's value put in a node of its code.  Always inlined:
// entityList's loops then fill their nodes, most of its work, without a
// call each.
[[gnu::always_inline]] inline void putGroup(const db::Database& db, const Group& g, resbuf* rb) {
    switch (g.kind()) {
    case ValueKind::Text: rb->resval.rstring = widen(g.asText()); break;
    case ValueKind::Binary: setBinary(rb, g.asText()); break;
    case ValueKind::Point:
        for (int i = 0; i < 3; ++i) rb->resval.rpoint[i] = g.asPoint()[i];
        break;
    case ValueKind::Real: rb->resval.rreal = g.asReal(); break;
    case ValueKind::Int16: rb->resval.rint = static_cast<short>(g.asInt()); break;
    case ValueKind::Int32: rb->resval.rlong = static_cast<long>(g.asInt()); break;
    case ValueKind::Int64: rb->resval.mnInt64 = g.asInt(); break;
    case ValueKind::Handle: {
        db::Slot slot = g.asHandle() ? db.slotOf(g.asHandle()) : db::kNoSlot;
        if (slot != db::kNoSlot) nameOf(db, slot, rb->resval.rlname);
        break;
    }
    }
}

// Plain application names are compared as wildcardMatch compares them:
// the same length, ASCII letters without case.
bool sameNameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x != y && (x | 0x20) != (y | 0x20)) return false;
        if (x != y && ((x | 0x20) < 'a' || (x | 0x20) > 'z')) return false;
    }
    return true;
}

// The application patterns of an acdbEntGetX call, narrowed once for all
// the applications of an object.  Each pattern is led by whether it is a
// plain name (no wildcard character), which is compared directly, and ends
// with a NUL, which no wide C string holds.
class AppFilter {
public:
    explicit AppFilter(const resbuf* apps) {
        for (const resbuf* rb = apps; rb; rb = rb->rbnext) {
            if (rb->restype != RTSTR || rb->resval.rstring == nullptr) continue;
            size_t lead = patterns_.size();
            patterns_ += kPlain;
            appendPattern(rb->resval.rstring);
            for (size_t i = lead + 1; i < patterns_.size(); ++i)
                if (kWildcard[static_cast<unsigned char>(patterns_[i])]) {
                    patterns_[lead] = kPattern;
                    break;
                }
            patterns_ += '\0';
        }
    }
    bool wants(std::string_view app) const {
        std::string_view rest = patterns_;
        while (!rest.empty()) {
            size_t end = rest.find('\0');
            std::string_view pattern = rest.substr(1, end - 1);
            if (rest[0] == kPlain ? sameNameNoCase(pattern, app) : wildcardMatch(pattern, app)) return true;
            rest.remove_prefix(end + 1);
        }
        return false;
    }

private:
    static constexpr char kPlain = 'P', kPattern = 'W';
    // The characters that make a pattern more than a plain name.
    static constexpr auto kWildcard = [] {
        std::array<bool, 256> table{};
        for (char c : std::string_view("*?#@.~[],`")) table[static_cast<unsigned char>(c)] = true;
        return table;
    }();

    // ASCII is narrowed in one pass; anything else as appendNarrow does it.
    void appendPattern(const ACHAR* text) {
        size_t at = patterns_.size(), length = std::wcslen(text);
        patterns_.resize(at + length);
        for (size_t i = 0; i < length; ++i) {
            if (static_cast<uint32_t>(text[i]) >= 0x80) {
                patterns_.resize(at);
                appendNarrow(text, patterns_);
                return;
            }
            patterns_[at + i] = static_cast<char>(text[i]);
        }
    }

    std::string patterns_;
};

// The XDATA of the applications wanted, as ranges of an object's groups.
struct Ranges {
    std::vector<std::pair<size_t, size_t>> ranges;
    size_t groups = 0;
};

void wantedXdata(const Group* groups, size_t from, size_t n, const resbuf* apps, Ranges& wanted) {
    wanted.ranges.clear();
    wanted.groups = 0;
    if (apps == nullptr || from == n) return;
    AppFilter filter(apps);
    const Group* const end = groups + n;
    for (const Group* app = groups + from; app < end;) {
        const Group* next = app + 1;
        while (next < end && next->code() != 1001) ++next;
        if (filter.wants(app->asText())) {
            wanted.ranges.emplace_back(app - groups, next - groups);
            wanted.groups += static_cast<size_t>(next - app);
        }
        app = next;
    }
}

// Where the body begins after the leading 102 brackets, which the host
// lists before the owner.
size_t leadingBrackets(const Group* groups, size_t n) {
    size_t lead = 0;
    while (lead < n && groups[lead].code() == 102 && groups[lead].asText().starts_with("{")) {
        size_t close = lead + 1;
        while (close < n && !(groups[close].code() == 102 && groups[close].asText() == "}")) ++close;
        if (close == n) break;
        lead = close + 1;
    }
    return lead;
}

void putName(const db::Database& db, resbuf* rb, int code, db::Slot slot) {
    rb->restype = static_cast<short>(code);
    if (slot != db::kNoSlot) nameOf(db, slot, rb->resval.rlname);
}

// The next node of a list taken whole, with its code.
[[gnu::always_inline]] inline resbuf* next(resbuf*& cursor, int code) {
    resbuf* rb = cursor;
    cursor = rb->rbnext;
    rb->restype = static_cast<short>(code);
    return rb;
}
} // namespace

ACHAR* newWide(std::string_view utf8) { return widen(utf8); }

resbuf* resbufFromGroup(const db::Database& db, const Group& g) {
    resbuf* rb = pool::takeNodes(1);
    if (rb == nullptr) return nullptr;
    rb->restype = static_cast<short>(g.code());
    putGroup(db, g, rb);
    return rb;
}

bool appWanted(std::string_view app, const resbuf* apps) { return AppFilter(apps).wants(app); }

// The list is counted first and its nodes taken in one go; then each node
// gets its group.
resbuf* entityList(const db::Database& db, db::Slot slot, const resbuf* apps) {
    const db::Object* o = db.object(slot);
    if (o == nullptr) return nullptr;
    const Group* const groups = o->groups.data();
    const size_t n = o->groups.size();
    std::string_view type = o->typeName();
    size_t lead = leadingBrackets(groups, n);
    size_t xb = 0;
    while (xb < n && groups[xb].code() != 1001) ++xb;
    static thread_local Ranges wanted;
    wantedXdata(groups, xb, n, apps, wanted);

    // -1, 0, the handle, the owner, the body, then -3 and the XDATA wanted.
    size_t count = 3 + (o->owner ? 1 : 0) + xb + (wanted.groups > 0 ? 1 + wanted.groups : 0);
    resbuf* list = pool::takeNodes(count);
    if (list == nullptr) return nullptr;
    resbuf* cursor = list;
    putName(db, next(cursor, -1), -1, slot);
    next(cursor, 0)->resval.rstring = widen(type);
    int handleCode = type == "DIMSTYLE" ? 105 : 5;
    db::Slot owner = o->owner ? db.slotOf(o->owner) : db::kNoSlot;
    if (lead == 0 && o->owner) putName(db, next(cursor, 330), 330, owner);
    next(cursor, handleCode)->resval.rstring = wideHandle(o->handle);
    for (size_t i = 0; i < lead; ++i) putGroup(db, groups[i], next(cursor, groups[i].code()));
    if (lead > 0 && o->owner) putName(db, next(cursor, 330), 330, owner);
    for (size_t i = lead; i < xb; ++i) {
        const Group& g = groups[i];
        int code = g.code();
        resbuf* rb = next(cursor, code);
        putGroup(db, g, rb);
        if (code >= 50 && code <= 53 && g.kind() == ValueKind::Real && db::angleInDegrees(type, code))
            rb->resval.rreal = db::toRadians(type, code, g.asReal());
    }
    if (wanted.groups == 0) return list;
    next(cursor, -3);
    for (auto [from, to] : wanted.ranges)
        for (size_t k = from; k < to; ++k) putGroup(db, groups[k], next(cursor, groups[k].code()));
    return list;
}

} // namespace host::api
