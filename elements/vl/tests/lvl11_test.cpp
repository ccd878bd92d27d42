// The runs with a spigot VL-11K and VL-11: the spigot's place kept inside
// the run, stretching, mirroring across the axis, the airflow carried
// through, the description and the figures by view.
#include "elements/vl/lvl11.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "elements/tests/element_drawing.h"
#include "elements/tests/run_test.h"
#include "host/io/io.h"

namespace {

using SpigotRun = ElementTest;
using SpigotRunDimensions = RunTest;
using SpigotRunBlock = ElementDrawingTest;

std::unique_ptr<LVl11> Round(double e, double f, double D = 80, double a = 150, double l = 1200) {
    auto r = std::make_unique<LVl11>();
    const double v[6] = {a, 150, D, e, f, l};
    r->SetParams(v);
    return r;
}

}  // namespace

TEST_F(SpigotRun, SpigotStaysInsideTheRun) {
    std::unique_ptr<LObject> made(CreateElement(1, 11));
    ASSERT_NE(dynamic_cast<LVl11*>(made.get()), nullptr);
    EXPECT_EQ(Params(*made), (std::vector<double>{150, 150, 80, 600, 0, 1200}));
    struct Case {
        double e, f, D;
        double keptE, keptF;
    } cases[] = {
        {40, 0, 80, 40, 0},    {1160, 0, 80, 1160, 0}, {39, 0, 80, 600, 0},  {1161, 0, 80, 600, 0},
        {0, 34, 80, 600, 34},  {100, 35, 80, 100, 0},  {100, -35, 80, 100, 0}, {100, -34, 80, 100, -34},
        {100, 10, 150, 100, 0}, {100, 1, 200, 100, 0}, {std::nan(""), std::nan(""), 80, 600, 0},
    };
    for (const Case& c : cases) {
        auto r = Round(c.e, c.f, c.D);
        EXPECT_EQ(r->e, c.keptE) << c.e << "/" << c.f << "/" << c.D;
        EXPECT_EQ(r->f, c.keptF) << c.e << "/" << c.f << "/" << c.D;
        const double* p = r->GetConnector(2)->position;
        EXPECT_EQ(std::vector<double>(p, p + 3), (std::vector<double>{600 - c.keptE, c.keptF, 105}));
    }
    LVl11R rect;
    EXPECT_EQ(Params(rect), (std::vector<double>{150, 150, 200, 100, 600, 0, 1200}));
    const double v[7] = {300, 0, 100, 200, 40, 49, 150};
    rect.SetParams(v);
    EXPECT_EQ(Params(rect), (std::vector<double>{300, 150, 100, 200, 100, 49, 200}));
    EXPECT_EQ(rect.GetConnector(2)->b, 200);
}

TEST_F(SpigotRun, StretchMirrorAirflowAndDescription) {
    auto r = Round(200, 20);
    double p[6] = {};
    int16_t changed[6] = {};
    EXPECT_EQ(r->FitLength(p, changed, 1, 0, 199, 0), -1);
    EXPECT_EQ(r->FitLength(p, changed, 1, 0, 200, 1), -1);
    EXPECT_EQ(r->FitLength(p, changed, 1, 0, 200, 0), 0);
    EXPECT_EQ(p[5], 200);
    EXPECT_EQ(changed[5], 1);
    EXPECT_EQ(r->Mirror(), 0);
    EXPECT_EQ(r->f, -20);
    EXPECT_EQ(r->GetConnector(2)->position[1], -20);
    EXPECT_EQ(r->GetOrientation(), 0);
    r->orientation = 1;
    r->rotation = 1;
    r->Mirror();
    EXPECT_EQ(r->GetOrientation(), 4);
    EXPECT_NEAR(r->GetRotation(), 1 + 3.1415926535, 1e-12);
    r->rotation = 4;
    r->Mirror();
    EXPECT_EQ(r->GetOrientation(), 1);
    EXPECT_NEAR(r->GetRotation(), 4 - 3.1415926535, 1e-12);
    struct Flow {
        double c0, c1, both;
    } flows[] = {{0, 500, 500}, {300, 500, 300}};
    for (const Flow& f : flows) {
        r->GetConnector(0)->flow = f.c0;
        r->GetConnector(1)->flow = f.c1;
        r->SetParams(nullptr);
        EXPECT_EQ(r->GetConnector(0)->flow, f.both);
        EXPECT_EQ(r->GetConnector(1)->flow, f.both);
    }
    EXPECT_EQ(Description(*r), "VL-11  a=150;  b=150;  D=80;  e=200;  f=-20;  l=1200;");
}

TEST_F(SpigotRunDimensions, LengthDimensionExceptEndOn) {
    for (int16_t o : {0, 1, 2, 3, 4, 5}) {
        NewDrawing("HV1");
        auto r = Round(200, 0);
        r->SetOrientation(o);
        host::io::setScript("0,900\n");
        EXPECT_EQ(r->UpdateLabel(), 0);
        EXPECT_EQ(DimensionTexts().size(), o % 3 == 2 ? 0u : 1u) << o;
    }
}

TEST_F(SpigotRunBlock, SpigotByView) {
    auto r = Round(200, 20);
    r->system.rectCentreLines = 1;
    r->SetOrientation(3);
    std::vector<Primitive> all = Block(*r);
    int dashedCircles = 0, centre = 0;
    for (const Primitive& p : all) {
        dashedCircles += p.type == "CIRCLE" && p.linetype == "szaggatott";
        centre += p.layer == "PC";
    }
    EXPECT_EQ(dashedCircles, 1);
    EXPECT_EQ(centre, 3);  // across the spigot both ways, and the run's axis
    r->SetOrientation(4);
    all = Block(*r);
    ExpectLine(all[all.size() - 5], "0", -440, 75, -440, 105);
    LVl11R rect;
    rect.system.rectCentreLines = 0;
    rect.SetOrientation(2);
    all = Block(rect);
    ExpectLine(all[all.size() - 4], "0", -50, 120, -50, 105);
    EXPECT_EQ(all.back().linetype, "szaggatott");
}
