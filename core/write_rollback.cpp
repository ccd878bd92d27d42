#include "core/write_rollback.h"

#include "acdb_objects.h"
#include "ads_entity.h"
#include "core/drawing_context.h"
#include "core/element_room.h"
#include "core/lobject.h"
#include "core/owned_entities.h"
#include "core/xdata_list.h"

namespace {

// The model space's block record, open for read (the caller closes it).
AcDbBlockTableRecord* OpenModelSpace(AcDbDatabase* db) {
    AcDbBlockTable* table = nullptr;
    if (!db || db->getBlockTable(table, AcDb::kForRead) != Acad::eOk || !table)
        return nullptr;
    AcDbBlockTableRecord* space = nullptr;
    Acad::ErrorStatus es = table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForRead);
    table->close();
    return es == Acad::eOk ? space : nullptr;
}

// Calls f for every entity of model space from its end towards its start,
// erased ones too, until f returns false.
template <typename F>
void BackThroughModelSpace(AcDbDatabase* db, F f) {
    AcDbBlockTableRecord* space = OpenModelSpace(db);
    if (!space)
        return;
    AcDbBlockTableRecordIterator* it = nullptr;
    if (space->newIterator(it, false, false) == Acad::eOk && it) {
        for (it->start(false, false); !it->done(); it->step(false, false)) {
            AcDbObjectId id;
            ads_name name;
            if (it->getEntityId(id) != Acad::eOk || acdbGetAdsName(name, id) != Acad::eOk)
                continue;
            if (!f(name))
                break;
        }
    }
    delete it;
    space->close();
}

}  // namespace

WriteRollback::~WriteRollback() {
    for (auto& kept : lists_)
        acutRelRb(kept.second);
}

void WriteRollback::MarkModelSpaceEnd() {
    LDrawingContext* drawing = CurrentDrawing();
    database_ = drawing ? drawing->database : nullptr;
    mark_ = Name{};
    marked_ = database_ != nullptr;
    BackThroughModelSpace(database_, [this](const ads_name last) {
        mark_ = Name{last[0], last[1]};
        return false;
    });
}

WriteRollback::Record& WriteRollback::RecordOf(const ads_name entity) {
    Name name{entity[0], entity[1]};
    auto [at, added] = index_.try_emplace(name, static_cast<uint32_t>(records_.size()));
    if (added) {
        records_.emplace_back();
        records_.back().name = name;
    }
    return records_[at->second];
}

void WriteRollback::Store(Record& r, resbuf* data) {
    r.flags |= kDataKept;
    // The name is the record's own.
    const resbuf* body = data->restype == -1 ? data->rbnext : data;
    PackedStore::View packed = store_.Add(body);
    if (!packed.data) {
        lists_.emplace_back(r.name, data);
        return;
    }
    r.packed = packed.data;
    r.size = packed.size;
    acutRelRb(data);
}

// An erased entity has no data to keep: it comes back by its name.
void WriteRollback::KeepData(Record& r) {
    if (r.flags & (kMade | kDataKept))
        return;
    ads_name entity = {r.name.a, r.name.b};
    if (resbuf* data = acdbEntGetX(entity, ElementAppFilter()))
        Store(r, data);
}

WriteRollback::Record* WriteRollback::Find(const ads_name entity) {
    auto at = index_.find(Name{entity[0], entity[1]});
    return at == index_.end() ? nullptr : &records_[at->second];
}

void WriteRollback::Touch(const LObject* e) {
    if (!e || ads_name_nil(e->entity))
        return;
    // Looked up first: an element is touched at every write.
    Record* seen = Find(e->entity);
    if (seen || EntityIsLive(e->entity))
        SeeOwned(seen ? *seen : RecordOf(e->entity), e);
}

void WriteRollback::SeeOwned(Record& element, const LObject* e) {
    if (element.flags & (kOwnersSeen | kMade))
        return;
    element.flags |= kOwnersSeen;
    // Only live ones: an erased one is no longer the element's in the
    // drawing's eyes, and the command does not bring it back.
    ForOwnedEntities(*e, [this, &element](const ads_name owned) {
        if (!ads_name_nil(owned) && EntityIsLive(owned)) {
            RecordOf(owned);
            element.owned = 1;
        }
    });
}

