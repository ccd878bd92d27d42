// Result buffers made from kept nodes and strings: every string has room
// for its text whatever the caller put in the lists released before, lists
// longer than what a thread keeps come out whole, threads give back what
// they kept, every group code takes the value of its kind, and acdbEntGetX
// gives the XDATA of exactly the applications asked for.
#include <malloc.h>

#include <cstring>
#include <cwchar>
#include <thread>

#include "fixture.h"

namespace {

class ListMemoryTest : public DrawingTest {};

ACHAR* mallocText(const wchar_t* text, size_t room) {
    auto* out = static_cast<ACHAR*>(std::malloc(room * sizeof(ACHAR)));
    std::wcscpy(out, text);
    return out;
}

void expectRoomForEveryString(const resbuf* list) {
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        host::db::ValueKind kind{};
        if (rb->restype < 0 || !host::db::kindOfCode(rb->restype, kind) || kind != host::db::ValueKind::Text) continue;
        if (rb->resval.rstring == nullptr) continue;
        EXPECT_GE(malloc_usable_size(rb->resval.rstring), (std::wcslen(rb->resval.rstring) + 1) * sizeof(ACHAR))
            << rb->restype;
    }
}

TEST_F(ListMemoryTest, StringsHaveRoomForTheirTextWhateverTheCallerReleasedBefore) {
    const wchar_t* longest = L"abcdefghijklmnopqrstuvw";  // the longest short string: 23 characters
    ASSERT_EQ(std::wcslen(longest), 23u);
    ads_point p = {0, 0, 0};
    ads_name e;
    makeEntity(acutBuildList(RTDXF0, L"TEXT", 8, L"0", 10, p, 40, 1.0, 1, longest, -3, 1001, L"LurakCad_B1", 1000,
                             longest, 1000, L"", 0),
               e);
    ASSERT_FALSE(ads_name_nil(e));
    const std::wstring longText(300, L'x');
    for (int round = 0; round < 3; ++round) {
        // Lists whose strings the caller swapped for tiny, large and no blocks.
        for (int i = 0; i < 50; ++i) {
            resbuf* list = acutBuildList(1000, L"a", 1000, L"b", 1000, L"c", 1000, L"d", 0);
            ASSERT_NE(list, nullptr);
            std::free(list->resval.rstring);
            list->resval.rstring = mallocText(L"", 1);
            std::free(list->rbnext->resval.rstring);
            list->rbnext->resval.rstring = mallocText(L"x", 400);
            std::free(list->rbnext->rbnext->resval.rstring);
            list->rbnext->rbnext->resval.rstring = nullptr;
            acutRelRb(list);
        }
        ListHolder built(
            acutBuildList(1000, longest, RTSTR, longest, RTDXF0, longest, 1000, L"", 1000, longText.c_str(), 70, 5, 0));
        expectRoomForEveryString(built.list);
        const resbuf* rb = built.list;
        for (const wchar_t* text : {longest, longest, longest, L"", longText.c_str()}) {
            EXPECT_STREQ(rb->resval.rstring, text);
            rb = rb->rbnext;
        }
        EXPECT_EQ(rb->resval.rint, 5);
        ListHolder read(getX(e));
        ASSERT_NE(read.list, nullptr);
        expectRoomForEveryString(read.list);
        EXPECT_EQ(textOf(findCode(read.list, 1)), longest);
        EXPECT_EQ(textOf(findCode(read.list, 1000)), longest);
    }
    resbuf* fresh = acutNewRb(RTSHORT);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->rbnext, nullptr);
    EXPECT_EQ(fresh->resval.rint, 0);
    acutRelRb(fresh);
}

TEST_F(ListMemoryTest, ListsLongerThanWhatAThreadKeepsComeOutWhole) {
    // 5000 XDATA groups: more nodes than a thread keeps for the next lists.
    ads_point p = {0, 0, 0}, q = {1, 0, 0};
    resbuf* list = acutBuildList(RTDXF0, L"LINE", 8, L"0", 10, p, 11, q, -3, 1001, L"LurakCad_B1", 0);
    resbuf* tail = list;
    while (tail->rbnext) tail = tail->rbnext;
    for (int i = 0; i < 5000; ++i) {
        tail->rbnext = acutBuildList(1070, i, 0);
        tail = tail->rbnext;
    }
    ads_name e;
    makeEntity(list, e);
    ASSERT_FALSE(ads_name_nil(e)) << host::api::lastError();
    for (int round = 0; round < 2; ++round) {
        ListHolder read(getX(e, L"LurakCad_B1"));
        const resbuf* rb = findCode(read.list, 1001);
        ASSERT_NE(rb, nullptr);
        int n = 0;
        for (rb = rb->rbnext; rb; rb = rb->rbnext, ++n) {
            ASSERT_EQ(rb->restype, 1070);
            ASSERT_EQ(rb->resval.rint, n);
        }
        EXPECT_EQ(n, 5000);
    }
}

