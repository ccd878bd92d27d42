#include "core/path_snapshot.h"

#include <memory>

#include "core/geometry.h"
#include "core/lobject.h"

// Far more nodes than any element stores.
constexpr int kMostPathNodes = 1000000;

PathSnapshot::PathSnapshot(LObject* element) : element_(element) {
    for (LPathNode* n = element ? element->GetPath() : nullptr; n; n = n->next) {
        Node kept;
        CopyPoint3d(kept.offset, n->offset);
        kept.angle = n->angle;
        nodes_.push_back(kept);
    }
}

void PathSnapshot::Restore() const {
    if (!element_)
        return;
    // Emptied to the end: the last removal of an empty path makes the
    // element take the next node as the head of a stored path.
    for (int guard = 0; guard < kMostPathNodes; ++guard)
        if (element_->RemoveLastSegment() != 0)
            break;
    for (const Node& n : nodes_)
        if (element_->AddPathSegment(n.offset, n.angle) != 0)
            break;
    // The stored values complete the path (its straights and labels).
    double* values = nullptr;
    if (element_->GetParams(&values) == 0 && values) {
        std::unique_ptr<double[]> owned(values);
        element_->SetParams(values);
    }
}
