#include "dcl/attributes.h"

#include <cstdlib>
#include <set>

namespace host::dcl {

namespace {

const std::set<std::string>& stringAttributes() {
    static const std::set<std::string> names = {"key", "label", "action", "mnemonic", "list",
                                                "tabs", "initial_focus", "password_char"};
    return names;
}

const std::set<std::string>& numberAttributes() {
    static const std::set<std::string> names = {"width", "height", "edit_width", "edit_limit",
                                                "min_value", "max_value", "small_increment",
                                                "big_increment", "aspect_ratio"};
    return names;
}

const std::set<std::string>& booleanAttributes() {
    static const std::set<std::string> names = {
        "is_default", "is_cancel", "is_enabled", "is_tab_stop", "allow_accept",
        "fixed_height", "fixed_width", "children_fixed_height", "children_fixed_width",
        "multiple_select", "is_bold", "tab_truncate"};
    return names;
}

const std::set<std::string>& colorWords() {
    static const std::set<std::string> names = {
        "dialog_line", "dialog_foreground", "dialog_background", "graphics_background",
        "graphics_foreground", "black", "red", "yellow", "green", "cyan", "blue", "magenta", "white"};
    return names;
}

bool isNumber(const Value& v) { return v.type == ValueType::Integer || v.type == ValueType::Real; }

} // namespace

std::string checkAttribute(const std::string& name, const Value& value) {
    if (stringAttributes().count(name))
        return value.type == ValueType::String ? "" : "attribute '" + name + "' takes a quoted string";
    if (name == "value")  // written as a string, numbers tolerated
        return value.type == ValueType::Word ? "attribute 'value' takes a quoted string" : "";
    if (numberAttributes().count(name))
        return isNumber(value) ? "" : "attribute '" + name + "' takes a number";
    if (booleanAttributes().count(name)) {
        bool ok = value.type == ValueType::Word && (value.text == "true" || value.text == "false");
        return ok ? "" : "attribute '" + name + "' takes true or false";
    }
    if (name == "alignment" || name == "children_alignment") {
        static const std::set<std::string> words = {"left", "right", "centered", "top", "bottom"};
        bool ok = value.type == ValueType::Word && words.count(value.text);
        return ok ? "" : "attribute '" + name + "' takes left, right, centered, top or bottom";
    }
    if (name == "layout") {
        bool ok = value.type == ValueType::Word && (value.text == "horizontal" || value.text == "vertical");
        return ok ? "" : "attribute 'layout' takes horizontal or vertical";
    }
    if (name == "color") {
        bool ok = value.type == ValueType::Integer ||
                  (value.type == ValueType::Word && colorWords().count(value.text));
        return ok ? "" : "attribute 'color' takes a colour number or name";
    }
    return "";
}

std::string attributeText(const Value& value) { return value.text; }

bool isTrue(const Value* value, bool fallback) {
    if (!value || value->type != ValueType::Word) return fallback;
    if (value->text == "true") return true;
    if (value->text == "false") return false;
    return fallback;
}

double numberOf(const Value* value, double fallback) {
    if (!value || !isNumber(*value)) return fallback;
    return std::strtod(value->text.c_str(), nullptr);
}

} // namespace host::dcl
