// The air-system dialog while the user works in it: the tag and size that
// propose layer names, the layer boxes with their "same as pen 0" rule, the
// linetype and style lists, the pen tab and the colour buttons.
#include <algorithm>

#include "ads_entity.h"
#include "aced_input.h"
#include "app/help.h"
#include "core/system_layers.h"
#include "core/system_record.h"
#include "core/system_text.h"
#include "ui/mfc/dialog_support.h"
#include "ui/mfc/lsysdialog.h"

namespace {

constexpr int kLayerNameRoom = 32;
constexpr int kSizeTextChars = 31;

// The text of a combo box's edit field (or chosen item).
CString BoxText(const CWnd& box) {
    CString text;
    box.GetWindowText(text);
    return text;
}

} // namespace

void LSysDialog::OnChangeTag() {
    if (!NewSystem() || pSystem == nullptr)
        return;
    if (mode == kSysNew) {
        CString tag = BoxText(tagBox);
        tag.MakeUpper();
        CopyFieldText(pSystem->tag, tag.toUtf8().c_str());
    }
    if (!layerEdited[kPen0LayerBox]) {
        char name[kLayerNameRoom];
        SystemLayerName(name, sizeof name, pSystem->tag);
        layers[0] = CString(name);
    }
    ShowPen();
    // Every layer that now equals the pen-0 layer is held as "0", as a
    // change of the pen-0 layer box does.
    HoldLayersOfPen0();
    centreLayerBox.SetWindowText(ShownLayer(centreLayer));
    if (!layerEdited[kLabelLayerBox])
        ProposeLabelLayer();
}

void LSysDialog::OnChangeSize() {
    if (!NewSystem() || pSystem == nullptr || layerEdited[kLabelLayerBox])
        return;
    ProposeLabelLayer();
}

void LSysDialog::ProposeLabelLayer() {
    char name[kLayerNameRoom];
    std::string size = ControlText(sizeBox, kSizeTextChars);
    SystemLabelLayerName(name, sizeof name, pSystem->tag, size.c_str());
    labelLayer = CString(name);
    labelLayerBox.SetWindowText(labelLayer);
}

void LSysDialog::HoldLayersOfPen0() {
    for (int i = 1; i < kSysPenCount; ++i)
        layers[i] = HeldLayerExact(layers[i]);
    centreLayer = HeldLayerExact(centreLayer);
    labelLayer = HeldLayerExact(labelLayer);
}

void LSysDialog::OnChangePenLayer() {
    int i = PenIndex();
    layerEdited[i] = 1;
    layers[i] = BoxText(penLayerBox);
    if (i != 0) {
        layers[i] = HeldLayer(layers[i]);
        return;
    }
    HoldLayersOfPen0();
    centreLayerBox.SetWindowText(ShownLayer(centreLayer));
    labelLayerBox.SetWindowText(ShownLayer(labelLayer));
}

void LSysDialog::OnChangeCentreLayer() {
    layerEdited[kCentreLayerBox] = 1;
    centreLayer = HeldLayer(BoxText(centreLayerBox));
}

void LSysDialog::OnChangeLabelLayer() {
    layerEdited[kLabelLayerBox] = 1;
    labelLayer = HeldLayer(BoxText(labelLayerBox));
}

void LSysDialog::OnSelchangePenLinetype() { linetypes[PenIndex()] = BoxText(penLinetypeBox); }

void LSysDialog::OnSelchangeCentreLinetype() { centreLinetype = BoxText(centreLinetypeBox); }

void LSysDialog::OnSelchangeTextStyle() { textStyle = BoxText(textStyleBox); }

void LSysDialog::OnSelchangeDimStyle() { dimStyle = BoxText(dimStyleBox); }

void LSysDialog::OnSelchangeTab(NMHDR*, LRESULT* notifyResult) {
    int previous = PenIndex();
    pen = static_cast<int16_t>(std::clamp(penTab.GetCurSel(), 0, kSysPenCount - 1));
    if (previous == 0 && pen != 0 && penLinetypeBox.FindStringExact(-1, L"BYBLOCK") == CB_ERR)
        penLinetypeBox.AddString(L"BYBLOCK");
    if (previous != 0 && pen == 0)
        RemoveListName(penLinetypeBox, L"BYBLOCK");
    ShowPen();
    if (notifyResult)
        *notifyResult = 0;
}

bool LSysDialog::ChooseColour(int16_t& colour, bool hideByLayer) {
    resbuf* args = hideByLayer ? acutBuildList(RTSTR, L"acad_colordlg", RTSHORT, static_cast<int>(colour), RTNIL, 0)
                               : acutBuildList(RTSTR, L"acad_colordlg", RTSHORT, static_cast<int>(colour), 0);
    if (args == nullptr)
        return false;
    resbuf* answer = nullptr;
    int status = acedInvoke(args, &answer);
    acutRelRb(args);
    bool chosen = false;
    // A colour is a number 0 (by block) to 256 (by layer); anything else is
    // no answer.
    if (status == RTNORM && answer != nullptr && answer->restype == RTSHORT && answer->resval.rint >= 0 &&
        answer->resval.rint <= 256) {
        colour = answer->resval.rint;
        chosen = true;
    }
    acutRelRb(answer);
    return chosen;
}

void LSysDialog::OnPenColour() {
    if (pSystem == nullptr)
        return;
    int i = PenIndex();
    int16_t chosen = pSystem->penColour[i];
    if (!ChooseColour(chosen, false))
        return;
    // The pen-0 entities are the element inserts: by block means nothing
    // there, so it becomes by layer.
    pSystem->penColour[i] = (i == 0 && chosen == 0) ? 256 : chosen;
}

void LSysDialog::OnCentreColour() {
    if (pSystem)
        ChooseColour(pSystem->centreColour, false);
}

void LSysDialog::OnDimTextColour() {
    if (pSystem)
        ChooseColour(pSystem->dimTextColour, true);
}

void LSysDialog::OnDimColour() {
    if (pSystem)
        ChooseColour(pSystem->dimColour, true);
}

void LSysDialog::OnHelp() { ShowHelp("topic_rendszerek"); }
