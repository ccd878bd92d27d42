#include "dxf/drawing_extents.h"

#include <cmath>
#include <string_view>
#include <unordered_map>

namespace host::dxf {

namespace {

using db::Extents;
using db::Group;
using db::Slot;

// A block's extents in its own coordinates, and its base point.
struct BlockBox {
    Extents extents;
    db::Point3 base;
};

class BlockBoxes {
public:
    explicit BlockBoxes(const db::Database& db) : db_(db) {}

    const BlockBox& ofName(std::string_view name)
    {
        auto found = byName_.find(name);
        if (found == byName_.end())
            found = byName_.emplace(name, db_.findRecord(db::Table::BlockRecord, name)).first;
        return of(found->second);
    }

private:
    const BlockBox& of(Slot record)
    {
        auto found = cache_.find(record);
        if (found != cache_.end()) return found->second;
        BlockBox box;
        if (const db::Block* block = db_.block(record)) {
            for (Slot entity : block->entities) {
                const db::Object* object = db_.object(entity);
                Extents one;
                if (object && !object->erased && db::worldExtents(db_, entity, one)) box.extents.add(one);
            }
            if (const db::Object* begin = db_.object(block->begin)) {
                if (const Group* base = db::findGroup(*begin, 10); base && base->kind() == db::ValueKind::Point)
                    box.base = {base->asPoint()[0], base->asPoint()[1], base->asPoint()[2]};
            }
        }
        return cache_.emplace(record, box).first->second;
    }

    const db::Database& db_;
    std::unordered_map<Slot, BlockBox> cache_;
    std::unordered_map<std::string_view, Slot> byName_;  // views into the inserts' groups
};

// Where an INSERT puts its block: insertion point, scales and rotation.
// False for what needs the general transform (other extrusion, arrays).
struct Placement {
    double x = 0, y = 0, z = 0;
    double sx = 1, sy = 1, sz = 1;
    double degrees = 0;
};

bool simplePlacement(const db::Object& insert, Placement& p)
{
    for (const Group& g : insert.groups) {
        switch (g.code()) {
        case 10:
            if (g.kind() != db::ValueKind::Point) return false;
            p.x = g.asPoint()[0];
            p.y = g.asPoint()[1];
            p.z = g.asPoint()[2];
            break;
        case 41: p.sx = g.asReal(); break;
        case 42: p.sy = g.asReal(); break;
        case 43: p.sz = g.asReal(); break;
        case 50: p.degrees = g.asReal(); break;
        case 70:
        case 71:
            if (g.asInt() > 1) return false;  // an array of columns or rows
            break;
        case 210:
            if (g.kind() != db::ValueKind::Point || g.asPoint()[0] != 0 || g.asPoint()[1] != 0 || g.asPoint()[2] <= 0)
                return false;
            break;
        case 1001: return true;  // XDATA: nothing further of the placement
        default: break;
        }
    }
    return true;
}

void addPlacedBox(Extents& out, const BlockBox& box, const Placement& p)
{
    double radians = p.degrees * (M_PI / 180.0);
    double c = std::cos(radians), s = std::sin(radians);
    for (int corner = 0; corner < 8; ++corner) {
        double x = ((corner & 1) ? box.extents.max.x : box.extents.min.x) - box.base.x;
        double y = ((corner & 2) ? box.extents.max.y : box.extents.min.y) - box.base.y;
        double z = ((corner & 4) ? box.extents.max.z : box.extents.min.z) - box.base.z;
        x *= p.sx;
        y *= p.sy;
        out.add(db::Point3{p.x + c * x - s * y, p.y + s * x + c * y, p.z + z * p.sz});
    }
}

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
    BlockBoxes blocks(db);
    for (Slot entity : space->entities) {
        const db::Object* object = db.object(entity);
        if (!object || !written(entity)) continue;
        if (object->isType("INSERT")) {
            const BlockBox& box = blocks.ofName(db::groupText(*object, 2));
            if (!box.extents.valid()) continue;
            Placement placement;
            if (simplePlacement(*object, placement))
                addPlacedBox(extents, box, placement);
            else
                addTransformedBox(extents, box.extents, db::insertTransform(db, *object));
            continue;
        }
        Extents one;
        if (db::worldExtents(db, entity, one)) extents.add(one);
    }
    return extents;
}

} // namespace host::dxf
