// The host version check: the module runs only on the host releases it was
// built for, "17.0", "17.1" and "17.2".
#pragma once

#include <cstddef>

// Copies the host's version text, cut to outSize bytes with its
// terminator, into out.  Returns 1, or 0 when the host cannot tell its
// version (no application services, or no text); out is then unchanged.
int GetHostString(char* out, size_t outSize);

// True when the text's first four characters are exactly "17.0", "17.1" or
// "17.2" (case and all); whatever follows does not count.
bool IsSupportedHostVersion(const char* version);

// Sets the module's hostVersionOk from the host.  A refused version shows
// the version box; no version at all is refused silently.
void CheckHostVersion();
