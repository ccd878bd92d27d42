// Deep cloning: copies of entities with what they own, and the id map.
#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "api/host_api.h"
#include "api/lists.h"
#include "api/object_impl.h"
#include "db/sub_entities.h"

using namespace host;
using db::Group;

namespace {

struct Cloner {
    db::Database& db;
    std::unordered_map<db::Handle, db::Handle> handles;  // source -> copy
    std::vector<std::pair<db::Slot, db::Slot>> copies;    // every copy made

    // Copies one object (and, for an entity, its extension dictionary);
    // the copy belongs to `owner`.  kNoSlot when it or what it owns could
    // not be stored (what was stored stays for the caller to take back).
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
        return copyOwned(slot, handle) ? slot : db::kNoSlot;
    }

    // Hard-owned objects (360 groups: extension dictionaries and their
    // entries) are copied with their owner.
    bool copyOwned(db::Slot slot, db::Handle owner) {
        std::vector<db::Handle> owned;
        for (const Group& g : db.object(slot)->groups)
            if (g.code() >= 360 && g.code() <= 369 && g.asHandle() != 0) owned.push_back(g.asHandle());
        for (db::Handle h : owned) {
            db::Slot s = db.slotOf(h);
            if (db.object(s) && !handles.count(h) && copy(s, owner) == db::kNoSlot) return false;
        }
        return true;
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

// Attributes cloned into an insert: its own attributes, after those it has
// and before its SEQEND (made when it has none).
Acad::ErrorStatus cloneAttributes(db::Database& db, Cloner& cloner, const std::vector<db::Slot>& sources,
                                  db::Slot insert) {
    db::Block* block = db.block(db.ownerBlock(insert));
    if (block == nullptr) return Acad::eWrongObjectType;
    std::vector<db::Slot> subs = db::subEntitiesOf(db, insert);
    const db::Object* last = subs.empty() ? nullptr : db.object(subs.back());
    bool closed = last && last->isType("SEQEND");
    size_t at = db::positionInBlock(*block, insert) + 1 + subs.size() - (closed ? 1 : 0);
    db::Handle owner = db.object(insert)->handle;
    std::vector<db::Slot> made;
    for (db::Slot source : sources) {
        db::Slot copy = cloner.copy(source, owner);
        if (copy == db::kNoSlot) return Acad::eOutOfMemory;
        made.push_back(copy);
    }
    if (!closed) {
        db::Slot end = db.add(db::closingSeqend(*db.object(insert)));
        if (end == db::kNoSlot) return Acad::eOutOfMemory;
        made.push_back(end);
    }
    block->entities.insert(block->entities.begin() + static_cast<ptrdiff_t>(at), made.begin(), made.end());
    db::setAttributesFollow(*db.object(insert));
    return Acad::eOk;
}

} // namespace

// Entities cloned into a block each take their attributes or vertices with
// their SEQEND, right after the copy and owned by it; a sub-entity listed
// with its main entity comes with it, and one listed alone is refused (it
// cannot stand in a block by itself).  Attributes cloned into an insert
// become that insert's.
Acad::ErrorStatus AcDbDatabase::deepCloneObjects(AcDbObjectIdArray& ids, AcDbObjectId& owner, AcDbIdMapping& idMap,
                                                 bool /*deferXlation*/) {
    db::Database* ownerDb;
    db::Slot ownerSlot;
    if (!api::resolveId(owner, ownerDb, ownerSlot) || ownerDb != db_.get()) return Acad::eWrongDatabase;
    const db::Object* ownerObject = db_->object(ownerSlot);
    bool intoInsert = ownerObject->cls == db::ObjectClass::Entity && ownerObject->isType("INSERT");
    if (!intoInsert && db_->block(ownerSlot) == nullptr) return Acad::eWrongObjectType;
    std::vector<db::Slot> sources;
    for (int i = 0; i < ids.length(); ++i) {
        db::Database* d;
        db::Slot s;
        if (!api::resolveId(ids[i], d, s) || d != db_.get()) return Acad::eWrongDatabase;
        if (db_->object(s)->cls != db::ObjectClass::Entity) return Acad::eNotApplicable;
        if (std::find(sources.begin(), sources.end(), s) == sources.end()) sources.push_back(s);  // listed twice
    }
    std::unordered_set<db::Handle> listed;
    for (db::Slot s : sources) listed.insert(db_->object(s)->handle);
    for (db::Slot s : sources) {
        const db::Object& o = *db_->object(s);
        bool fits = intoInsert ? o.isType("ATTRIB") : !db::isSubEntity(o) || listed.count(o.owner);
        if (!fits) return Acad::eNotApplicable;
    }
    idMap.dest_ = idMap.orig_ = this;
    Cloner cloner{*db_, {}, {}};
    // Copies are made all or none: those made before one that cannot be
    // stored go again.
    db::Slot mark = db_->slotCount();
    auto takeBack = [&](Acad::ErrorStatus es) {
        db_->purgeSince(mark);
        return es;
    };
    if (intoInsert) {
        Acad::ErrorStatus es = cloneAttributes(*db_, cloner, sources, ownerSlot);
        if (es != Acad::eOk) return takeBack(es);
    } else {
        db::Handle ownerHandle = ownerObject->handle;
        for (db::Slot s : sources) {
            if (db::isSubEntity(*db_->object(s))) continue;  // comes with its main entity
            db::Slot copy = cloner.copy(s, ownerHandle);
            if (copy == db::kNoSlot) return takeBack(Acad::eOutOfMemory);
            db_->appendEntity(ownerSlot, copy);
            db::Handle copyHandle = db_->object(copy)->handle;
            for (db::Slot sub : db::subEntitiesOf(*db_, s)) {
                if (db_->object(sub)->erased) continue;
                db::Slot subCopy = cloner.copy(sub, copyHandle);
                if (subCopy == db::kNoSlot) return takeBack(Acad::eOutOfMemory);
                db_->appendEntity(ownerSlot, subCopy);
                db_->object(subCopy)->owner = copyHandle;
            }
        }
    }
    cloner.translate();
    for (auto& [source, copy] : cloner.copies) {
        bool primary = std::find(sources.begin(), sources.end(), source) != sources.end();
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
