// Stored objects back out as result-buffer lists: acdbEntGet's list and the
// conversions it is made of.
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "api/host_api.h"
#include "api/lists.h"
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
    ACHAR* out = newText(w.size());
    if (out) std::memcpy(out, w.c_str(), (w.size() + 1) * sizeof(ACHAR));
    return out;
}

// ASCII text, nearly all of a drawing's, is widened in the same pass that
// checks it; other text goes through the UTF-8 decoder.
inline ACHAR* widen(std::string_view utf8) {
    ACHAR* out = newText(utf8.size());
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
    ACHAR* out = newText(digits);
    if (out == nullptr) return nullptr;
    out[digits] = 0;
    for (size_t i = digits; i-- > 0; handle >>= 4) out[i] = L"0123456789ABCDEF"[handle & 15];
    return out;
}

resbuf* textResbuf(int code, ACHAR* text) {
    resbuf* rb = newResbuf();
    if (rb == nullptr) {
        std::free(text);
        return nullptr;
    }
    rb->restype = static_cast<short>(code);
    rb->resval.rstring = text;
    return rb;
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

// The body of resbufFromGroup.  Always inlined: entityList's loops then
// make their nodes, most of its work, without a call each.
[[gnu::always_inline]] inline resbuf* groupResbuf(const db::Database& db, const Group& g) {
    resbuf* rb = newResbuf();
    if (rb == nullptr) return nullptr;
    rb->restype = static_cast<short>(g.code());
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
    return rb;
}

// The application patterns of an acdbEntGetX call, narrowed once for all
// the applications of an object.  Each pattern ends with a NUL, which no
// wide C string holds.
class AppFilter {
public:
    explicit AppFilter(const resbuf* apps) {
        for (const resbuf* rb = apps; rb; rb = rb->rbnext) {
            if (rb->restype != RTSTR || rb->resval.rstring == nullptr) continue;
            appendPattern(rb->resval.rstring);
            patterns_ += '\0';
        }
    }
    bool wants(std::string_view app) const {
        std::string_view rest = patterns_;
        while (!rest.empty()) {
            size_t end = rest.find('\0');
            if (wildcardMatch(rest.substr(0, end), app)) return true;
            rest.remove_prefix(end + 1);
        }
        return false;
    }

private:
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
} // namespace

ACHAR* newWide(std::string_view utf8) { return widen(utf8); }

resbuf* resbufFromGroup(const db::Database& db, const Group& g) { return groupResbuf(db, g); }

bool appWanted(std::string_view app, const resbuf* apps) { return AppFilter(apps).wants(app); }

namespace {
struct ListBuilder {
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    void add(resbuf* rb) {
        if (rb == nullptr) return;
        if (tail) tail->rbnext = rb;
        else head = rb;
        tail = rb;
    }
};

resbuf* nameGroup(const db::Database& db, int code, db::Slot slot) {
    resbuf* rb = newResbuf();
    if (rb == nullptr) return nullptr;
    rb->restype = static_cast<short>(code);
    if (slot != db::kNoSlot) nameOf(db, slot, rb->resval.rlname);
    return rb;
}
} // namespace

resbuf* entityList(const db::Database& db, db::Slot slot, const resbuf* apps) {
    const db::Object* o = db.object(slot);
    if (o == nullptr) return nullptr;
    const GroupList& groups = o->groups;
    std::string_view type = o->typeName();
    ListBuilder list;
    list.add(nameGroup(db, -1, slot));
    list.add(textResbuf(0, widen(type)));
    size_t lead = 0;
    while (lead < groups.size() && groups[lead].code() == 102 && groups[lead].asText().starts_with("{")) {
        size_t close = lead + 1;
        while (close < groups.size() && !(groups[close].code() == 102 && groups[close].asText() == "}")) ++close;
        if (close == groups.size()) break;
        lead = close + 1;
    }
    int handleCode = type == "DIMSTYLE" ? 105 : 5;
    db::Slot owner = o->owner ? db.slotOf(o->owner) : db::kNoSlot;
    if (lead > 0) {
        list.add(textResbuf(handleCode, wideHandle(o->handle)));
        for (size_t i = 0; i < lead; ++i) list.add(groupResbuf(db, groups[i]));
        if (o->owner) list.add(nameGroup(db, 330, owner));
    } else {
        if (o->owner) list.add(nameGroup(db, 330, owner));
        list.add(textResbuf(handleCode, wideHandle(o->handle)));
    }
    size_t xb = db::xdataBegin(*o);
    for (size_t i = lead; i < xb; ++i) {
        const Group& g = groups[i];
        resbuf* rb = groupResbuf(db, g);
        if (rb && g.kind() == ValueKind::Real && db::angleInDegrees(type, g.code()))
            rb->resval.rreal = db::toRadians(type, g.code(), g.asReal());
        list.add(rb);
    }
    if (apps == nullptr || xb == groups.size()) return list.head;
    AppFilter filter(apps);
    bool marker = false;
    for (size_t i = xb; i < groups.size();) {
        size_t end = i + 1;
        while (end < groups.size() && groups[end].code() != 1001) ++end;
        if (filter.wants(groups[i].asText())) {
            if (!marker) {
                resbuf* rb = newResbuf();
                if (rb) rb->restype = -3;
                list.add(rb);
                marker = true;
            }
            for (size_t k = i; k < end; ++k) list.add(groupResbuf(db, groups[k]));
        }
        i = end;
    }
    return list.head;
}

} // namespace host::api
