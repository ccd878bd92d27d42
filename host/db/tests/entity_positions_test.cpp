// Positions in a block's list that is out of slot order, as the read
// repair leaves it when it adds SEQENDs: right after the list changes, and
// fast enough that erasing every insert does not search the list for each.
#include <gtest/gtest.h>

#include <algorithm>

#include "db/sub_entities.h"

using namespace host::db;

namespace {

TEST(EntityPositions, RightInAListOutOfSlotOrderAndAfterItChanges) {
    std::vector<Slot> list{7, 2, 9, 4, 1, 8, 30, 31};
    EntityPositions positions;
    // Enough look-ups for the index to be made, and each answer right.
    for (int round = 0; round < 40; ++round)
        for (size_t i = 0; i < list.size(); ++i) ASSERT_EQ(positions.find(list, list[i]), i) << list[i];
    EXPECT_EQ(positions.find(list, 5), list.size());
    // Inserted, removed and appended entities after the index was made.
    list.insert(list.begin() + 2, {50, 51});
    list.erase(list.begin() + 5);  // 4
    list.push_back(3);
    for (int round = 0; round < 40; ++round)
        for (size_t i = 0; i < list.size(); ++i) ASSERT_EQ(positions.find(list, list[i]), i) << list[i];
    EXPECT_EQ(positions.find(list, 4), list.size());
    list.clear();
    EXPECT_EQ(positions.find(list, 7), 0u);
}

// Model space with n inserts, each with an attribute and a SEQEND owned by
// it; `repaired`: the SEQENDs stored after everything else, as the read
// repair stores them.  The inserts' slots.
std::vector<Slot> insertsWithAttributes(Database& db, size_t n, bool repaired) {
    auto store = [&](const char* type, Handle owner) {
        Object o;
        o.type = internType(type);
        o.owner = owner;
        return db.add(std::move(o));
    };
    std::vector<Slot> inserts, attributes, ends;
    for (size_t i = 0; i < n; ++i) {
        inserts.push_back(store("INSERT", 0));
        db.appendEntity(db.modelSpace(), inserts.back());
        attributes.push_back(store("ATTRIB", db.object(inserts.back())->handle));
        if (!repaired) ends.push_back(store("SEQEND", db.object(inserts.back())->handle));
    }
    for (size_t i = 0; repaired && i < n; ++i) ends.push_back(store("SEQEND", db.object(inserts[i])->handle));
    std::vector<Slot>& list = db.block(db.modelSpace())->entities;
    list.clear();
    for (size_t i = 0; i < n; ++i) list.insert(list.end(), {inserts[i], attributes[i], ends[i]});
    return inserts;
}

TEST(EntityPositions, ErasingEveryInsertOutOfSlotOrderErasesEachWithItsAttributes) {
    // How fast is the benchmark's to tell (bench/db); here: every insert of a
    // repaired (out of slot order) list is found, and its run goes with it.
    constexpr size_t kInserts = 2000;
    auto repaired = Database::createDefault();
    std::vector<Slot> outOfOrder = insertsWithAttributes(*repaired, kInserts, true);
    for (Slot s : {outOfOrder.front(), outOfOrder.back()}) ASSERT_EQ(subEntitiesOf(*repaired, s).size(), 2u);
    for (Slot s : outOfOrder) repaired->setErased(s, true);
    for (Slot s : outOfOrder) {
        EXPECT_TRUE(repaired->object(s)->erased);
        for (Slot sub : subEntitiesOf(*repaired, s)) EXPECT_TRUE(repaired->object(sub)->erased);
    }
}

} // namespace
