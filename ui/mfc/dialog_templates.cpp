// Templates of the module's dialogs: sizes in dialog units, controls in
// tab order.  Titles and labels are empty here; each dialog sets them from
// the message tables when it opens.
#include "ui/mfc/dialog_templates.h"

#include "mfc.h"

using namespace host::mfc;

namespace {

constexpr DWORD kDropList = CBS_DROPDOWNLIST | CBS_SORT;
constexpr DWORD kDropEdit = CBS_DROPDOWN | CBS_SORT | CBS_AUTOHSCROLL;

// OK, Cancel and Help in a row along the bottom edge.
void AddButtons(std::vector<ControlTemplate>& controls, int x, int y, bool withCancel = true) {
    controls.push_back(defPushButton(IDOK, {x, y, 50, 14}, L"OK"));
    if (withCancel) {
        controls.push_back(pushButton(IDCANCEL, {x + 56, y, 50, 14}, L"Cancel"));
        controls.push_back(pushButton(kHelpButton, {x + 112, y, 50, 14}, L"Help"));
    }
}

DialogTemplate SysTemplate() {
    std::vector<ControlTemplate> c = {
        staticText(1055, {5, 8, 40, 8}, SS_RIGHT),
        editBox(1000, {48, 6, 30, 12}, ES_AUTOHSCROLL, 4),
        staticText(1056, {85, 8, 40, 8}, SS_RIGHT),
        editBox(1002, {128, 6, 40, 12}, ES_AUTOHSCROLL | ES_NUMBER, 8),
        staticText(1057, {175, 8, 30, 8}, SS_RIGHT),
        editBox(1001, {208, 6, 168, 12}, ES_AUTOHSCROLL, 64),
        staticText(1058, {10, 44, 50, 8}, SS_RIGHT),
        comboBox(1008, {63, 42, 70, 80}, kDropList),
        pushButton(1022, {138, 42, 45, 14}),
        staticText(1059, {10, 60, 50, 8}, SS_RIGHT),
        comboBox(1009, {63, 58, 70, 80}, kDropList),
        pushButton(1031, {138, 58, 45, 14}),
        staticText(1060, {10, 76, 50, 8}, SS_RIGHT),
        comboBox(1023, {63, 74, 120, 80}, kDropEdit),
        staticText(1061, {15, 102, 50, 8}, SS_RIGHT),
        editBox(1010, {68, 100, 40, 12}, ES_AUTOHSCROLL | ES_NUMBER, 8),
        checkBox(1032, {15, 116, 160, 10}),
        checkBox(1033, {15, 128, 160, 10}),
        groupBox(1067, {10, 90, 175, 52}),
        tabControl(1030, {5, 24, 185, 122}),
        staticText(1062, {200, 44, 45, 8}, SS_RIGHT),
        comboBox(1003, {248, 42, 80, 80}, kDropList),
        pushButton(1005, {332, 42, 45, 14}),
        staticText(1063, {200, 60, 45, 8}, SS_RIGHT),
        comboBox(1004, {248, 58, 129, 80}, kDropEdit),
        tabControl(1024, {195, 24, 185, 54}),
        staticText(1064, {200, 98, 45, 8}, SS_RIGHT),
        comboBox(1007, {248, 96, 80, 80}, kDropList),
        pushButton(1020, {332, 96, 45, 14}),
        staticText(1065, {200, 114, 45, 8}, SS_RIGHT),
        comboBox(1021, {248, 112, 129, 80}, kDropEdit),
        checkBox(1026, {200, 128, 175, 10}),
        checkBox(1027, {200, 138, 175, 10}),
        tabControl(1025, {195, 80, 185, 66}),
    };
    AddButtons(c, 214, 148);
    return {kSysDialogTemplate, 382, 162, std::move(c)};
}

DialogTemplate StartTemplate() {
    std::vector<ControlTemplate> c = {
        staticText(1050, {5, 8, 60, 8}, SS_RIGHT),
        comboBox(1009, {68, 6, 50, 80}, kDropEdit, 4),
        pushButton(1010, {125, 6, 58, 14}),
        groupBox(1051, {5, 24, 180, 62}),
        tabControl(1023, {10, 34, 170, 48}),
        staticText(1018, {15, 52, 50, 8}, SS_RIGHT),
        editBox(1016, {68, 50, 40, 12}, ES_AUTOHSCROLL | ES_NUMBER, 4),
        staticText(1019, {15, 66, 50, 8}, SS_RIGHT),
        editBox(1017, {68, 64, 40, 12}, ES_AUTOHSCROLL | ES_NUMBER, 4),
        groupBox(1052, {5, 90, 180, 50}),
        staticText(1053, {10, 104, 60, 8}, SS_RIGHT),
        editBox(1014, {73, 102, 50, 12}, ES_AUTOHSCROLL | ES_NUMBER, 8),
        staticText(IDC_STATIC, {127, 104, 30, 8}, SS_LEFT, L"m\u00b3/h"),
        staticText(1054, {10, 120, 60, 8}, SS_RIGHT),
        editBox(1015, {73, 118, 50, 12}, ES_AUTOHSCROLL).disabled(),
        staticText(IDC_STATIC, {127, 120, 30, 8}, SS_LEFT, L"m/s"),
        defPushButton(IDOK, {20, 160, 50, 14}, L"OK"),
        pushButton(IDCANCEL, {76, 160, 50, 14}, L"Cancel"),
        comboBox(1022, {68, 50, 40, 120}, CBS_DROPDOWNLIST).hidden(),
        pushButton(kHelpButton, {132, 160, 50, 14}, L"Help"),
    };
    return {kStartDialogTemplate, 190, 181, std::move(c)};
}

DialogTemplate InfoTemplate() {
    std::vector<ControlTemplate> c = {
        staticText(IDC_STATIC, {10, 6, 200, 8}, SS_CENTER, L"LurakCAD"),
        staticText(1036, {10, 18, 200, 8}, SS_CENTER),
        staticText(1037, {10, 28, 200, 8}, SS_CENTER),
        staticText(1038, {10, 38, 200, 8}, SS_CENTER),
        staticText(1039, {10, 48, 200, 8}, SS_CENTER),
        staticText(IDC_STATIC, {8, 62, 100, 66}, SS_SUNKEN),
        staticText(1040, {12, 66, 92, 8}),
        staticText(1041, {12, 76, 92, 16}),
        staticText(1042, {12, 94, 92, 8}),
        staticText(1043, {12, 104, 92, 8}),
        staticText(IDC_STATIC, {12, 116, 26, 8}, SS_LEFT, L"E-mail:"),
        staticText(1044, {40, 116, 64, 8}, SS_CENTER),
        staticText(IDC_STATIC, {112, 62, 100, 66}, SS_SUNKEN),
        staticText(1045, {116, 66, 92, 8}),
        staticText(1046, {116, 76, 92, 16}),
        staticText(1047, {116, 94, 92, 8}),
        staticText(1048, {116, 104, 92, 8}),
        staticText(IDC_STATIC, {116, 116, 26, 8}, SS_LEFT, L"E-mail:"),
        staticText(1049, {144, 116, 64, 8}, SS_CENTER),
    };
    AddButtons(c, 85, 134, false);
    return {kInfoDialogTemplate, 220, 154, std::move(c)};
}

DialogTemplate ExplodeTemplate() {
    std::vector<ControlTemplate> c = {
        staticText(1035, {7, 7, 152, 18}, SS_CENTER),
        comboBox(1034, {23, 28, 120, 80}, kDropEdit),
    };
    AddButtons(c, 2, 48);
    return {kExplodeDialogTemplate, 166, 68, std::move(c)};
}

DialogTemplate CopyTemplate() {
    std::vector<ControlTemplate> c = {
        staticText(1035, {7, 7, 152, 8}, SS_CENTER),
        comboBox(1066, {58, 20, 50, 80}, kDropEdit, 4),
    };
    AddButtons(c, 2, 41);
    return {kCopyDialogTemplate, 166, 61, std::move(c)};
}

DialogTemplate DimTemplate() {
    std::vector<ControlTemplate> c = {
        radioButton(1070, {15, 10, 160, 10}).group(),
        radioButton(1069, {15, 24, 160, 10}),
        radioButton(1067, {15, 38, 160, 10}),
        checkBox(1082, {15, 60, 160, 10}).group(),
    };
    AddButtons(c, 12, 86);
    return {kDimDialogTemplate, 186, 106, std::move(c)};
}

DialogTemplate ScaleTemplate() {
    std::vector<ControlTemplate> c = {
        staticText(1035, {7, 7, 170, 16}, SS_CENTER),
        editBox(1074, {62, 28, 60, 12}, ES_AUTOHSCROLL | ES_RIGHT, 16),
    };
    AddButtons(c, 9, 50);
    return {kScaleDialogTemplate, 184, 69, std::move(c)};
}

DialogTemplate CustomTemplate() {
    std::vector<ControlTemplate> c = {
        groupBox(1075, {5, 4, 224, 48}),
        staticText(1077, {10, 14, 120, 8}),
        editBox(1078, {10, 26, 120, 12}, ES_AUTOHSCROLL),
        staticText(1076, {135, 14, 50, 8}, SS_RIGHT),
        comboBox(1066, {140, 26, 50, 80}, kDropEdit, 4),
        staticText(1079, {5, 58, 50, 8}),
        editBox(1080, {58, 56, 171, 12}, ES_AUTOHSCROLL),
        checkBox(1081, {5, 72, 200, 10}),
    };
    AddButtons(c, 36, 84);
    return {kCustomDialogTemplate, 234, 101, std::move(c)};
}

DialogTemplate OptionTemplate() {
    constexpr DWORD kDigits = ES_AUTOHSCROLL | ES_NUMBER;
    std::vector<ControlTemplate> c = {
        staticText(1083, {5, 10, 70, 8}, SS_RIGHT),
        editBox(1087, {78, 8, 40, 12}, kDigits | ES_RIGHT, 8),
        staticText(IDC_STATIC, {121, 10, 6, 8}, SS_CENTER, L":"),
        editBox(1075, {129, 8, 40, 12}, kDigits, 8),
        groupBox(1084, {5, 26, 188, 46}),
        staticText(1085, {10, 40, 100, 8}, SS_RIGHT),
        editBox(1076, {113, 38, 50, 12}, kDigits, 8),
        staticText(1086, {10, 56, 100, 8}, SS_RIGHT),
        editBox(1077, {113, 54, 50, 12}, kDigits, 8),
        staticText(1088, {10, 82, 100, 8}, SS_RIGHT),
        editBox(1078, {113, 80, 50, 12}, kDigits, 8),
    };
    AddButtons(c, 18, 104);
    return {kOptionDialogTemplate, 198, 124, std::move(c)};
}

} // namespace

void RegisterDialogTemplates() {
    // A template already there (the module's, or one a test put in its
    // place) is left as it is.
    struct Entry {
        UINT id;
        DialogTemplate (*make)();
    };
    static const Entry entries[] = {
        {kSysDialogTemplate, SysTemplate},         {kStartDialogTemplate, StartTemplate},
        {kInfoDialogTemplate, InfoTemplate},       {kExplodeDialogTemplate, ExplodeTemplate},
        {kCopyDialogTemplate, CopyTemplate},       {kDimDialogTemplate, DimTemplate},
        {kScaleDialogTemplate, ScaleTemplate},     {kCustomDialogTemplate, CustomTemplate},
        {kOptionDialogTemplate, OptionTemplate},
    };
    for (const Entry& entry : entries)
        if (findTemplate(entry.id) == nullptr)
            registerTemplate(entry.make());
}
