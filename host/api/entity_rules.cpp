#include "api/entity_rules.h"

#include <array>
#include <utility>

#include "db/canonical.h"

namespace host::api {

using db::Group;
using db::GroupList;

MakeKind makeKindOf(std::string_view type) {
    // A short list scanned in order: cheaper than hashing the name.
    static constexpr std::pair<std::string_view, MakeKind> kinds[] = {
        {"LINE", MakeKind::Entity},         {"ARC", MakeKind::Entity},          {"CIRCLE", MakeKind::Entity},
        {"TEXT", MakeKind::Entity},         {"INSERT", MakeKind::Entity},       {"SOLID", MakeKind::Entity},
        {"BLOCK", MakeKind::BlockBegin},    {"ENDBLK", MakeKind::BlockEnd},     {"LEADER", MakeKind::Entity},
        {"DIMENSION", MakeKind::Entity},    {"ELLIPSE", MakeKind::Entity},      {"HATCH", MakeKind::Entity},
        {"POINT", MakeKind::Entity},        {"MTEXT", MakeKind::Entity},        {"LWPOLYLINE", MakeKind::Entity},
        {"TRACE", MakeKind::Entity},        {"DICTIONARY", MakeKind::NonGraphical},
        {"XRECORD", MakeKind::NonGraphical}, {"LAYER", MakeKind::TableRecord},  {"LTYPE", MakeKind::TableRecord},
        {"STYLE", MakeKind::TableRecord},   {"DIMSTYLE", MakeKind::TableRecord}, {"APPID", MakeKind::TableRecord},
    };
    for (const auto& [name, kind] : kinds)
        if (name == type) return kind;
    return MakeKind::Refused;
}

bool validSymbolName(std::string_view name, bool anonymousOk) {
    if (name.empty() || name.size() > 255) return false;
    if (name.front() == ' ' || name.back() == ' ') return false;
    // Bytes a name may not hold: control characters and <>/\":;?*|,=`.
    static const auto refused = [] {
        std::array<bool, 256> table{};
        for (int c = 0; c < 32; ++c) table[static_cast<size_t>(c)] = true;
        for (char bad : std::string_view("<>/\\\":;?*|,=`")) table[static_cast<unsigned char>(bad)] = true;
        return table;
    }();
    for (size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (c == '*' && i == 0 && anonymousOk) continue;
        if (refused[static_cast<unsigned char>(c)]) return false;
    }
    return true;
}

namespace {

// Replaces a name group by the spelling of the record it names; false
// when the table has no such record.
bool spellAsTable(const db::Database& db, db::Table table, Group& g) {
    std::string_view name;
    db::Slot rec = db.findRecord(table, g.asText(), name);
    const db::Object* o = db.object(rec);
    if (o == nullptr || o->erased) return false;
    if (g.asText() != name) g = Group::text(g.code(), name);
    return true;
}

bool isEntityType(std::string_view type) {
    MakeKind k = makeKindOf(type);
    return k == MakeKind::Entity || k == MakeKind::BlockBegin || k == MakeKind::BlockEnd;
}

} // namespace

NameCheck checkNameGroup(const db::Database& db, std::string_view type, Group& g, std::string& error) {
    switch (g.code()) {
    case 8:
        if (!validSymbolName(g.asText())) {
            error = "invalid layer name \"" + std::string(g.asText()) + "\"";
            return NameCheck::Refused;
        }
        return spellAsTable(db, db::Table::Layer, g) ? NameCheck::Ok : NameCheck::NewLayer;
    case 6:
        if (spellAsTable(db, db::Table::Ltype, g)) return NameCheck::Ok;
        error = "linetype \"" + std::string(g.asText()) + "\" is not loaded";
        return NameCheck::Refused;
    case 7:
        if (type != "TEXT" && type != "MTEXT") return NameCheck::Ok;
        if (spellAsTable(db, db::Table::Style, g)) return NameCheck::Ok;
        error = "text style \"" + std::string(g.asText()) + "\" does not exist";
        return NameCheck::Refused;
    case 3:
        if (type != "LEADER" && type != "DIMENSION") return NameCheck::Ok;
        if (spellAsTable(db, db::Table::Dimstyle, g)) return NameCheck::Ok;
        error = "dimension style \"" + std::string(g.asText()) + "\" does not exist";
        return NameCheck::Refused;
    case 2: {
        if (type != "INSERT" && type != "DIMENSION") return NameCheck::Ok;
        db::Slot rec = db.findRecord(db::Table::BlockRecord, g.asText());
        if (rec == db::kNoSlot || rec == db.modelSpace() || rec == db.paperSpace()) {
            error = "block \"" + std::string(g.asText()) + "\" does not exist";
            return NameCheck::Refused;
        }
        spellAsTable(db, db::Table::BlockRecord, g);
        return NameCheck::Ok;
    }
    case 62:
        if (g.asInt() >= 0 && g.asInt() <= 256) return NameCheck::Ok;
        error = "colour " + std::to_string(g.asInt()) + " is not 0 to 256";
        return NameCheck::Refused;
    default: return NameCheck::Ok;
    }
}

namespace {

// The real value of the first group `code` of a body, or `fallback`.
double realGroup(const GroupList& body, int code, double fallback) {
    for (const Group& g : body)
        if (g.code() == code) return g.asReal();
    return fallback;
}

// Shapes the host cannot hold: a circle or arc without a positive radius,
// an ellipse whose major axis has no length or whose ratio of minor to
// major axis lies outside [1e-6, 1], an insert scaled by 0 in any axis.
// Other programs refuse such files.
bool validShape(std::string_view type, const GroupList& body, std::string& error) {
    if (type == "INSERT") {
        for (int code : {41, 42, 43})
            if (realGroup(body, code, 1.0) == 0.0) {
                error = "INSERT scale " + std::to_string(code) + " is 0";
                return false;
            }
        return true;
    }
    if (type == "CIRCLE" || type == "ARC") {
        if (realGroup(body, 40, 0.0) > 0.0) return true;
        error = std::string(type) + " radius must be positive";
        return false;
    }
    if (type != "ELLIPSE") return true;
    double ratio = realGroup(body, 40, 1.0);
    if (!(ratio >= kThinnestEllipseRatio && ratio <= 1.0)) {
        error = "ELLIPSE ratio " + std::to_string(ratio) + " is not within 1e-6 to 1";
        return false;
    }
    for (const Group& g : body)
        if (g.code() == 11) {
            const double* axis = g.asPoint();
            if (axis[0] != 0.0 || axis[1] != 0.0 || axis[2] != 0.0) return true;
        }
    error = "ELLIPSE major axis has no length";
    return false;
}

} // namespace

bool prepareBody(db::Database& db, std::string_view type, GroupList& groups,
                 GroupList& body, std::vector<std::string>& newLayers, std::string& error, size_t spare) {
    if (isEntityType(type)) {
        bool hasLayer = false;
        for (Group& g : groups) {
            hasLayer = hasLayer || g.code() == 8;
            switch (checkNameGroup(db, type, g, error)) {
            case NameCheck::Ok: break;
            case NameCheck::NewLayer: newLayers.emplace_back(g.asText()); break;
            case NameCheck::Refused: return false;
            }
        }
        if (!hasLayer) groups.push_back(currentLayerGroup(db));
    }
    if (!db::canonicalBody(type, groups, body, error, spare)) return false;
    if (!validShape(type, body, error)) return false;
    if (type == "TEXT" || type == "MTEXT")  // the style default must exist too
        for (Group& g : body)
            if (g.code() == 7 && !spellAsTable(db, db::Table::Style, g)) {
                error = "text style \"" + std::string(g.asText()) + "\" does not exist";
                return false;
            }
    return true;
}

Group currentLayerGroup(const db::Database& db) {
    std::string_view spelled;
    db::Slot rec = db.findRecord(db::Table::Layer, db.headerText("$CLAYER"), spelled);
    return Group::text(8, rec != db::kNoSlot ? spelled : "0");
}

bool createLayers(db::Database& db, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (db.findRecord(db::Table::Layer, name) != db::kNoSlot) continue;
        GroupList input{Group::text(2, name)};
        GroupList body;
        std::string error;
        if (!db::canonicalBody("LAYER", input, body, error)) continue;
        // Plot-style placeholder like the template's layers.
        db::Slot zero = db.findRecord(db::Table::Layer, "0");
        if (const db::Object* z = db.object(zero))
            if (const Group* ps = db::findGroup(*z, 390)) body.push_back(*ps);
        db::Slot rec = storeObject(db, "LAYER", db::ObjectClass::TableRecord, std::move(body));
        if (rec == db::kNoSlot) return false;
        db.addRecord(db::Table::Layer, rec);
    }
    return true;
}

db::Slot storeObject(db::Database& db, std::string_view type, db::ObjectClass cls, GroupList groups) {
    return storeObject(db, db::internType(type), cls, std::move(groups));
}

db::Slot storeObject(db::Database& db, db::TypeId type, db::ObjectClass cls, GroupList groups) {
    db::Object o;
    o.type = type;
    o.cls = cls;
    o.groups = std::move(groups);
    return db.add(std::move(o));
}

} // namespace host::api
