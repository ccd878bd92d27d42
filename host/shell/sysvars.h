// System variables of one document: typed values with their defaults.
#pragma once

#include <limits>
#include <map>
#include <string>

#include "ads_types.h"

namespace host::shell {

struct SysVarValue {
    short type = RTSHORT;  // RTSHORT, RTREAL, RTSTR or RT3DPOINT
    short shortValue = 0;
    double realValue = 0;
    double point[3] = {0, 0, 0};
    std::string text;  // UTF-8
    bool readOnly = false;
    // The values an RTSHORT variable takes.
    short least = std::numeric_limits<short>::min();
    short most = std::numeric_limits<short>::max();
};

class SysVars {
public:
    SysVars();
    // Null for an unknown name; names compare without case.
    const SysVarValue* find(std::string_view name) const;
    // False for an unknown name, a read-only variable, a wrong type or a
    // short out of the variable's range.
    bool set(std::string_view name, const SysVarValue& value);
    // Sets a value even when it is read-only (the host's own updates).
    void force(std::string_view name, const SysVarValue& value);

    short getShort(std::string_view name, short fallback = 0) const;
    double getReal(std::string_view name, double fallback = 0) const;

private:
    std::map<std::string, SysVarValue> values_;
};

SysVarValue shortVar(short value, bool readOnly = false);
// A short that takes only the values least to most.
SysVarValue rangedShortVar(short value, short least, short most);
SysVarValue realVar(double value, bool readOnly = false);
SysVarValue textVar(std::string value, bool readOnly = false);
SysVarValue pointVar(const double point[3], bool readOnly = false);

} // namespace host::shell
