#include "db/geometry.h"

#include "db/drawn_shapes.h"
#include "db/sub_entities.h"
#include "db/entity_values.h"
#include "db/shape_runs.h"

#include <algorithm>
#include <cmath>

namespace host::db {

namespace {

using namespace values;

// INSERT 50, kept in degrees, in radians.
constexpr double kRadiansPerDegree = M_PI / 180.0;

// MINSERT columns and rows are 16-bit counts in a file.
constexpr int kMaxCopiesAlong = 32767;

int copiesAlong(const Group* count) {
    if (count == nullptr) return 1;
    double n = realValue(*count);
    if (!(n >= 1)) return 1;
    return n > kMaxCopiesAlong ? kMaxCopiesAlong : static_cast<int>(n);
}

// The first group of each placement code in an insert's body, in one pass
// (a pick looks at every insert of a drawing).
struct InsertGroups {
    const Group *at = nullptr, *sx = nullptr, *sy = nullptr, *sz = nullptr, *angle = nullptr;
    const Group *columns = nullptr, *rows = nullptr, *columnSpacing = nullptr, *rowSpacing = nullptr;
    const Group* extrusion = nullptr;
    explicit InsertGroups(const Object& insert) {
        for (const Group& g : insert.groups) {
            const Group** slot = nullptr;
            switch (g.code()) {
            case 10: slot = &at; break;
            case 41: slot = &sx; break;
            case 42: slot = &sy; break;
            case 43: slot = &sz; break;
            case 50: slot = &angle; break;
            case 70: slot = &columns; break;
            case 71: slot = &rows; break;
            case 44: slot = &columnSpacing; break;
            case 45: slot = &rowSpacing; break;
            case 210: slot = &extrusion; break;
            case 1001: return;  // XDATA
            default: continue;
            }
            if (*slot == nullptr) *slot = &g;
        }
    }
};

} // namespace

Point3 Matrix::apply(const Point3& p) const {
    return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z + m[0][3],
            m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z + m[1][3],
            m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z + m[2][3]};
}

Point3 Matrix::applyVector(const Point3& v) const {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

Matrix Matrix::operator*(const Matrix& o) const {
    Matrix r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double s = 0;
            for (int k = 0; k < 4; ++k) s += m[i][k] * o.m[k][j];
            r.m[i][j] = s;
        }
    return r;
}

Matrix Matrix::translation(double x, double y, double z) {
    Matrix r;
    r.m[0][3] = x;
    r.m[1][3] = y;
    r.m[2][3] = z;
    return r;
}

Matrix Matrix::rotationZ(double a) {
    Matrix r;
    r.m[0][0] = std::cos(a);
    r.m[0][1] = -std::sin(a);
    r.m[1][0] = std::sin(a);
    r.m[1][1] = std::cos(a);
    return r;
}

Matrix Matrix::scaling(double sx, double sy, double sz) {
    Matrix r;
    r.m[0][0] = sx;
    r.m[1][1] = sy;
    r.m[2][2] = sz;
    return r;
}

InsertPlacement insertPlacement(const Database& db, const Object& insert) {
    return insertPlacement(db, insert, db.findRecord(Table::BlockRecord, groupText(insert, 2)));
}

Point3 blockBase(const Database& db, Slot record) {
    if (const Block* b = record == kNoSlot ? nullptr : db.block(record))
        if (const Object* begin = db.object(b->begin)) return pointOf(*begin, 10);
    return {};
}

InsertPlacement insertPlacement(const Database& db, const Object& insert, Slot record) {
    return insertPlacement(insert, blockBase(db, record));
}

InsertPlacement insertPlacement(const Object& insert, const Point3& base) {
    InsertPlacement p;
    p.base = base;
    InsertGroups groups(insert);
    if (groups.at != nullptr && groups.at->kind() == ValueKind::Point) p.at = toPoint(groups.at->asPoint());
    p.scale = {realOr(groups.sx, 1), realOr(groups.sy, 1), realOr(groups.sz, 1)};
    double angle = realOr(groups.angle, 0) * kRadiansPerDegree;  // as units.h turns INSERT 50
    p.cosine = std::cos(angle);
    p.sine = std::sin(angle);
    // translation(at) * rotationZ(angle) * scaling(scale) * translation(-base),
    // written out: each entry is the sum the products give, in their order,
    // less the terms that are zero, so every digit is theirs (a pick looks
    // at every insert of a drawing).
    const double c = p.cosine, s = p.sine, bx = -p.base.x, by = -p.base.y, bz = -p.base.z;
    const double rows[3][4] = {{c * p.scale.x, -s * p.scale.y, 0, p.at.x},
                               {s * p.scale.x, c * p.scale.y, 0, p.at.y},
                               {0, 0, p.scale.z, p.at.z}};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) p.m.m[i][j] = rows[i][j];
        p.m.m[i][3] = rows[i][0] * bx + rows[i][1] * by + rows[i][2] * bz + rows[i][3];
    }
    Matrix turn = Matrix::translation(p.at.x, p.at.y, p.at.z);
    turn.m[0][0] = turn.m[1][1] = c;
    turn.m[0][1] = -s;
    turn.m[1][0] = s;
    // The insertion point and the rotation are in the insert's own plane.
    Matrix plane = groups.extrusion != nullptr ? placeIn(Matrix(), insert) : Matrix();
    if (groups.extrusion != nullptr && !isIdentity(plane)) {
        p.m = plane * p.m;
        turn = plane * turn;
        p.inPlane = false;
    }
    p.columns = copiesAlong(groups.columns);
    p.rows = copiesAlong(groups.rows);
    if (p.columns > 1) p.columnStep = turn.applyVector({realOr(groups.columnSpacing, 0), 0, 0});
    if (p.rows > 1) p.rowStep = turn.applyVector({0, realOr(groups.rowSpacing, 0), 0});
    return p;
}

Matrix insertTransform(const Database& db, const Object& insert) { return insertPlacement(db, insert).m; }

Extents transformedBox(const Extents& box, const Matrix& m, bool* known) {
    Extents out;
    if (known != nullptr) *known = true;
    if (!box.valid()) return out;
    for (int corner = 0; corner < 8; ++corner)
        out.add(m.apply({corner & 1 ? box.max.x : box.min.x, corner & 2 ? box.max.y : box.min.y,
                         corner & 4 ? box.max.z : box.min.z}));
    if (known != nullptr) *known = cornersKnown(out);
    return out;
}

bool worldExtents(const Database& db, Slot entity, Extents& out) {
    out = Extents();
    if (db.object(entity) == nullptr) return false;
    // In its block with the attributes or vertices after it; alone when
    // it is in none yet.
    const Block* owner = db.block(db.ownerBlock(entity));
    size_t index = owner ? positionInBlock(*owner, entity) : 0;
    std::vector<Slot> alone;
    if (owner == nullptr || index >= owner->entities.size()) {
        alone.push_back(entity);
        index = 0;
    }
    DrawnShapes shapes(db);
    if (!shapes.build(alone.empty() ? owner->entities : alone, index)) return false;
    out = shapes.extents();
    return out.valid();
}

} // namespace host::db
