// Round trips: a list read with acdbEntGetX, changed and given back to
// acdbEntMod.  Lists with the entity's groups in its order are changed in
// place; the same list with its name behind the type goes the general way.
// Both must leave the entity the same and answer the same.
#include <functional>

#include "api/modify_in_place.h"
#include "fixture.h"

namespace {

using Change = std::function<void(resbuf*&)>;

class RoundTripTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        ASSERT_EQ(acdbRegApp(L"OTHER"), RTNORM);
    }

    // A TEXT (its angle kept in degrees) with XDATA of two applications and
    // values of every kind.
    void makeTwin(ads_name e) {
        ads_point p = {1, 2, 0}, q = {3, 4, 5};
        char bytes[] = {1, 2, 3};
        ads_binary chunk = {3, bytes};
        makeEntity(acutBuildList(RTDXF0, L"TEXT", 8, L"0", 10, p, 40, 2.5, 1, L"label", 50, 0.5, -3, 1001,
                                 L"LurakCad_B1", 1000, L"ZL1", 1002, L"{", 1070, 7, 1071, 70000L, 1040, 1.25, 1010, q,
                                 1004, &chunk, 1005, L"0", 1002, L"}", 1000, L"", 1001, L"OTHER", 1000, L"kept", 0),
                   e);
    }

    // The status of acdbEntMod with the changed list of one twin, which
    // inPlace tells whether it is changed in place; the other twin gets the
    // same change with its name moved behind the type.
    void expectSameOutcome(const char* what, bool inPlace, const Change& change) {
        SCOPED_TRACE(what);
        ads_name fast, general;
        makeTwin(fast);
        makeTwin(general);
        ASSERT_FALSE(ads_name_nil(fast));
        ASSERT_FALSE(ads_name_nil(general));
        int status[2];
        for (int twin = 0; twin < 2; ++twin) {
            resbuf* list = getX(twin == 0 ? fast : general, L"LurakCad_B1,OTHER");
            ASSERT_NE(list, nullptr);
            change(list);
            if (twin == 1) {  // -1 0 ... becomes 0 -1 ...
                resbuf* name = list;
                list = name->rbnext;
                name->rbnext = list->rbnext;
                list->rbnext = name;
            }
            if (twin == 0) {
                EXPECT_EQ(host::api::modifyInPlace(db(), list), inPlace);  // when false, nothing changed
            }
            status[twin] = modify(list);
        }
        EXPECT_EQ(status[0], status[1]);
        EXPECT_EQ(contentOf(fast), contentOf(general));
    }
};

TEST_F(RoundTripTest, ValuesChangedInPlaceEndAsTheGeneralWayLeavesThem) {
    expectSameOutcome("unchanged", true, [](resbuf*&) {});
    expectSameOutcome("point and size", true, [](resbuf*& l) {
        nth(l, 10)->resval.rpoint[1] += 1.0;
        nth(l, 40)->resval.rreal = 3.0;
    });
    expectSameOutcome("angle", true, [](resbuf*& l) { nth(l, 50)->resval.rreal = 1.0; });
    expectSameOutcome("XDATA numbers", true, [](resbuf*& l) {
        nth(l, 1070)->resval.rint = 9;
        nth(l, 1071)->resval.rlong = -5;
        nth(l, 1040)->resval.rreal = 0.5;
        nth(l, 1010)->resval.rpoint[2] = 8.0;
    });
    expectSameOutcome("XDATA binary", false, [](resbuf*& l) { nth(l, 1004)->resval.rbinary.buf[0] = 9; });
    expectSameOutcome("texts", false, [](resbuf*& l) {
        setText(nth(l, 1), L"longer label");
        setText(nth(l, 1000), L"ZL1-A");
    });
    expectSameOutcome("texts beyond ASCII", false, [](resbuf*& l) {
        setText(nth(l, 1), L"\u00e9t\u00e9");
        setText(nth(l, 1000, 2), L"\u0416");
    });
    expectSameOutcome("the same texts given again", true, [](resbuf*& l) {
        setText(nth(l, 1), L"label");
        setText(nth(l, 1000), L"ZL1");
    });
}

TEST_F(RoundTripTest, NamesHandlesAndApplicationsAreReadAsTheGeneralWayReadsThem) {
    expectSameOutcome("handle in lower case", true, [](resbuf*& l) {
        resbuf* handle = nth(l, 5);
        std::wstring text = handle->resval.rstring;
        for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
        setText(handle, (L"000" + text).c_str());
    });
    expectSameOutcome("another handle", false, [](resbuf*& l) { setText(nth(l, 5), L"FFFFF"); });
    expectSameOutcome("application in other case", false, [](resbuf*& l) {
        setText(nth(l, 1001), L"LURAKCAD_B1");
        nth(l, 1070)->resval.rint = 3;
    });
    expectSameOutcome("application given twice", false, [](resbuf*& l) {
        resbuf* other = nth(l, 1001, 1);
        setText(other, L"LurakCad_B1");
        setText(nth(l, 1000, 2), L"");
    });
    expectSameOutcome("unregistered application", false, [](resbuf*& l) { setText(nth(l, 1001, 1), L"NOSUCHAPP"); });
    expectSameOutcome("a group left out", false, [](resbuf*& l) {
        resbuf* before = nth(l, 1071);
        resbuf* gone = before->rbnext;
        before->rbnext = gone->rbnext;
        gone->rbnext = nullptr;
        acutRelRb(gone);
    });
    expectSameOutcome("only the other application", true, [](resbuf*& l) {
        resbuf* marker = nth(l, -3);
        resbuf* other = nth(l, 1001, 1);
        resbuf* first = marker->rbnext;
        resbuf* beforeOther = first;
        while (beforeOther->rbnext != other) beforeOther = beforeOther->rbnext;
        beforeOther->rbnext = nullptr;
        marker->rbnext = other;
        acutRelRb(first);
    });
    expectSameOutcome("type in lower case", true, [](resbuf*& l) { setText(l->rbnext, L"text"); });
    expectSameOutcome("layer renamed", false, [](resbuf*& l) { setText(nth(l, 8), L"NEWLAYER"); });
}

} // namespace
