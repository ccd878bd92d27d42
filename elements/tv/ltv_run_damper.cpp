#include "elements/tv/ltv_run_damper.h"

#include "core/text_lists.h"
#include "elements/tv/ltv_damper_symbols.h"

RoundCasing CasingFromTable(const CasingRow* rows, size_t count, double D) {
    if (!rows || count == 0)
        return {0.0, 0.0};
    for (size_t i = 0; i < count; ++i)
        if (D < rows[i].below)
            return {rows[i].side, rows[i].depth};
    return {rows[count - 1].side, rows[count - 1].depth};
}

double RectDamperDepth(double H) {
    if (H < 350)
        return 400;
    if (H < 400)
        return 430;
    if (H < 500)
        return 460;
    if (H < 600)
        return 570;
    return 650;
}

LTvRunDamper::LTvRunDamper(int16_t subtype, int16_t paramCount, bool isRound, int16_t sizeParam,
                           int16_t heightParam, int16_t text)
    : LTv(subtype, 2, paramCount), round(isRound), textParam(text) {
    SetRunEnds(isRound, sizeParam, heightParam);
    SetParamIsText(text);
    SetFlipModes(1, 0, 0);
}

void LTvRunDamper::SizeCasingAndEnds(RoundCasing (*roundCasing)(double D)) {
    if (round) {
        RoundCasing c = roundCasing(D);
        S = c.side;
        depth = c.depth;
    } else {
        depth = RectDamperDepth(H);
    }
    PlaceRunConnectors(round, depth, D, L, H);
}

std::string LTvRunDamper::SizeText() const { return round ? RoundSizeText(D) : RectSizeText(L, H); }

void LTvRunDamper::AddSizes(DescriptionText* text) const {
    if (round)
        text->Size("D", D);
    else
        text->Size("L", L).Size("H", H);
}

int16_t LTvRunDamper::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    std::string user = UserText(), name = NameText(), size = SizeText();
    return MakeUnitLabel(user.c_str(), name.c_str(), size.c_str());
}

int16_t LTvRunDamper::MakeBlock(char* blockName) {
    if (round)
        return DrawRoundDamperSymbol(*this, D, S, depth, blockName);
    return DrawRectDamperSymbol(*this, L, H, depth, blockName);
}
