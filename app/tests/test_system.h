// An air system for tests and fuzz targets: its pen, centre-line and label
// layers made in the drawing, then listed (and stored) in the drawing's
// systems.
#pragma once

#include <string>

#include "app/doc_state.h"
#include "core/string_convert.h"
#include "core/system_layers.h"
#include "core/system_store.h"
#include "core/system_text.h"

// 0 with the record in `out`, or AddSystem's refusal.
inline int16_t AddLayeredSystem(LDocState* state, const char* tag, const char* name, LSystemRecord* out) {
    LSystemRecord& r = *out;
    r = LSystemRecord();
    char layer[24];
    SystemLayerName(layer, sizeof layer, tag);
    CopyFieldText(r.tag, tag);
    CopyFieldText(r.name, name);
    for (int i = 0; i < 3; ++i) {
        CopyFieldText(r.penLayer[i], layer);
        CopyFieldText(r.penLinetype[i], "CONTINUOUS");
    }
    CopyFieldText(r.centreLayer, layer);
    CopyFieldText(r.centreLinetype, "CONTINUOUS");
    CopyFieldText(r.labelLayer, (std::string(layer) + "-F").c_str());
    CopyFieldText(r.textStyle, "STANDARD");
    CopyFieldText(r.dimStyle, "STANDARD");
    CreateLayer(5, ToWide(layer).c_str(), state->database);
    CreateLayer(7, ToWide(r.labelLayer).c_str(), state->database);
    return AddSystem(state->systemList, &r);
}
