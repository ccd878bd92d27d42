#include "dxf/owner_links.h"

#include <string>
#include <unordered_map>

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
// Of those, the ones that make the record the other's owner: a dictionary's
// entries and an extension dictionary.  (A block record's 340 only points
// at its layout.)
constexpr int kSoftEntry = 350;
constexpr int kHardEntry = 360;

bool ownsThrough(int code)
{
    return code >= kFirstOwning && code <= kLastOwning;
}

// The records touched by one kind of repair: reported once.
struct Tally {
    const char* what;
    std::string first;
    size_t count = 0;

    void add(const Object& object, Handle was)
    {
        if (count++ == 0)
            first = std::string(object.typeName()) + " " + db::handleText(object.handle) + " named " +
                    db::handleText(was);
    }
    void report(const RepairNote& note) const
    {
        if (count == 0) return;
        std::string message = first + " as its owner, which does not hold it: " + what;
        if (count > 1) message += " (" + std::to_string(count) + " records)";
        note(message);
    }
};

void setOwner(Object& object, Handle owner, Tally& tally)
{
    if (object.owner == owner) return;
    tally.add(object, object.owner);
    object.owner = owner;
}

// An object whose owner does not name it takes the first record that does.
// One that nothing names (a second copy of an object, whose handle was
// taken) is left unowned, and so not saved, as objects without an owner are.
void repairObjects(Database& db, Tally& held, Tally& unheld)
{
    std::unordered_map<Handle, Slot> holder;
    for (Slot slot = 0; slot < db.slotCount(); ++slot) {
        const Object* object = db.object(slot);
        if (!object) continue;
        size_t end = db::xdataBegin(*object);
        for (size_t i = 0; i < end; ++i) {
            const db::Group& g = object->groups[i];
            if ((g.code() == kSoftEntry || g.code() == kHardEntry) && g.kind() == db::ValueKind::Handle &&
                g.asHandle() != object->handle)
                holder.emplace(g.asHandle(), slot);
        }
    }
    for (Slot slot = 0; slot < db.slotCount(); ++slot) {
        Object* object = db.object(slot);
        if (!object || object->cls != ObjectClass::NonGraphical || slot == db.namedObjectDictionary()) continue;
        if (object->owner == 0) continue;
        auto found = holder.find(object->handle);
        const Object* owner = db.object(db.slotOf(object->owner));
        bool holds = false;
        if (owner) {
            size_t end = db::xdataBegin(*owner);
            for (size_t i = 0; i < end && !holds; ++i) {
                const db::Group& g = owner->groups[i];
                holds = ownsThrough(g.code()) && g.kind() == db::ValueKind::Handle && g.asHandle() == object->handle;
            }
        }
        if (holds) continue;
        if (found != holder.end()) setOwner(*object, db.object(found->second)->handle, held);
        else setOwner(*object, 0, unheld);
    }
}

} // namespace

void repairOwners(Database& db, const RepairNote& note)
{
    Tally objects{"set to the record that names it", {}};
    Tally unnamed{"nothing names it, so it is not saved", {}};
    repairObjects(db, objects, unnamed);
    for (const Tally* tally : {&objects, &unnamed}) tally->report(note);
}

} // namespace host::dxf
