// What the terminals in a DZK box share (the DZK and the BPK+DZK): four
// values, a face of diameter D in a box with a side spigot of diameter d,
// its one round connector at the spigot's open end; the face area as the
// quantity and a label of the name and the face diameter.
#pragma once

#include <string>

#include "elements/rcs/dzk_box.h"
#include "elements/rcs/lrcs.h"

class LRCsDzkTerminal : public LRCs {
public:
    double GetQuantity() override;
    int16_t UpdateLabel() override;

    virtual std::string NameText() const = 0;

    int16_t box = 1;
    double D = 0.0;
    double d = 0.0;

protected:
    // The spigot's diameter is the value at spigotParam.
    LRCsDzkTerminal(int16_t id, int16_t spigotParam);

    // The box as drawn; roundBox for the DT box.
    DzkBox Box(bool roundBox) const;
    // The connector of diameter d at the open end of the box's spigot.
    void PlaceSpigot(bool roundBox);
};
