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

        // An angle given in radians that overflows in the degrees an arc
        // keeps is refused too.
        EXPECT_EQ(make(acutBuildList(RTDXF0, L"ARC", 10, good, 40, 1.0, 50, 1e307, 51, 0.0, 0)), RTERROR);
        EXPECT_NE(host::api::lastError().find("group 50"), std::string::npos) << host::api::lastError();
        ASSERT_EQ(acdbEntLast(last), RTNORM);
        EXPECT_TRUE(ads_name_equal(last, before));

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

// An arc's angle changed by acdbEntMod, given as a list of the changed
// group alone and as the whole list: too large for degrees, it is refused.
TEST_F(NonFinite, EntModRefusesAnAngleTooLargeForDegrees) {
    ads_point centre = {1, 2, 0};
    ads_name arc;
    makeEntity(acutBuildList(RTDXF0, L"ARC", 10, centre, 40, 5.0, 50, 0.5, 51, 1.5, 0), arc);
    ASSERT_FALSE(ads_name_nil(arc));
    EXPECT_EQ(modify(acutBuildList(-1, arc, 50, 1e307, 0)), RTERROR);
    ListHolder whole(acdbEntGet(arc));
    nth(whole.list, 50)->resval.rreal = -1e307;
    EXPECT_EQ(acdbEntMod(whole.list), RTERROR);
    EXPECT_NE(host::api::lastError().find("not finite"), std::string::npos) << host::api::lastError();
    ListHolder kept(acdbEntGet(arc));
    EXPECT_DOUBLE_EQ(findCode(kept.list, 50)->resval.rreal, 0.5);
}

// An entity moved, scaled or mirrored so far that a number overflows (a
// point, a radius, an XDATA distance) is refused and keeps its values; the
// same entity moved by a sound transform takes it.
TEST_F(NonFinite, TransformByRefusesNumbersThatOverflowAndKeepsTheEntity) {
    constexpr double kFar = 1.5e308;
    ads_point origin = {0, 0, 0}, far = {kFar, kFar, 0}, near = {1, 1, 0};
    struct Case {
        const char* name;
        resbuf* list;
        AcGeMatrix3d transform;
    };
    // The mirror line at 22.5 degrees adds x and y, each about 0.7 of them.
    AcGeVector3d across(-std::sin(M_PI / 8), std::cos(M_PI / 8), 0);
    Case cases[] = {
        {"a point scaled", acutBuildList(RTDXF0, L"LINE", 10, near, 11, far, 0), AcGeMatrix3d::scaling(10)},
        {"a point mirrored", acutBuildList(RTDXF0, L"LINE", 10, near, 11, far, 0),
         AcGeMatrix3d::mirroring(AcGePoint3d::kOrigin, across)},
        {"a radius scaled", acutBuildList(RTDXF0, L"CIRCLE", 10, origin, 40, kFar, 0), AcGeMatrix3d::scaling(10)},
        {"an XDATA distance scaled",
         acutBuildList(RTDXF0, L"LINE", 10, origin, 11, near, -3, 1001, L"LurakCad_B1", 1041, kFar, 0),
         AcGeMatrix3d::scaling(10)},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        ads_name e;
        makeEntity(c.list, e);
        ASSERT_FALSE(ads_name_nil(e));
        ListHolder before(getX(e));
        AcDbEntity* entity = nullptr;
        ASSERT_EQ(acdbOpenObject(entity, idOf(e), AcDb::kForWrite), Acad::eOk);
        EXPECT_EQ(entity->transformBy(c.transform), Acad::eInvalidInput);
        EXPECT_EQ(entity->transformBy(AcGeMatrix3d::translation(AcGeVector3d(0, 0, 2))), Acad::eOk);
        entity->close();
        ListHolder after(getX(e));
        const resbuf* z = findCode(after.list, 10);
        ASSERT_NE(z, nullptr);
        EXPECT_EQ(z->resval.rpoint[2], 2);  // moved up by the sound transform alone
        nth(after.list, 10)->resval.rpoint[2] = 0;
        if (resbuf* end = nth(after.list, 11))
            end->resval.rpoint[2] = 0;
        EXPECT_EQ(contentOf(after.list), contentOf(before.list));
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
