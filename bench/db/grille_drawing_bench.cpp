// Picks, windows and crossings of grille faces: blocks of thousands of
// holes (circles of radius 3, 10 apart) inserted many times side by side
// or once.  Nothing nests or repeats: the file spells out every insert, so
// every answer must be decided whole (the benchmark fails when one is
// wrong or left out), in time about linear in the file.
//
//   grille_drawing_bench [--list] [--seconds N] [CASE...]   (selection_cases.h)
#include <cmath>
#include <string>
#include <vector>

#include "dxf_text.h"
#include "selection_cases.h"

namespace {

using namespace bench;

constexpr double kHoleRadius = 3;
constexpr double kHoleSpacing = 10;
constexpr double kInsertSpacing = 600;
constexpr double kPickRadius = 3;  // the program's pick box

// A block "G" of columns x rows circles (holes unless told), the first
// centred on its base point.
std::string grille(int columns, int rows, double radius = kHoleRadius, double spacing = kHoleSpacing) {
    std::string holes;
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i) holes += circle(i * spacing, j * spacing, radius);
    return block("G", holes);
}

// `count` inserts of it 600 apart along x, each turned.
std::string row(int count, double degrees) {
    std::string text;
    for (int k = 0; k < count; ++k) text += insert("G", {.x = k * kInsertSpacing, .degrees = degrees});
    return text;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<Case> cases;
    // 120 faces of 50 x 40 holes: a crossing along the last row of holes
    // (y = 390) meets every face; a window round all holds every face.
    {
        const int count = 120;
        const double end = count * kInsertSpacing;
        cases.push_back({"faces_120_of_2000_holes", [=] { return drawing(grille(50, 40), row(count, 0)); },
                         {{Ask::Crossing, "crossing_last_row", -10, 389, 180000, 391, count},
                          {Ask::Window, "window_all", -10, -10, end, 400, count},
                          {Ask::Pick, "pick_on_hole", (count - 1) * kInsertSpacing + 250 + kHoleRadius, 250,
                           kPickRadius, 0, 1},
                          {Ask::Pick, "pick_between_holes", 255, 255, kPickRadius, 0, 0}}});
    }
    // 110 faces of 40 x 40 holes turned 45 degrees: each reaches 396 / sqrt 2
    // either side of its base point and 396 sqrt 2 up.
    {
        const int count = 110;
        const double side = 396 / std::sqrt(2.0), top = 396 * std::sqrt(2.0);
        const double end = (count - 1) * kInsertSpacing;
        cases.push_back({"faces_110_of_1600_holes_turned", [=] { return drawing(grille(40, 40), row(count, 45)); },
                         {{Ask::Window, "window_all", -side - 10, -10, end + side + 10, top + 10, count},
                          {Ask::Window, "window_all_but_last", -side - 10, -10, end - 10, top + 10, count - 1},
                          {Ask::Crossing, "crossing_middle_row", -side - 10, top / 2 - 1, end + side + 10, top / 2 + 1,
                           count}}});
    }
    // One face of 52 x 50 holes: a pick on a hole takes it, one between
    // holes (4 from the nearest) nothing.
    cases.push_back({"face_of_2600_holes_once", [] { return drawing(grille(52, 50), insert("G")); },
                     {{Ask::Pick, "pick_on_hole", 250 + kHoleRadius, 250, kPickRadius, 0, 1},
                      {Ask::Pick, "pick_between_holes", 255, 255, kPickRadius, 0, 0},
                      {Ask::Window, "window_all", -10, -10, 520, 500, 1},
                      {Ask::Crossing, "crossing_one_hole", 252, 249, 254, 251, 1},
                      {Ask::Crossing, "crossing_inside_hole", 249, 249, 251, 251, 0}}});
    // The same grid of 2,600 circles of radius 1e5, 3.4e5 apart: each circle
    // is drawn with many points, none multiplies.
    {
        const double r = 1e5, spacing = 3.4e5, at = 25 * spacing;
        cases.push_back({"circles_2600_of_radius_1e5_once", [=] { return drawing(grille(52, 50, r, spacing), insert("G")); },
                         {{Ask::Pick, "pick_on_circle", at + r, at, kPickRadius, 0, 1},
                          {Ask::Pick, "pick_inside_circle", at + r / 2, at, kPickRadius, 0, 0},
                          {Ask::Crossing, "crossing_on_circle", at + r - 1, at - 1, at + r + 1, at + 1, 1}}});
    }
    return runCases(argc, argv, cases);
}
