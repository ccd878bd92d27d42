// Picks, windows, crossings and saves of drawings of a few KB that stand
// for more than any machine can draw: MINSERT arrays of 32767 x 32767
// copies (on one spot, of a construction line, turned), blocks placing the
// next ten times at distinct offsets nine deep, blocks doubling 22 deep at
// ever closer offsets, and an MTEXT of 80,000 stacks.  Each step must stay
// under a second and 100 MB, and give the right answer (checked: the
// benchmark fails on a wrong one).
//
//   hostile_shapes_bench
//
// Prints `name: value unit` lines: milliseconds, the growth of the peak
// resident memory during the step in MB (the peak is reset first), the
// file's size in KB, and for each selection the number of entities taken
// and of those it could not look through.
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "db/drawn_shapes.h"
#include "step_measure.h"
#include "dxf/reader.h"
#include "dxf/writer.h"

namespace {

using namespace host;

constexpr double kHuge = 1e7;  // the radius of the circles round the picks
constexpr int kMostCopies = 32767;

void measure(const std::string& name, const std::function<void()>& work) { bench::measureAndPrint(name, work); }

std::string number(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

std::string header() {
    return "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1021\n0\nENDSEC\n0\nSECTION\n2\nBLOCKS\n";
}
std::string blockStart(const std::string& name) {
    return "0\nBLOCK\n8\n0\n2\n" + name + "\n70\n0\n10\n0\n20\n0\n30\n0\n";
}
const char* kBlockEnd = "0\nENDBLK\n8\n0\n";
std::string entities() { return "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"; }
const char* kEnd = "0\nENDSEC\n0\nEOF\n";

std::string circle(double x, double y, double r) {
    return "0\nCIRCLE\n8\n0\n10\n" + number(x) + "\n20\n" + number(y) + "\n30\n0\n40\n" + number(r) + "\n";
}
std::string xline(double dx, double dy) {
    return "0\nXLINE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n" + number(dx) + "\n21\n" + number(dy) + "\n31\n0\n";
}
// A closed square from (0, 0) to (side, side).
std::string square(double side) {
    std::string s = "0\nLWPOLYLINE\n8\n0\n90\n4\n70\n1\n";
    for (int k = 0; k < 4; ++k)
        s += "10\n" + number(k == 1 || k == 2 ? side : 0) + "\n20\n" + number(k >= 2 ? side : 0) + "\n";
    return s;
}
// An insert; columns and rows make it a MINSERT (spacings left out when 0).
std::string insert(const std::string& block, double x, double y, double degrees = 0, int columns = 1, int rows = 1,
                   double columnSpacing = 0, double rowSpacing = 0) {
    std::string s = "0\nINSERT\n8\n0\n2\n" + block + "\n10\n" + number(x) + "\n20\n" + number(y) + "\n30\n0\n";
    if (degrees != 0) s += "50\n" + number(degrees) + "\n";
    if (columns > 1) s += "70\n" + std::to_string(columns) + "\n";
    if (rows > 1) s += "71\n" + std::to_string(rows) + "\n";
    if (columnSpacing != 0) s += "44\n" + number(columnSpacing) + "\n";
    if (rowSpacing != 0) s += "45\n" + number(rowSpacing) + "\n";
    return s;
}

std::string named(char letter, int number) {
    std::string name(1, letter);
    name += std::to_string(number);
    return name;
}

// Blocks L0 (the innermost) to L<depth-1>, each but L0 placing the one
// below ten times, at offsets j 10^-level (j = 0 to 9), so that no two of
// the 10^(depth-1) paths down end on one spot; model space inserts the
// last, turned.
std::string nesting(const std::string& innermost, int depth, double degrees) {
    std::string text = header() + blockStart("L0") + innermost + kBlockEnd;
    for (int level = 1; level < depth; ++level) {
        text += blockStart(named('L', level));
        for (int j = 0; j < 10; ++j) {
            double o = j * std::pow(10.0, -level);
            text += insert(named('L', level - 1), o, o / 2);
        }
        text += kBlockEnd;
    }
    return text + entities() + insert(named('L', depth - 1), 0, 0, degrees) + kEnd;
}

// Doubling: each block places the one below at 0 and at 2^-(level + 8)
// along x, every placement distinct.
std::string doubling(int depth, double side) {
    std::string text = header() + blockStart("D0") + square(side) + kBlockEnd;
    for (int level = 1; level < depth; ++level) {
        double offset = std::ldexp(1.0, -(level + 8));
        text += blockStart(named('D', level)) + insert(named('D', level - 1), 0, 0) +
                insert(named('D', level - 1), offset, 0) + kBlockEnd;
    }
    return text + entities() + insert(named('D', depth - 1), 0, 0) + kEnd;
}

std::string stacks(int count) {
    std::string text = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1021\n" + entities() +
                       "0\nMTEXT\n8\n0\n10\n0\n20\n0\n30\n0\n40\n2.5\n1\n";
    for (int i = 0; i < count; ++i) text += "\\S;";
    return text + "\n" + kEnd;
}

struct Ask {
    enum Kind { Pick, Window, Crossing } kind;
    const char* name;
    double x1, y1, x2, y2;  // a pick's point and radius in x2
    size_t expected;        // entities taken
    size_t undecided = 0;   // entities it cannot look through within its work
};

bool run(const std::string& name, const std::string& text, std::initializer_list<Ask> asks) {
    std::printf("%s_file: %.1f KB\n", name.c_str(), static_cast<double>(text.size()) / 1024.0);
    std::unique_ptr<db::Database> db;
    measure(name + "_open", [&] {
        dxf::ReadReport report;
        db = dxf::readDxfText(text, name, report);
    });
    if (!db) {
        std::printf("%s: not read\n", name.c_str());
        return false;
    }
    bool ok = true;
    for (const Ask& ask : asks) {
        size_t taken = 0;
        std::vector<db::Slot> undecided;
        measure(name + "_" + ask.name, [&] {
            if (ask.kind == Ask::Pick) taken = db::pick(*db, ask.x1, ask.y1, ask.x2, &undecided) != db::kNoSlot;
            else
                taken = db::selectWindow(*db, ask.x1, ask.y1, ask.x2, ask.y2, ask.kind == Ask::Crossing, &undecided)
                            .size();
        });
        std::printf("%s_%s_taken: %zu count\n%s_%s_undecided: %zu count\n", name.c_str(), ask.name, taken,
                    name.c_str(), ask.name, undecided.size());
        if (taken != ask.expected || undecided.size() != ask.undecided) {
            std::printf("%s_%s: expected %zu taken, %zu undecided\n", name.c_str(), ask.name, ask.expected,
                        ask.undecided);
            ok = false;
        }
    }
    std::string saved;
    measure(name + "_save", [&] { dxf::writeDxfText(*db, saved); });
    return ok && !saved.empty();
}

} // namespace

int main() {
    bool ok = true;
    const double R = kHuge;
    // A circle of radius 1e7, 32767 x 32767 copies on one spot: one copy.
    ok = run("minsert_on_one_spot",
             header() + blockStart("C") + circle(0, 0, R) + kBlockEnd + entities() +
                 insert("C", 0, 0, 0, kMostCopies, kMostCopies) + kEnd,
             {{Ask::Pick, "pick_centre", 0, 0, 3, 0, 0},
              {Ask::Pick, "pick_on", R, 0, 3, 0, 1},
              {Ask::Window, "window_all", -R - 1, -R - 1, R + 1, R + 1, 1},
              {Ask::Crossing, "crossing_inside", -10, -10, 10, 10, 0},
              {Ask::Crossing, "crossing_over", R - 1, -1, R + 1, 1, 1}}) && ok;
    // Horizontal construction lines 100 apart, 32767 x 32767 copies: a
    // family of parallel lines; a pick 35 from each, a crossing between.
    ok = run("minsert_xline",
             header() + blockStart("X") + xline(1, 0) + kBlockEnd + entities() +
                 insert("X", 0, 0, 0, kMostCopies, kMostCopies, 100, 100) + kEnd,
             {{Ask::Pick, "pick_between", 5000, 35, 3, 0, 0},
              {Ask::Pick, "pick_on", 5000, 200, 3, 0, 1},
              {Ask::Crossing, "crossing_between", 10, 10, 90, 90, 0},
              {Ask::Crossing, "crossing_over", 10, 90, 90, 110, 1},
              {Ask::Window, "window", -10, -10, 110, 110, 0}}) && ok;
    // The same lines at 30 degrees, whose copies are all distinct lines.
    ok = run("minsert_xline_slanted",
             header() + blockStart("X") + xline(std::cos(M_PI / 6), std::sin(M_PI / 6)) + kBlockEnd + entities() +
                 insert("X", 0, 0, 0, kMostCopies, kMostCopies, 100, 100) + kEnd,
             {{Ask::Pick, "pick_on", 0, 0, 3, 0, 1},
              {Ask::Pick, "pick_far_off", -1e8, 1e8, 3, 0, 0},
              {Ask::Crossing, "crossing_over", -1, -1, 1, 1, 1}}) && ok;
    // Rows without a row spacing: 32767 rows on one spot of vertical lines
    // 100 apart; a crossing between them.
    ok = run("minsert_rows_no_spacing",
             header() + blockStart("X") + xline(0, 1) + kBlockEnd + entities() +
                 insert("X", 0, 0, 0, kMostCopies, kMostCopies, 100, 0) + kEnd,
             {{Ask::Crossing, "crossing_between", 10, 10, 90, 90, 0},
              {Ask::Crossing, "crossing_over", 90, 10, 110, 90, 1}}) && ok;
    // An array turned 45 degrees of circles of radius 10, 100 apart: a
    // window round all copies but the last holds nothing; one round all holds it.
    {
        const double far = (kMostCopies - 1) * 100.0 / std::sqrt(2.0);
        ok = run("minsert_turned",
                 header() + blockStart("T") + circle(0, 0, 10) + kBlockEnd + entities() +
                     insert("T", 0, 0, 45, kMostCopies, kMostCopies, 100, 100) + kEnd,
                 {{Ask::Window, "window_all_but_one", -far - 20, -20, far + 20, 2 * far - 50, 0},
                  {Ask::Window, "window_all", -far - 20, -20, far + 20, 2 * far + 20, 1},
                  {Ask::Pick, "pick_between", 50, 50, 3, 0, 0},
                  {Ask::Crossing, "crossing_between", -3, 60, 3, 80, 0}}) && ok;
    }
    // Ten inserts at small distinct offsets, nine levels (a billion paths),
    // round a circle of radius 1e7; and the same with the top turned.
    for (double degrees : {0.0, 45.0}) {
        std::string name = degrees == 0 ? "nested_ten_nine_deep" : "nested_ten_nine_deep_turned";
        const double reach = R + 10;
        ok = run(name, nesting(circle(0, 0, R), 10, degrees),
                 {{Ask::Pick, "pick_centre", 0, 0, 3, 0, 0},
                  {Ask::Crossing, "crossing_centre", -100, -100, 100, 100, 0},
                  {Ask::Window, "window_all", -reach, -reach, reach, reach, 1},
                  {Ask::Window, "window_half", -reach, -reach, reach, 0, 0}}) && ok;
    }
    // Squares of side 1 doubling 22 deep at distinct offsets: a pick and a
    // crossing at the middle of the squares, on nothing.
    ok = run("doubling_22_deep", doubling(22, 1),
             {{Ask::Pick, "pick_middle", 0.5, 0.5, 0.01, 0, 0},
              {Ask::Crossing, "crossing_middle", 0.45, 0.45, 0.55, 0.55, 0},
              {Ask::Window, "window_all", -1, -1, 3, 3, 1}}) && ok;
    // A cross of two lines 2e7 long, ten inserts at distinct offsets nine
    // levels deep: a pick or crossing in a quarter between its arms is
    // inside every box and ring and near no line, and a billion copies are
    // more than a pick may look at: it stops within its work and says so.
    {
        std::string cross = "0\nLINE\n8\n0\n10\n" + number(-R) + "\n20\n0\n30\n0\n11\n" + number(R) +
                            "\n21\n0\n31\n0\n0\nLINE\n8\n0\n10\n0\n20\n" + number(-R) + "\n30\n0\n11\n0\n21\n" +
                            number(R) + "\n31\n0\n";
        ok = run("nested_cross_undecided", nesting(cross, 10, 0),
                 {{Ask::Pick, "pick_between_arms", R / 2, R / 2, 3, 0, 0, 1},
                  {Ask::Crossing, "crossing_between_arms", R / 2, R / 2, R / 2 + 10, R / 2 + 10, 0, 1},
                  {Ask::Pick, "pick_on_arm", R / 2, 0, 3, 0, 1, 0}}) && ok;
    }
    // A MINSERT of 32767 x 32767 copies 100 apart of a block that places a
    // circle of radius 1e7: a pick where the circles of some copies pass
    // looks copy by copy, and finds one.
    ok = run("minsert_of_nested_circles",
             header() + blockStart("C") + circle(0, 0, R) + kBlockEnd + blockStart("A") + insert("C", 0, 0) +
                 kBlockEnd + entities() + insert("A", 0, 0, 0, kMostCopies, kMostCopies, 100, 100) + kEnd,
             {{Ask::Pick, "pick_far_inside", 5e6, 5e6, 3, 0, 0},
              {Ask::Pick, "pick_among_circles", R + 1.6e6 + 0.5, 1.6e6 + 0.25, 3, 0, 1}}) && ok;
    // An MTEXT of 80,000 stacks; a pick far from it.
    ok = run("mtext_stacks", stacks(80000), {{Ask::Pick, "pick_far", 1e6, 1e6, 3, 0, 0}}) && ok;
    return ok ? 0 : 1;
}
