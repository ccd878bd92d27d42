#include "api/make_shapes.h"

#include <array>
#include <cmath>
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
// Groups that leave a default out (BYLAYER linetype and colour) a shape may have.
constexpr size_t kMostOptional = 8;

// How one stored group is made, worked out once per shape.
enum class Action : uint8_t {
    Constant,    // the schema's group: a subclass marker or a default
    SchemaName,  // a default that names a table record (TEXT's style)
    Name,        // names a table record: checked, spelled as the table spells it
    Colour,      // 0 to 256
    Angle,       // radians in the list, degrees stored
    Point,
    Real,
    Int16,
    CurrentLayer,  // the list names no layer: the current one
    Other,       // any other value: the general conversion
};

struct Step {
    Action action;
    bool unlessDefault;  // left out when it holds the default (*group)
    int16_t code;        // the stored code
    uint16_t index;      // the list group it comes from
    db::Table table;     // of a name
    const Group* group;  // the schema's group, valid for the session
};

// The last name a step looked up, for the next list that gives the same
// text: most lists name the same layer and linetype again.
struct NameMemo {
    std::wstring given;  // the list's text ("" for a schema name)
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
    std::vector<uint16_t> optional;  // steps that leave a default out
    std::vector<NameMemo> memos;     // one per step
    size_t spare = 0;                // room for groups added later (a BLOCK's at ENDBLK)
    bool refused = false;            // lists of this shape go the general way
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
    std::array<const resbuf*, kMostGroups + 1> nodes;  // + the layer a list without one gets
    std::array<int16_t, kMostGroups> codes;
    size_t count = 0;
    const resbuf* xdata = nullptr;  // the group after -3
    size_t xdataCount = 0;
};

// Reads the list's type, body and XDATA; false without a type first or
// with too many groups.
bool readBody(const resbuf* input, Body& body) {
    if (input == nullptr || (input->restype != 0 && input->restype != RTDXF0) || input->resval.rstring == nullptr)
        return false;
    body.type = input->resval.rstring;
    for (const resbuf* rb = input->rbnext; rb; rb = rb->rbnext) {
        int code = rb->restype;
        if (code == -3) {
            body.xdata = rb->rbnext;
            for (const resbuf* x = body.xdata; x; x = x->rbnext) ++body.xdataCount;
            return true;
        }
        if (body.count == kMostGroups) return false;
        body.nodes[body.count] = rb;
        body.codes[body.count] = static_cast<int16_t>(code);
        ++body.count;
    }
    return true;
}

// Codes that make a list one for the general path: names, handles, owners,
// subclass markers, brackets, paper space, XDATA out of place.
bool plainCode(int code) {
    return code > 0 && code < 1000 && code != 5 && code != 67 && code != 100 && code != 102 && code != 105 &&
           code != 330;
}

// Whether this path takes lists of these codes: plain codes, none repeated
// (the last one given would count).  Kept shapes passed this, so only new
// ones are checked.
bool plainBody(const Body& body, bool& layer) {
    std::array<uint64_t, 16> seen{};
    layer = false;
    for (size_t i = 0; i < body.count; ++i) {
        int code = body.codes[i];
        if (!plainCode(code)) return false;
        uint64_t bit = uint64_t{1} << (code % 64);
        if (seen[static_cast<size_t>(code / 64)] & bit) return false;
        seen[static_cast<size_t>(code / 64)] |= bit;
        layer = layer || code == 8;
    }
    return true;
}

Shape* findShape(const Body& body) {
    for (Shape& s : kept.shapes)
        if (s.codes.size() == body.count && std::equal(s.codes.begin(), s.codes.end(), body.codes.begin()) &&
            std::wcscmp(s.type.c_str(), body.type) == 0)
            return &s;
    return nullptr;
}

// The table a stored group of the type names, if any; the same cases as
// checkNameGroup, which does the checking when a name is new.
bool namesRecord(std::string_view type, int code, db::Table& table) {
    switch (code) {
    case 8: table = db::Table::Layer; return true;
    case 6: table = db::Table::Ltype; return true;
    case 7: table = db::Table::Style; return type == "TEXT" || type == "MTEXT";
    case 3: table = db::Table::Dimstyle; return type == "LEADER" || type == "DIMENSION";
    case 2: table = db::Table::BlockRecord; return type == "INSERT" || type == "DIMENSION";
    default: return false;
    }
}

