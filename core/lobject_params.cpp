// Parameter texts, the catalogue check and applying requested values.
#include "core/lobject.h"
#include "core/string_convert.h"

int16_t LObject::SetParamIsText(int16_t i) {
    if (i < 0 || i >= paramCount)
        return -1;
    paramIsText[i] = 1;
    return 0;
}

int16_t LObject::ParamIsText(int16_t i) const {
    return i >= 0 && i < paramCount ? paramIsText[i] : 0;
}

int16_t LObject::SetParamText(int16_t i, const char* text) {
    if (i < 0 || i >= paramCount)
        return -1;
    paramTexts[i] = ToWide(text);
    return 0;
}

std::string LObject::GetParamText(int16_t i) const {
    if (i < 0 || i >= paramCount)
        return std::string();
    return StringToNarrow(paramTexts[i]);
}

int16_t LObject::ParamKind(int16_t i) const { return DescKind(descriptor, i); }

int16_t LObject::ParamChoiceCount(int16_t i) const { return DescValueCount(descriptor, i); }

const double* LObject::ParamChoices(int16_t i) const { return DescValues(descriptor, i); }

const char* const* LObject::ParamChoiceTexts(int16_t i) const {
    const char* const* texts = DescTexts(descriptor, i);
    return texts ? texts : DescLabels(descriptor, i);
}

// True when the value is one of the parameter's catalogue values.
static bool OnValueList(const LObject* e, int16_t i, double value) {
    const double* list = e->ParamChoices(i);
    int count = e->ParamChoiceCount(i);
    for (int k = 0; list && k < count; ++k)
        if (list[k] == value)
            return true;
    return false;
}

int16_t LObject::MatchCatalogue(const double* requested, const int16_t* flags) {
    if (!requested)
        return -1;
    double* current = nullptr;
    if (GetParams(&current) != 0 || !current) {
        delete[] current;
        return -1;
    }
    int16_t result = 0;
    for (int i = 0; i < paramCount && result == 0; ++i) {
        if (flags && !flags[i])
            continue;
        // Exact comparison: a NaN never matches.
        if (!(current[i] == requested[i]))
            result = -1;
        int16_t k = ParamKind(static_cast<int16_t>(i));
        if ((k == kParamList || k == kParamLabelled) && !OnValueList(this, static_cast<int16_t>(i), current[i]))
            result = -1;
    }
    delete[] current;
    return result;
}

int16_t LObject::ApplyParams(const double* values, const int16_t* flags) {
    if (!values)
        return -1;
    if (!flags) {
        SetParams(values);
        return 0;
    }
    double* current = nullptr;
    if (GetParams(&current) != 0 || !current) {
        delete[] current;
        return -1;
    }
    if (!edited && paramCount > 0) {
        // Sizes bound to connectors start from 0 so that the class's
        // fallbacks fill the ones the request does not give.
        int16_t* zeroFlags = new int16_t[paramCount];
        for (int i = 0; i < connectorCount; ++i) {
            if (!connectors[i])
                continue;
            for (int k = 0; k < paramCount; ++k)
                zeroFlags[k] = 0;
            connectors[i]->SetSize(current, zeroFlags, 0.0, 0.0);
        }
        delete[] zeroFlags;
    }
    for (int i = 0; i < paramCount; ++i)
        if (flags[i])
            current[i] = values[i];
    SetParams(current);
    delete[] current;
    return 0;
}

int16_t LObject::RestoreParams(const double* values) {
    restoringParams = true;
    int16_t result = SetParams(values);
    restoringParams = false;
    return result;
}
