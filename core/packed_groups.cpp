#include "core/packed_groups.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "ads_entity.h"

namespace {

// The value a group carries in a list, by its code as the C API lists
// them: texts, points, reals, 16-bit, 32-bit and 64-bit integers, entity
// names and binary chunks; -3 (the XDATA sentinel) carries none.
enum class Value : uint8_t { kNone, kText, kPoint, kReal, kShort, kLong, kInt64, kName, kBinary, kUnknown };

constexpr bool In(int code, int from, int to) { return code >= from && code <= to; }

constexpr Value ClassifyCode(int code) {
    if (code == -3)
        return Value::kNone;
    if (code == -1 || code == -2)
        return Value::kName;
    if (code == -4 || code == -5 || In(code, 0, 9) || In(code, 100, 102) || code == 105 || In(code, 300, 309) ||
        In(code, 410, 419) || In(code, 430, 439) || In(code, 470, 479) || code == 999 || In(code, 1000, 1003) ||
        code == 1005)
        return Value::kText;
    if (In(code, 10, 18) || In(code, 110, 112) || In(code, 210, 213) || In(code, 1010, 1013))
        return Value::kPoint;
    if (In(code, 19, 59) || In(code, 113, 149) || In(code, 214, 239) || In(code, 460, 469) || In(code, 1014, 1059))
        return Value::kReal;
    if (In(code, 60, 79) || In(code, 170, 179) || In(code, 270, 299) || In(code, 370, 389) || In(code, 400, 409) ||
        In(code, 1060, 1070))
        return Value::kShort;
    if (In(code, 90, 99) || In(code, 420, 429) || In(code, 440, 459) || code == 1071)
        return Value::kLong;
    if (In(code, 160, 169))
        return Value::kInt64;
    if (In(code, 320, 369) || In(code, 390, 399) || In(code, 480, 481))
        return Value::kName;
    if (In(code, 310, 319) || code == 1004)
        return Value::kBinary;
    return Value::kUnknown;
}

// Every code a list may hold, classified once: a list is packed a group at
// a time.
constexpr int kLowCode = -5, kHighCode = 1071;
struct ValueTable {
    Value values[kHighCode - kLowCode + 1] = {};
    constexpr ValueTable() {
        for (int code = kLowCode; code <= kHighCode; ++code)
            values[code - kLowCode] = ClassifyCode(code);
    }
};
constexpr ValueTable kValues;

Value ValueOf(int code) { return In(code, kLowCode, kHighCode) ? kValues.values[code - kLowCode] : Value::kUnknown; }

// How a real is kept: whole, as a 16-bit integer, or as it is.
enum RealForm : uint8_t { kFullReal = 0, kWholeReal = 1 };
constexpr double kShortReal = 32767;

// How a text is kept: one byte a character when every one is ASCII (as
// nearly all are), else the characters as they are.
enum TextForm : uint8_t { kNullText = 0, kAsciiText = 1, kWideText = 2 };

// Writes packed bytes into room made beforehand for the most a list can
// take (see MostBytes).
class Writer {
public:
    explicit Writer(uint8_t* at) : at_(at) {}
    uint8_t* At() const { return at_; }
    template <typename T>
    void Put(const T& value) {
        std::memcpy(at_, &value, sizeof value);
        at_ += sizeof value;
    }
    void PutCount(size_t n) {
        while (n >= 0x80) {
            *at_++ = static_cast<uint8_t>(n | 0x80);
            n >>= 7;
        }
        *at_++ = static_cast<uint8_t>(n);
    }
    void PutBytes(const void* bytes, size_t n) {
        if (n > 0)
            std::memcpy(at_, bytes, n);
        at_ += n;
    }
    // A real that is a small whole number (most of an element's sizes,
    // scales and flags) takes three bytes, any other nine.
    void PutReal(double v) {
        if (v == std::trunc(v) && std::fabs(v) <= kShortReal && !(v == 0 && std::signbit(v))) {
            *at_++ = kWholeReal;
            Put(static_cast<int16_t>(v));
        } else {
            *at_++ = kFullReal;
            Put(v);
        }
    }
    void PutText(const ACHAR* text) {
        if (!text) {
            *at_++ = kNullText;
            return;
        }
        size_t n = 0;
        bool ascii = true;
        for (; text[n]; ++n)
            ascii = ascii && static_cast<unsigned long>(text[n]) < 0x80;
        *at_++ = ascii ? kAsciiText : kWideText;
        PutCount(n);
        if (!ascii) {
            PutBytes(text, n * sizeof(ACHAR));
            return;
        }
        for (size_t i = 0; i < n; ++i)
            *at_++ = static_cast<uint8_t>(text[i]);
    }

private:
    uint8_t* at_;
};

// The code, a text's form byte and a count of up to ten bytes.
constexpr size_t kMostHeader = sizeof(short) + 1 + 10;

// The most bytes the list's groups take packed: its texts as wide ones.
size_t MostBytes(const resbuf* list) {
    size_t most = 0;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        most += kMostHeader + sizeof(ads_u_val) + 3;  // a point's reals take a form byte each
        if (ValueOf(rb->restype) == Value::kText && rb->resval.rstring)
            most += std::wcslen(rb->resval.rstring) * sizeof(ACHAR);
        else if (ValueOf(rb->restype) == Value::kBinary && rb->resval.rbinary.buf && rb->resval.rbinary.clen > 0)
            most += static_cast<size_t>(rb->resval.rbinary.clen);
    }
    return most;
}

