#include "shell/drawing_check.h"

#include <cstdio>

#include "db/database.h"
#include "db/finite_numbers.h"
#include "dxf/quoted_text.h"

namespace host::shell {

namespace {

// FNV-1a over the bytes of the values: fast, and a change that leaves the
// digest equal is far less likely than a user's typing error.
class Digest {
public:
    void add(const void* data, size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < size; ++i) value_ = (value_ ^ bytes[i]) * 1099511628211ull;
    }
    template <class T>
    void add(const T& v) {
        add(&v, sizeof v);
    }
    void add(const db::GroupList& groups) {
        add(groups.size());
        for (const db::Group& g : groups) {
            add(g.code());
            switch (g.kind()) {
            case db::ValueKind::Real: add(g.asReal()); break;
            case db::ValueKind::Point: add(g.asPoint(), 3 * sizeof(double)); break;
            case db::ValueKind::Handle: add(g.asHandle()); break;
            case db::ValueKind::Text:
            case db::ValueKind::Binary: {
                std::string_view text = g.asText();
                add(text.size());
                add(text.data(), text.size());
                break;
            }
            default: add(g.asInt()); break;
            }
        }
    }
    uint64_t value() const { return value_; }

private:
    uint64_t value_ = 14695981039346656037ull;
};

std::string withCode(std::string what, int code) { return what + " (group " + std::to_string(code) + ")"; }

} // namespace

std::string firstNonFiniteNumber(const db::Database& drawing) {
    for (const db::HeaderVariable& v : drawing.header())
        if (int code = db::nonFiniteCode(v.groups)) return withCode("header variable " + dxf::shown(v.name), code);
    for (db::Slot slot = 0; slot < drawing.slotCount(); ++slot) {
        const db::Object* o = drawing.object(slot);
        if (!o || o->erased) continue;
        if (int code = db::nonFiniteCode(o->groups)) {
            char handle[24];
            std::snprintf(handle, sizeof handle, "%llX", static_cast<unsigned long long>(o->handle));
            return withCode(dxf::shown(o->typeName()) + " " + handle, code);
        }
    }
    return {};
}

uint64_t drawingDigest(const db::Database& drawing) {
    Digest digest;
    for (const db::HeaderVariable& v : drawing.header()) digest.add(v.groups);
    for (db::Slot slot = 0; slot < drawing.slotCount(); ++slot) {
        const db::Object* o = drawing.object(slot);
        if (!o) continue;
        digest.add(o->handle);
        digest.add(o->owner);
        digest.add(o->type);
        digest.add(o->erased);
        digest.add(o->groups);
    }
    return digest.value();
}

size_t modelSpaceEntityCount(const db::Database& drawing) {
    const db::Block* space = drawing.block(drawing.modelSpace());
    if (!space) return 0;
    size_t count = 0;
    for (db::Slot slot : space->entities)
        if (const db::Object* o = drawing.object(slot); o && !o->erased) ++count;
    return count;
}

} // namespace host::shell
