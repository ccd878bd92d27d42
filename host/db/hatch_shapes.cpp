// A hatch as the area its boundary paths enclose: each path one loop of
// one area filled by the even-odd rule, so that an island is a hole; of
// the paths, those its style fills (every one; the external and outermost
// ones, islands within those left out; the external ones alone).  A
// polyline path follows its bulges; an edge path its lines, circular and
// elliptic arcs (counter-clockwise or clockwise, whose angles a file gives
// mirrored) and splines (through their fit points, with the end tangents
// 12 and 13, when they have no control points), each edge on from the
// last.  Points lie in the hatch's object coordinates at its elevation.
// What the file says it holds (counts of paths, edges, knots) is never
// trusted: the groups are.
#include <algorithm>
#include <cmath>

#include "db/entity_values.h"
#include "db/shape_parts.h"

namespace host::db::parts {

namespace {

using namespace values;

// HATCH 92: the boundary path type flags.
constexpr int kPathExternal = 1;
constexpr int kPathPolyline = 2;
constexpr int kPathOutermost = 16;
// HATCH 75: the hatch style, which paths fill.
constexpr int kStyleOddParity = 0;  // every path, islands in islands filled again
constexpr int kStyleOutermost = 1;  // the external and outermost paths only
// Any other style (2, the entire area) fills the external paths alone.

// Whether a path of these flags takes part in the area a style fills.
bool styleKeeps(int64_t style, int64_t flags) {
    if (style == kStyleOddParity) return true;
    if (style == kStyleOutermost) return flags & (kPathExternal | kPathOutermost);
    return flags & kPathExternal;
}
// HATCH 72 in an edge path: the edge type.
enum EdgeType { kNoEdge = 0, kLineEdge = 1, kArcEdge = 2, kEllipseEdge = 3, kSplineEdge = 4 };

// One edge as it is read.
struct Edge {
    int type = kNoEdge;
    Point3 p10, p11;
    double r40 = 0, a50 = 0, a51 = 0;
    bool ccw = true, has10 = false, has11 = false, has50 = false, has51 = false;
    bool sawFitCount = false;  // a spline edge's 97; the next 97 ends the path
};

class Loops {
public:
    Loops(const Object& o, const Matrix& m, Shapes& out, ShapeScratch& scratch)
        : o_(o), m_(placeIn(m, o)), out_(out), s_(scratch), elevation_(pointOf(o, 10).z) {}

    void walk() {
        size_t end = xdataBegin(o_), i = 0;
        while (i < end && o_.groups[i].code() != 91) ++i;
        size_t paths = i + 1;
        // The style, after the paths; when it would fill no path (their
        // flags left out), every path fills, so that no hatch is lost.
        int64_t style = kStyleOddParity;
        if (const Group* g = findGroup(o_, 75, paths, end)) style = g->asInt();
        bool keepsAny = false;
        for (size_t k = paths; k < end && !isPatternStart(o_.groups[k].code()); ++k)
            keepsAny = keepsAny || (o_.groups[k].code() == 92 && styleKeeps(style, o_.groups[k].asInt()));
        if (!keepsAny) style = kStyleOddParity;
        out_.newArea();
        for (i = paths; i < end; ++i) {
            const Group& g = o_.groups[i];
            int c = g.code();
            if (isPatternStart(c)) break;
            if (c == 92) {
                finishPath();
                polyline_ = g.asInt() & kPathPolyline;
                inPath_ = styleKeeps(style, g.asInt());
                sources_ = false;
                if (inPath_) out_.startRun(RunKind::Area);
                continue;
            }
            if (!inPath_ || sources_) continue;
            if (polyline_) polylineGroup(g);
            else edgeGroup(g);
        }
        finishPath();
    }

private:
    static bool isPatternStart(int code) { return code == 75 || code == 98; }  // the style, the seed points
    Point3 flat(const Group& g) const { return {g.asPoint()[0], g.asPoint()[1], elevation_}; }
    // A spline edge's end tangent: a direction in the hatch's plane.
    static void setTangent(Point3& tangent, bool& given, const Group& g) {
        tangent = {g.asPoint()[0], g.asPoint()[1], 0};
        given = true;
    }

    void polylineGroup(const Group& g) {
        if (g.code() == 10 && g.kind() == ValueKind::Point) {
            s_.path.push_back(flat(g));
            s_.bulges.push_back(0);
        } else if (g.code() == 42 && !s_.bulges.empty()) {
            s_.bulges.back() = realValue(g);
        } else if (g.code() == 97) {
            sources_ = true;
        }
    }

