// The base of the rectangular duct fittings (family 1).
#pragma once

#include <initializer_list>

#include "core/lobject.h"

class LVl : public LObject {
public:
    // Builds the element on the type's row with rectangular connectors owned
    // by the element; the class constructor sets their sides and bindings.
    LVl(int16_t typeId, int16_t connectorCount, uint16_t valueCount);

    double GetDimensionOffset() override;
    // The display code followed by each row parameter ("  a=150;"), and for
    // VL-01 its lp flag.
    char* GetDescription() override;

    // Layout constants of the family's figures.
    const double endMarkSize = 45.0;
    const double collarLength = 40.0;
    const double neckLength = 50.0;
    const double spigotHeight = 30.0;

protected:
    // A connector's side and the values that are its width and height.
    struct ConnectorBinding {
        int16_t side, width, height;
    };
    // The bindings of connectors 0, 1, ... in turn; rows beyond the
    // element's connectors are left out.
    void BindConnectors(std::initializer_list<ConnectorBinding> rows);
};
