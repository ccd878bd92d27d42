// Picks, windows and saves of drawings whose blocks nest deeply: blocks
// nested 26 and 30 deep, each inserting the one below twice side by side
// (2^30 lines once expanded, from a file of a few KB); a chain of 60,000
// blocks, each inserting the next; blocks nested 30 deep, each inserting
// the one below twice on the same spot, asked between their lines; an arc
// whose start angle is 1e20.  Each
// must stay well under a second and 100 MB: a pick or window looks inside
// a block only where its box meets it, and no walk recurses per level.
//
//   nested_blocks_bench
//
// Prints `name: value unit` lines: milliseconds, and the growth of the
// peak resident memory in MB during the step (the peak is reset first).
#include <cstdio>
#include <string>

#include "db/drawn_shapes.h"
#include "dxf_text.h"
#include "step_measure.h"
#include "dxf/reader.h"
#include "dxf/writer.h"

namespace {

using namespace host;

constexpr double kLine = 10;     // each line of the innermost block
constexpr double kSpacing = 20;  // the innermost block's width with its gap
constexpr int kChain = 60000;

using bench::measure;
using bench::print;

using bench::block;
using bench::drawing;
using bench::insert;
using bench::named;

// A line along x from x0 to x1.
std::string line(double x0, double x1) { return bench::line(x0, 0, x1, 0); }

// Blocks N0 (a line) to N<depth-1>, each holding two inserts of the one
// below, side by side; model space inserts the last.
std::string nestedDrawing(int depth) {
    std::string blocks = block("N0", line(0, kLine));
    double width = kSpacing;
    for (int level = 1; level < depth; ++level) {
        std::string below = named('N', level - 1);
        blocks += block(named('N', level), insert(below) + insert(below, {.x = width}));
        width *= 2;
    }
    return drawing(blocks, insert(named('N', depth - 1)));
}

// Blocks C0 (a line) to C<n-1>, each inserting the one below one unit on.
std::string chainDrawing(int n) {
    std::string blocks = block("C0", line(0, kLine));
    for (int level = 1; level < n; ++level) blocks += block(named('C', level), insert(named('C', level - 1), {.x = 1}));
    return drawing(blocks, insert(named('C', n - 1)));
}

std::string hugeArcDrawing() {
    return drawing("", "0\nARC\n8\n0\n10\n0\n20\n0\n30\n0\n40\n5\n50\n1e20\n51\n90\n");
}

// Open, a pick on it, a window round it, a save: each timed.
bool openSelectSave(const std::string& name, const std::string& text, double onX, double onY, double reach) {
    std::unique_ptr<db::Database> db;
    print(name + "_open", measure([&] {
              dxf::ReadReport report;
              db = dxf::readDxfText(text, name, report);
          }));
    if (!db) return false;
    db::Slot picked = db::kNoSlot;
    print(name + "_pick", measure([&] { picked = db::pick(*db, onX, onY, 1); }));
    size_t held = 0;
    print(name + "_window", measure([&] { held = db::selectWindow(*db, -reach, -reach, reach, reach, false).size(); }));
    std::string saved;
    print(name + "_save", measure([&] { dxf::writeDxfText(*db, saved); }));
    return picked != db::kNoSlot && held == 1 && !saved.empty();
}

bool nested(int depth) {
    std::string name = "nested_";
    name += std::to_string(depth);
    std::string text = nestedDrawing(depth);
    std::printf("%s_file: %.1f KB\n", name.c_str(), static_cast<double>(text.size()) / 1024.0);
    dxf::ReadReport report;
    std::unique_ptr<db::Database> db = dxf::readDxfText(text, name, report);
    if (!db) return false;
    const double width = kSpacing * static_cast<double>(1ull << (depth - 1));
    const double lastLine = width - kSpacing + kLine / 2, middleLine = width / 2 + kLine / 2;
    db::Slot far = 0, on = db::kNoSlot;
    size_t all = 0, crossed = 0;
    print(name + "_pick_far", measure([&] { far = db::pick(*db, -1000, -1000, 3); }));
    print(name + "_pick_on", measure([&] { on = db::pick(*db, lastLine, 0.5, 3); }));
    print(name + "_window_all", measure([&] { all = db::selectWindow(*db, -1, -1, width, 1, false).size(); }));
    print(name + "_crossing_one_line",
          measure([&] { crossed = db::selectWindow(*db, middleLine - 1, -1, middleLine + 1, 1, true).size(); }));
    std::string saved;
    print(name + "_save", measure([&] { dxf::writeDxfText(*db, saved); }));
    return far == db::kNoSlot && on != db::kNoSlot && all == 1 && crossed == 1;
}

// Blocks S0 (two lines, 10 apart) to S<depth-1>, each holding two inserts
// of the one below on the same spot; model space inserts the last.
std::string sameSpotDrawing(int depth) {
    std::string blocks = block("S0", line(0, kLine) + bench::line(0, kLine, kLine, kLine));
    for (int level = 1; level < depth; ++level) {
        std::string below = named('S', level - 1);
        blocks += block(named('S', level), insert(below) + insert(below));
    }
    return drawing(blocks, insert(named('S', depth - 1)));
}

// Between the lines, inside every box but on nothing: a pick, a crossing
// and a window that holds only one line must look at each block once.
bool sameSpot(int depth) {
    std::string name = "same_spot_";
    name += std::to_string(depth);
    dxf::ReadReport report;
    std::unique_ptr<db::Database> db = dxf::readDxfText(sameSpotDrawing(depth), name, report);
    if (!db) return false;
    db::Slot missed = 0;
    size_t crossed = 1, held = 1;
    print(name + "_pick_between", measure([&] { missed = db::pick(*db, kLine / 2, kLine / 2, 1); }));
    print(name + "_crossing_between", measure([&] { crossed = db::selectWindow(*db, 4, 4, 6, 6, true).size(); }));
    print(name + "_window_one_line", measure([&] { held = db::selectWindow(*db, -1, -1, 11, 5, false).size(); }));
    return missed == db::kNoSlot && crossed == 0 && held == 0;
}

} // namespace

int main() {
    bool ok = nested(26) && nested(30) && sameSpot(30);
    ok = openSelectSave("chain_60000", chainDrawing(kChain), kChain - 1 + kLine / 2, 0, 2.0 * kChain) && ok;
    ok = openSelectSave("huge_arc_angle", hugeArcDrawing(), 0, 5, 10) && ok;
    return ok ? 0 : 1;
}
