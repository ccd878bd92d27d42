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

// What a stored group needs beyond converting its list value.
enum class Check : uint8_t {
    None,
    Angle,   // radians in the list, degrees stored
    Name,    // names a table record: checked and spelled as the table spells it
    Colour,  // 0 to 256
};

// One group of the stored body, in the host's order.
struct Step {
    db::BodyStep how;    // where it comes from: a list group or the schema
    Check check = Check::None;
    db::Table table = db::Table::Layer;  // of a Name check
};

// The last name a Name step looked up, for the next list that gives the
// same text: most lists name the same layer and linetype again.
struct NameMemo {
    std::wstring given;  // the list's text; empty: none yet
    Group stored;        // the group as stored, spelled as the table spells it
    uint32_t serial = 0; // the drawing, and the state of its table's names
    uint64_t changes = 0;
    db::Slot record = db::kNoSlot;
};

struct Shape {
    std::wstring type;            // group 0 as the caller spells it
    std::vector<int16_t> codes;   // the body's codes, in order
    std::string typeName;         // upper-case
    db::TypeId typeId = 0;
    std::vector<Step> steps;
    std::vector<NameMemo> memos;  // one per step
    size_t optional = 0;          // steps that leave a default out
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
    size_t xdataCount = 0;
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
            for (const resbuf* x = body.xdata; x; x = x->rbnext) ++body.xdataCount;
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

const Shape* findShape(const Body& body) {
    for (const Shape& s : kept.shapes)
        if (s.codes.size() == body.count && std::wcscmp(s.type.c_str(), body.type) == 0 &&
            std::equal(s.codes.begin(), s.codes.end(), body.codes.begin()))
            return &s;
    return nullptr;
}

// The check a stored group of the type needs; the same cases as
// checkNameGroup, which does the checking when a name is new.
Step stepFor(const Shape& shape, const db::BodyStep& how, const Group& sample) {
    Step step{how};
    std::string_view type = shape.typeName;
    int code = sample.code();
    auto name = [&step](db::Table table) {
        step.check = Check::Name;
        step.table = table;
    };
    switch (code) {
    case 8: name(db::Table::Layer); break;
    case 6: name(db::Table::Ltype); break;
    case 7: if (type == "TEXT" || type == "MTEXT") name(db::Table::Style); break;
    case 3: if (type == "LEADER" || type == "DIMENSION") name(db::Table::Dimstyle); break;
    case 2: if (type == "INSERT" || type == "DIMENSION") name(db::Table::BlockRecord); break;
    case 62: step.check = Check::Colour; break;
    default:
        if (how.op != db::BodyStep::Marker && how.op != db::BodyStep::Fallback &&
            sample.kind() == db::ValueKind::Real && db::angleInDegrees(type, code))
            step.check = Check::Angle;
        break;
    }
    return step;
}

// Works out and keeps the shape of a list; null when this path does not
// take the type or the list.
const Shape* learnShape(const db::Database& db, const Body& body) {
    Shape shape;
    shape.type = body.type;
    shape.typeName = typeNameOf(body.type);
    if (makeKindOf(shape.typeName) != MakeKind::Entity) return nullptr;
    GroupList given;
    std::string error;
    for (size_t i = 0; i < body.count; ++i)
        if (!appendGroup(db, body.codes[i], *body.nodes[i], given, error)) return nullptr;
    const std::vector<db::BodyStep>* plan = db::bodyPlan(shape.typeName, given, error);
    if (plan == nullptr) return nullptr;
    for (const db::BodyStep& how : *plan) {
        const Group& sample = how.op == db::BodyStep::Marker || how.op == db::BodyStep::Fallback ? *how.group
                                                                                                 : given[how.index];
        shape.steps.push_back(stepFor(shape, how, sample));
        shape.optional += how.op == db::BodyStep::CopyUnlessDefault;
    }
    if (shape.optional > 64) return nullptr;
    shape.memos.resize(shape.steps.size());
    shape.typeId = db::internType(shape.typeName);
    shape.codes.assign(body.codes.begin(), body.codes.begin() + static_cast<ptrdiff_t>(body.count));
    if (kept.shapes.size() < kKeptShapes) {
        kept.shapes.push_back(std::move(shape));
        return &kept.shapes.back();
    }
    Shape& slot = kept.shapes[kept.next];
    kept.next = (kept.next + 1) % kKeptShapes;
    slot = std::move(shape);
    return &slot;
}

bool memoHolds(const db::Database& db, const NameMemo& memo, db::Table table) {
    if (memo.serial != db.serial() || memo.changes != db.nameChanges(table)) return false;
    const db::Object* record = db.object(memo.record);
    return record != nullptr && !record->erased;
}

// A name group, from a list group (node) or the schema: the memo's when
// the list gives the text it gave last time and the table is as it was;
// else checked (false: not a name this path takes, e.g. a new layer) and
// remembered.
bool appendName(const db::Database& db, const Shape& shape, const Step& step, NameMemo& memo, const resbuf* node,
                GroupList& out, std::string& error) {
    const ACHAR* text = node ? node->resval.rstring : L"";
    if (text == nullptr) return false;
    if (memoHolds(db, memo, step.table) && std::wcscmp(memo.given.c_str(), text) == 0) {
        out.push_back(memo.stored);
        return true;
    }
    Group g;
    if (node == nullptr) g = *step.how.group;
    else if (!groupFromResbuf(db, *node, g, error)) return false;
    if (checkNameGroup(db, shape.typeName, g, error) != NameCheck::Ok) return false;
    memo.record = db.findRecord(step.table, g.asText());
    memo.serial = db.serial();
    memo.changes = db.nameChanges(step.table);
    memo.given = text;
    memo.stored = g;
    out.push_back(std::move(g));
    return true;
}

// Converts one list group into its place in the body; false when it does
// not pass (the general path then reports why).
bool appendStep(const db::Database& db, const Shape& shape, const Step& step, NameMemo& memo, const resbuf* node,
                GroupList& out, std::string& error) {
    if (step.check == Check::Name) return appendName(db, shape, step, memo, node, out, error);
    if (!appendGroup(db, node->restype, *node, out, error)) return false;
    Group& g = out.back();
    switch (step.check) {
    case Check::Angle: g = Group::real(g.code(), db::fromRadians(shape.typeName, g.code(), g.asReal())); break;
    case Check::Colour:
        if (g.asInt() < 0 || g.asInt() > 256) return false;
        break;
    default: break;
    }
    if (step.how.op == db::BodyStep::CopyAs13) g.setCode(13);
    return true;
}

// Which optional steps leave their given default out (bit per optional step).
bool defaultsLeftOut(const db::Database& db, const Shape& shape, const Body& body, uint64_t& leftOut,
                     size_t& count, std::string& error) {
    static thread_local GroupList one;
    leftOut = 0;
    count = 0;
    size_t k = 0;
    for (const Step& step : shape.steps) {
        if (step.how.op != db::BodyStep::CopyUnlessDefault) continue;
        one.clear();
        const resbuf* node = body.nodes[step.how.index];
        if (!appendGroup(db, node->restype, *node, one, error)) return false;
        if (db::leavesOut(step.how, one.back())) {
            leftOut |= uint64_t{1} << k;
            ++count;
        }
        ++k;
    }
    return true;
}

// The XDATA after the body, checked as the general path checks it.
bool appendXdata(const db::Database& db, const resbuf* first, GroupList& out, std::string& error) {
    XdataCheck check(db);
    return parseXdata(db, first, out, error, &check) && check.finish(error);
}

} // namespace

