#include "dxf/drawing_extents.h"

#include <string_view>
#include <unordered_map>

namespace host::dxf {

namespace {

using db::Extents;
using db::Slot;

class ExtentsOfBlocks {
public:
    explicit ExtentsOfBlocks(const db::Database& db) : db_(db) {}

    const Extents& ofName(std::string_view name)
    {
        auto found = byName_.find(name);
        if (found == byName_.end())
            found = byName_.emplace(name, db_.findRecord(db::Table::BlockRecord, name)).first;
        return of(found->second);
    }

    // Extents of a block's entities in the block's own coordinates.
    const Extents& of(Slot record)
    {
        auto found = cache_.find(record);
        if (found != cache_.end()) return found->second;
        Extents extents;
        if (const db::Block* block = db_.block(record)) {
            for (Slot entity : block->entities) {
                const db::Object* object = db_.object(entity);
                Extents one;
                if (object && !object->erased && db::worldExtents(db_, entity, one)) extents.add(one);
            }
        }
        return cache_.emplace(record, extents).first->second;
    }

private:
    const db::Database& db_;
    std::unordered_map<Slot, Extents> cache_;
    std::unordered_map<std::string_view, Slot> byName_;  // views into the inserts' groups
};

void addTransformedBox(Extents& out, const Extents& box, const db::Matrix& m)
{
    for (int corner = 0; corner < 8; ++corner) {
        db::Point3 p{corner & 1 ? box.max.x : box.min.x, corner & 2 ? box.max.y : box.min.y,
                     corner & 4 ? box.max.z : box.min.z};
        out.add(m.apply(p));
    }
}

} // namespace

Extents modelSpaceExtents(const db::Database& db, const std::function<bool(Slot)>& written)
{
    Extents extents;
    const db::Block* space = db.block(db.modelSpace());
    if (!space) return extents;
    ExtentsOfBlocks blocks(db);
    for (Slot entity : space->entities) {
        const db::Object* object = db.object(entity);
        if (!object || !written(entity)) continue;
        if (object->isType("INSERT")) {
            const Extents& box = blocks.ofName(db::groupText(*object, 2));
            if (box.valid()) addTransformedBox(extents, box, db::insertTransform(db, *object));
            continue;
        }
        Extents one;
        if (db::worldExtents(db, entity, one)) extents.add(one);
    }
    return extents;
}

} // namespace host::dxf
