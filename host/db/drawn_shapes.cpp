#include "db/drawn_shapes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "db/entity_values.h"
#include "db/sub_entities.h"

namespace host::db {

namespace {

using namespace values;

// ATTRIB 70.
constexpr int kAttributeInvisible = 1;

bool visibleAttribute(const Object& o) { return o.isType("ATTRIB") && !(intOf(o, 70, 0) & kAttributeInvisible); }

// The sub-entities that follow the main entity at `index`: [index + 1, end).
size_t subEntitiesEnd(const Database& db, const std::vector<Slot>& entities, size_t index, Handle owner) {
    size_t end = index + 1;
    while (end < entities.size()) {
        const Object* next = db.object(entities[end]);
        if (next == nullptr || !isSubEntity(*next) || next->owner != owner) break;
        ++end;
    }
    return end;
}

} // namespace

const Shapes* DrawnShapes::blockShapes(Slot record) {
    if (auto found = blocks_.find(record); found != blocks_.end()) return found->second.get();
    const Block* block = record == kNoSlot ? nullptr : db_.block(record);
    if (block == nullptr || !building_.insert(record).second) return nullptr;
    auto shapes = std::make_unique<Shapes>();
    const Matrix identity;
    for (size_t i = 0; i < block->entities.size(); ++i) {
        const Object* o = db_.object(block->entities[i]);
        // An attribute definition is not drawn in an insert: its attribute is.
        if (o == nullptr || o->erased || isSubEntity(*o) || o->isType("ATTDEF")) continue;
        entity(*o, &block->entities, i, identity, *shapes, nullptr);
    }
    building_.erase(record);
    return blocks_.emplace(record, std::move(shapes)).first->second.get();
}

void DrawnShapes::place(const Shapes* block, const Matrix& m, Shapes& out, std::vector<Placed>* placed) {
    if (block == nullptr || block->points.empty()) return;
    if (placed != nullptr) placed->push_back({block, m});
    else out.append(*block, m);
}

void DrawnShapes::insert(const Object& o, const std::vector<Slot>* entities, size_t index, const Matrix& m,
                         Shapes& out, std::vector<Placed>* placed) {
    Slot record = db_.findRecord(Table::BlockRecord, groupText(o, 2));
    const Block* block = record == kNoSlot ? nullptr : db_.block(record);
    Point3 base;
    if (const Object* begin = block ? db_.object(block->begin) : nullptr) base = pointOf(*begin, 10);
    Point3 at = pointOf(o, 10);
    Matrix where = placeIn(m, o) * Matrix::translation(at.x, at.y, at.z) * Matrix::rotationZ(angleOf(o, 50)) *
                   Matrix::scaling(realOf(o, 41, 1), realOf(o, 42, 1), realOf(o, 43, 1)) *
                   Matrix::translation(-base.x, -base.y, -base.z);
    place(blockShapes(record), where, out, placed);
    // The attributes are placed in the insert's space, not its block's.
    if (entities == nullptr) return;
    for (size_t i = index + 1, end = subEntitiesEnd(db_, *entities, index, o.handle); i < end; ++i) {
        const Object* sub = db_.object((*entities)[i]);
        if (sub != nullptr && !sub->erased && visibleAttribute(*sub)) addTextBox(*sub, m, groupText(*sub, 1), out);
    }
}

void DrawnShapes::entity(const Object& o, const std::vector<Slot>* entities, size_t index, const Matrix& m,
                         Shapes& out, std::vector<Placed>* placed) {
    if (o.isType("INSERT")) {
        insert(o, entities, index, m, out, placed);
    } else if (o.isType("DIMENSION")) {
        const Shapes* block = blockShapes(db_.findRecord(Table::BlockRecord, groupText(o, 2)));
        if (block != nullptr && !block->points.empty()) {
            place(block, m, out, placed);
        } else {
            out.startRun(RunKind::Open);
            for (int code : {10, 11, 13, 14})
                if (first(o, code)) out.add(m, pointOf(o, code));
        }
    } else if (o.isType("ATTRIB")) {
        if (visibleAttribute(o)) addTextBox(o, m, groupText(o, 1), out);
    } else {
        subs_.clear();
        if (entities != nullptr && o.isType("POLYLINE")) {
            for (size_t i = index + 1, end = subEntitiesEnd(db_, *entities, index, o.handle); i < end; ++i) {
                const Object* v = db_.object((*entities)[i]);
                if (v != nullptr && !v->erased) subs_.push_back(v);
            }
        }
        addEntityShape(o, subs_, m, out, scratch_);
    }
}

void DrawnShapes::finish() {
    box_ = own_.box;
    endless_ = own_.endless;
    for (const Placed& p : placed_) {
        const Extents& b = p.block->box;
        endless_ = endless_ || p.block->endless;
        for (int corner = 0; corner < 8; ++corner)
            box_.add(p.m.apply({corner & 1 ? b.max.x : b.min.x, corner & 2 ? b.max.y : b.min.y,
                                corner & 4 ? b.max.z : b.min.z}));
    }
}

bool DrawnShapes::build(const std::vector<Slot>& entities, size_t index) {
    own_.clear();
    placed_.clear();
    const Object* o = index < entities.size() ? db_.object(entities[index]) : nullptr;
    if (o != nullptr) entity(*o, &entities, index, Matrix(), own_, &placed_);
    finish();
    return box_.valid() || endless_;
}

double DrawnShapes::distance(double x, double y) {
    double best = tests_.distance(own_, Matrix(), x, y);
    for (const Placed& p : placed_) {
        if (best == 0) break;
        best = std::min(best, tests_.distance(*p.block, p.m, x, y));
    }
    return best;
}

bool DrawnShapes::inside(double x1, double y1, double x2, double y2) {
    if (!box_.valid() || endless_) return false;
    PlanWindow w{x1, y1, x2, y2};
    if (w.holds(box_.min) && w.holds(box_.max)) return true;
    if (box_.max.x < x1 || box_.min.x > x2 || box_.max.y < y1 || box_.min.y > y2) return false;
    if (!own_.runs.empty() && !tests_.inside(own_, Matrix(), w)) return false;
    for (const Placed& p : placed_)
        if (!tests_.inside(*p.block, p.m, w)) return false;
    return true;
}

bool DrawnShapes::meets(double x1, double y1, double x2, double y2) {
    if (!endless_ && (!box_.valid() || box_.max.x < x1 || box_.min.x > x2 || box_.max.y < y1 || box_.min.y > y2))
        return false;
    PlanWindow w{x1, y1, x2, y2};
    if (box_.valid() && w.holds(box_.min) && w.holds(box_.max)) return true;
    if (tests_.meets(own_, Matrix(), w)) return true;
    for (const Placed& p : placed_)
        if (tests_.meets(*p.block, p.m, w)) return true;
    return false;
}

Slot pick(const Database& db, double x, double y, double radius) {
    const Block* ms = db.block(db.modelSpace());
    if (ms == nullptr) return kNoSlot;
    DrawnShapes shapes(db);
    for (size_t i = ms->entities.size(); i-- > 0;) {
        Slot s = ms->entities[i];
        const Object* o = db.object(s);
        if (o == nullptr || o->erased || isSubEntity(*o) || !shapes.build(ms->entities, i)) continue;
        const Extents& box = shapes.box();
        double dx = std::max({box.min.x - x, x - box.max.x, 0.0}), dy = std::max({box.min.y - y, y - box.max.y, 0.0});
        if ((shapes.endless() || std::hypot(dx, dy) <= radius) && shapes.distance(x, y) <= radius) return s;
    }
    return kNoSlot;
}

std::vector<Slot> selectWindow(const Database& db, double x1, double y1, double x2, double y2, bool crossing) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    std::vector<Slot> found;
    const Block* ms = db.block(db.modelSpace());
    if (ms == nullptr) return found;
    DrawnShapes shapes(db);
    for (size_t i = 0; i < ms->entities.size(); ++i) {
        const Object* o = db.object(ms->entities[i]);
        if (o == nullptr || o->erased || isSubEntity(*o) || !shapes.build(ms->entities, i)) continue;
        if (crossing ? shapes.meets(x1, y1, x2, y2) : shapes.inside(x1, y1, x2, y2)) found.push_back(ms->entities[i]);
    }
    return found;
}

} // namespace host::db
