// What trying an element at a place changes in it, kept so that a try that
// is refused can be taken back: its values, its edited mark, its insertion
// point and rotation, and the geometry its connectors take from the values.
// The refit of a joint tries several pairs of connectors in turn; each must
// start from the element's own values, and a refusal must leave the element
// as it was.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "ads_types.h"

class LObject;

class ElementSnapshot {
public:
    explicit ElementSnapshot(LObject* element);
    // False when the element could not give its values (nothing to restore).
    bool Taken() const { return values_ != nullptr; }
    // The element as it was when taken; its joints are not touched.
    void Restore() const;

private:
    struct ConnectorGeometry {
        ads_point position = {0, 0, 0};
        double angle = 0, secondAngle = 0, a = 0, b = 0, areaFactor = 1;
        int16_t side = 0;
    };
    LObject* element_;
    std::unique_ptr<double[]> values_;
    int16_t edited_ = 0;
    ads_point insertionPoint_ = {0, 0, 0};
    double rotation_ = 0;
    std::vector<ConnectorGeometry> connectors_;
};
