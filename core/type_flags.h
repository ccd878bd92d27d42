// What a type does that core and the commands ask about: each behaviour that
// would otherwise be decided by family and subtype numbers is one bit of the
// type's entry.
#pragma once

#include <cstdint>

enum TypeFlag : uint32_t {
    // The straight piece that continuous placement and the refit of a joint
    // lay as standard pieces of the drawing's piece length (of the type's
    // piece shape), cut at its length parameter.
    kTypeStandardPiece = 1u << 0,
    // Its last stored value is the drawing's piece length: data written
    // before the type had it takes the drawing's.
    kTypeStoresPieceLength = 1u << 1,
    // A duct as the joint pieces count it (a joint of two ducts, of two
    // fittings, or of a duct and a fitting).
    kTypeJointDuct = 1u << 2,
    // Two of these meet with the layered ducts' joint piece.  The stored
    // joint code has always given it to the types 17 and 18 of every family
    // (the layered ducts, and the fittings that share their numbers); the
    // flag keeps that.
    kTypeLayeredJoint = 1u << 3,
    // Its children take its first two sizes when aligned to it.
    kTypeSizesChildren = 1u << 4,
    // An airflow set on any of its connectors runs through both ends.
    kTypeFlowThrough = 1u << 5,
    // Its airflow text is that of its connector 0 when it has one.
    kTypeFlowOfFirstConnector = 1u << 6,
    // Its labels are never taken for being near its outline (a free path).
    kTypeLabelsAwayFromOutline = 1u << 7,
    // Fitted between two elements, it first takes the size of each end.
    kTypeFitsBothEnds = 1u << 8,
    // The airflow label command labels it (ducts, dampers and the air
    // terminals that sit in a run).
    kTypeFlowLabel = 1u << 9,
    // Its two connectors are inlets side by side, not the two ends of one
    // run: each carries the air of what is joined to it (a free one none),
    // and the element the sum of both.
    kTypeSeparateInlets = 1u << 10,
};
