// The figures of the runs with a spigot: along the run the spigot seen from
// above, below (hidden) or the side; end-on the spigot standing on the wall.
#include <cmath>

#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "elements/vl/lvl11.h"

int16_t LVlSpigotRun::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    // The rectangular spigot's symbol only where it is seen from above or below.
    bool spigotSymbol = round || orientation == 0 || orientation == 3;
    int16_t all = connectorCount;
    if (!spigotSymbol)
        connectorCount = 2;
    DrawConnectorEnds(endMarkSize, 1);
    connectorCount = all;
    if (view.IsEnd())
        DrawEndOn();
    else if (view.kind != ViewKind::kNone)
        DrawAlong(view);
    return block.Close();
}

void LVlSpigotRun::DrawAlong(ElementView view) {
    const double H = spigotHeight, E = endMarkSize, k = c / 2, j = d / 2;
    double xs = view.mirroredX ? e - l / 2 : l / 2 - e;
    if (orientation == 3) {
        ads_point centre = {xs, f, 0};
        if (round) {
            DashedCircle(centre, c / 2);
        } else {
            for (double grow : {0.0, E}) {
                ads_point p[4] = {{xs - k - grow, f + j + grow, 0},
                                  {xs + k + grow, f + j + grow, 0},
                                  {xs + k + grow, f - j - grow, 0},
                                  {xs - k - grow, f - j - grow, 0}};
                for (int i = 0; i < 4; ++i)
                    DashedLine(p[i], p[(i + 1) % 4]);
            }
        }
    } else if (view.IsSide()) {
        ads_point p1 = {xs - k, b / 2, 0}, p2 = {xs - k, b / 2 + H, 0};
        ads_point p3 = {xs + k, b / 2 + H, 0}, p4 = {xs + k, b / 2, 0};
        MakeLine(p1, p2);
        MakeLine(p3, p4);
        if (!round)
            MakeLine(p2, p3);
    }
    double w = view.IsSide() ? b : a;
    for (double s : {1.0, -1.0}) {
        ads_point p1 = {-l / 2, s * w / 2, 0}, p2 = {l / 2, s * w / 2, 0};
        MakeLine(p1, p2);
    }
    if (system.rectCentreLines == 0)
        return;
    if (view.IsPlan()) {
        double m = round ? c / 2 + E : k, n = round ? c / 2 + E : j;
        if (f != 0.0) {
            ads_point p1 = {xs - m, f, 0}, p2 = {xs + m, f, 0};
            LineB(p1, p2);
        }
        ads_point p1 = {xs, f - n, 0}, p2 = {xs, f + n, 0};
        LineB(p1, p2);
    }
    ads_point p1 = {-l / 2, 0, 0}, p2 = {l / 2, 0, 0};
    LineB(p1, p2);
}

void LVlSpigotRun::DrawEndOn() {
    const double H = spigotHeight, E = endMarkSize, j = d / 2;
    double xf = orientation == 2 ? f : -f;
    ads_point p1 = {xf - j, b / 2 + E, 0}, p2 = {xf - j, b / 2 + H, 0};
    ads_point p3 = {xf + j, b / 2 + H, 0}, p4 = {xf + j, b / 2 + E, 0};
    MakeLine(p1, p2);
    MakeLine(p3, p4);
    ads_point q1 = {xf - j, b / 2, 0}, q2 = {xf + j, b / 2, 0};
    DashedLine(q1, p1);
    DashedLine(p4, q2);
    if (system.rectCentreLines == 0)
        return;
    ads_point h1 = {-a / 2 - E, 0, 0}, h2 = {a / 2 + E, 0, 0};
    ads_point v1 = {0, -b / 2 - E, 0}, v2 = {0, b / 2 + E, 0};
    LineB(h1, h2);
    LineB(v1, v2);
}
