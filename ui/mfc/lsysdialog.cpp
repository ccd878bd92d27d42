// The air-system dialog: construction, controls and what it shows when it
// opens.
#include "ui/mfc/lsysdialog.h"

#include <cstdint>

#include "core/layer_names.h"
#include "core/messages.h"
#include "core/system_record.h"
#include "ui/mfc/control_ids.h"
#include "ui/mfc/dialog_support.h"
#include "ui/mfc/dialog_templates.h"

BEGIN_MESSAGE_MAP(LSysDialog, CDialog)
    ON_BN_CLICKED(kSysPenColourButton, &LSysDialog::OnPenColour)
    ON_BN_CLICKED(kSysCentreColourButton, &LSysDialog::OnCentreColour)
    ON_BN_CLICKED(kSysDimTextColourButton, &LSysDialog::OnDimTextColour)
    ON_BN_CLICKED(kSysDimColourButton, &LSysDialog::OnDimColour)
    ON_EN_CHANGE(kSysTagEdit, &LSysDialog::OnChangeTag)
    ON_EN_CHANGE(kSysSizeEdit, &LSysDialog::OnChangeSize)
    ON_CBN_EDITCHANGE(kSysPenLayerList, &LSysDialog::OnChangePenLayer)
    ON_CBN_SELCHANGE(kSysPenLayerList, &LSysDialog::OnChangePenLayer)
    ON_CBN_EDITCHANGE(kSysCentreLayerList, &LSysDialog::OnChangeCentreLayer)
    ON_CBN_SELCHANGE(kSysCentreLayerList, &LSysDialog::OnChangeCentreLayer)
    ON_CBN_EDITCHANGE(kSysLabelLayerList, &LSysDialog::OnChangeLabelLayer)
    ON_CBN_SELCHANGE(kSysLabelLayerList, &LSysDialog::OnChangeLabelLayer)
    ON_CBN_SELCHANGE(kSysPenLinetypeList, &LSysDialog::OnSelchangePenLinetype)
    ON_CBN_SELCHANGE(kSysCentreLinetypeList, &LSysDialog::OnSelchangeCentreLinetype)
    ON_CBN_SELCHANGE(kSysTextStyleList, &LSysDialog::OnSelchangeTextStyle)
    ON_CBN_SELCHANGE(kSysDimStyleList, &LSysDialog::OnSelchangeDimStyle)
    ON_NOTIFY(TCN_SELCHANGE, kSysPenTab, &LSysDialog::OnSelchangeTab)
    ON_BN_CLICKED(kHelpButton, &LSysDialog::OnHelp)
END_MESSAGE_MAP()

LSysDialog::LSysDialog(CWnd* parent)
    : CDialog(kSysDialogTemplate, parent), database(DialogDatabase()), systems(DialogSystems()) {
    RegisterDialogTemplates();
}

void LSysDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kSysTextStyleList, textStyleBox);
    DDX_Control(pDX, kSysDimStyleList, dimStyleBox);
    DDX_Control(pDX, kSysFirstNumberEdit, firstNumberBox);
    DDX_Control(pDX, kSysLabelLayerList, labelLayerBox);
    DDX_Control(pDX, kSysLabelTab, labelTab);
    DDX_Control(pDX, kSysRectCentreCheck, rectCentreCheck);
    DDX_Control(pDX, kSysRoundCentreCheck, roundCentreCheck);
    DDX_Control(pDX, kSysCentreLinetypeList, centreLinetypeBox);
    DDX_Control(pDX, kSysCentreLayerList, centreLayerBox);
    DDX_Control(pDX, kSysCentreTab, centreTab);
    DDX_Control(pDX, kSysPenTab, penTab);
    DDX_Control(pDX, kSysTagEdit, tagBox);
    DDX_Control(pDX, kSysSizeEdit, sizeBox);
    DDX_Control(pDX, kSysNameEdit, nameBox);
    DDX_Control(pDX, kSysPenLayerList, penLayerBox);
    DDX_Control(pDX, kSysPenLinetypeList, penLinetypeBox);
    DDX_Control(pDX, kSysCircleCheck, circleCheck);
    DDX_Control(pDX, kSysFrameCheck, frameCheck);
}

BOOL LSysDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (pSystem == nullptr) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    SetTexts();
    pen = 0;
    FillLists();
    penTab.InsertItem(0, WideText(DialogText(19)).c_str());
    penTab.InsertItem(1, WideText(DialogText(20)).c_str());
    penTab.InsertItem(2, WideText(DialogText(21)).c_str());
    centreTab.InsertItem(0, WideText(DialogText(23)).c_str());
    labelTab.InsertItem(0, WideText(DialogText(10)).c_str());

    // Filling the size and tag boxes notifies as typing does, so a new
    // system starts with the proposed pen-0 and label layers.
    LSystemRecord& record = *pSystem;
    CString text;
    sizeBox.LimitText(8);
    text.Format(L"%lg", record.size);
    sizeBox.SetWindowText(text);
    tagBox.LimitText(4);
    tagBox.SetWindowText(WideText(record.tag).c_str());
    nameBox.LimitText(64);
    nameBox.SetWindowText(WideText(record.name).c_str());
    firstNumberBox.LimitText(8);
    text.Format(L"%d", record.labelNumberOffset < INT32_MAX ? record.labelNumberOffset + 1 : INT32_MAX);
    firstNumberBox.SetWindowText(text);

    if (mode == kSysNewTagSet || mode == kSysExisting)
        tagBox.EnableWindow(FALSE);
    if (NewSystem())
        SetNewSystemFields();
    else
        TakeRecordFields();
    ShowFields();
    return TRUE;
}

