// Templates of the module's dialogs: sizes in dialog units, controls in
// tab order.  Titles and labels are empty here; each dialog sets them from
// the message tables when it opens.
#include "ui/mfc/dialog_templates.h"

#include "mfc.h"
#include "ui/mfc/control_ids.h"

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
        staticText(kSysTagLabel, {5, 8, 40, 8}, SS_RIGHT),
        editBox(kSysTagEdit, {48, 6, 30, 12}, ES_AUTOHSCROLL, 4),
        staticText(kSysSizeLabel, {85, 8, 40, 8}, SS_RIGHT),
        editBox(kSysSizeEdit, {128, 6, 40, 12}, ES_AUTOHSCROLL | ES_NUMBER, 8),
        staticText(kSysNameLabel, {175, 8, 30, 8}, SS_RIGHT),
        editBox(kSysNameEdit, {208, 6, 168, 12}, ES_AUTOHSCROLL, 64),
        staticText(kSysTextStyleLabel, {10, 44, 50, 8}, SS_RIGHT),
        comboBox(kSysTextStyleList, {63, 42, 70, 80}, kDropList),
        pushButton(kSysDimTextColourButton, {138, 42, 45, 14}),
        staticText(kSysDimStyleLabel, {10, 60, 50, 8}, SS_RIGHT),
        comboBox(kSysDimStyleList, {63, 58, 70, 80}, kDropList),
        pushButton(kSysDimColourButton, {138, 58, 45, 14}),
        staticText(kSysLabelLayerLabel, {10, 76, 50, 8}, SS_RIGHT),
        comboBox(kSysLabelLayerList, {63, 74, 120, 80}, kDropEdit),
        staticText(kSysFirstNumberLabel, {15, 102, 50, 8}, SS_RIGHT),
        editBox(kSysFirstNumberEdit, {68, 100, 40, 12}, ES_AUTOHSCROLL | ES_NUMBER, 8),
        checkBox(kSysCircleCheck, {15, 116, 160, 10}),
        checkBox(kSysFrameCheck, {15, 128, 160, 10}),
        groupBox(kSysNumberGroup, {10, 90, 175, 52}),
        tabControl(kSysLabelTab, {5, 24, 185, 122}),
        staticText(kSysPenLinetypeLabel, {200, 44, 45, 8}, SS_RIGHT),
        comboBox(kSysPenLinetypeList, {248, 42, 80, 80}, kDropList),
        pushButton(kSysPenColourButton, {332, 42, 45, 14}),
        staticText(kSysPenLayerLabel, {200, 60, 45, 8}, SS_RIGHT),
        comboBox(kSysPenLayerList, {248, 58, 129, 80}, kDropEdit),
        tabControl(kSysPenTab, {195, 24, 185, 54}),
        staticText(kSysCentreLinetypeLabel, {200, 98, 45, 8}, SS_RIGHT),
        comboBox(kSysCentreLinetypeList, {248, 96, 80, 80}, kDropList),
        pushButton(kSysCentreColourButton, {332, 96, 45, 14}),
        staticText(kSysCentreLayerLabel, {200, 114, 45, 8}, SS_RIGHT),
        comboBox(kSysCentreLayerList, {248, 112, 129, 80}, kDropEdit),
        checkBox(kSysRectCentreCheck, {200, 128, 175, 10}),
        checkBox(kSysRoundCentreCheck, {200, 138, 175, 10}),
        tabControl(kSysCentreTab, {195, 80, 185, 66}),
    };
    AddButtons(c, 214, 148);
    return {kSysDialogTemplate, 382, 162, std::move(c)};
}

