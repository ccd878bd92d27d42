// The notation the composite runs' view tables are written in, the
// drawing's own: c, l, k, r1, r2, a, b, d, e, C1, C2, g1 and g2 are the
// run's sizes (lvl_composite.h), O is no length; Ln and Ar are a table's
// line and arc rows, and kPlusJoint marks the rows of the joint at +l/2;
// Join makes one table of parts drawn in turn, Rows the views' entry.
// Only the table files include it: its names are short on purpose.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "elements/vl/lvl_composite.h"

namespace composite_notation {

constexpr FigureMeasure c = FigureSymbol(kSymC), l = FigureSymbol(kSymL), k = FigureSymbol(kSymK);
constexpr FigureMeasure r1 = FigureSymbol(kSymR1), r2 = FigureSymbol(kSymR2);
constexpr FigureMeasure a = FigureSymbol(kSymA), b = FigureSymbol(kSymB), d = FigureSymbol(kSymD);
constexpr FigureMeasure e = FigureSymbol(kSymE);
constexpr FigureMeasure C1 = FigureSymbol(kSymC1), C2 = FigureSymbol(kSymC2);
constexpr FigureMeasure g1 = FigureSymbol(kSymG1), g2 = FigureSymbol(kSymG2);
constexpr FigureMeasure O{};
constexpr FittingPen kOutline = FittingPen::kOutline, kPen1 = FittingPen::kPen1, kPen2 = FittingPen::kPen2;
constexpr FittingPen kDashed = FittingPen::kDashed, kCentre = FittingPen::kCentre;
constexpr uint8_t kPlusJoint = kFigureRowConditional;
constexpr FigureRow Ln(FittingPen pen, FigurePoint p1, FigurePoint p2, uint8_t flags = kFigureRowAlways) {
    return TableLine(pen, p1, p2, flags);
}
constexpr FigureRow Ar(FittingPen pen, FigurePoint centre, FigureMeasure r, int q0, int q1) {
    return TableArc(pen, centre, r, q0, q1);
}

// The parts' rows one after the other, as one table.
template <size_t... N>
constexpr std::array<FigureRow, (N + ...)> Join(const FigureRow (&... parts)[N]) {
    std::array<FigureRow, (N + ...)> rows{};
    size_t at = 0;
    auto put = [&](const FigureRow* part, size_t count) {
        for (size_t i = 0; i < count; ++i)
            rows[at++] = part[i];
    };
    (put(parts, N), ...);
    return rows;
}

template <size_t N>
constexpr CompositeViews::Table Rows(const FigureRow (&rows)[N]) {
    return {rows, N};
}
template <size_t N>
constexpr CompositeViews::Table Rows(const std::array<FigureRow, N>& rows) {
    return {rows.data(), N};
}

}  // namespace composite_notation
