// The air-system dialog's OK and Cancel: the checks that keep it open, and
// the record fields and layers written when it closes.
#include <cstdint>
#include <cstdio>

#include "aced_input.h"
#include "core/system_layers.h"
#include "core/layer_names.h"
#include "core/message_format.h"
#include "core/message_numbers.h"
#include "core/system_list.h"
#include "core/system_record.h"
#include "core/system_text.h"
#include "ui/mfc/dialog_support.h"
#include "ui/mfc/lsysdialog.h"

namespace {

constexpr int kNumberChars = 63;
constexpr int kTagChars = 4;
constexpr int kNameChars = 63;
// Label numbers are stored in 16-bit groups of the elements' records: a
// first number above this would leave every label without its number.
constexpr int kHighestFirstNumber = INT16_MAX;

std::string Narrow(const CString& text) { return text.toUtf8(); }

// A layer box left empty means the pen-0 layer, as "0" does.
CString LayerOrPen0(const CString& layer) { return layer.IsEmpty() ? CString(kLayerZeroWide) : layer; }

CString Upper(CString text) {
    text.MakeUpper();
    return text;
}

// The message file has no text for a layer deleted in this drawing: the host
// keeps the erased record's name, so the layer cannot be made again and
// elements put on it would name a layer the saved drawing lacks.
constexpr const char* kLayerDeletedText =
    "The layer %s was deleted in this drawing: choose another one, or save and open the drawing again first.";

} // namespace

bool LSysDialog::ReadRecordFields() {
    LSystemRecord& record = *pSystem;
    double size = record.size;
    // A text size of 0 would draw nothing: such a box keeps the old size.
    if (ReadNumber(sizeBox, kNumberChars, size) && size > 0)
        record.size = size;
    CopyFieldText(record.tag, ControlText(tagBox, kTagChars).c_str());
    CopyFieldText(record.name, ControlText(nameBox, kNameChars).c_str());
    int firstNumber = 0;
    if (ReadWhole(firstNumberBox, kNumberChars, firstNumber)) {
        if (firstNumber > kHighestFirstNumber) {
            acedAlert(WideText(FormatMessageNumber(kMsgFirstNumberRange, {kHighestFirstNumber}).c_str()).c_str());
            return false;
        }
        record.labelNumberOffset = firstNumber < 2 ? 0 : firstNumber - 1;
    }
    if (mode != kSysNew)
        return true;
    if (!IsUsableSystemTag(record.tag)) {
        AlertMessage(kMsgNoTag);
        return false;
    }
    LSystemRecord listed;
    bool taken = systems ? GetSystemByTag(*systems, &listed, record.tag) == 0 : false;
    NormaliseSystemTag(record.tag);
    if (taken) {
        AlertMessage(kMsgTagTaken);
        return false;
    }
    return true;
}

bool LSysDialog::LayersUsable() const {
    const CString names[] = {Upper(layers[0]),          Upper(LayerOrPen0(layers[1])), Upper(LayerOrPen0(layers[2])),
                             Upper(LayerOrPen0(centreLayer)), LayerOrPen0(labelLayer)};
    for (const CString& name : names) {
        if (LayerNameErased(name, database)) {
            char text[200];
            snprintf(text, sizeof text, kLayerDeletedText, Narrow(name).c_str());
            acedAlert(WideText(text).c_str());
            return false;
        }
    }
    return true;
}

bool LSysDialog::LayersValid() const {
    if (!IsValidLayerName(Narrow(Upper(layers[0]))))
        return false;
    const CString* others[] = {&layers[1], &layers[2], &centreLayer, &labelLayer};
    for (const CString* layer : others)
        if (!IsValidLayerName(Narrow(Upper(LayerOrPen0(*layer)))))
            return false;
    return true;
}

void LSysDialog::StoreLayersAndStyles() {
    LSystemRecord& record = *pSystem;
    for (int i = 0; i < kSysPenCount; ++i) {
        CString layer = Upper(i == 0 ? layers[0] : LayerOrPen0(layers[i]));
        CopyFieldText(record.penLayer[i], Narrow(layer).c_str());
        CopyFieldText(record.penLinetype[i], Narrow(linetypes[i]).c_str());
        CreateLayer(record.penColour[i], layer, database);
    }
    CString centre = Upper(LayerOrPen0(centreLayer));
    CopyFieldText(record.centreLayer, Narrow(centre).c_str());
    CopyFieldText(record.centreLinetype, Narrow(centreLinetype).c_str());
    CreateLayer(record.centreColour, centre, database);
    // The label layer keeps the case the user typed.
    CString label = LayerOrPen0(labelLayer);
    CopyFieldText(record.labelLayer, Narrow(label).c_str());
    CreateLayer(record.dimColour, label, database);
    CopyFieldText(record.dimStyle, Narrow(Upper(dimStyle)).c_str());
    CopyFieldText(record.textStyle, Narrow(Upper(textStyle)).c_str());
    record.rectCentreLines = rectCentreCheck.GetCheck() == BST_CHECKED ? 1 : 0;
    record.roundCentreLines = roundCentreCheck.GetCheck() == BST_CHECKED ? 1 : 0;
    record.labelCircle = circleCheck.GetCheck() == BST_CHECKED ? 1 : 0;
    record.labelFrame = frameCheck.GetCheck() == BST_CHECKED ? 1 : 0;
}

void LSysDialog::OnOK() {
    if (pSystem == nullptr) {
        CDialog::OnCancel();
        return;
    }
    if (!ReadRecordFields())
        return;
    if (!LayersValid()) {
        AlertMessage(kMsgNoLayer);
        return;
    }
    if (!LayersUsable())
        return;
    StoreLayersAndStyles();
    result = 0;
    CDialog::OnOK();
}

void LSysDialog::OnCancel() {
    result = -1;
    CDialog::OnCancel();
}
