#include "db/block_tree.h"

#include <algorithm>
#include <cmath>

#include "db/entity_values.h"
#include "db/finite_numbers.h"
#include "db/sub_entities.h"

namespace host::db {

namespace {

using namespace values;

// ATTRIB and ATTDEF 70.
constexpr int kAttributeInvisible = 1;
constexpr int kAttributeConstant = 2;

// The kinds drawn here rather than by entity_shapes, compared by their
// interned numbers (a pick or save draws every entity of a drawing).
struct Kinds {
    TypeId insert, dimension, attrib, attdef, polyline;
};
const Kinds& kinds() {
    static const Kinds k{internType("INSERT"), internType("DIMENSION"), internType("ATTRIB"), internType("ATTDEF"),
                         internType("POLYLINE")};
    return k;
}

bool visibleAttribute(const Object& o) {
    return o.type == kinds().attrib && !(intOf(o, 70, 0) & kAttributeInvisible);
}

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

// Whether a block holds any live entity (a dimension without one is drawn
// by its points).
bool holdsEntities(const Database& db, Slot record) {
    const Block* block = record == kNoSlot ? nullptr : db.block(record);
    if (block == nullptr) return false;
    for (Slot s : block->entities)
        if (const Object* o = db.object(s); o && !o->erased) return true;
    return false;
}

} // namespace

Matrix copyMatrix(const Matrix& base, const Point3& columnStep, const Point3& rowStep, int column, int row) {
    Matrix m = base;
    if (column == 0 && row == 0) return m;
    m.m[0][3] += column * columnStep.x + row * rowStep.x;
    m.m[1][3] += column * columnStep.y + row * rowStep.y;
    m.m[2][3] += column * columnStep.z + row * rowStep.z;
    return m;
}

Extents boundedBox(const Shapes& shapes) {
    if (!shapes.endless) return shapes.box;
    Extents box;
    for (const ShapeRun& run : shapes.runs) {
        if (run.kind == RunKind::Endless || run.begin == run.end) continue;
        uint32_t end = run.kind == RunKind::Ray ? run.begin + 1 : run.end;
        for (uint32_t i = run.begin; i < end; ++i) box.add(shapes.points[i]);
    }
    // Arcs and splines are never in endless runs.
    for (const ShapeArc& arc : shapes.arcs) arcs::addExtremes(arc, shapes.points[arc.at], box);
    for (const ShapeSpline& spline : shapes.splines) box.add(spline.box);
    return box;
}

const EntityDrawer::NamedBlock& EntityDrawer::blockNamed(std::string_view name) {
    auto found = records_.find(name);
    if (found == records_.end()) {
        Slot record = db_.findRecord(Table::BlockRecord, name);
        found = records_.emplace(name, NamedBlock{record, blockBase(db_, record)}).first;
    }
    return found->second;
}

std::optional<bool> EntityDrawer::plainInsertExtents(const std::vector<Slot>& entities, size_t index,
                                                     const BlockTree& tree, Extents& out) {
    const Object* o = index < entities.size() ? db_.object(entities[index]) : nullptr;
    if (o == nullptr || o->erased || o->type != kinds().insert) return std::nullopt;
    if (subEntitiesEnd(db_, entities, index, o->handle) != index + 1) return std::nullopt;
    const NamedBlock& named = blockNamed(groupText(*o, 2));
    const BlockGeometry* g = named.record == kNoSlot ? nullptr : tree.built(named.record);
    out = Extents();
    bool endless = false;
    return g != nullptr && BlockTree::placedBox(*g, insertPlacement(*o, named.base), Matrix(), out, endless) &&
           out.valid();
}

void EntityDrawer::draw(const std::vector<Slot>& entities, size_t index, bool inBlock, Drawing& out) {
    const Object* found = index < entities.size() ? db_.object(entities[index]) : nullptr;
    if (found == nullptr || found->erased) return;
    const Object& o = *found;
    const Matrix identity;
    const Kinds& k = kinds();
    if (o.type == k.insert) {
        const NamedBlock& named = blockNamed(groupText(o, 2));
        Slot record = named.record;
        if (record != kNoSlot && db_.block(record) != nullptr) {
            out.placed.push_back({record, insertPlacement(o, named.base)});
        }
        // The attributes stand in the insert's space, not its block's.
        for (size_t i = index + 1, end = subEntitiesEnd(db_, entities, index, o.handle); i < end; ++i) {
            const Object* sub = db_.object(entities[i]);
            if (sub != nullptr && !sub->erased && visibleAttribute(*sub))
                addTextBox(*sub, identity, groupText(*sub, 1), out.own);
        }
    } else if (o.type == k.dimension) {
        Slot record = blockNamed(groupText(o, 2)).record;
        if (holdsEntities(db_, record)) {
            out.placed.push_back({record, InsertPlacement()});
        } else {
            out.own.startRun(RunKind::Open);
            for (int code : {10, 11, 13, 14})
                if (first(o, code)) out.own.add(identity, pointOf(o, code));
        }
    } else if (o.type == k.attrib) {
        if (visibleAttribute(o)) addTextBox(o, identity, groupText(o, 1), out.own);
    } else if (o.type == k.attdef && inBlock) {
        // A constant one is drawn with every insert of its block; the
        // others become the inserts' attributes.
        int flags = intOf(o, 70, 0);
        if ((flags & kAttributeConstant) && !(flags & kAttributeInvisible))
            addTextBox(o, identity, groupText(o, 1), out.own);
    } else {
        subs_.clear();
        if (o.type == k.polyline) {
            for (size_t i = index + 1, end = subEntitiesEnd(db_, entities, index, o.handle); i < end; ++i) {
                const Object* v = db_.object(entities[i]);
                if (v != nullptr && !v->erased) subs_.push_back(v);
            }
        }
        addEntityShape(o, subs_, identity, out.own, scratch_);
    }
}

BlockTree::Node* BlockTree::node(Slot record) {
    if (auto found = index_.find(record); found != index_.end()) return &nodes_[found->second];
    if (record == kNoSlot || db_.block(record) == nullptr) return nullptr;
    index_.emplace(record, nodes_.size());
    nodes_.emplace_back();
    return &nodes_.back();
}

void BlockTree::drawContents(Slot record, Node& n, EntityDrawer& drawer) {
    const Block* block = db_.block(record);
    for (size_t i = 0; i < block->entities.size(); ++i) {
        const Object* o = db_.object(block->entities[i]);
        if (o == nullptr || o->erased || isSubEntity(*o)) continue;
        drawer.draw(block->entities, i, true, n.geometry.drawing);
    }
    Shapes& own = n.geometry.drawing.own;
    n.ownBox = boundedBox(own);
    n.geometry.endless = own.endless;
    // A block some of whose points overflowed when drawn has no finite
    // box: the extents leave its inserts out rather than take a part of it.
    if (!keepRuns_) n.geometry.overflowed = own.overflowed;
    // For extents the box is all a block's own runs are wanted for: given
    // up at once, so that a save never holds every block's runs together.
    if (!keepRuns_) own = Shapes();
    n.state = State::Drawn;
}

void BlockTree::buildAll(const std::vector<Slot>& records, const ForEach& forEach) {
    // Chunks of blocks, each drawn with a drawer of its own; a few per
    // thread, so that one slow block does not hold the others up.
    constexpr size_t kChunks = 64;
    std::vector<std::pair<Slot, Node*>> todo;
    for (Slot record : records)
        if (Node* n = node(record); n != nullptr && n->state == State::New) todo.emplace_back(record, n);
    if (!todo.empty()) {
        size_t chunks = std::min(kChunks, todo.size());
        forEach(chunks, [&](size_t chunk) {
            EntityDrawer drawer(db_);
            for (size_t i = chunk * todo.size() / chunks, end = (chunk + 1) * todo.size() / chunks; i < end; ++i)
                drawContents(todo[i].first, *todo[i].second, drawer);
        });
    }
    for (Slot record : records) get(record);
}

const BlockGeometry* BlockTree::built(Slot record) const {
    auto found = index_.find(record);
    if (found == index_.end() || nodes_[found->second].state != State::Done) return nullptr;
    return &nodes_[found->second].geometry;
}

const BlockGeometry* BlockTree::boundedGeometry(Slot record) const {
    auto found = index_.find(record);
    if (found == index_.end() || nodes_[found->second].state < State::Bounded) return nullptr;
    return &nodes_[found->second].geometry;
}

bool BlockTree::placedBox(const PlacedBlock& p, const Matrix& parent, Extents& out, bool& endless) {
    const BlockGeometry* g = boundedGeometry(p.record);
    return g != nullptr && placedBox(*g, p.placement, parent, out, endless);
}

bool BlockTree::placedBox(const BlockGeometry& g, const InsertPlacement& place, const Matrix& parent, Extents& out,
                          bool& endless, bool* known) {
    endless = endless || g.endless;
    if (g.overflowed) {
        out.add(Point3{-INFINITY, -INFINITY, -INFINITY});
        out.add(Point3{INFINITY, INFINITY, INFINITY});
        return true;
    }
    if (!g.box.valid()) return false;
    Extents first;
    if (isIdentity(parent)) {
        for (int corner = 0; corner < 8; ++corner)
            first.add(place.place({corner & 1 ? g.box.max.x : g.box.min.x, corner & 2 ? g.box.max.y : g.box.min.y,
                                   corner & 4 ? g.box.max.z : g.box.min.z}));
    } else {
        first = transformedBox(g.box, parent * place.m);
    }
    if (known != nullptr && !cornersKnown(first)) *known = false;
    out.add(first);
    if (place.columns == 1 && place.rows == 1) return true;
    // The copies lie between the first and those at the far column and row.
    Point3 cs = parent.applyVector(place.columnStep), rs = parent.applyVector(place.rowStep);
    double c = place.columns - 1, r = place.rows - 1;
    const Point3 offsets[3] = {{c * cs.x, c * cs.y, c * cs.z}, {r * rs.x, r * rs.y, r * rs.z},
                               {c * cs.x + r * rs.x, c * cs.y + r * rs.y, c * cs.z + r * rs.z}};
    for (const Point3& o : offsets) {
        out.add(Point3{first.min.x + o.x, first.min.y + o.y, first.min.z + o.z});
        out.add(Point3{first.max.x + o.x, first.max.y + o.y, first.max.z + o.z});
    }
    return true;
}

void BlockTree::dropPlacingItself(BlockGeometry& g) {
    // A block that places itself, directly or through others, stops there.
    auto& placed = g.drawing.placed;
    placed.erase(std::remove_if(placed.begin(), placed.end(),
                                [&](const PlacedBlock& p) {
                                    Node* child = node(p.record);
                                    return child == nullptr || child->state < State::Bounded;
                                }),
                 placed.end());
}

void BlockTree::bound(Node& n) {
    BlockGeometry& g = n.geometry;
    g.box = n.ownBox;
    const Matrix identity;
    for (const PlacedBlock& p : g.drawing.placed) {
        const BlockGeometry* child = boundedGeometry(p.record);
        if (child == nullptr) continue;
        bool known = true;
        placedBox(*child, p.placement, identity, g.box, g.endless, &known);
        g.overflowed = g.overflowed || child->overflowed || !known;
    }
}

void BlockTree::ring(BlockGeometry& g) {
    if (!g.box.valid()) return;
    // About the box's centre: the ring of its own runs, widened by the
    // rings of the blocks it places, and never wider than the box.
    double x = (g.box.min.x + g.box.max.x) / 2, y = (g.box.min.y + g.box.max.y) / 2;
    g.ring = ringOfRuns(g.drawing.own, x, y, tests_);
    for (const PlacedBlock& p : g.drawing.placed) {
        const Node* child = node(p.record);
        if (child->geometry.box.valid() || child->geometry.endless)
            addPlacedRing(g.ring, child->geometry.ring, p.placement);
    }
    if (!g.endless) g.ring.outer = std::min(g.ring.outer, std::hypot(g.box.max.x - x, g.box.max.y - y));
    if (!(g.ring.inner <= g.ring.outer)) g.ring.inner = 0;
}

void BlockTree::index(BlockGeometry& g) {
    auto ix = std::make_unique<BlockIndex>();
    std::vector<Extents> boxes;
    pieceRuns(g.drawing.own, ix->pieces, boxes);
    std::vector<double> xs, ys;
    bool hullKnown = !g.endless;
    for (uint32_t i = 0; i < ix->pieces.size(); ++i) {
        if (!boxes[i].valid()) {
            ix->endlessPieces.push_back(i);
            continue;
        }
        for (int corner = 0; corner < 4; ++corner) {
            xs.push_back((corner & 1 ? boxes[i].max.x : boxes[i].min.x));
            ys.push_back((corner & 2 ? boxes[i].max.y : boxes[i].min.y));
        }
    }
    bool large = std::max(ix->pieces.size(), g.drawing.placed.size()) > BlockIndex::kFewItems;
    if (large) ix->runs.build(boxes);
    boxes.clear();
    const Matrix identity;
    for (uint32_t i = 0; i < g.drawing.placed.size(); ++i) {
        const PlacedBlock& p = g.drawing.placed[i];
        const BlockGeometry& child = node(p.record)->geometry;
        ix->placedGeometry.push_back(&child);
        Extents box;
        bool endless = false, known = true;
        placedBox(child, p.placement, identity, box, endless, &known);
        // An endless one, or one whose box overflows, is looked at with
        // every copy, never by its box.
        bool unbounded = endless || !known || (box.valid() && !finiteBox(box));
        if (unbounded) ix->endlessPlaced.push_back(i);
        boxes.push_back(unbounded ? Extents() : box);
        if (!box.valid() && !endless) continue;
        // Its hull at the corners of its copies, where it is placed in plan.
        if (!child.hull.known || !placesInPlan(p.placement.m)) {
            hullKnown = false;
            continue;
        }
        CopyLattice copies = CopyLattice::of(p.placement);
        for (size_t k = 0; k + 1 < child.hull.xy.size(); k += 2) {
            Point3 at = p.placement.m.apply({child.hull.xy[k], child.hull.xy[k + 1], 0});
            double cx[4], cy[4];
            copies.corners(at.x, at.y, cx, cy);
            xs.insert(xs.end(), cx, cx + 4);
            ys.insert(ys.end(), cy, cy + 4);
        }
    }
    if (hullKnown) g.hull = PlanHull::of(xs, ys);
    if (!large) return;
    ix->placed.build(boxes);
    ix->pieces.shrink_to_fit();
    g.index = std::move(ix);
}

void BlockTree::finishBounds(Node& n) {
    BlockGeometry& g = n.geometry;
    dropPlacingItself(g);
    bound(n);
    if (!keepRuns_) {
        g.drawing.placed.shrink_to_fit();
        n.state = State::Done;
        return;
    }
    // Its points and runs bound the steps its pieces' tests take (pieceSteps).
    const Shapes& own = g.drawing.own;
    g.spelled = own.points.size() + own.runs.size();
    spelled_ += g.spelled;
    g.spelled += spelledBy(g.drawing.placed);
    spelled_ += g.drawing.placed.size();
    g.spelled = std::min(g.spelled, spelled_);
    n.state = State::Bounded;
}

void BlockTree::finishPrepared(Node& n) {
    ring(n.geometry);
    index(n.geometry);
    n.state = State::Done;
}

uint64_t BlockTree::spelledBy(const std::vector<PlacedBlock>& placed) {
    if (placed.empty()) return 0;
    uint64_t sum = placed.size();
    if (placed.size() == 1) {
        if (const BlockGeometry* g = boundedGeometry(placed.front().record)) sum += g->spelled;
    } else {
        // Each block once, however often placed (a diamond below still
        // counts twice, hence the bound by all blocks built).
        spelledBlocks_.clear();
        for (const PlacedBlock& p : placed) spelledBlocks_.push_back(p.record);
        std::sort(spelledBlocks_.begin(), spelledBlocks_.end());
        spelledBlocks_.erase(std::unique(spelledBlocks_.begin(), spelledBlocks_.end()), spelledBlocks_.end());
        for (Slot record : spelledBlocks_)
            if (const BlockGeometry* g = boundedGeometry(record)) sum += g->spelled;
    }
    return std::min(sum, spelled_ + placed.size());
}

const BlockGeometry* BlockTree::bounded(Slot record) {
    Node* top = node(record);
    if (top == nullptr) return nullptr;
    if (top->state >= State::Bounded) return &top->geometry;
    stack_.assign(1, record);
    while (!stack_.empty()) {
        Slot r = stack_.back();
        Node& n = *node(r);
        if (n.state >= State::Bounded) {
            stack_.pop_back();
        } else if (n.state == State::New || n.state == State::Drawn) {
            if (n.state == State::New) drawContents(r, n, drawer_);
            n.state = State::Building;
            // Its placed blocks first; one still being built places this
            // one in turn, and finishBounds() leaves it out.
            for (const PlacedBlock& p : n.geometry.drawing.placed)
                if (Node* child = node(p.record);
                    child != nullptr && (child->state == State::New || child->state == State::Drawn))
                    stack_.push_back(p.record);
        } else {
            finishBounds(n);
            stack_.pop_back();
        }
    }
    return &top->geometry;
}

const BlockGeometry* BlockTree::get(Slot record) {
    const BlockGeometry* g = bounded(record);
    Node* top = g == nullptr ? nullptr : node(record);
    if (top == nullptr || top->state == State::Done) return g;
    // Every block it places is bounded (those placing it in turn were left
    // out), so this walk down meets no block it is preparing.
    stack_.assign(1, record);
    while (!stack_.empty()) {
        Node& n = *node(stack_.back());
        if (n.state == State::Done) {
            stack_.pop_back();
        } else if (n.state == State::Bounded) {
            n.state = State::Preparing;
            for (const PlacedBlock& p : n.geometry.drawing.placed)
                if (node(p.record)->state == State::Bounded) stack_.push_back(p.record);
        } else {
            finishPrepared(n);
            stack_.pop_back();
        }
    }
    return g;
}

} // namespace host::db
