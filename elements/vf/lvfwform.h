// The flexible duct FLEX: a round duct of diameter d along a free path that
// the user lays segment by segment, with a bend of centre-line radius 1.5 d
// wherever the path turns.  Drawn with zigzag lines and arcs; its length is
// cut into standard pieces for the bill of materials and the labels.
//
// Element frame: the origin halfway between the path's start and end; the
// path starts at (-extentX/2, -extentY/2) leaving along +x.
//
// Values (GetParams, SetParams, XDATA): d, l (the path's length, which
// SetParams ignores), standard piece length.  The path's nodes follow the
// values in the XDATA, the first node included.
#pragma once

#include <memory>
#include <vector>

#include "elements/straight_run.h"
#include "elements/vf/lvf.h"

// One node of the path: the chord from the previous node's end to this
// one's, the segment's direction, and the part of the segment that the bend
// at its start leaves straight.
struct LVfPathNode : LPathNode {
    double straight = 0.0;
    LVfPathNode* Next() const { return static_cast<LVfPathNode*>(next); }
};

// The longest chord of one segment.
constexpr double kFlexLongestChord = 20000.0;
// How far a chord may point away from its segment's direction: 170 degrees.
constexpr double kFlexWidestTurn = 2.9670597283055558;

class LVfWform : public LVf {
public:
    LVfWform();

    int16_t MakeBlock(char* blockName) override;
    int16_t Mirror() override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    LPathNode* GetPath() override { return &first; }
    int16_t RemoveLastSegment() override;
    int16_t GetLastSegmentEnd(ads_point end, double* angle) override;
    int16_t AddPathPoint(const ads_point target, double direction) override;
    int16_t AddPathSegment(const ads_point offset, double angle) override;
    int16_t GetBomLines(LBomRow** rows, uint16_t* count, uint16_t* further,
                        uint16_t* extraRows) override;
    int16_t UpdateLabel() override { return 0; }
    int16_t AdjustInsertionPoint(ads_point, const double*) override { return 0; }

    double BendRadius() const { return 1.5 * d; }
    StraightRun Run() const { return {pathLength, pieceLength, pieceCount, rest}; }
    const LVfPathNode* LastNode() const { return last; }

    int16_t segmentCount = 0;  // counts saturate at the 16-bit limit
    int16_t pieceCount = 0;
    double d = 0.0;
    double pathLength = 0.0;
    double extentX = 0.0;
    double extentY = 0.0;
    double pieceLength = 6000.0;
    double rest = 0.0;

private:
    bool Empty() const { return last == &first; }
    // The node list's bookkeeping: one node more or less, and the totals,
    // connectors and label points that follow the path.
    void AppendNode(const ads_point v, double angle, double straight);
    LVfPathNode PopNode();
    void PathChanged();
    void PlaceLabels();
    void WorkOutStraights();
    int16_t InsertBend(const ads_point v, double angle);

    LVfPathNode first;
    LVfPathNode* last = &first;
    std::vector<std::unique_ptr<LVfPathNode>> nodes;  // the nodes after the first
    // Set while a bend is built out of several segments: a segment that does
    // not fit as it is is refused rather than given a bend of its own.
    bool buildingBend = false;
    // Set while a stored path is read back: its segments are taken as they
    // were laid, without new bends, until its values are set.
    bool rebuilding = false;
    bool expectingHead = false;
};
