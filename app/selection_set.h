// A host selection set owned for one command: released on every way out.
#pragma once

#include "ads_entity.h"
#include "ads_types.h"

class SelectionSet {
public:
    SelectionSet() = default;
    SelectionSet(const SelectionSet&) = delete;
    SelectionSet& operator=(const SelectionSet&) = delete;
    ~SelectionSet() { Release(); }

    // The user's selection (no prompt, filter or mode): the host's status.
    int Ask() {
        Release();
        int status = acedSSGet(nullptr, nullptr, nullptr, nullptr, set);
        held = status == RTNORM;
        return status;
    }
    long Length() const {
        long n = 0;
        return held && acedSSLength(set, &n) == RTNORM ? n : -1;
    }
    bool At(long i, ads_name out) const { return held && acedSSName(set, i, out) == RTNORM; }
    void Release() {
        if (held)
            acedSSFree(set);
        held = false;
        ads_name_clear(set);
    }

private:
    ads_name set = {0, 0};
    bool held = false;
};
