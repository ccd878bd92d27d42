#include "app/entry_point.h"

#include "aced_input.h"
#include "ads_entity.h"
#include "app/dispatch.h"
#include "app/doc_state.h"
#include "app/function_table.h"
#include "app/host_version.h"
#include "app/install_directory.h"
#include "app/integration_hooks.h"
#include "app/module_state.h"
#include "app/reactors.h"
#include "core/environment.h"
#include "core/messages.h"
#include "core/string_convert.h"
#include "core/type_tables.h"
#include "elements/element_families.h"

static void RegisterApplicationName() {
    ModuleState& module = Module();
    acdbRegApp(module.applicationName);
    module.appNameFilter.rbnext = nullptr;
    module.appNameFilter.restype = RTSTR;
    module.appNameFilter.resval.rstring = module.applicationName;
}

void InitializeModule(void* appId) {
    ResetModuleState();
    SetContinuousMode(0);
    ModuleState& module = Module();
    CheckHostVersion();
    if (AcRxDynamicLinker* linker = acrxDynamicLinker) {
        linker->unlockApplication(appId);
        linker->registerAppMDIAware(appId);
    }
    LocateInstallDirectory();
    ToWideString(kApplicationName, module.applicationName, kPathSize);
    RegisterApplicationName();
    if (LoadMessages(InstallDirectory()) != 0) {
        acdbFail(ToWide(kMessagesFileMissing).c_str());
        return;
    }
    module.messagesLoaded = 1;
    RegisterElementFamilies();
    InitTypeTables();
    InstallSystemUpdates();
    StartReactors();
    module.linetypesPending = 1;
    module.quitPending = 0;
}

// The tables that initialization filled: the type rows and the message
// texts.
static void ReleaseModuleTables() {
    ReleaseTypeTables();
    ClearMessages();
}

void UnloadModule() {
    UndefineFunctions();
    if (Module().quitPending == 0)
        RemoveDocState();
    StopReactors();
    RemoveSystemUpdates();
    if (Module().messagesLoaded)
        ReleaseModuleTables();
    Module().messagesLoaded = 0;
}

void LoadDrawing() {
    ModuleState& module = Module();
    if (!module.messagesLoaded)
        return;
    acedCommand(RTSTR, L"_MENULOAD", RTSTR, L"LURAK.cui", RTNONE);
    RegisterApplicationName();
    module.linetypesPending = 1;
    SwitchDocState();
    DefineFunctions();
}

void UnloadDrawing() {
    if (!Module().messagesLoaded)
        return;
    UndefineFunctions();
    if (Module().quitPending != 0) {
        RemoveDocState();
        return;
    }
    // The state stays until the drawing is found closed, but the label
    // reactor leaves the closing drawing's labels now: the drawing may be
    // gone, with nothing left to detach from, by the time the module unloads.
    AcApDocManager* manager = acDocManager;
    if (manager && DocStateOf(manager->curDocument()))
        DetachDrawingLabelReactors();
}

void CallFunction() {
    ModuleState& module = Module();
    if (!module.messagesLoaded)
        return;
    SwitchDocState();
    // The linetypes load on the first call after a drawing load whatever
    // the host version; only the functions themselves stay inert.
    if (module.linetypesPending == 1) {
        LoadSystemLinetypes();
        module.linetypesPending = 0;
    }
    InvokeFunction();
}

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
    switch (msg) {
    case AcRx::kInitAppMsg: InitializeModule(appId); break;
    case AcRx::kUnloadAppMsg: UnloadModule(); break;
    case AcRx::kLoadDwgMsg: LoadDrawing(); break;
    case AcRx::kUnloadDwgMsg: UnloadDrawing(); break;
    case AcRx::kInvkSubrMsg: CallFunction(); break;
    case AcRx::kPreQuitMsg: Module().quitPending = 1; break;
    default: break;
    }
    return AcRx::kRetOK;
}

extern "C" int acrxGetApiVersion() { return ACRX_API_VERSION; }
