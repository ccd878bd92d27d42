// A properties dialog: the type's catalogue page, code and air system, its
// slide, one row per parameter (caption and value tile), the airflows with
// their velocities, the bill-of-materials toggle and the remark.
#include "ui/dcl/dcl_source.h"
#include "ui/dcl/option_labels.h"

namespace {

std::string Key(const std::string& key) { return "key = " + DclQuote(key) + ";"; }

std::string Titles(const std::vector<std::string>& codes) {
    std::string title = "Element properties:";
    for (size_t i = 0; i < codes.size(); ++i)
        title += (i ? ", " : " ") + codes[i];
    return title;
}

std::string InfoRows() {
    std::string text;
    for (int i = 0; i < 3; ++i)
        text += "            : row { : text { " + Key(SeriesKey("t", i)) + " width = 16; } : lurak_value { " +
                Key(SeriesKey("l", i)) + " } }\n";
    return text;
}

// Radio buttons 1 to n, with the option's texts when it has them.
std::string RadioButtons(int group, int choices, const OptionLabel* option) {
    int named = option ? OptionChoiceCount(*option) : 0;
    if (named > 0)
        choices = named;
    std::string text;
    for (int value = 1; value <= choices; ++value) {
        std::string label = value <= named ? option->choices[value - 1] : std::to_string(value);
        text += " : radio_button { " + Key(RadioButtonKey(group, value)) + " label = " + DclQuote(label) + "; }";
    }
    return text;
}

std::string Label(const OptionLabel* option) {
    return option && option->label ? " label = " + DclQuote(option->label) + ";" : "";
}

std::string ValueTileDcl(const PropertiesLayout& layout, int index) {
    size_t i = static_cast<size_t>(index);
    const OptionLabel* option = FindOptionLabel(layout.dialogKey.c_str(), index);
    std::string key = Key(SeriesKey("v", index));
    switch (layout.valueTiles[i]) {
    case ValueTile::kList:
        return ": lurak_list { " + key + " }";
    case ValueTile::kRadio:
        return ": boxed_radio_row { " + key + Label(option) +
               RadioButtons(layout.radioGroups[i], layout.radioChoices[i], option) + " }";
    case ValueTile::kText:
        return ": edit_box { " + key + " edit_width = 24; edit_limit = 99; }";
    default:
        // A flag is a toggle only while every type gives it whole numbers.
        if (option && option->flag && layout.wholeNumbersOnly[i])
            return ": toggle { " + key + Label(option) + " }";
        return ": lurak_edit { " + key + Label(option) + " }";
    }
}

std::string ParameterRows(const PropertiesLayout& layout) {
    std::string text;
    for (size_t i = 0; i < layout.valueTiles.size(); ++i) {
        int index = static_cast<int>(i);
        ValueTile tile = layout.valueTiles[i];
        if (tile == ValueTile::kNone)
            continue;
        if (tile == ValueTile::kToggle) {
            text += "                : toggle { " + Key(SeriesKey("v", index)) + " label = \"lp mark\"; }\n";
            continue;
        }
        text += "                : row { : lurak_caption { " + Key(SeriesKey("p", index)) + " } " +
                ValueTileDcl(layout, index) + " }\n";
    }
    return text;
}

std::string AirflowRows(int count) {
    if (count <= 0)
        return "";
    std::string text = "    : boxed_column {\n        label = \"Airflow\";\n";
    for (int i = 0; i < count; ++i)
        text += "        : row { : edit_box { " + Key(SeriesKey("lm", i)) +
                " label = \"m3/h:\"; edit_width = 10; edit_limit = 31; } : text { " + Key(SeriesKey("ls", i)) +
                " width = 8; } : text { label = \"m/s\"; } }\n";
    return text + "    }\n";
}

}  // namespace

std::string PropertiesDialogDcl(const PropertiesLayout& layout) {
    std::string text = layout.dialogKey + " : dialog {\n";
    text += "    label = " + DclQuote(Titles(layout.typeCodes)) + ";\n";
    text += "    : row {\n";
    text += "        : column {\n";
    text += InfoRows();
    text += "            : boxed_column {\n";
    text += "                label = \"Parameters\";\n";
    text += ParameterRows(layout);
    text += "            }\n";
    text += "        }\n";
    text += "        : image { key = \"sld\"; width = 28; aspect_ratio = 0.75; color = graphics_background; }\n";
    text += "    }\n";
    text += AirflowRows(layout.flowCount);
    text += "    : toggle { key = \"dbjegy\"; label = \"Listed in the bill of materials\"; }\n";
    text += "    : edit_box { key = \"msg\"; label = \"Remark:\"; edit_width = 40; edit_limit = 99; }\n";
    text += "    : row {\n";
    text += "        : button { key = \"num\"; label = \"Recalculate\"; fixed_width = true; }\n";
    text += "    }\n";
    text += "    ok_cancel_help;\n";
    text += "}\n\n";
    return text;
}
