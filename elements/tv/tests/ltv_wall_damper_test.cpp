// The fire dampers set in a wall opening: the CF types, PX1G and Autodef.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "core/messages.h"
#include "core/type_tables.h"
#include "elements/tests/element_drawing.h"
#include "elements/tv/ltv_adf.h"
#include "elements/tv/ltv_wall_damper.h"
#include "elements/tv/tv_family.h"

namespace {

using WallDampers = ElementDrawingTest;

template <class T = LTvWallDamper>
std::unique_ptr<T> Make(int16_t subtype) {
    return std::unique_ptr<T>(dynamic_cast<T*>(CreateElement(kTvFamily, subtype)));
}

// The default values of the subtype with W and H replaced.
std::vector<double> Sized(LObject& e, double W, double H) {
    std::vector<double> v = Params(e);
    int16_t w = e.GetParamCount() == 7 ? 2 : 1;
    v[w] = W;
    v[w + 1] = H;
    return v;
}

}  // namespace

TEST_F(WallDampers, WidthHeldByTheRuleOfEachType) {
    struct Case {
        int16_t subtype;
        double H, W, held;
    } cases[] = {
        {5, 438, 900, 771},   {5, 438, 300, 321},   {5, 575, 300, 346},   {5, 1043, 300, 571},
        {6, 740, 300, 421},   {6, 740, 500, 429},   {6, 493, 500, 496},   {7, 338, 500, 571},
        {7, 750, 500, 571},   {7, 723, 900, 696},   {7, 750, 900, 671},   {7, 530, 1000, 971},
        {8, 1070, 300, 636},  {8, 438, 1200, 1111}, {9, 448, 600, 680},   {9, 723, 900, 800},
        {9, 750, 900, 791},   {10, 889, 300, 511},  {10, 888, 300, 511},  {10, 887, 300, 481},
        {11, 1163, 300, 721}, {11, 1163, 2000, 1121}, {11, 448, 600, 600},
        {12, 749, 500, 531},  {12, 749, 900, 816},  {12, 2000, 600, 600},
    };
    for (const Case& c : cases) {
        auto e = Make(c.subtype);
        ASSERT_NE(e, nullptr) << c.subtype;
        std::vector<double> v = Sized(*e, c.W, c.H);
        EXPECT_EQ(e->SetParams(v.data()), 0);
        EXPECT_EQ(e->W, c.held) << c.subtype << ": H " << c.H << ", W " << c.W;
        EXPECT_EQ(e->H, c.H) << c.subtype;
        EXPECT_EQ(e->GetQuantity(), c.held * c.H);
    }
}

TEST_F(WallDampers, EveryTypeKeepsItsDefaultRow) {
    for (int16_t s = 5; s <= 13; ++s) {
        std::unique_ptr<LObject> e(CreateElement(kTvFamily, s));
        ASSERT_NE(e, nullptr) << s;
        int16_t n = e->GetParamCount();
        const double* row = TypeDefaults(kTvFamily, s);
        EXPECT_EQ(Params(*e), std::vector<double>(row, row + n)) << s;
        EXPECT_EQ(e->GetConnectorCount(), 0);
        EXPECT_EQ(e->GetKind(), 1);
        EXPECT_EQ(e->flipModes[0], 0);
        EXPECT_EQ(e->flipModes[2], 1);
        EXPECT_TRUE(e->ParamIsText(n == 7 ? 4 : 3)) << s;
    }
}

TEST_F(WallDampers, NamesDescriptionsAndLabels) {
    auto cf = Make(5);
    EXPECT_EQ(cf->NameText(), "CF1H1V+GHPV");
    EXPECT_EQ(Description(*cf), "CF1H1V+GHPV  Lce=321;  Hce=438;");
    const double sy[] = {2, 3, 321, 438, 0, 1, 1};
    cf->SetParams(sy);
    EXPECT_EQ(cf->NameText(), "CF1H1VSY+GPV-TP+EK");
    cf->SetParamText(4, "Wall A");
    EXPECT_EQ(Description(*cf), "CF1H1VSY+GPV-TP+EK  Lce=321;  Hce=438;  Wall A");
    const double installed[] = {1, 2, 321, 438, 0, 0, 3};
    cf->SetParams(installed);
    EXPECT_EQ(Description(*cf),
              std::string("CF1H1V+GPV-AG  Lce=321;  Hce=438;  ") + MessageText(132) + ", Wall A");

    auto px = Make(12);
    const double tk[] = {2, 600, 749, 0, 1, 3};
    px->SetParams(tk);
    EXPECT_EQ(px->NameText(), "PX1G+GPV-AG+TK");
    EXPECT_EQ(Description(*px), std::string("PX1G+GPV-AG+TK  Lce=600;  Hce=749;  ") + MessageText(132));

    // A long user text is cut with the line at the description buffer.
    std::string longText(150, 'w');
    px->SetParamText(3, longText.c_str());
    EXPECT_EQ(Description(*px).size(), static_cast<size_t>(kDescriptionSize - 1));

    cf->SetSystemRecord(Pens());
    cf->SetFlow(2400);
    host::io::setScript("100,100\n");
    EXPECT_EQ(cf->UpdateLabel(), 0);
    EXPECT_EQ(LabelTexts(*cf), (std::vector<std::string>{"Wall A", "CF1H1V+GPV-AG", "321 x 438", "2400 m3/h"}));
}

