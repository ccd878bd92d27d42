#include "shell/drawing_vars.h"

#include "api/host_api.h"
#include "db/database.h"
#include "shell/text.h"

namespace host::shell {

namespace {

db::Database* databaseOfDoc(Document& doc) {
    return doc.database() ? api::databaseOf(doc.database()) : nullptr;
}

std::string headerOr(db::Database* database, std::string_view name, const char* fallback) {
    if (!database) return fallback;
    std::string_view text = database->headerText(name);
    return text.empty() ? std::string(fallback) : std::string(text);
}

} // namespace

void syncDrawingVars(Document& doc) {
    db::Database* database = databaseOfDoc(doc);
    if (!database) return;
    doc.vars().force("CLAYER", textVar(headerOr(database, "$CLAYER", "0")));
    doc.vars().force("DIMSTYLE", textVar(headerOr(database, "$DIMSTYLE", "Standard")));
}

bool setDrawingVar(Document& doc, std::string_view name, const SysVarValue& value) {
    db::Database* database = databaseOfDoc(doc);
    if (database && sameName(name, "CLAYER")) {
        if (value.type != RTSTR) return false;
        db::Slot layer = database->findRecord(db::Table::Layer, value.text);
        if (layer == db::kNoSlot) return false;
        std::string stored(db::groupText(*database->object(layer), 2));
        database->setHeaderVariable("$CLAYER", db::Group::text(8, stored));
        doc.vars().force("CLAYER", textVar(stored));
        return true;
    }
    return doc.vars().set(name, value);
}

std::string currentLayerName() {
    Document* doc = currentDocument();
    if (!doc) return "0";
    syncDrawingVars(*doc);
    const SysVarValue* v = doc->vars().find("CLAYER");
    return v && !v->text.empty() ? v->text : "0";
}

std::string currentDimStyleName() {
    Document* doc = currentDocument();
    if (!doc) return "Standard";
    syncDrawingVars(*doc);
    const SysVarValue* v = doc->vars().find("DIMSTYLE");
    return v && !v->text.empty() ? v->text : "Standard";
}

double currentTextSize() {
    Document* doc = currentDocument();
    double size = doc ? doc->vars().getReal("TEXTSIZE", 2.5) : 2.5;
    return size > 0 ? size : 2.5;
}

} // namespace host::shell
