// The dialog in which the user defines or edits one air system: tag, name,
// text size, the colour, linetype and layer of its three pens and of its
// centre line, its label settings, dimension colours and styles.
//
// It edits the caller's record: colours at once when chosen, the rest on
// OK, when it also creates the layers the system names.  Layers of pens 1
// and 2, of the centre line and of the labels that equal the pen-0 layer
// are held as "0" ("the same layer as pen 0").
#pragma once

#include <cstdint>

#include "mfc.h"

class AcDbDatabase;
struct LSystemList;
struct LSystemRecord;

// What the dialog is given.
constexpr int16_t kSysNewTagSet = 3000;   // new system, tag set by the caller
constexpr int16_t kSysExisting = 3001;    // a listed system, tag fixed
constexpr int16_t kSysNew = 3002;         // new system, the user types the tag

constexpr int kSysPenCount = 3;
// Indices of layerEdited.
enum SysLayerBox { kPen0LayerBox = 0, kCentreLayerBox = 3, kLabelLayerBox = 4, kSysLayerBoxes = 5 };

class LSysDialog : public CDialog {
public:
    explicit LSysDialog(CWnd* parent = nullptr);

    int16_t pen = 0;  // pen shown on the pen tab
    int16_t mode = kSysNew;
    int16_t result = -1;  // 0 after OK
    int16_t layerEdited[kSysLayerBoxes] = {0, 0, 0, 0, 0};
    CString layers[kSysPenCount];
    CString linetypes[kSysPenCount];
    CString centreLayer, labelLayer, centreLinetype, dimStyle, textStyle;
    LSystemRecord* pSystem = nullptr;  // the caller's; set before the run
    // The drawing: its tables fill the lists and get the layers; its
    // systems are searched for a duplicate tag.  The opening command sets
    // them; by default the current drawing's.
    AcDbDatabase* database;
    LSystemList* systems;

    CComboBox textStyleBox;
    CComboBox dimStyleBox;
    CEdit firstNumberBox;
    CComboBox labelLayerBox;
    CTabCtrl labelTab;
    CButton rectCentreCheck;
    CButton roundCentreCheck;
    CComboBox centreLinetypeBox;
    CComboBox centreLayerBox;
    CTabCtrl centreTab;
    CTabCtrl penTab;
    CEdit tagBox;
    CEdit sizeBox;
    CEdit nameBox;
    CComboBox penLayerBox;
    CComboBox penLinetypeBox;
    CButton circleCheck;
    CButton frameCheck;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnPenColour();
    void OnCentreColour();
    void OnDimTextColour();
    void OnDimColour();
    void OnChangeTag();
    void OnChangeSize();
    void OnChangePenLayer();
    void OnChangeCentreLayer();
    void OnChangeLabelLayer();
    void OnSelchangePenLinetype();
    void OnSelchangeCentreLinetype();
    void OnSelchangeTextStyle();
    void OnSelchangeDimStyle();
    void OnSelchangeTab(NMHDR* header, LRESULT* result);
    void OnHelp();

    // What a layer box shows for a layer: the pen-0 layer for "0".
    CString ShownLayer(const CString& layer) const;

    DECLARE_MESSAGE_MAP()

private:
    bool NewSystem() const { return mode == kSysNew || mode == kSysNewTagSet; }
    // pen as an index of the pen arrays, whatever a caller left in it.
    int PenIndex() const { return pen < 0 ? 0 : pen >= kSysPenCount ? kSysPenCount - 1 : pen; }
    void SetTexts();
    void FillLists();
    void SetNewSystemFields();
    void TakeRecordFields();
    void ShowFields();
    void ShowPen();
    // "0" when the layer is the pen-0 layer.
    // Layer names compare as whole texts; a layer typed into a pen-1, pen-2,
    // centre-line or label box matches the pen-0 layer ignoring case, while
    // a new pen-0 layer (typed, or proposed from the tag) claims only the
    // layers spelt exactly as it is.
    CString HeldLayer(const CString& layer) const;
    CString HeldLayerExact(const CString& layer) const;
    void HoldLayersOfPen0();
    void ProposeLabelLayer();
    // The colour dialog on colour; true when the user chose one.
    bool ChooseColour(int16_t& colour, bool hideByLayer);
    bool ReadRecordFields();
    bool LayersValid() const;
    // False, with an alert, when a layer named is one deleted in this drawing.
    bool LayersUsable() const;
    void StoreLayersAndStyles();
};
