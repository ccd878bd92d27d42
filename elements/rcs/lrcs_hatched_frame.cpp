#include "elements/rcs/lrcs_hatched_frame.h"

#include <cmath>

#include "core/description_text.h"
#include "core/element_block.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_pen_lines.h"

LRCsHatchedFrame::LRCsHatchedFrame(int16_t id, int16_t paramCount) : LRCs(id, 1, paramCount) {
    connectors[0]->shape = kShapeRect;
    connectors[0]->side = 0;
    connectors[0]->paramA = 0;
    connectors[0]->paramB = 1;
    orientation = 1;
    SetFlipModes(0, 1, 1);
}

void LRCsHatchedFrame::TakeSize(const double* v) {
    if (std::isfinite(v[0]) && v[0] > 0.0)
        B = v[0];
    if (std::isfinite(v[1]) && v[1] > 0.0)
        H = v[1];
    connectors[0]->a = B;
    connectors[0]->b = H;
}

char* LRCsHatchedFrame::GetDescription() {
    return DescriptionText(NameText()).Size("B", B).Size("H", H).NewBuffer();
}

int16_t LRCsHatchedFrame::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    return MakeFittingLabel(NameText().c_str(), RectSizeText(B, H).c_str());
}

// The frame below the connection, hatched every three frame heights; the
// hatch line that the frame's end cuts is drawn up to it.
int16_t LRCsHatchedFrame::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    if (orientation >= 1 && orientation <= 5 && orientation != 3) {
        double w = (orientation == 1 || orientation == 4 ? B : H) / 2;
        double s = orientation == 1 || orientation == 2 ? 1.0 : -1.0;
        double t = layoutLengths[3], x = w + t;
        FigureChain(*this, FittingPen::kOutline, {{-x, 0}, {x, 0}, {x, -t}, {-x, -t}, {-x, 0}});
        double steps = 3 * std::floor((w + 2 * t) / (3 * t));
        int n = steps > kMaxHatchSteps ? kMaxHatchSteps : steps > 0 ? static_cast<int>(steps) : 0;
        int k = 1;
        for (; k < n; k += 3) {
            FigureLine(*this, FittingPen::kPen2, {s * k * t, 0}, {s * (k + 1) * t, -t});
            FigureLine(*this, FittingPen::kPen2, {-s * (k + 1) * t, 0}, {-s * k * t, -t});
        }
        if (x > k * t && n < kMaxHatchSteps) {
            FigureLine(*this, FittingPen::kPen2, {s * k * t, 0}, {s * x, (k - 1) * t - w});
            FigureLine(*this, FittingPen::kPen2, {-s * x, w - k * t}, {-s * k * t, -t});
        }
    }
    return block.Close();
}