    void edgeGroup(const Group& g) {
        int c = g.code();
        bool point = g.kind() == ValueKind::Point;
        if (c == 72) {
            finishEdge();
            edge_ = Edge();
            edge_.type = static_cast<int>(g.asInt());
            if (edge_.type == kSplineEdge) s_.spline.clear();
            return;
        }
        if (c == 97 && !(edge_.type == kSplineEdge && !edge_.sawFitCount)) {
            finishEdge();
            sources_ = true;
            return;
        }
        if (edge_.type == kSplineEdge) {
            SplineData& s = s_.spline;
            if (c == 94) s.degree = g.asInt();
            else if (c == 97) edge_.sawFitCount = true;
            else if (c == 40) s.knots.push_back(realValue(g));
            else if (c == 42) s.weights.push_back(realValue(g));
            else if (c == 10 && point) s.control.push_back(flat(g));
            else if (c == 11 && point) s.fit.push_back(flat(g));
            else if (c == 12 && point) setTangent(s.startTangent, s.hasStartTangent, g);
            else if (c == 13 && point) setTangent(s.endTangent, s.hasEndTangent, g);
            return;
        }
        if (c == 10 && point && !edge_.has10) {
            edge_.p10 = flat(g);
            edge_.has10 = true;
        } else if (c == 11 && point && !edge_.has11) {
            edge_.p11 = flat(g);
            edge_.has11 = true;
        } else if (c == 40) {
            edge_.r40 = realValue(g);
        } else if (c == 50) {
            edge_.a50 = realValue(g);
            edge_.has50 = true;
        } else if (c == 51) {
            edge_.a51 = realValue(g);
            edge_.has51 = true;
        } else if (c == 73) {
            edge_.ccw = g.asInt() != 0;
        }
    }

    // The arc c + a cos t + b sin t from t0 to t1 (degrees as the file
    // gives them); clockwise, it runs from -t0 down to -t1.
    void arc(const Point3& c, const Point3& a, const Point3& b) {
        double t0 = curveAngle("HATCH", 50, edge_.has50 ? edge_.a50 : 0);
        double t1 = curveAngle("HATCH", 51, edge_.has51 ? edge_.a51 : 360);
        if (edge_.ccw) {
            if (arcRange(t0, t1, false)) addArc(out_, m_, c, a, b, t0, t1);
        } else {
            // Drawn from `from` down to `to`: the counter-clockwise range from `to` up to `from`.
            double from = -t0, to = -t1;
            if (arcRange(to, from, false)) addArc(out_, m_, c, a, b, from, to);
        }
    }

    void finishEdge() {
        switch (edge_.type) {
        case kLineEdge:
            if (edge_.has10) out_.add(m_, edge_.p10);
            if (edge_.has11) out_.add(m_, edge_.p11);
            break;
        case kArcEdge:
            arc(edge_.p10, {edge_.r40, 0, 0}, {0, edge_.r40, 0});
            break;
        case kEllipseEdge: {
            // The minor axis: the major turned a quarter counter-clockwise, times the ratio.
            Point3 a{edge_.p11.x, edge_.p11.y, 0}, b{-a.y * edge_.r40, a.x * edge_.r40, 0};
            arc(edge_.p10, a, b);
            break;
        }
        case kSplineEdge:
            s_.curve.clear();
            sampleSpline(s_.spline, m_, s_.curve, s_.drawn);
            for (const Point3& p : s_.curve) out_.add(m_, p);
            break;
        default: break;
        }
        edge_ = Edge();
    }

    void finishPath() {
        if (!inPath_) return;
        if (polyline_) addPathPoints(out_, m_, s_.path, s_.bulges, true);
        else finishEdge();
        s_.path.clear();
        s_.bulges.clear();
        inPath_ = false;
    }

    const Object& o_;
    Matrix m_;
    Shapes& out_;
    ShapeScratch& s_;
    double elevation_;
    Edge edge_;
    bool inPath_ = false, polyline_ = false, sources_ = false;
};

} // namespace

void addHatch(const Object& o, const Matrix& m, Shapes& out, ShapeScratch& scratch) {
    scratch.path.clear();
    scratch.bulges.clear();
    Loops(o, m, out, scratch).walk();
}

} // namespace host::db::parts
