// The dialog framework in place of MFC: include this where the platform's
// framework headers would be included.
#pragma once

#include "mfc_dialog.h"
#include "mfc_resource.h"
#include "mfc_string.h"
#include "mfc_template.h"
#include "mfc_window.h"
#include "windows_min.h"

// The host's main frame: the parent and owner of the module's dialogs and
// message boxes.
CWnd* acedGetAcadFrame();
HWND adsw_acadMainWnd();
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
