#include "shell/variable_values.h"

#include <algorithm>
#include <cmath>

#include "db/database.h"
#include "dxf/quoted_text.h"
#include "shell/answers.h"
#include "shell/colours.h"

namespace host::shell {

namespace {

constexpr const char* kNeedsInteger = "Requires an integer value.";
constexpr const char* kNeedsNumber = "Requires numeric value.";
constexpr const char* kNeedsText = "Requires a text value.";
constexpr const char* kNeedsPoint = "Invalid point.";
constexpr const char* kNeedsPositive = "Value must be positive and nonzero.";
constexpr const char* kNeedsZeroOrMore = "Value must be positive or zero.";
constexpr const char* kNeedsColour =
    "Requires a colour number from 1 to 255, BYLAYER, BYBLOCK or a colour name "
    "(red, yellow, green, cyan, blue, magenta, white).";

// `value` as a value of `variable`'s kind; false when it is of another.
bool madeKindOf(const SysVarValue& variable, SysVarValue& value) {
    if (value.type == variable.type) return true;
    if (variable.type == RTREAL && value.type == RTSHORT) {
        value.realValue = value.shortValue;
    } else if (variable.type == RT3DPOINT && value.type == RTPOINT) {
        value.point[2] = 0;
    } else {
        return false;
    }
    value.type = variable.type;
    return true;
}

// The record `name` names in `table`, its spelling taken into `name`;
// false when the drawing has none (or it is erased).
bool heldName(const db::Database* drawing, db::Table table, std::string& name) {
    if (!drawing) return false;
    std::string_view spelled;
    const db::Object* record = drawing->object(drawing->findRecord(table, name, spelled));
    if (!record || record->erased) return false;
    name = std::string(spelled);
    return true;
}

std::string textRefusal(Takes takes, std::string& text, const db::Database* drawing) {
    switch (takes) {
    case Takes::Colour: {
        // A number is 1 to 255: BYLAYER and BYBLOCK are only named.
        int number = 0;
        int colour = parseInteger(text, number) ? (number >= 1 && number <= 255 ? number : -1)
                                                : std::max(colourNumber(text), standardColourNumber(text));
        if (colour < 0) return kNeedsColour;
        text = colourText(colour);
        return {};
    }
    case Takes::Layer:
        return heldName(drawing, db::Table::Layer, text) ? std::string()
                                                         : "Cannot find layer " + dxf::inQuotes(text) + ".";
    case Takes::Linetype:
        return heldName(drawing, db::Table::Ltype, text) ? std::string()
                                                         : "Linetype " + dxf::inQuotes(text) + " is not loaded.";
    case Takes::TextStyle:
        return heldName(drawing, db::Table::Style, text) ? std::string()
                                                         : "Cannot find text style " + dxf::inQuotes(text) + ".";
    default: return {};
    }
}

} // namespace

std::string refusal(const SysVarValue& variable, SysVarValue& value, const db::Database* drawing) {
    if (!madeKindOf(variable, value)) return kindNeeded(variable.type);
    std::string refused;
    switch (variable.type) {
    case RTSHORT:
        if (value.shortValue < variable.least || value.shortValue > variable.most)
            refused = "Requires an integer between " + std::to_string(variable.least) + " and " +
                      std::to_string(variable.most) + ".";
        break;
    case RTREAL: {
        // A number no drawing can hold is no number at all.
        double v = value.realValue;
        if (!std::isfinite(v) || std::fabs(v) > kFarthestCoordinate)
            refused = kNeedsNumber;
        else if (variable.takes == Takes::Positive && !(v > 0))
            refused = kNeedsPositive;
        else if (variable.takes == Takes::ZeroOrMore && !(v >= 0))
            refused = kNeedsZeroOrMore;
        break;
    }
    case RTSTR: refused = textRefusal(variable.takes, value.text, drawing); break;
    default:
        for (double c : value.point)
            if (!std::isfinite(c)) refused = kNeedsPoint;
    }
    if (!refused.empty()) return refused;
    value.readOnly = false;
    value.least = variable.least;
    value.most = variable.most;
    value.takes = variable.takes;
    return {};
}

const char* kindNeeded(short type) {
    switch (type) {
    case RTSHORT: return kNeedsInteger;
    case RTREAL: return kNeedsNumber;
    case RTSTR: return kNeedsText;
    default: return kNeedsPoint;
    }
}

} // namespace host::shell
