// Element dimensions through the host's dimension mode: the side the user
// picks, the insert scale, the texts, the style override, label mode 129
// and a cancelled pick.
#include "fixtures.h"
#include "core/dimensions.h"

namespace {
class DimensionTest : public ShellDrawingTest {
protected:
    void SetUp() override {
        ShellDrawingTest::SetUp();
        element = CreateElement(16, 0);
        ASSERT_NE(element, nullptr);
        strcpy(element->system.textStyle, "STANDARD");
        element->system.size = 100;
        element->system.dimColour = 3;
        element->system.dimTextColour = 4;
    }
    void TearDown() override {
        DestroyElement(element);
        SetGlobalMode(kModeNormal);
        ShellDrawingTest::TearDown();
    }
    void Pick(const char* answer) { host::io::setScript(answer); }

    // The list of the last entity; the caller releases it.
    static resbuf* LastList() {
        ads_name last;
        if (acdbEntLast(last) != RTNORM)
            return nullptr;
        resbuf* apps = acutBuildList(RTSTR, L"ACAD", 0);
        resbuf* list = acdbEntGetX(last, apps);
        acutRelRb(apps);
        return list;
    }
    static int DimensionCount() {
        resbuf* filter = acutBuildList(RTDXF0, L"DIMENSION", 0);
        ads_name set;
        long n = 0;
        if (acedSSGet(L"X", nullptr, nullptr, filter, set) == RTNORM) {
            acedSSLength(set, &n);
            acedSSFree(set);
        }
        acutRelRb(filter);
        return static_cast<int>(n);
    }
    static void ExpectPoint(const resbuf* rb, double x, double y) {
        ASSERT_NE(rb, nullptr);
        ExpectXY(rb->resval.rpoint, x, y);
    }

    LObject* element = nullptr;
};
}  // namespace

TEST_F(DimensionTest, ThePickedSideChoosesTheOffsetsTurnedWithTheDimension) {
    // Aligned dimensions take o1/o2 on the positive (left) side, o3/o4 on
    // the negative side; a pick on the line offsets by nothing.  The
    // insert scale in x stretches the length.
    const struct {
        const char* pick;
        double sx, x, y, angle;
        bool aligned;
        double x13, y13, x14, y14;
    } cases[] = {
        {"50,30\n", 2, 50, 0, 0, true, -50, 10, 150, 20},
        {"50,-30\n", 1, 50, 0, 0, true, 0, -30, 100, -40},
        {"70,0\n", 1, 50, 0, 0, false, 0, 0, 100, 0},
        {"-30,50\n", 1, 0, 50, M_PI / 2, false, -10, 0, -10, 100},
    };
    int made = 0;
    for (const auto& c : cases) {
        element->SetScale(c.sx, 1, 1);
        Pick(c.pick);
        const ads_point p = {c.x, c.y, 0};
        EXPECT_EQ(c.aligned ? MakeAlignedDimension(*element, p, 100, 10, 20, 30, 40, c.angle)
                            : MakeDimension(*element, p, 100, 10, c.angle),
                  -1);
        EXPECT_EQ(DimensionCount(), ++made) << c.pick << ": the first pass's dimension is gone";
        resbuf* list = LastList();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(ToNarrowString(Group(list, 0)->resval.rstring), "DIMENSION");
        EXPECT_EQ(ToNarrowString(Group(list, 1)->resval.rstring), "100");
        ExpectPoint(Group(list, 13), c.x13, c.y13);
        ExpectPoint(Group(list, 14), c.x14, c.y14);
        acutRelRb(list);
        EXPECT_FALSE(host::shell::commandActive());
    }
    EXPECT_EQ(element->GetDimensionCount(), made);
}