// Reads packed bytes with every read checked against their end.
class Reader {
public:
    Reader(const uint8_t* data, size_t size) : at_(data), end_(data + size) {}
    bool AtEnd() const { return at_ == end_; }
    template <typename T>
    bool Get(T& value) {
        if (static_cast<size_t>(end_ - at_) < sizeof value)
            return false;
        std::memcpy(&value, at_, sizeof value);
        at_ += sizeof value;
        return true;
    }
    bool GetCount(size_t& n) {
        n = 0;
        for (int shift = 0; shift < 64 && at_ < end_; shift += 7) {
            uint8_t b = *at_++;
            n |= static_cast<size_t>(b & 0x7f) << shift;
            if ((b & 0x80) == 0)
                return true;
        }
        return false;
    }
    // The next n bytes, or null when fewer are left.
    const uint8_t* Take(size_t n) {
        if (static_cast<size_t>(end_ - at_) < n)
            return nullptr;
        const uint8_t* from = at_;
        at_ += n;
        return from;
    }

private:
    const uint8_t* at_;
    const uint8_t* end_;
};

bool GetText(Reader& in, ACHAR*& text) {
    uint8_t form = 0;
    if (!in.Get(form))
        return false;
    text = nullptr;
    if (form == kNullText)
        return true;
    size_t n = 0;
    if ((form != kAsciiText && form != kWideText) || !in.GetCount(n))
        return false;
    size_t width = form == kAsciiText ? 1 : sizeof(ACHAR);
    if (n > SIZE_MAX / sizeof(ACHAR) - 1)
        return false;
    const uint8_t* bytes = in.Take(n * width);
    if (!bytes)
        return false;
    // A block of its own, as the host's lists hold their texts.
    text = static_cast<ACHAR*>(std::malloc((n + 1) * sizeof(ACHAR)));
    if (!text)
        return false;
    if (form == kAsciiText) {
        for (size_t i = 0; i < n; ++i)
            text[i] = static_cast<ACHAR>(bytes[i]);
    } else {
        std::memcpy(text, bytes, n * sizeof(ACHAR));
    }
    text[n] = 0;
    return true;
}

bool GetReal(Reader& in, double& v) {
    uint8_t form = 0;
    if (!in.Get(form))
        return false;
    if (form == kFullReal)
        return in.Get(v);
    int16_t whole = 0;
    if (form != kWholeReal || !in.Get(whole))
        return false;
    v = whole;
    return true;
}

