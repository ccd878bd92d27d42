#include "elements/msc/lmsc.h"

#include "core/type_tables.h"
#include "elements/msc/msc_family.h"

LMsc::LMsc(int16_t type, int16_t connectorCount, int16_t paramCount)
    : LObject(kMscFamily, static_cast<uint16_t>(type), connectorCount, paramCount, TypeRow(kMscFamily, type)) {
    for (int i = 0; i < this->connectorCount; ++i) {
        connectors[i] = new LConnector;
        connectors[i]->shape = kShapeRect;
        connectors[i]->owner = this;
    }
}

double LMsc::GetDimensionOffset() { return layoutLengths[0]; }

int16_t LMsc::UpdateLabel() { return 0; }

int16_t LMsc::MarkFixedParams(int16_t*) { return -1; }

int16_t LMsc::FitLength(double*, int16_t*, int16_t, int16_t, double, double) { return -1; }

int16_t LMsc::AdjustInsertionPoint(ads_point, const double*) { return 0; }
