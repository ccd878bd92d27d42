#include "db/canonical.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "db/database.h"
#include "db/name_map.h"

namespace host::db {

namespace {

enum class Presence : uint8_t {
    Required,       // missing: refused
    Default,        // missing: the default is written
    Optional,       // written only when given
    OmitIfDefault,  // written only when given and not the default
    Repeated,       // every occurrence, in input order
};

struct Field {
    int code;
    Presence presence;
    Group fallback;
};

struct Subclass {
    std::string marker;
    std::vector<Field> fields;
    // Groups that are no field follow the fields in input order.  Fields are
    // then only taken from the leading run of the input.
    bool tail = false;
    // Data of any code, the XDATA range's too (an XRECORD's): no fields a
    // reader could take its groups for.
    bool data = false;
    Group markerGroup = Group();  // the 100 group, made once
};

using Schema = std::vector<Subclass>;

Field req(int code) { return {code, Presence::Required, Group()}; }
Field opt(int code) { return {code, Presence::Optional, Group()}; }
Field rep(int code) { return {code, Presence::Repeated, Group()}; }
Field def(Group g) { return {g.code(), Presence::Default, g}; }
Field omit(Group g) { return {g.code(), Presence::OmitIfDefault, g}; }

const Group kNormal = Group::point(210, 0, 0, 1);

Subclass entityPart() {
    return {"AcDbEntity",
            {omit(Group::integer(67, 0)), opt(410), opt(8), omit(Group::text(6, "BYLAYER")),
             omit(Group::integer(62, 256)), omit(Group::integer(370, -1)), omit(Group::real(48, 1.0)),
             omit(Group::integer(60, 0)), opt(420), opt(430), opt(440)}};
}

Subclass recordPart() { return {"AcDbSymbolTableRecord", {}}; }

std::map<std::string, Schema, std::less<>> buildSchemas() {
    std::map<std::string, Schema, std::less<>> s;
    s["LINE"] = {entityPart(), {"AcDbLine", {omit(Group::real(39, 0)), req(10), req(11), def(kNormal)}}};
    s["CIRCLE"] = {entityPart(), {"AcDbCircle", {omit(Group::real(39, 0)), req(10), req(40), def(kNormal)}}};
    s["ARC"] = {entityPart(),
                {"AcDbCircle", {omit(Group::real(39, 0)), req(10), req(40), def(kNormal)}},
                {"AcDbArc", {req(50), req(51)}}};
    s["ELLIPSE"] = {entityPart(),
                    {"AcDbEllipse",
                     {req(10), req(11), def(kNormal), req(40), def(Group::real(41, 0.0)),
                      def(Group::real(42, 2 * M_PI))}}};
    s["SOLID"] = {entityPart(),
                  {"AcDbTrace", {omit(Group::real(39, 0)), req(10), req(11), req(12), opt(13), def(kNormal)}}};
    s["POINT"] = {entityPart(),
                  {"AcDbPoint", {req(10), omit(Group::real(39, 0)), def(kNormal), omit(Group::real(50, 0))}}};
    s["TEXT"] = {entityPart(),
                 {"AcDbText",
                  {omit(Group::real(39, 0)), req(10), req(40), req(1), def(Group::real(50, 0)),
                   def(Group::real(41, 1)), def(Group::real(51, 0)), def(Group::text(7, "Standard")),
                   def(Group::integer(71, 0)), def(Group::integer(72, 0)), def(Group::point(11, 0, 0, 0)),
                   def(kNormal)}},
                 {"AcDbText", {def(Group::integer(73, 0))}}};
    s["INSERT"] = {entityPart(),
                   {"AcDbBlockReference",
                    {omit(Group::integer(66, 0)), req(2), req(10), def(Group::real(41, 1)), def(Group::real(42, 1)),
                     def(Group::real(43, 1)), def(Group::real(50, 0)), def(Group::integer(70, 1)),
                     def(Group::integer(71, 1)), def(Group::real(44, 0)), def(Group::real(45, 0)), def(kNormal)}}};
    s["LEADER"] = {entityPart(),
                   {"AcDbLeader",
                    {def(Group::text(3, "Standard")), def(Group::integer(71, 1)), def(Group::integer(72, 0)),
                     def(Group::integer(73, 3)), def(Group::integer(74, 1)), def(Group::integer(75, 0)),
                     def(Group::real(40, 0)), def(Group::real(41, 0)), opt(76), rep(10), opt(77), opt(340),
                     def(kNormal), def(Group::point(211, 1, 0, 0)), def(Group::point(212, 0, 0, 0)),
                     def(Group::point(213, 0, 0, 0))}}};
    s["HATCH"] = {entityPart(), {"AcDbHatch", {}, true}};
    s["DIMENSION"] = {entityPart(), {"AcDbDimension", {}, true}};
    s["BLOCK"] = {entityPart(),
                  {"AcDbBlockBegin",
                   {req(2), def(Group::integer(70, 0)), def(Group::point(10, 0, 0, 0)), opt(3), opt(1), opt(4)}}};
    s["ENDBLK"] = {entityPart(), {"AcDbBlockEnd", {}}};
    s["DICTIONARY"] = {{"AcDbDictionary", {opt(280), def(Group::integer(281, 1))}, true}};
    s["XRECORD"] = {{"AcDbXrecord", {def(Group::integer(280, 1))}, true, true}};
    s["LAYER"] = {recordPart(),
                  {"AcDbLayerTableRecord",
                   {req(2), def(Group::integer(70, 0)), def(Group::integer(62, 7)), def(Group::text(6, "Continuous")),
                    opt(290), def(Group::integer(370, -3)), opt(390), opt(347), opt(348)}}};
    s["LTYPE"] = {recordPart(),
                  {"AcDbLinetypeTableRecord",
                   {req(2), def(Group::integer(70, 0)), def(Group::text(3, "")), def(Group::integer(72, 65)),
                    def(Group::integer(73, 0)), def(Group::real(40, 0))},
                   true}};
    s["STYLE"] = {recordPart(),
                  {"AcDbTextStyleTableRecord",
                   {req(2), def(Group::integer(70, 0)), def(Group::real(40, 0)), def(Group::real(41, 1)),
                    def(Group::real(50, 0)), def(Group::integer(71, 0)), def(Group::real(42, 2.5)),
                    def(Group::text(3, "txt")), def(Group::text(4, ""))},
                   true}};
    s["APPID"] = {recordPart(), {"AcDbRegAppTableRecord", {req(2), def(Group::integer(70, 0))}}};
    s["DIMSTYLE"] = {recordPart(), {"AcDbDimStyleTableRecord", {req(2), def(Group::integer(70, 0))}, true}};
    s["BLOCK_RECORD"] = {recordPart(), {"AcDbBlockTableRecord", {req(2)}, true}};
    return s;
}

// A schema with a code index: for each body code, its subclass and field.
struct Compiled {
    static constexpr uint16_t kNone = 0xFFFF;
    Schema subclasses;
    std::vector<uint16_t> where = std::vector<uint16_t>(1000, kNone);
    std::vector<size_t> tailFrom;  // first tail subclass at or after each one
    size_t mostAdded = 1;          // groups a body may have beyond its input
    std::vector<size_t> firstField;  // index of each subclass's first field among all fields
    size_t fieldCount = 0;
    size_t id = 0;  // index among the schemas, for per-schema caches

