// What the BBL and BBF boxes share: a box with a round spigot of diameter D
// that carries a grille chosen from fourteen grille types.  The grille
// decides what else can be chosen: its sizes (the CNH-F grilles add 543,
// the BLD grilles have sizes of their own), whether it has a direction, the
// D form and the option, and which accessories fit; a G option rules out
// the accessory and the D form.  These choices belong to the element.
//
// Values (GetParams, SetParams, XDATA): D, grille, L, H, direction,
// finish, accessory, G, dFlag, option; the choices are 1-based positions,
// dFlag and option are 0 or 1 (option is kept for the BLD grilles only).
#pragma once

#include <string>

#include "elements/rcs/lrcs.h"

class LRCsBox : public LRCs {
public:
    int16_t GetParams(double** values) override;
    // -1 when the choices the element offers changed with the values.
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;
    int16_t ParamKind(int16_t i) const override;
    int16_t ParamChoiceCount(int16_t i) const override;
    const double* ParamChoices(int16_t i) const override;
    const char* const* ParamChoiceTexts(int16_t i) const override;

    // "BBL+CSD-H-R+AZN": the box, the grille and its options.
    std::string NameText() const;

    double D = 0.0;
    int16_t grille = -1;  // none before the first values
    double L = 0.0;
    double H = 0.0;
    int16_t direction = 1;
    int16_t finish = 1;
    int16_t accessory = 1;
    int16_t gIndex = 1;
    int16_t dFlag = 0;
    int16_t option = 0;

    // The sizes a grille comes in.
    enum class SizeSet : int8_t { kNone, kStandard, kCnh, kBld };
    // What the element offers in its dialog.
    struct Choices {
        SizeSet sizes = SizeSet::kNone;
        int16_t directionCount = 0;
        int16_t accessoryCount = 0;
        int16_t dFlagKind = 0;
        int16_t optionKind = 0;
        bool operator==(const Choices&) const = default;
    };
    const Choices& Offered() const { return offered; }

protected:
    LRCsBox(int16_t id, const char* boxName);

    // Where the spigot sits for the current sizes.
    virtual void PlaceConnector() = 0;

private:
    // Follows a change of grille (from the one before, -1 at first) and of
    // the G option with the sizes, options and choices.
    void FollowGrille(int16_t before, double oldL, double oldH, int16_t oldG);

    const char* boxName;
    Choices offered;
};
