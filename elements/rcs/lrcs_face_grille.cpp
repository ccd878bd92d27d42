#include "elements/rcs/lrcs_face_grille.h"

#include "core/text_buffer.h"
#include "elements/rcs/rcs_lists.h"

namespace {

constexpr int16_t kOptionParam = 5;

}  // namespace

LRCsFaceGrille::LRCsFaceGrille(int16_t id, int16_t paramCount) : LRCsGrille(id, paramCount) {
    kind = 1;
    parentParams[0] = 1;
    parentParams[1] = 2;
    SetFlipModes(0, 1, 1);
}

int LRCsFaceGrille::SwitchGOption(int16_t oldG) {
    if (gOption > 1 && oldG <= 1) {
        option = 1;
        return 1;
    }
    if (gOption <= 1 && oldG > 1)
        return -1;
    return 0;
}

int16_t LRCsFaceGrille::ParamChoiceCount(int16_t i) const {
    if (i == kOptionParam && gOption > 1)
        return 1;
    return LRCsGrille::ParamChoiceCount(i);
}

std::string LRCsFaceGrille::DirectionAndFinish() const {
    return FormatText("-%s-%s", ListText(kHV, hv), ListText(kFinish, rcm));
}

void LRCsFaceGrille::AppendAccessoryAndG(std::string* name) const {
    if (option > 1)
        AppendItem(name, ListText(kAccessory, option));
    if (gOption > 1)
        AppendItem(name, ListText(kGOption, gOption));
}