// A thread that reads lists and frees them node by node, never calling
// acutRelRb, keeps nothing once it ends (the leak checker of the sanitizer
// build sees any node left behind).
TEST_F(ListMemoryTest, AThreadThatOnlyReadsListsLeavesNothingBehind) {
    ads_point p = {0, 0, 0}, q = {1, 0, 0};
    ads_name e;
    makeEntity(acutBuildList(RTDXF0, L"LINE", 8, L"0", 10, p, 11, q, -3, 1001, L"LurakCad_B1", 1000, L"x", 0), e);
    ASSERT_FALSE(ads_name_nil(e));
    auto inUse = [] { return static_cast<long>(mallinfo2().uordblks); };
    long before = inUse();
    std::thread reader([&] {
        resbuf* apps = acutBuildList(RTSTR, L"*", 0);
        for (int i = 0; i < 100; ++i) {
            resbuf* list = i % 2 ? acdbEntGet(e) : acdbEntGetX(e, apps);
            while (list) {
                resbuf* next = list->rbnext;
                host::db::ValueKind kind{};
                if (list->restype >= 0 && host::db::kindOfCode(list->restype, kind) && kind == host::db::ValueKind::Text)
                    std::free(list->resval.rstring);
                std::free(list);
                list = next;
            }
        }
        std::free(apps->resval.rstring);
        std::free(apps);
    });
    reader.join();
    EXPECT_LT(inUse() - before, 16 * 1024);
}

TEST_F(ListMemoryTest, XdataOfTheApplicationsAskedForInTheirStoredOrder) {
    for (const wchar_t* app : {L"OTHER", L"THIRD", L"LURAK_X"}) ASSERT_EQ(acdbRegApp(app), RTNORM);
    ads_name e;
    makeEntity(line(acutBuildList(-3, 1001, L"LurakCad_B1", 1070, 1, 1001, L"OTHER", 1070, 2, 1070, 22, 1001, L"THIRD",
                                  1070, 3, 1001, L"LURAK_X", 1070, 4, 0)),
               e);
    ASSERT_FALSE(ads_name_nil(e));
    auto xdataOf = [&](std::initializer_list<const wchar_t*> patterns) {
        resbuf* apps = nullptr;
        for (auto it = std::rbegin(patterns); it != std::rend(patterns); ++it) {
            resbuf* rb = acutBuildList(RTSTR, *it, 0);
            rb->rbnext = apps;
            apps = rb;
        }
        ListHolder list(acdbEntGetX(e, apps));
        acutRelRb(apps);
        std::vector<int> values;
        bool marker = false;
        for (const resbuf* rb = list.list; rb; rb = rb->rbnext) {
            if (rb->restype == -3) marker = true;
            if (rb->restype == 1001) {
                EXPECT_TRUE(marker);
            }
            if (rb->restype == 1070) values.push_back(rb->resval.rint);
        }
        EXPECT_EQ(marker, !values.empty());
        return values;
    };
    EXPECT_EQ(xdataOf({L"third", L"lurakcad_b1"}), (std::vector<int>{1, 3}));  // plain names, any case
    EXPECT_EQ(xdataOf({L"LURAK*"}), (std::vector<int>{1, 4}));
    EXPECT_EQ(xdataOf({L"~LURAK*"}), (std::vector<int>{2, 22, 3}));
    EXPECT_EQ(xdataOf({L"OTHER,THIRD"}), (std::vector<int>{2, 22, 3}));
    EXPECT_EQ(xdataOf({L"OTHE"}), (std::vector<int>{}));
    EXPECT_EQ(xdataOf({L"NONE", L"*"}), (std::vector<int>{1, 2, 22, 3, 4}));
    EXPECT_EQ(xdataOf({}), (std::vector<int>{}));
}

// A group a file kept under a code the table of result buffers does not
// know (250) has its node in the list, without a value: nothing would
// release its text.
TEST_F(ListMemoryTest, AGroupOfACodeOfNoKindComesWithoutAValue) {
    ads_name e;
    ads_point a = {0, 0, 0}, b = {1, 1, 0};
    makeEntity(acutBuildList(RTDXF0, L"LINE", 10, a, 11, b, 0), e);
    ASSERT_FALSE(ads_name_nil(e));
    host::db::Object* o = db().object(host::api::slotOf(db(), e));
    ASSERT_NE(o, nullptr);
    o->groups.push_back(host::db::Group::text(250, "a text longer than a short string block holds"));
    ListHolder list(acdbEntGet(e));
    const resbuf* kept = findCode(list.list, 250);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->resval.rstring, nullptr);
    EXPECT_NE(findCode(list.list, 11), nullptr);
}

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
        bool same = false;
        switch (kind) {
        case ValueKind::Text:
            rb = acutBuildList(type, L"text", 0);
            same = rb && std::wcscmp(rb->resval.rstring, L"text") == 0;
            break;
        case ValueKind::Binary:
            rb = acutBuildList(type, &chunk, 0);
            same = rb && rb->resval.rbinary.clen == 2 && std::memcmp(rb->resval.rbinary.buf, bytes, 2) == 0;
            break;
        case ValueKind::Point:
            rb = acutBuildList(type, point, 0);
            same = rb && rb->resval.rpoint[2] == 3.0;
            break;
        case ValueKind::Real:
            rb = acutBuildList(type, 2.5, 0);
            same = rb && rb->resval.rreal == 2.5;
            break;
        case ValueKind::Int16:
            rb = acutBuildList(type, 12, 0);
            same = rb && rb->resval.rint == 12;
            break;
        case ValueKind::Int32:
            rb = acutBuildList(type, 70000L, 0);
            same = rb && rb->resval.rlong == 70000;
            break;
        case ValueKind::Int64:
            rb = acutBuildList(type, int64_t{1} << 40, 0);
            same = rb && rb->resval.mnInt64 == int64_t{1} << 40;
            break;
        case ValueKind::Handle:
            rb = acutBuildList(type, name, 0);
            same = rb && rb->resval.rlname[1] == 8;
            break;
        }
        ASSERT_TRUE(same);
        EXPECT_EQ(rb->restype, code);
        EXPECT_EQ(rb->rbnext, nullptr);
        acutRelRb(rb);
    }
}

} // namespace
