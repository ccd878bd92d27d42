#include "db/canonical.h"

#include <cmath>
#include <map>

#include "db/database.h"

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
                     def(Group::real(43, 1)), def(Group::real(50, 0)), def(Group::integer(70, 0)),
                     def(Group::integer(71, 0)), def(Group::real(44, 0)), def(Group::real(45, 0)), def(kNormal)}}};
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
    s["XRECORD"] = {{"AcDbXrecord", {def(Group::integer(280, 1))}, true}};
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

const std::map<std::string, Schema, std::less<>>& schemas() {
    static const auto s = buildSchemas();
    return s;
}

bool fieldIndex(const Subclass& sub, int code, size_t& index) {
    for (size_t i = 0; i < sub.fields.size(); ++i)
        if (sub.fields[i].code == code) {
            index = i;
            return true;
        }
    return false;
}

// The subclass that takes a group code, searching from the current one on.
bool subclassFor(const Schema& schema, size_t current, int code, size_t& found) {
    if (schema[current].tail) {
        found = current;
        return true;
    }
    size_t dummy;
    for (size_t n = 0; n < schema.size(); ++n) {
        size_t i = (current + n) % schema.size();
        if (fieldIndex(schema[i], code, dummy)) {
            found = i;
            return true;
        }
    }
    for (size_t i = current; i < schema.size(); ++i)
        if (schema[i].tail) {
            found = i;
            return true;
        }
    return false;
}

bool markerFor(const Schema& schema, size_t current, std::string_view marker, size_t& found) {
    for (size_t n = 1; n <= schema.size(); ++n) {
        size_t i = (current + n) % schema.size();
        if (schema[i].marker == marker) {
            found = i;
            return true;
        }
    }
    return false;
}

bool sameValue(const Group& a, const Group& b) {
    if (a.isText() && b.isText()) return equalNoCase(a.asText(), b.asText());
    return a == b;
}

void emitSubclass(const Subclass& sub, const std::vector<const Group*>& given, std::vector<Group>& body) {
    body.push_back(Group::text(100, sub.marker));
    std::vector<bool> used(given.size(), false);
    size_t prefix = given.size();
    if (sub.tail) {  // fields only from the leading run of the input, in field order
        prefix = 0;
        size_t field = 0, dummy;
        while (prefix < given.size() && fieldIndex(sub, given[prefix]->code(), dummy) && dummy >= field) {
            field = dummy;
            ++prefix;
        }
    }
    for (const Field& f : sub.fields) {
        const Group* last = nullptr;
        for (size_t i = 0; i < prefix; ++i) {
            if (given[i]->code() != f.code) continue;
            used[i] = true;
            if (f.presence == Presence::Repeated) body.push_back(*given[i]);
            else last = given[i];
        }
        if (f.presence == Presence::Repeated) continue;
        if (last == nullptr) {
            if (f.presence == Presence::Default) body.push_back(f.fallback);
            continue;
        }
        if (f.presence == Presence::OmitIfDefault && sameValue(*last, f.fallback)) continue;
        body.push_back(*last);
    }
    for (size_t i = 0; i < given.size(); ++i)
        if (!used[i]) body.push_back(*given[i]);
}

} // namespace

bool isModelledType(std::string_view type) { return schemas().count(type) != 0; }

bool canonicalBody(std::string_view type, const std::vector<Group>& input, std::vector<Group>& body,
                   std::string& error) {
    body.clear();
    auto it = schemas().find(type);
    if (it == schemas().end()) {
        body = input;
        return true;
    }
    const Schema& schema = it->second;

    // Leading 102 brackets ({ACAD_REACTORS ..., {ACAD_XDICTIONARY ...}) stay in front.
    size_t i = 0;
    while (i < input.size() && input[i].code() == 102 && input[i].asText().starts_with("{")) {
        size_t j = i + 1;
        while (j < input.size() && !(input[j].code() == 102 && input[j].asText() == "}")) ++j;
        if (j == input.size()) {
            error = "an unclosed 102 group";
            return false;
        }
        for (; i <= j; ++i) body.push_back(input[i]);
    }

    std::vector<std::vector<const Group*>> buckets(schema.size());
    std::vector<bool> markerGiven(schema.size(), false);
    size_t current = 0;
    for (; i < input.size(); ++i) {
        const Group& g = input[i];
        if (g.code() == 100) {
            size_t found;
            if (markerFor(schema, current, g.asText(), found)) {
                current = found;
                markerGiven[found] = true;
            } else if (schema[current].tail) {
                buckets[current].push_back(&g);  // a further subclass of a kept-as-given part
            } else {
                error = "subclass " + std::string(g.asText()) + " does not belong to " + std::string(type);
                return false;
            }
            continue;
        }
        size_t found;
        if (!subclassFor(schema, current, g.code(), found)) {
            error = "group " + std::to_string(g.code()) + " does not belong to " + std::string(type);
            return false;
        }
        if (found > current) current = found;
        buckets[found].push_back(&g);
    }

    for (size_t s = 0; s < schema.size(); ++s) {
        for (const Field& f : schema[s].fields) {
            if (f.presence != Presence::Required) continue;
            bool present = false;
            for (const Group* g : buckets[s]) present = present || g->code() == f.code;
            if (!present) {
                error = "group " + std::to_string(f.code) + " of " + std::string(type) + " is missing";
                return false;
            }
        }
        emitSubclass(schema[s], buckets[s], body);
    }
    bool hasFourth = false;
    for (const Group& g : body) hasFourth = hasFourth || g.code() == 13;
    if (type == "SOLID" && !hasFourth) {
        // Three corners: the fourth is the third again.
        for (size_t k = 0; k < body.size(); ++k)
            if (body[k].code() == 12) {
                Group fourth = body[k];
                fourth.setCode(13);
                body.insert(body.begin() + static_cast<ptrdiff_t>(k) + 1, fourth);
                break;
            }
    }
    if (type == "LEADER") {
        int vertices = 0;
        for (const Group& g : body) vertices += g.code() == 10;
        if (vertices < 2) {
            error = "a LEADER needs two vertices";
            return false;
        }
    }
    return true;
}

} // namespace host::db
