// The continuous-placement rules of the function table.
#include <gtest/gtest.h>

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

enum Code { kLnvl = 1, kLcontd = 23 };

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
    // On: the toggle turns it off without a run.
    InvokeFunctionCode(kLcontd);
    EXPECT_EQ(placementRuns, 2);
    EXPECT_EQ(ContinuousMode(), 0);
}

TEST_F(ContinuousModeTest, EveryFunctionHasTheRuleOfItsGroup) {
    // Placing functions run a placement while the mode is on (and a failed
    // run keeps it on), functions that change the setting turn it off, the
    // rest leave it as it is.
    const int continueCodes[] = {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 15};
    const int offCodes[] = {8, 14, 16, 18, 19, 20, 21, 22};
    const int unchangedCodes[] = {17, 24, 25, 26, 27};
    int counted = 0;
    for (int code : continueCodes) {
        for (int16_t mode : {0, 1}) {
            SetContinuousMode(mode);
            placementRuns = 0;
            placementResult = code % 2 ? -1 : 0;
            InvokeFunctionCode(code);
            EXPECT_EQ(placementRuns, mode) << code;
            EXPECT_EQ(ContinuousMode(), mode) << code;
        }
        ++counted;
    }
    placementResult = 0;
    for (int code : offCodes) {
        SetContinuousMode(1);
        placementRuns = 0;
        InvokeFunctionCode(code);
        EXPECT_EQ(placementRuns, 0) << code;
        EXPECT_EQ(ContinuousMode(), 0) << code;
        ++counted;
    }
    for (int code : unchangedCodes) {
        for (int16_t mode : {0, 1}) {
            SetContinuousMode(mode);
            placementRuns = 0;
            InvokeFunctionCode(code);
            EXPECT_EQ(placementRuns, 0) << code;
            EXPECT_EQ(ContinuousMode(), mode) << code;
        }
        ++counted;
    }
    EXPECT_EQ(counted + 1, kFunctionCount);  // and the toggle
}

TEST_F(ContinuousModeTest, TheModeIsKeptAcrossDrawings) {
    SetContinuousMode(1);
    host::shell::Document* second = NewDocument();
    Send(AcRx::kLoadDwgMsg, second);
    InvokeFunctionCode(kLnvl);
    EXPECT_EQ(placementRuns, 1);
}
