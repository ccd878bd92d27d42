#include "elements/rcs/lrcs_dlf.h"

#include "core/draw_neutral.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "core/element_block.h"

namespace {

constexpr double kSpigotTop = 325;
constexpr double kSpigotFoot = 275;
constexpr double kBoxTop = 125;

}  // namespace

LRCsDlF::LRCsDlF() : LRCsBox(11, "BBF") {
    connectors[0]->side = 0;
    SetFlipModes(0, 1, 1);
    SetParams(DefaultValues());
    orientation = 1;
}

void LRCsDlF::PlaceConnector() { SetPoint3d(connectors[0]->position, 0, 0, kSpigotTop); }

// Side and end: the spigot on the sloped top of the box and the grille's
// face plate; nothing in plan.
int16_t LRCsDlF::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    if (orientation == 1 || orientation == 2 || orientation == 4 || orientation == 5) {
        double k = layoutLengths[5], bt = layoutLengths[0], f = layoutLengths[1];
        double w = (orientation == 1 || orientation == 4 ? L : H) + k;
        double r = D / 2, h = w / 2;
        auto line0 = [this](double x1, double y1, double x2, double y2) {
            FigureLine(*this, FittingPen::kOutline, x1, y1, x2, y2);
        };
        line0(-r, kSpigotFoot, -r, kSpigotTop);
        ads_point top[2] = {{-r, kSpigotTop, 0}, {r, kSpigotTop, 0}};
        LineC(top[0], top[1]);
        line0(r, kSpigotTop, r, kSpigotFoot);
        line0(r, kSpigotFoot, -r, kSpigotFoot);
        line0(-r, kSpigotFoot, -h, kBoxTop);
        line0(r, kSpigotFoot, h, kBoxTop);
        line0(-h, bt - kBoxTop, -h, kBoxTop);
        line0(-h, kBoxTop, h, kBoxTop);
        line0(h, kBoxTop, h, bt - kBoxTop);
        line0(-h - f, bt - kBoxTop, h + f, bt - kBoxTop);
        ads_point face[2] = {{-h - f, -kBoxTop, 0}, {h + f, -kBoxTop, 0}};
        Line(face[0], face[1]);
    }
    return block.Close();
}
