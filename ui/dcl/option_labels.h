// Texts of the option parameters in the properties dialogs.  On/off flags
// and radio choices have no caption in the type tables; the dialog file
// names them itself: a label beside the tile and the texts of the radio
// buttons (value 1, 2, ... in order).
#pragma once

constexpr int kMaxOptionChoices = 4;

struct OptionLabel {
    const char* dialogKey;
    int param;
    const char* label;
    bool flag;  // an on/off flag (0 or 1), shown as a toggle
    const char* choices[kMaxOptionChoices];  // radio button texts; null ends
};

// The texts of a parameter of a dialog, or null when it has none.
const OptionLabel* FindOptionLabel(const char* dialogKey, int param);
// Number of radio button texts of an entry.
int OptionChoiceCount(const OptionLabel& option);
