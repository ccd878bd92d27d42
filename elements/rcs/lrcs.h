// The base of the air terminals (family 3).
#pragma once

#include "core/lobject.h"

class LRCs : public LObject {
public:
    // Builds the element on row id - 1 with rectangular connectors owned by
    // the element; the class sets their sides, shapes and bindings.
    LRCs(int16_t id, int16_t connectorCount, int16_t paramCount);

    double GetDimensionOffset() override;
    // Shared by every class of the family: nothing is fixed by the joints,
    // the element never stretches between two connectors, and it has no
    // insertion point to move after a resize.
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;
    int16_t UpdateLabel() override;  // no label of its own

    // Drawing distances of the family's symbols.
    static constexpr int kLayoutCount = 13;
    const double layoutLengths[kLayoutCount] = {40.0, 26.0, 20.0, 40.0, 52.0, 15.0, 15.0,
                                                50.0, 45.0, 45.0, 45.0, 52.0, 54.0};

protected:
    // Makes the first connector a round spigot on the side, its diameter
    // bound to the value at index diameterParam.
    void MakeRoundSpigot(int16_t side, int16_t diameterParam);
    // The terminals below a round spigot on top (side 0), its diameter the
    // value at diameterParam: attached to the duct through that connector,
    // and flipped like the other ceiling faces.
    void MakeTopSpigot(int16_t diameterParam);
};
