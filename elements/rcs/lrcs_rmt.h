// The RNT grille (catalogue id 13): a face of A x B on a box with a round
// spigot of diameter d, in one of eleven variants and three codes.  Each
// variant has its size list (rnt_size_lists.h); A and B keep to it, go
// together as the list asks, and some lists offer only the B sizes that fit
// the chosen A.  These choices belong to the element.
//
// Values (GetParams, SetParams, XDATA): code, variant, d, A, B; the
// choices are 1-based positions.
#pragma once

#include <string>

#include "elements/rcs/lrcs.h"

class LRCsRmt : public LRCs {
public:
    LRCsRmt();

    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    // -1 when the sizes the element offers changed with the values.
    int16_t SetParams(const double* values) override;
    double GetQuantity() override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;
    int16_t ParamChoiceCount(int16_t i) const override;
    const double* ParamChoices(int16_t i) const override;
    const char* const* ParamChoiceTexts(int16_t i) const override;

    // "DN-VFR+RNT-1".
    std::string NameText() const;
    // The box height that suits the spigot.
    static double BoxHeight(double d);

    int16_t code = 1;
    int16_t variant = 1;
    double d = 0.0;
    double A = 0.0;
    double B = 0.0;
    double E = 0.0;

    // The sizes offered: the list and, for the lists that narrow B, the B
    // sizes that fit A.
    struct Sizes {
        int list = 1;
        int16_t bCount = 0;
        const double* bValues = nullptr;
        const char* const* bTexts = nullptr;
        bool operator==(const Sizes&) const = default;
    };
    const Sizes& Offered() const { return offered; }

private:
    // Installs list k and, with snap, snaps A and B to it.
    void SwitchList(int k, bool snap);
    // A and B of lists 1, 2, 3 and 6 go together.
    void CoupleSizes(int k, double oldA);
    // Lists 4, 5, 7 and 8: the B sizes that fit A, and with fit, B made
    // one of them.
    void NarrowB(int k, bool fit);
    void PlaceConnector();

    Sizes offered;
};
