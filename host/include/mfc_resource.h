// Resource handles and the extension-module set-up of the dialog framework.
//
// Templates are registered in code and shared by every module, so there is
// nothing to switch: the handle calls only remember what they are given,
// so that the module's save-and-restore code runs as it would on the
// platform.
#pragma once

#include "windows_min.h"

struct AFX_MODULE_STATE {};

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
};

// The handle templates would be read from; the host program's at start.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE resource);
HINSTANCE AfxGetInstanceHandle();
// The host's own resources.
HINSTANCE acedGetAcadResourceInstance();

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module);
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL all = FALSE);
AFX_MODULE_STATE* AfxGetStaticModuleState();
#define AFX_MANAGE_STATE(p) ((void)(p))

// Makes a resource handle current for the life of the object and restores
// the previous one after; null: the module's own (here: left as it is).
class CTemporaryResourceOverride {
public:
    explicit CTemporaryResourceOverride(HINSTANCE resource = nullptr);
    ~CTemporaryResourceOverride();
    CTemporaryResourceOverride(const CTemporaryResourceOverride&) = delete;
    CTemporaryResourceOverride& operator=(const CTemporaryResourceOverride&) = delete;

private:
    HINSTANCE previous_;
};

typedef CTemporaryResourceOverride CAcModuleResourceOverride;
