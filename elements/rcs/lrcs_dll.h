// The BBL box (catalogue id 10): a grille box with its round spigot on the
// long side, seen in plan with the grille and from its end.
#pragma once

#include "elements/rcs/lrcs_box.h"

class LRCsDlL : public LRCsBox {
public:
    LRCsDlL();
    int16_t MakeBlock(char* blockName) override;

protected:
    void PlaceConnector() override;
};
