// What entities draw, as runs of points in one frame: polylines, closed
// outlines, filled areas and endless lines, with the box around them; and
// the plan-view tests a pick, window or crossing makes of such runs once a
// matrix has carried them into the world.  Only x and y are compared.
#pragma once

#include <cstdint>
#include <vector>

#include "db/geometry.h"

namespace host::db {

enum class RunKind : uint8_t {
    Open,     // a polyline through its points
    Closed,   // and back to its first point
    Area,     // closed and filled: the runs of one area fill together by the even-odd rule
    Ray,      // two points: from the first through the second, on without end
    Endless,  // two points: the line through them, both ways without end
};

struct ShapeRun {
    uint32_t begin = 0, end = 0;
    RunKind kind = RunKind::Open;
    uint32_t area = 0;  // Area runs with the same number fill together
};

// Runs of points and the box around their points; a ray or endless line
// marks them `endless`, and only a ray's start is in the box.
struct Shapes {
    std::vector<Point3> points;
    std::vector<ShapeRun> runs;
    Extents box;
    bool endless = false;
    uint32_t areas = 0;
    bool overflowed = false;  // a point was left out: its numbers overflow

    void clear();
    // A new area: the Area runs started after it, up to the next, fill together.
    void newArea() { ++areas; }
    void startRun(RunKind kind);
    // A point of the current run, carried by m; a non-finite one is left out.
    void add(const Matrix& m, const Point3& local);
    // Every run of `from`, each point carried by m, areas kept apart.
    void append(const Shapes& from, const Matrix& m);
};

// A window or crossing rectangle, x1 <= x2 and y1 <= y2.
struct PlanWindow {
    double x1, y1, x2, y2;
    bool holds(const Point3& p) const { return p.x >= x1 && p.x <= x2 && p.y >= y1 && p.y <= y2; }
};

// Whether the segment from a to b meets the window (in plan).
bool segmentMeetsWindow(const Point3& a, const Point3& b, const PlanWindow& w);

// The tests of runs carried into the world by m; `scratch` keeps its room
// from call to call.
class RunTests {
public:
    // Distance in plan from (x, y) to the nearest part drawn (0 inside an area).
    double distance(const Shapes& s, const Matrix& m, double x, double y);
    // Every part drawn lies in the window.
    bool inside(const Shapes& s, const Matrix& m, const PlanWindow& w);
    // Some part drawn meets the window.
    bool meets(const Shapes& s, const Matrix& m, const PlanWindow& w);

private:
    // The points of every run, carried by m (or the shapes' own when m is the identity).
    const std::vector<Point3>& placed(const Shapes& s, const Matrix& m, bool identity);
    std::vector<Point3> scratch_;
};

bool isIdentity(const Matrix& m);

} // namespace host::db
