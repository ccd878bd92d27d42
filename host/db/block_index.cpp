#include "db/block_index.h"

#include <algorithm>
#include <cmath>

#include "db/plan_distance.h"
#include "db/plan_ring.h"

namespace host::db {

namespace {

// Items in a leaf of the tree.
constexpr uint32_t kLeafItems = 4;
// A hull of more vertices is replaced by the polygon of its supporting
// lines in this many directions: 1/cos(pi/64), under 0.13%, larger.
constexpr size_t kMostVertices = 64;
// A box carried by a matrix is widened by this much of its size and place,
// so that it holds the points carried one by one, whatever their rounding.
constexpr double kRoundingSlack = 1e-12;


} // namespace

void BoxTree::build(const std::vector<Extents>& boxes) {
    nodes_.clear();
    items_.clear();
    few_ = 0;
    fewBox_ = Extents();
    std::vector<uint32_t> order;
    for (uint32_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].valid()) order.push_back(i);
    if (order.empty()) return;
    if (order.size() <= kLeafItems && order.size() == boxes.size()) {
        few_ = static_cast<uint32_t>(order.size());
        for (const Extents& b : boxes) fewBox_.add(b);
        return;
    }
    nodes_.reserve(2 * order.size() / kLeafItems + 2);
    nodes_.resize(1);
    make(0, order, boxes, 0, static_cast<uint32_t>(order.size()));
    nodes_.shrink_to_fit();
    items_ = std::move(order);
}

void BoxTree::make(uint32_t at, std::vector<uint32_t>& order, const std::vector<Extents>& boxes, uint32_t begin,
                   uint32_t end) {
    Extents box, centres;
    for (uint32_t i = begin; i < end; ++i) {
        const Extents& b = boxes[order[i]];
        box.add(b);
        centres.add(Point3{(b.min.x + b.max.x) / 2, (b.min.y + b.max.y) / 2, 0});
    }
    nodes_[at].box = box;
    nodes_[at].begin = begin;
    nodes_[at].end = end;
    if (end - begin <= kLeafItems) return;
    bool alongX = centres.max.x - centres.min.x >= centres.max.y - centres.min.y;
    uint32_t middle = begin + (end - begin) / 2;
    std::nth_element(order.begin() + begin, order.begin() + middle, order.begin() + end, [&](uint32_t a, uint32_t b) {
        const Extents &p = boxes[a], &q = boxes[b];
        return alongX ? p.min.x + p.max.x < q.min.x + q.max.x : p.min.y + p.max.y < q.min.y + q.max.y;
    });
    uint32_t left = static_cast<uint32_t>(nodes_.size());
    nodes_.resize(left + 2);
    nodes_[at].left = left;
    make(left, order, boxes, begin, middle);
    make(left + 1, order, boxes, middle, end);
}

