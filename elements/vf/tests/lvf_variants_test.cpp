// The straight round variants: the layered ducts HSPIRO and HFLEX (length
// limit, variant kept as the subtype and rebuilt by the factory, joint
// pieces by the stored subtype), FSPIRO (makes offered by diameter, per
// element; openings) and USZ-28 (body length steps), with texts outside
// their lists left out.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "core/element_xdata.h"
#include "elements/tests/element_drawing.h"
#include "elements/vf/lvffspiko.h"
#include "elements/vf/lvfhspiko.h"
#include "elements/vf/lvfusz28.h"

namespace {

using Variants = ElementTest;
using VariantsBlock = ElementDrawingTest;

}  // namespace

TEST_F(Variants, LayeredDuctVariantIsItsSubtype) {
    struct Case {
        uint16_t made;
        const char* first;
        const char* second;
        int16_t secondSubtype;
    } cases[] = {{17, "I-SPIRO", "S-SPIRO", 23}, {18, "I-FLEX", "S-FLEX", 24}};
    for (const Case& c : cases) {
        std::unique_ptr<LObject> e(CreateElement(2, c.made));
        ASSERT_NE(dynamic_cast<LVfLayered*>(e.get()), nullptr);
        EXPECT_EQ(Params(*e), (std::vector<double>{100, 3000, 25, 1}));
        EXPECT_EQ(e->GetSubtype(), c.made);
        EXPECT_EQ(Description(*e), std::string(c.first) + "  d=100;  l=3000;  v=25;");
        const double second[4] = {0, 900, 0, 2};
        e->SetParams(second);
        EXPECT_EQ(e->GetSubtype(), c.secondSubtype);
        EXPECT_EQ(Description(*e), std::string(c.second) + "  d=100;  l=900;  v=25;");
        // Stored and read back through the factory as the stored subtype.
        std::unique_ptr<LObject> back(CreateElement(2, static_cast<uint16_t>(c.secondSubtype)));
        ASSERT_NE(dynamic_cast<LVfLayered*>(back.get()), nullptr);
        ASSERT_EQ(CopyByXData(*e, *back), 0);
        EXPECT_EQ(back->GetSubtype(), c.secondSubtype);
        EXPECT_EQ(Params(*back), Params(*e));
        const double first[4] = {0, 0, 0, 1};
        e->SetParams(first);
        EXPECT_EQ(e->GetSubtype(), c.made);
    }
}

// The joint pieces go by the stored subtypes: 17 and 18 are layered ducts,
// their second variants 23 and 24 count as fittings.
TEST_F(Variants, SecondVariantsOfLayeredDuctsJoinAsFittings) {
    constexpr int16_t kVf = 2, kSpiro = 1, kBend = 4;
    EXPECT_EQ(StoredJointPieceCode(kVf, 17, kVf, 18), 3);
    EXPECT_EQ(StoredJointPieceCode(kVf, 17, kVf, kSpiro), 1);
    for (int16_t second : {23, 24}) {
        EXPECT_EQ(StoredJointPieceCode(kVf, second, kVf, second), 2) << second;
        EXPECT_EQ(StoredJointPieceCode(kVf, second, kVf, 17), 0) << second;
        EXPECT_EQ(StoredJointPieceCode(kVf, kSpiro, kVf, second), 0) << second;
        EXPECT_EQ(StoredJointPieceCode(kVf, second, kVf, kBend), 2) << second;
    }
}

// The makes offered follow each element's own diameter; another FSPIRO's
// diameter changes nothing the first one offers.
TEST_F(Variants, SpiroWithOpeningsOffersMakesByDiameter) {
    LVfFSpiko e;
    EXPECT_EQ(e.OfferedMakes(), 2);
    EXPECT_EQ(Description(e), "SPIRO+0.5xF5  d=250;  L=6000;");
    const double small[4] = {3, 150, 7000, 2};
    EXPECT_EQ(e.SetParams(small), -1);
    EXPECT_EQ(Params(e), (std::vector<double>{1, 150, 6000, 2}));
    EXPECT_EQ(e.ParamChoiceCount(0), 1);
    EXPECT_EQ(e.SetParams(small), 0);
    LVfFSpiko wide;
    const double big[4] = {3, 600, 1000, 1};
    EXPECT_EQ(wide.SetParams(big), -1);
    EXPECT_EQ(wide.ParamChoiceCount(0), 3);
    EXPECT_EQ(e.ParamChoiceCount(0), 1);
    EXPECT_EQ(e.ParamChoiceCount(3), 6);
    // An index outside its list prints no text and is kept as stored.
    const double odd[4] = {-2, 600, 1000, 9};
    wide.SetParams(odd);
    EXPECT_EQ(Description(wide), "SPIRO+x  d=600;  L=1000;");
    EXPECT_EQ(Params(wide), (std::vector<double>{-2, 600, 1000, 9}));
}

TEST_F(Variants, UnitBodyLengthStepsAndLetter) {
    struct Case {
        double D, L;
    } cases[] = {{250, 310}, {1000, 990}, {200, 230}, {249.9, 230}, {999, 960}, {0, 230}};
    for (const Case& c : cases) {
        LVfUSz28 e;
        const double v[2] = {c.D, 1};
        e.SetParams(v);
        EXPECT_EQ(e.L, c.L) << c.D;
        EXPECT_EQ(e.GetConnector(0)->position[0], c.L / 2);
    }
    LVfUSz28 e;
    EXPECT_EQ(Description(e), "USZ-28-K  D=250;");
    const double m[2] = {250, 2}, none[2] = {250, 3};
    e.SetParams(m);
    EXPECT_EQ(Description(e), "USZ-28-M  D=250;");
    e.SetParams(none);
    EXPECT_EQ(Description(e), "USZ-28-  D=250;");
    EXPECT_EQ(e.variant, 3);
}

TEST_F(VariantsBlock, LayerMarksOpeningsAndUnitBody) {
    LVfHSpiko layered;
    const double v[4] = {200, 900, 25, 1};
    layered.SetParams(v);
    std::vector<Primitive> all = Block(layered);
    EXPECT_EQ(Count(all, "SOLID"), 4);  // at 250 and 750 on both sides
    layered.SetOrientation(2);
    EXPECT_EQ(Count(Block(layered), "SOLID"), 0);
    LVfFSpiko openings;
    const double f[4] = {1, 250, 6000, 1};
    openings.SetParams(f);
    EXPECT_EQ(Count(Block(openings), "CIRCLE"), 117);
    const double f3[4] = {3, 600, 6000, 1};
    openings.SetParams(f3);
    EXPECT_EQ(Count(Block(openings), "CIRCLE"), 1 + 2 * 8);
    LVfUSz28 unit;
    all = Block(unit);
    EXPECT_EQ(Count(all, "HATCH"), 1);
    ExpectLine(all[all.size() - 5], "P2", -125, 125, -125, -125);
}
