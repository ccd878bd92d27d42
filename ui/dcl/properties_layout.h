// What the properties dialog of each dialog key needs in the dialog file,
// gathered from the type tables: several types can share one dialog, and
// the dialog then offers the tiles of all of them.
#pragma once

#include <string>
#include <vector>

#include "core/type_descriptor.h"

// The tile a parameter's value is shown in.
enum class ValueTile { kNone, kEdit, kList, kRadio, kText, kToggle };

// The tile of a parameter kind (the descriptor's kinds): lists for the
// kinds chosen from a list, a radio column for -5, a text box for -7, an
// edit box for every other kind.
ValueTile ValueTileOfKind(int kind);

// Radio buttons of a -5 parameter: values 1 to its list count, or to
// kRadioChoices when the row gives no count.
constexpr int kRadioChoices = 4;

struct PropertiesLayout {
    std::string dialogKey;
    std::vector<std::string> typeCodes;  // display codes of the types using it
    std::vector<ValueTile> valueTiles;   // by parameter index ("v0", "v1", ...)
    std::vector<int> radioGroups;        // by parameter index: the radio group n, or -1
    std::vector<int> radioChoices;       // by parameter index: buttons of a radio group
    std::vector<bool> wholeNumbersOnly;  // by parameter index: every row's kind is -4
    int flowCount = 0;                   // "lm0"/"ls0" onward
};

struct PropertiesLayouts {
    std::vector<PropertiesLayout> dialogs;  // in the order the keys first appear
    // Types whose tiles do not fit a dialog they share with others: a
    // parameter shown there by a tile of another kind.
    std::vector<std::string> conflicts;
};

// From the type tables of the families 1 to 5, which must be set up, and
// with a dialog for every key of the catalogue's key column.  A type
// without a class still names its dialog but is never shown in it, so its
// tiles cannot clash.
PropertiesLayouts CollectPropertiesLayouts();
// From the given rows only (rows without a dialog key are passed over);
// the rows in unshown take their part in the tiles but are not checked.
PropertiesLayouts CollectPropertiesLayouts(const std::vector<const LTypeDescriptor*>& rows,
                                           const std::vector<const LTypeDescriptor*>& unshown = {});

// The key of the n-th tile of a series: "v" with n 3 gives "v3".
std::string SeriesKey(const char* prefix, int n);
// The key of a radio button: n + 1 underscores and the value.
std::string RadioButtonKey(int group, int value);
