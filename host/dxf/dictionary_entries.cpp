#include "dxf/dictionary_entries.h"

#include "dxf/leading_braces.h"
#include "dxf/quoted_text.h"

#include <algorithm>
#include <string>

namespace host::dxf {

namespace {

using db::Database;
using db::Group;
using db::GroupList;
using db::Handle;
using db::Object;

constexpr int kKey = 3;
constexpr int kMarker = 100;
constexpr int kHardOwnerFlag = 280;
constexpr int kCloningFlag = 281;
constexpr int kSoftEntry = 350;
constexpr int kHardEntry = 360;
constexpr int kDefaultCode = 340;
constexpr std::string_view kDictionaryMarker = "AcDbDictionary";
// A dictionary with a default goes on with its own marker and the default.
constexpr std::string_view kDefaultMarker = "AcDbDictionaryWithDefault";

bool isEntry(const Group& g)
{
    return (g.code() == kSoftEntry || g.code() == kHardEntry) && g.kind() == db::ValueKind::Handle;
}

bool isDictionary(const Object& object)
{
    return object.cls == db::ObjectClass::NonGraphical &&
           (object.isType("DICTIONARY") || object.isType("ACDBDICTIONARYWDFLT"));
}

// The handle a group's value spells, whatever its code; 0 when none.
Handle handleIn(const Group& g)
{
    if (g.kind() == db::ValueKind::Handle) return g.asHandle();
    Handle handle = 0;
    if (g.kind() == db::ValueKind::Text && db::parseHandle(g.asText(), handle)) return handle;
    return 0;
}

struct Mending {
    size_t restored = 0, keys = 0, stray = 0, beforeMarker = 0, afterDefault = 0;
    bool markerLost = false;
    std::string firstRestored, firstKey;
};

// The body rebuilt; false when it was sound (and is left as it was).
bool mendBody(const Database& db, Object& dictionary, Mending& m)
{
    const size_t end = db::xdataBegin(dictionary);
    const size_t lead = std::min(leadingBraces(dictionary.groups).end, end);
    size_t begin = lead;
    while (begin < end && !(dictionary.groups[begin].code() == kMarker &&
                            dictionary.groups[begin].asText() == kDictionaryMarker))
        ++begin;
    bool marked = begin < end;
    bool markerLost = false;
    GroupList moved;
    if (marked && begin > lead) {
        // Nothing of the object's own part stands before the marker: groups
        // there are the body's (a key the marker parts from its entry keeps
        // it), and the marker goes before them.
        moved = dictionary.groups;
        std::rotate(moved.begin() + static_cast<std::ptrdiff_t>(lead),
                    moved.begin() + static_cast<std::ptrdiff_t>(begin),
                    moved.begin() + static_cast<std::ptrdiff_t>(begin + 1));
        m.beforeMarker = begin - lead;
        begin = lead;
    }
    const GroupList& groups = moved.empty() ? dictionary.groups : moved;
    if (marked) {
        ++begin;
    } else {
        // Other markers but not its own: the body is damaged, and readers
        // that go by the markers would find no entries.  The marker is put
        // back after the leading 102 groups.  Without any marker (older
        // writers) only the keys are looked at.
        begin = lead;
        for (size_t i = begin; i < end && !markerLost; ++i) markerLost = groups[i].code() == kMarker;
        // A default is given under a marker of its own, which the
        // dictionary's must come before: that one has none without both.
        markerLost |= dictionary.isType("ACDBDICTIONARYWDFLT");
        marked = markerLost;
    }
    auto ownedHere = [&](Handle handle) {
        const Object* entry = db.object(db.slotOf(handle));
        return handle != 0 && handle != dictionary.handle && entry && entry->owner == dictionary.handle;
    };
    GroupList body(groups.begin(), groups.begin() + static_cast<std::ptrdiff_t>(begin));
    if (markerLost) body.push_back(Group::text(kMarker, kDictionaryMarker));
    bool changed = markerLost || m.beforeMarker > 0;
    m.markerLost = markerLost;
    GroupList defaultPart;
    const bool withDefault = dictionary.isType("ACDBDICTIONARYWDFLT");
    size_t i = begin;
    for (; i < end; ++i) {
        const Group& g = groups[i];
        // Only a dictionary with a default has the default's part (its
        // marker and 340), which ends the body: what follows it is the
        // body's, and goes before it.  In another dictionary it is stray.
        if (g.code() == kMarker && g.asText() == kDefaultMarker && withDefault && defaultPart.empty()) {
            size_t partEnd = i + 1;
            while (partEnd < end && groups[partEnd].code() == kDefaultCode) ++partEnd;
            if (partEnd == end) break;
            defaultPart.assign(groups.begin() + static_cast<std::ptrdiff_t>(i),
                               groups.begin() + static_cast<std::ptrdiff_t>(partEnd));
            m.afterDefault = end - partEnd;
            changed = true;
            i = partEnd - 1;
            continue;
        }
        if (g.code() != kKey) {
            // An entry without its key is no part of any dictionary's body.
            bool belongs = (!marked && !isEntry(g)) || g.code() == kHardOwnerFlag || g.code() == kCloningFlag;
            if (belongs) body.push_back(g);
            else ++m.stray;
            changed |= !belongs;
            continue;
        }
        const Group* next = i + 1 < end ? &groups[i + 1] : nullptr;
        if (next && isEntry(*next)) {
            body.push_back(g);
            body.push_back(groups[++i]);
            continue;
        }
        changed = true;
        if (next && next->code() != kKey && next->code() != kMarker && ownedHere(handleIn(*next))) {
            if (m.restored++ == 0)
                m.firstRestored = shown(g.asText()) + " (group " + std::to_string(next->code()) + ")";
            body.push_back(g);
            body.push_back(Group::handle(kSoftEntry, handleIn(*next)));
            ++i;
            continue;
        }
        if (m.keys++ == 0) m.firstKey = std::string(g.asText());
    }
    if (!changed) return false;
    body.insert(body.end(), defaultPart.begin(), defaultPart.end());
    body.insert(body.end(), groups.begin() + static_cast<std::ptrdiff_t>(i), groups.end());
    dictionary.groups = std::move(body);
    return true;
}

} // namespace

void repairDictionaryEntries(Database& db, const RepairNote& note)
{
    for (db::Slot slot = 0; slot < db.slotCount(); ++slot) {
        Object* dictionary = db.object(slot);
        if (!dictionary || !isDictionary(*dictionary)) continue;
        Mending m;
        if (!mendBody(db, *dictionary, m)) continue;
        std::string what = shown(dictionary->typeName()) + " " + db::handleText(dictionary->handle);
        if (m.markerLost)
            note(RepairKind::changed("dictionary marker"),
                 what + " had lost its marker " + std::string(kDictionaryMarker) + ": put back");
        if (m.beforeMarker > 0)
            note(RepairKind::changed("dictionary marker"),
                 what + ": its marker " + std::string(kDictionaryMarker) + " stood after " +
                     std::to_string(m.beforeMarker) + " groups of its body: put before them");
        if (m.afterDefault > 0)
            note(RepairKind::changed("dictionary marker"),
                 what + ": its default's marker " + std::string(kDefaultMarker) + " stood before " +
                     std::to_string(m.afterDefault) + " groups of its body: put after them");
        if (m.restored > 0)
            note(RepairKind::changed("dictionary entry as pointer"),
                 what + ": the entry of " + m.firstRestored + " was not given as a pointer: taken as one" +
                     (m.restored > 1 ? " (" + std::to_string(m.restored) + " entries)" : ""));
        if (m.keys > 0)
            note(RepairKind::lost("dictionary key of nothing"),
                 what + ": the key " + shown(m.firstKey) + " names no object: left out" +
                     (m.keys > 1 ? " (" + std::to_string(m.keys) + " keys)" : ""));
        if (m.stray > 0)
            note(RepairKind::lost("dictionary stray groups"),
                 what + ": " + std::to_string(m.stray) + " groups that are no key or entry were left out");
    }
}

} // namespace host::dxf
