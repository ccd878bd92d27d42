// Orientation, flipping, moving, and attaching children to a parent.
#include "core/lobject.h"

#include <memory>

#include "core/element_load.h"
#include "core/element_ptr.h"
#include "core/insert_flags.h"
#include "core/write_rollback.h"

int16_t LObject::MoveBy(const ads_point v, int16_t forget) {
    AddVector3d(insertionPoint, v);
    ads_name_clear(entity);  // the next insert makes a new entity
    if (forget) {
        for (LLabelNode* node = &firstLabel; node; node = node->next) {
            ads_name_clear(node->insert);
            ads_name_clear(node->leader);
            ads_name_clear(node->third);
        }
        markCount = 0;
        dimensionCount = 0;
    }
    return 0;
}

double* LObject::TransformByOrientation(ads_point out, const ads_point p) const {
    int axis = ((orientation % 3) + 3) % 3;
    double s = orientation < 3 ? 1.0 : -1.0;
    ads_point r;
    if (axis == 0)
        SetPoint3d(r, s * p[0], p[1], 0);
    else if (axis == 1)
        SetPoint3d(r, s * p[0], p[2], 0);
    else
        SetPoint3d(r, s * p[1], p[2], 0);
    CopyPoint3d(out, r);
    return out;
}

int16_t LObject::CycleOrientation(int16_t c) {
    int start = orientation;
    int o = (start + 1) % 6;
    if (c != -1) {
        LConnector* conn = GetConnector(c);
        int sideAxis = conn ? conn->side % 3 : -1;
        while (o != start && sideAxis == o % 3)
            o = (o + 1) % 6;
    }
    if (o != start)
        SetOrientation(static_cast<int16_t>(o));
    return 0;
}

void LObject::HalfTurn() {
    if (rotation > kPi)
        rotation -= kPi;
    else
        rotation += kPi;
}

int16_t LObject::Flip() {
    if (kind & kKindUserBlock) {
        HalfTurn();
        scale.sx = -scale.sx;
        return 0;
    }
    int axis = ((orientation % 3) + 3) % 3;
    switch (flipModes[axis]) {
    case 1:
        orientation = static_cast<int16_t>(orientation < 3 ? orientation + 3 : orientation - 3);
        HalfTurn();
        break;
    case 2:
        HalfTurn();
        break;
    case 3:
        return Mirror();
    default:
        break;
    }
    return 0;
}

int16_t LObject::AddChild(LObject* child, uint16_t position) {
    if (!child || position > 5 || (child->kind & GetAttachMask(static_cast<int16_t>(position))) == 0)
        return -1;
    child->attachPosition = static_cast<int16_t>(position);
    ads_name_set(entity, child->parentEntity);
    child->parent = this;
    LChildNode* last = children;
    while (last->next)
        last = last->next;
    last->child = child;
    ads_name_set(child->entity, last->entity);
    last->next = new LChildNode;
    return 0;
}

int16_t LObject::CountChildren() const {
    int16_t n = 0;
    for (const LChildNode* node = children; node && node->next; node = node->next)
        ++n;
    return n;
}

LChildNode* LObject::NextChild(ads_name out, LChildNode* previous) const {
    LChildNode* node = previous ? previous->next : children;
    if (!node || !node->next)
        return nullptr;
    ads_name_set(node->entity, out);
    return node;
}

// The child's orientation and its quarter turns, by the parent's
// orientation (rows) and the attach position (columns).
static const int16_t kChildOrientation[6][6] = {
    {0, 4, 4, 3, 4, 4}, {1, 0, 5, 1, 3, 2}, {2, 2, 0, 5, 5, 3},
    {3, 1, 1, 0, 1, 1}, {4, 3, 2, 4, 0, 5}, {5, 5, 3, 2, 2, 0},
};
static const int16_t kChildQuarterTurns[6][6] = {
    {0, 3, 0, 0, 1, 2}, {1, 0, 0, 3, 0, 2}, {1, 2, 0, 3, 0, 0},
    {0, 3, 2, 0, 1, 0}, {1, 0, 2, 3, 0, 0}, {1, 0, 0, 3, 2, 0},
};

