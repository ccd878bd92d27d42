// A block's content prepared once in its own frame, so that one copy of it
// is looked at near the question, not all through: a box per piece (a run,
// an area's runs together, a placed block with all its copies) in a static
// tree of boxes; and its convex hull in plan, which keeps its size when an
// insert turns it (a box turned grows at every level a block nests).
#pragma once

#include <cstdint>
#include <vector>

#include "db/copy_lattice.h"
#include "db/shape_runs.h"

namespace host::db {

struct BlockGeometry;

// What a box says of the part of a question inside it: nothing to see
// there, look closer, or the question is decided.
enum class Verdict { Skip, Look, Stop };

// A static bounding-volume tree over item boxes, split at the median of
// the longer side.
class BoxTree {
public:
    // Items with an invalid box are left out.
    void build(const std::vector<Extents>& boxes);
    bool empty() const { return nodes_.empty() && few_ == 0; }
    // Looks at the nodes whose box `node` answers Look, calling item(i) for
    // the items of each leaf reached; stops at the first Stop of node()
    // (true) or true of item() (true).
    template <class Node, class Item>
    bool search(Node&& node, Item&& item) const;

private:
    struct TreeNode {
        Extents box;
        uint32_t begin = 0, end = 0;  // its items in items_
        uint32_t left = 0;            // children left, left + 1; 0 for a leaf
    };
    void make(uint32_t at, std::vector<uint32_t>& order, const std::vector<Extents>& boxes, uint32_t begin, uint32_t end);
    std::vector<TreeNode> nodes_;
    std::vector<uint32_t> items_;
    // A tree of one leaf holding items 0 to few_ - 1 is kept without
    // either list: most blocks place a few blocks or draw a few runs.
    Extents fewBox_;
    uint32_t few_ = 0;
};

// The convex hull of n points in plan (z is not looked at), counter-
// clockwise from the least x (monotone chain, points along an edge left
// out): sorts `pts` and writes the corners to `out`, which has room for
// 2n; returns how many (1 for points all on one spot, none for none).
size_t convexHull(Point3* pts, size_t n, Point3* out);

// A convex polygon round a block in plan, in its own frame, counter-
// clockwise; unknown for a block with an endless part or placed out of
// its parent's plan.
struct PlanHull {
    std::vector<double> xy;  // x and y of each vertex in turn
    bool known = false;
    // The hull of the points, at most kMostVertices vertices (more are
    // replaced by a slightly larger polygon); unknown when there are none.
    static PlanHull of(const std::vector<double>& xs, const std::vector<double>& ys);
    // Whether every copy of it, the first carried by m, lies in the window.
    bool heldBy(const Matrix& m, const CopyLattice& copies, const PlanWindow& w) const;
};

// The runs of one piece of a block's own runs: [firstRun, endRun).
struct RunPiece {
    uint32_t firstRun = 0, endRun = 0;
};

// The steps (work_budget.h) one test of a piece takes: a step for each of
// its points (its arcs lie between them), at least one, so that a piece's
// test costs what its step says however long its run.
inline uint64_t pieceSteps(const Shapes& s, const RunPiece& piece) {
    uint64_t points = 0;
    for (uint32_t r = piece.firstRun; r < piece.endRun && r < s.runs.size(); ++r)
        points += s.runs[r].end - s.runs[r].begin;
    return points > 0 ? points : 1;
}

// Kept for a block of more than kFewItems pieces or placed blocks; one
// with fewer is looked at whole.
struct BlockIndex {
    static constexpr size_t kFewItems = 4;
    std::vector<RunPiece> pieces;  // bounded ones in `runs`, the others in `endlessPieces`
    std::vector<uint32_t> endlessPieces;
    BoxTree runs;                  // boxes in the own runs' frame
    BoxTree placed;                // the placed blocks' boxes, in the block's frame
    std::vector<uint32_t> endlessPlaced;
    std::vector<const BlockGeometry*> placedGeometry;  // of each placed block, found once
};

// The pieces of runs and their boxes: an area's runs together, each other run alone.
void pieceRuns(const Shapes& s, std::vector<RunPiece>& pieces, std::vector<Extents>& boxes);
// A piece's runs on their own, for the exact tests.
void sliceRuns(const Shapes& s, const RunPiece& piece, Shapes& out);
// The plan box of `box` carried by m (x and y alone are asked of it).
Extents planBox(const Extents& box, const Matrix& m);

template <class Node, class Item>
bool BoxTree::search(Node&& node, Item&& item) const {
    if (few_ > 0) {
        switch (node(fewBox_)) {
        case Verdict::Skip: return false;
        case Verdict::Stop: return true;
        case Verdict::Look: break;
        }
        for (uint32_t i = 0; i < few_; ++i)
            if (item(i)) return true;
        return false;
    }
    if (nodes_.empty()) return false;
    // Median splits keep the depth within log2 of the items.
    uint32_t stack[80];
    int top = 0;
    stack[top++] = 0;
    while (top > 0) {
        const TreeNode& n = nodes_[stack[--top]];
        switch (node(n.box)) {
        case Verdict::Skip: continue;
        case Verdict::Stop: return true;
        case Verdict::Look: break;
        }
        if (n.left == 0) {
            for (uint32_t i = n.begin; i < n.end; ++i)
                if (item(items_[i])) return true;
        } else {
            stack[top++] = n.left + 1;
            stack[top++] = n.left;
        }
    }
    return false;
}

} // namespace host::db
