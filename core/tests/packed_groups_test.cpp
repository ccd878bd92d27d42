// Group lists packed into bytes and read back: every kind of value a list
// holds comes back bit for bit, a list holding a code the conventions do
// not name is not packed, and packed lists stay where they were put.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "ads_entity.h"
#include "core/packed_groups.h"

namespace {

// One group of a list and how its value is compared.
enum class Kind { kNone, kText, kPoint, kReal, kShort, kLong, kInt64, kName, kBinary };

struct Group {
    int code;
    Kind kind;
    std::wstring text;  // kText, kBinary (its bytes as characters)
    double reals[3];    // kPoint, kReal
    long whole;         // kShort, kLong, kInt64, kName (both words)
};

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

// What an element insert, a label and a dimension hold, with the values
// that are easy to get wrong: a negative zero, reals just past the short
// form, texts beyond ASCII, a binary chunk with a zero byte.
const Group kGroups[] = {
    {-1, Kind::kName, L"", {}, 7},
    {0, Kind::kText, L"INSERT", {}, 0},
    {5, Kind::kText, L"1F3", {}, 0},
    {330, Kind::kName, L"", {}, 2},
    {100, Kind::kText, L"AcDbEntity", {}, 0},
    {8, Kind::kText, L"LURAK-\u00c9L\u0151", {}, 0},
    {2, Kind::kText, L"", {}, 0},
    {10, Kind::kPoint, L"", {9000.0, 3000.000000808139, -0.0}, 0},
    {11, Kind::kPoint, L"", {32767.0, -32767.0, 32768.0}, 0},
    {41, Kind::kReal, L"", {0.5}, 0},
    {42, Kind::kReal, L"", {-32768.0}, 0},
    {43, Kind::kReal, L"", {1e300}, 0},
    {44, Kind::kReal, L"", {kNan}, 0},
    {50, Kind::kReal, L"", {-179.99999999485524}, 0},
    {62, Kind::kShort, L"", {}, -256},
    {90, Kind::kLong, L"", {}, -2147483647L},
    {160, Kind::kInt64, L"", {}, 1L << 40},
    {210, Kind::kPoint, L"", {0, 0, 1}, 0},
    {310, Kind::kBinary, std::wstring(L"\x01\x00\xff", 3), {}, 0},
    {-3, Kind::kNone, L"", {}, 0},
    {1001, Kind::kText, L"LurakCad_B1", {}, 0},
    {1000, Kind::kText, std::wstring(300, L'\u7ba1'), {}, 0},
    {1002, Kind::kText, L"{", {}, 0},
    {1005, Kind::kText, L"", {}, 0},
    {1004, Kind::kBinary, L"", {}, 0},
    {1010, Kind::kPoint, L"", {1.25, 0, 7}, 0},
    {1040, Kind::kReal, L"", {1200.0}, 0},
    {1070, Kind::kShort, L"", {}, 32767},
    {1071, Kind::kLong, L"", {}, 65536},
    {1002, Kind::kText, L"}", {}, 0},
};

resbuf* Build(const Group& g) {
    resbuf* rb = acutNewRb(g.code);
    if (!rb)
        return nullptr;
    ads_u_val& v = rb->resval;
    switch (g.kind) {
    case Kind::kNone:
        break;
    case Kind::kText:
        v.rstring = static_cast<ACHAR*>(std::malloc((g.text.size() + 1) * sizeof(ACHAR)));
        std::wmemcpy(v.rstring, g.text.c_str(), g.text.size() + 1);
        break;
    case Kind::kBinary:
        v.rbinary.clen = static_cast<short>(g.text.size());
        v.rbinary.buf = static_cast<char*>(std::malloc(g.text.size() + 1));
        for (size_t i = 0; i < g.text.size(); ++i)
            v.rbinary.buf[i] = static_cast<char>(g.text[i]);
        break;
    case Kind::kPoint:
        std::memcpy(v.rpoint, g.reals, sizeof v.rpoint);
        break;
    case Kind::kReal:
        v.rreal = g.reals[0];
        break;
    case Kind::kShort:
        v.rint = static_cast<short>(g.whole);
        break;
    case Kind::kLong:
        v.rlong = g.whole;
        break;
    case Kind::kInt64:
        v.mnInt64 = g.whole;
        break;
    case Kind::kName:
        v.rlname[0] = g.whole;
        v.rlname[1] = -g.whole;
        break;
    }
    return rb;
}

resbuf* BuildAll() {
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (const Group& g : kGroups) {
        *tail = Build(g);
        if (!*tail)
            break;
        tail = &(*tail)->rbnext;
    }
    return head;
}

bool SameBits(const double* a, const double* b, size_t n) { return std::memcmp(a, b, n * sizeof(double)) == 0; }

// "" when the group holds the value, else what differs.
std::string Differs(const Group& g, const resbuf* rb) {
    if (!rb)
        return "missing";
    if (rb->restype != g.code)
        return "code " + std::to_string(rb->restype);
    const ads_u_val& v = rb->resval;
    bool same = true;
    switch (g.kind) {
    case Kind::kNone:
        break;
    case Kind::kText:
        same = v.rstring && g.text == v.rstring;
        break;
    case Kind::kBinary:
        same = v.rbinary.clen == static_cast<short>(g.text.size()) &&
               std::equal(g.text.begin(), g.text.end(), v.rbinary.buf,
                          [](wchar_t c, char b) { return static_cast<char>(c) == b; });
        break;
    case Kind::kPoint:
        same = SameBits(v.rpoint, g.reals, 3);
        break;
    case Kind::kReal:
        same = SameBits(&v.rreal, g.reals, 1);
        break;
    case Kind::kShort:
        same = v.rint == static_cast<short>(g.whole);
        break;
    case Kind::kLong:
        same = v.rlong == g.whole;
        break;
    case Kind::kInt64:
        same = v.mnInt64 == g.whole;
        break;
    case Kind::kName:
        same = v.rlname[0] == g.whole && v.rlname[1] == -g.whole;
        break;
    }
    return same ? "" : "value";
}

TEST(PackedGroups, EveryKindOfValueComesBackBitForBit) {
    resbuf* list = BuildAll();
    std::vector<uint8_t> bytes = {0xAB};  // packing appends
    ASSERT_TRUE(PackGroups(list, bytes));
    EXPECT_EQ(bytes[0], 0xAB);
    resbuf* back = UnpackGroups(bytes.data() + 1, bytes.size() - 1);
    const resbuf* rb = back;
    for (const Group& g : kGroups) {
        EXPECT_EQ(Differs(g, rb), "") << "group " << g.code;
        rb = rb ? rb->rbnext : nullptr;
    }
    EXPECT_EQ(rb, nullptr);
    acutRelRb(back);

    // Bytes cut anywhere inside a group are no list.
    size_t whole = 0;
    for (size_t cut = 1; cut < bytes.size(); ++cut) {
        resbuf* part = UnpackGroups(bytes.data() + 1, cut - 1);
        size_t n = 0;
        for (const resbuf* p = part; p; p = p->rbnext)
            ++n;
        EXPECT_LT(n, std::size(kGroups)) << cut;
        whole += part != nullptr;
        acutRelRb(part);
    }
    EXPECT_LT(whole, bytes.size() / 4);
    acutRelRb(list);
}

TEST(PackedGroups, AListWithACodeOutsideTheConventionsIsNotPacked) {
    for (int code : {RTSHORT, RTSTR, 1072, 2000}) {
        resbuf* list = BuildAll();
        resbuf* last = list;
        while (last->rbnext)
            last = last->rbnext;
        last->rbnext = acutNewRb(RTSHORT);
        ASSERT_NE(last->rbnext, nullptr);
        last->rbnext->restype = static_cast<short>(code);  // a short's value: nothing to release
        std::vector<uint8_t> bytes = {1, 2, 3};
        EXPECT_FALSE(PackGroups(list, bytes)) << code;
        EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 2, 3})) << code;
        last->rbnext->restype = RTSHORT;
        acutRelRb(list);
    }
}

TEST(PackedGroups, AStoreKeepsEveryListWhereItPutIt) {
    PackedStore store;
    std::vector<PackedStore::View> views;
    resbuf* list = BuildAll();
    // Beyond a block's worth, and one list larger than a quarter block.
    for (int i = 0; i < 400; ++i)
        views.push_back(store.Add(list));
    resbuf* big = acutBuildList(1000, std::wstring(20000, L'x').c_str(), 0);
    PackedStore::View large = store.Add(big);
    views.push_back(store.Add(list));
    for (const PackedStore::View& view : views) {
        resbuf* back = UnpackGroups(view.data, view.size);
        const resbuf* rb = back;
        for (const Group& g : kGroups) {
            ASSERT_EQ(Differs(g, rb), "") << "group " << g.code;
            rb = rb->rbnext;
        }
        acutRelRb(back);
    }
    resbuf* bigBack = UnpackGroups(large.data, large.size);
    ASSERT_NE(bigBack, nullptr);
    EXPECT_EQ(std::wstring(bigBack->resval.rstring), std::wstring(20000, L'x'));
    acutRelRb(bigBack);
    acutRelRb(big);
    acutRelRb(list);
}

}  // namespace
