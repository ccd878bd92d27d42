#include "dxf/owner_links.h"

#include "dxf/quoted_text.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace host::dxf {

namespace {

using db::Database;
using db::Handle;
using db::Object;
using db::ObjectClass;
using db::Slot;

// Groups through which a record holds another (dictionary entries,
// extension dictionaries, hard owners).
constexpr int kFirstOwning = 340;
constexpr int kLastOwning = 369;
// Of those, the ones that make the record the other's owner: the soft and
// hard owner pointers.  (A block record's 340 only points at its layout.)
constexpr int kFirstOwner = 350;
constexpr int kLastOwner = 369;

bool ownsThrough(int code)
{
    return code >= kFirstOwning && code <= kLastOwning;
}

// The records touched by one kind of repair: reported once.
struct Tally {
    Tally(RepairKind kind, const char* what, const char* why = "which does not hold it")
        : kind(kind), what(what), why(why)
    {
    }

    RepairKind kind;
    const char* what;
    const char* why;
    std::string first;
    size_t count = 0;

    void add(const Object& object, Handle was)
    {
        if (count++ == 0)
            first = shown(object.typeName()) + " " + db::handleText(object.handle) + " named " +
                    db::handleText(was);
    }
    void report(const RepairNote& note) const
    {
        if (count == 0) return;
        std::string message = first + " as its owner, " + why + ": " + what;
        if (count > 1) message += " (" + std::to_string(count) + " records)";
        note(kind, message);
    }
};

void setOwner(Object& object, Handle owner, Tally& tally)
{
    if (object.owner == owner) return;
    tally.add(object, object.owner);
    object.owner = owner;
}

// Which records are saved: the root dictionary, every record that is no
// object (tables and blocks place those), and an object whose owner is
// saved, all the way up; not an object without an owner, nor one in a
// cycle of owners.
std::vector<bool> savedRecords(const Database& db)
{
    enum : uint8_t { kUnknown, kSaved, kNotSaved, kOnPath };
    std::vector<uint8_t> state(db.slotCount(), kUnknown);
    Slot root = db.namedObjectDictionary();
    std::vector<Slot> path;
    for (Slot slot = 0; slot < db.slotCount(); ++slot) {
        Slot at = slot;
        // Up the owners to a record whose answer is known.
        while (at != db::kNoSlot && state[at] == kUnknown) {
            const Object* object = db.object(at);
            if (!object) {
                state[at] = kNotSaved;
            } else if (object->cls != ObjectClass::NonGraphical || at == root) {
                state[at] = kSaved;
            } else {
                state[at] = kOnPath;
                path.push_back(at);
                at = object->owner != 0 ? db.slotOf(object->owner) : db::kNoSlot;
            }
        }
        uint8_t answer = at != db::kNoSlot && state[at] == kSaved ? kSaved : kNotSaved;
        for (Slot s : path) state[s] = answer;
        path.clear();
    }
    std::vector<bool> saved(state.size());
    for (size_t i = 0; i < state.size(); ++i) saved[i] = state[i] == kSaved;
    return saved;
}

// The repairs of owners, each of its own note.
struct Tallies {
    Tally held{RepairKind::changed("owner set"), "set to the record that names it"};
    Tally unheld{RepairKind::lost("object not saved"), "nothing names it, so it is not saved"};
    // The same of an owner that does not exist (a handle damaged or made up
    // by the writer).
    Tally heldMissing{held.kind, held.what, "which does not exist"};
    Tally unheldMissing{unheld.kind, unheld.what, "which does not exist"};
    Tally unsaved{RepairKind::changed("owner saved"), "set to the saved record that names it too",
                  "which is not saved"};
    Tally pointing{held.kind, held.what, "which only points at it"};

