#include "dxf/layout_links.h"

#include "db/template.h"
#include "dxf/leading_braces.h"
#include "dxf/quoted_text.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace host::dxf {

namespace {

using db::Database;
using db::Group;
using db::Handle;
using db::Slot;
using db::kNoSlot;

bool isPaperSpace(std::string_view name)
{
    return db::equalNoCase(name.substr(0, 12), "*Paper_Space");
}

// Where the layout's block record pointer is (or goes): the first 330 of
// its AcDbLayout part, else the end of that part.
size_t blockPointerAt(const db::Object& layout, bool& present)
{
    const auto& groups = layout.groups;
    size_t end = db::xdataBegin(layout);
    size_t at = 0;
    while (at < end && !(groups[at].code() == 100 && groups[at].asText() == "AcDbLayout")) ++at;
    if (at == end) at = 0;  // no marker: the whole body
    for (size_t i = at; i < end; ++i) {
        if (groups[i].code() == 330) {
            present = true;
            return i;
        }
        if (groups[i].code() == 100 && i > at && groups[i].asText() != "AcDbLayout") {
            present = false;
            return i;
        }
    }
    present = false;
    return end;
}

Handle pointerOf(const db::Object& object, int code)
{
    const Group* g = db::findGroup(object, code, 0, db::xdataBegin(object));
    return g && g->kind() == db::ValueKind::Handle ? g->asHandle() : 0;
}

// The block record a layout shows, read where it is set.
Handle blockPointer(const db::Object& layout)
{
    bool present = false;
    size_t at = blockPointerAt(layout, present);
    const Group& g = layout.groups[at];
    return present && g.kind() == db::ValueKind::Handle ? g.asHandle() : 0;
}

// The layout's name: group 1 of its AcDbLayout part (the plot settings
// before it have a group 1 too).
std::string_view layoutName(const db::Object& layout)
{
    const auto& groups = layout.groups;
    size_t at = 0;
    while (at < groups.size() && !(groups[at].code() == 100 && groups[at].asText() == "AcDbLayout")) ++at;
    if (at == groups.size()) return db::groupText(groups, 1);
    for (size_t i = at + 1; i < groups.size(); ++i)
        if (groups[i].code() == 1) return groups[i].asText();
    return {};
}

void setBlockPointer(db::Object& layout, Handle record)
{
    bool present = false;
    size_t at = blockPointerAt(layout, present);
    if (present)
        layout.groups[at] = Group::handle(330, record);
    else
        layout.groups.insert(layout.groups.begin() + static_cast<std::ptrdiff_t>(at), Group::handle(330, record));
}

// The block record's pointer to its layout, set (after its name when new).
void setLayoutPointer(db::Object& record, Handle layout)
{
    if (Group* g = db::findGroup(record, 340, 0, db::xdataBegin(record))) {
        *g = Group::handle(340, layout);
        return;
    }
    size_t at = 0;
    while (at < record.groups.size() && record.groups[at].code() != 2) ++at;
    at = at < record.groups.size() ? at + 1 : record.groups.size();
    record.groups.insert(record.groups.begin() + static_cast<std::ptrdiff_t>(at), Group::handle(340, layout));
}

struct LayoutEntry {
    std::string key;
    Slot layout;
};

std::vector<LayoutEntry> layoutsIn(const Database& db, Slot dictionary)
{
    std::vector<LayoutEntry> entries;
    const db::Object* dict = db.object(dictionary);
    if (!dict) return entries;
    const auto& g = dict->groups;
    for (size_t i = 0; i + 1 < g.size(); ++i) {
        if (g[i].code() != 3 || (g[i + 1].code() != 350 && g[i + 1].code() != 360)) continue;
        Slot slot = db.slotOf(g[i + 1].asHandle());
        const db::Object* object = db.object(slot);
        if (object && !object->erased && object->isType("LAYOUT")) entries.push_back({std::string(g[i].asText()), slot});
    }
    return entries;
}

// Entries of the layout dictionary that name something other than a
// layout (a damaged type) are left out: readers take every entry there as
// a layout.  The object, named by nothing then, is not saved.
void dropEntriesOfOtherTypes(Database& db, Slot dictionary, const RepairNote& note)
{
    std::vector<std::pair<std::string, std::string>> others;  // key, type
    const auto& g = db.object(dictionary)->groups;
    for (size_t i = 0; i + 1 < g.size(); ++i) {
        if (g[i].code() != 3 || (g[i + 1].code() != 350 && g[i + 1].code() != 360)) continue;
        const db::Object* object = db.object(db.slotOf(g[i + 1].asHandle()));
        if (object && !object->isType("LAYOUT"))
            others.emplace_back(std::string(g[i].asText()), std::string(object->typeName()));
    }
    for (const auto& [key, type] : others) {
        note(RepairKind::lost("layout of another type"),
             "layout " + shown(key) + " is a " + shown(type) + ", no LAYOUT: left out");
        db.dictionaryRemove(dictionary, key);
    }
}

// A layout shows under one key: a later key naming a layout an earlier
// one names too is left out (the layout cannot be named as both).
void dropSecondKeysOfALayout(Database& db, Slot dictionary, const RepairNote& note)
{
    auto& g = db.object(dictionary)->groups;
    std::vector<Slot> seen;
    for (size_t i = 0; i + 1 < g.size(); ++i) {
        if (g[i].code() != 3 || (g[i + 1].code() != 350 && g[i + 1].code() != 360)) continue;
        Slot slot = db.slotOf(g[i + 1].asHandle());
        const db::Object* object = db.object(slot);
        if (!object || object->erased || !object->isType("LAYOUT")) continue;
        if (std::find(seen.begin(), seen.end(), slot) == seen.end()) {
            seen.push_back(slot);
            continue;
        }
        note(RepairKind::lost("layout under a second key"),
             "layout key " + shown(g[i].asText()) + " names the layout of an earlier key: left out");
        g.erase(g.begin() + static_cast<std::ptrdiff_t>(i), g.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        --i;
    }
}

// A layout's body is its plot settings, then its AcDbLayout part: readers
// find the block record and the name by those markers.  A layout without
// them gets settings made anew (its name the key, its block record linked
// below); what leads the body (reactors, extension dictionary) and its
// XDATA stay.
void rebuildWithoutParts(db::Object& layout, const LayoutEntry& entry, const RepairNote& note)
{
    auto& groups = layout.groups;
    size_t end = db::xdataBegin(layout);
    size_t settings = end, part = end;
    for (size_t i = 0; i < end; ++i) {
        if (groups[i].code() != 100) continue;
        if (groups[i].asText() == "AcDbPlotSettings" && settings == end) settings = i;
        if (groups[i].asText() == "AcDbLayout" && settings < i && part == end) part = i;
    }
    if (part < end) return;
    const size_t lead = std::min(leadingBraces(groups).end, end);
    const Group* tabGroup = db::findGroup(layout, 71, lead, end);
    bool model = db::equalNoCase(entry.key, "Model");
    bool tabbed = tabGroup && tabGroup->kind() == db::ValueKind::Int16;
    int tab = model ? 0 : tabbed ? static_cast<int>(tabGroup->asInt()) : 1;
    db::GroupList body(groups.begin(), groups.begin() + static_cast<std::ptrdiff_t>(lead));
    for (Group& g : db::layoutGroups(entry.key, tab, 0)) body.push_back(std::move(g));
    body.insert(body.end(), groups.begin() + static_cast<std::ptrdiff_t>(end), groups.end());
    groups = std::move(body);
    note(RepairKind::lost("layout settings made anew"),
         "layout " + shown(entry.key) + " had lost its AcDbLayout part: its settings were made anew");
}

// Readers find a layout by its key and take it by its own name: the two
// must agree, so the name follows the key.
void nameAsKeyed(Database& db, const LayoutEntry& entry, const RepairNote& note)
{
    db::Object& layout = *db.object(entry.layout);
    rebuildWithoutParts(layout, entry, note);
    std::string_view name = layoutName(layout);
    if (db::equalNoCase(name, entry.key)) return;
    note(RepairKind::changed("layout named as its key"),
         "layout " + shown(entry.key) + " was named " + inQuotes(name) + ": named as its key");
    auto& groups = layout.groups;
    size_t at = 0;
    while (at < groups.size() && !(groups[at].code() == 100 && groups[at].asText() == "AcDbLayout")) ++at;
    size_t end = db::xdataBegin(layout);
    size_t from = at < end ? at + 1 : 0;
    for (size_t i = from; i < end; ++i)
        if (groups[i].code() == 1) {
            groups[i] = Group::text(1, entry.key);
            return;
        }
    groups.insert(groups.begin() + static_cast<std::ptrdiff_t>(std::min(from, end)), Group::text(1, entry.key));
}

// Readers take the layouts from the layout dictionary and drop any other
// LAYOUT as an orphan: one the dictionary does not name (a copy under a
// damaged key, a damaged entry) is left out.
void dropLayoutsNotNamed(Database& db, Slot dictionary, const RepairNote& note)
{
    std::vector<Slot> named;
    for (const LayoutEntry& entry : layoutsIn(db, dictionary)) named.push_back(entry.layout);
    for (Slot slot = 0; slot < db.slotCount(); ++slot) {
        const db::Object* object = db.object(slot);
        if (!object || object->cls != db::ObjectClass::NonGraphical || object->erased || !object->isType("LAYOUT") ||
            std::find(named.begin(), named.end(), slot) != named.end())
            continue;
        note(RepairKind::lost("layout named by no key"),
             "LAYOUT " + db::handleText(object->handle) + " " + inQuotes(layoutName(*object)) +
                 " is named by no key of the layout dictionary: left out");
        db.setErased(slot, true);
    }
}

std::string freeLayoutName(const Database& db, Slot dictionary)
{
    for (int n = 1;; ++n) {
        std::string name = "Layout" + std::to_string(n);
        if (db.dictionaryLookup(dictionary, name) == kNoSlot) return name;
    }
}

} // namespace

bool linkLayouts(Database& db, const RepairNote& note, std::string& error)
{
    Slot dictionary = db.dictionaryLookup(db.namedObjectDictionary(), "ACAD_LAYOUT");
    if (!db.object(dictionary)) return true;
    dropEntriesOfOtherTypes(db, dictionary, note);
    dropSecondKeysOfALayout(db, dictionary, note);
    std::vector<LayoutEntry> layouts = layoutsIn(db, dictionary);
    for (const LayoutEntry& entry : layouts) nameAsKeyed(db, entry, note);
    // The spaces: model space and every paper space, in table order.
    std::vector<Slot> spaces;
    for (Slot record : db.records(db::Table::BlockRecord)) {
        const db::Object* object = db.object(record);
        if (object && !object->erased && (record == db.modelSpace() || isPaperSpace(db::groupText(*object, 2))))
            spaces.push_back(record);
    }
    std::unordered_map<Slot, Slot> layoutOf;  // space -> layout
    std::vector<LayoutEntry> unlinked;
    for (const LayoutEntry& entry : layouts) {
        Slot record = db.slotOf(blockPointer(*db.object(entry.layout)));
        bool space = std::find(spaces.begin(), spaces.end(), record) != spaces.end();
        // The Model layout shows model space and no other layout does.
        bool model = db::equalNoCase(entry.key, "Model");
        space &= model == (record == db.modelSpace());
        if (space && layoutOf.emplace(record, entry.layout).second) continue;
        unlinked.push_back(entry);
    }
    for (const LayoutEntry& entry : unlinked) {
        db::Object* layout = db.object(entry.layout);
        bool model = db::equalNoCase(layoutName(*layout), "Model") || db::equalNoCase(entry.key, "Model");
        Slot found = kNoSlot;
        // A space that points at this layout (model space only for the
        // Model layout), else the model space for the Model layout, else
        // the first paper space without a layout.
        for (Slot space : spaces)
            if (found == kNoSlot && !layoutOf.count(space) && (space == db.modelSpace()) == model &&
                pointerOf(*db.object(space), 340) == layout->handle)
                found = space;
        if (found == kNoSlot && model && !layoutOf.count(db.modelSpace())) found = db.modelSpace();
        for (Slot space : spaces)
            if (found == kNoSlot && !model && space != db.modelSpace() && !layoutOf.count(space)) found = space;
        if (found == kNoSlot) {
            note(RepairKind::lost("layout without block"),
                 "layout " + shown(entry.key) + " has no block of its own: left out");
            db.dictionaryRemove(dictionary, entry.key);
            db.setErased(entry.layout, true);
            continue;
        }
        layoutOf[found] = entry.layout;
        setBlockPointer(*layout, db.object(found)->handle);
        note(RepairKind::changed("layout linked"),
             "layout " + shown(entry.key) + " was linked to its block " + shown(db::groupText(*db.object(found), 2)));
    }
    int tab = static_cast<int>(layoutOf.size());
    for (Slot space : spaces) {
        if (layoutOf.count(space)) continue;
        bool model = space == db.modelSpace();
        std::string name = model && db.dictionaryLookup(dictionary, "Model") == kNoSlot ? "Model"
                                                                                        : freeLayoutName(db, dictionary);
        db::Object object;
        object.type = db::internType("LAYOUT");
        object.cls = db::ObjectClass::NonGraphical;
        object.groups = db::layoutGroups(name, model ? 0 : tab++, db.object(space)->handle);
        Slot layout = db.add(std::move(object));
        // Other programs refuse a paper space without its layout.
        if (layout == kNoSlot) {
            error = cannotAdd(db, "a layout for block " + shown(db::groupText(*db.object(space), 2)));
            return false;
        }
        // A key whose layout was left out as damaged gives way to the new one.
        db.dictionaryRemove(dictionary, name);
        if (!db.dictionaryAdd(dictionary, name, layout)) continue;
        layoutOf[space] = layout;
        note(RepairKind::changed("layout added"),
             "block " + shown(db::groupText(*db.object(space), 2)) + " had no layout: " + name + " added");
    }
    for (Slot space : spaces) {
        auto linked = layoutOf.find(space);
        if (linked == layoutOf.end()) continue;
        Handle layout = db.object(linked->second)->handle;
        db::Object* record = db.object(space);
        if (pointerOf(*record, 340) != layout) setLayoutPointer(*record, layout);
    }
    dropLayoutsNotNamed(db, dictionary, note);
    return true;
}

} // namespace host::dxf
