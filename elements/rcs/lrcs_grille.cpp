#include "elements/rcs/lrcs_grille.h"

#include "core/description_text.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"

LRCsGrille::LRCsGrille(int16_t id, int16_t paramCount) : LRCs(id, 0, paramCount) {}

void SnapGrilleSize(double* L, double* H) {
    bool tooShort = (*H == 400 && (*L == 200 || *L == 300)) || (*H == 300 && *L == 200);
    if (tooShort) {
        *L = 300;
        *H = 300;
    }
}

double LRCsGrille::GetQuantity() { return L * H; }

char* LRCsGrille::GetDescription() {
    Refresh();
    return DescriptionText(NameText()).Size("L", L).Size("H", H).NewBuffer();
}

int16_t LRCsGrille::UpdateLabel() {
    return MakeFittingLabel(NameText().c_str(), RectSizeText(L, H).c_str());
}

// Plan: the face framed by the margin, with both diagonals (dashed when
// seen from below).  Side: the neck of the face's width and the flange.
int16_t LRCsGrille::MakeBlock(char* blockName) {
    Refresh();
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    if (view.IsPlan()) {
        double m = FrameMargin();
        double a = (L + m) / 2, b = (H + m) / 2;
        ads_point p[4] = {{-a, b, 0}, {a, b, 0}, {a, -b, 0}, {-a, -b, 0}};
        const int lines[6][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {0, 2}, {1, 3}};
        for (const auto& k : lines) {
            if (view.fromBelow)
                DashedLine(p[k[0]], p[k[1]]);
            else
                Line(p[k[0]], p[k[1]]);
        }
    } else if (view.IsSide() || view.IsEnd()) {
        double h = view.IsSide() ? L / 2 : H / 2;
        double n = layoutLengths[4], g = layoutLengths[9], f = layoutLengths[10];
        ads_point neck[4] = {{-h, 0, 0}, {-h, n, 0}, {h, 0, 0}, {h, n, 0}};
        ads_point flange[4] = {{-h - f, n, 0}, {h + f, n, 0}, {-h - f, n + g, 0}, {h + f, n + g, 0}};
        Line(neck[0], neck[1]);
        Line(neck[2], neck[3]);
        Line(flange[0], flange[1]);
        Line(flange[2], flange[3]);
    }
    return block.Close();
}
