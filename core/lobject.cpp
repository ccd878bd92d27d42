// Construction and destruction of the element base, its plain accessors and
// the defaults of its virtual operations.
#include "core/lobject.h"

#include <cstring>

#include "core/chain.h"
#include "core/insert_defaults.h"
#include "core/null_handle.h"
#include "core/type_tables.h"

LLabelNode::~LLabelNode() { DeleteChainAfter(next); }

void LLabelNode::Reset() {
    number = -1;
    SetPoint3d(point, 0, 0, 0);
    ads_name_clear(insert);
    ads_name_clear(leader);
    ads_name_clear(third);
}

LChildNode::~LChildNode() { DeleteChainAfter(next); }

LObject::LObject(uint16_t familyCode, uint16_t subtypeCode, int16_t connectorCountIn,
                 int16_t paramCountIn, LTypeDescriptor* descriptorIn)
    : family(static_cast<int16_t>(familyCode)),
      subtype(static_cast<int16_t>(subtypeCode)),
      handle(NullHandleText),
      paramIsText(nullptr),
      paramTexts(nullptr),
      paramCount(paramCountIn > 0 ? paramCountIn : 0),
      connectorCount(connectorCountIn > 0 ? connectorCountIn : 0),
      connectors(nullptr),
      descriptor(descriptorIn),
      children(new LChildNode) {
    if (paramCount > 0) {
        paramIsText = new int16_t[paramCount]();
        paramTexts = new std::wstring[paramCount];
    }
    if (connectorCount > 0)
        connectors = new LConnector*[connectorCount]();
    scale = CurrentInsertScale();
}

LObject::~LObject() {
    for (int i = 0; i < connectorCount; ++i)
        delete connectors[i];  // frees its neighbour handle text
    delete[] paramTexts;
    delete[] paramIsText;
    FreeHandleText(handle);
    delete[] connectors;
    delete[] userText;
    delete children;
    // firstLabel's destructor frees the chain behind it.
}

void DestroyElement(LObject* element) { delete element; }

void SetElementHandle(LObject* element, const char* text) {
    if (!element)
        return;
    FreeHandleText(element->handle);
    element->handle = CopyHandleText(text);
}

void SetElementUserText(LObject* element, const char* text) {
    if (!element)
        return;
    delete[] element->userText;
    element->userText = nullptr;
    if (text) {
        size_t n = std::strlen(text);
        element->userText = new char[n + 1];
        std::memcpy(element->userText, text, n + 1);
    }
}

// Copies a text into a caller's buffer of outSize characters, cut to fit.
static void CopyCut(char* out, size_t outSize, const char* text) {
    if (!out || outSize == 0)
        return;
    size_t n = std::strlen(text);
    if (n >= outSize)
        n = outSize - 1;
    std::memcpy(out, text, n);
    out[n] = '\0';
}

void LObject::GetHandle(char* out, size_t outSize) const { CopyCut(out, outSize, handle); }

void LObject::GetSystemTag(char* out, size_t outSize) const {
    CopyCut(out, outSize, system.tag);
}

int16_t LObject::SetFlow(double value) {
    flow = value;
    return 0;
}

int16_t LObject::SetRotation(double value) {
    rotation = value;
    return 0;
}

void LObject::GetInsertionPoint(ads_point out) const { CopyPoint3d(out, insertionPoint); }

void LObject::SetInsertionPoint(const ads_point p) { CopyPoint3d(insertionPoint, p); }

void LObject::SetScale(double x, double y, double z) {
    scale.sx = x;
    scale.sy = y;
    scale.sz = z;
}

void LObject::SetFlipModes(uint16_t x, uint16_t y, uint16_t z) {
    flipModes[0] = static_cast<int16_t>(x);
    flipModes[1] = static_cast<int16_t>(y);
    flipModes[2] = static_cast<int16_t>(z);
}

void LObject::SetRunEnds(bool round, int16_t sizeParam, int16_t heightParam) {
    if (connectorCount < 2 || !connectors[0] || !connectors[1])
        return;
    connectors[0]->side = 2;
    connectors[1]->side = 5;
    for (int i = 0; i < 2; ++i) {
        connectors[i]->shape = round ? kShapeRound : kShapeRect;
        connectors[i]->paramA = sizeParam;
        connectors[i]->paramB = round ? -1 : heightParam;
    }
}

int16_t LObject::SetAttachMasks(uint16_t m0, uint16_t m1, uint16_t m2, uint16_t m3,
                                uint16_t m4, uint16_t m5) {
    const uint16_t masks[6] = {m0, m1, m2, m3, m4, m5};
    std::memcpy(attachMasks, masks, sizeof masks);
    return 0;
}

int16_t LObject::SetAttachOffsets(double o0, double o1, double o2, double o3, double o4,
                                  double o5) {
    const double offsets[6] = {o0, o1, o2, o3, o4, o5};
    std::memcpy(attachOffsets, offsets, sizeof offsets);
    return 0;
}

int16_t LObject::GetAttachMask(int16_t i) const {
    return i >= 0 && i < 6 ? static_cast<int16_t>(attachMasks[i]) : 0;
}

double LObject::GetAttachOffset(int16_t i) const {
    return i >= 0 && i < 6 ? attachOffsets[i] : 0.0;
}

LConnector* LObject::GetConnector(int16_t i) const {
    if (i < 0 || i >= connectorCount || !connectors)
        return nullptr;
    return connectors[i];
}

// Defaults of the virtual operations.

int16_t LObject::Mirror() { return 0; }

LObject* LObject::SetOrientation(int16_t side) {
    orientation = side;
    return this;
}

double LObject::GetQuantity() { return 1.0; }

LPathNode* LObject::GetPath() { return nullptr; }

int16_t LObject::RemoveLastSegment() { return -1; }

int16_t LObject::GetLastSegmentEnd(ads_point, double*) { return -1; }

int16_t LObject::FitLength(double*, int16_t*, int16_t, int16_t, double, double) { return -1; }

int16_t LObject::AddPathPoint(const ads_point, double) { return -1; }

int16_t LObject::AddPathSegment(const ads_point, double) { return -1; }

char* LObject::GetDescription() { return nullptr; }

int16_t LObject::AdjustInsertionPoint(ads_point, const double*) { return -1; }

const double* LObject::DefaultValues() const { return TypeDefaults(family, subtype); }
