#include "dxf/dimstyle_names.h"

#include "dxf/quoted_text.h"

namespace host::dxf {

namespace {

using db::Group;
using db::Table;

struct NamedReference {
    int nameCode;    // where the name stands
    int handleCode;  // where the handle goes
    Table table;
    const char* what;
};

constexpr NamedReference kNamed[] = {
    {5, 342, Table::BlockRecord, "arrow block"},
    {6, 343, Table::BlockRecord, "first arrow block"},
    {7, 344, Table::BlockRecord, "second arrow block"},
    {340, 340, Table::Style, "text style"},
    {341, 341, Table::BlockRecord, "leader arrow block"},
    {342, 342, Table::BlockRecord, "arrow block"},
    {343, 343, Table::BlockRecord, "first arrow block"},
    {344, 344, Table::BlockRecord, "second arrow block"},
};

const NamedReference* namedReference(const Group& g)
{
    if (g.kind() != db::ValueKind::Text) return nullptr;
    for (const NamedReference& n : kNamed)
        if (n.nameCode == g.code()) return &n;
    return nullptr;
}

} // namespace

void resolveDimstyleNames(db::Database& db, const RepairNote& note)
{
    for (db::Slot slot : db.records(Table::Dimstyle)) {
        db::Object* style = db.object(slot);
        if (!style) continue;
        std::string styleName(db::groupText(*style, 2));
        db::GroupList kept;
        kept.reserve(style->groups.size());
        bool pastName = false;
        for (Group& g : style->groups) {
            // Groups before the name are the record's own (a 5 there is a handle).
            const NamedReference* named = pastName && g.code() < 1000 ? namedReference(g) : nullptr;
            pastName = pastName || g.code() == 2;
            if (!named) {
                kept.push_back(std::move(g));
                continue;
            }
            std::string name(g.asText());
            if (name.empty()) continue;  // the standard arrow
            const db::Object* record = db.object(db.findRecord(named->table, name));
            if (record)
                kept.push_back(Group::handle(named->handleCode, record->handle));
            else
                note(RepairKind::changed("dimension style name of nothing"),
                     "dimension style " + shown(styleName) + " names the " + named->what + " " + shown(name) +
                         ", which does not exist: the standard one is used");
        }
        style->groups = std::move(kept);
    }
}

} // namespace host::dxf
