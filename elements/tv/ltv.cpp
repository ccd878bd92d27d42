#include "elements/tv/ltv.h"

#include "core/type_tables.h"
#include "elements/tv/tv_family.h"

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
