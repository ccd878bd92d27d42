// Result buffers: building, allocating and releasing lists, and the small
// geometry helpers of the C API.
#include <cmath>
#include <cstdarg>
#include <cstdlib>
#include <cwchar>
#include <cstring>
#include <new>

#include <malloc.h>

#include "ads_entity.h"
#include "api/lists.h"
#include "db/group.h"

namespace {

enum class Payload { None, Text, Binary, Point, Real, Short, Long, Int64, Name, Bad };

Payload payloadOf(int type) {
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
    default: break;
    }
    host::db::ValueKind kind;
    if (type < 0 || !host::db::kindOfCode(type, kind)) return Payload::Bad;
    switch (kind) {
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

// payloadOf for every type from -5 to RTT, looked up once per node when
// lists are built and released.
struct PayloadTable {
    static constexpr int kLow = -5, kHigh = RTT;
    Payload payloads[kHigh - kLow + 1];
    PayloadTable() {
        for (int t = kLow; t <= kHigh; ++t) payloads[t - kLow] = payloadOf(t);
    }
    Payload operator[](int type) const {
        return type >= kLow && type <= kHigh ? payloads[type - kLow] : payloadOf(type);
    }
};
// Built on first use: the code kinds it reads are set up by another file.
const PayloadTable& payloads() {
    static const PayloadTable table;
    return table;
}

ACHAR* copyWide(const ACHAR* text) {
    if (text == nullptr) return nullptr;
    size_t n = std::wcslen(text);
    ACHAR* out = host::api::newText(n);
    if (out) std::memcpy(out, text, (n + 1) * sizeof(ACHAR));
    return out;
}

} // namespace

namespace host::api {

// Released result buffers, and the short strings they held, are kept for
// the next list: lists come and go by the hundred for every entity.  Each
// node and each string is still its own malloc block, so free() and
// acutRelRb stay interchangeable (a caller may free a string and put its
// own in its place).  Under AddressSanitizer nothing is kept, so a use
// after release is still caught.
namespace {
#if defined(__SANITIZE_ADDRESS__)
constexpr size_t kKeptBlocks = 0;
#else
constexpr size_t kKeptBlocks = 4096;
#endif
// Strings up to this many characters get a block of one size, which is
// reused; a released string is kept when its block is about that size.
constexpr size_t kShortText = 23;
constexpr size_t kShortBytes = (kShortText + 1) * sizeof(ACHAR);

// A stack of free blocks linked through their first bytes.
struct FreeBlocks {
    struct Link {
        Link* next;
    };
    Link* head = nullptr;
    size_t count = 0;
    ~FreeBlocks() {
        while (head) {
            Link* next = head->next;
            std::free(head);
            head = next;
        }
        count = SIZE_MAX;  // late releases (other destructors) go straight to free()
    }
    void* take() {
        if (head == nullptr) return nullptr;
        Link* block = head;
        head = block->next;
        --count;
        return block;
    }
    void keep(void* block) {
        if (count >= kKeptBlocks) {
            std::free(block);
            return;
        }
        head = new (block) Link{head};
        ++count;
    }
};
struct Caches {
    FreeBlocks nodes;
    FreeBlocks texts;
};
thread_local Caches caches;
} // namespace

resbuf* newResbuf() {
    void* block = caches.nodes.take();
    if (block == nullptr) return static_cast<resbuf*>(std::calloc(1, sizeof(resbuf)));
    std::memset(block, 0, sizeof(resbuf));
    return static_cast<resbuf*>(block);
}

void releaseResbuf(resbuf* rb) { caches.nodes.keep(rb); }

ACHAR* newText(size_t length) {
    if (length > kShortText) return static_cast<ACHAR*>(std::malloc((length + 1) * sizeof(ACHAR)));
    void* block = caches.texts.take();
    return static_cast<ACHAR*>(block ? block : std::malloc(kShortBytes));
}

void releaseText(void* text) {
    if (text == nullptr) return;
    size_t size = malloc_usable_size(text);
    if (size >= kShortBytes && size <= 2 * kShortBytes) caches.texts.keep(text);
    else std::free(text);
}

} // namespace host::api

resbuf* acutNewRb(int type) {
    if (payloadOf(type) == Payload::Bad) return nullptr;
    resbuf* rb = host::api::newResbuf();
    if (rb) rb->restype = static_cast<short>(type);
    return rb;
}

int acutRelRb(resbuf* list) {
    while (list) {
        resbuf* next = list->rbnext;
        Payload p = payloads()[list->restype];
        if (p == Payload::Text) host::api::releaseText(list->resval.rstring);
        if (p == Payload::Binary) std::free(list->resval.rbinary.buf);
        host::api::releaseResbuf(list);
        list = next;
    }
    return RTNORM;
}

resbuf* acutBuildList(int type, ...) {
    va_list args;
    va_start(args, type);
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    for (; type != 0 && type != RTNONE; type = va_arg(args, int)) {
        Payload p = payloads()[type];
        resbuf* rb = p == Payload::Bad ? nullptr : host::api::newResbuf();
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
