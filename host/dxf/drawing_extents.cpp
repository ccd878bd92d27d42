#include "dxf/drawing_extents.h"

#include "dxf/parallel.h"

#include <cmath>
#include <string_view>
#include <unordered_map>
#include <vector>

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

BlockBox boxOf(const db::Database& db, Slot record)
{
    BlockBox box;
    const db::Block* block = db.block(record);
    if (!block) return box;
    for (Slot entity : block->entities) {
        const db::Object* object = db.object(entity);
        Extents one;
        if (object && !object->erased && db::worldExtents(db, entity, one)) box.extents.add(one);
    }
    if (const db::Object* begin = db.object(block->begin)) {
        if (const Group* base = db::findGroup(*begin, 10); base && base->kind() == db::ValueKind::Point)
            box.base = {base->asPoint()[0], base->asPoint()[1], base->asPoint()[2]};
    }
    return box;
}

// The boxes of every block but the spaces, worked out side by side.
std::unordered_map<Slot, BlockBox> allBlockBoxes(const db::Database& db)
{
    std::vector<Slot> records;
    for (Slot record : db.records(db::Table::BlockRecord))
        if (record != db.modelSpace() && record != db.paperSpace() && db.block(record)) records.push_back(record);
    std::vector<BlockBox> boxes(records.size());
    runInParallel(records.size(), workerCount(), [&](size_t i) { boxes[i] = boxOf(db, records[i]); });
    std::unordered_map<Slot, BlockBox> byRecord;
    for (size_t i = 0; i < records.size(); ++i) byRecord.emplace(records[i], boxes[i]);
    return byRecord;
}

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

// The extents of some model-space entities, with the block boxes known.
Extents extentsOf(const db::Database& db, const Slot* begin, const Slot* end,
                  const std::unordered_map<Slot, BlockBox>& boxes, const std::function<bool(Slot)>& written)
{
    Extents extents;
    std::unordered_map<std::string_view, const BlockBox*> byName;  // views into the inserts' groups
    for (const Slot* at = begin; at != end; ++at) {
        const db::Object* object = db.object(*at);
        if (!object || !written(*at)) continue;
        if (!object->isType("INSERT")) {
            Extents one;
            if (db::worldExtents(db, *at, one)) extents.add(one);
            continue;
        }
        std::string_view name = db::groupText(*object, 2);
        auto found = byName.find(name);
        if (found == byName.end()) {
            auto box = boxes.find(db.findRecord(db::Table::BlockRecord, name));
            found = byName.emplace(name, box == boxes.end() ? nullptr : &box->second).first;
        }
        const BlockBox* box = found->second;
        if (!box || !box->extents.valid()) continue;
        Placement placement;
        if (simplePlacement(*object, placement))
            addPlacedBox(extents, *box, placement);
        else
            addTransformedBox(extents, box->extents, db::insertTransform(db, *object));
    }
    return extents;
}

} // namespace

Extents modelSpaceExtents(const db::Database& db, const std::function<bool(Slot)>& written)
{
    const db::Block* space = db.block(db.modelSpace());
    if (!space || space->entities.empty()) return Extents();
    std::unordered_map<Slot, BlockBox> boxes = allBlockBoxes(db);
    // The entities in a few runs, one a thread, then the runs' extents together.
    constexpr size_t kRun = 4096;
    const std::vector<Slot>& entities = space->entities;
    size_t runs = (entities.size() + kRun - 1) / kRun;
    std::vector<Extents> parts(runs);
    runInParallel(runs, workerCount(), [&](size_t run) {
        const Slot* first = entities.data() + run * kRun;
        const Slot* last = entities.data() + std::min(entities.size(), (run + 1) * kRun);
        parts[run] = extentsOf(db, first, last, boxes, written);
    });
    Extents extents;
    for (const Extents& part : parts) extents.add(part);
    return extents;
}

} // namespace host::dxf
