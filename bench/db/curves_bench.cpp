// Picks, windows and saves of drawings of a few KB whose curves the chord
// tolerance cuts finest: circles and bulges of radius 1e300 (4096 points a
// turn), cubic splines whose control points swing 1e150 wide (every span
// halved as deep as allowed), a spline of degree 31 (its points cost a
// thousand times a cubic's), and a spline through 2000 fit points.  Each
// must stay well under a second and 100 MB: a file's curves draw a bounded
// number of points a turn, a span and a spline.
//
//   curves_bench
//
// Prints `name: value unit` lines: the file's size, milliseconds, and the
// growth of the peak resident memory in MB during the step (the peak is
// reset first).
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include "db/drawn_shapes.h"
#include "dxf_text.h"
#include "step_measure.h"
#include "dxf/reader.h"
#include "dxf/writer.h"

namespace {

using namespace host;

constexpr int kHugeCircles = 100;
constexpr int kWildSplines = 20;
constexpr int kWildControlPoints = 12;
constexpr int kHighDegree = 31;
constexpr int kHighDegreeControlPoints = 120;
constexpr int kFitPoints = 2000;
// As wide as control points may swing with their squares still finite:
// every chord is tested, and the spans are cut as deep as allowed.
constexpr double kWild = 1e150;

void measure(const std::string& name, const std::function<void()>& work) { bench::measureAndPrint(name, work); }

using bench::group;
using bench::point;

std::string drawing(const std::string& entities) { return bench::drawing("", entities); }

// Circles of radius 1e300 and a polyline of bulges as wide.
std::string hugeCircles() {
    std::string text;
    for (int i = 0; i < kHugeCircles; ++i) text += "0\nCIRCLE\n8\n0\n" + point(10, i, 0) + group(40, 1e300);
    text += "0\nLWPOLYLINE\n8\n0\n" + group(90, "2") + point(10, 0, 0) + group(42, 1.0) + point(10, 1e300, 0);
    return drawing(text);
}

// A clamped spline of the degree over control points alternating between
// kWild and -kWild, its ends at 0,0 and 10,0.
std::string wildSpline(int degree, int count) {
    std::string text = "0\nSPLINE\n8\n0\n" + group(71, std::to_string(degree));
    for (int k = 0; k <= count + degree; ++k) text += group(40, std::clamp(k - degree, 0, count - degree));
    for (int k = 0; k < count; ++k) {
        double x = k == 0 ? 0 : k + 1 == count ? 10 : (k % 2 ? kWild : -kWild);
        text += point(10, x, k == 0 || k + 1 == count ? 0 : x);
    }
    return text;
}

std::string wildSplines() {
    std::string text;
    for (int i = 0; i < kWildSplines; ++i) text += wildSpline(3, kWildControlPoints);
    return drawing(text);
}

std::string fitSpline() {
    std::string text = "0\nSPLINE\n8\n0\n" + group(71, "3");
    for (int k = 0; k < kFitPoints; ++k) text += point(11, k, k % 2 ? 10 : 0);
    return drawing(text);
}

// Open, a pick on its start, a window round all, a save: each timed.
bool openSelectSave(const std::string& name, const std::string& text) {
    std::printf("%s_file: %.1f KB\n", name.c_str(), static_cast<double>(text.size()) / 1024.0);
    std::unique_ptr<db::Database> db;
    measure(name + "_open", [&] {
        dxf::ReadReport report;
        db = dxf::readDxfText(text, name, report);
    });
    if (!db) return false;
    db::Slot picked = db::kNoSlot;
    measure(name + "_pick", [&] { picked = db::pick(*db, 0, 0, 1); });
    size_t held = 0;
    measure(name + "_window", [&] { held = db::selectWindow(*db, -1e301, -1e301, 1e301, 1e301, false).size(); });
    std::string saved;
    measure(name + "_save", [&] { dxf::writeDxfText(*db, saved); });
    return picked != db::kNoSlot && held > 0 && !saved.empty();
}

} // namespace

int main() {
    bool ok = openSelectSave("huge_circles", hugeCircles());
    ok = openSelectSave("wild_splines", wildSplines()) && ok;
    ok = openSelectSave("wild_spline_degree_31", drawing(wildSpline(kHighDegree, kHighDegreeControlPoints))) && ok;
    ok = openSelectSave("fit_spline_2000", fitSpline()) && ok;
    if (!ok) std::fprintf(stderr, "curves_bench: a drawing was not opened, picked, held or saved\n");
    return ok ? 0 : 1;
}