    explicit Compiled(Schema schema) : subclasses(std::move(schema)) {
        for (Subclass& sub : subclasses) {
            sub.markerGroup = Group::text(100, sub.marker);
            mostAdded += 1 + sub.fields.size();
            firstField.push_back(fieldCount);
            fieldCount += sub.fields.size();
        }
        for (size_t sub = 0; sub < subclasses.size(); ++sub)
            for (size_t f = 0; f < subclasses[sub].fields.size(); ++f) {
                int code = subclasses[sub].fields[f].code;
                if (code >= 0 && code < 1000 && where[code] == kNone) where[code] = static_cast<uint16_t>(sub << 8 | f);
            }
        tailFrom.assign(subclasses.size() + 1, SIZE_MAX);
        for (size_t sub = subclasses.size(); sub-- > 0;)
            tailFrom[sub] = subclasses[sub].tail ? sub : tailFrom[sub + 1];
    }

    // The field of a code within subclass sub; false when it is none of its fields.
    bool field(size_t sub, int code, size_t& f) const {
        if (code < 0 || code >= 1000 || where[code] == kNone || (where[code] >> 8) != sub) return false;
        f = where[code] & 0xFF;
        return true;
    }

    // The subclass that takes a group code, the current one on.
    bool subclassFor(size_t current, int code, size_t& found) const {
        if (subclasses[current].tail) {
            found = current;
            return true;
        }
        if (code >= 0 && code < 1000 && where[code] != kNone) {
            found = where[code] >> 8;
            return true;
        }
        found = tailFrom[current];
        return found != SIZE_MAX;
    }

