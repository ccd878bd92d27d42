// One connection end of an element: where it sits, which side it faces, its
// cross-section, the airflow through it, which of the owner's parameters
// carry its size, and which element is joined to it.
#pragma once

#include <cstdint>

#include "ads_types.h"

class LObject;

enum ConnectorShape : int16_t { kShapeUnset = -1, kShapeRect = 0, kShapeRound = 1 };

class LConnector {
public:
    LConnector();
    // The owner frees the neighbour handle; a connector copied by value would
    // free it twice.
    LConnector(const LConnector&) = delete;
    LConnector& operator=(const LConnector&) = delete;
    ~LConnector();

    // Cross-section free for the air: pi d^2 / 4 or a b, times the area factor.
    double GetArea() const;
    // Direction in the owner's drawing plane, before the owner's rotation
    // (the angle field itself for a stand-alone connector).
    double GetAngle() const;
    // Position projected into the owner's view plane (the position itself
    // for a stand-alone connector).
    void GetOffset(ads_point out) const;
    // The owner's insertion point plus the offset scaled by the owner's
    // insert scale and turned by its rotation; out is untouched without an
    // owner.
    void GetWorldPoint(ads_point out) const;
    // Size as seen in the owner's orientation (w, h).  An unset shape without
    // an owner writes nothing.
    void GetSize(double* w, double* h) const;
    // Writes a size given in view orientation into the owner's bound
    // parameters; -1 when two writers disagree, or without owner or arrays.
    int16_t SetSize(double* params, int16_t* setFlags, double w, double h) const;
    // Sets the flags of both bound parameters, allocating a zeroed array of
    // the owner's parameter count when *flags is null.
    void MarkBoundParams(int16_t** flags) const;
    bool IsFree() const;
    // Seen face-on: the side axis is the owner's orientation axis.
    bool IsFaceOn() const;
    // Drawing into the block being built: the end outline (extension e,
    // style 1 fills a corner or half of a free round end) and the dashed
    // mark of a face-on connector on the far side.
    void DrawEnd(double extension, int16_t style) const;
    void DrawMark() const;
    // The connector's size beside the element: dimensions for a face-on
    // connector, texts (recorded as the owner's marks) for an edge-on one.
    void MakeSizeText() const;
    // Frees the neighbour handle and forgets the neighbour.
    void Clear();

    int16_t neighbourIndex = -1;
    int16_t shape = kShapeUnset;
    int16_t jointPieces = 0;  // loose joining pieces counted at this joint
    char* neighbourHandle;    // NullHandleText when free, else owned
    ads_name neighbourEntity = {0, 0};
    LObject* neighbour = nullptr;  // not owned
    LObject* owner = nullptr;      // not owned
    int16_t side = 0;  // faces, in the owner's frame: 0 +z, 1 -y, 2 +x, 3 -z, 4 +y, 5 -x
    int16_t paramA = -1;  // owner's parameter carrying a (or d)
    int16_t paramB = -1;  // owner's parameter carrying b
    ads_point position = {0, 0, 0};
    double angle = 0.0;
    double secondAngle = 0.0;
    double a = 0.0;  // width, or diameter of a round connector
    double b = 0.0;  // height
    double areaFactor = 1.0;
    double flow = 0.0;  // m3/h

    // (orientation axis) * 10 + (side axis); -1 without owner.
    int ViewKey() const;
};
