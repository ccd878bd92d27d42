#include "dxf/drawing_extents.h"

#include "db/drawn_shapes.h"
#include "db/sub_entities.h"

namespace host::dxf {

db::Extents modelSpaceExtents(const db::Database& db, const std::function<bool(db::Slot)>& written)
{
    db::Extents extents;
    const db::Block* space = db.block(db.modelSpace());
    if (!space) return extents;
    // Entities as they are drawn, each block's box worked out once.
    db::DrawnShapes shapes(db, false);
    for (size_t i = 0; i < space->entities.size(); ++i) {
        db::Slot slot = space->entities[i];
        const db::Object* object = db.object(slot);
        if (!object || db::isSubEntity(*object) || !written(slot)) continue;
        if (shapes.build(space->entities, i)) extents.add(shapes.extents());
    }
    return extents;
}

} // namespace host::dxf
