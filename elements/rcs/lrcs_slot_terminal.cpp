#include "elements/rcs/lrcs_slot_terminal.h"

#include "core/description_text.h"
#include "core/text_lists.h"

namespace {
constexpr int16_t kLowerSide = 1;
}  // namespace

LRCsSlotTerminal::LRCsSlotTerminal(int16_t id, int16_t connectorCount, int16_t paramCount,
                                   int16_t diameterParam)
    : LRCs(id, connectorCount, paramCount) {
    for (int i = 0; i < connectorCount; ++i) {
        connectors[i]->shape = kShapeRound;
        connectors[i]->side = kLowerSide;
        connectors[i]->paramA = diameterParam;
    }
    SetFlipModes(2, 0, 1);
}

LRCsSlotTerminal::Before LRCsSlotTerminal::StartChange() {
    Before before{L, N, !valued};
    valued = true;
    return before;
}

bool LRCsSlotTerminal::SpigotsFree() const { return connectors[0]->IsFree() && connectors[1]->IsFree(); }

SlotBox LRCsSlotTerminal::Shape() const {
    SlotBox shape;
    shape.L = L;
    shape.G = G;
    shape.D = D;
    shape.margin = layoutLengths[6];
    shape.faceStep = layoutLengths[2];
    return shape;
}

char* LRCsSlotTerminal::GetDescription() {
    return DescriptionText(NameText()).Size("L", L).Size("G", G).NewBuffer();
}

int16_t LRCsSlotTerminal::UpdateLabel() {
    SetFlow(connectors[0]->flow + connectors[1]->flow);
    return MakeFittingLabel(NameText().c_str(), RectSizeText(L, G).c_str());
}
