// Result buffers: every group code takes the value of its kind, and
// released nodes and strings are freed when their thread ends.
#include <gtest/gtest.h>

#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <thread>

#include "ads_entity.h"
#include "db/group.h"

namespace {

// A thread keeps the nodes and strings it releases for its next lists; they
// go back to the heap when the thread ends.
TEST(ResultBuffers, ThreadsGiveBackWhatTheyKeptWhenTheyEnd) {
    auto inUse = [] { return static_cast<long>(mallinfo2().uordblks); };
    long before = inUse();
    std::thread worker([] {
        resbuf* lists[100];
        for (resbuf*& list : lists)
            list = acutBuildList(RTSTR, L"kept", 1000, L"x", RTSHORT, 1, RTREAL, 2.0, 70, 3, 1, L"y", 40, 1.0, 0);
        for (resbuf* list : lists) acutRelRb(list);
    });
    worker.join();
    // 700 nodes and 300 strings were kept (some 60 KB); the thread itself
    // leaves a few KB of its own behind.
    EXPECT_LT(inUse() - before, 16 * 1024);
}

// Each code's value is read (and released) by the kind of the code; codes
// outside the DXF ranges are refused.
TEST(ResultBuffers, EveryGroupCodeTakesTheValueOfItsKind) {
    using host::db::ValueKind;
    const ads_point point = {1, 2, 3};
    const ads_name name = {7, 8};
    char bytes[] = {1, 2};
    ads_binary chunk = {2, bytes};
    for (int code = -5; code <= 1100; ++code) {
        SCOPED_TRACE(code);
        ValueKind kind{};
        bool stored = code >= 0 && host::db::kindOfCode(code, kind);
        resbuf* bare = acutNewRb(code);
        EXPECT_EQ(bare != nullptr, stored || (code >= -4 && code <= -1));
        acutRelRb(bare);
        if (!stored) continue;
        int type = code == 0 ? RTDXF0 : code;  // 0 would end the list
        resbuf* rb = nullptr;
        switch (kind) {
        case ValueKind::Text:
            rb = acutBuildList(type, L"text", 0);
            ASSERT_NE(rb, nullptr);
            EXPECT_STREQ(rb->resval.rstring, L"text");
            break;
        case ValueKind::Binary:
            rb = acutBuildList(type, &chunk, 0);
            ASSERT_NE(rb, nullptr);
            ASSERT_EQ(rb->resval.rbinary.clen, 2);
            EXPECT_EQ(std::memcmp(rb->resval.rbinary.buf, bytes, 2), 0);
            break;
        case ValueKind::Point:
            rb = acutBuildList(type, point, 0);
            ASSERT_NE(rb, nullptr);
            EXPECT_EQ(rb->resval.rpoint[2], 3.0);
            break;
        case ValueKind::Real:
            rb = acutBuildList(type, 2.5, 0);
            ASSERT_NE(rb, nullptr);
            EXPECT_EQ(rb->resval.rreal, 2.5);
            break;
        case ValueKind::Int16:
            rb = acutBuildList(type, 12, 0);
            ASSERT_NE(rb, nullptr);
            EXPECT_EQ(rb->resval.rint, 12);
            break;
        case ValueKind::Int32:
            rb = acutBuildList(type, 70000L, 0);
            ASSERT_NE(rb, nullptr);
            EXPECT_EQ(rb->resval.rlong, 70000);
            break;
        case ValueKind::Int64:
            rb = acutBuildList(type, int64_t{1} << 40, 0);
            ASSERT_NE(rb, nullptr);
            EXPECT_EQ(rb->resval.mnInt64, int64_t{1} << 40);
            break;
        case ValueKind::Handle:
            rb = acutBuildList(type, name, 0);
            ASSERT_NE(rb, nullptr);
            EXPECT_EQ(rb->resval.rlname[1], 8);
            break;
        }
        EXPECT_EQ(rb->restype, code);
        EXPECT_EQ(rb->rbnext, nullptr);
        acutRelRb(rb);
    }
}

} // namespace
