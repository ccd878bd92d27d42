// Result buffers: building, allocating and releasing lists, and the small
// geometry helpers of the C API.
#include <array>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <cstring>
#include <new>

#include <malloc.h>

#include "ads_entity.h"
#include "api/lists.h"
#include "api/resbuf_pool.h"
#include "api/result_kinds.h"

namespace {

using host::api::kHighType;
using host::api::kLowType;
using host::api::kPayloads;
using host::api::Payload;
using host::api::PayloadTable;
using host::api::payloadOf;
using host::api::payloadOfType;

// The same for acutBuildList, which also reads where a list ends (0 or
// RTNONE) and RTDXF0, a group 0 given under another number: one look-up
// decides all of it.
constexpr PayloadTable kBuildPayloads = [] {
    PayloadTable table = kPayloads;
    table[static_cast<size_t>(0 - kLowType)] = Payload::End;
    table[static_cast<size_t>(RTNONE - kLowType)] = Payload::End;
    table[static_cast<size_t>(RTDXF0 - kLowType)] = Payload::DxfZero;
    return table;
}();

Payload buildPayloadOf(int type) {
    auto at = static_cast<unsigned>(type - kLowType);
    return at < kBuildPayloads.size() ? kBuildPayloads[at] : Payload::Bad;
}

// What a node of each type holds that acutRelRb frees, by the type's 16
// bits (the node's restype as it stands, whatever it is): one look-up per
// node, without a range check.
enum class Owned : uint8_t { Nothing, Text, Binary };
constexpr std::array<Owned, 65536> kOwned = [] {
    std::array<Owned, 65536> table{};
    for (int type = kLowType; type <= kHighType; ++type) {
        Payload p = payloadOfType(type);
        table[static_cast<uint16_t>(type)] = p == Payload::Text     ? Owned::Text
                                             : p == Payload::Binary ? Owned::Binary
                                                                    : Owned::Nothing;
    }
    return table;
}();

using host::api::pool::caches;
using host::api::pool::kKeptBlocks;
using host::api::pool::kShortBytes;
using host::api::pool::kShortText;
using host::api::pool::TextLink;

bool arm();

// Empties the free lists when the thread ends; as they are then left
// without room, later releases (other destructors) go straight to free().
struct CacheRelease {
    ~CacheRelease() {
        while (resbuf* rb = caches.nodes) {
            caches.nodes = rb->rbnext;
            std::free(rb);
        }
        while (TextLink* block = caches.texts) {
            caches.texts = block->next;
            std::free(block);
        }
        caches.nodesKept = caches.nodeLimit = 0;
        caches.textsKept = caches.textLimit = 0;
    }
};
thread_local CacheRelease cacheRelease;

// True when it gave the free lists their room.
bool arm() {
    if (caches.armed) return false;
    caches.armed = true;
    [[maybe_unused]] CacheRelease& release = cacheRelease;  // first use: set to run at the thread's end
    caches.nodeLimit = kKeptBlocks;
    caches.textLimit = kKeptBlocks;
    return true;
}

// The n nodes linked from first to last: kept, or freed when there is no room.
void keepNodes(resbuf* first, resbuf* last, size_t n) {
    size_t kept = caches.nodesKept + n;
    if (kept > caches.nodeLimit && !(arm() && kept <= caches.nodeLimit)) {
        for (resbuf* rb = first;;) {
            resbuf* next = rb->rbnext;
            std::free(rb);
            if (rb == last) break;
            rb = next;
        }
        return;
    }
    last->rbnext = caches.nodes;
    caches.nodes = first;
    caches.nodesKept = kept;
}

// The n short string blocks linked from first to last, the same way.
void keepTexts(TextLink* first, TextLink* last, size_t n) {
    size_t kept = caches.textsKept + n;
    if (kept > caches.textLimit && !(arm() && kept <= caches.textLimit)) {
        for (TextLink* block = first;;) {
            TextLink* next = block->next;
            std::free(block);
            if (block == last) break;
            block = next;
        }
        return;
    }
    last->next = caches.texts;
    caches.texts = first;
    caches.textsKept = kept;
}

// The string may be the caller's own, of any size, put in place of one the
// host made: only its block's size tells whether it can be reused.
bool shortBlock(void* text) {
    size_t size = malloc_usable_size(text);
    return size >= kShortBytes && size <= 2 * kShortBytes;
}

void keepText(void* text) {
    if (text == nullptr) return;
    if (shortBlock(text)) {
        auto* block = new (text) TextLink{nullptr};
        keepTexts(block, block, 1);
    } else {
        std::free(text);
    }
}

// A copy of a caller's string.  Nearly all are short: those are copied in
// one pass into a short block, without measuring them first.
ACHAR* copyWide(const ACHAR* text) {
    if (text == nullptr) return nullptr;
    host::api::pool::TextCursor texts;
    ACHAR* out = texts.take(kShortText);
    if (out != nullptr) {
#pragma GCC unroll 24
        for (size_t i = 0; i <= kShortText; ++i)
            if ((out[i] = text[i]) == 0) {
                texts.finish();
                return out;
            }
        std::free(out);  // a long string (rare): its own block
        size_t length = kShortText + 1 + std::wcslen(text + kShortText + 1);
        out = texts.take(length);
        if (out) std::memcpy(out, text, (length + 1) * sizeof(ACHAR));
    }
    texts.finish();
    return out;
}

resbuf* takeNode(int type) {
    host::api::pool::ListMaker one;
    resbuf* rb = one.add(type);
    one.finish();
    return rb;
}

} // namespace

