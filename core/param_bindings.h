// Parameter binding tables: which field of an element each of its values
// is, and the rule by which a value is taken.  A class lists its values
// once, in their order; GetBoundParams and SetBoundParams do the copying
// that GetParams and SetParams would otherwise spell out field by field.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "core/rounding.h"

enum class BindRule : int8_t {
    kNumber,    // taken as it is
    kSize,      // taken when it is a size (finite, above 0); else kept
    kPosition,  // a whole number: a 1-based position in a list or an on/off 0 or 1
    kChoice,    // a whole number clamped to low..high
};

template <class T>
struct ParamBinding {
    BindRule rule = BindRule::kNumber;
    double T::*number = nullptr;   // kNumber, kSize
    int16_t T::*whole = nullptr;   // kPosition, kChoice
    int16_t low = 0, high = 0;     // kChoice
};

template <class T>
constexpr ParamBinding<T> NumberField(double T::*field) {
    return {BindRule::kNumber, field, nullptr, 0, 0};
}
template <class T>
constexpr ParamBinding<T> SizeField(double T::*field) {
    return {BindRule::kSize, field, nullptr, 0, 0};
}
template <class T>
constexpr ParamBinding<T> PositionField(int16_t T::*field) {
    return {BindRule::kPosition, nullptr, field, 0, 0};
}
template <class T>
constexpr ParamBinding<T> ChoiceField(int16_t T::*field, int16_t low, int16_t high) {
    return {BindRule::kChoice, nullptr, field, low, high};
}

// The element's values in the order of the table, as GetParams gives them
// (a new array the caller deletes); 0.
template <class T, size_t N>
int16_t GetBoundParams(const T& e, const ParamBinding<T> (&table)[N], double** values) {
    double* v = new double[N];
    for (size_t i = 0; i < N; ++i)
        v[i] = table[i].number ? e.*(table[i].number) : static_cast<double>(e.*(table[i].whole));
    *values = v;
    return 0;
}

// Takes the first N values into the element's fields by their rules.
template <class T, size_t N>
void SetBoundParams(T& e, const ParamBinding<T> (&table)[N], const double* v) {
    for (size_t i = 0; i < N; ++i) {
        const ParamBinding<T>& b = table[i];
        switch (b.rule) {
        case BindRule::kNumber:
            e.*(b.number) = v[i];
            break;
        case BindRule::kSize:
            if (std::isfinite(v[i]) && v[i] > 0.0)
                e.*(b.number) = v[i];
            break;
        case BindRule::kPosition:
            e.*(b.whole) = RoundToShort(v[i]);
            break;
        case BindRule::kChoice: {
            int16_t x = RoundToShort(v[i]);
            e.*(b.whole) = x < b.low ? b.low : x > b.high ? b.high : x;
            break;
        }
        }
    }
}
