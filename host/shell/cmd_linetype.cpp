// _LINETYPE: loads linetypes from the host's linetype file (or a file the
// user names), asks before reloading one already in the drawing, and sets
// the current linetype.
//   Enter an option [?/Create/Load/Set]:  (Enter ends the command)
#include <deque>

#include "db/database.h"
#include "api/host_api.h"
#include "shell/commands.h"
#include "shell/documents.h"
#include "shell/drawing_vars.h"
#include "shell/file_names.h"
#include "shell/linetype_file.h"
#include "shell/prompting.h"
#include "shell/search_path.h"
#include "shell/text.h"
#include "dxf/quoted_text.h"

namespace host::shell {

namespace {

constexpr const char* kDefaultFile = "lurak.lin";

db::Slot findRecord(const db::Database& database, const std::string& name) {
    for (db::Slot s : database.records(db::Table::Ltype)) {
        const db::Object* o = database.object(s);
        if (o && !o->erased && sameName(db::groupText(*o, 2), name)) return s;
    }
    return db::kNoSlot;
}

db::GroupList recordGroups(const LinetypeDef& def) {
    double total = 0;
    for (double v : def.pattern) total += v < 0 ? -v : v;
    db::GroupList g{db::Group::text(100, "AcDbSymbolTableRecord"),
                    db::Group::text(100, "AcDbLinetypeTableRecord"),
                    db::Group::text(2, def.name),
                    db::Group::integer(70, 0),
                    db::Group::text(3, def.description),
                    db::Group::integer(72, 65),
                    db::Group::integer(73, static_cast<int64_t>(def.pattern.size())),
                    db::Group::real(40, total)};
    for (double v : def.pattern) {
        g.push_back(db::Group::real(49, v));
        g.push_back(db::Group::integer(74, 0));
    }
    return g;
}

// Puts the definition into the drawing: a new record, or the old record's
// pattern replaced (its name and handle stay).  False when the drawing has
// no handle left for a new record.
bool define(db::Database& database, const LinetypeDef& def) {
    db::Slot existing = findRecord(database, def.name);
    if (existing != db::kNoSlot) {
        db::Object* o = database.object(existing);
        std::string keepName(db::groupText(*o, 2));
        LinetypeDef renamed = def;
        renamed.name = keepName;
        size_t xdata = db::xdataBegin(*o);
        db::GroupList groups = recordGroups(renamed);
        groups.insert(groups.end(), o->groups.begin() + static_cast<long>(xdata), o->groups.end());
        o->groups = std::move(groups);
        return true;
    }
    db::Object record;
    record.type = db::internType("LTYPE");
    record.cls = db::ObjectClass::TableRecord;
    record.groups = recordGroups(def);
    db::Slot slot = database.add(std::move(record));
    if (slot == db::kNoSlot) return false;
    return database.addRecord(db::Table::Ltype, slot);
}

class LinetypeCommand : public Command {
public:
    std::string prompt() const override {
        switch (stage_) {
        case Stage::Option: return "Enter an option [?/Create/Load/Set]: ";
        case Stage::Names: return "Enter linetype(s) to load: ";
        case Stage::File: return std::string("Enter name of linetype file to search <") + kDefaultFile + ">: ";
        case Stage::Reload:
            return "Linetype " + dxf::shown(reloads_.front().name) + " is already loaded.  Reload it? <Y>: ";
        case Stage::SetName: return "Specify linetype name to make current <BYLAYER>: ";
        }
        return {};
    }

    Step take(const Arg& answer) override {
        const std::string& text = answer.text;
        switch (stage_) {
        case Stage::Option: return option(text);
        case Stage::Names:
            if (text.empty()) {
                stage_ = Stage::Option;
                return Step::More;
            }
            names_ = text;
            stage_ = Stage::File;
            return Step::More;
        case Stage::File:
            if (!acceptFileName(text)) return Step::Rejected;
            return load(text);
        case Stage::Reload: {
            std::string a = upper(text);
            if (!a.empty() && a != "Y" && a != "YES" && a != "N" && a != "NO") {
                reprompt("Answer Yes or No.");
                return Step::Rejected;
            }
            if (a.empty() || a[0] == 'Y') put(reloads_.front(), "reloaded");
            reloads_.pop_front();
            if (reloads_.empty()) stage_ = Stage::Option;
            return Step::More;
        }
        case Stage::SetName: return setCurrent(text);
        }
        return Step::Done;
    }

private:
    enum class Stage { Option, Names, File, Reload, SetName };

