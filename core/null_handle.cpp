#include "core/null_handle.h"

#include <cstring>

static char nullHandleStorage[] = "0";
char* const NullHandleText = nullHandleStorage;

char* CopyHandleText(const char* handle) {
    if (!handle || handle == NullHandleText || std::strcmp(handle, "0") == 0)
        return NullHandleText;
    size_t n = std::strlen(handle);
    char* copy = new char[n + 1];
    std::memcpy(copy, handle, n + 1);
    return copy;
}

void FreeHandleText(char* handle) {
    if (handle && handle != NullHandleText)
        delete[] handle;
}