    size_t ownersSet() const
    {
        return held.count + unheld.count + heldMissing.count + unheldMissing.count + pointing.count;
    }
};

// An object whose owner does not name it, or does not exist, takes the
// first record that names it.  One that nothing names (a second copy of an
// object, whose handle was taken) is left unowned, and so not saved, as
// objects without an owner are.
// Then, when none of those changed, an object whose owner names it but is
// not saved goes to a holder that is: asked only once every owner that
// does not name what it owns is mended, as that may save the owner after
// all.  True when an owner changed.
bool repairObjects(Database& db, Tallies& tallies)
{
    // An object that is not saved does not save the objects it holds
    // either: a holder that is saved goes first.
    std::vector<bool> savedRecord = savedRecords(db);
    auto saved = [&](Slot slot) { return slot < savedRecord.size() && savedRecord[slot]; };
    size_t changes = tallies.ownersSet();
    std::unordered_map<Handle, Slot> holder;
    struct Move {
        Slot object, holder;
    };
    std::vector<Move> moves;
    // The records that hold each handle, and whether as its owner: asked
    // of every object, so gathered in one pass (a dictionary may hold a
    // hundred thousand entries).
    struct Hold {
        Slot by;
        bool owns;
    };
    std::unordered_map<Handle, std::vector<Hold>> heldBy;
    for (Slot slot = 0; slot < db.slotCount(); ++slot) {
        const Object* object = db.object(slot);
        if (!object) continue;
        size_t end = db::xdataBegin(*object);
        for (size_t i = 0; i < end; ++i) {
            const db::Group& g = object->groups[i];
            if (!ownsThrough(g.code()) || g.kind() != db::ValueKind::Handle) continue;
            const bool owns = ownsByCode(g.code());
            heldBy[g.asHandle()].push_back({slot, owns});
            if (!owns || g.asHandle() == object->handle) continue;
            auto [at, added] = holder.emplace(g.asHandle(), slot);
            if (!added && !saved(at->second) && saved(slot)) at->second = slot;
        }
    }
    for (Slot slot = 0; slot < db.slotCount(); ++slot) {
        Object* object = db.object(slot);
        if (!object || object->cls != ObjectClass::NonGraphical || slot == db.namedObjectDictionary()) continue;
        if (object->owner == 0) continue;
        auto found = holder.find(object->handle);
        const Slot ownerSlot = db.slotOf(object->owner);
        const Object* owner = db.object(ownerSlot);
        bool holds = false, ownsIt = false;
        if (auto held = heldBy.find(object->handle); owner && held != heldBy.end()) {
            for (const Hold& h : held->second) {
                if (h.by != ownerSlot) continue;
                holds = true;
                ownsIt |= h.owns;
            }
        }
        // An owner that only points at it (a block record at its layout)
        // gives way to a saved record that owns it (the layouts' dictionary).
        if (holds && found != holder.end() && saved(found->second) && !ownsIt) {
            setOwner(*object, db.object(found->second)->handle, tallies.pointing);
            continue;
        }
        // Held by an owner that is not saved, it goes to a holder that is.
        bool better = found != holder.end() && !saved(db.slotOf(object->owner)) && saved(found->second);
        if (holds && !better) continue;
        if (holds) moves.push_back({slot, found->second});
        else if (found != holder.end())
            setOwner(*object, db.object(found->second)->handle, owner ? tallies.held : tallies.heldMissing);
        else setOwner(*object, 0, owner ? tallies.unheld : tallies.unheldMissing);
    }
    if (tallies.ownersSet() != changes) return true;
    // An owner that moves is saved then, and so is what it owns: that
    // stays, and is asked again on the next round.  Of owners that own
    // each other, one moves; one that names itself is no such pair, and
    // moves.
    std::unordered_set<Slot> moving, staying;
    for (const Move& move : moves) moving.insert(move.object);
    for (const Move& move : moves) {
        Object& object = *db.object(move.object);
        Slot owner = db.slotOf(object.owner);
        if (owner != move.object && moving.count(owner) && !staying.count(owner)) staying.insert(move.object);
        else setOwner(object, db.object(move.holder)->handle, tallies.unsaved);
    }
    return !moves.empty();
}

} // namespace

bool ownsByCode(int code)
{
    return code >= kFirstOwner && code <= kLastOwner;
}

bool namesAsOwned(const Object& holder, Handle object)
{
    size_t end = db::xdataBegin(holder);
    for (size_t i = 0; i < end; ++i) {
        const db::Group& g = holder.groups[i];
        if (ownsByCode(g.code()) && g.kind() == db::ValueKind::Handle && g.asHandle() == object) return true;
    }
    return false;
}

void repairOwners(Database& db, const RepairNote& note)
{
    Tallies tallies;
    // An object left unowned takes the saving of what it holds with it, and
    // an owner that moves saves what it owns: each round settles what the
    // one before changed.
    for (int round = 0; round < 5 && repairObjects(db, tallies); ++round) {
    }
    for (const Tally* tally : {&tallies.held, &tallies.heldMissing, &tallies.pointing, &tallies.unheld,
                               &tallies.unheldMissing, &tallies.unsaved})
        tally->report(note);
}

} // namespace host::dxf
