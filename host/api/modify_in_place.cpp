#include "api/modify_in_place.h"

#include <string>
#include <utility>
#include <vector>

#include "api/host_api.h"
#include "api/lists.h"
#include "db/units.h"

namespace host::api {

using db::Group;

bool valueNeedsRules(std::string_view type, int code) {
    // A radius, an ellipse's ratio or its major axis, an insert's scale: the
    // entity must keep a shape.
    if (code == 40 && (type == "CIRCLE" || type == "ARC" || type == "ELLIPSE")) return true;
    if (code == 11 && type == "ELLIPSE") return true;
    if (code >= 41 && code <= 43 && type == "INSERT") return true;
    switch (code) {
    case 2: case 3: case 6: case 7: case 8:                  // record names
    case 39: case 48: case 60: case 62: case 67: case 370:  // left out at their defaults
    case 100: case 102:
        return true;
    default: return false;
    }
}

namespace {

// The list's type is the entity's (as the general way compares it: the
// given name upper-cased).
bool sameType(const ACHAR* given, std::string_view type) {
    if (given == nullptr) return false;
    size_t i = 0;
    for (; given[i] && i < type.size(); ++i) {
        auto c = static_cast<uint32_t>(given[i]);
        if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
        if (c != static_cast<unsigned char>(type[i])) return false;
    }
    return given[i] == 0 && i == type.size();
}

// A given group converted as the object keeps it (angles in degrees).
bool storedForm(const db::Database& db, std::string_view type, const resbuf& rb, Group& g) {
    // A moved point, the usual change, needs no checks.
    if (int code = rb.restype; code >= 10 && code <= 18) {
        if (!db::finitePoint(rb.resval.rpoint)) return false;
        g = Group::point(code, rb.resval.rpoint);
        return true;
    }
    std::string error;
    if (!groupFromResbuf(db, rb, g, error)) return false;
    if (g.kind() == db::ValueKind::Real && g.code() >= 50 && g.code() <= 53 && db::angleInDegrees(type, g.code())) {
        double degrees = db::fromRadians(type, g.code(), g.asReal());
        if (!std::isfinite(degrees)) return false;  // refused, with its message, the long way
        g = Group::real(g.code(), degrees);
    }
    return true;
}

// True when a given group plainly holds the stored group's value, read
// without converting it (most groups of a round trip are unchanged); false
// when it differs or the quick look cannot tell.  The codes are known to be
// equal, so the stored kind is the given one's.  Inlined into the loops
// below: it runs once per group of every round trip.  kAngles: the group
// may be an angle, kept in degrees (a body's; XDATA codes are all above 1000).
template <bool kAngles>
[[gnu::always_inline]] inline bool plainlySame(const db::Database& db, std::string_view type, const resbuf& rb,
                                               const Group& stored) {
    switch (stored.kind()) {
    case db::ValueKind::Real: {
        double v = rb.resval.rreal;
        int code = stored.code();
        if (kAngles && code >= 50 && code <= 53) v = db::fromRadians(type, code, v);
        return v == stored.asReal();
    }
    case db::ValueKind::Point: {
        const double* p = stored.asPoint();
        return rb.resval.rpoint[0] == p[0] && rb.resval.rpoint[1] == p[1] && rb.resval.rpoint[2] == p[2] &&
               !stored.pointIs2d();
    }
    case db::ValueKind::Int16: return rb.resval.rint == stored.asInt();
    case db::ValueKind::Int32: return rb.resval.rlong == stored.asInt();
    case db::ValueKind::Int64: return rb.resval.mnInt64 == stored.asInt();
    case db::ValueKind::Text: {
        // Only plain ASCII counts: other text is compared once converted.
        const ACHAR* w = rb.resval.rstring;
        if (w == nullptr) return false;
        std::string_view t = stored.asText();
        for (size_t i = 0; i < t.size(); ++i) {
            auto c = static_cast<unsigned char>(t[i]);
            if (static_cast<uint32_t>(w[i]) != c || c - 1u >= 0x7Fu) return false;  // differs, NUL or not ASCII
        }
        return w[t.size()] == 0;
    }
    case db::ValueKind::Handle: {
        if (ads_name_nil(rb.resval.rlname)) return stored.asHandle() == 0;
        const db::Object* o = db.object(slotOf(db, rb.resval.rlname));
        return o && o->handle == stored.asHandle();
    }
    case db::ValueKind::Binary: return false;
    }
    __builtin_unreachable();  // every kind is above
}

// The handle's hex text as parseHandle reads it, straight from the wide
// string (anything not ASCII is no hex digit either).
bool parseWideHandle(const ACHAR* text, db::Handle& handle) {
    if (text == nullptr) return false;
    db::Handle value = 0;
    size_t n = 0;
    for (; text[n]; ++n) {
        auto c = static_cast<uint32_t>(text[n]);
        uint32_t digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else return false;
        if (n == 16) return false;
        value = value << 4 | digit;
    }
    if (n == 0) return false;
    handle = value;
    return true;
}

// An application name as a 1001 group would hold it.  Plain ASCII (nearly
// always) is narrowed into room without a heap block; anything else is
// converted as any group is.
bool appName(const db::Database& db, const resbuf& rb, char (&room)[kMaxXdataText], Group& converted,
             std::string_view& name) {
    const ACHAR* w = rb.resval.rstring;
    size_t n = 0;
    for (; n < kMaxXdataText && w[n] && static_cast<uint32_t>(w[n]) < 0x80; ++n) room[n] = static_cast<char>(w[n]);
    if (w[n] == 0) {
        name = std::string_view(room, n);
        return true;
    }
    std::string error;
    if (!groupFromResbuf(db, rb, converted, error)) return false;
    name = converted.asText();
    return true;
}

using Changes = std::vector<std::pair<size_t, Group>>;

// A given group that plainly differs from the stored one at `at`: noted as
// a change when it may be made in place.  Kept out of the loops, which then
// hold their cursors in registers.
[[gnu::noinline]] bool noteBodyChange(const db::Database& db, std::string_view type, const resbuf& rb,
                                      const Group& stored, size_t at, Changes& changes) {
    Group g;
    if (!storedForm(db, type, rb, g)) return false;
    if (g == stored) return true;
    if (valueNeedsRules(type, g.code())) return false;
    changes.emplace_back(at, std::move(g));
    return true;
}

// The same for an XDATA group: only numbers change in place (a changed
// text could outgrow the host's limit, which the general way checks).
[[gnu::noinline]] bool noteXdataChange(const db::Database& db, const resbuf& rb, const Group& stored, size_t at,
                                       Changes& changes) {
    Group g;
    std::string error;
    if (!groupFromResbuf(db, rb, g, error)) return false;
    if (g == stored) return true;
    if (g.isText()) return false;
    changes.emplace_back(at, std::move(g));
    return true;
}

// The given XDATA, application by application, against the object's, which
// begins at from: the same codes in the same order, only numbers changed.
bool xdataChanges(const db::Database& db, const db::Object& o, size_t from, const resbuf* rb, Changes& changes) {
    const Group* const groups = o.groups.data();
    const size_t n = o.groups.size();
    static thread_local std::vector<size_t> seen;  // where the applications given so far begin
    seen.clear();
    while (rb) {
        if (rb->restype != 1001 || rb->resval.rstring == nullptr) return false;
        char room[kMaxXdataText];
        Group converted;
        std::string_view app;
        if (!appName(db, *rb, room, converted, app)) return false;
        // The first application of that name without case, which must be
        // spelled the same.
        size_t at = from;
        while (at < n && !(groups[at].code() == 1001 &&
                           (groups[at].asText() == app || db::equalNoCase(groups[at].asText(), app))))
            ++at;
        if (at == n || groups[at].asText() != app) return false;
        for (size_t s : seen)
            if (s == at) return false;  // given twice
        seen.push_back(at);
        const Group* stored = groups + at + 1;
        for (rb = rb->rbnext; rb && rb->restype != 1001; rb = rb->rbnext, ++stored) {
            // A stored 1001 here means the given application has more groups.
            if (stored == groups + n || stored->code() != rb->restype) return false;
            if (!plainlySame<false>(db, {}, *rb, *stored) &&
                !noteXdataChange(db, *rb, *stored, static_cast<size_t>(stored - groups), changes))
                return false;
        }
        if (stored != groups + n && stored->code() != 1001) return false;  // groups left out
    }
    return true;
}

} // namespace

bool modifyInPlace(db::Database& db, const resbuf* given) {
    if (given == nullptr || given->restype != -1) return false;
    db::Object* o = db.object(slotOf(db, given->resval.rlname));
    if (o == nullptr || o->erased || o->cls != db::ObjectClass::Entity) return false;
    const resbuf* rb = given->rbnext;
    std::string_view type = o->typeName();
    if (rb == nullptr || (rb->restype != 0 && rb->restype != RTDXF0) || !sameType(rb->resval.rstring, type))
        return false;
    // The owner and the handle, as acdbEntGet gives them; the handle unchanged.
    bool owner = false, handle = false;
    for (rb = rb->rbnext; rb && (rb->restype == 330 || rb->restype == 5); rb = rb->rbnext) {
        if (rb->restype == 330 ? owner : handle) return false;
        if (rb->restype == 330) {
            owner = true;
            continue;
        }
        handle = true;
        db::Handle h;
        if (!parseWideHandle(rb->resval.rstring, h) || h != o->handle) return false;
    }
    static thread_local Changes changes;
    changes.clear();
    // The body, group by group up to the stored XDATA (its first 1001).
    const Group* const groups = o->groups.data();
    const size_t n = o->groups.size();
    size_t i = 0;
    for (; rb && rb->restype != -3; rb = rb->rbnext, ++i) {
        if (i >= n) return false;
        const Group& stored = groups[i];
        if (stored.code() != rb->restype || stored.code() == 1001) return false;
        if (!plainlySame<true>(db, type, *rb, stored) && !noteBodyChange(db, type, *rb, stored, i, changes))
            return false;
    }
    if (i < n && groups[i].code() != 1001) return false;  // body groups left out
    if (rb && !xdataChanges(db, *o, i, rb->rbnext, changes)) return false;
    for (auto& [at, g] : changes) o->groups[at] = std::move(g);
    changes.clear();
    return true;
}

} // namespace host::api
