#include "app/dispatch.h"

#include "aced_input.h"
#include "app/command_bodies.h"
#include "app/function_table.h"
#include "app/module_state.h"
#include "core/framed_label.h"
#include "core/message_numbers.h"
#include "core/messages.h"
#include "core/string_convert.h"

static int16_t continuousMode = 0;
static PlacementRunner placementRunner = ContinuePlacement;

int16_t ContinuousMode() { return continuousMode; }

void SetContinuousMode(int16_t mode) { continuousMode = mode; }

PlacementRunner SetPlacementRunner(PlacementRunner runner) {
    PlacementRunner previous = placementRunner;
    placementRunner = runner ? runner : ContinuePlacement;
    return previous;
}

// "C:lcontd": on -> off without asking; off -> run continuous placement
// now, and keep it on when the user ended the run by cancelling.
static void ToggleContinuousMode() {
    if (continuousMode == 1) {
        continuousMode = 0;
        return;
    }
    if (placementRunner() == 0)
        continuousMode = 1;
}

static void RunFunction(const FunctionEntry& entry) {
    switch (entry.rule) {
    case ContinuousRule::kToggle:
        ToggleContinuousMode();
        return;
    case ContinuousRule::kContinue:
        entry.body(entry.argument);
        if (continuousMode != 0)
            placementRunner();
        return;
    case ContinuousRule::kOff:
        entry.body(entry.argument);
        continuousMode = 0;
        return;
    case ContinuousRule::kUnchanged:
        entry.body(entry.argument);
        return;
    }
}

int InvokeFunction() {
    if (!HostVersionAccepted())
        return 0;
    return InvokeFunctionCode(acedGetFunCode());
}

int InvokeFunctionCode(int code) {
    if (!HostVersionAccepted())
        return 0;
    if (code < 0) {
        acedRetVoid();
        return 0;
    }
    const FunctionEntry* entry = FunctionAt(code);
    if (!entry) {
        acdbFail(ToWide(CommandMessage(kMsgUnknownFunction)).c_str());
        return 0;
    }
    {
        // A command reads many elements: whose framed labels are whose is
        // read from the drawing once for all of them.
        FramedLabelClaimsScope claims;
        RunFunction(*entry);
    }
    acedRetVoid();
    return 1;
}
