// The few Windows types and calls the module uses, on top of the host.
//
// Message boxes are answered by an input line (ok, cancel, yes, no), module
// handles come from a small registry that the host shell fills when it
// loads a plug-in, and resource-handle switching has nothing to switch.
#pragma once

#include <cstdint>

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef unsigned int UINT;
typedef long LONG;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef wchar_t WCHAR;
typedef wchar_t TCHAR;
typedef const wchar_t* LPCWSTR;
typedef wchar_t* LPWSTR;
typedef const wchar_t* LPCTSTR;
typedef wchar_t* LPTSTR;
typedef const char* LPCSTR;
typedef char* LPSTR;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
#ifndef _T
#define _T(x) L##x
#endif
#ifndef MAX_PATH
#define MAX_PATH 260
#endif

// A window: a dialog, one of its controls, or the host's main frame.
typedef struct HWND__* HWND;
// A loaded module (the host program or a plug-in).
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;

// Message box button sets, icons and default buttons.
#define MB_OK 0x00000000u
#define MB_OKCANCEL 0x00000001u
#define MB_YESNOCANCEL 0x00000003u
#define MB_YESNO 0x00000004u
#define MB_TYPEMASK 0x0000000Fu
#define MB_ICONHAND 0x00000010u
#define MB_ICONQUESTION 0x00000020u
#define MB_ICONEXCLAMATION 0x00000030u
#define MB_ICONASTERISK 0x00000040u
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_ICONMASK 0x000000F0u
#define MB_DEFBUTTON1 0x00000000u
#define MB_DEFBUTTON2 0x00000100u
#define MB_DEFBUTTON3 0x00000200u
#define MB_DEFMASK 0x00000F00u
#define MB_APPLMODAL 0x00000000u
#define MB_TASKMODAL 0x00002000u

// Command ids of the standard buttons, also what MessageBoxW returns.
#define IDOK 1
#define IDCANCEL 2
#define IDYES 6
#define IDNO 7

#define ERROR_SUCCESS 0u
#define ERROR_INVALID_PARAMETER 87u
#define ERROR_INSUFFICIENT_BUFFER 122u
#define ERROR_MOD_NOT_FOUND 126u

// Shows text under caption and reads the answer as one input line: "ok",
// "cancel", "yes" or "no" (any case), whichever the button set offers; an
// empty line takes the default button.  End of input, or "^C", answers
// Cancel when the box has a Cancel button, OK for an OK-only box and No for
// Yes/No.  Returns IDOK, IDCANCEL, IDYES or IDNO; 0 for an unknown button set.
int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

// The handle of a registered module, by its registered name or the file
// name of its path, without regard to case; null: the host program itself.
// Returns null (error ERROR_MOD_NOT_FOUND) for a module not loaded.
HMODULE GetModuleHandleW(LPCWSTR moduleName);
// Copies the module's full path into buffer (size characters with the
// terminator).  Returns the characters copied without the terminator; when
// the path does not fit it is cut, terminated, size is returned and the
// error is ERROR_INSUFFICIENT_BUFFER.  0 for an unknown handle.
DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size);

DWORD GetLastError();
void SetLastError(DWORD error);

namespace host::win {

// The shell registers each plug-in it loads: name is what the module asks
// for (e.g. L"LURAK.ARX"), path the full path of the loaded file.
// Registering a name again replaces its path and keeps its handle.
HMODULE registerModule(const wchar_t* name, const wchar_t* path);
void unregisterModule(const wchar_t* name);
// The path reported for the host program (default: the running executable).
void setProgramPath(const wchar_t* path);

} // namespace host::win
