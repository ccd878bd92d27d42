// The continuous-placement rules of the function table.
#include <set>

#include "app/dispatch.h"
#include "app/function_table.h"
#include "module_fixture.h"

namespace {

int placementRuns = 0;
int placementResult = 0;

int CountingPlacement() {
    ++placementRuns;
    return placementResult;
}

class ContinuousModeTest : public ModuleFixture {
protected:
    void SetUp() override {
        ModuleFixture::SetUp();
        NewDocument();
        StartModule();
        previous = SetPlacementRunner(CountingPlacement);
        placementRuns = 0;
        placementResult = 0;
    }
    void TearDown() override {
        SetPlacementRunner(previous);
        ModuleFixture::TearDown();
    }
    PlacementRunner previous = nullptr;
};

} // namespace

TEST_F(ContinuousModeTest, ToggleStartsAPlacementRunThatTurnsTheModeOnUnlessItFails) {
    placementResult = -1;
    InvokeFunctionCode(kLcontd);
    EXPECT_EQ(placementRuns, 1);
    EXPECT_EQ(ContinuousMode(), 0);
    // A run that ends (also by a cancel) turns the mode on.
    placementResult = 0;
    InvokeFunctionCode(kLcontd);
    EXPECT_EQ(placementRuns, 2);
    EXPECT_EQ(ContinuousMode(), 1);
    // The mode is kept across drawings.
    host::shell::Document* second = NewDocument();
    Send(AcRx::kLoadDwgMsg, second);
    InvokeFunctionCode(kLnvl);
    EXPECT_EQ(placementRuns, 3);
    // On: the toggle turns it off without a run.
    InvokeFunctionCode(kLcontd);
    EXPECT_EQ(placementRuns, 3);
    EXPECT_EQ(ContinuousMode(), 0);
}

TEST_F(ContinuousModeTest, EveryFunctionHasTheRuleOfItsGroup) {
    // Placing functions run a placement while the mode is on (and a failed
    // run keeps it on), functions that change the setting turn it off, the
    // rest leave it as it is.
    const std::set<int> turnOff = {8, 14, 16, 18, 19, 20, 21, 22}, unchanged = {17, 24, 25, 26, 27};
    for (int code = 0; code < kFunctionCount; ++code) {
        if (code == kLcontd)
            continue;
        bool placing = !turnOff.count(code) && !unchanged.count(code);
        for (int16_t mode : {0, 1}) {
            SetContinuousMode(mode);
            placementRuns = 0;
            placementResult = code % 2 ? -1 : 0;
            InvokeFunctionCode(code);
            EXPECT_EQ(placementRuns, placing ? mode : 0) << code;
            EXPECT_EQ(ContinuousMode(), turnOff.count(code) ? 0 : mode) << code;
        }
    }
}
