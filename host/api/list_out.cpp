// Stored objects back out as result-buffer lists: acdbEntGet's list and the
// conversions it is made of.
#include <cstdlib>
#include <cstring>

#include "api/host_api.h"
#include "api/lists.h"
#include "db/units.h"
#include "io/io.h"

namespace host::api {

using db::Group;
using db::ValueKind;

namespace {
int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
} // namespace

ACHAR* newWide(std::string_view utf8) {
    bool ascii = true;
    for (char c : utf8) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (!ascii) {
        std::wstring w = io::fromUtf8(utf8);
        ACHAR* out = newText(w.size());
        if (out) std::memcpy(out, w.c_str(), (w.size() + 1) * sizeof(ACHAR));
        return out;
    }
    ACHAR* out = newText(utf8.size());
    if (out == nullptr) return nullptr;
    for (size_t i = 0; i < utf8.size(); ++i) out[i] = static_cast<ACHAR>(utf8[i]);
    out[utf8.size()] = 0;
    return out;
}

resbuf* resbufFromGroup(const db::Database& db, const Group& g) {
    resbuf* rb = newResbuf();
    if (rb == nullptr) return nullptr;
    rb->restype = static_cast<short>(g.code());
    switch (g.kind()) {
    case ValueKind::Text: rb->resval.rstring = newWide(g.asText()); break;
    case ValueKind::Binary: {
        std::string_view hex = g.asText();
        size_t n = std::min<size_t>(hex.size() / 2, 127);
        rb->resval.rbinary.clen = static_cast<short>(n);
        rb->resval.rbinary.buf = static_cast<char*>(std::malloc(n > 0 ? n : 1));
        for (size_t i = 0; i < n && rb->resval.rbinary.buf; ++i) {
            int hi = hexValue(hex[2 * i]), lo = hexValue(hex[2 * i + 1]);
            rb->resval.rbinary.buf[i] = static_cast<char>((hi < 0 ? 0 : hi) << 4 | (lo < 0 ? 0 : lo));
        }
        break;
    }
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

bool appWanted(std::string_view app, const resbuf* apps) {
    for (const resbuf* rb = apps; rb; rb = rb->rbnext)
        if (rb->restype == RTSTR && rb->resval.rstring && wildcardMatch(narrow(rb->resval.rstring), app))
            return true;
    return false;
}

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
    ListBuilder list;
    list.add(nameGroup(db, -1, slot));
    list.add(resbufFromGroup(db, Group::text(0, o->typeName())));
    size_t lead = 0;
    while (lead < o->groups.size() && o->groups[lead].code() == 102 && o->groups[lead].asText().starts_with("{")) {
        size_t close = lead + 1;
        while (close < o->groups.size() && !(o->groups[close].code() == 102 && o->groups[close].asText() == "}"))
            ++close;
        if (close == o->groups.size()) break;
        lead = close + 1;
    }
    int handleCode = o->isType("DIMSTYLE") ? 105 : 5;
    Group handle = Group::text(handleCode, db::handleText(o->handle));
    db::Slot owner = o->owner ? db.slotOf(o->owner) : db::kNoSlot;
    if (lead > 0) {
        list.add(resbufFromGroup(db, handle));
        for (size_t i = 0; i < lead; ++i) list.add(resbufFromGroup(db, o->groups[i]));
        if (o->owner) list.add(nameGroup(db, 330, owner));
    } else {
        if (o->owner) list.add(nameGroup(db, 330, owner));
        list.add(resbufFromGroup(db, handle));
    }
    size_t xb = db::xdataBegin(*o);
    std::string_view type = o->typeName();
    for (size_t i = lead; i < xb; ++i) {
        const Group& g = o->groups[i];
        resbuf* rb = resbufFromGroup(db, g);
        if (rb && g.kind() == ValueKind::Real && db::angleInDegrees(type, g.code()))
            rb->resval.rreal = db::toRadians(type, g.code(), g.asReal());
        list.add(rb);
    }
    if (apps == nullptr || xb == o->groups.size()) return list.head;
    bool marker = false;
    for (size_t i = xb; i < o->groups.size();) {
        size_t end = i + 1;
        while (end < o->groups.size() && o->groups[end].code() != 1001) ++end;
        if (appWanted(o->groups[i].asText(), apps)) {
            if (!marker) {
                resbuf* rb = newResbuf();
                if (rb) rb->restype = -3;
                list.add(rb);
                marker = true;
            }
            for (size_t k = i; k < end; ++k) list.add(resbufFromGroup(db, o->groups[k]));
        }
        i = end;
    }
    return list.head;
}

} // namespace host::api