bool buildFromShape(db::Database& db, const resbuf* input, db::TypeId& type, GroupList& groups) {
    static thread_local Body body;
    body.count = 0;
    body.xdata = nullptr;
    body.xdataCount = 0;
    if (!readBody(input, body)) return false;
    const Shape* found = findShape(body);
    if (found == nullptr && (found = learnShape(db, body)) == nullptr) return false;
    Shape& shape = const_cast<Shape&>(*found);

    std::string error;  // the general path reports errors: this one is not read
    uint64_t leftOut;
    size_t leftCount;
    if (!defaultsLeftOut(db, shape, body, leftOut, leftCount, error)) return false;
    groups.clear();
    groups.reserve(shape.steps.size() - leftCount + body.xdataCount);
    size_t optional = 0;
    for (size_t i = 0; i < shape.steps.size(); ++i) {
        const Step& step = shape.steps[i];
        switch (step.how.op) {
        case db::BodyStep::Marker:
        case db::BodyStep::Fallback:
            if (step.check == Check::Name) {
                if (!appendName(db, shape, step, shape.memos[i], nullptr, groups, error)) return false;
            } else {
                groups.push_back(*step.how.group);
            }
            continue;
        case db::BodyStep::CopyUnlessDefault:
            if (leftOut & (uint64_t{1} << optional++)) continue;
            break;
        default: break;
        }
        if (!appendStep(db, shape, step, shape.memos[i], body.nodes[step.how.index], groups, error)) return false;
    }
    if (body.xdata && !appendXdata(db, body.xdata, groups, error)) return false;
    type = shape.typeId;
    return true;
}

} // namespace host::api
