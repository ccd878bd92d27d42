// The path of a free-form element as it stands, kept so that a point the
// element cannot take can be taken back: the path is laid again from the
// kept nodes the way a stored path is read, so that it is exactly the path
// the drawing holds.
#pragma once

#include <vector>

#include "ads_types.h"

class LObject;

class PathSnapshot {
public:
    explicit PathSnapshot(LObject* element);
    void Restore() const;

private:
    struct Node {
        ads_point offset = {0, 0, 0};
        double angle = 0;
    };
    LObject* element_;
    std::vector<Node> nodes_;
};
