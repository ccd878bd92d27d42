// Scrambled lists: whatever arrives, the entity functions answer with a
// status and the drawing stays readable.
#include <random>

#include "fixture.h"

namespace {

class ScrambledLists : public DrawingTest {
protected:
    std::mt19937 random{12345};
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    // One group of a plausible code, with a value of the right type.
    resbuf* randomGroup() {
        static const int codes[] = {0, 1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 13, 40, 41, 42, 50, 51, 62, 70, 71, 72, 73,
                                    90, 100, 102, 210, 330, 360, -3, 1000, 1001, 1002, 1005, 1010, 1040, 1070, 1071};
        static const wchar_t* texts[] = {L"LINE", L"INSERT", L"0", L"BYLAYER", L"LurakCad_B1", L"{", L"}", L"*U1",
                                         L"AcDbEntity", L"AcDbLine", L"", L"CIRCLE", L"XRECORD", L"{ACAD_REACTORS"};
        int code = codes[pick(static_cast<int>(std::size(codes)))];
        resbuf* rb = acutNewRb(code);
        if (rb == nullptr) return nullptr;
        host::db::ValueKind kind = host::db::ValueKind::Text;
        host::db::kindOfCode(code, kind);
        switch (code < 0 ? host::db::ValueKind::Int16 : kind) {
        case host::db::ValueKind::Text: rb->resval.rstring = wcsdup(texts[pick(static_cast<int>(std::size(texts)))]); break;
        case host::db::ValueKind::Point:
            for (double& v : rb->resval.rpoint) v = pick(100) - 50;
            break;
        case host::db::ValueKind::Real: rb->resval.rreal = pick(1000) / 7.0; break;
        case host::db::ValueKind::Int32: rb->resval.rlong = pick(1000); break;
        case host::db::ValueKind::Handle:
            rb->resval.rlname[0] = pick(60);
            rb->resval.rlname[1] = static_cast<long>(db().serial());
            break;
        default: rb->resval.rint = static_cast<short>(pick(300)); break;
        }
        return rb;
    }
    resbuf* randomList(int length) {
        resbuf* head = nullptr;
        resbuf** tail = &head;
        for (int i = 0; i < length; ++i) {
            resbuf* rb = randomGroup();
            if (rb == nullptr) continue;
            *tail = rb;
            tail = &rb->rbnext;
        }
        return head;
    }
};

TEST_F(ScrambledLists, NothingCrashesAndEveryEntityStaysReadable) {
    ads_point a = {0, 0, 0}, b = {1, 1, 0};
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"LINE", 10, a, 11, b, 0)), RTNORM);
    for (int round = 0; round < 3000; ++round) {
        resbuf* list = randomList(1 + pick(12));
        if (round % 2 == 0) {
            acdbEntMake(list);
        } else {
            ads_name e;
            if (acdbEntLast(e) == RTNORM) {
                resbuf* named = acutBuildList(-1, e, 0);
                named->rbnext = list;
                acdbEntMod(named);
                list = named;
            }
        }
        acutRelRb(list);
    }
    // Close any bracket the noise opened.
    make(acutBuildList(RTDXF0, L"ENDBLK", 0));
    int entities = 0;
    ads_name e, next;
    for (int status = acdbEntNext(nullptr, e); status == RTNORM; status = acdbEntNext(e, next), ads_name_set(next, e)) {
        ListHolder list(acdbEntGet(e));
        ASSERT_NE(list.list, nullptr);
        ASSERT_EQ(acdbEntMod(list.list), RTNORM) << host::api::lastError();
        ++entities;
    }
    EXPECT_GE(entities, 1);
}

} // namespace
