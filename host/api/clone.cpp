// Deep cloning: copies of entities with what they own, and the id map.
#include <algorithm>
#include <unordered_map>

#include "api/host_api.h"
#include "api/lists.h"
#include "api/object_impl.h"

using namespace host;
using db::Group;

namespace {

struct Cloner {
    db::Database& db;
    std::unordered_map<db::Handle, db::Handle> handles;  // source -> copy
    std::vector<std::pair<db::Slot, db::Slot>> copies;    // every copy made

    // Copies one object (and, for an entity, its extension dictionary);
    // the copy belongs to `owner`.
    db::Slot copy(db::Slot source, db::Handle owner) {
        const db::Object& src = *db.object(source);
        db::Object o;
        o.type = src.type;
        o.cls = src.cls;
        o.owner = owner;
        o.groups.reserve(src.groups.size());
        // Persistent reactors belong to the original; they are not copied.
        size_t i = 0;
        if (!src.groups.empty() && src.groups[0].code() == 102 && src.groups[0].asText() == "{ACAD_REACTORS") {
            while (i < src.groups.size() && !(src.groups[i].code() == 102 && src.groups[i].asText() == "}")) ++i;
            ++i;
        }
        for (; i < src.groups.size(); ++i) o.groups.push_back(src.groups[i]);
        db::Slot slot = db.add(std::move(o));
        if (slot == db::kNoSlot) return slot;
        db::Handle handle = db.object(slot)->handle;
        handles[src.handle] = handle;
        copies.emplace_back(source, slot);
        copyOwned(slot, handle);
        return slot;
    }

    // Hard-owned objects (360 groups: extension dictionaries and their
    // entries) are copied with their owner.
    void copyOwned(db::Slot slot, db::Handle owner) {
        std::vector<db::Handle> owned;
        for (const Group& g : db.object(slot)->groups)
            if (g.code() >= 360 && g.code() <= 369 && g.asHandle() != 0) owned.push_back(g.asHandle());
        for (db::Handle h : owned) {
            db::Slot s = db.slotOf(h);
            if (db.object(s) && !handles.count(h)) copy(s, owner);
        }
    }

    // References among the copies point at the copies.
    void translate() {
        for (auto& [source, slot] : copies) {
            db::Object* o = db.object(slot);
            size_t xb = db::xdataBegin(*o);
            for (size_t i = 0; i < o->groups.size(); ++i) {
                Group& g = o->groups[i];
                if (g.kind() == db::ValueKind::Handle) {
                    auto it = handles.find(g.asHandle());
                    if (it != handles.end()) g = Group::handle(g.code(), it->second);
                } else if (i >= xb && g.code() == 1005) {
                    db::Handle h;
                    if (!db::parseHandle(g.asText(), h)) continue;
                    auto it = handles.find(h);
                    if (it != handles.end()) g = Group::text(1005, db::handleText(it->second));
                }
            }
        }
    }
};

} // namespace

Acad::ErrorStatus AcDbDatabase::deepCloneObjects(AcDbObjectIdArray& ids, AcDbObjectId& owner, AcDbIdMapping& idMap,
                                                 bool /*deferXlation*/) {
    db::Database* ownerDb;
    db::Slot ownerSlot;
    if (!api::resolveId(owner, ownerDb, ownerSlot) || ownerDb != db_.get()) return Acad::eWrongDatabase;
    if (db_->block(ownerSlot) == nullptr) return Acad::eWrongObjectType;
    for (int i = 0; i < ids.length(); ++i) {
        db::Database* d;
        db::Slot s;
        if (!api::resolveId(ids[i], d, s) || d != db_.get()) return Acad::eWrongDatabase;
        if (db_->object(s)->cls != db::ObjectClass::Entity) return Acad::eNotApplicable;
    }
    idMap.dest_ = idMap.orig_ = this;
    Cloner cloner{*db_, {}, {}};
    db::Handle ownerHandle = db_->object(ownerSlot)->handle;
    std::vector<db::Slot> primaries;
    for (int i = 0; i < ids.length(); ++i) {
        db::Database* d;
        db::Slot s;
        api::resolveId(ids[i], d, s);
        if (cloner.handles.count(db_->object(s)->handle)) continue;  // listed twice
        db::Slot copy = cloner.copy(s, ownerHandle);
        if (copy == db::kNoSlot) return Acad::eOutOfMemory;
        db_->appendEntity(ownerSlot, copy);
        primaries.push_back(s);
    }
    cloner.translate();
    for (auto& [source, copy] : cloner.copies) {
        bool primary = std::find(primaries.begin(), primaries.end(), source) != primaries.end();
        idMap.assign(AcDbIdPair(api::idOf(*db_, source), api::idOf(*db_, copy), true, primary));
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbIdMapping::assign(const AcDbIdPair& pair) {
    for (AcDbIdPair& p : pairs_)
        if (p.key() == pair.key()) {
            p = pair;
            return Acad::eOk;
        }
    pairs_.push_back(pair);
    return Acad::eOk;
}

bool AcDbIdMapping::compute(AcDbIdPair& pair) const {
    for (const AcDbIdPair& p : pairs_)
        if (p.key() == pair.key()) {
            pair = p;
            return true;
        }
    return false;
}

bool AcDbIdMapping::del(AcDbObjectId key) {
    for (size_t i = 0; i < pairs_.size(); ++i)
        if (pairs_[i].key() == key) {
            pairs_.erase(pairs_.begin() + static_cast<ptrdiff_t>(i));
            return true;
        }
    return false;
}

bool AcDbIdMappingIter::getMap(AcDbIdPair& pair) const {
    if (done()) return false;
    pair = mapping_.pairs_[index_];
    return true;
}
