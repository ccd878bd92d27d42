#include "elements/tv/ltv.h"

#include "core/geometry.h"
#include "core/rounding.h"
#include "core/type_tables.h"
#include "elements/tv/ltv_damper_symbols.h"
#include "elements/tv/tv_family.h"

int16_t ClampedChoice(double v, int16_t low, int16_t high) {
    int16_t x = RoundToShort(v);
    return x < low ? low : x > high ? high : x;
}

LTv::LTv(int16_t subtype, int16_t connectorCount, int16_t paramCount)
    : LObject(kTvFamily, static_cast<uint16_t>(subtype), connectorCount, paramCount,
              TypeRow(kTvFamily, subtype)) {
    for (int i = 0; i < this->connectorCount; ++i) {
        connectors[i] = new LConnector;
        connectors[i]->shape = kShapeRect;
        connectors[i]->owner = this;
    }
}

double LTv::GetDimensionOffset() { return layoutLengths[0]; }

int16_t LTv::MarkFixedParams(int16_t*) { return -1; }

int16_t LTv::FitLength(double*, int16_t*, int16_t, int16_t, double, double) { return -1; }

int16_t LTv::AdjustInsertionPoint(ads_point, const double*) { return 0; }

void LTv::PlaceRunConnectors(bool round, double depth, double D, double L, double H) {
    double x = round ? depth / 2 + kDamperSpigot : depth / 2;
    for (int i = 0; i < 2; ++i) {
        LConnector* c = connectors[i];
        c->a = round ? D : L;
        c->b = round ? D : H;  // a round end is d across both ways
        SetPoint3d(c->position, i == 0 ? x : -x, 0, 0);
    }
    if (connectors[1]->flow != connectors[0]->flow)
        connectors[1]->flow = connectors[0]->flow;
}
