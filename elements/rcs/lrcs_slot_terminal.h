// What the slot terminals SB and BPS share: a face of length L and width G
// (by the width number N) in a box with round spigots of diameter D on a
// long side; the spigot chosen by the length and width while the first two
// spigots are free, and the first values counting as a change of both; a
// description and label of the name and L x G, the label showing the air
// of the first two spigots.
#pragma once

#include <string>

#include "elements/rcs/lrcs.h"
#include "elements/rcs/slot_box.h"

class LRCsSlotTerminal : public LRCs {
public:
    char* GetDescription() override;
    int16_t UpdateLabel() override;

    virtual std::string NameText() const = 0;

    int16_t N = 1;
    double D = 0.0;
    double L = 0.0;
    double G = 0.0;

protected:
    // connectorCount round spigots on the lower long side (side 1), their
    // diameter the value at diameterParam.
    LRCsSlotTerminal(int16_t id, int16_t connectorCount, int16_t paramCount, int16_t diameterParam);

    // L and N before new values are read, and whether these are the first.
    struct Before {
        double L;
        int16_t N;
        bool first;
    };
    Before StartChange();
    // Whether the spigot may still follow the face: the first two are free.
    bool SpigotsFree() const;
    // The symbol's shape with one spigot a side in the middle.
    SlotBox Shape() const;

private:
    bool valued = false;
};
