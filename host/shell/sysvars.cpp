#include "shell/sysvars.h"

#include "shell/text.h"

namespace host::shell {

SysVarValue shortVar(short value, bool readOnly) {
    SysVarValue v;
    v.type = RTSHORT;
    v.shortValue = value;
    v.readOnly = readOnly;
    return v;
}

SysVarValue rangedShortVar(short value, short least, short most) {
    SysVarValue v = shortVar(value);
    v.least = least;
    v.most = most;
    return v;
}

SysVarValue realVar(double value, bool readOnly) {
    SysVarValue v;
    v.type = RTREAL;
    v.realValue = value;
    v.readOnly = readOnly;
    return v;
}

SysVarValue checkedRealVar(double value, Takes takes) {
    SysVarValue v = realVar(value);
    v.takes = takes;
    return v;
}

SysVarValue checkedTextVar(std::string value, Takes takes) {
    SysVarValue v = textVar(std::move(value));
    v.takes = takes;
    return v;
}

SysVarValue textVar(std::string value, bool readOnly) {
    SysVarValue v;
    v.type = RTSTR;
    v.text = std::move(value);
    v.readOnly = readOnly;
    return v;
}

SysVarValue pointVar(const double point[3], bool readOnly) {
    SysVarValue v;
    v.type = RT3DPOINT;
    for (int i = 0; i < 3; ++i) v.point[i] = point[i];
    v.readOnly = readOnly;
    return v;
}

SysVars::SysVars() {
    const double origin[3] = {0, 0, 0};
    // Switches take 0 and 1; OSMODE is a sum of bits, the highest 16384.
    values_["CMDECHO"] = rangedShortVar(1, 0, 1);
    values_["PICKBOX"] = rangedShortVar(3, 0, 50);
    values_["HIGHLIGHT"] = rangedShortVar(1, 0, 1);
    values_["OSMODE"] = rangedShortVar(0, 0, std::numeric_limits<short>::max());
    values_["FILEDIA"] = rangedShortVar(0, 0, 1);
    values_["ANGDIR"] = rangedShortVar(0, 0, 1);
    values_["ERRNO"] = shortVar(0);
    // 2 and up: files named for a save are replaced without the question.
    values_["EXPERT"] = rangedShortVar(0, 0, 5);
    values_["ANGBASE"] = realVar(0);
    // The drawing's own (drawing_vars.h): these are the values of a drawing
    // whose header lacks them.
    values_["TEXTSIZE"] = checkedRealVar(2.5, Takes::Positive);
    values_["LTSCALE"] = checkedRealVar(1, Takes::Positive);
    values_["DIMSCALE"] = checkedRealVar(1, Takes::ZeroOrMore);
    values_["LASTPOINT"] = pointVar(origin);
    values_["CLAYER"] = checkedTextVar("0", Takes::Layer);
    values_["CECOLOR"] = checkedTextVar("BYLAYER", Takes::Colour);
    values_["CELTYPE"] = checkedTextVar("ByLayer", Takes::Linetype);
    values_["TEXTSTYLE"] = checkedTextVar("Standard", Takes::TextStyle);
    values_["DIMSTYLE"] = textVar("Standard", true);
    values_["DWGNAME"] = textVar("", true);
    values_["ACADVER"] = textVar("", true);
}

const SysVarValue* SysVars::find(std::string_view name) const {
    auto it = values_.find(upper(name));
    return it == values_.end() ? nullptr : &it->second;
}

void SysVars::force(std::string_view name, const SysVarValue& value) {
    SysVarValue next = value;
    if (const SysVarValue* old = find(name)) {
        next.readOnly = old->readOnly || value.readOnly;
        next.least = old->least;
        next.most = old->most;
        next.takes = old->takes;
    }
    values_[upper(name)] = next;
}

short SysVars::getShort(std::string_view name, short fallback) const {
    const SysVarValue* v = find(name);
    return v && v->type == RTSHORT ? v->shortValue : fallback;
}

double SysVars::getReal(std::string_view name, double fallback) const {
    const SysVarValue* v = find(name);
    return v && v->type == RTREAL ? v->realValue : fallback;
}

} // namespace host::shell
