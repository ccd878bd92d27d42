// One row per element subtype: what the properties dialog shows, the airflow
// entries, the catalogue value lists, the catalogue strings and the behaviour
// flags of the type.  The rows are built from the registered type entries
// (core/type_entry.h) once the messages are loaded; elements only read them.
#pragma once

#include <cstdint>

#include "core/lconnector.h"
#include "core/type_flags.h"

// How a parameter is chosen (the properties dialog gives each its tile).
enum ParamKind : int16_t {
    kParamFree = 0,          // typed number (also -4 and unknown kinds)
    kParamDiameter = 1,      // one of StandardDiameters
    kParamList = -1,         // one of the value list's numbers
    kParamPercent = -2,      // value list shown as percentages
    kParamTextChoice = -3,   // 1-based position in a list of texts
    kParamEntry = -4,        // typed whole number
    kParamRadio = -5,        // radio-button variant
    kParamLabelled = -6,     // value list shown by the text list
    kParamText = -7,         // the element's parameter text
    kParamDisabled = -10,    // shown, not editable
    kParamEnabled = -11,     // editable again
};

struct LTypeDescriptor {
    int16_t paramCount = 0;
    int16_t flowCount = 0;
    int16_t switchParam = -1;        // on/off toggle parameter, -1 none
    int16_t* valueCounts = nullptr;  // per parameter
    int16_t* flowConnectors = nullptr;  // per airflow entry; -1 = own airflow
    int16_t* kinds = nullptr;        // per parameter
    // Per parameter: a list of doubles, or for kind -3 a list of texts
    // (const char* const*), stored untyped as the row has always held them.
    const void** valueLists = nullptr;
    const char* const** textLists = nullptr;  // per parameter, kind -6
    const char* message = "";
    const char* dialogKey = "";
    const char* slideName = "";
    const char* blockPrefix = "";
    const char* cataloguePage = "";
    const char* displayCode = "";
    const char** captions = nullptr;  // per parameter
    uint32_t flags = 0;              // TypeFlag bits
    int16_t pieceShape = kShapeUnset;  // shape whose drawing piece length the type uses
    int16_t lengthParam = -1;        // the length parameter of a straight piece
};

// True when the row has every bit of flag (a null row has none).
bool HasTypeFlag(const LTypeDescriptor* d, uint32_t flag);

// Bounds-checked readers: an index outside the row gives the neutral value.
int16_t DescKind(const LTypeDescriptor* d, int i);         // 0 when outside
int16_t DescValueCount(const LTypeDescriptor* d, int i);   // 0 when outside
const double* DescValues(const LTypeDescriptor* d, int i); // null when outside
const char* const* DescTexts(const LTypeDescriptor* d, int i);  // kind -3 list
const char* const* DescLabels(const LTypeDescriptor* d, int i); // kind -6 list
const char* DescCaption(const LTypeDescriptor* d, int i);  // "" when outside
int16_t DescFlowConnector(const LTypeDescriptor* d, int i);  // -1 when outside
// The text at 0-based position pos of a parameter's text list (kind -3 value
// list, else the kind -6 text list); "" when outside.
const char* DescListText(const LTypeDescriptor* d, int param, int pos);

// Allocates the per-parameter and per-entry arrays of a row and gives every
// parameter the kind, no list entries and the given list.  The arrays live
// for the process.
void AllocDescriptorArrays(LTypeDescriptor* d, int16_t paramCount, int16_t flowCount,
                           int16_t kind, const double* defaultList);
// Frees the arrays of a row (a row built by a test, or before refilling).
void FreeDescriptorArrays(LTypeDescriptor* d);
void SetParamRow(LTypeDescriptor* d, int i, int16_t kind, int16_t count, const void* list);
