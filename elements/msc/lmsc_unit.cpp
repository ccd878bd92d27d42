#include "elements/msc/lmsc_unit.h"

#include <cmath>

#include "core/text_buffer.h"
#include "core/text_lists.h"

namespace {

// Sizes and values that are not numbers leave the field as it was, so that
// nothing unmeasurable reaches the drawing.
void Take(double* field, double v) {
    if (std::isfinite(v))
        *field = v;
}

}  // namespace

LMscUnit::LMscUnit(const UnitLayout& l) : LMsc(l.type, 2, l.round ? 4 : 5), layout(l) {
    SetRunEnds(l.round, 0, 1);
    SetParamIsText(TextIndex());
    if (l.kind == UnitKind::kFilter)
        SetParamIsText(ValueIndex());
    SetFlipModes(1, 0, 0);
}

// The entries of the text parameters are 0: their texts are stored apart.
int16_t LMscUnit::GetParams(double** values) {
    double* v = new double[paramCount]();
    if (layout.round) {
        v[0] = d;
    } else {
        v[0] = a;
        v[1] = b;
    }
    v[LengthIndex()] = l;
    if (layout.kind != UnitKind::kFilter)
        v[ValueIndex()] = value;
    *values = v;
    return 0;
}

int16_t LMscUnit::SetParams(const double* v) {
    if (!v)
        return 0;
    if (layout.round) {
        Take(&d, v[0]);
    } else {
        Take(&a, v[0]);
        Take(&b, v[1]);
    }
    Take(&l, v[LengthIndex()]);
    if (layout.kind != UnitKind::kFilter)
        Take(&value, v[ValueIndex()]);
    PlaceConnectors();
    return 0;
}

// Connector 0 at +l/2, connector 1 at -l/2; the air passes through.
void LMscUnit::PlaceConnectors() {
    for (int i = 0; i < 2; ++i) {
        LConnector* c = connectors[i];
        c->a = layout.round ? d : a;
        c->b = layout.round ? d : b;  // a round end is d across both ways
        SetPoint3d(c->position, i == 0 ? l / 2 : -l / 2, 0, 0);
    }
    if (connectors[1]->flow != connectors[0]->flow)
        connectors[1]->flow = connectors[0]->flow;
}

const char* LMscUnit::HeaterSign() const {
    switch (layout.symbol) {
    case UnitSymbol::kPlus: return "+";
    case UnitSymbol::kMinus: return "-";
    case UnitSymbol::kPlusMinus: return "+/-";
    default: return "";
    }
}

std::string LMscUnit::LabelSize() const { return layout.round ? RoundSizeText(d) : RectSizeText(a, b); }

std::string LMscUnit::LabelValue() const {
    switch (layout.kind) {
    case UnitKind::kFan: return FormatText("%lg Pa", value);
    case UnitKind::kHeater: return FormatText("%lg W", value);
    case UnitKind::kFilter: break;
    }
    return GetParamText(ValueIndex());
}

// "Ventilator  a=..;  b=..;  l=..;  text;  ..m3/h;  ..Pa;" and the like:
// the fans give the airflow before the pressure, the heaters the power
// before the airflow, the filters their two texts.  The line is cut to the
// description buffer.
char* LMscUnit::GetDescription() {
    std::string text;
    switch (layout.kind) {
    case UnitKind::kFan: text = "Ventilator"; break;
    case UnitKind::kHeater: text = FormatText("Kalorifer %s", HeaterSign()); break;
    case UnitKind::kFilter: text = "Filter"; break;
    }
    if (layout.round)
        text += FormatText("  d=%lg;", d);
    else
        text += FormatText("  a=%lg;  b=%lg;", a, b);
    std::string user = GetParamText(TextIndex());
    double airflow = connectors[0]->flow;
    text += FormatText("  l=%lg;  %s;", l, user.c_str());
    switch (layout.kind) {
    case UnitKind::kFan: text += FormatText("  %lgm3/h;  %lgPa;", airflow, value); break;
    case UnitKind::kHeater: text += FormatText("  %lgW;  %lgm3/h;", value, airflow); break;
    case UnitKind::kFilter: {
        std::string second = GetParamText(ValueIndex());
        text += FormatText("  %s;  %lgm3/h;", second.c_str(), airflow);
        break;
    }
    }
    return NewCutTextBuffer(text, kDescriptionSize);
}

int16_t LMscUnit::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    std::string size = LabelSize(), user = GetParamText(TextIndex()), rated = LabelValue();
    return MakeUnitLabel(size.c_str(), user.c_str(), rated.c_str());
}
