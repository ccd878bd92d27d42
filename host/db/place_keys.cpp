#include "db/place_keys.h"

#include <array>
#include <cstring>
#include <random>

#include <sodium.h>

namespace host::db {

namespace {

using HashKey = std::array<unsigned char, crypto_shorthash_siphashx24_KEYBYTES>;

// Drawn once, when the first place is keyed.
const HashKey& hashKey() {
    static const HashKey key = [] {
        HashKey k{};
        std::random_device random;
        for (size_t i = 0; i < k.size(); i += sizeof(unsigned)) {
            unsigned word = random();
            std::memcpy(k.data() + i, &word, std::min(sizeof word, k.size() - i));
        }
        return k;
    }();
    return key;
}

// The numbers of a place (and a question), in the order they are keyed.
class PlaceBytes {
public:
    template <class T>
    void add(const T& value) {
        static_assert(std::is_trivially_copyable_v<T>);
        std::memcpy(bytes_.data() + size_, &value, sizeof value);
        size_ += sizeof value;
    }
    PlaceKey key() const {
        static_assert(crypto_shorthash_siphashx24_BYTES == sizeof(PlaceKey));
        unsigned char out[crypto_shorthash_siphashx24_BYTES];
        crypto_shorthash_siphashx24(out, bytes_.data(), size_, hashKey().data());
        PlaceKey k;
        std::memcpy(&k.lo, out, sizeof k.lo);
        std::memcpy(&k.hi, out + sizeof k.lo, sizeof k.hi);
        return k;
    }

private:
    // A block, 12 matrix numbers, two steps, four bounds, a question.
    std::array<unsigned char, sizeof(void*) + 12 * sizeof(double) + 6 * sizeof(double) + 4 * sizeof(int) +
                                  sizeof(int) + 4 * sizeof(double)>
        bytes_{};
    size_t size_ = 0;
};

void addPlace(PlaceBytes& bytes, const void* block, const Matrix& m, const CopyLattice& copies) {
    bytes.add(block);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j) bytes.add(m.m[i][j]);
    for (const Point3& step : {copies.column, copies.row}) {
        bytes.add(step.x);
        bytes.add(step.y);
        bytes.add(step.z);
    }
    for (int bound : {copies.c0, copies.c1, copies.r0, copies.r1}) bytes.add(bound);
}

} // namespace

PlaceKey placeKey(const void* block, const Matrix& m, const CopyLattice& copies) {
    PlaceBytes bytes;
    addPlace(bytes, block, m, copies);
    return bytes.key();
}

PlaceKey placeKey(const void* block, const Matrix& m, const CopyLattice& copies, int kind, const double question[4]) {
    PlaceBytes bytes;
    addPlace(bytes, block, m, copies);
    bytes.add(kind);
    for (int i = 0; i < 4; ++i) bytes.add(question[i]);
    return bytes.key();
}

} // namespace host::db
