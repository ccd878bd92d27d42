#include "app/function_table.h"

#include "aced_input.h"
#include "app/command_bodies.h"

namespace {

using R = ContinuousRule;

// Element-placement pages of the type chooser: 1 rectangular ducts, 2 round
// ducts, 3 air terminals, 4 fire dampers, 6 fans, 7 heaters, 8 filters.
const FunctionEntry functionTable[kFunctionCount] = {
    {L"C:lnvf", PlaceElement, 2, R::kContinue},
    {L"C:lnvl", PlaceElement, 1, R::kContinue},
    {L"C:lracs", PlaceElement, 3, R::kContinue},
    {L"C:ltuzv", PlaceElement, 4, R::kContinue},
    {L"C:lvnt", PlaceElement, 6, R::kContinue},
    {L"C:lklr", PlaceElement, 7, R::kContinue},
    {L"C:lflt", PlaceElement, 8, R::kContinue},
    {L"C:linf", ShowEntityData, 0, R::kContinue},
    {L"C:lstart", StartSystem, 0, R::kOff},
    {L"C:lcur", SetCurrentElement, 0, R::kContinue},
    {L"C:lrot", RotateElement, 0, R::kContinue},
    {L"C:lplane", ChangePlane, 0, R::kContinue},
    {L"C:lmove", MoveElement, 0, R::kContinue},
    {L"C:lexplode", ExplodeElements, 0, R::kContinue},
    {L"C:lsys", EditSystems, 0, R::kOff},
    {L"C:lprop", EditElementProperties, 0, R::kContinue},
    {L"C:ldim", DimensionNetwork, 0, R::kOff},
    {L"C:lairdim", PlaceFlowLabel, 0, R::kUnchanged},
    {L"C:llist", ListMaterials, 0, R::kOff},
    {L"C:lalist", ListMaterials, 1, R::kOff},
    {L"C:lins", InsertBetween, 0, R::kOff},
    {L"C:lcopy", CopyElements, 0, R::kOff},
    {L"C:lmirror", MirrorElements, 0, R::kOff},
    {L"C:lcontd", nullptr, 0, R::kToggle},
    {L"C:lcprop", EditOptions, 0, R::kUnchanged},
    {L"C:lhelp", ShowMainHelp, 0, R::kUnchanged},
    {L"C:linfo", ShowInfoDialog, 0, R::kUnchanged},
    {L"C:lcustom", DefineCustomElement, 0, R::kUnchanged},
};

} // namespace

const FunctionEntry* FunctionAt(int code) {
    if (code < 0 || code >= kFunctionCount)
        return nullptr;
    return &functionTable[code];
}

const wchar_t* FunctionName(int code) {
    const FunctionEntry* entry = FunctionAt(code);
    return entry ? entry->name : nullptr;
}

int DefineFunctions() {
    for (short code = 0; code < kFunctionCount; ++code)
        if (acedDefun(functionTable[code].name, code) != RTNORM)
            return RTERROR;
    return RTNORM;
}

int UndefineFunctions() {
    for (short code = 0; code < kFunctionCount; ++code)
        acedUndef(functionTable[code].name, code);
    return RTNORM;
}
