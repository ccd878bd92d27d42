// A fire damper and a grille laid on a rectangular duct with the core's
// fitting, attaching and insertion, saved as DXF, checked by the shared
// reference checker, and read back: each keeps its values, its label and
// its place at the duct.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/lobject.h"
#include "core/system_list.h"
#include "elements/tests/run_test.h"
#include "host/io/io.h"

namespace {

class DamperInRun : public RunTest {
protected:
    void SetUp() override {
        RunTest::SetUp();
        NewDrawing("HV2");
        // Plain pens and centre line: the run is read back, not drawn.
        system.penColour[1] = system.penColour[2] = 0;
        std::snprintf(system.centreLinetype, sizeof system.centreLinetype, "CONTINUOUS");
        state.currentSystem = system;
        ASSERT_EQ(InsertSystem(state.systemList, &system), 0);
    }
};

}  // namespace

TEST_F(DamperInRun, DamperAndGrilleSavedAndReadBack) {
    LObject* duct = Make(1, 1);
    ASSERT_NE(duct, nullptr);
    const double rect[5] = {600, 400, 1500, 0, 0};
    duct->ApplyParams(rect, nullptr);
    const ads_point at = {1000, 500, 0};
    duct->SetInsertionPoint(at);
    ASSERT_EQ(duct->Insert(15), 0);

    // The damper takes the duct's section at its free end.
    LObject* damper = Make(4, 1);
    ASSERT_NE(damper, nullptr);
    damper->SetParamText(2, "TD-1");
    int16_t own = damper->NextFreeConnector(-1, kShapeRect);
    ASSERT_GE(own, 0);
    ASSERT_EQ(damper->FitToElement(duct, own, 0), 0);
    ASSERT_EQ(damper->Insert(15), 0);
    ASSERT_EQ(damper->Connect(duct, own, 0), 0);
    host::io::setScript("3000,1500\n");
    EXPECT_EQ(damper->UpdateLabel(), 0);
    EXPECT_EQ(damper->Insert(1), 0);  // the insert's data now names the label
    ads_point ductEnd, damperEnd;
    duct->GetConnector(0)->GetWorldPoint(ductEnd);
    damper->GetConnector(own)->GetWorldPoint(damperEnd);
    EXPECT_NEAR(ductEnd[0], damperEnd[0], 1e-6);
    EXPECT_NEAR(ductEnd[1], damperEnd[1], 1e-6);

    // The grille sits on an attach position of the duct whose mask takes it.
    LObject* grille = Make(3, 1);
    ASSERT_NE(grille, nullptr);
    int16_t position = -1;
    for (int16_t q = 0; q < 6 && position < 0; ++q)
        if (duct->GetAttachMask(q) & grille->GetKind())
            position = q;
    ASSERT_GE(position, 0);
    ASSERT_EQ(duct->AddChild(grille, static_cast<uint16_t>(position)), 0);
    grille->AlignTo(duct);
    ASSERT_EQ(grille->Insert(15), 0);
    host::io::setScript("1500,1500\n");
    EXPECT_EQ(grille->UpdateLabel(), 0);
    EXPECT_EQ(grille->Insert(1), 0);
    EXPECT_EQ(duct->Insert(13), 0);

    const std::string path = LURAK_BINARY_DIR "/damper_in_run.dxf";
    SaveChecked(path);
    Reopen(path);
    int found = 0;
    for (const StoredElement& e : StoredElements()) {
        if (e.family == 4) {
            EXPECT_EQ(e.values, (std::vector<double>{600, 400, 0, 1, 1, 0, 0, 1}));
            EXPECT_EQ(e.text, "TD-1");
            EXPECT_TRUE(e.labelled);
            ++found;
        } else if (e.family == 3) {
            EXPECT_EQ(e.values, (std::vector<double>{1, 300, 300, 1, 1, 1, 1, 0}));
            EXPECT_TRUE(e.labelled);
            ++found;
        }
    }
    EXPECT_EQ(found, 2);
}
