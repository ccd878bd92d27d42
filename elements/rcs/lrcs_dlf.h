// The BBF box (catalogue id 11): a grille box with its round spigot on top,
// seen from the side and the end (it stands upright from the start).
#pragma once

#include "elements/rcs/lrcs_box.h"

class LRCsDlF : public LRCsBox {
public:
    LRCsDlF();
    int16_t MakeBlock(char* blockName) override;

protected:
    void PlaceConnector() override;
};
