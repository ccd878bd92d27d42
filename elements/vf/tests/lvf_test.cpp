#include "elements/vf/lvf.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/type_tables.h"
#include "core/element_factory.h"
#include "elements/tests/element_test.h"
#include "elements/vf/vf_family.h"

namespace {

// A round fitting whose values are its constructor's.
struct TestVf : BareElement<LVf> {
    TestVf(uint16_t id, std::vector<double> v) : BareElement(id, 2, static_cast<uint16_t>(v.size())) {
        values = std::move(v);
    }
};

using VfFamily = ElementTest;

}  // namespace

TEST(VfKsRule, StrictlyAbove800IsKs) {
    double d[] = {800, 630};
    EXPECT_EQ(VfKsCodeFor(d, 2), kVfKsVf);
    d[0] = 801;
    EXPECT_EQ(VfKsCodeFor(d, 2), kVfKsKs);
    double later[] = {630, 801};
    EXPECT_EQ(VfKsCodeFor(later, 2), kVfKsKs);
    double nan[] = {std::nan("")};
    EXPECT_EQ(VfKsCodeFor(nan, 1), kVfKsVf);
    EXPECT_EQ(VfKsCodeFor(nullptr, 3), kVfKsVf);
}

TEST_F(VfFamily, BaseBuildsRoundConnectors) {
    TestVf e(7, {800, 630, 500});
    EXPECT_EQ(e.GetFamily(), 2);
    EXPECT_EQ(e.GetConnector(1)->shape, kShapeRound);
    EXPECT_EQ(e.GetConnector(1)->owner, &e);
    EXPECT_EQ(e.vfKsCode, kVfKsNone);
}

TEST_F(VfFamily, DescriptionFollowsTheVfKsCode) {
    TestVf e(7, {800, 630, 500});  // VF/KS-08
    EXPECT_EQ(Description(e), "VF/KS-08  d1=800;  d2=630;  l=500;");
    e.vfKsCode = kVfKsVf;
    EXPECT_EQ(Description(e), "VF-08  d1=800;  d2=630;  l=500;");
    e.vfKsCode = kVfKsKs;
    EXPECT_EQ(Description(e), "KS-08  d1=800;  d2=630;  l=500;");
    TestVf plain(9, {160});  // VF-10 keeps its display code
    EXPECT_EQ(Description(plain), "VF-10  d=160;");
}

TEST_F(VfFamily, SecondVariantsUseTheirFirstRows) {
    TestVf layered(23, {100, 6000, 25, 2});
    EXPECT_EQ(layered.GetSubtype(), 23);
    EXPECT_EQ(layered.GetTypeDesc(), TypeRow(kVfFamily, 17));
    EXPECT_EQ(Description(layered).substr(0, 6), "HSPIRO");
    TestVf beyond(25, {1});
    EXPECT_EQ(beyond.GetTypeDesc(), nullptr);
    EXPECT_EQ(Description(beyond), "");
}

TEST_F(VfFamily, ShortCaptionsNeverReadBeforeTheText) {
    TestVf e(21, {315});  // VF/KS-03, one parameter
    const char* saved = TypeRow(kVfFamily, 21)->captions[0];
    TypeRow(kVfFamily, 21)->captions[0] = "d:";
    EXPECT_EQ(Description(e), "VF/KS-03  315;");
    TypeRow(kVfFamily, 21)->captions[0] = "";
    EXPECT_EQ(Description(e), "VF/KS-03  315;");
    TypeRow(kVfFamily, 21)->captions[0] = saved;
}

TEST_F(VfFamily, RowsAndFactoryBounds) {
    EXPECT_STREQ(TypeRow(kVfFamily, 19)->blockPrefix, "vf10-");  // USZ-28 takes VF-10's
    EXPECT_STREQ(TypeRow(kVfFamily, 19)->slideName, "usz28");
    for (int16_t id : {0, 25, -1})
        EXPECT_EQ(CreateElement(kVfFamily, id), nullptr) << id;
    // The second variant of a layered duct is made as the first and records
    // its own subtype until its variant is applied.
    for (int16_t id : {17, 23}) {
        std::unique_ptr<LObject> e(CreateElement(kVfFamily, id));
        ASSERT_NE(e, nullptr) << id;
        EXPECT_EQ(e->GetSubtype(), 17) << id;
    }
}
