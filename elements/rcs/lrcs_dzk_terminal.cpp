#include "elements/rcs/lrcs_dzk_terminal.h"

#include "core/geometry.h"
#include "core/text_lists.h"

namespace {
constexpr int16_t kParamCount = 4;
constexpr int16_t kSpigotSide = 5;
}  // namespace

LRCsDzkTerminal::LRCsDzkTerminal(int16_t id, int16_t spigotParam) : LRCs(id, 1, kParamCount) {
    MakeRoundSpigot(kSpigotSide, spigotParam);
    SetFlipModes(0, 1, 0);
}

double LRCsDzkTerminal::GetQuantity() { return kPi * D * D / 4; }

int16_t LRCsDzkTerminal::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    return MakeFittingLabel(NameText().c_str(), RoundSizeText(D).c_str());
}

DzkBox LRCsDzkTerminal::Box(bool roundBox) const { return DzkBox{roundBox, D, d, layoutLengths[5]}; }

void LRCsDzkTerminal::PlaceSpigot(bool roundBox) {
    connectors[0]->a = connectors[0]->b = d;
    DzkSpigotEnd(Box(roundBox), connectors[0]->position);
}