    Step option(const std::string& text) {
        std::string a = upper(text);
        while (!a.empty() && a.front() == '_') a.erase(0, 1);
        if (a.empty()) return Step::Done;
        if (a == "?") {
            list();
            return Step::More;
        }
        if (a == "L" || a == "LO" || a == "LOA" || a == "LOAD") {
            stage_ = Stage::Names;
            return Step::More;
        }
        if (a == "S" || a == "SE" || a == "SET") {
            stage_ = Stage::SetName;
            return Step::More;
        }
        reprompt("Invalid option keyword.");
        return Step::Rejected;
    }

    void list() {
        db::Database* database = api::currentDatabase();
        if (!database) return;
        std::string text;
        for (db::Slot s : database->records(db::Table::Ltype)) {
            const db::Object* o = database->object(s);
            if (o && !o->erased) text += "  " + dxf::withoutControls(db::groupText(*o, 2)) + "\n";
        }
        reprompt(text.empty() ? "No linetypes." : text.substr(0, text.size() - 1));
    }

    Step load(const std::string& text) {
        std::string file = findOnSearchPath(text.empty() ? kDefaultFile : text);
        std::vector<LinetypeDef> defs;
        std::string error;
        if (file.empty()) {
            reprompt("Linetype file " + dxf::withoutControls(text.empty() ? kDefaultFile : text) + " not found.");
            stage_ = Stage::Option;
            return Step::More;
        }
        if (!readLinetypeFile(file, defs, error)) {
            reprompt(error);
            stage_ = Stage::Option;
            return Step::More;
        }
        db::Database* database = api::currentDatabase();
        for (const std::string& name : requested(defs)) {
            const LinetypeDef* def = findLinetype(defs, name);
            if (!def) {
                reprompt("Linetype " + dxf::shown(name) + " not found in " + dxf::withoutControls(file) + ".");
                continue;
            }
            if (database && findRecord(*database, def->name) != db::kNoSlot)
                reloads_.push_back(*def);
            else
                put(*def, "loaded");
        }
        stage_ = reloads_.empty() ? Stage::Option : Stage::Reload;
        return Step::More;
    }

    // The names asked for: comma-separated, "*" for every one in the file.
    std::vector<std::string> requested(const std::vector<LinetypeDef>& defs) const {
        std::vector<std::string> out;
        size_t start = 0;
        while (start <= names_.size()) {
            size_t comma = names_.find(',', start);
            if (comma == std::string::npos) comma = names_.size();
            std::string name(io_trim(names_.substr(start, comma - start)));
            if (name == "*")
                for (const LinetypeDef& d : defs) out.push_back(d.name);
            else if (!name.empty())
                out.push_back(name);
            start = comma + 1;
        }
        return out;
    }

    static std::string io_trim(const std::string& s) {
        size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
        return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
    }

    void put(const LinetypeDef& def, const char* what) {
        db::Database* database = api::currentDatabase();
        std::string refused = "Linetype " + dxf::shown(def.name) + " could not be added to the drawing";
        if (!database) {
            reprompt(refused + ".");
            return;
        }
        if (!define(*database, def)) {
            reprompt(refused + ": " + api::kNoHandleLeft + ".");
            return;
        }
        commandNote("Linetype " + dxf::shown(def.name) + " " + what + ".");
    }

    Step setCurrent(const std::string& text) {
        Document* doc = currentDocument();
        std::string refused = doc ? setDrawingVar(*doc, "CELTYPE", textVar(text.empty() ? "BYLAYER" : text))
                                  : std::string();
        if (!refused.empty()) {
            reprompt(refused);
            return Step::Rejected;
        }
        stage_ = Stage::Option;
        return Step::More;
    }

    Stage stage_ = Stage::Option;
    std::string names_;
    std::deque<LinetypeDef> reloads_;
};

} // namespace

std::unique_ptr<Command> makeLinetypeCommand(const std::string& name) {
    if (name == "LINETYPE" || name == "LT" || name == "-LINETYPE") return std::make_unique<LinetypeCommand>();
    return nullptr;
}

} // namespace host::shell