    bool markerFor(size_t current, std::string_view marker, size_t& found) const {
        for (size_t n = 1; n <= subclasses.size(); ++n) {
            size_t i = (current + n) % subclasses.size();
            if (subclasses[i].marker == marker) {
                found = i;
                return true;
            }
        }
        return false;
    }
};

using CompiledSchemas = NameMap<Compiled>;

const CompiledSchemas& schemas() {
    static const auto compiled = [] {
        CompiledSchemas out;
        for (auto& [type, schema] : buildSchemas()) {
            size_t id = out.size();  // counted before the schema joins
            out.emplace(type, Compiled(schema)).first->second.id = id;
        }
        return out;
    }();
    return compiled;
}

bool sameValue(const Group& a, const Group& b) {
    if (a.kind() != b.kind()) return false;
    switch (a.kind()) {
    case ValueKind::Text: return equalNoCase(a.asText(), b.asText());
    case ValueKind::Real: return a.asReal() == b.asReal();
    case ValueKind::Int16:
    case ValueKind::Int32:
    case ValueKind::Int64: return a.asInt() == b.asInt();
    default: return a == b;
    }
}

constexpr uint8_t kSkip = 255;
constexpr uint16_t kNotGiven = 0xFFFF;

// The input group that fills each field (the last one given), per call.
struct Picks {
    std::vector<uint8_t> owner;  // subclass of each input group (kSkip: none)
    std::vector<uint16_t> field; // input index for each field of the schema
};

using Step = BodyStep;

// Plans depend only on the input's codes, except for subclass markers and
// 102 brackets whose texts count; plans of inputs without those are kept
// and reused, since the same code builds the same kind of list again and
// again.
using Plan = std::vector<Step>;

// A kept-as-given part takes fields only from the leading run of its
// groups, in field order; picks those and returns where the run ends.
size_t pickTailFields(const Compiled& schema, size_t index, const GroupList& input, Picks& picks) {
    size_t first = schema.firstField[index];
    size_t lastField = 0;
    for (size_t i = 0; i < input.size(); ++i) {
        if (picks.owner[i] != index) continue;
        size_t f;
        if (!schema.field(index, input[i].code(), f) || f < lastField) return i;
        lastField = f;
        picks.field[first + f] = static_cast<uint16_t>(i);
    }
    return input.size();
}

Step copyStep(size_t i) { return {Step::Copy, static_cast<uint16_t>(i), nullptr}; }

// Plans one subclass: its marker, its fields in order (defaults filled),
// then its other groups in input order.
bool planSubclass(const Compiled& schema, size_t index, const GroupList& input, Picks& picks, Plan& plan,
                  std::string_view type, std::string& error) {
    const Subclass& sub = schema.subclasses[index];
    size_t rest = sub.tail ? pickTailFields(schema, index, input, picks) : input.size();
    plan.push_back({Step::Marker, 0, &sub.markerGroup});
    const uint16_t* given = picks.field.data() + schema.firstField[index];
    for (size_t f = 0; f < sub.fields.size(); ++f) {
        const Field& field = sub.fields[f];
        if (field.presence == Presence::Repeated) {
            for (size_t i = 0; i < input.size(); ++i)
                if (picks.owner[i] == index && input[i].code() == field.code) plan.push_back(copyStep(i));
            continue;
        }
        if (given[f] == kNotGiven) {
            if (field.presence == Presence::Required) {
                error = "group " + std::to_string(field.code) + " of " + std::string(type) + " is missing";
                return false;
            }
            if (field.presence == Presence::Default) plan.push_back({Step::Fallback, 0, &field.fallback});
            continue;
        }
        if (field.presence == Presence::OmitIfDefault) plan.push_back({Step::CopyUnlessDefault, given[f], &field.fallback});
        else plan.push_back(copyStep(given[f]));
    }
    for (size_t i = rest; i < input.size(); ++i)
        if (picks.owner[i] == index) plan.push_back(copyStep(i));
    return true;
}

bool planBody(const Compiled& schema, std::string_view type, const GroupList& input, Plan& plan,
              std::string& error) {
    plan.clear();
    if (input.size() >= kNotGiven) {
        error = "too many groups";
        return false;
    }
    // Leading 102 brackets ({ACAD_REACTORS ..., {ACAD_XDICTIONARY ...}) stay in front.
    size_t i = 0;
    while (i < input.size() && input[i].code() == 102 && input[i].asText().starts_with("{")) {
        size_t j = i + 1;
        while (j < input.size() && !(input[j].code() == 102 && input[j].asText() == "}")) ++j;
        if (j == input.size()) {
            error = "an unclosed 102 group";
            return false;
        }
        for (; i <= j; ++i) plan.push_back(copyStep(i));
    }

    static thread_local Picks picksStore;
    Picks& picks = picksStore;
    picks.owner.assign(input.size(), kSkip);
    picks.field.assign(schema.fieldCount, kNotGiven);
    std::vector<uint8_t>& owner = picks.owner;
    size_t current = 0;
    for (; i < input.size(); ++i) {
        const Group& g = input[i];
        size_t found;
        if (g.code() == 100) {
            if (schema.markerFor(current, g.asText(), found)) {
                current = found;
            } else if (schema.subclasses[current].tail) {
                owner[i] = static_cast<uint8_t>(current);  // a further subclass of a kept-as-given part
            } else {
                error = "subclass " + std::string(g.asText()) + " does not belong to " + std::string(type);
                return false;
            }
            continue;
        }
        if (!schema.subclassFor(current, g.code(), found)) {
            error = "group " + std::to_string(g.code()) + " does not belong to " + std::string(type);
            return false;
        }
        if (found > current) current = found;
        owner[i] = static_cast<uint8_t>(found);
        // Groups of a fixed part are its fields: the last one given counts.
        size_t f;
        if (!schema.subclasses[found].tail && schema.field(found, g.code(), f))
            picks.field[schema.firstField[found] + f] = static_cast<uint16_t>(i);
    }

    for (size_t s = 0; s < schema.subclasses.size(); ++s)
        if (!planSubclass(schema, s, input, picks, plan, type, error)) return false;

    auto codeOf = [&](const Step& step) { return step.op == Step::Marker || step.op == Step::Fallback ? step.group->code() : input[step.index].code(); };
    if (type == "SOLID") {
        // Three corners: the fourth is the third again.
        bool hasFourth = false;
        for (const Step& step : plan) hasFourth = hasFourth || codeOf(step) == 13;
        for (size_t k = 0; k < plan.size() && !hasFourth; ++k)
            if (codeOf(plan[k]) == 12) {
                plan.insert(plan.begin() + static_cast<ptrdiff_t>(k) + 1, {Step::CopyAs13, plan[k].index, nullptr});
                break;
            }
    }
    if (type == "LEADER") {
        int vertices = 0;
        for (const Step& step : plan) vertices += codeOf(step) == 10;
        if (vertices < 2) {
            error = "a LEADER needs two vertices";
            return false;
        }
    }
    return true;
}

// The plan for an input, made each time; its storage is reused.
const Plan* findPlan(const Compiled& schema, std::string_view type, const GroupList& input,
                     std::string& error) {
    static thread_local Plan fresh;
    if (!planBody(schema, type, input, fresh, error)) return nullptr;
    return &fresh;
}

// Runs a plan: the body gets exactly its groups plus `spare` room.
void runPlan(const Plan& plan, const GroupList& input, GroupList& body, size_t spare) {
    auto leftOut = [&input](const Step& step) {
        return step.op == Step::CopyUnlessDefault && leavesOut(step, input[step.index]);
    };
    size_t count = 0;
    for (const Step& step : plan) count += !leftOut(step);
    body.reserve(body.size() + count + spare);
    for (const Step& step : plan) {
        switch (step.op) {
        case Step::Marker:
        case Step::Fallback: body.push_back(*step.group); break;
        case Step::Copy: body.push_back(input[step.index]); break;
        case Step::CopyUnlessDefault:
            if (!leftOut(step)) body.push_back(input[step.index]);
            break;
        case Step::CopyAs13:
            body.push_back(input[step.index]);
            body.back().setCode(13);
            break;
        }
    }
}

} // namespace

bool leavesOut(const BodyStep& step, const Group& given) {
    return step.op == Step::CopyUnlessDefault && sameValue(given, *step.group);
}

namespace {
// The schema of a type, or null: a short list scanned by length first,
// cheaper than hashing the name for every body.
const Compiled* findSchema(std::string_view type) {
    static const std::vector<std::pair<std::string_view, const Compiled*>> list = [] {
        std::vector<std::pair<std::string_view, const Compiled*>> out;
        for (const auto& [name, schema] : schemas()) out.emplace_back(name, &schema);
        return out;
    }();
    for (const auto& [name, schema] : list)
        if (name.size() == type.size() && name == type) return schema;
    return nullptr;
}
} // namespace

bool isModelledType(std::string_view type) { return findSchema(type) != nullptr; }

PartGroups partGroups(std::string_view type, std::string_view marker) {
    const Compiled* schema = findSchema(type);
    if (schema == nullptr) return PartGroups::AnyCode;
    auto of = [](const Subclass& sub) { return sub.data ? PartGroups::AnyCode : PartGroups::Fields; };
    if (marker.empty()) return of(schema->subclasses.front());
    for (const Subclass& sub : schema->subclasses)
        if (sub.marker == marker) return of(sub);
    return PartGroups::NoPart;
}

const std::vector<BodyStep>* bodyPlan(std::string_view type, const GroupList& input, std::string& error) {
    const Compiled* schema = findSchema(type);
    return schema ? findPlan(*schema, type, input, error) : nullptr;
}

void runBodyPlan(const std::vector<BodyStep>& plan, const GroupList& input, GroupList& body,
                 size_t spare) {
    runPlan(plan, input, body, spare);
}

bool canonicalBody(std::string_view type, const GroupList& input, GroupList& body,
                   std::string& error, size_t spare) {
    body.clear();
    const Compiled* schema = findSchema(type);
    if (schema == nullptr) {
        body.reserve(input.size() + spare);
        body.insert(body.end(), input.begin(), input.end());
        return true;
    }
    const Plan* plan = findPlan(*schema, type, input, error);
    if (plan == nullptr) return false;
    runPlan(*plan, input, body, spare);
    if (type == "INSERT")
        for (Group& g : body)
            if (isInsertCount(type, g.code()) && g.asInt() < 1) g = Group::integer(g.code(), 1);
    return true;
}

int fieldPlace(std::string_view type, std::string_view marker, int code) {
    const Compiled* schema = findSchema(type);
    if (schema == nullptr) return -1;
    for (size_t sub = 0; sub < schema->subclasses.size(); ++sub) {
        size_t f;
        if (schema->subclasses[sub].marker == marker && schema->field(sub, code, f)) return static_cast<int>(f);
    }
    return -1;
}

const Group* filledDefault(std::string_view type, int code) {
    const Compiled* schema = findSchema(type);
    if (schema == nullptr || code < 0 || code >= 1000 || schema->where[code] == Compiled::kNone) return nullptr;
    const Field& field = schema->subclasses[schema->where[code] >> 8].fields[schema->where[code] & 0xFF];
    return field.presence == Presence::Default ? &field.fallback : nullptr;
}

const std::vector<const Group*>& filledDefaults(std::string_view type) {
    static const std::vector<const Group*> none;
    // Per schema, in code order: the group filledDefault gives for each code.
    static const std::vector<std::vector<const Group*>> lists = [] {
        std::vector<std::vector<const Group*>> out(schemas().size());
        for (const auto& [name, schema] : schemas())
            for (int code = 0; code < 1000; ++code)
                if (const Group* filled = filledDefault(name, code)) out[schema.id].push_back(filled);
        return out;
    }();
    const Compiled* schema = findSchema(type);
    return schema && schema->id < lists.size() ? lists[schema->id] : none;
}

bool isInsertCount(std::string_view type, int code) { return (code == 70 || code == 71) && type == "INSERT"; }

} // namespace host::db
