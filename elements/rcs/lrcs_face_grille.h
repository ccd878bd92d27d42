// What the CSD and RDN grilles share: a type, a direction (H, V), a finish
// (R, C, M), an accessory and a G option that rules the accessory out, the
// first seven values of both (type, L, H, hv, rcm, option, gOption; the
// choices are 1-based positions).
#pragma once

#include <cstddef>
#include <string>

#include "core/param_bindings.h"
#include "elements/rcs/lrcs_grille.h"

class LRCsFaceGrille : public LRCsGrille {
public:
    int16_t type = 1;
    int16_t hv = 1;
    int16_t rcm = 1;
    int16_t option = 1;
    int16_t gOption = 1;

    // With a G option the accessory has no other choice than none.
    int16_t ParamChoiceCount(int16_t i) const override;

    // The seven shared values in their order, bound for the class T; a
    // class with more values lists them after these.
    template <class T>
    static constexpr ParamBinding<T> FaceValue(int i) {
        switch (i) {
        case 0: return PositionField<T>(&T::type);
        case 1: return NumberField<T>(&T::L);
        case 2: return NumberField<T>(&T::H);
        case 3: return PositionField<T>(&T::hv);
        case 4: return PositionField<T>(&T::rcm);
        case 5: return PositionField<T>(&T::option);
        default: return PositionField<T>(&T::gOption);
        }
    }

protected:
    LRCsFaceGrille(int16_t id, int16_t paramCount);

    // Reads the values by the class's table and snaps the size; returns
    // the G option that was set before.
    template <class T, size_t N>
    int16_t ReadFaceValues(T& e, const ParamBinding<T> (&table)[N], const double* v) {
        int16_t oldG = gOption;
        SetBoundParams(e, table, v);
        SnapGrilleSize(&L, &H);
        return oldG;
    }
    // After ReadFaceValues: a G option switched on (+1) resets the
    // accessory, which then has no other choice; switched off (-1) gives
    // the accessories back; 0 when nothing switched.
    int SwitchGOption(int16_t oldG);

    // "-H-R": the direction and finish as the name writes them.
    std::string DirectionAndFinish() const;
    // "+AZN+G1": the accessory and G option, each when chosen.
    void AppendAccessoryAndG(std::string* name) const;
};
