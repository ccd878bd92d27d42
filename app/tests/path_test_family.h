// Test elements for the placement kinds the real classes do not have yet:
// a flexible duct whose path is entered point by point (kind 4), and an
// element fitted by its connector 0 (kind 8).  Both are round, of one
// diameter parameter.
#pragma once

#include <cmath>
#include <vector>

#include "core/anonymous_block.h"
#include "core/draw_neutral.h"
#include "core/element_factory.h"
#include "core/lobject.h"

class RoundTestElement : public LObject {
public:
    RoundTestElement(uint16_t f, uint16_t s, int16_t connectorTotal) : LObject(f, s, connectorTotal, 1, nullptr) {
        for (int i = 0; i < connectorCount; ++i) {
            connectors[i] = new LConnector;
            connectors[i]->owner = this;
            connectors[i]->shape = kShapeRound;
            connectors[i]->paramA = 0;
            connectors[i]->a = diameter;
        }
        connectors[0]->side = 5;
    }
    int16_t MakeBlock(char* name) override {
        ads_point o = {0, 0, 0}, p = {diameter, 0, 0};
        BeginAnonymousBlock(o);
        MakeLine(o, p);
        return EndAnonymousBlock(name, kBlockNameSize) == RTNORM ? 0 : -1;
    }
    int16_t MarkFixedParams(int16_t*) override { return -1; }
    int16_t GetParams(double** out) override {
        *out = new double[1]{diameter};
        return 0;
    }
    int16_t SetParams(const double* in) override {
        if (in[0] > 0)
            diameter = in[0];
        for (int i = 0; i < connectorCount; ++i)
            connectors[i]->a = diameter;
        return 0;
    }
    double GetDimensionOffset() override { return 0; }
    int16_t UpdateLabel() override { return 0; }

    double diameter = 250;
};

// The path turns at most a right angle from the element's x axis and
// refuses empty segments; closing at a point is accepted while
// acceptClosing holds.
class TestFlexDuct : public RoundTestElement {
public:
    TestFlexDuct() : RoundTestElement(2, 2, 2) {
        kind = kKindPath;
        connectors[1]->side = 2;
    }
    ~TestFlexDuct() override {
        while (RemoveLastSegment() == 0) {
        }
    }
    LPathNode* GetPath() override { return head; }
    int16_t AddPathSegment(const ads_point offset, double angle) override {
        if (std::hypot(offset[0], offset[1]) < 1e-6 || std::fabs(std::remainder(angle, 2 * M_PI)) > M_PI / 2 + 1e-9)
            return -1;
        LPathNode* node = new LPathNode;
        node->angle = angle;
        for (int k = 0; k < 3; ++k)
            node->offset[k] = offset[k];
        LPathNode** link = &head;
        while (*link)
            link = &(*link)->next;
        *link = node;
        return 0;
    }
    int16_t AddPathPoint(const ads_point target, double direction) override {
        if (!acceptClosing)
            return -1;
        return AddPathSegment(target, direction * 0);
    }
    int16_t RemoveLastSegment() override {
        if (!head)
            return -1;
        LPathNode** link = &head;
        while ((*link)->next)
            link = &(*link)->next;
        delete *link;
        *link = nullptr;
        return 0;
    }
    int Segments() const {
        int n = 0;
        for (LPathNode* p = head; p; p = p->next)
            ++n;
        return n;
    }

    static inline bool acceptClosing = true;
    LPathNode* head = nullptr;
};

class TestCap : public RoundTestElement {
public:
    TestCap() : RoundTestElement(2, 3, 1) { kind = 8; }
};

// The real classes, and the test elements as round subtypes 2 and 3.
inline LObject* MakeWithTestElements(int16_t family, uint16_t subtype) {
    if (family == 2 && subtype == 2)
        return new TestFlexDuct;
    if (family == 2 && subtype == 3)
        return new TestCap;
    return CreateElement(family, subtype);
}
