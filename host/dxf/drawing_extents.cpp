#include "dxf/drawing_extents.h"

#include "db/drawn_shapes.h"
#include "db/finite_numbers.h"
#include "db/sub_entities.h"
#include "dxf/parallel.h"

#include <cmath>

namespace host::dxf {

ModelSpaceExtents modelSpaceExtents(const db::Database& db, const std::function<bool(db::Slot)>& written)
{
    ModelSpaceExtents extents;
    const db::Block* space = db.block(db.modelSpace());
    if (!space) return extents;
    // Each block's box worked out once, their entities (an element
    // drawing's bulk) drawn side by side; then model space in chunks side
    // by side, each with its own drawer over the same blocks.
    const unsigned threads = workerCount();
    auto forEach = [threads](size_t count, const std::function<void(size_t)>& work) {
        runInParallel(count, threads, work);
    };
    db::BlockTree tree(db, false);
    std::vector<db::Slot> records;
    for (db::Slot record : db.records(db::Table::BlockRecord))
        if (record != db.modelSpace() && record != db.paperSpace()) records.push_back(record);
    tree.buildAll(records, forEach);

    constexpr size_t kChunk = 2048;
    const std::vector<db::Slot>& entities = space->entities;
    std::vector<ModelSpaceExtents> parts((entities.size() + kChunk - 1) / kChunk);
    forEach(parts.size(), [&](size_t part) {
        db::EntityDrawer drawer(db);
        db::Drawing scratch;
        // Gathered here and stored once: the parts lie side by side, and
        // threads writing next to each other slow each other down.
        db::Extents one;
        ModelSpaceExtents gathered;
        for (size_t i = part * kChunk, end = std::min(entities.size(), i + kChunk); i < end; ++i) {
            const db::Object* object = db.object(entities[i]);
            if (!object || db::isSubEntity(*object) || !written(entities[i])) continue;
            // An entity that is drawn is drawn into `scratch`, which tells
            // whether any of its points overflowed and was left out.
            scratch.clear();
            bool drawn = db::entityExtents(tree, drawer, scratch, entities, i, one);
            if (!db::finiteBox(one) || scratch.own.overflowed) {
                if (gathered.leftOut++ == 0) gathered.firstLeftOut = entities[i];
            } else if (drawn) {
                gathered.box.add(one);
            }
        }
        parts[part] = gathered;
    });
    for (const ModelSpaceExtents& part : parts) {
        extents.box.add(part.box);
        if (part.leftOut > 0 && extents.leftOut == 0) extents.firstLeftOut = part.firstLeftOut;
        extents.leftOut += part.leftOut;
    }
    return extents;
}

} // namespace host::dxf
