#include "dxf/complex_entities.h"

#include "db/sub_entities.h"
#include "dxf/quoted_text.h"

#include <string>
#include <vector>

namespace host::dxf {

namespace {

using db::Database;
using db::Object;
using db::Slot;

// Entities of one kind of repair: the first named, the rest counted.
struct Tally {
    explicit Tally(RepairKind kind) : kind(kind) {}

    RepairKind kind;
    std::string first;
    size_t count = 0;

    void add(const Object& object)
    {
        if (count++ == 0) first = shown(object.typeName()) + " " + db::handleText(object.handle);
    }
    void report(const RepairNote& note, const std::string& what) const
    {
        if (count == 0) return;
        note(kind, first + (count > 1 ? " (and " + std::to_string(count - 1) + " more)" : std::string()) + what);
    }
};

struct Tallies {
    Tally unclosedInserts{RepairKind::changed("attributes closed")};
    Tally unclosedPolylines{RepairKind::changed("vertices closed")};
    Tally flagged{RepairKind::changed("attributes flagged")};
    Tally alone{RepairKind::lost("sub-entity alone")};
    Tally vertexOfInsert{RepairKind::lost("vertex of an insert")};
    Tally attributeOfPolyline{RepairKind::lost("attribute of a polyline")};
};

// One block's list, rebuilt when anything in it is repaired.  False, with
// `unclosed` naming the entity, when a SEQEND it needs cannot be added.
bool repairBlock(Database& db, db::Block& block, Tallies& tallies, std::vector<Slot>& leftOut, std::string& unclosed)
{
    const std::vector<Slot>& list = block.entities;
    std::vector<Slot> kept;
    bool changed = false;
    auto keepUpTo = [&](size_t i) {
        if (!changed) kept.assign(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(i));
        changed = true;
    };
    for (size_t i = 0; i < list.size();) {
        Slot slot = list[i];
        Object* main = db.object(slot);
        if (main && db::isSubEntity(*main)) {
            keepUpTo(i);
            tallies.alone.add(*main);
            leftOut.push_back(slot);
            ++i;
            continue;
        }
        if (changed) kept.push_back(slot);
        ++i;
        if (!main || !db::mayOwnSubEntities(*main)) continue;
        bool insert = main->isType("INSERT");
        size_t parts = 0;
        bool closed = false;
        for (; i < list.size(); ++i) {
            const Object* sub = db.object(list[i]);
            if (!sub || !db::isSubEntity(*sub) || sub->owner != main->handle || closed) break;
            if (!db::takesSubEntity(*main, *sub)) {
                // No reader takes it in this run: it goes as one standing
                // alone does, and the run goes on after it.
                keepUpTo(i);
                (insert ? tallies.vertexOfInsert : tallies.attributeOfPolyline).add(*sub);
                leftOut.push_back(list[i]);
                continue;
            }
            if (changed) kept.push_back(list[i]);
            if (sub->erased) continue;
            closed = sub->isType("SEQEND");
            if (!closed) ++parts;
        }
        bool flagged = insert && db::attributesFollow(*main);
        if (insert && parts > 0 && !flagged) {
            tallies.flagged.add(*main);
            db::setAttributesFollow(*main);
            flagged = true;
        }
        bool wanted = !insert || flagged;
        if (main->erased || closed || !wanted) continue;
        Slot end = db.add(db::closingSeqend(*main));
        if (end == db::kNoSlot) {
            unclosed = shown(main->typeName()) + " " + db::handleText(main->handle);
            return false;
        }
        keepUpTo(i);
        kept.push_back(end);
        (insert ? tallies.unclosedInserts : tallies.unclosedPolylines).add(*main);
    }
    if (changed) block.entities = std::move(kept);
    return true;
}

} // namespace

bool repairComplexEntities(Database& db, const RepairNote& note, std::string& error)
{
    Tallies tallies;
    std::vector<Slot> leftOut;
    std::string unclosed;
    for (Slot record : db.records(db::Table::BlockRecord)) {
        db::Block* block = db.block(record);
        if (block && !repairBlock(db, *block, tallies, leftOut, unclosed)) {
            error = cannotAdd(db, "a SEQEND to close " + unclosed);
            return false;
        }
    }
    db.purge(leftOut);
    tallies.unclosedInserts.report(note, ": no SEQEND closed its attributes: added");
    tallies.unclosedPolylines.report(note, ": no SEQEND closed its vertices: added");
    tallies.flagged.report(note, ": attributes followed it, but its group 66 did not say so: set");
    tallies.alone.report(note, " stood alone, without the insert or polyline it belongs to: left out");
    tallies.vertexOfInsert.report(note, " followed an INSERT, which takes attributes, not vertices: left out");
    tallies.attributeOfPolyline.report(note, " followed a POLYLINE, which takes vertices, not attributes: left out");
    return true;
}

} // namespace host::dxf
