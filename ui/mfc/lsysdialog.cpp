// The air-system dialog: construction, controls and what it shows when it
// opens.
#include "ui/mfc/lsysdialog.h"

#include <cstdint>

#include "core/messages.h"
#include "core/system_record.h"
#include "ui/mfc/dialog_support.h"
#include "ui/mfc/dialog_templates.h"

BEGIN_MESSAGE_MAP(LSysDialog, CDialog)
    ON_BN_CLICKED(1005, &LSysDialog::OnPenColour)
    ON_BN_CLICKED(1020, &LSysDialog::OnCentreColour)
    ON_BN_CLICKED(1022, &LSysDialog::OnDimTextColour)
    ON_BN_CLICKED(1031, &LSysDialog::OnDimColour)
    ON_EN_CHANGE(1000, &LSysDialog::OnChangeTag)
    ON_EN_CHANGE(1002, &LSysDialog::OnChangeSize)
    ON_CBN_EDITCHANGE(1004, &LSysDialog::OnChangePenLayer)
    ON_CBN_SELCHANGE(1004, &LSysDialog::OnChangePenLayer)
    ON_CBN_EDITCHANGE(1021, &LSysDialog::OnChangeCentreLayer)
    ON_CBN_SELCHANGE(1021, &LSysDialog::OnChangeCentreLayer)
    ON_CBN_EDITCHANGE(1023, &LSysDialog::OnChangeLabelLayer)
    ON_CBN_SELCHANGE(1023, &LSysDialog::OnChangeLabelLayer)
    ON_CBN_SELCHANGE(1003, &LSysDialog::OnSelchangePenLinetype)
    ON_CBN_SELCHANGE(1007, &LSysDialog::OnSelchangeCentreLinetype)
    ON_CBN_SELCHANGE(1008, &LSysDialog::OnSelchangeTextStyle)
    ON_CBN_SELCHANGE(1009, &LSysDialog::OnSelchangeDimStyle)
    ON_NOTIFY(TCN_SELCHANGE, 1024, &LSysDialog::OnSelchangeTab)
    ON_BN_CLICKED(kHelpButton, &LSysDialog::OnHelp)
END_MESSAGE_MAP()

LSysDialog::LSysDialog(CWnd* parent)
    : CDialog(kSysDialogTemplate, parent), database(DialogDatabase()), systems(DialogSystems()) {
    RegisterDialogTemplates();
}

void LSysDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, 1008, textStyleBox);
    DDX_Control(pDX, 1009, dimStyleBox);
    DDX_Control(pDX, 1010, firstNumberBox);
    DDX_Control(pDX, 1023, labelLayerBox);
    DDX_Control(pDX, 1030, labelTab);
    DDX_Control(pDX, 1026, rectCentreCheck);
    DDX_Control(pDX, 1027, roundCentreCheck);
    DDX_Control(pDX, 1007, centreLinetypeBox);
    DDX_Control(pDX, 1021, centreLayerBox);
    DDX_Control(pDX, 1025, centreTab);
    DDX_Control(pDX, 1024, penTab);
    DDX_Control(pDX, 1000, tagBox);
    DDX_Control(pDX, 1002, sizeBox);
    DDX_Control(pDX, 1001, nameBox);
    DDX_Control(pDX, 1004, penLayerBox);
    DDX_Control(pDX, 1003, penLinetypeBox);
    DDX_Control(pDX, 1032, circleCheck);
    DDX_Control(pDX, 1033, frameCheck);
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
        {1055, 7},  {1056, 8},  {1057, 9},  {1058, 11}, {1022, 12}, {1059, 13}, {1031, 12},
        {1060, 14}, {1061, 16}, {1032, 17}, {1033, 18}, {1067, 15}, {1062, 22}, {1005, 12},
        {1063, 14}, {1064, 22}, {1020, 12}, {1065, 14}, {1026, 24}, {1027, 25},
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
        layers[i] = L"0";
        linetypes[i] = L"BYBLOCK";
    }
    centreLinetype = L"K\u00d6Z\u00c9P";
    centreLayer = L"0";
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

CString LSysDialog::ShownLayer(const CString& layer) const { return layer == L"0" ? layers[0] : layer; }

CString LSysDialog::HeldLayer(const CString& layer) const {
    return layer.CompareNoCase(layers[0]) == 0 ? CString(L"0") : layer;
}

CString LSysDialog::HeldLayerExact(const CString& layer) const {
    return layer == layers[0] ? CString(L"0") : layer;
}
