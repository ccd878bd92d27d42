// System variables of one document: typed values with their defaults.
#pragma once

#include <cstdint>
#include <limits>
#include <map>
#include <string>

#include "ads_types.h"

namespace host::shell {

// What a variable takes beyond its kind and, for a short, its range.
enum class Takes : uint8_t {
    Any,
    Positive,    // a real above 0
    ZeroOrMore,  // a real of 0 or more
    Colour,      // 1 to 255, BYLAYER, BYBLOCK or a standard colour's name
    Layer,       // the name of a layer the drawing holds
    Linetype,    // BYLAYER, BYBLOCK or a linetype the drawing holds
    TextStyle,   // the name of a text style the drawing holds
};

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
    Takes takes = Takes::Any;
};

class SysVars {
public:
    SysVars();
    // Null for an unknown name; names compare without case.
    const SysVarValue* find(std::string_view name) const;
    // Sets a value as it is, also when it is read-only (the host's own
    // updates); what the variable takes stays.  Values the user or a
    // module gives are checked first (setDrawingVar).
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
// A real or a text that takes only what `takes` says.
SysVarValue checkedRealVar(double value, Takes takes);
SysVarValue textVar(std::string value, bool readOnly = false);
SysVarValue checkedTextVar(std::string value, Takes takes);
SysVarValue pointVar(const double point[3], bool readOnly = false);

} // namespace host::shell