DialogTemplate StartTemplate() {
    std::vector<ControlTemplate> c = {
        staticText(kStartSystemLabel, {5, 8, 60, 8}, SS_RIGHT),
        comboBox(kStartSystemList, {68, 6, 50, 80}, kDropEdit, 4),
        pushButton(kStartSystemsButton, {125, 6, 58, 14}),
        groupBox(kStartSectionGroup, {5, 24, 180, 62}),
        tabControl(kStartShapeTab, {10, 34, 170, 48}),
        staticText(kStartSizeALabel, {15, 52, 50, 8}, SS_RIGHT),
        editBox(kStartSizeAEdit, {68, 50, 40, 12}, ES_AUTOHSCROLL | ES_NUMBER, 4),
        staticText(kStartSizeBLabel, {15, 66, 50, 8}, SS_RIGHT),
        editBox(kStartSizeBEdit, {68, 64, 40, 12}, ES_AUTOHSCROLL | ES_NUMBER, 4),
        groupBox(kStartAirGroup, {5, 90, 180, 50}),
        staticText(kStartFlowLabel, {10, 104, 60, 8}, SS_RIGHT),
        editBox(kStartFlowEdit, {73, 102, 50, 12}, ES_AUTOHSCROLL | ES_NUMBER, 8),
        staticText(IDC_STATIC, {127, 104, 30, 8}, SS_LEFT, L"m\u00b3/h"),
        staticText(kStartVelocityLabel, {10, 120, 60, 8}, SS_RIGHT),
        editBox(kStartVelocityEdit, {73, 118, 50, 12}, ES_AUTOHSCROLL).disabled(),
        staticText(IDC_STATIC, {127, 120, 30, 8}, SS_LEFT, L"m/s"),
        defPushButton(IDOK, {20, 160, 50, 14}, L"OK"),
        pushButton(IDCANCEL, {76, 160, 50, 14}, L"Cancel"),
        comboBox(kStartDiameterList, {68, 50, 40, 120}, CBS_DROPDOWNLIST).hidden(),
        pushButton(kHelpButton, {132, 160, 50, 14}, L"Help"),
    };
    return {kStartDialogTemplate, 190, 181, std::move(c)};
}

DialogTemplate InfoTemplate() {
    std::vector<ControlTemplate> c = {
        staticText(IDC_STATIC, {10, 6, 200, 8}, SS_CENTER, L"LurakCAD"),
        staticText(kInfoFirstText + 0, {10, 18, 200, 8}, SS_CENTER),
        staticText(kInfoFirstText + 1, {10, 28, 200, 8}, SS_CENTER),
        staticText(kInfoFirstText + 2, {10, 38, 200, 8}, SS_CENTER),
        staticText(kInfoFirstText + 3, {10, 48, 200, 8}, SS_CENTER),
        staticText(IDC_STATIC, {8, 62, 100, 66}, SS_SUNKEN),
        staticText(kInfoFirstText + 4, {12, 66, 92, 8}),
        staticText(kInfoFirstText + 5, {12, 76, 92, 16}),
        staticText(kInfoFirstText + 6, {12, 94, 92, 8}),
        staticText(kInfoFirstText + 7, {12, 104, 92, 8}),
        staticText(IDC_STATIC, {12, 116, 26, 8}, SS_LEFT, L"E-mail:"),
        staticText(kInfoFirstText + 8, {40, 116, 64, 8}, SS_CENTER),
        staticText(IDC_STATIC, {112, 62, 100, 66}, SS_SUNKEN),
        staticText(kInfoFirstText + 9, {116, 66, 92, 8}),
        staticText(kInfoFirstText + 10, {116, 76, 92, 16}),
        staticText(kInfoFirstText + 11, {116, 94, 92, 8}),
        staticText(kInfoFirstText + 12, {116, 104, 92, 8}),
        staticText(IDC_STATIC, {116, 116, 26, 8}, SS_LEFT, L"E-mail:"),
        staticText(kInfoFirstText + 13, {144, 116, 64, 8}, SS_CENTER),
    };
    AddButtons(c, 85, 134, false);
    return {kInfoDialogTemplate, 220, 154, std::move(c)};
}

