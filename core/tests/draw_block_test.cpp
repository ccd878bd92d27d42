// A test element draws one block with every entity maker; the drawing then
// holds an anonymous block with exactly those entities on the layers,
// linetypes and colours of the element's pens.
#include "fixtures.h"

namespace {
// Draws every primitive once, in a fixed order.
class EveryPrimitive : public TestElement {
public:
    EveryPrimitive() : TestElement(1, 1, 0, 0) {}
    int16_t MakeBlock(char* name) override {
        ads_point o = {0, 0, 0}, a = {100, 0, 0}, b = {100, 50, 0}, c = {0, 50, 0};
        BeginAnonymousBlock(o);
        Line(o, a);
        LineC(o, b);
        LineB(o, c);
        Arc(o, 10, 0, kHalfPi);
        ArcB(o, 20, 0, kPi);
        Circle(a, 5);
        Solid(o, a, c, b);
        Ellipse(b, 30, kPi, kTwoPi, 0.75);
        DashedLine(a, b);
        DashedArc(a, 15, 0, kPi);
        DashedCircle(b, 8);
        DashedEllipse(c, 25, 0, kPi, 0.5);
        DashedFullEllipse(c, 12, 0.5);
        SolidHatch(a, 6);
        ZigzagLine(b, c);
        ZigzagArc(c, 9, 0, kHalfPi);
        MakeLine(a, c);
        MakeCircle(o, 3);
        MakeArc(o, 4, 0, kPi);
        MakeSolid(o, a, b, c);
        MakeEllipse(o, 40, 0.3);
        MakeEllipseArc(o, 40, 0, kPi, 0.3);
        return EndAnonymousBlock(name, kBlockNameSize);
    }
};

class DrawBlock : public SystemDrawingTest {
protected:
    void SetUp() override {
        SystemDrawingTest::SetUp();
        for (const wchar_t* name : {L"szaggatott", L"cikkcakk", L"KOZEP"})
            AddLinetype(name);
    }
};
}  // namespace

TEST_F(DrawBlock, EveryPrimitiveLandsOnItsPen) {
    EveryPrimitive e;
    LSystemRecord& s = e.system;
    std::snprintf(s.penLayer[1], sizeof s.penLayer[1], "LURAK-HV1-1");
    std::snprintf(s.penLayer[2], sizeof s.penLayer[2], "LURAK-HV1-2");
    std::snprintf(s.penLinetype[1], sizeof s.penLinetype[1], "CONTINUOUS");
    std::snprintf(s.penLinetype[2], sizeof s.penLinetype[2], "BYLAYER");
    s.penColour[1] = 3;
    s.penColour[2] = 5;
    std::snprintf(s.centreLayer, sizeof s.centreLayer, "LURAK-HV1-K");
    std::snprintf(s.centreLinetype, sizeof s.centreLinetype, "KOZEP");
    s.centreColour = 1;
    s.zigzagScale = 2.5;
    char name[kBlockNameSize] = "";
    ASSERT_EQ(e.MakeBlock(name), RTNORM);
    ASSERT_EQ(name[0], '*');
    EXPECT_EQ(name[1], 'U');
    const struct { const char* type; const char* layer; const char* linetype; int colour; } expected[] = {
        {"LINE", "LURAK-HV1-2", "BYLAYER", 5},      {"LINE", "LURAK-HV1-1", "CONTINUOUS", 3},
        {"LINE", "LURAK-HV1-K", "KOZEP", 1},        {"ARC", "LURAK-HV1-2", "BYLAYER", 5},
        {"ARC", "LURAK-HV1-K", "KOZEP", 1},         {"CIRCLE", "LURAK-HV1-2", "BYLAYER", 5},
        {"SOLID", "LURAK-HV1-2", "BYLAYER", 5},     {"ELLIPSE", "LURAK-HV1-2", "BYLAYER", 5},
        {"LINE", "LURAK-HV1-2", "szaggatott", 5},   {"ARC", "LURAK-HV1-2", "szaggatott", 5},
        {"CIRCLE", "LURAK-HV1-2", "szaggatott", 5}, {"ELLIPSE", "LURAK-HV1-2", "szaggatott", 5},
        {"ELLIPSE", "LURAK-HV1-2", "szaggatott", 5}, {"HATCH", "LURAK-HV1-2", "BYLAYER", 5},
        {"LINE", "0", "cikkcakk", 0},               {"ARC", "0", "cikkcakk", 0},
        {"LINE", "0", "BYBLOCK", 0},                {"CIRCLE", "0", "BYBLOCK", 0},
        {"ARC", "0", "BYBLOCK", 0},                 {"SOLID", "0", "BYBLOCK", 0},
        {"ELLIPSE", "0", "BYBLOCK", 0},             {"ELLIPSE", "0", "BYBLOCK", 0},
    };
    std::vector<BlockEntity> drawn = BlockEntities(name);
    ASSERT_EQ(drawn.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(drawn[i].type, expected[i].type) << i;
        EXPECT_EQ(drawn[i].layer, expected[i].layer) << i;
        EXPECT_EQ(drawn[i].linetype, FoldedLayerName(expected[i].linetype)) << i;
        EXPECT_EQ(drawn[i].colour, expected[i].colour) << i;
    }
    // The zigzag lines carry the system's linetype scale.
    EXPECT_EQ(drawn[14].linetypeScale, 2.5);
}