void LSysDialog::SetTexts() {
    SetTitleText(*this, 6);
    static const int labels[][2] = {
        {kSysTagLabel, 7},  {kSysSizeLabel, 8},  {kSysNameLabel, 9},  {kSysTextStyleLabel, 11}, {kSysDimTextColourButton, 12}, {kSysDimStyleLabel, 13}, {kSysDimColourButton, 12},
        {kSysLabelLayerLabel, 14}, {kSysFirstNumberLabel, 16}, {kSysCircleCheck, 17}, {kSysFrameCheck, 18}, {kSysNumberGroup, 15}, {kSysPenLinetypeLabel, 22}, {kSysPenColourButton, 12},
        {kSysPenLayerLabel, 14}, {kSysCentreLinetypeLabel, 22}, {kSysCentreColourButton, 12}, {kSysCentreLayerLabel, 14}, {kSysRectCentreCheck, 24}, {kSysRoundCentreCheck, 25},
    };
    for (const auto& label : labels)
        SetItemText(*this, label[0], label[1]);
}

void LSysDialog::FillLists() {
    AddTableNames(penLayerBox, database, NameTable::kLayers);
    AddTableNames(centreLayerBox, database, NameTable::kLayers);
    AddTableNames(labelLayerBox, database, NameTable::kLayers);
    AddTableNames(penLinetypeBox, database, NameTable::kLinetypes);
    AddTableNames(centreLinetypeBox, database, NameTable::kLinetypes);
    // Pen 0 is shown first, and pen 0 never draws by block.
    RemoveListName(penLinetypeBox, L"BYBLOCK");
    AddTableNames(dimStyleBox, database, NameTable::kDimStyles);
    AddTableNames(textStyleBox, database, NameTable::kTextStyles);
}

void LSysDialog::SetNewSystemFields() {
    linetypes[0] = L"BYLAYER";
    for (int i = 1; i < kSysPenCount; ++i) {
        layers[i] = kLayerZeroWide;
        linetypes[i] = L"BYBLOCK";
    }
    centreLinetype = L"K\u00d6Z\u00c9P";
    centreLayer = kLayerZeroWide;
    dimStyle = L"STANDARD";
    textStyle = L"STANDARD";
    for (CButton* check : {&rectCentreCheck, &roundCentreCheck, &circleCheck, &frameCheck})
        check->SetCheck(BST_CHECKED);
}

void LSysDialog::TakeRecordFields() {
    const LSystemRecord& record = *pSystem;
    for (int i = 0; i < kSysPenCount; ++i) {
        layers[i] = CString(record.penLayer[i]);
        linetypes[i] = CString(record.penLinetype[i]);
    }
    centreLinetype = CString(record.centreLinetype);
    centreLayer = CString(record.centreLayer);
    labelLayer = CString(record.labelLayer);
    dimStyle = CString(record.dimStyle);
    textStyle = CString(record.textStyle);
    rectCentreCheck.SetCheck(record.rectCentreLines ? BST_CHECKED : BST_UNCHECKED);
    roundCentreCheck.SetCheck(record.roundCentreLines ? BST_CHECKED : BST_UNCHECKED);
    circleCheck.SetCheck(record.labelCircle != 0 ? BST_CHECKED : BST_UNCHECKED);
    frameCheck.SetCheck(record.labelFrame != 0 ? BST_CHECKED : BST_UNCHECKED);
}

void LSysDialog::ShowFields() {
    ShowPen();
    centreLayerBox.SetWindowText(ShownLayer(centreLayer));
    SelectListName(centreLinetypeBox, centreLinetype);
    labelLayerBox.SetWindowText(ShownLayer(labelLayer));
    SelectListName(dimStyleBox, dimStyle);
    SelectListName(textStyleBox, textStyle);
}

void LSysDialog::ShowPen() {
    int i = PenIndex();
    penLayerBox.SetWindowText(i == 0 ? layers[0] : ShownLayer(layers[i]));
    SelectListName(penLinetypeBox, linetypes[i]);
}

CString LSysDialog::ShownLayer(const CString& layer) const { return layer == kLayerZeroWide ? layers[0] : layer; }

CString LSysDialog::HeldLayer(const CString& layer) const {
    return layer.CompareNoCase(layers[0]) == 0 ? CString(kLayerZeroWide) : layer;
}

CString LSysDialog::HeldLayerExact(const CString& layer) const {
    return layer == layers[0] ? CString(kLayerZeroWide) : layer;
}
