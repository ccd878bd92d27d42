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
    values_["CMDECHO"] = shortVar(1);
    values_["PICKBOX"] = shortVar(3);
    values_["HIGHLIGHT"] = shortVar(1);
    values_["OSMODE"] = shortVar(0);
    values_["FILEDIA"] = shortVar(0);
    values_["ANGDIR"] = shortVar(0);
    values_["ERRNO"] = shortVar(0);
    // 2 and up: files named for a save are replaced without the question.
    values_["EXPERT"] = rangedShortVar(0, 0, 5);
    values_["ANGBASE"] = realVar(0);
    values_["TEXTSIZE"] = realVar(2.5);
    values_["LTSCALE"] = realVar(1);
    values_["DIMSCALE"] = realVar(1);
    values_["LASTPOINT"] = pointVar(origin);
    values_["CLAYER"] = textVar("0");
    values_["CECOLOR"] = textVar("BYLAYER");
    values_["CELTYPE"] = textVar("BYLAYER");
    values_["TEXTSTYLE"] = textVar("STANDARD");
    values_["DIMSTYLE"] = textVar("STANDARD", true);
    values_["DWGNAME"] = textVar("", true);
    values_["ACADVER"] = textVar("", true);
}

const SysVarValue* SysVars::find(std::string_view name) const {
    auto it = values_.find(upper(name));
    return it == values_.end() ? nullptr : &it->second;
}

bool SysVars::set(std::string_view name, const SysVarValue& value) {
    auto it = values_.find(upper(name));
    if (it == values_.end() || it->second.readOnly) return false;
    SysVarValue& old = it->second;
    bool sameKind = old.type == value.type ||
                    (old.type == RTREAL && value.type == RTSHORT) ||
                    (old.type == RT3DPOINT && value.type == RTPOINT);
    if (!sameKind) return false;
    if (old.type == RTSHORT && (value.shortValue < old.least || value.shortValue > old.most)) return false;
    SysVarValue next = value;
    next.readOnly = false;
    next.least = old.least;
    next.most = old.most;
    if (old.type == RTREAL && value.type == RTSHORT) next.realValue = value.shortValue;
    next.type = old.type;
    old = next;
    return true;
}

void SysVars::force(std::string_view name, const SysVarValue& value) {
    SysVarValue next = value;
    if (const SysVarValue* old = find(name)) {
        next.readOnly = old->readOnly || value.readOnly;
        next.least = old->least;
        next.most = old->most;
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
