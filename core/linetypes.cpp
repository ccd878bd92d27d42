#include "core/linetypes.h"

#include "aced_input.h"
#include "core/string_convert.h"

const char* const kSystemLinetypes[kSystemLinetypeCount] = {"KÖZÉP", "SZAGGATOTT", "CIKKCAKK"};

static int SetCmdEcho(short value) {
    resbuf rb;
    rb.rbnext = nullptr;
    rb.restype = RTSHORT;
    rb.resval.rint = value;
    return acedSetVar(L"CMDECHO", &rb);
}

int16_t LoadLinetypes() {
    resbuf saved;
    saved.rbnext = nullptr;
    bool haveEcho = acedGetVar(L"CMDECHO", &saved) == RTNORM && saved.restype == RTSHORT;
    SetCmdEcho(0);
    for (const char* name : kSystemLinetypes) {
        std::wstring wide = ToWide(name);
        // The first empty answer takes the offered linetype file; the second
        // takes the default of whatever the command asks next.
        acedCommand(RTSTR, L"_linetype", RTSTR, L"_load", RTSTR, wide.c_str(), RTSTR, L"", RTSTR, L"",
                    RTNONE);
        acedCommand(RTNONE);
    }
    if (haveEcho)
        SetCmdEcho(saved.resval.rint);
    return 0;
}
