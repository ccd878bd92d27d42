#include "api/modify_in_place.h"

#include <string>
#include <utility>
#include <vector>

#include "api/host_api.h"
#include "api/lists.h"
#include "db/units.h"

namespace host::api {

using db::Group;

bool valueNeedsRules(int code) {
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
    std::string error;
    if (!groupFromResbuf(db, rb, g, error)) return false;
    if (g.kind() == db::ValueKind::Real && g.code() >= 50 && g.code() <= 53 && db::angleInDegrees(type, g.code()))
        g = Group::real(g.code(), db::fromRadians(type, g.code(), g.asReal()));
    return true;
}

// True when a given group plainly holds the stored value, read without
// converting it (most groups of a round trip are unchanged); false when it
// differs or the quick look cannot tell.
bool plainlySame(const db::Database& db, std::string_view type, const resbuf& rb, const Group& stored) {
    switch (stored.kind()) {
    case db::ValueKind::Real: {
        double v = rb.resval.rreal;
        if (stored.code() >= 50 && stored.code() <= 53) v = db::fromRadians(type, stored.code(), v);
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
        const ACHAR* w = rb.resval.rstring;
        std::string_view t = stored.asText();
        if (w == nullptr) return false;
        size_t i = 0;
        for (; i < t.size(); ++i)
            if (static_cast<unsigned char>(t[i]) >= 0x80 || static_cast<uint32_t>(w[i]) != static_cast<unsigned char>(t[i]))
                return false;
        return w[i] == 0;
    }
    case db::ValueKind::Handle: {
        if (ads_name_nil(rb.resval.rlname)) return stored.asHandle() == 0;
        const db::Object* o = db.object(slotOf(db, rb.resval.rlname));
        return o && o->handle == stored.asHandle();
    }
    case db::ValueKind::Binary: return false;
    }
    return false;
}

using Changes = std::vector<std::pair<size_t, Group>>;

// The given XDATA, application by application, against the object's: the
// same codes, only numbers changed (a changed text could outgrow the
// host's limit, which the general way checks).
bool xdataChanges(const db::Database& db, const db::Object& o, const resbuf* rb, Changes& changes) {
    const auto& groups = o.groups;
    size_t from = db::xdataBegin(o);
    std::vector<std::string_view> seen;
    while (rb) {
        if (rb->restype != 1001 || rb->resval.rstring == nullptr) return false;
        Group app;
        std::string error;
        if (!groupFromResbuf(db, *rb, app, error)) return false;
        for (std::string_view s : seen)
            if (db::equalNoCase(s, app.asText())) return false;  // given twice
        size_t at = from;
        while (at < groups.size() && !(groups[at].code() == 1001 && db::equalNoCase(groups[at].asText(), app.asText())))
            ++at;
        if (at == groups.size() || groups[at].asText() != app.asText()) return false;
        seen.push_back(groups[at].asText());
        size_t k = at + 1;
        for (rb = rb->rbnext; rb && rb->restype != 1001; rb = rb->rbnext, ++k) {
            if (k >= groups.size() || groups[k].code() == 1001 || groups[k].code() != rb->restype) return false;
            if (plainlySame(db, "", *rb, groups[k])) continue;
            Group g;
            if (!groupFromResbuf(db, *rb, g, error)) return false;
            if (g == groups[k]) continue;
            if (g.isText()) return false;
            changes.emplace_back(k, std::move(g));
        }
        if (k < groups.size() && groups[k].code() != 1001) return false;  // groups left out
    }
    return true;
}

} // namespace

bool modifyInPlace(db::Database& db, const resbuf* given) {
    if (given == nullptr || given->restype != -1) return false;
    db::Object* o = db.object(slotOf(db, given->resval.rlname));
    if (o == nullptr || o->erased || o->cls != db::ObjectClass::Entity) return false;
    const resbuf* rb = given->rbnext;
    if (rb == nullptr || (rb->restype != 0 && rb->restype != RTDXF0) || !sameType(rb->resval.rstring, o->typeName()))
        return false;
    std::string_view type = o->typeName();
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
        if (rb->resval.rstring == nullptr || !db::parseHandle(narrow(rb->resval.rstring), h) || h != o->handle)
            return false;
    }
    static thread_local Changes changes;
    changes.clear();
    size_t xb = db::xdataBegin(*o), i = 0;
    for (; rb && rb->restype != -3; rb = rb->rbnext, ++i) {
        if (i >= xb || o->groups[i].code() != rb->restype) return false;
        if (plainlySame(db, type, *rb, o->groups[i])) continue;
        Group g;
        if (!storedForm(db, type, *rb, g)) return false;
        if (g == o->groups[i]) continue;
        if (valueNeedsRules(g.code())) return false;
        changes.emplace_back(i, std::move(g));
    }
    if (i != xb) return false;
    if (rb && !xdataChanges(db, *o, rb->rbnext, changes)) return false;
    for (auto& [at, g] : changes) o->groups[at] = std::move(g);
    changes.clear();
    return true;
}

} // namespace host::api
