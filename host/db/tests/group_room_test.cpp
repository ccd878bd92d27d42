// Room for groups: bodies of every size keep their contents while others
// come and go, room given back is used again, and threads that end hand
// theirs on.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "db/block_source.h"
#include "db/group.h"
#include "db/group_room.h"

namespace {

using host::db::Group;
using host::db::GroupList;

constexpr size_t kGroupBytes = 32;
constexpr size_t kLargestInBlocks = 128 * kGroupBytes;

// Whether [room, room + bytes) lies inside one block.
bool inOneBlock(const void* room, size_t bytes) {
    auto at = reinterpret_cast<uintptr_t>(room);
    return at / host::db::kBlockBytes == (at + bytes - 1) / host::db::kBlockBytes;
}

// A body of n groups whose values say which body and place they are.
GroupList bodyOf(int id, size_t n) {
    GroupList body;
    for (size_t i = 0; i < n; ++i)
        body.push_back(i % 3 == 0 ? Group::text(1, "body" + std::to_string(id) + "-" + std::to_string(i))
                                  : Group::integer(90, id * 1000 + static_cast<int64_t>(i)));
    return body;
}

bool intact(const GroupList& body, int id) {
    for (size_t i = 0; i < body.size(); ++i) {
        bool ok = i % 3 == 0 ? body[i].asText() == "body" + std::to_string(id) + "-" + std::to_string(i)
                             : body[i].asInt() == id * 1000 + static_cast<int64_t>(i);
        if (!ok) return false;
    }
    return true;
}

// Makes and drops bodies of many sizes, keeping every third; all kept ones
// must still hold their values.
bool churn(int seed, int rounds) {
    std::vector<std::pair<int, GroupList>> kept;
    for (int r = 0; r < rounds; ++r) {
        int id = seed * 100000 + r;
        size_t n = static_cast<size_t>((r * 7 + seed) % 200 + 1);  // beyond the sizes kept in blocks too
        GroupList body = bodyOf(id, n);
        if (r % 3 == 0) kept.emplace_back(id, std::move(body));
        if (r % 50 == 49 && !kept.empty()) kept.erase(kept.begin(), kept.begin() + static_cast<long>(kept.size() / 2));
    }
    for (const auto& [id, body] : kept)
        if (!intact(body, id)) return false;
    return true;
}

TEST(GroupRoom, BodiesKeepTheirValuesWhileOthersComeAndGo) {
    EXPECT_TRUE(churn(1, 5000));
    // Room given back is taken again for the same size.
    const Group* first;
    {
        GroupList a = bodyOf(7, 9);
        first = a.data();
    }
    GroupList b = bodyOf(8, 9);
    EXPECT_EQ(b.data(), first);
    EXPECT_TRUE(intact(b, 8));
}

TEST(GroupRoom, ThreadsWorkAtOnceAndHandOnTheirRoom) {
    std::vector<GroupList> made(4);
    std::vector<int> ok(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t, &made, &ok] {
            ok[static_cast<size_t>(t)] = churn(t + 2, 3000);
            made[static_cast<size_t>(t)] = bodyOf(t, 40);  // outlives its thread
        });
    for (std::thread& t : threads) t.join();
    for (int t = 0; t < 4; ++t) {
        EXPECT_TRUE(ok[static_cast<size_t>(t)]);
        EXPECT_TRUE(intact(made[static_cast<size_t>(t)], t));
    }
    made.clear();  // room of ended threads, given back here
    EXPECT_TRUE(churn(9, 2000));
}

// A thread that ends with a single group's room left in its block hands
// that on; a later thread needing more must not be given it.
TEST(GroupRoom, AThreadNeedingMoreThanAnEndedOneLeftTakesOtherRoom) {
    std::thread leaver([] {
        // Rooms of one group follow each other in a block: take them until
        // one group's room is left before the block's end.
        std::vector<void*> taken;
        const char* last = nullptr;
        for (size_t i = 0; i < 2 * host::db::kBlockBytes / kGroupBytes; ++i) {
            const char* room = static_cast<const char*>(host::db::takeGroupRoom(kGroupBytes));
            taken.push_back(const_cast<char*>(room));
            bool following = last != nullptr && room == last + kGroupBytes;
            last = room;
            if (following && reinterpret_cast<uintptr_t>(room + 2 * kGroupBytes) % host::db::kBlockBytes == 0) break;
        }
        for (void* room : taken) host::db::giveGroupRoom(room, kGroupBytes);
    });
    leaver.join();
    bool inside = true;
    std::thread taker([&inside] {
        std::vector<void*> taken;
        for (int i = 0; i < 1000; ++i) {
            taken.push_back(host::db::takeGroupRoom(kLargestInBlocks));
            inside = inside && inOneBlock(taken.back(), kLargestInBlocks);
        }
        for (void* room : taken) host::db::giveGroupRoom(room, kLargestInBlocks);
    });
    taker.join();
    EXPECT_TRUE(inside);
}

} // namespace
