#include "api/make_shapes.h"

#include <array>
#include <cwchar>

#include "api/entity_rules.h"
#include "api/lists.h"
#include "db/canonical.h"
#include "db/units.h"

namespace host::api {

using db::Group;
using db::GroupList;

namespace {

// Body groups of a list this path takes at most.
constexpr size_t kMostGroups = 64;

struct Shape {
    std::wstring type;            // group 0 as the caller spells it
    std::vector<int16_t> codes;   // the body's codes, in order
    std::string typeName;         // upper-case
    db::TypeId typeId = 0;
    std::vector<db::BodyStep> plan;
    std::vector<uint16_t> angles;  // body groups holding angles
};

constexpr size_t kKeptShapes = 32;
struct KeptShapes {
    std::vector<Shape> shapes;
    size_t next = 0;  // the one to replace when all are taken
};
thread_local KeptShapes kept;

// A list's body, as this path reads it.
struct Body {
    const ACHAR* type = nullptr;
    std::array<const resbuf*, kMostGroups> nodes;
    std::array<int16_t, kMostGroups> codes;
    size_t count = 0;
    const resbuf* xdata = nullptr;  // the group after -3
};

// Codes that make a list one for the general path: names, handles, owners,
// subclass markers, brackets, paper space, XDATA out of place.
bool plainCode(int code) {
    return code > 0 && code < 1000 && code != 5 && code != 67 && code != 100 && code != 102 && code != 105 &&
           code != 330;
}

// Reads the list's type and body codes; false when it is not plain: no
// type first, an unusual or repeated code (the last one given would
// count), no layer (the current one would be filled in), too many groups.
bool readBody(const resbuf* input, Body& body) {
    if (input == nullptr || (input->restype != 0 && input->restype != RTDXF0) || input->resval.rstring == nullptr)
        return false;
    body.type = input->resval.rstring;
    std::array<uint64_t, 16> seen{};
    bool layer = false;
    for (const resbuf* rb = input->rbnext; rb; rb = rb->rbnext) {
        int code = rb->restype;
        if (code == -3) {
            body.xdata = rb->rbnext;
            break;
        }
        if (!plainCode(code) || body.count == kMostGroups) return false;
        uint64_t bit = uint64_t{1} << (code % 64);
        if (seen[static_cast<size_t>(code / 64)] & bit) return false;
        seen[static_cast<size_t>(code / 64)] |= bit;
        layer = layer || code == 8;
        body.nodes[body.count] = rb;
        body.codes[body.count] = static_cast<int16_t>(code);
        ++body.count;
    }
    return layer;
}

bool convert(const db::Database& db, const Body& body, GroupList& out) {
    std::string error;
    out.clear();
    for (size_t i = 0; i < body.count; ++i)
        if (!appendGroup(db, body.codes[i], *body.nodes[i], out, error)) return false;
    return true;
}

const Shape* findShape(const Body& body) {
    for (const Shape& s : kept.shapes)
        if (s.codes.size() == body.count && std::wcscmp(s.type.c_str(), body.type) == 0 &&
            std::equal(s.codes.begin(), s.codes.end(), body.codes.begin()))
            return &s;
    return nullptr;
}

// Works out and keeps the shape of a list whose body converted to given;
// null when this path does not take the type.
const Shape* learnShape(const Body& body, const GroupList& given) {
    Shape shape;
    shape.type = body.type;
    shape.typeName = typeNameOf(body.type);
    if (makeKindOf(shape.typeName) != MakeKind::Entity) return nullptr;
    std::string error;
    const std::vector<db::BodyStep>* plan = db::bodyPlan(shape.typeName, given, error);
    if (plan == nullptr) return nullptr;
    shape.plan = *plan;
    shape.typeId = db::internType(shape.typeName);
    shape.codes.assign(body.codes.begin(), body.codes.begin() + static_cast<ptrdiff_t>(body.count));
    for (size_t i = 0; i < given.size(); ++i)
        if (given[i].kind() == db::ValueKind::Real && db::angleInDegrees(shape.typeName, given[i].code()))
            shape.angles.push_back(static_cast<uint16_t>(i));
    if (kept.shapes.size() < kKeptShapes) {
        kept.shapes.push_back(std::move(shape));
        return &kept.shapes.back();
    }
    Shape& slot = kept.shapes[kept.next];
    kept.next = (kept.next + 1) % kKeptShapes;
    slot = std::move(shape);
    return &slot;
}

} // namespace

bool buildFromShape(db::Database& db, const resbuf* input, db::TypeId& type, GroupList& groups) {
    static thread_local Body body;
    static thread_local GroupList given, xdata;
    body.count = 0;
    body.xdata = nullptr;
    if (!readBody(input, body) || !convert(db, body, given)) return false;
    const Shape* shape = findShape(body);
    if (shape == nullptr && (shape = learnShape(body, given)) == nullptr) return false;

    for (uint16_t i : shape->angles)
        given[i] = Group::real(given[i].code(), db::fromRadians(shape->typeName, given[i].code(), given[i].asReal()));
    std::string error;
    xdata.clear();
    if (body.xdata && (!parseXdata(db, body.xdata, xdata, error) || !checkXdata(db, xdata, error))) return false;

    groups.clear();
    db::runBodyPlan(shape->plan, given, groups, xdata.size());
    // Names are checked on the stored groups: a name that is not there yet
    // (a new layer) or not at all is the general path's to handle.
    for (Group& g : groups) {
        switch (g.code()) {
        case 2: case 3: case 6: case 7: case 8: case 62:
            if (checkNameGroup(db, shape->typeName, g, error) != NameCheck::Ok) return false;
            break;
        default: break;
        }
    }
    groups.insert(groups.end(), std::make_move_iterator(xdata.begin()), std::make_move_iterator(xdata.end()));
    type = shape->typeId;
    return true;
}

} // namespace host::api
