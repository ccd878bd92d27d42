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

enum Code { kLnvf = 0, kLnvl = 1, kLinf = 7, kLcontd = 23 };

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

TEST_F(ContinuousModeTest, ToggleStartsAPlacementRunAndACancelledRunTurnsTheModeOn) {
    ASSERT_EQ(ContinuousMode(), 0);
    InvokeFunctionCode(kLcontd);
    EXPECT_EQ(placementRuns, 1);
    EXPECT_EQ(ContinuousMode(), 1);
    // On: the toggle turns it off without a run.
    InvokeFunctionCode(kLcontd);
    EXPECT_EQ(placementRuns, 1);
    EXPECT_EQ(ContinuousMode(), 0);
}

TEST_F(ContinuousModeTest, FailedPlacementRunLeavesTheModeOff) {
    placementResult = -1;
    InvokeFunctionCode(kLcontd);
    EXPECT_EQ(placementRuns, 1);
    EXPECT_EQ(ContinuousMode(), 0);
}

TEST_F(ContinuousModeTest, ContinueFunctionsRunPlacementOnlyWhileTheModeIsOn) {
    InvokeFunctionCode(kLnvl);
    InvokeFunctionCode(kLinf);
    EXPECT_EQ(placementRuns, 0);
    SetContinuousMode(1);
    InvokeFunctionCode(kLnvl);
    InvokeFunctionCode(kLnvf);
    InvokeFunctionCode(kLinf);
    EXPECT_EQ(placementRuns, 3);
    // A failing run does not end the mode.
    placementResult = -1;
    InvokeFunctionCode(kLnvl);
    EXPECT_EQ(placementRuns, 4);
    EXPECT_EQ(ContinuousMode(), 1);
}

TEST_F(ContinuousModeTest, EveryFunctionHasTheRuleOfItsGroup) {
    const int continueCodes[] = {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 15};
    const int offCodes[] = {8, 14, 16, 18, 19, 20, 21, 22};
    const int unchangedCodes[] = {17, 24, 25, 26, 27};
    int counted = 0;
    for (int code : continueCodes) {
        SetContinuousMode(1);
        placementRuns = 0;
        InvokeFunctionCode(code);
        EXPECT_EQ(placementRuns, 1) << code;
        EXPECT_EQ(ContinuousMode(), 1) << code;
        ++counted;
    }
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
