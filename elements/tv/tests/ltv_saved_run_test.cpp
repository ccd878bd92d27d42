// Dampers and equipment in a drawing saved as DXF and opened again: an
// Autodef2000 of a width further down its list keeps it, the CF damper
// beside it its sizes and text, and the units in the run their values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/element_factory.h"
#include "core/system_list.h"
#include "elements/tests/run_test.h"
#include "host/io/io.h"

namespace {

class SavedDampers : public RunTest {
protected:
    void SetUp() override {
        RunTest::SetUp();
        NewDrawing("HV1");
        ASSERT_EQ(InsertSystem(state.systemList, &system), 0);
    }

    // Sets a connector-less damper on the duct at the first attach
    // position that takes it.
    static void SetOn(LObject* duct, LObject* damper) {
        int16_t position = -1;
        for (int16_t q = 0; q < 6 && position < 0; ++q)
            if (duct->GetAttachMask(q) & damper->GetKind())
                position = q;
        ASSERT_GE(position, 0);
        ASSERT_EQ(duct->AddChild(damper, static_cast<uint16_t>(position)), 0);
        damper->AlignTo(duct);
        ASSERT_EQ(damper->Insert(15), 0);
    }

    // Fits the element to the free end of the one before and joins them.
    static void Fit(LObject* before, LObject* e) {
        ASSERT_EQ(e->FitToElement(before, 1, 0), 0);
        ASSERT_EQ(e->Insert(15), 0);
        ASSERT_EQ(e->Connect(before, 1, 0), 0);
    }
};

}  // namespace

TEST_F(SavedDampers, ValuesAndTextsSurviveTheFile) {
    LObject* duct = Make(1, 1);
    ASSERT_NE(duct, nullptr);
    const double rect[5] = {400, 300, 1500, 0, 0};
    duct->ApplyParams(rect, nullptr);
    ASSERT_EQ(duct->Insert(15), 0);

    LObject* adf = Make(4, 13);
    const double type2[] = {2, 300, 300, 0, 4, 1};
    EXPECT_EQ(adf->SetParams(type2), -1);
    const double wider[] = {2, 441, 437, 0, 4, 1};
    EXPECT_EQ(adf->SetParams(wider), 0);
    SetOn(duct, adf);
    LObject* cf = Make(4, 7);
    const double cfValues[] = {3, 500, 723, 0, 1, 4};
    cf->SetParams(cfValues);
    cf->SetParamText(3, "Shaft 3");
    SetOn(duct, cf);
    EXPECT_EQ(duct->Insert(13), 0);

    LObject* fan = Make(5, 1);
    fan->SetParamText(3, "AHU-1");
    Fit(duct, fan);
    LObject* xn2 = Make(4, 16);
    Fit(fan, xn2);

    const std::string path = LURAK_BINARY_DIR "/saved_dampers.dxf";
    SaveChecked(path);
    Reopen(path);
    int found = 0;
    for (const StoredElement& e : StoredElements()) {
        if (e.family == 4 && e.subtype == 13) {
            EXPECT_EQ(e.values, (std::vector<double>{2, 441, 437, 0, 4, 1}));
            ++found;
        } else if (e.family == 4 && e.subtype == 7) {
            EXPECT_EQ(e.values, (std::vector<double>{3, 571, 723, 0, 1, 4}));
            ++found;
        } else if (e.family == 5) {
            EXPECT_EQ(e.values, (std::vector<double>{400, 300, 600, 0, 0}));
            ++found;
        } else if (e.family == 4 && e.subtype == 16) {
            EXPECT_EQ(e.values, (std::vector<double>{400, 300, 0, 1, 1}));
            ++found;
        }
    }
    EXPECT_EQ(found, 4);
}
