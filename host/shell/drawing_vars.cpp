#include "shell/drawing_vars.h"

#include "api/host_api.h"
#include "db/database.h"
#include "dxf/quoted_text.h"
#include "shell/colours.h"
#include "shell/text.h"
#include "shell/variable_values.h"

namespace host::shell {

namespace {

// A variable the drawing's header keeps, and the group code of its value.
struct HeaderVar {
    std::string_view name;
    std::string_view header;
    int code;
};

constexpr int kColourCode = 62;
constexpr int kRealCode = 40;
constexpr int kDimScaleCode = 40;  // in a dimension style record
constexpr int kRecordNameCode = 2;

constexpr HeaderVar kHeaderVars[] = {
    {"CLAYER", "$CLAYER", 8},         {"CECOLOR", "$CECOLOR", kColourCode}, {"CELTYPE", "$CELTYPE", 6},
    {"TEXTSTYLE", "$TEXTSTYLE", 7},   {"TEXTSIZE", "$TEXTSIZE", kRealCode}, {"LTSCALE", "$LTSCALE", kRealCode},
    {"DIMSCALE", "$DIMSCALE", kRealCode},
};

const HeaderVar* headerVarOf(std::string_view name) {
    std::string word = upper(name);
    for (const HeaderVar& var : kHeaderVars)
        if (var.name == word) return &var;
    return nullptr;
}

// The values of a drawing whose header lacks a variable.
const SysVars& defaults() {
    static const SysVars values;
    return values;
}

db::Database* databaseOfDoc(Document& doc) {
    return doc.database() ? api::databaseOf(doc.database()) : nullptr;
}

// The header's value of `var` as the variable's value; its default when
// the header lacks it or holds what the variable refuses.
SysVarValue headerValue(db::Database* database, const HeaderVar& var) {
    const SysVarValue* fallback = defaults().find(var.name);
    if (!fallback) return {};
    const db::HeaderVariable* found = database ? database->headerVariable(var.header) : nullptr;
    if (!found || found->groups.empty()) return *fallback;
    const db::Group& g = found->groups.front();
    SysVarValue value = *fallback;
    if (var.code == kColourCode)
        value.text = g.kind() == db::ValueKind::Text ? std::string() : colourText(static_cast<int>(g.asInt()));
    else if (var.code == kRealCode)
        value.realValue = g.kind() == db::ValueKind::Real ? g.asReal() : 0;
    else
        value.text = std::string(g.asText());
    return refusal(*fallback, value, database).empty() ? value : *fallback;
}

SysVarValue currentValue(std::string_view name) {
    const HeaderVar* var = headerVarOf(name);
    Document* doc = currentDocument();
    if (!var) return {};
    return headerValue(doc ? databaseOfDoc(*doc) : nullptr, *var);
}

// The current dimension style's record, whose settings a save writes.
db::Object* currentDimStyle(db::Database& database) {
    db::Slot slot = database.findRecord(db::Table::Dimstyle, database.headerText("$DIMSTYLE"));
    if (slot == db::kNoSlot) slot = database.findRecord(db::Table::Dimstyle, "Standard");
    return database.object(slot);
}

void writeHeader(db::Database& database, const HeaderVar& var, const SysVarValue& value) {
    if (var.code == kColourCode) {
        database.setHeaderVariable(var.header, db::Group::integer(var.code, colourNumber(value.text)));
    } else if (var.code == kRealCode) {
        database.setHeaderVariable(var.header, db::Group::real(var.code, value.realValue));
    } else {
        database.setHeaderVariable(var.header, db::Group::text(var.code, value.text));
    }
    if (var.name != "DIMSCALE") return;
    db::Object* style = currentDimStyle(database);
    if (!style) return;
    const db::Group* name = db::findGroup(*style, kRecordNameCode);
    size_t pastName = name ? static_cast<size_t>(name - style->groups.data()) + 1 : 0;
    if (db::Group* scale = db::findGroup(*style, kDimScaleCode, pastName))
        *scale = db::Group::real(kDimScaleCode, value.realValue);
}

} // namespace

void syncDrawingVar(Document& doc, std::string_view name) {
    db::Database* database = databaseOfDoc(doc);
    if (!database) return;
    if (const HeaderVar* var = headerVarOf(name)) {
        doc.vars().force(var->name, headerValue(database, *var));
    } else if (sameName(name, "DIMSTYLE")) {
        std::string_view style = database->headerText("$DIMSTYLE");
        doc.vars().force("DIMSTYLE", textVar(style.empty() ? "Standard" : std::string(style)));
    }
}

void syncDrawingVars(Document& doc) {
    for (const HeaderVar& var : kHeaderVars) syncDrawingVar(doc, var.name);
    syncDrawingVar(doc, "DIMSTYLE");
}

std::string setDrawingVar(Document& doc, std::string_view name, const SysVarValue& value) {
    syncDrawingVar(doc, name);
    const SysVarValue* variable = doc.vars().find(name);
    if (!variable) return "Unknown variable name " + dxf::inQuotes(upper(name)) + ".";
    if (variable->readOnly) return upper(name) + " is read only.";
    db::Database* database = databaseOfDoc(doc);
    SysVarValue next = value;
    if (std::string refused = refusal(*variable, next, database); !refused.empty()) return refused;
    if (const HeaderVar* var = headerVarOf(name); var && database) writeHeader(*database, *var, next);
    doc.vars().force(name, next);
    return {};
}

std::string currentLayerName() { return currentValue("CLAYER").text; }

std::string currentDimStyleName() {
    Document* doc = currentDocument();
    if (!doc) return "Standard";
    syncDrawingVar(*doc, "DIMSTYLE");
    const SysVarValue* v = doc->vars().find("DIMSTYLE");
    return v && !v->text.empty() ? v->text : "Standard";
}

double currentTextSize() { return currentValue("TEXTSIZE").realValue; }

double currentDimScale() { return currentValue("DIMSCALE").realValue; }

int currentColour() { return colourNumber(currentValue("CECOLOR").text); }

std::string currentLinetypeName() { return currentValue("CELTYPE").text; }

std::string currentTextStyleName() { return currentValue("TEXTSTYLE").text; }

} // namespace host::shell
