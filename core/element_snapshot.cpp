#include "core/element_snapshot.h"

#include "core/geometry.h"
#include "core/lobject.h"

ElementSnapshot::ElementSnapshot(LObject* element) : element_(element) {
    if (!element_)
        return;
    double* values = nullptr;
    if (element_->GetParams(&values) != 0 || !values) {
        delete[] values;
        return;
    }
    values_.reset(values);
    edited_ = element_->IsEdited();
    element_->GetInsertionPoint(insertionPoint_);
    rotation_ = element_->GetRotation();
    connectors_.resize(element_->GetConnectorCount() > 0 ? element_->GetConnectorCount() : 0);
    for (size_t i = 0; i < connectors_.size(); ++i) {
        const LConnector* c = element_->GetConnector(static_cast<int16_t>(i));
        if (!c)
            continue;
        ConnectorGeometry& g = connectors_[i];
        CopyPoint3d(g.position, c->position);
        g.angle = c->angle;
        g.secondAngle = c->secondAngle;
        g.a = c->a;
        g.b = c->b;
        g.areaFactor = c->areaFactor;
        g.side = c->side;
    }
}

void ElementSnapshot::Restore() const {
    if (!Taken())
        return;
    // Taken back as they were: no rule judges them against the tried ones.
    element_->RestoreParams(values_.get());
    element_->edited = edited_;
    element_->SetInsertionPoint(insertionPoint_);
    element_->SetRotation(rotation_);
    for (size_t i = 0; i < connectors_.size(); ++i) {
        LConnector* c = element_->GetConnector(static_cast<int16_t>(i));
        if (!c)
            continue;
        const ConnectorGeometry& g = connectors_[i];
        CopyPoint3d(c->position, g.position);
        c->angle = g.angle;
        c->secondAngle = g.secondAngle;
        c->a = g.a;
        c->b = g.b;
        c->areaFactor = g.areaFactor;
        c->side = g.side;
    }
}
