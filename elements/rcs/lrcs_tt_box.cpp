#include "elements/rcs/lrcs_tt_box.h"

#include "core/description_text.h"
#include "core/text_buffer.h"
#include "elements/rcs/rcs_pen_lines.h"

LRCsTtBox::LRCsTtBox(int16_t id, int16_t paramCount, int16_t g) : LRCs(id, 1, paramCount), gParam(g) {
    SetFlipModes(1, 1, 0);
}

char* LRCsTtBox::GetDescription() {
    return DescriptionText(NameText())
        .Size("H", H)
        .Size("L", L)
        .Size("h", h)
        .Option(RowText(*this, gParam, gCode))
        .NewBuffer();
}

int16_t LRCsTtBox::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    return MakeFittingLabel(NameText().c_str(), FormatText("%lg x %lg x %lg", H, L, h).c_str());
}
