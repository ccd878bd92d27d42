#include "elements/rcs/lrcs_dk_bpk.h"

#include <cmath>

#include "core/description_text.h"
#include "core/element_block.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/rcs/dzk_box.h"
#include "elements/rcs/rcs_pen_lines.h"
#include "elements/rcs/rcs_lists.h"

namespace {

constexpr int16_t kParamCount = 4;
constexpr int16_t kSpigotParam = 1;

}  // namespace

LRCsDkBPK::LRCsDkBPK() : LRCsDzkTerminal(20, kSpigotParam) { SetParams(DefaultValues()); }

int16_t LRCsDkBPK::GetParams(double** values) {
    *values = new double[kParamCount]{static_cast<double>(box), d, D, static_cast<double>(type)};
    return 0;
}

// The spigot sits where the DZK's does in its square boxes.
int16_t LRCsDkBPK::SetParams(const double* v) {
    if (!v)
        return 0;
    box = RoundToShort(v[0]);
    SetSize(&d, v[1]);
    SetSize(&D, v[2]);
    type = RoundToShort(v[3]);
    PlaceSpigot(false);
    return 0;
}

std::string LRCsDkBPK::NameText() const {
    return FormatText("BPK-%s+%s", ListText(kTypeT, type), ListText(kDkBpkBoxes, box));
}

char* LRCsDkBPK::GetDescription() { return DescriptionText(NameText()).Size("D", D).NewBuffer(); }

// The DZK's square box and spigot; in plan the BPK face (a hub, its rim
// and eight vanes), dashed from above.
int16_t LRCsDkBPK::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawDzkBox(*this, orientation, Box(false));
    if (orientation == 0 || orientation == 3) {
        bool hidden = orientation == 0;
        double g3 = layoutLengths[3];
        Circle2OrDashed(*this, {0, 0}, g3 / 2, hidden);
        Circle2OrDashed(*this, {0, 0}, (D - g3) / 2, hidden);
        DrawFaceVanes(*this, D, g3, hidden);
    }
    return block.Close();
}
