// The TT boxes fed from the back or the top: TTA (catalogue id 24), its
// one-size twin TTL (id 32) and TTB (id 30).  A box of height h behind a
// face of nominal size H x L, with a type code and a G code.
//
// Values (GetParams, SetParams, XDATA): type code, H size, L size, G code,
// h; TTB stores a sixth value, the 100 of its connector's second size.
#pragma once

#include <string>

#include "elements/rcs/lrcs_tt_box.h"

// H and L are the nominal face of the sizes chosen.
class LRCsTTA : public LRCsTtBox {
public:
    LRCsTTA();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;

    // "TTA+TTE".
    std::string NameText() const override;

    // The sizes as chosen (the catalogue's size classes).
    double sizeH = 0.0;
    double sizeL = 0.0;

protected:
    LRCsTTA(int16_t id, const char* code);
    // Reads the five values; the sizes are kept when a value is no size.
    void ReadValues(const double* v);
    // The connector on the back of the box.
    void PlaceConnector();

private:
    const char* code;
};

// TTL: one size only, 590 (the nominal 628).
class LRCsTTL : public LRCsTTA {
public:
    LRCsTTL();
    int16_t SetParams(const double* values) override;
};

class LRCsTTB : public LRCsTtBox {
public:
    LRCsTTB();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;

    std::string NameText() const override;
    // The connector's second size, the same for every TTB.
    static constexpr double kCollar = 100.0;
};