void WriteRollback::KeepElement(const LObject* e) {
    if (!e || ads_name_nil(e->entity))
        return;
    // One look-up a write: an element is written several times in a run.
    Record* r = Find(e->entity);
    if (r) {
        KeepData(*r);
    } else if (resbuf* data = acdbEntGetX(e->entity, ElementAppFilter())) {
        r = &RecordOf(e->entity);  // met for the first time, and live
        Store(*r, data);
    } else {
        return;  // an erased one is not the command's to bring back
    }
    SeeOwned(*r, e);
    if (!r->owned)
        return;
    ForOwnedEntities(*e, [this](const ads_name owned) {
        // One the element did not own when first touched was made since.
        if (Record* o = ads_name_nil(owned) ? nullptr : Find(owned))
            KeepData(*o);
    });
}

void WriteRollback::Keep(const ads_name entity) {
    if (ads_name_nil(entity))
        return;
    if (Record* r = Find(entity)) {
        KeepData(*r);
        return;
    }
    // Met for the first time: its data tells that it is live; an erased
    // one is not the command's to bring back.
    if (resbuf* data = acdbEntGetX(entity, ElementAppFilter()))
        Store(RecordOf(entity), data);
}

void WriteRollback::Made(const ads_name entity) {
    if (!ads_name_nil(entity))
        RecordOf(entity).flags |= kMade;
}

std::vector<WriteRollback::Name> WriteRollback::MadeAfterMark() const {
    std::vector<Name> made;
    if (!marked_)
        return made;
    bool found = false;
    BackThroughModelSpace(database_, [&](const ads_name e) {
        Name name{e[0], e[1]};
        found = name == mark_;
        if (!found)
            made.push_back(name);
        return !found;
    });
    // Without its mark model space cannot tell what is new: nothing is
    // taken for made rather than what was there.
    if (!found && !(mark_ == Name{}))
        made.clear();
    return made;
}

void WriteRollback::Undo() {
    std::vector<Name> made = MadeAfterMark();
    for (const Name& name : made) {
        auto at = index_.find(name);
        if (at != index_.end())
            records_[at->second].flags |= kMade;
    }
    for (const Record& r : records_)
        if (r.flags & kMade)
            made.push_back(r.name);
    // Erasing one may erase another (a label takes its leader along);
    // erasing that again would bring it back.
    for (const Name& name : made) {
        ads_name e = {name.a, name.b};
        if (EntityIsLive(e))
            acdbEntDel(e);
    }
    // Erasing an erased entity brings it back.
    for (const Record& r : records_) {
        ads_name e = {r.name.a, r.name.b};
        if (!(r.flags & kMade) && !EntityIsLive(e))
            acdbEntDel(e);
    }
    for (const Record& r : records_) {
        if ((r.flags & kMade) || !r.packed)
            continue;
        ads_name e = {r.name.a, r.name.b};
        resbuf* data = acutBuildList(-1, e, 0);
        if (data && (data->rbnext = UnpackGroups(r.packed, r.size)) != nullptr)
            acdbEntMod(data);
        acutRelRb(data);
    }
    for (auto& [name, data] : lists_) {
        ads_name e = {name.a, name.b};
        const Record* r = Find(e);
        if (r && !(r->flags & kMade))
            acdbEntMod(data);
        acutRelRb(data);
    }
    lists_.clear();
    records_.clear();
    index_.clear();
}

bool WriteElement(LObject* e, uint16_t flags, WriteRollback& undo) {
    bool wasNew = ads_name_nil(e->entity);
    if (!wasNew)
        undo.KeepElement(e);
    if (e->Insert(flags) != 0) {
        ReportElementNotWritten(e);
        undo.Undo();
        if (wasNew)
            ads_name_clear(e->entity);
        return false;
    }
    if (wasNew)
        undo.Made(e->entity);
    return true;
}
