// Stored objects back out as result-buffer lists: acdbEntGet's list and the
// conversions it is made of.
#include <array>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "api/host_api.h"
#include "api/lists.h"
#include "api/resbuf_pool.h"
#include "api/result_kinds.h"
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

ACHAR* wideFromUtf8(pool::TextCursor& texts, std::string_view utf8) {
    std::wstring w = io::fromUtf8(utf8);
    ACHAR* out = texts.take(w.size());
    if (out) std::memcpy(out, w.c_str(), (w.size() + 1) * sizeof(ACHAR));
    return out;
}

// ASCII text, nearly all of a drawing's, is widened in the same pass that
// checks it; other text goes through the UTF-8 decoder.
inline ACHAR* widen(pool::TextCursor& texts, std::string_view utf8) {
    ACHAR* out = texts.take(utf8.size());
    if (out == nullptr) return nullptr;
    for (size_t i = 0; i < utf8.size(); ++i) {
        auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x80) {
            std::free(out);
            return wideFromUtf8(texts, utf8);
        }
        out[i] = c;
    }
    out[utf8.size()] = 0;
    return out;
}

// The hex text of a handle as db::handleText spells it, made wide directly.
ACHAR* wideHandle(pool::TextCursor& texts, db::Handle handle) {
    size_t digits = 1;
    for (db::Handle rest = handle >> 4; rest != 0; rest >>= 4) ++digits;
    ACHAR* out = texts.take(digits);
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

// A stored group's value put in a node of its code.  A code the table of
// result buffers does not know (a file's group 250, kept as its text) gets
// a node without a value: nothing would release one.  Always inlined:
// entityList's loops then fill their nodes, most of its work, without a
// call each.
[[gnu::always_inline]] inline void putGroup(const db::Database& db, pool::TextCursor& texts, const Group& g,
                                            resbuf* rb) {
    switch (g.kind()) {
    case ValueKind::Text:
        if (payloadOf(g.code()) == Payload::Text) rb->resval.rstring = widen(texts, g.asText());
        break;
    case ValueKind::Binary:
        if (payloadOf(g.code()) == Payload::Binary) setBinary(rb, g.asText());
        break;
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
    default: __builtin_unreachable();  // every kind is above
    }
}

// The characters that make an application pattern more than a plain name.
constexpr auto kWildcard = [] {
    std::array<bool, 128> table{};
    for (char c : std::string_view("*?#@.~[],`")) table[static_cast<unsigned char>(c)] = true;
    return table;
}();

// A pattern of plain ASCII without wildcard characters: a name, compared
// directly.
bool plainName(const ACHAR* text) {
    for (; *text; ++text) {
        auto c = static_cast<uint32_t>(*text);
        if (c >= 0x80 || kWildcard[c]) return false;
    }
    return true;
}

// A plain name against an application's, as wildcardMatch compares them:
// the same length, ASCII letters without case.
bool samePlainName(const ACHAR* name, std::string_view app) {
    for (size_t i = 0; i < app.size(); ++i) {
        auto x = static_cast<uint32_t>(name[i]);
        auto y = static_cast<unsigned char>(app[i]);
        if (x == y && x != 0) continue;
        uint32_t lower = x | 0x20;
        if (lower != (y | 0x20u) || lower < 'a' || lower > 'z') return false;  // also at name's end
    }
    return name[app.size()] == 0;
}

// The application patterns of an acdbEntGetX call, looked at once for all
// the applications of an object.  Plain names (the usual filter) are kept
// as given; other patterns are narrowed for wildcardMatch, each ending with
// a NUL, which no wide C string holds.
class AppFilter {
public:
    explicit AppFilter(const resbuf* apps) {
        for (const resbuf* rb = apps; rb; rb = rb->rbnext) {
            if (rb->restype != RTSTR || rb->resval.rstring == nullptr) continue;
            if (plainCount_ < kPlainNames && plainName(rb->resval.rstring)) {
                plain_[plainCount_++] = rb->resval.rstring;
                continue;
            }
            appendNarrow(rb->resval.rstring, patterns_);
            patterns_ += '\0';
        }
    }
    bool wants(std::string_view app) const {
        for (size_t i = 0; i < plainCount_; ++i)
            if (samePlainName(plain_[i], app)) return true;
        std::string_view rest = patterns_;
        while (!rest.empty()) {
            size_t end = rest.find('\0');
            if (wildcardMatch(rest.substr(0, end), app)) return true;
            rest.remove_prefix(end + 1);
        }
        return false;
    }

private:
    static constexpr size_t kPlainNames = 8;  // more go with the patterns
    const ACHAR* plain_[kPlainNames];
    size_t plainCount_ = 0;
    std::string patterns_;
};

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

void putName(const db::Database& db, resbuf* rb, db::Slot slot) {
    if (slot != db::kNoSlot) nameOf(db, slot, rb->resval.rlname);
}
} // namespace