Step stepFor(std::string_view type, const db::BodyStep& how, const Group& sample) {
    Step step{Action::Other, how.op == db::BodyStep::CopyUnlessDefault, static_cast<int16_t>(sample.code()),
              how.index, db::Table::Layer, how.group};
    bool fromSchema = how.op == db::BodyStep::Marker || how.op == db::BodyStep::Fallback;
    if (how.op == db::BodyStep::CopyAs13) step.code = 13;
    bool name = namesRecord(type, sample.code(), step.table);
    if (fromSchema) step.action = name ? Action::SchemaName : Action::Constant;
    else if (name) step.action = Action::Name;
    else if (sample.code() == 62) step.action = Action::Colour;
    else if (sample.kind() == db::ValueKind::Real && db::angleInDegrees(type, sample.code())) step.action = Action::Angle;
    else if (sample.kind() == db::ValueKind::Point) step.action = Action::Point;
    else if (sample.kind() == db::ValueKind::Real) step.action = Action::Real;
    else if (sample.kind() == db::ValueKind::Int16) step.action = Action::Int16;
    return step;
}

Shape* keep(Shape&& shape) {
    if (kept.shapes.size() < kKeptShapes) {
        kept.shapes.push_back(std::move(shape));
        return &kept.shapes.back();
    }
    Shape& slot = kept.shapes[kept.next];
    kept.next = (kept.next + 1) % kKeptShapes;
    slot = std::move(shape);
    return &slot;
}

// Works out and keeps the shape of a list; null when this path does not
// take the list.  A shape this path never takes, whatever the values (an
// ENDBLK, a table record, codes it leaves to the general way), is kept as
// refused, so that lists of it are not looked at again.
Shape* learnShape(const db::Database& db, const Body& body) {
    Shape shape;
    shape.type = body.type;
    shape.codes.assign(body.codes.begin(), body.codes.begin() + static_cast<ptrdiff_t>(body.count));
    shape.typeName = typeNameOf(body.type);
    bool layer;
    MakeKind kind = makeKindOf(shape.typeName);
    if (!plainBody(body, layer) || (kind != MakeKind::Entity && kind != MakeKind::BlockBegin)) {
        shape.refused = true;
        return keep(std::move(shape));
    }
    shape.spare = kind == MakeKind::BlockBegin ? 2 : 0;  // its 3 and 1, at ENDBLK
    GroupList given;
    std::string error;
    for (size_t i = 0; i < body.count; ++i)
        if (!appendGroup(db, body.codes[i], *body.nodes[i], given, error)) return nullptr;
    if (!layer) given.push_back(Group::text(8, "0"));  // where the current layer goes, as the general way adds it
    const std::vector<db::BodyStep>* plan = db::bodyPlan(shape.typeName, given, error);
    if (plan == nullptr) return nullptr;
    for (const db::BodyStep& how : *plan) {
        bool fromSchema = how.op == db::BodyStep::Marker || how.op == db::BodyStep::Fallback;
        if (how.op == db::BodyStep::CopyUnlessDefault) shape.optional.push_back(static_cast<uint16_t>(shape.steps.size()));
        shape.steps.push_back(stepFor(shape.typeName, how, fromSchema ? *how.group : given[how.index]));
        if (!fromSchema && how.index == body.count) {  // the current layer
            if (how.op != db::BodyStep::Copy) return nullptr;
            shape.steps.back().action = Action::CurrentLayer;
        }
    }
    if (shape.optional.size() > kMostOptional) return nullptr;
    shape.memos.resize(shape.steps.size());
    shape.typeId = db::internType(shape.typeName);
    return keep(std::move(shape));
}

