// The round one-connector pieces: the saddle spigots VF-16 and VF-17 (body
// steps by d, the angle rule, the connector on the spigot's mouth, the note
// of a spigot on a rectangular duct, figures that stay finite), the end cap
// VF/KS-03 and the stub VF-15.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "core/insert_flags.h"
#include "core/messages.h"
#include "core/system_list.h"
#include "elements/tests/element_drawing.h"
#include "elements/tests/run_test.h"
#include "elements/vf/lvf03.h"
#include "elements/vf/lvf15.h"
#include "elements/vf/lvf16.h"

namespace {

using OneConnector = ElementTest;
using SaddleOnDuct = RunTest;
using OneConnectorBlock = ElementDrawingTest;

}  // namespace

TEST_F(OneConnector, SaddleBodyAngleAndConnector) {
    struct Case {
        bool vf16;
        double a, d;
        double B, H, phi;
    } cases[] = {
        {true, 90, 200, 360, 160, 0},
        {true, 45, 200, 360, 160 - 200 * std::sin(M_PI / 4), M_PI / 4},
        {true, 90, 250, 430, 180, 0},
        {true, 0, 600, 800, 1, M_PI / 2},
        {false, 45, 200, 360, 77, M_PI / 4},
        {true, 120, 99, 160, 80 - 99 * std::sin(M_PI / 4), M_PI / 4},
        {false, -10, 500, 800, 93, M_PI / 4},
        {false, 0, 0, 160, 47, M_PI / 2},
    };
    for (const Case& c : cases) {
        std::unique_ptr<LVfSaddle> e;
        if (c.vf16)
            e = ElementWith<LVf16>({c.a, c.d});
        else
            e = ElementWith<LVf17>({c.a, c.d});
        EXPECT_EQ(e->B, c.B) << c.a << "/" << c.d;
        EXPECT_NEAR(e->H, c.H, 1e-6) << c.a << "/" << c.d;
        EXPECT_NEAR(e->phi, c.phi, 1e-9) << c.a << "/" << c.d;
        EXPECT_EQ(e->GetConnector(0)->secondAngle, e->phi);
    }
    auto e = ElementWith<LVf16>({90, 200});
    const double* p = e->GetConnector(0)->position;
    EXPECT_EQ(std::vector<double>(p, p + 3), (std::vector<double>{80, 0, 190}));
    EXPECT_EQ(e->GetKind(), 3);
    EXPECT_EQ(Params(*e), (std::vector<double>{90, 200}));
    std::unique_ptr<LObject> made(CreateElement(2, 13));
    ASSERT_NE(dynamic_cast<LVf17*>(made.get()), nullptr);
    EXPECT_EQ(Params(*made), (std::vector<double>{45, 200}));
    EXPECT_EQ(Description(*made), "VF-17  a=45;  d=200;");
}

TEST_F(SaddleOnDuct, RectangularParentAddsItsNote) {
    NewDrawing("HV1");
    ASSERT_EQ(InsertSystem(state.systemList, &system), 0);
    LObject* duct = Make(1, 1);
    LObject* round = Make(2, 1);
    ASSERT_TRUE(duct && round);
    duct->Insert(kInsertAll);
    round->Insert(kInsertAll);
    auto e = ElementWith<LVf16>({60, 160});
    EXPECT_EQ(Description(*e), "VF-16  a=60;  d=160;");
    ads_name_set(duct->entity, e->parentEntity);
    EXPECT_EQ(Description(*e), std::string("VF-16  a=60;  d=160;  ") + ParamLabel(141));
    ads_name_set(round->entity, e->parentEntity);
    EXPECT_EQ(Description(*e), "VF-16  a=60;  d=160;");
}

TEST_F(OneConnector, EndCapAndStub) {
    std::unique_ptr<LObject> made(CreateElement(2, 21));
    auto* cap = dynamic_cast<LVf03*>(made.get());
    ASSERT_NE(cap, nullptr);
    EXPECT_EQ(cap->d, 100);
    EXPECT_EQ(cap->GetKind(), 8);
    const double none[1] = {0}, big[1] = {1000};
    cap->SetParams(none);
    EXPECT_EQ(cap->d, 100);
    cap->SetParams(big);
    EXPECT_EQ(cap->d, 1000);
    EXPECT_EQ(cap->GetConnector(0)->position[0], -30);
    EXPECT_EQ(Description(*cap).substr(0, 6), "VF-03 ");
    struct Case {
        double d, h;
    } stubs[] = {{179, 60}, {180, 80}, {0, 60}, {500, 80}};
    for (const Case& c : stubs) {
        auto stub = ElementWith<LVf15>({c.d});
        EXPECT_EQ(stub->d, c.d);
        EXPECT_EQ(stub->h, c.h) << c.d;
        EXPECT_EQ(stub->GetConnector(0)->position[2], c.h);
        EXPECT_EQ(stub->GetKind(), 33);
    }
}

// Whatever the size and angle, and on a parent of any size, the figure has
// only finite points; nothing is drawn along the parent's axis.
TEST_F(OneConnectorBlock, SaddleFiguresStayFinite) {
    for (double d : {0.0, 80.0, 200.0, 799.0, 5000.0, 1e300}) {
        for (double a : {0.0, 30.0, 90.0}) {
            for (double host : {-1.0, 0.0, 400.0, 1e300}) {
                auto e = ElementWith<LVf16>({a, d});
                e->hostSize = host;
                e->system.roundCentreLines = 1;
                for (int16_t o = 0; o < 6; ++o) {
                    e->SetOrientation(o);
                    std::vector<Primitive> all = Block(*e);
                    if (o == 2 || o == 5) {
                        EXPECT_TRUE(all.empty());
                    }
                    for (const Primitive& p : all)
                        for (double v : {p.x1, p.y1, p.x2, p.y2})
                            ASSERT_TRUE(std::isfinite(v)) << d << "/" << a << "/" << host << "/" << o;
                }
            }
        }
    }
    auto e = ElementWith<LVf16>({90, 200});
    e->system.roundCentreLines = 1;
    e->SetOrientation(4);
    std::vector<Primitive> all = Block(*e);
    ASSERT_EQ(all.size(), 6u + 2u);
    ExpectLine(all[0], "0", 20, 190, -180, 190);
    ExpectLine(all[2], "P2", -180, 160, 20, 160);
    ExpectLine(all[7], "PC", -80, 160, -80, 0);
}

