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
#include "db/group.h"

namespace {

enum class Payload : uint8_t { None, Text, Binary, Point, Real, Short, Long, Int64, Name, Bad };

// The value a group code carries: that of its stored kind, which db/group.h
// works out at compile time from the DXF code ranges.
constexpr Payload payloadOfCode(int code) {
    uint8_t kind = host::db::detail::classifyCode(code);
    if (kind == host::db::detail::kNoKind) return Payload::Bad;
    switch (static_cast<host::db::ValueKind>(kind)) {
    case host::db::ValueKind::Text: return Payload::Text;
    case host::db::ValueKind::Binary: return Payload::Binary;
    case host::db::ValueKind::Point: return Payload::Point;
    case host::db::ValueKind::Real: return Payload::Real;
    case host::db::ValueKind::Int16: return Payload::Short;
    case host::db::ValueKind::Int32: return Payload::Long;
    case host::db::ValueKind::Int64: return Payload::Int64;
    case host::db::ValueKind::Handle: return Payload::Name;
    }
    return Payload::Bad;
}

constexpr Payload payloadOfType(int type) {
    switch (type) {
    case RTSTR:
    case RTDXF0: return Payload::Text;
    case RTREAL:
    case RTANG:
    case RTORINT: return Payload::Real;
    case RTPOINT:
    case RT3DPOINT: return Payload::Point;
    case RTSHORT: return Payload::Short;
    case RTLONG: return Payload::Long;
    case RTENAME:
    case RTPICKS: return Payload::Name;
    case RTLB:
    case RTLE:
    case RTDOTE:
    case RTNIL:
    case RTT:
    case RTVOID:
    case RTNONE:
    case -3: return Payload::None;
    case -1:
    case -2: return Payload::Name;
    case -4: return Payload::Text;
    default: return type < 0 ? Payload::Bad : payloadOfCode(type);
    }
}

// The payload of every type from -5 to RTT, worked out at compile time:
// building and releasing a list looks one up per node.
constexpr int kLowType = -5, kHighType = RTT;
constexpr std::array<Payload, kHighType - kLowType + 1> kPayloads = [] {
    std::array<Payload, kHighType - kLowType + 1> table{};
    for (int type = kLowType; type <= kHighType; ++type)
        table[static_cast<size_t>(type - kLowType)] = payloadOfType(type);
    return table;
}();

Payload payloadOf(int type) {
    if (type < kLowType || type > kHighType) return Payload::Bad;
    return kPayloads[static_cast<size_t>(type - kLowType)];
}

// Released result buffers, and the short strings they held, are kept for
// the next list: lists come and go by the hundred for every entity.  Each
// node and each string is still its own malloc block, so free() and
// acutRelRb stay interchangeable (a caller may free a string and put its
// own in its place).  Under AddressSanitizer nothing is kept, so a use
// after release is still caught.
#if defined(__SANITIZE_ADDRESS__)
constexpr size_t kKeptBlocks = 0;
#else
constexpr size_t kKeptBlocks = 4096;
#endif
// Strings up to this many characters get a block of one size, which is
// reused; a released string is kept when its block is about that size.
constexpr size_t kShortText = 23;
constexpr size_t kShortBytes = (kShortText + 1) * sizeof(ACHAR);

bool arm();

// Released nodes, linked through their own rbnext: a released list joins
// the stack whole, without a step per node.
struct FreeNodes {
    resbuf* head = nullptr;
    size_t room = 0;  // how many more may be kept
    // A zeroed node.
    resbuf* take() {
        resbuf* rb = head;
        if (rb == nullptr) return static_cast<resbuf*>(std::calloc(1, sizeof(resbuf)));
        head = rb->rbnext;
        ++room;
        std::memset(rb, 0, sizeof(resbuf));
        return rb;
    }
    // The n nodes linked from first to last.
    void keep(resbuf* first, resbuf* last, size_t n) {
        if (n > room && !(arm() && n <= room)) {
            for (resbuf* rb = first;;) {
                resbuf* next = rb->rbnext;
                std::free(rb);
                if (rb == last) break;
                rb = next;
            }
            return;
        }
        last->rbnext = head;
        head = first;
        room -= n;
    }
    void clear() {
        while (head) {
            resbuf* next = head->rbnext;
            std::free(head);
            head = next;
        }
        room = 0;
    }
};

// A stack of free string blocks linked through their first bytes.
struct FreeBlocks {
    struct Link {
        Link* next;
    };
    Link* head = nullptr;
    size_t room = 0;  // how many more may be kept
    void* take() {
        if (head == nullptr) return nullptr;
        Link* block = head;
        head = block->next;
        ++room;
        return block;
    }
    void keep(void* block) {
        if (room == 0 && !(arm() && room > 0)) {
            std::free(block);
            return;
        }
        head = new (block) Link{head};
        --room;
    }
    void clear() {
        while (head) {
            Link* next = head->next;
            std::free(head);
            head = next;
        }
        room = 0;
    }
};

// A thread's caches are plain data, so that reaching them costs no check
// for first use.  They have no room until the thread's first release arms
// them, which also sets their release at the thread's end.
struct Caches {
    FreeNodes nodes;
    FreeBlocks texts;
    bool armed = false;
};
thread_local Caches caches;

// Empties the caches when the thread ends; as they are then left without
// room, later releases (other destructors) go straight to free().
struct CacheRelease {
    ~CacheRelease() {
        caches.nodes.clear();
        caches.texts.clear();
    }
};
thread_local CacheRelease cacheRelease;

// True when it gave the caches their room.
bool arm() {
    if (caches.armed) return false;
    caches.armed = true;
    [[maybe_unused]] CacheRelease& release = cacheRelease;  // first use: set to run at the thread's end
    caches.nodes.room = kKeptBlocks;
    caches.texts.room = kKeptBlocks;
    return true;
}

// The helpers below are the bodies of newText and releaseText, kept in this
// file so that building and releasing lists inline them.

ACHAR* takeShortText() {
    void* block = caches.texts.take();
    return static_cast<ACHAR*>(block ? block : std::malloc(kShortBytes));
}

ACHAR* takeText(size_t length) {
    if (length > kShortText) return static_cast<ACHAR*>(std::malloc((length + 1) * sizeof(ACHAR)));
    return takeShortText();
}

// The string may be the caller's own, of any size, put in place of one the
// host made: only its block's size tells whether it can be reused.
void keepText(void* text) {
    if (text == nullptr) return;
    size_t size = malloc_usable_size(text);
    if (size >= kShortBytes && size <= 2 * kShortBytes) caches.texts.keep(text);
    else std::free(text);
}

// A copy of a caller's string.  Nearly all are short: those are copied in
// one pass into a short block, without measuring them first.
ACHAR* copyWide(const ACHAR* text) {
    if (text == nullptr) return nullptr;
    ACHAR* out = takeShortText();
    if (out == nullptr) return nullptr;
    for (size_t i = 0; i <= kShortText; ++i)
        if ((out[i] = text[i]) == 0) return out;
    caches.texts.keep(out);
    size_t length = kShortText + 1 + std::wcslen(text + kShortText + 1);
    out = takeText(length);
    if (out) std::memcpy(out, text, (length + 1) * sizeof(ACHAR));
    return out;
}

} // namespace