// Whether the memo answers for the text (null: the schema's name): the
// same drawing, the table's names as they were, the record still there.
bool memoHolds(const db::Database& db, const NameMemo& memo, db::Table table, const ACHAR* text) {
    if (memo.serial != db.serial() || memo.changes != db.nameChanges(table)) return false;
    if (text && std::wcscmp(memo.given.c_str(), text) != 0) return false;
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
    if (memoHolds(db, memo, step.table, node ? text : nullptr)) {
        out.push_back(memo.stored);
        return true;
    }
    Group g;
    if (node == nullptr) g = *step.group;
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

char upperAscii(wchar_t c) { return static_cast<char>(c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c); }

// Whether a list group holds the step's default, which the host leaves out.
bool holdsDefault(const db::Database& db, const Shape& shape, const Step& step, const resbuf* node,
                  std::string& error, bool& holds) {
    const Group& fallback = *step.group;
    if (step.action == Action::Colour || step.action == Action::Int16) {
        holds = node->resval.rint == fallback.asInt();
        return true;
    }
    if (step.action == Action::Name && node->resval.rstring && fallback.kind() == db::ValueKind::Text) {
        // Plain ASCII (nearly always) compares without case, as the host does.
        std::string_view want = fallback.asText();
        const ACHAR* text = node->resval.rstring;
        size_t n = 0;
        bool ascii = true;
        for (; text[n] && ascii; ++n) ascii = static_cast<uint32_t>(text[n]) < 0x80;
        if (ascii) {
            holds = n == want.size();
            for (size_t i = 0; holds && i < n; ++i) holds = upperAscii(text[i]) == upperAscii(want[i]);
            return true;
        }
    }
    static thread_local GroupList one;
    one.clear();
    if (!appendGroup(db, node->restype, *node, one, error)) return false;
    Group& given = one.back();
    if (step.action == Action::Angle)  // defaults are kept as stored
        given = Group::real(step.code, db::fromRadians(shape.typeName, step.code, given.asReal()));
    holds = db::leavesOut({db::BodyStep::CopyUnlessDefault, 0, step.group}, given);
    return true;
}

// Marks the optional steps whose default is given (bit k for the k-th of
// shape.optional; count: how many), and the names their memo answers for.
bool defaultsLeftOut(const db::Database& db, const Shape& shape, const Body& body, uint32_t& leftOut,
                     size_t& count, uint32_t& remembered, std::string& error) {
    leftOut = remembered = 0;
    count = 0;
    for (size_t k = 0; k < shape.optional.size(); ++k) {
        const Step& step = shape.steps[shape.optional[k]];
        const resbuf* node = body.nodes[step.index];
        // A remembered name is one stored before, so not the default.
        if (step.action == Action::Name && node->resval.rstring &&
            memoHolds(db, shape.memos[shape.optional[k]], step.table, node->resval.rstring)) {
            remembered |= uint32_t{1} << k;
            continue;
        }
        bool holds;
        if (!holdsDefault(db, shape, step, node, error, holds)) return false;
        if (holds) {
            leftOut |= uint32_t{1} << k;
            ++count;
        }
    }
    return true;
}

// Converts one list group into its place in the body; false when it does
// not pass (the general path then reports why).
bool appendStep(const db::Database& db, Shape& shape, size_t i, const Body& body, GroupList& out,
                std::string& error) {
    const Step& step = shape.steps[i];
    const resbuf* node = body.nodes[step.index];
    switch (step.action) {
    case Action::Constant: out.push_back(*step.group); return true;
    case Action::SchemaName: return appendName(db, shape, step, shape.memos[i], nullptr, out, error);
    case Action::Name: return appendName(db, shape, step, shape.memos[i], node, out, error);
    case Action::Colour:
        if (node->resval.rint < 0 || node->resval.rint > 256) return false;
        [[fallthrough]];
    case Action::Int16: {
        if (node->resval.rint < 1 && db::isInsertCount(shape.typeName, step.code)) return false;  // raised the general way
        const Group g = Group::integer(step.code, node->resval.rint);
        out.push_back(g);
        return true;
    }
    case Action::Angle: {
        if (!std::isfinite(node->resval.rreal)) return nonFiniteError(error, step.code);
        const Group g = Group::real(step.code, db::fromRadians(shape.typeName, step.code, node->resval.rreal));
        out.push_back(g);
        return true;
    }
    case Action::Point: {
        if (!finitePoint(node->resval.rpoint)) return nonFiniteError(error, step.code);
        const Group g = Group::point(step.code, node->resval.rpoint);
        out.push_back(g);
        return true;
    }
    case Action::Real: {
        if (!std::isfinite(node->resval.rreal)) return nonFiniteError(error, step.code);
        const Group g = Group::real(step.code, node->resval.rreal);
        out.push_back(g);
        return true;
    }
    case Action::CurrentLayer: out.push_back(currentLayerGroup(db)); return true;
    case Action::Other:
        if (!appendGroup(db, node->restype, *node, out, error)) return false;
        out.back().setCode(step.code);
        return true;
    }
    return false;
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
    body.nodes[body.count] = nullptr;  // a list without a layer: the current one's place
    Shape* shape = findShape(body);
    if (shape == nullptr && (shape = learnShape(db, body)) == nullptr) return false;
    if (shape->refused) return false;

    std::string error;  // the general path reports errors: this one is not read
    uint32_t leftOut, remembered;
    size_t leftCount;
    if (!defaultsLeftOut(db, *shape, body, leftOut, leftCount, remembered, error)) return false;
    groups.clear();
    groups.reserve(shape->steps.size() - leftCount + body.xdataCount + shape->spare);
    size_t optional = 0;  // optional steps passed
    for (size_t i = 0; i < shape->steps.size(); ++i) {
        if (shape->steps[i].unlessDefault) {
            uint32_t bit = uint32_t{1} << optional++;
            if (leftOut & bit) continue;
            if (remembered & bit) {
                groups.push_back(shape->memos[i].stored);
                continue;
            }
        }
        if (!appendStep(db, *shape, i, body, groups, error)) return false;
    }
    if (body.xdata && !appendXdata(db, body.xdata, groups, error)) return false;
    type = shape->typeId;
    return true;
}

} // namespace host::api
