// Resource handles: remembered, never used (templates live in code).
#include "mfc_resource.h"

namespace {

HINSTANCE& currentResource() {
    static HINSTANCE handle = GetModuleHandleW(nullptr);
    return handle;
}

AFX_MODULE_STATE moduleState;

} // namespace

HINSTANCE AfxGetResourceHandle() { return currentResource(); }

void AfxSetResourceHandle(HINSTANCE resource) { currentResource() = resource; }

HINSTANCE AfxGetInstanceHandle() { return GetModuleHandleW(nullptr); }

HINSTANCE acedGetAcadResourceInstance() { return GetModuleHandleW(nullptr); }

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module) {
    state.bInitialized = TRUE;
    state.hModule = module;
    state.hResource = module;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL) { state.bInitialized = FALSE; }

AFX_MODULE_STATE* AfxGetStaticModuleState() { return &moduleState; }

CTemporaryResourceOverride::CTemporaryResourceOverride(HINSTANCE resource) : previous_(AfxGetResourceHandle()) {
    if (resource) AfxSetResourceHandle(resource);
}

CTemporaryResourceOverride::~CTemporaryResourceOverride() { AfxSetResourceHandle(previous_); }