TEST_F(WallDampers, FaceFromTheFrontSolidAndFromTheBackDashed) {
    struct Case {
        int16_t subtype;
        size_t face, edge, dashedEdge;
    } cases[] = {
        {5, 19, 6, 0}, {6, 18, 5, 2}, {7, 18, 7, 4}, {12, 19, 6, 0}, {13, 14, 3, 0},
    };
    for (const Case& c : cases) {
        auto e = Make<LTv>(c.subtype);
        std::vector<Primitive> front = Draw(*e, 0), back = Draw(*e, 3);
        ASSERT_EQ(front.size(), c.face) << c.subtype;
        ASSERT_EQ(back.size(), c.face) << c.subtype;
        for (size_t k = 0; k < c.face; ++k) {
            EXPECT_NE(front[k].linetype, "szaggatott") << c.subtype << ": " << k;
            EXPECT_EQ(back[k].linetype, "szaggatott") << c.subtype << ": " << k;
            EXPECT_EQ(front[k].x1, back[k].x1);
            EXPECT_EQ(front[k].y2, back[k].y2);
        }
        std::vector<Primitive> top = Draw(*e, 1), side = Draw(*e, 2);
        ASSERT_EQ(top.size(), c.edge) << c.subtype;
        EXPECT_EQ(Count(top, "LINE", "szaggatott"), static_cast<int>(c.dashedEdge));
        ASSERT_EQ(side.size(), c.edge);
        EXPECT_EQ(Draw(*e, 4).size(), c.edge);
        EXPECT_TRUE(Draw(*e, 6).empty());
    }
    // The casing of the edge views is the side-view depth across W or H.
    auto cf = Make(5);
    ExpectLine(Draw(*cf, 1)[1], "P2", -160.5, 52, 160.5, 52);
    ExpectLine(Draw(*cf, 5)[1], "P2", -219, 52, 219, 52);
    // Drawing A starts with the opening, drawing B with the frame.
    ExpectLine(Draw(*cf, 0)[0], "P2", -160.5, 219, 160.5, 219);
    auto va = Make(7);
    ExpectLine(Draw(*va, 0)[0], "P2", -330.5, 214, 330.5, 214);
}

TEST_F(WallDampers, AutodefTypeChangeMovesOnlySizesOffTheNewLists) {
    auto adf = Make<LTvAdf>(13);
    ASSERT_NE(adf, nullptr);
    EXPECT_EQ(adf->W, 300);
    EXPECT_EQ(adf->H, 300);
    const double toType2[] = {2, 300, 300, 0, 1, 0};
    EXPECT_EQ(adf->SetParams(toType2), -1);
    EXPECT_EQ(adf->W, 321);
    EXPECT_EQ(adf->H, 394);
    const double wider[] = {2, 441, 394, 0, 1, 0};
    EXPECT_EQ(adf->SetParams(wider), 0);
    EXPECT_EQ(adf->W, 441);
    // The lists offered follow the element's type, not the shared row.
    EXPECT_EQ(adf->ParamChoiceCount(1), 14);
    EXPECT_EQ(adf->ParamChoices(2)[8], 734);
    EXPECT_EQ(adf->ParamChoiceCount(0), 3);

    // Read back from the drawing, a type-2 damper keeps its sizes.
    adf->SetParamText(3, "Stair 2");
    auto back = Make<LTvAdf>(13);
    ASSERT_EQ(CopyByXData(*adf, *back), 0);
    EXPECT_EQ(Params(*back), Params(*adf));
    EXPECT_EQ(back->GetParamText(3), "Stair 2");

    // A size on the new type's list stays across a change; the other moves.
    const double toType3[] = {3, 300, 394, 0, 1, 0};
    EXPECT_EQ(back->SetParams(toType3), -1);
    EXPECT_EQ(back->W, 300);
    EXPECT_EQ(back->H, 294);
    EXPECT_EQ(back->ParamChoiceCount(2), 12);
}

// A type-2 damper whose height its duct gave (off the type's list) comes
// back from the drawing with it: a new damper is of type 1, but reading
// the stored type back is no type change.
TEST_F(WallDampers, AutodefDuctSizeOffTheListComesBack) {
    auto adf = Make<LTvAdf>(13);
    const double toType2[] = {2, 300, 300, 0, 1, 0}, fitted[] = {2, 321, 493, 0, 1, 0};
    adf->SetParams(toType2);
    EXPECT_EQ(adf->SetParams(fitted), 0);
    ASSERT_EQ(adf->H, 493);
    auto back = Make<LTvAdf>(13);
    ASSERT_EQ(CopyByXData(*adf, *back), 0);
    EXPECT_EQ(Params(*back), Params(*adf));
    EXPECT_EQ(back->ParamChoiceCount(1), 14);
}

TEST_F(WallDampers, AutodefNameOptions) {
    auto adf = Make<LTvAdf>(13);
    struct Case {
        double type, f, remark;
        std::string name;
    } cases[] = {
        {1, 1, 0, "Autodef"},
        {2, 2, 0, "Autodef2000+F1"},
        {3, 3, 0, "G.O.R.+F2"},
        {2, 4, 1, std::string("Autodef2000+F12 (") + MessageText(130) + ")"},
        {9, 5, 0, "G.O.R.+F12"},
    };
    for (const Case& c : cases) {
        const double v[] = {c.type, 321, 394, 0, c.f, c.remark};
        adf->SetParams(v);
        EXPECT_EQ(adf->NameText(), c.name);
    }
    adf->SetParamText(3, "note");
    EXPECT_EQ(Description(*adf), "G.O.R.+F12  Lce=" + std::to_string(static_cast<int>(adf->W)) + ";  Hce=" +
                                     std::to_string(static_cast<int>(adf->H)) + ";  note");
    EXPECT_EQ(adf->GetQuantity(), adf->W * adf->H);
}
