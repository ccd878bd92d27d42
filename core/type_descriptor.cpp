#include "core/type_descriptor.h"

static bool HasParam(const LTypeDescriptor* d, int i) {
    return d && i >= 0 && i < d->paramCount;
}

int16_t DescKind(const LTypeDescriptor* d, int i) {
    return HasParam(d, i) && d->kinds ? d->kinds[i] : 0;
}

int16_t DescValueCount(const LTypeDescriptor* d, int i) {
    return HasParam(d, i) && d->valueCounts ? d->valueCounts[i] : 0;
}

const double* DescValues(const LTypeDescriptor* d, int i) {
    if (!HasParam(d, i) || !d->valueLists || DescKind(d, i) == kParamTextChoice)
        return nullptr;
    return static_cast<const double*>(d->valueLists[i]);
}

const char* const* DescTexts(const LTypeDescriptor* d, int i) {
    if (!HasParam(d, i) || !d->valueLists || DescKind(d, i) != kParamTextChoice)
        return nullptr;
    return static_cast<const char* const*>(d->valueLists[i]);
}

const char* const* DescLabels(const LTypeDescriptor* d, int i) {
    return HasParam(d, i) && d->textLists ? d->textLists[i] : nullptr;
}

const char* DescCaption(const LTypeDescriptor* d, int i) {
    if (!HasParam(d, i) || !d->captions || !d->captions[i])
        return "";
    return d->captions[i];
}

int16_t DescFlowConnector(const LTypeDescriptor* d, int i) {
    if (!d || i < 0 || i >= d->flowCount || !d->flowConnectors)
        return -1;
    return d->flowConnectors[i];
}

const char* DescListText(const LTypeDescriptor* d, int param, int pos) {
    if (pos < 0 || pos >= DescValueCount(d, param))
        return "";
    const char* const* list = DescTexts(d, param);
    if (!list)
        list = DescLabels(d, param);
    return list && list[pos] ? list[pos] : "";
}

// A row filled again (the set-up run a second time) drops its old arrays.
void FreeDescriptorArrays(LTypeDescriptor* d) {
    delete[] d->valueCounts;
    delete[] d->kinds;
    delete[] d->valueLists;
    delete[] d->textLists;
    delete[] d->captions;
    delete[] d->flowConnectors;
    d->valueCounts = d->kinds = d->flowConnectors = nullptr;
    d->valueLists = nullptr;
    d->textLists = nullptr;
    d->captions = nullptr;
    d->paramCount = d->flowCount = 0;
}

void AllocDescriptorArrays(LTypeDescriptor* d, int16_t paramCount, int16_t flowCount,
                           int16_t kind, const double* defaultList) {
    FreeDescriptorArrays(d);
    d->paramCount = paramCount;
    d->flowCount = flowCount;
    d->switchParam = -1;
    int n = paramCount > 0 ? paramCount : 1;
    int f = flowCount > 0 ? flowCount : 1;
    d->valueCounts = new int16_t[n]();
    d->kinds = new int16_t[n]();
    d->valueLists = new const void*[n]();
    d->textLists = new const char* const*[n]();
    d->captions = new const char*[n]();
    d->flowConnectors = new int16_t[f]();
    for (int i = 0; i < n; ++i) {
        d->kinds[i] = kind;
        d->valueLists[i] = defaultList;
        d->captions[i] = "";
    }
}

void SetParamRow(LTypeDescriptor* d, int i, int16_t kind, int16_t count, const void* list) {
    if (!HasParam(d, i))
        return;
    d->kinds[i] = kind;
    d->valueCounts[i] = count;
    d->valueLists[i] = list;
}

bool HasTypeFlag(const LTypeDescriptor* d, uint32_t flag) {
    return d && flag != 0 && (d->flags & flag) == flag;
}
