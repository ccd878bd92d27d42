// Places already looked at in one test: a block, its first copy's matrix
// and its copies.  Copies of a block on one spot (two inserts placing it
// alike, however deeply nested) are looked at once, and an entity placing
// a block as one before it did answers as that one.
//
// A place is known by a 128-bit SipHash of its numbers under a key drawn
// at random when the program starts, not by the numbers themselves (a
// hostile drawing makes hundreds of thousands of places in one test, 168
// bytes each).  Two places share a key only by chance, and no file can aim
// at it without the key: among n places of one test the chance of any two
// sharing one is below n^2 / 2^129, under 2^-80 for 2^24 places (more
// than the work bound lets a drawing of 100 MB make), so no place is
// skipped for another.  Each key is kept after a step of the
// test's work is spent, so the work bounds what is kept.
#pragma once

#include <cstdint>
#include <algorithm>
#include <vector>

#include "db/copy_lattice.h"

namespace host::db {

struct PlaceKey {
    uint64_t lo = 0, hi = 0;
    bool operator==(const PlaceKey&) const = default;
};

struct PlaceKeyHash {
    size_t operator()(const PlaceKey& k) const { return static_cast<size_t>(k.lo); }
};

// The key of a block placed by m (its plan and height rows) with its
// copies, and of the question asked of it (`question`, a kind and four
// numbers; none for the walk's own places).
PlaceKey placeKey(const void* block, const Matrix& m, const CopyLattice& copies);
PlaceKey placeKey(const void* block, const Matrix& m, const CopyLattice& copies, int kind, const double question[4]);

// A set of keys, open addressing.
class PlaceKeys {
public:
    void clear() {
        if (count_ == 0) return;
        // A large table is given back rather than wiped key by key.
        if (slots_.size() > kKeptSlots) slots_.clear();
        else std::fill(slots_.begin(), slots_.end(), PlaceKey{});
        count_ = 0;
    }
    // False when the key was there already.
    bool insert(PlaceKey key) {
        if (key == PlaceKey{}) key.lo = 1;  // all 0 marks a free slot
        if (2 * (count_ + 1) > slots_.size()) grow();
        size_t mask = slots_.size() - 1;
        for (size_t i = key.lo & mask;; i = (i + 1) & mask) {
            if (slots_[i] == key) return false;
            if (slots_[i] == PlaceKey{}) {
                slots_[i] = key;
                ++count_;
                return true;
            }
        }
    }

private:
    static constexpr size_t kKeptSlots = 4096;
    void grow() {
        std::vector<PlaceKey> old = std::move(slots_);
        slots_.assign(old.empty() ? 64 : 2 * old.size(), PlaceKey{});
        count_ = 0;
        for (const PlaceKey& k : old)
            if (k != PlaceKey{}) insert(k);
    }
    std::vector<PlaceKey> slots_;
    size_t count_ = 0;
};

} // namespace host::db
