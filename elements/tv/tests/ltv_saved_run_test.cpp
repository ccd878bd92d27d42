// Wall-mounted dampers in a drawing saved as DXF and opened again: an
// Autodef2000 of a width further down its list keeps it, the CF damper
// beside it its sizes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/element_factory.h"
#include "core/system_list.h"
#include "elements/tests/run_test.h"

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
};

}  // namespace

TEST_F(SavedDampers, SizesSurviveTheFile) {
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
    SetOn(duct, cf);
    EXPECT_EQ(duct->Insert(13), 0);

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
        }
    }
    EXPECT_EQ(found, 2);
}
