#include "dxf/block_cycles.h"

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

// The inserts of each block, by block index; what they insert is looked up
// once per name.
std::vector<std::vector<Reference>> insertsOfBlocks(const Database& db, const std::vector<Slot>& records)
{
    std::unordered_map<Slot, size_t> indexOf;
    for (size_t i = 0; i < records.size(); ++i) indexOf.emplace(records[i], i);
    const db::TypeId insertType = db::internType("INSERT");
    std::vector<std::vector<Reference>> inserts(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        const db::Block* block = db.block(records[i]);
        if (!block) continue;
        for (Slot entity : block->entities) {
            const db::Object* object = db.object(entity);
            if (!object || object->erased || object->type != insertType) continue;
            auto target = indexOf.find(db.findRecord(db::Table::BlockRecord, db::groupText(*object, 2)));
            if (target != indexOf.end()) inserts[i].push_back({entity, target->second});
        }
    }
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
                note("INSERT " + db::handleText(insert->handle) + " in block " + name + " inserts " + target +
                     (block == ref.target ? ", the block itself" : ", which inserts " + name) +
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
