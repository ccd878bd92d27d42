// Result buffers: building, allocating and releasing lists, and the small
// geometry helpers of the C API.
#include <cmath>
#include <cstdarg>
#include <cstdlib>
#include <cwchar>
#include <cstring>

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

ACHAR* copyWide(const ACHAR* text) {
    if (text == nullptr) return nullptr;
    size_t n = std::wcslen(text) + 1;
    auto* out = static_cast<ACHAR*>(std::malloc(n * sizeof(ACHAR)));
    if (out) std::memcpy(out, text, n * sizeof(ACHAR));
    return out;
}

} // namespace

namespace host::api {

// Released result buffers are kept for the next list: lists come and go by
// the hundred for every entity.  Each node is still its own allocation, so
// free() and acutRelRb stay interchangeable.  Under AddressSanitizer nothing
// is kept, so a use after release is still caught.
namespace {
#if defined(__SANITIZE_ADDRESS__)
constexpr size_t kKeptNodes = 0;
#else
constexpr size_t kKeptNodes = 4096;
#endif
struct NodeCache {
    resbuf* head = nullptr;
    size_t count = 0;
    ~NodeCache() {
        while (head) {
            resbuf* next = head->rbnext;
            std::free(head);
            head = next;
        }
        count = SIZE_MAX;  // late releases (other destructors) go straight to free()
    }
};
thread_local NodeCache cache;
} // namespace

resbuf* newResbuf() {
    if (cache.head == nullptr) return static_cast<resbuf*>(std::calloc(1, sizeof(resbuf)));
    resbuf* rb = cache.head;
    cache.head = rb->rbnext;
    --cache.count;
    std::memset(static_cast<void*>(rb), 0, sizeof(resbuf));
    return rb;
}

void releaseResbuf(resbuf* rb) {
    if (cache.count >= kKeptNodes) {
        std::free(rb);
        return;
    }
    rb->rbnext = cache.head;
    cache.head = rb;
    ++cache.count;
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
        Payload p = payloadOf(list->restype);
        if (p == Payload::Text) std::free(list->resval.rstring);
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
        Payload p = payloadOf(type);
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
