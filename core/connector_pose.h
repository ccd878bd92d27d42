// The connector symbols of an element with one connector shown where a view
// sees it rather than where it joins (the first leg of an elbow seen askew
// in its side views).  The connector is drawn from a copy: the element and
// its connectors are never changed, whatever the drawing answers.
#pragma once

#include <cstdint>

class LObject;
class LConnector;

struct ConnectorPose {
    int16_t index;  // the connector shown elsewhere
    double x;       // its x in the element frame for the view
    double angle;   // its tilt for the view
};

// As LObject::DrawConnectorEnds, connector pose.index drawn at the pose.
void DrawConnectorEndsPosed(LObject& e, double extension, int16_t style, const ConnectorPose& pose);

// Copies every field of `from` into `to` (the neighbour handle as a copy
// of its own).
void CopyConnector(LConnector* to, const LConnector& from);
