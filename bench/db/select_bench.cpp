// Point pick, window and crossing over a drawing of 100,000 main entities:
// lines, circles, inserts with an attribute, old-style polylines of three
// vertices (one with a bulge) and closed lightweight polylines, laid on a
// grid.  A pick or window must scan every entity, so its time grows with
// the drawing; a user feels anything near a second.
//
//   select_bench [N]
//
// Prints `name: value unit` lines; times are the best of a few runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "db/drawn_shapes.h"

namespace {

using namespace host::db;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 5;
constexpr int kDefaultEntities = 100000;
constexpr int kKinds = 5;        // line, circle, insert, polyline, lightweight polyline
constexpr int kColumns = 200;    // cells of a grid row
constexpr double kCell = 100.0;  // each cell holds one main entity within 0..60

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

Slot add(Database& db, Slot block, const char* type, GroupList groups, Handle owner = 0) {
    Object o;
    o.type = internType(type);
    o.groups = std::move(groups);
    Slot s = db.add(std::move(o));
    db.appendEntity(block, s);
    if (owner != 0) db.object(s)->owner = owner;
    return s;
}

std::unique_ptr<Database> drawing(int n) {
    std::unique_ptr<Database> db = Database::createDefault();
    // The block of every insert: a box and a circle.
    Object rec;
    rec.type = internType("BLOCK_RECORD");
    rec.groups = {Group::text(2, "TB")};
    Slot record = db->add(rec);
    db->addRecord(Table::BlockRecord, record);
    db->addBlock(record);
    Object begin, end;
    begin.type = internType("BLOCK");
    begin.groups = {Group::text(2, "TB"), Group::point(10, 0, 0, 0)};
    end.type = internType("ENDBLK");
    db->setBlockObjects(record, db->add(begin), db->add(end));
    add(*db, record, "LINE", {Group::point(10, 0, 0, 0), Group::point(11, 40, 0, 0)});
    add(*db, record, "LINE", {Group::point(10, 40, 0, 0), Group::point(11, 40, 20, 0)});
    add(*db, record, "CIRCLE", {Group::point(10, 20, 10, 0), Group::real(40, 8)});

    Slot ms = db->modelSpace();
    for (int i = 0; i < n; ++i) {
        double x = (i % kColumns) * kCell, y = (i / kColumns) * kCell;
        switch (i % kKinds) {
        case 0:
            add(*db, ms, "LINE", {Group::point(10, x, y, 0), Group::point(11, x + 60, y + 30, 0)});
            break;
        case 1:
            add(*db, ms, "CIRCLE", {Group::point(10, x + 30, y + 30, 0), Group::real(40, 25)});
            break;
        case 2: {
            Slot insert = add(*db, ms, "INSERT", {Group::integer(66, 1), Group::text(2, "TB"), Group::point(10, x, y, 0)});
            Handle owner = db->object(insert)->handle;
            add(*db, ms, "ATTRIB",
                {Group::point(10, x, y + 30, 0), Group::real(40, 5), Group::text(1, "A-1"), Group::text(2, "TAG"),
                 Group::integer(70, 0)},
                owner);
            add(*db, ms, "SEQEND", {}, owner);
            break;
        }
        case 3: {
            Slot polyline = add(*db, ms, "POLYLINE", {Group::integer(66, 1), Group::point(10, 0, 0, 0)});
            Handle owner = db->object(polyline)->handle;
            add(*db, ms, "VERTEX", {Group::point(10, x, y, 0), Group::real(42, 0.5)}, owner);
            add(*db, ms, "VERTEX", {Group::point(10, x + 60, y, 0)}, owner);
            add(*db, ms, "VERTEX", {Group::point(10, x + 60, y + 60, 0)}, owner);
            add(*db, ms, "SEQEND", {}, owner);
            break;
        }
        default:
            add(*db, ms, "LWPOLYLINE",
                {Group::integer(90, 4), Group::integer(70, 1), Group::point(10, x, y, 0), Group::point(10, x + 60, y, 0),
                 Group::point(10, x + 60, y + 60, 0), Group::point(10, x, y + 60, 0)});
        }
    }
    return db;
}

// The best time in milliseconds of `work`, which leaves its count in found.
template <class Work>
double bestMilliseconds(Work work, size_t& found) {
    double best = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        Clock::time_point start = Clock::now();
        found = work();
        best = std::min(best, secondsSince(start) * 1e3);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::atoi(argv[1]) : kDefaultEntities;
    if (n <= 0) return 1;
    Clock::time_point start = Clock::now();
    std::unique_ptr<Database> db = drawing(n);
    double makeSeconds = secondsSince(start);
    const double width = kColumns * kCell, height = ((n + kColumns - 1) / kColumns) * kCell;

    size_t missed = 0, first = 0, small = 0, all = 0, crossSmall = 0, crossAll = 0;
    // A miss and a pick of the first entity drawn both look at every entity.
    double pickMiss = bestMilliseconds([&] { return static_cast<size_t>(pick(*db, -500, -500, 3) != kNoSlot); }, missed);
    double pickFirst = bestMilliseconds([&] { return static_cast<size_t>(pick(*db, 30, 15, 3) != kNoSlot); }, first);
    // A window over a few cells, and one over the whole drawing.
    double windowSmall = bestMilliseconds([&] { return selectWindow(*db, -10, -10, 510, 310, false).size(); }, small);
    double windowAll = bestMilliseconds([&] { return selectWindow(*db, -100, -100, width, height, false).size(); }, all);
    double crossingSmall =
        bestMilliseconds([&] { return selectWindow(*db, 10, 10, 510, 310, true).size(); }, crossSmall);
    double crossingAll =
        bestMilliseconds([&] { return selectWindow(*db, -100, -100, width, height, true).size(); }, crossAll);

    std::printf("entities: %d count\n", n);
    std::printf("make_drawing: %.3f s\n", makeSeconds);
    std::printf("pick_miss: %.3f ms\n", pickMiss);
    std::printf("pick_first_drawn: %.3f ms\n", pickFirst);
    std::printf("window_few_cells: %.3f ms\n", windowSmall);
    std::printf("window_few_cells_found: %zu count\n", small);
    std::printf("window_all: %.3f ms\n", windowAll);
    std::printf("window_all_found: %zu count\n", all);
    std::printf("crossing_few_cells: %.3f ms\n", crossingSmall);
    std::printf("crossing_few_cells_found: %zu count\n", crossSmall);
    std::printf("crossing_all: %.3f ms\n", crossingAll);
    std::printf("crossing_all_found: %zu count\n", crossAll);
    return missed == 0 && first == 1 && all == static_cast<size_t>(n) && crossAll == static_cast<size_t>(n) ? 0 : 1;
}