bool GetValue(Reader& in, Value kind, resbuf* rb) {
    switch (kind) {
    case Value::kNone:
        return true;
    case Value::kText:
        return GetText(in, rb->resval.rstring);
    case Value::kPoint:
        return GetReal(in, rb->resval.rpoint[0]) && GetReal(in, rb->resval.rpoint[1]) &&
               GetReal(in, rb->resval.rpoint[2]);
    case Value::kReal:
        return GetReal(in, rb->resval.rreal);
    case Value::kShort:
        return in.Get(rb->resval.rint);
    case Value::kLong:
        return in.Get(rb->resval.rlong);
    case Value::kInt64:
        return in.Get(rb->resval.mnInt64);
    case Value::kName:
        return in.Get(rb->resval.rlname[0]) && in.Get(rb->resval.rlname[1]);
    case Value::kBinary: {
        short n = 0;
        if (!in.Get(n) || n < 0)
            return false;
        const uint8_t* bytes = in.Take(static_cast<size_t>(n));
        char* buf = static_cast<char*>(std::malloc(n > 0 ? static_cast<size_t>(n) : 1));
        if (!bytes || !buf) {
            std::free(buf);
            return false;
        }
        std::memcpy(buf, bytes, static_cast<size_t>(n));
        rb->resval.rbinary.clen = n;
        rb->resval.rbinary.buf = buf;
        return true;
    }
    case Value::kUnknown:
        break;
    }
    return false;
}


// Packs the list at `at`, which has room for MostBytes(list); the bytes
// written, or kNotPacked for a code outside the conventions.
constexpr size_t kNotPacked = SIZE_MAX;
size_t PackInto(const resbuf* list, uint8_t* at) {
    Writer w(at);
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        Value kind = ValueOf(rb->restype);
        if (kind == Value::kUnknown)
            return kNotPacked;
        w.Put(rb->restype);
        const ads_u_val& v = rb->resval;
        switch (kind) {
        case Value::kNone:
        case Value::kUnknown:
            break;
        case Value::kText:
            w.PutText(v.rstring);
            break;
        case Value::kPoint:
            w.PutReal(v.rpoint[0]), w.PutReal(v.rpoint[1]), w.PutReal(v.rpoint[2]);
            break;
        case Value::kReal:
            w.PutReal(v.rreal);
            break;
        case Value::kShort:
            w.Put(v.rint);
            break;
        case Value::kLong:
            w.Put(v.rlong);
            break;
        case Value::kInt64:
            w.Put(v.mnInt64);
            break;
        case Value::kName:
            w.PutBytes(v.rlname, sizeof v.rlname);
            break;
        case Value::kBinary: {
            short n = v.rbinary.buf && v.rbinary.clen > 0 ? v.rbinary.clen : 0;
            w.Put(n);
            w.PutBytes(v.rbinary.buf, static_cast<size_t>(n));
            break;
        }
        }
    }
    return static_cast<size_t>(w.At() - at);
}

}  // namespace

bool PackGroups(const resbuf* list, std::vector<uint8_t>& out) {
    const size_t start = out.size();
    out.resize(start + MostBytes(list));
    size_t n = PackInto(list, out.data() + start);
    out.resize(n == kNotPacked ? start : start + n);
    return n != kNotPacked;
}

resbuf* UnpackGroups(const uint8_t* data, size_t size) {
    if (!data)
        return nullptr;
    Reader in(data, size);
    resbuf* head = nullptr;
    resbuf** tail = &head;
    while (!in.AtEnd()) {
        short code = 0;
        resbuf* rb = in.Get(code) ? acutNewRb(code) : nullptr;
        if (!rb || !GetValue(in, ValueOf(code), rb)) {
            if (rb)
                acutRelRb(rb);
            acutRelRb(head);
            return nullptr;
        }
        *tail = rb;
        tail = &rb->rbnext;
    }
    return head;
}

PackedStore::View PackedStore::Add(const resbuf* list) {
    // Packed straight into the store, in room for the most it can take: no
    // copy, and no zeroed buffer, for each of thousands of lists.
    size_t most = MostBytes(list);
    uint8_t* at = nullptr;
    bool large = most > kBlockBytes / 4;
    if (large) {
        large_.push_back(std::make_unique_for_overwrite<uint8_t[]>(most));
        at = large_.back().get();
    } else {
        if (blocks_.empty() || kBlockBytes - used_ < most) {
            blocks_.push_back(std::make_unique_for_overwrite<uint8_t[]>(kBlockBytes));
            used_ = 0;
        }
        at = blocks_.back().get() + used_;
    }
    size_t n = PackInto(list, at);
    if (n == kNotPacked || n == 0 || n > UINT32_MAX) {
        if (large)
            large_.pop_back();
        return {};
    }
    if (!large)
        used_ += n;
    return {at, static_cast<uint32_t>(n)};
}