// A child of a parent that sizes its children (kTypeSizesChildren) takes
// the parent's parameters 1 and 2.
static int16_t TakeParentParams(LObject* child, LObject* parent) {
    int16_t first = child->parentParams[0], second = child->parentParams[1];
    if (first == -1 || second == -1)
        return 0;
    int n = child->GetParamCount();
    if (first < 0 || first >= n || second < 0 || second >= n || parent->GetParamCount() < 3)
        return -1;
    double* mine = nullptr;
    double* theirs = nullptr;
    int16_t result = -1;
    if (child->GetParams(&mine) == 0 && mine && parent->GetParams(&theirs) == 0 && theirs) {
        mine[first] = theirs[1];
        mine[second] = theirs[2];
        int16_t* flags = new int16_t[n]();
        flags[first] = 1;
        flags[second] = 1;
        child->SetParams(mine);
        result = child->MatchCatalogue(mine, flags);
        delete[] flags;
    }
    delete[] mine;
    delete[] theirs;
    return result;
}

int16_t LObject::AlignTo(LObject* p) {
    if (!p)
        return -1;
    if (HasTypeFlag(p->descriptor, kTypeSizesChildren) && TakeParentParams(this, p) != 0)
        return -1;
    int po = p->orientation, q = attachPosition;
    if (po < 0 || po > 5 || q < 0 || q > 5)
        return -1;
    orientation = kChildOrientation[po][q];
    int turns = kChildQuarterTurns[po][q];
    rotation = turns * kPi / 2.0;
    double s = (turns == 1 || turns == 3) ? p->scale.sy : p->scale.sx;
    if (p->hostSize > 0.0)
        hostSize = p->hostSize;
    ads_point at;
    CopyPoint3d(at, p->insertionPoint);
    if (orientation != 0 && orientation != 3) {
        ads_point v = {p->GetAttachOffset(static_cast<int16_t>(q)) * s, 0, 0};
        RotateVector2d(v, rotation + p->rotation);
        AddVector3d(at, v);
        rotation -= kHalfPi;
    }
    CopyPoint3d(insertionPoint, at);
    rotation += p->rotation;
    return 0;
}

// The parent for AlignToParent and NextAttachPosition: the one set, or one
// read from the parent insert for the call and deleted after it.
class LoadedParent {
public:
    LoadedParent(LObject*& parent, const ads_name entity) : parent(parent) {
        if (!parent && !ads_name_nil(entity)) {
            loaded.reset(LoadElementFromEntity(entity));
            parent = loaded.get();
        }
    }
    ~LoadedParent() {
        if (loaded)
            parent = nullptr;
    }
    LoadedParent(const LoadedParent&) = delete;
    LoadedParent& operator=(const LoadedParent&) = delete;

private:
    LObject*& parent;
    ElementPtr loaded;
};

int16_t LObject::AlignToParent() {
    LoadedParent scope(parent, parentEntity);
    if (!parent)
        return -1;
    AlignTo(parent);
    return 0;
}

int16_t LObject::NextAttachPosition() {
    LoadedParent scope(parent, parentEntity);
    if (!parent)
        return -1;
    int start = attachPosition >= 0 && attachPosition < 6 ? attachPosition : 0;
    int q = (start + 1) % 6;
    while (q != start && (parent->GetAttachMask(static_cast<int16_t>(q)) & kind) == 0)
        q = (q + 1) % 6;
    attachPosition = static_cast<int16_t>(q);
    return 0;
}

int16_t LObject::UpdateChildren(WriteRollback& undo) {
    ads_name entity;
    for (LChildNode* node = NextChild(entity, nullptr); node; node = NextChild(entity, node)) {
        ElementPtr child(LoadElementFromEntity(entity));
        if (!child)
            continue;
        child->SetParent(this);
        child->AlignToParent();
        bool written = WriteElement(child.get(), kInsertAll, undo);
        child->SetParent(nullptr);
        if (!written)
            return -1;
    }
    return 0;
}
