// The labels of an element: the number label (an anonymous block with the
// system tag and the label number, and a leader line to the element), the
// fitting and unit labels, the airflow label, and the reactor attachments
// that keep a number label and its leader together.
//
// Results: 0 done, -1 refused or cancelled; PlaceLabel also gives -2 after
// "Next" or "Quit" and 200 after "Select".
#pragma once

#include <cstddef>
#include <cstdint>

#include "ads_types.h"

class LObject;

// The marker that tells label entities from element inserts.
constexpr const char* kLabelMarker = "LurakLabelReactor";

// Half-width of a number label: 1.8 v, grown for tags longer than 2.
double LabelHalfWidth(double size, const char* tag);
// The label point of node i mapped into the plan (plan) and placed in the
// drawing (anchor).
void LabelAnchor(const LObject* element, const ads_point labelPoint, ads_point plan, ads_point anchor);

// Builds the number-label block of the number into a new anonymous block
// and writes its name into name; -1 when number is null.
int16_t BuildLabelGraphics(LObject* element, const int32_t* number, char* name, size_t nameSize);
// Asks for the point of label i and places the number label and its leader.
int16_t PlaceLabel(LObject* element, int16_t i);
int16_t PlaceFittingLabel(LObject* element, int16_t i, const char* nameText, const char* sizeText);
int16_t PlaceUnitLabel(LObject* element, int16_t i, const char* text1, const char* text2,
                       const char* text3);
// One centred text of a label block at (0, y) with the system's style,
// size and text colour; on layer "0", or without a layer group when layer
// is null.  The host's status.
struct LSystemRecord;
int16_t MakeLabelText(const LSystemRecord& r, double y, int vertical, const char* text, const char* layer);

// The airflow label at the element's first connector, with an optional arrow.
int16_t PlaceDuctLabel(LObject* element);