ACHAR* newWide(std::string_view utf8) {
    pool::TextCursor texts;
    ACHAR* text = widen(texts, utf8);
    texts.finish();
    return text;
}

resbuf* resbufFromGroup(const db::Database& db, const Group& g) {
    pool::ListMaker one;
    pool::TextCursor texts;
    resbuf* rb = one.add(g.code());
    if (rb) putGroup(db, texts, g, rb);
    texts.finish();
    return one.finish();
}

bool appWanted(std::string_view app, const resbuf* apps) { return AppFilter(apps).wants(app); }

// The nodes of the longest list the object can give are made sure of
// first; then the list is the head of the free list, already linked, and
// each node only gets its group.
resbuf* entityList(const db::Database& db, db::Slot slot, const resbuf* apps) {
    const db::Object* o = db.object(slot);
    if (o == nullptr) return nullptr;
    const Group* const groups = o->groups.data();
    const size_t n = o->groups.size();
    std::string_view type = o->typeName();
    size_t lead = leadingBrackets(groups, n);
    // -1, 0, the handle, the owner, -3 and the groups (those of the leading
    // brackets twice when a damaged drawing has XDATA in them).
    if (!pool::reserveNodes(5 + n + lead)) return nullptr;
    pool::NodeCursor list;
    pool::TextCursor texts;
    putName(db, list.take(-1), slot);
    list.take(0)->resval.rstring = widen(texts, type);
    int handleCode = type == "DIMSTYLE" ? 105 : 5;
    db::Slot owner = o->owner ? db.slotOf(o->owner) : db::kNoSlot;
    if (lead == 0 && o->owner) putName(db, list.take(330), owner);
    list.take(handleCode)->resval.rstring = wideHandle(texts, o->handle);
    // The XDATA begins at the first 1001, which the leading brackets do not
    // hold but in a damaged drawing.
    size_t xb = 0;
    while (xb < lead && groups[xb].code() != 1001) ++xb;
    for (size_t i = 0; i < lead; ++i) putGroup(db, texts, groups[i], list.take(groups[i].code()));
    if (lead > 0 && o->owner) putName(db, list.take(330), owner);
    if (xb == lead) {
        for (; xb < n && groups[xb].code() != 1001; ++xb) {
            const Group& g = groups[xb];
            int code = g.code();
            resbuf* rb = list.take(code);
            putGroup(db, texts, g, rb);
            if (code >= 50 && code <= 53 && g.kind() == ValueKind::Real && db::angleInDegrees(type, code))
                rb->resval.rreal = db::toRadians(type, code, g.asReal());
        }
    }
    if (apps == nullptr || xb == n) {
        texts.finish();
        return list.finish();
    }
    // Application by application: -3 before the first one wanted.
    AppFilter filter(apps);
    bool marker = false;
    for (size_t i = xb; i < n;) {
        if (!filter.wants(groups[i].asText())) {
            for (++i; i < n && groups[i].code() != 1001; ++i) {}
            continue;
        }
        if (!marker) list.take(-3);
        marker = true;
        putGroup(db, texts, groups[i], list.take(1001));
        for (++i; i < n && groups[i].code() != 1001; ++i) putGroup(db, texts, groups[i], list.take(groups[i].code()));
    }
    texts.finish();
    return list.finish();
}

} // namespace host::api