namespace host::api {

resbuf* newResbuf() { return caches.nodes.take(); }
void releaseResbuf(resbuf* rb) { caches.nodes.keep(rb, rb, 1); }
ACHAR* newText(size_t length) { return takeText(length); }
void releaseText(void* text) { keepText(text); }

} // namespace host::api

resbuf* acutNewRb(int type) {
    if (payloadOf(type) == Payload::Bad) return nullptr;
    resbuf* rb = caches.nodes.take();
    if (rb) rb->restype = static_cast<short>(type);
    return rb;
}

int acutRelRb(resbuf* list) {
    resbuf* last = nullptr;
    size_t count = 0;
    for (resbuf* rb = list; rb; rb = rb->rbnext) {
        Payload p = payloadOf(rb->restype);
        if (p == Payload::Text) keepText(rb->resval.rstring);
        else if (p == Payload::Binary) std::free(rb->resval.rbinary.buf);
        last = rb;
        ++count;
    }
    if (last) caches.nodes.keep(list, last, count);
    return RTNORM;
}

resbuf* acutBuildList(int type, ...) {
    va_list args;
    va_start(args, type);
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    for (; type != 0 && type != RTNONE; type = va_arg(args, int)) {
        Payload p = payloadOf(type);
        resbuf* rb = p == Payload::Bad ? nullptr : caches.nodes.take();
        if (rb == nullptr) {
            acutRelRb(head);
            va_end(args);
            return nullptr;
        }
        rb->restype = static_cast<short>(type == RTDXF0 ? 0 : type);
        switch (p) {
        case Payload::Text: rb->resval.rstring = copyWide(va_arg(args, const ACHAR*)); break;
        case Payload::Real: rb->resval.rreal = va_arg(args, double); break;
        case Payload::Point: {
            const double* pt = va_arg(args, const double*);
            for (int i = 0; i < 3; ++i) rb->resval.rpoint[i] = pt ? pt[i] : 0.0;
            if (type == RTPOINT) rb->resval.rpoint[2] = 0.0;  // a 2-D point
            break;
        }
        case Payload::Short: rb->resval.rint = static_cast<short>(va_arg(args, int)); break;
        // A 32-bit value: callers written for 32-bit longs pass an int, whose
        // upper half on this platform is undefined, so only the low half counts.
        case Payload::Long: rb->resval.rlong = static_cast<int32_t>(va_arg(args, long)); break;
        case Payload::Int64: rb->resval.mnInt64 = va_arg(args, int64_t); break;
        case Payload::Name: {
            const long* name = va_arg(args, const long*);
            rb->resval.rlname[0] = name ? name[0] : 0;
            rb->resval.rlname[1] = name ? name[1] : 0;
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
        case Payload::None:
        case Payload::Bad: break;
        }
        if (tail) tail->rbnext = rb;
        else head = rb;
        tail = rb;
    }
    va_end(args);
    return head;
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