DialogTemplate ExplodeTemplate() {
    std::vector<ControlTemplate> c = {
        staticText(kPromptText, {7, 7, 152, 18}, SS_CENTER),
        comboBox(kExplodeLayerList, {23, 28, 120, 80}, kDropEdit),
    };
    AddButtons(c, 2, 48);
    return {kExplodeDialogTemplate, 166, 68, std::move(c)};
}

DialogTemplate CopyTemplate() {
    std::vector<ControlTemplate> c = {
        staticText(kPromptText, {7, 7, 152, 8}, SS_CENTER),
        comboBox(kSystemTagList, {58, 20, 50, 80}, kDropEdit, 4),
    };
    AddButtons(c, 2, 41);
    return {kCopyDialogTemplate, 166, 61, std::move(c)};
}

DialogTemplate DimTemplate() {
    std::vector<ControlTemplate> c = {
        radioButton(kDimBothRadio, {15, 10, 160, 10}).group(),
        radioButton(kDimSizesRadio, {15, 24, 160, 10}),
        radioButton(kDimLabelsRadio, {15, 38, 160, 10}),
        checkBox(kDimNoQuestionsCheck, {15, 60, 160, 10}).group(),
    };
    AddButtons(c, 12, 86);
    return {kDimDialogTemplate, 186, 106, std::move(c)};
}

DialogTemplate ScaleTemplate() {
    std::vector<ControlTemplate> c = {
        staticText(kPromptText, {7, 7, 170, 16}, SS_CENTER),
        editBox(kScaleEdit, {62, 28, 60, 12}, ES_AUTOHSCROLL | ES_RIGHT, 16),
    };
    AddButtons(c, 9, 50);
    return {kScaleDialogTemplate, 184, 69, std::move(c)};
}

DialogTemplate CustomTemplate() {
    std::vector<ControlTemplate> c = {
        groupBox(kCustomBlockGroup, {5, 4, 224, 48}),
        staticText(kCustomNameLabel, {10, 14, 120, 8}),
        editBox(kCustomNameEdit, {10, 26, 120, 12}, ES_AUTOHSCROLL),
        staticText(kCustomSystemLabel, {135, 14, 50, 8}, SS_RIGHT),
        comboBox(kSystemTagList, {140, 26, 50, 80}, kDropEdit, 4),
        staticText(kCustomUserTextLabel, {5, 58, 50, 8}),
        editBox(kCustomUserTextEdit, {58, 56, 171, 12}, ES_AUTOHSCROLL),
        checkBox(kCustomListedCheck, {5, 72, 200, 10}),
    };
    AddButtons(c, 36, 84);
    return {kCustomDialogTemplate, 234, 101, std::move(c)};
}

DialogTemplate OptionTemplate() {
    constexpr DWORD kDigits = ES_AUTOHSCROLL | ES_NUMBER;
    std::vector<ControlTemplate> c = {
        staticText(kOptionScaleLabel, {5, 10, 70, 8}, SS_RIGHT),
        editBox(kOptionScaleLeftEdit, {78, 8, 40, 12}, kDigits | ES_RIGHT, 8),
        staticText(IDC_STATIC, {121, 10, 6, 8}, SS_CENTER, L":"),
        editBox(kOptionScaleRightEdit, {129, 8, 40, 12}, kDigits, 8),
        groupBox(kOptionPieceGroup, {5, 26, 188, 46}),
        staticText(kOptionRectLengthLabel, {10, 40, 100, 8}, SS_RIGHT),
        editBox(kOptionRectLengthEdit, {113, 38, 50, 12}, kDigits, 8),
        staticText(kOptionRoundLengthLabel, {10, 56, 100, 8}, SS_RIGHT),
        editBox(kOptionRoundLengthEdit, {113, 54, 50, 12}, kDigits, 8),
        staticText(kOptionLabelDistanceLabel, {10, 82, 100, 8}, SS_RIGHT),
        editBox(kOptionLabelDistanceEdit, {113, 80, 50, 12}, kDigits, 8),
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