TEST_F(DimensionTest, DiameterAndRotatedTexts) {
    Pick("0,30\n");
    const ads_point p = {0, 0, 0};
    EXPECT_EQ(MakeDiameterDimension(*element, p, 315, 0), -1);
    resbuf* list = LastList();
    EXPECT_EQ(ToNarrowString(Group(list, 1)->resval.rstring), "\\U+2205315");
    ExpectPoint(Group(list, 13), -157.5, 0);
    acutRelRb(list);
    Pick("10,40\n");
    const ads_point a = {0, 0, 0}, b = {250, 0, 0};
    EXPECT_EQ(MakeRotatedDimension(*element, a, b, 0, 250), -1);
    list = LastList();
    EXPECT_EQ(ToNarrowString(Group(list, 1)->resval.rstring), "250");
    acutRelRb(list);
    EXPECT_EQ(element->GetDimensionCount(), 2);
    EXPECT_FALSE(host::shell::commandActive());
}

TEST_F(DimensionTest, TheStyleOverrideCarriesTheSystemsSizesAndColours) {
    Pick("0,30\n");
    const ads_point p = {0, 0, 0};
    MakeDimension(*element, p, 100, 10, 0);
    resbuf* list = LastList();
    const resbuf* rb = Group(list, 1001);
    ASSERT_NE(rb, nullptr);
    EXPECT_EQ(ToNarrowString(rb->resval.rstring), "ACAD");
    EXPECT_EQ(ToNarrowString(Group(list, 1000)->resval.rstring), "DSTYLE");
    EXPECT_EQ(Group(list, 1070, 0)->resval.rint, 41);
    EXPECT_EQ(Group(list, 1040, 0)->resval.rreal, 75);
    EXPECT_EQ(Group(list, 1070, 1)->resval.rint, 140);
    EXPECT_EQ(Group(list, 1040, 1)->resval.rreal, 100);
    EXPECT_EQ(Group(list, 1070, 3)->resval.rint, 3);  // 176 line colour
    EXPECT_EQ(Group(list, 1070, 7)->resval.rint, 4);  // 178 text colour
    ASSERT_NE(Group(list, 1070, 8), nullptr);
    EXPECT_EQ(Group(list, 1070, 8)->resval.rint, 340);
    ads_name styleName;
    ASSERT_EQ(acdbTblObjName(L"STYLE", L"STANDARD", styleName), RTNORM);
    resbuf* style = acdbEntGet(styleName);
    ASSERT_NE(Group(list, 1005), nullptr);
    EXPECT_EQ(ToNarrowString(Group(list, 1005)->resval.rstring),
              ToNarrowString(Group(style, 5)->resval.rstring));
    acutRelRb(style);
    acutRelRb(list);
    strcpy(element->system.textStyle, "MISSING");
    resbuf* without = BuildDimensionStyleOverride(element->system);
    EXPECT_EQ(Group(without, 1005), nullptr);
    EXPECT_EQ(Group(without, 1070, 8), nullptr);
    acutRelRb(without);
}

TEST_F(DimensionTest, LabelModeOrACancelledPickMakesNothing) {
    const ads_point p = {0, 0, 0}, q = {100, 0, 0};
    SetGlobalMode(kModeRelabel);  // asks nothing
    Pick("0,30\n");
    EXPECT_EQ(MakeDimension(*element, p, 100, 10, 0), 0);
    EXPECT_EQ(MakeAlignedDimension(*element, p, 100, 1, 2, 3, 4, 0), 0);
    EXPECT_EQ(MakeDiameterDimension(*element, p, 100, 0), 0);
    EXPECT_EQ(MakeRotatedDimension(*element, p, q, 0, 100), 0);
    EXPECT_EQ(host::io::takeTranscript().find("Dim"), std::string::npos);
    SetGlobalMode(kModeNormal);
    Pick("");  // end of input cancels the pick
    EXPECT_EQ(MakeDimension(*element, p, 100, 10, 0), 0);
    EXPECT_FALSE(host::shell::commandActive());
    EXPECT_EQ(MakeRotatedDimension(*element, p, q, 0, 100), 0);
    EXPECT_FALSE(host::shell::commandActive());
    EXPECT_EQ(DimensionCount(), 0);
    EXPECT_EQ(element->GetDimensionCount(), 0);
}
