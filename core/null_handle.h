// The one shared text that stands for "no handle".  Owners compare with it by
// pointer and never free it.
#pragma once

extern char* const NullHandleText;

inline bool IsNullHandle(const char* handle) { return handle == NullHandleText; }
// A heap copy of a handle text, or NullHandleText for null or "0".
char* CopyHandleText(const char* handle);
// Frees a handle text unless it is the shared one.
void FreeHandleText(char* handle);
