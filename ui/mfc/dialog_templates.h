// The module's own dialog templates, declared in code.  Every dialog
// class registers them before it runs, so no caller needs to.
#pragma once

#include "windows_min.h"

constexpr UINT kSysDialogTemplate = 130;
constexpr UINT kStartDialogTemplate = 132;
constexpr UINT kInfoDialogTemplate = 133;
constexpr UINT kExplodeDialogTemplate = 135;
constexpr UINT kCopyDialogTemplate = 136;
constexpr UINT kDimDialogTemplate = 137;
constexpr UINT kScaleDialogTemplate = 138;
constexpr UINT kCustomDialogTemplate = 139;
constexpr UINT kOptionDialogTemplate = 145;

// The help button every template but the information dialog's carries.
constexpr int kHelpButton = 1006;

// Registers those of the nine templates that the framework lacks.
void RegisterDialogTemplates();
