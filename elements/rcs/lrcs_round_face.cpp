#include "elements/rcs/lrcs_round_face.h"

#include "core/description_text.h"
#include "core/fitting_figures.h"
#include "core/text_lists.h"

LRCsRoundFace::LRCsRoundFace(int16_t id, int16_t paramCount, int16_t diameterParam)
    : LRCs(id, 1, paramCount) {
    MakeTopSpigot(diameterParam);
}

char* LRCsRoundFace::GetDescription() { return DescriptionText(NameText()).Size("D", D).NewBuffer(); }

int16_t LRCsRoundFace::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    return MakeFittingLabel(NameText().c_str(), RoundSizeText(D).c_str());
}

void LRCsRoundFace::DrawFaceRim() {
    ads_point c = {0, 0, 0};
    Circle(c, D / 2 + layoutLengths[2]);
}

void LRCsRoundFace::DrawFaceLine() {
    double rim = layoutLengths[2], half = D / 2 + rim;
    FigureLine(*this, FittingPen::kPen2, {-half, -rim}, {half, -rim});
}