size_t convexHull(Point3* pts, size_t n, Point3* out) {
    if (n == 0) return 0;
    std::sort(pts, pts + n, [](const Point3& a, const Point3& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    auto turnsLeft = [&](size_t k, const Point3& p) {
        return cross(out[k - 1].x - out[k - 2].x, out[k - 1].y - out[k - 2].y, p.x - out[k - 2].x, p.y - out[k - 2].y) > 0;
    };
    // The lower chain, then the upper back to the first point.
    size_t k = 0;
    for (size_t i = 0; i < n; ++i) {
        while (k >= 2 && !turnsLeft(k, pts[i])) --k;
        out[k++] = pts[i];
    }
    for (size_t i = n - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && !turnsLeft(k, pts[i])) --k;
        out[k++] = pts[i];
    }
    return std::max<size_t>(1, k - 1);
}

PlanHull PlanHull::of(const std::vector<double>& xs, const std::vector<double>& ys) {
    PlanHull h;
    size_t n = xs.size();
    if (n == 0) return h;
    // A hull of numbers past the doubles' range holds nothing for sure.
    for (size_t i = 0; i < n; ++i)
        if (!std::isfinite(xs[i]) || !std::isfinite(ys[i])) return h;
    std::vector<Point3> pts(n), chain(2 * n);
    for (size_t i = 0; i < n; ++i) pts[i] = {xs[i], ys[i], 0};
    size_t count = convexHull(pts.data(), n, chain.data());
    h.known = true;
    if (count <= kMostVertices) {
        h.xy.reserve(2 * count);
        for (size_t i = 0; i < count; ++i) {
            h.xy.push_back(chain[i].x);
            h.xy.push_back(chain[i].y);
        }
        return h;
    }
    // The supporting lines in kMostVertices directions, each corner where
    // two neighbours meet: a polygon that holds the hull.
    std::vector<double> support(kMostVertices, -INFINITY);
    for (size_t d = 0; d < kMostVertices; ++d) {
        double a = 2 * M_PI * d / kMostVertices, c = std::cos(a), s = std::sin(a);
        for (size_t i = 0; i < count; ++i) support[d] = std::max(support[d], c * chain[i].x + s * chain[i].y);
    }
    for (size_t d = 0; d < kMostVertices; ++d) {
        size_t e = (d + 1) % kMostVertices;
        double a = 2 * M_PI * d / kMostVertices, b = 2 * M_PI * e / kMostVertices;
        double c1 = std::cos(a), s1 = std::sin(a), c2 = std::cos(b), s2 = std::sin(b), det = c1 * s2 - s1 * c2;
        h.xy.push_back((support[d] * s2 - support[e] * s1) / det);
        h.xy.push_back((c1 * support[e] - c2 * support[d]) / det);
    }
    return h;
}

bool PlanHull::heldBy(const Matrix& m, const CopyLattice& copies, const PlanWindow& w) const {
    if (!known || !placesInPlan(m)) return false;
    for (size_t i = 0; i + 1 < xy.size(); i += 2) {
        Point3 p = m.apply({xy[i], xy[i + 1], 0});
        double cx[4], cy[4];
        copies.corners(p.x, p.y, cx, cy);
        for (int k = 0; k < 4; ++k)
            if (!w.holds(Point3{cx[k], cy[k], 0})) return false;
    }
    return true;
}

void pieceRuns(const Shapes& s, std::vector<RunPiece>& pieces, std::vector<Extents>& boxes) {
    pieces.clear();
    boxes.clear();
    for (size_t r = 0; r < s.runs.size();) {
        size_t next = runGroupEnd(s, r);
        Extents box;
        bool endless = false;
        for (size_t k = r; k < next; ++k) {
            const ShapeRun& run = s.runs[k];
            endless = endless || run.kind == RunKind::Ray || run.kind == RunKind::Endless;
            for (uint32_t i = run.begin; i < run.end; ++i) box.add(s.points[i]);
            for (auto arc = arcFrom(s.arcs, run.begin); arc != s.arcs.end() && arc->at < run.end; ++arc)
                arcs::addExtremes(*arc, s.points[arc->at], box);
        }
        // A spline by the extremes of its curve, which its chords fall
        // short of by up to their tolerance, however large it is seen.
        for (const ShapeSpline& spline : s.splines)
            if (spline.run >= r && spline.run < next) box.add(spline.box);
        if (box.valid() || endless) {
            pieces.push_back({static_cast<uint32_t>(r), static_cast<uint32_t>(next)});
            // An endless piece has no box: it is looked at with every copy.
            boxes.push_back(endless ? Extents() : box);
        }
        r = next;
    }
}

void sliceRuns(const Shapes& s, const RunPiece& piece, Shapes& out) {
    out.clear();
    for (uint32_t r = piece.firstRun; r < piece.endRun; ++r) {
        const ShapeRun& run = s.runs[r];
        out.startRun(run.kind);
        out.runs.back().area = run.area;
        uint32_t begin = static_cast<uint32_t>(out.points.size());
        out.points.insert(out.points.end(), s.points.begin() + run.begin, s.points.begin() + run.end);
        out.runs.back().end = static_cast<uint32_t>(out.points.size());
        for (auto arc = arcFrom(s.arcs, run.begin); arc != s.arcs.end() && arc->at < run.end; ++arc) {
            out.arcs.push_back(*arc);
            out.arcs.back().at = begin + (arc->at - run.begin);
        }
    }
    for (const ShapeSpline& spline : s.splines)
        if (spline.run >= piece.firstRun && spline.run < piece.endRun) {
            out.splines.push_back(spline);
            out.splines.back().run -= piece.firstRun;
        }
}

Extents planBox(const Extents& box, const Matrix& m) {
    Extents out;
    if (!box.valid()) return out;
    double c[3] = {(box.min.x + box.max.x) / 2, (box.min.y + box.max.y) / 2, (box.min.z + box.max.z) / 2};
    double h[3] = {(box.max.x - box.min.x) / 2, (box.max.y - box.min.y) / 2, (box.max.z - box.min.z) / 2};
    double centre[2], half[2];
    for (int i = 0; i < 2; ++i) {
        centre[i] = m.m[i][0] * c[0] + m.m[i][1] * c[1] + m.m[i][2] * c[2] + m.m[i][3];
        half[i] = std::fabs(m.m[i][0]) * h[0] + std::fabs(m.m[i][1]) * h[1] + std::fabs(m.m[i][2]) * h[2];
        // Widened past the rounding of the points carried one by one.
        half[i] += kRoundingSlack * (std::fabs(centre[i]) + half[i]);
    }
    out.min = {centre[0] - half[0], centre[1] - half[1], 0};
    out.max = {centre[0] + half[0], centre[1] + half[1], 0};
    // Past the doubles' range (a hostile scale): a box that turns nothing down.
    if (!(std::isfinite(out.min.x) && std::isfinite(out.min.y) && std::isfinite(out.max.x) && std::isfinite(out.max.y))) {
        out.min = {-INFINITY, -INFINITY, 0};
        out.max = {INFINITY, INFINITY, 0};
    }
    return out;
}

} // namespace host::db
