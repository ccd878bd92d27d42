// Infinite and NaN numbers are refused at every door of the C and object
// API: a drawing holding one could not be saved or read back.
#include <cmath>
#include <limits>

#include "fixture.h"

namespace {

using NonFinite = DrawingTest;

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST_F(NonFinite, EntMakeAndEntModRefuseThemAndKeepTheEntity) {
    ads_point good = {1, 2, 0};
    for (double bad : {kNan, kInf, -kInf}) {
        ads_point p = {0, bad, 0};
        ads_name before;
        ASSERT_EQ(make(acutBuildList(RTDXF0, L"LINE", 10, good, 11, good, 0)), RTNORM);
        ASSERT_EQ(acdbEntLast(before), RTNORM);
        EXPECT_EQ(make(acutBuildList(RTDXF0, L"LINE", 10, p, 11, good, 0)), RTERROR);
        EXPECT_NE(host::api::lastError().find("not finite"), std::string::npos) << host::api::lastError();
        EXPECT_EQ(make(acutBuildList(RTDXF0, L"CIRCLE", 10, good, 40, bad, 0)), RTERROR);
        ads_name last;
        ASSERT_EQ(acdbEntLast(last), RTNORM);
        EXPECT_TRUE(ads_name_equal(last, before));  // nothing was made

        // A moved point, an XDATA real: the entity keeps its values.
        EXPECT_NE(modify(acutBuildList(-1, before, 10, p, 0)), RTNORM);
        EXPECT_NE(modify(acutBuildList(-1, before, -3, 1001, L"LurakCad_B1", 1040, bad, 0)), RTNORM);
        ListHolder list(getX(before));
        const resbuf* start = findCode(list.list, 10);
        ASSERT_NE(start, nullptr);
        EXPECT_EQ(start->resval.rpoint[1], 2);
        EXPECT_EQ(findCode(list.list, -3), nullptr);
    }
}

TEST_F(NonFinite, ObjectSettersAnswerInvalidInput) {
    for (double bad : {kNan, kInf}) {
        auto* ref = new AcDbBlockReference();
        EXPECT_EQ(ref->setPosition(AcGePoint3d(bad, 0, 0)), Acad::eInvalidInput);
        EXPECT_EQ(ref->setRotation(bad), Acad::eInvalidInput);
        EXPECT_EQ(ref->setScaleFactors(AcGeScale3d(1, bad, 1)), Acad::eInvalidInput);
        EXPECT_EQ(ref->setPosition(AcGePoint3d(3, 4, 0)), Acad::eOk);
        EXPECT_EQ(ref->position().x, 3);
        EXPECT_EQ(ref->scaleFactors().sy, 1);
        delete ref;
        auto* record = new AcDbBlockTableRecord();
        EXPECT_EQ(record->setOrigin(AcGePoint3d(0, 0, bad)), Acad::eInvalidInput);
        delete record;
    }
}

} // namespace
