#include "dxf/block_cycles.h"

#include "dxf/quoted_text.h"

#include <unordered_map>
#include <vector>

namespace host::dxf {

namespace {

using db::Database;
using db::Slot;
using db::kNoSlot;

struct Reference {
    Slot insert;
    size_t target;  // index of the inserted block
};

bool isSpace(const Database& db, Slot record)
{
    return record == db.modelSpace() || record == db.paperSpace() ||
           db::equalNoCase(db::groupText(*db.object(record), 2).substr(0, 12), "*Paper_Space");
}

// The inserts of each block, by block index.  The spaces, which hold most
// of a drawing's inserts, can only be in a cycle when some block inserts a
// space: they are looked through only then.
std::vector<std::vector<Reference>> insertsOfBlocks(const Database& db, const std::vector<Slot>& records)
{
    std::unordered_map<Slot, size_t> indexOf;
    for (size_t i = 0; i < records.size(); ++i) indexOf.emplace(records[i], i);
    const db::TypeId insertType = db::internType("INSERT");
    std::vector<std::vector<Reference>> inserts(records.size());
    bool spaceInserted = false;
    auto look = [&](size_t i) {
        const db::Block* block = db.block(records[i]);
        if (!block) return;
        std::string_view lastName;
        size_t lastTarget = records.size();
        for (Slot entity : block->entities) {
            const db::Object* object = db.object(entity);
            if (!object || object->erased || object->type != insertType) continue;
            std::string_view name = db::groupText(*object, 2);
            if (name != lastName || lastTarget == records.size()) {
                auto target = indexOf.find(db.findRecord(db::Table::BlockRecord, name));
                lastName = name;
                lastTarget = target == indexOf.end() ? records.size() : target->second;
            }
            if (lastTarget == records.size()) continue;
            inserts[i].push_back({entity, lastTarget});
            spaceInserted |= isSpace(db, records[lastTarget]);
        }
    };
    for (size_t i = 0; i < records.size(); ++i)
        if (db.object(records[i]) && !isSpace(db, records[i])) look(i);
    if (spaceInserted)
        for (size_t i = 0; i < records.size(); ++i)
            if (db.object(records[i]) && isSpace(db, records[i])) look(i);
    return inserts;
}

// The insert and what belongs to it (attributes and their end) go.
void removeInsert(Database& db, Slot insert)
{
    const db::Object* object = db.object(insert);
    Slot owner = db.slotOf(object->owner);
    db::Handle handle = object->handle;
    if (const db::Block* block = db.block(owner)) {
        std::vector<Slot> parts;
        for (Slot entity : block->entities)
            if (const db::Object* part = db.object(entity); part && part->owner == handle) parts.push_back(entity);
        for (Slot part : parts) db.purge(part);
    }
    db.purge(insert);
}

} // namespace

void breakBlockCycles(Database& db, const RepairNote& note)
{
    const std::vector<Slot> records = db.records(db::Table::BlockRecord);
    std::vector<std::vector<Reference>> inserts = insertsOfBlocks(db, records);
    // Depth first without recursion (blocks may nest deeply): 0 not seen,
    // 1 on the path walked, 2 done.
    std::vector<uint8_t> state(records.size(), 0);
    std::vector<std::pair<size_t, size_t>> path;  // block, next insert to follow
    for (size_t start = 0; start < records.size(); ++start) {
        if (state[start] != 0) continue;
        state[start] = 1;
        path.push_back({start, 0});
        while (!path.empty()) {
            auto& [block, next] = path.back();
            if (next == inserts[block].size()) {
                state[block] = 2;
                path.pop_back();
                continue;
            }
            const Reference ref = inserts[block][next++];
            if (state[ref.target] == 1) {
                const db::Object* insert = db.object(ref.insert);
                std::string name(db::groupText(*db.object(records[block]), 2));
                std::string target(db::groupText(*db.object(records[ref.target]), 2));
                note(RepairKind::lost("insert of its own block"),
                     "INSERT " + db::handleText(insert->handle) + " in block " + shown(name) + " inserts " +
                         shown(target) +
                         (block == ref.target ? ", the block itself" : ", whose inserts lead back to " + shown(name)) +
                         ": removed, as a block cannot contain itself");
                removeInsert(db, ref.insert);
            } else if (state[ref.target] == 0) {
                state[ref.target] = 1;
                path.push_back({ref.target, 0});
            }
        }
    }
}

} // namespace host::dxf
