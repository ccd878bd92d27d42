// Places already looked at in one test, as 64-bit keys of a block, its
// first copy's matrix and its copies: copies of a block on one spot (two
// inserts placing it alike, however deeply nested) are looked at once.
// Each key is kept after a step of the test's work is spent, so the work
// bounds what is kept; no place is forgotten and walked again.
#pragma once

#include <cstdint>
#include <algorithm>
#include <cstring>
#include <vector>

#include "db/copy_lattice.h"

namespace host::db {

// Mixes the bits of a word into a key (the finaliser of splitmix64).
inline uint64_t mixKey(uint64_t key, uint64_t word) {
    uint64_t z = key ^ (word + 0x9e3779b97f4a7c15ULL + (key << 6) + (key >> 2));
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

inline uint64_t mixKey(uint64_t key, double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return mixKey(key, bits);
}

// The key of a block placed by m (its plan and height rows), its copies.
inline uint64_t placeKey(const void* block, const Matrix& m, const CopyLattice& copies) {
    uint64_t key = mixKey(0, static_cast<uint64_t>(reinterpret_cast<uintptr_t>(block)));
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j) key = mixKey(key, m.m[i][j]);
    for (const Point3& step : {copies.column, copies.row}) {
        key = mixKey(key, step.x);
        key = mixKey(key, step.y);
        key = mixKey(key, step.z);
    }
    for (int bound : {copies.c0, copies.c1, copies.r0, copies.r1}) key = mixKey(key, static_cast<uint64_t>(bound));
    return key;
}

// A set of keys, open addressing.
class PlaceKeys {
public:
    void clear() {
        if (count_ == 0) return;
        // A large table is given back rather than wiped key by key.
        if (slots_.size() > kKeptSlots) slots_.clear();
        else std::fill(slots_.begin(), slots_.end(), 0);
        count_ = 0;
    }
    // False when the key was there already.
    bool insert(uint64_t key) {
        if (key == 0) key = 1;  // 0 marks a free slot
        if (2 * (count_ + 1) > slots_.size()) grow();
        size_t mask = slots_.size() - 1;
        for (size_t i = key & mask;; i = (i + 1) & mask) {
            if (slots_[i] == key) return false;
            if (slots_[i] == 0) {
                slots_[i] = key;
                ++count_;
                return true;
            }
        }
    }

private:
    static constexpr size_t kKeptSlots = 4096;
    void grow() {
        std::vector<uint64_t> old = std::move(slots_);
        slots_.assign(old.empty() ? 64 : 2 * old.size(), 0);
        count_ = 0;
        for (uint64_t k : old)
            if (k != 0) insert(k);
    }
    std::vector<uint64_t> slots_;
    size_t count_ = 0;
};

} // namespace host::db