TEST_F(DrawBlock, MakerWithAnUnloadedLinetypeFailsCleanly) {
    TestElement e(1, 1, 0, 0);
    std::snprintf(e.system.penLayer[2], sizeof e.system.penLayer[2], "L2");
    std::snprintf(e.system.penLinetype[2], sizeof e.system.penLinetype[2], "NOSUCH");
    ads_point p = {0, 0, 0}, q = {1, 0, 0};
    EXPECT_NE(e.Line(p, q), RTNORM);
    EXPECT_EQ(BeginAnonymousBlock(p), RTNORM);
    EXPECT_EQ(MakeLine(p, q), RTNORM);
    char tiny[3];
    EXPECT_EQ(EndAnonymousBlock(tiny, sizeof tiny), RTNORM);
    EXPECT_EQ(tiny[0], '*');
    EXPECT_EQ(tiny[2], '\0');
}

// Readers draw an arc whose ends meet as the whole circle: ends that meet
// after a whole turn forward make a circle on the same pen, ends that meet
// otherwise (the constants' own rounding included) make nothing.
class EndsThatMeet : public TestElement {
public:
    EndsThatMeet() : TestElement(1, 1, 0, 0) {}
    int16_t MakeBlock(char* name) override {
        ads_point o = {0, 0, 0};
        BeginAnonymousBlock(o);
        MakeArc(o, 4, kPi + kHalfPi, -kHalfPi);          // nothing
        Arc(o, 5, kHalfPi, kPi - kHalfPi);               // nothing
        ArcB(o, 6, 1.0, 1.0 + 1e-9);                     // nothing
        DashedArc(o, 7, -kHalfPi, kPi + kHalfPi);        // a circle
        ZigzagArc(o, 8, 0, kTwoPi);                      // a circle
        MakeArc(o, 9, 0, 2e-7);                          // an arc, however small
        return EndAnonymousBlock(name, kBlockNameSize);
    }
};

TEST_F(DrawBlock, ArcsWhoseEndsMeetAreWholeCirclesOrNothing) {
    EndsThatMeet e;
    LSystemRecord& s = e.system;
    for (char* layer : {s.penLayer[2], s.centreLayer})
        std::snprintf(layer, sizeof s.centreLayer, "LURAK-HV1-2");
    std::snprintf(s.penLinetype[2], sizeof s.penLinetype[2], "BYLAYER");
    std::snprintf(s.centreLinetype, sizeof s.centreLinetype, "BYLAYER");
    s.zigzagScale = 2.5;
    char name[kBlockNameSize] = "";
    ASSERT_EQ(e.MakeBlock(name), RTNORM);
    std::vector<BlockEntity> drawn = BlockEntities(name);
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].type, "CIRCLE");
    EXPECT_EQ(drawn[0].linetype, FoldedLayerName("szaggatott"));
    EXPECT_EQ(drawn[1].type, "CIRCLE");
    EXPECT_EQ(drawn[1].linetype, FoldedLayerName("cikkcakk"));
    EXPECT_EQ(drawn[1].linetypeScale, 2.5);
    EXPECT_EQ(drawn[2].type, "ARC");
    EXPECT_EQ(SweepOf(0, -kHalfPi), ArcSweep::kPart);  // three quarters, counter-clockwise
    EXPECT_EQ(SweepOf(0, NAN), ArcSweep::kPart);       // left to the host to refuse
}