namespace host::api {

namespace pool {
constinit thread_local Caches caches;

// New nodes join the free list: it may then hold more than its limit
// until the list being made takes them.  Those it does not take stay for
// the next list, and go back to the heap when the thread ends.
bool reserveNodes(size_t count) {
    if (caches.nodesKept < count) arm();
    for (; caches.nodesKept < count; ++caches.nodesKept) {
        auto* rb = static_cast<resbuf*>(std::malloc(sizeof(resbuf)));
        if (rb == nullptr) return false;
        rb->rbnext = caches.nodes;
        caches.nodes = rb;
    }
    return true;
}
} // namespace pool

resbuf* newResbuf() { return takeNode(0); }
void releaseResbuf(resbuf* rb) { keepNodes(rb, rb, 1); }
ACHAR* newText(size_t length) {
    pool::TextCursor texts;
    ACHAR* text = texts.take(length);
    texts.finish();
    return text;
}
void releaseText(void* text) { keepText(text); }

} // namespace host::api

resbuf* acutNewRb(int type) {
    if (payloadOf(type) == Payload::Bad) return nullptr;
    return takeNode(type);
}

// The nodes join the free list whole, their short strings as one chain.
int acutRelRb(resbuf* list) {
    if (list == nullptr) return RTNORM;
    size_t nodes = 1, texts = 0;
    TextLink first{nullptr};  // the chain hangs from first.next
    TextLink* last = &first;
    resbuf* rb = list;
    for (;; rb = rb->rbnext, ++nodes) {
        Owned owned = kOwned[static_cast<uint16_t>(rb->restype)];
        if (owned != Owned::Nothing) {
            void* block = owned == Owned::Text ? static_cast<void*>(rb->resval.rstring) : rb->resval.rbinary.buf;
            if (owned == Owned::Text && block != nullptr && shortBlock(block)) {
                last->next = static_cast<TextLink*>(block);
                last = last->next;
                ++texts;
            } else {
                std::free(block);
            }
        }
        if (rb->rbnext == nullptr) break;
    }
    if (texts > 0) keepTexts(first.next, last, texts);
    keepNodes(list, rb, nodes);
    return RTNORM;
}

resbuf* acutBuildList(int type, ...) {
    va_list args;
    va_start(args, type);
    host::api::pool::ListMaker list;
    for (;; type = va_arg(args, int)) {
        Payload p = buildPayloadOf(type);
        if (p == Payload::End) break;
        resbuf* rb = p == Payload::Bad ? nullptr : list.add(type);
        if (rb == nullptr) {
            acutRelRb(list.finish());
            va_end(args);
            return nullptr;
        }
        switch (p) {
        case Payload::DxfZero: rb->restype = 0; [[fallthrough]];
        case Payload::Text: rb->resval.rstring = copyWide(va_arg(args, const ACHAR*)); break;
        case Payload::Real: rb->resval.rreal = va_arg(args, double); break;
        case Payload::Point: {
            const double* pt = va_arg(args, const double*);
            if (pt) {
                rb->resval.rpoint[0] = pt[0];
                rb->resval.rpoint[1] = pt[1];
                if (type != RTPOINT) rb->resval.rpoint[2] = pt[2];  // RTPOINT: a 2-D point
            }
            break;
        }
        case Payload::Short: rb->resval.rint = static_cast<short>(va_arg(args, int)); break;
        // A 32-bit value: callers written for 32-bit longs pass an int, whose
        // upper half on this platform is undefined, so only the low half counts.
        case Payload::Long: rb->resval.rlong = static_cast<int32_t>(va_arg(args, long)); break;
        case Payload::Int64: rb->resval.mnInt64 = va_arg(args, int64_t); break;
        case Payload::Name: {
            if (const long* name = va_arg(args, const long*)) {
                rb->resval.rlname[0] = name[0];
                rb->resval.rlname[1] = name[1];
            }
            break;
        }
        case Payload::Binary: {
            const ads_binary* bin = va_arg(args, const ads_binary*);
            short n = bin && bin->buf && bin->clen > 0 ? bin->clen : 0;
            rb->resval.rbinary.clen = n;
            rb->resval.rbinary.buf = static_cast<char*>(std::malloc(n > 0 ? static_cast<size_t>(n) : 1));
            if (n > 0 && rb->resval.rbinary.buf) std::memcpy(rb->resval.rbinary.buf, bin->buf, static_cast<size_t>(n));
            break;
        }
        case Payload::None: break;
        default: __builtin_unreachable();  // Bad and End are dealt with above
        }
    }
    va_end(args);
    return list.finish();
}

ads_real acutAngle(const ads_point p1, const ads_point p2) {
    double a = std::atan2(p2[1] - p1[1], p2[0] - p1[0]);
    return a < 0 ? a + 2 * M_PI : a;
}

ads_real acutDistance(const ads_point p1, const ads_point p2) {
    return std::sqrt((p2[0] - p1[0]) * (p2[0] - p1[0]) + (p2[1] - p1[1]) * (p2[1] - p1[1]) +
                     (p2[2] - p1[2]) * (p2[2] - p1[2]));
}

void acutPolar(const ads_point from, ads_real angle, ads_real distance, ads_point to) {
    to[0] = from[0] + distance * std::cos(angle);
    to[1] = from[1] + distance * std::sin(angle);
    to[2] = from[2];
}
