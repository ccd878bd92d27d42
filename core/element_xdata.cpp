// The element XDATA: everything about an element beyond its block, stored
// on its insert under the program's application name.
#include "core/element_xdata.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "aced_input.h"
#include "ads_entity.h"
#include "core/application_name.h"
#include "core/drawing_context.h"
#include "core/element_factory.h"
#include "core/framed_label.h"
#include "core/labels.h"
#include "core/lobject.h"
#include "core/null_handle.h"
#include "core/standard_lengths.h"
#include "core/type_tables.h"
#include "core/xdata_list.h"

int16_t EncodeElementFlags(int16_t edited, int16_t orientation, int16_t listing) {
    int v = edited + 2 * orientation;
    if (listing == 1)
        v += 20;
    else if (listing == -1)
        v += 40;
    return static_cast<int16_t>(v);
}

void DecodeElementFlags(int16_t value, int16_t* edited, int16_t* orientation, int16_t* listing) {
    int v = value;
    int l = 0;
    if (v >= 40) {
        l = -1;
        v -= 40;
    } else if (v >= 20) {
        l = 1;
        v -= 20;
    }
    *listing = static_cast<int16_t>(l);
    *edited = static_cast<int16_t>(v % 2);
    *orientation = static_cast<int16_t>(v / 2);
}

int16_t JointPieceCode(const LTypeDescriptor* rowA, const LTypeDescriptor* rowB) {
    if (HasTypeFlag(rowA, kTypeLayeredJoint) && HasTypeFlag(rowB, kTypeLayeredJoint))
        return 3;
    bool a = HasTypeFlag(rowA, kTypeJointDuct), b = HasTypeFlag(rowB, kTypeJointDuct);
    if (a && b)
        return 1;
    if (!a && !b)
        return 2;
    return 0;
}

// The row a stored type joins by: none for a second variant's own code.
static const LTypeDescriptor* JointRow(int16_t family, int16_t subtype) {
    return IsAliasSubtype(family, subtype) ? nullptr : TypeRow(family, subtype);
}

int16_t StoredJointPieceCode(int16_t familyA, int16_t subtypeA, int16_t familyB, int16_t subtypeB) {
    return JointPieceCode(JointRow(familyA, subtypeA), JointRow(familyB, subtypeB));
}

double LabelTextHeight(double size, const char* tag) {
    double h = 1.8 * size;
    size_t n = tag ? std::strlen(tag) : 0;
    if (n > 2)
        h *= n * 2.0 / 5.0;
    return h;
}

// A label number is stored in a 16-bit group: one beyond its range is kept
// at the nearest end, and the user is told, rather than wrapped around.
static constexpr const wchar_t* kLabelNumberSaturated =
    L"\nLURAK: label number %ld does not fit an element's record; %d is kept.\n";

static int StoredLabelNumber(int32_t number) {
    if (number >= INT16_MIN && number <= INT16_MAX)
        return number;
    int16_t kept = number > INT16_MAX ? INT16_MAX : INT16_MIN;
    acutPrintf(kLabelNumberSaturated, static_cast<long>(number), static_cast<int>(kept));
    return kept;
}

resbuf* LObject::WriteXData() {
    GroupList g;
    g.Text(1001, kApplicationName);
    g.Text(1000, system.tag);
    g.Text(1000, userText ? userText : "");
    g.Short(1070, family);
    g.Short(1070, subtype);
    g.Real(1040, flow);
    g.Short(1070, EncodeElementFlags(edited, orientation, listingFlag));
    g.Short(1070, StoredLabelNumber(firstLabel.number));
    for (int16_t i = 0; i < connectorCount; ++i) {
        const LConnector* c = GetConnector(i);
        bool joined = c && !c->IsFree();
        g.Text(1005, joined ? c->neighbourHandle : "0");
        g.Short(1070, joined ? c->neighbourIndex : -1);
        g.Real(1040, c ? c->flow : 0.0);
    }
    double* values = nullptr;
    if (GetParams(&values) != 0 || (!values && paramCount > 0)) {
        // Writing made-up values would overwrite the stored ones.
        delete[] values;
        return nullptr;
    }
    for (int16_t i = 0; i < paramCount; ++i) {
        if (ParamIsText(i))
            g.Text(1000, GetParamText(i).c_str());
        else
            g.Real(1040, values[i]);
    }
    delete[] values;
    if (kind != 0 && (kind & kKindNotAttached) == 0) {
        std::string parentHandle = HandleOfEntity(parentEntity);
        g.Short(1070, attachPosition);
        g.Real(1040, flow);
        g.Text(1005, parentHandle.empty() ? "0" : parentHandle.c_str());
    }
    if (kind == kKindPath) {
        for (const LPathNode* node = GetPath(); node; node = node->next) {
            g.Point(1010, node->offset);
            g.Real(1040, node->angle);
        }
    }
    for (const LChildNode* node = children; node && node->next; node = node->next) {
        std::string h = HandleOfEntity(node->entity);
        if (!h.empty())
            g.Text(1005, h.c_str());
    }
    g.Text(1002, "{");
    for (const LLabelNode* node = &firstLabel; node; node = node->next) {
        g.Short(1070, StoredLabelNumber(node->number));
        g.Text(1005, HandleOfEntity(node->insert).c_str());
        g.Text(1005, HandleOfEntity(node->leader).c_str());
        g.Text(1005, HandleOfEntity(node->third).c_str());
        g.Text(1000, "-");
    }
    for (int i = 0; i < markCount && i < kMarkRoom; ++i)
        g.Text(1005, HandleOfEntity(marks[i]).c_str());
    g.Text(1002, "}");
    g.Text(1002, "{");
    for (int i = 0; i < dimensionCount && i < kMaxDimensions; ++i)
        g.Text(1005, HandleOfEntity(dimensions[i]).c_str());
    g.Text(1002, "}");
    if (g.Failed())
        return nullptr;
    return g.Take();
}

// The last parameter of data written before the type had it: the drawing's
// piece length, for the types that store it.
static bool DefaultLastParam(const LObject* e, double* value) {
    if (!HasTypeFlag(e->GetTypeDesc(), kTypeStoresPieceLength))
        return false;
    *value = PieceLengthOfType(e->GetTypeDesc());
    return true;
}

// One stored parameter: a value or a text.  False when the group is neither.
static bool ReadParam(LObject* e, GroupCursor& in, int16_t i, double* values) {
    if (const resbuf* rb = in.Take(1040)) {
        values[i] = rb->resval.rreal;
        return true;
    }
    if (const resbuf* rb = in.Take(1000)) {
        e->SetParamText(i, GroupText(rb).c_str());
        return true;
    }
    return false;
}

// A stored handle made into the entity it names (cleared when it names none).
static void TakeEntity(const resbuf* group, ads_name out) {
    std::string h = GroupText(group);
    if (!EntityOfHandle(h.c_str(), out))
        ads_name_clear(out);
}

static int16_t ReadConnectors(LObject* e, GroupCursor& in) {
    for (int16_t i = 0; i < e->GetConnectorCount(); ++i) {
        const resbuf* h = in.Take(1005);
        const resbuf* index = h ? in.Take(1070) : nullptr;
        const resbuf* airflow = index ? in.Take(1040) : nullptr;
        if (!airflow)
            return -1;
        LConnector* c = e->GetConnector(i);
        if (!c)
            continue;
        std::string text = GroupText(h);
        c->Clear();
        c->flow = airflow->resval.rreal;
        ads_name found;
        // A neighbour that the drawing no longer holds leaves the connector free.
        if (text != "0" && EntityOfHandle(text.c_str(), found)) {
            c->neighbourHandle = CopyHandleText(text.c_str());
            c->neighbourIndex = static_cast<int16_t>(index->resval.rint);
            ads_name_set(found, c->neighbourEntity);
        }
    }
    return 0;
}

static int16_t ReadParams(LObject* e, GroupCursor& in, double* values) {
    int16_t n = e->GetParamCount();
    for (int16_t i = 0; i + 1 < n; ++i)
        if (!ReadParam(e, in, i, values))
            return -1;
    if (n > 0 && !ReadParam(e, in, static_cast<int16_t>(n - 1), values) &&
        !DefaultLastParam(e, &values[n - 1]))
        return -1;
    return 0;
}

// Empties a path the element came with, so that the stored one is rebuilt
// exactly.
static void ClearPath(LObject* e) {
    for (int guard = 0; e->GetPath() && guard < 100000; ++guard)
        if (e->RemoveLastSegment() != 0)
            break;
}

static int16_t ReadPath(LObject* e, GroupCursor& in) {
    ClearPath(e);
    while (const resbuf* p = in.Take(1010)) {
        const resbuf* a = in.Take(1040);
        if (!a || e->AddPathSegment(p->resval.rpoint, a->resval.rreal) != 0)
            return -1;
    }
    return 0;
}

static void ReadChildren(LChildNode* children, GroupCursor& in) {
    LChildNode* last = children;
    while (last->next)
        last = last->next;
    while (const resbuf* rb = in.Take(1005)) {
        ads_name child;
        if (!EntityOfHandle(GroupText(rb).c_str(), child))
            continue;
        ads_name_set(child, last->entity);
        last->next = new LChildNode;
        last = last->next;
    }
}

// What a label node holds: its number label (an insert marked as a label),
// the leader (a line marked so) and the framed label (an insert of a label
// block; it carries no data of its own, core/framed_label.h).
enum class LabelPart { kNumber, kLeader, kFramed };

// The element a label entity's data names: its second handle group.
static bool NamesElement(const resbuf* app, const ads_name owner) {
    int seen = 0;
    for (const resbuf* rb = app; rb; rb = rb->rbnext) {
        if (rb->restype != 1005 || ++seen < 2)
            continue;
        ads_name named;
        return EntityOfHandle(GroupText(rb).c_str(), named) && ads_name_equal(named, owner);
    }
    return false;
}

// Owner, when given, is the element reading its data: a label entity that
// names another element is that element's label.
static bool IsLabelPart(const ads_name entity, LabelPart part, const ads_name owner) {
    if (part == LabelPart::kFramed)
        return IsFramedLabelOf(entity, owner);
    resbuf* list = acdbEntGetX(entity, ElementAppFilter());
    if (!list)
        return false;
    std::string type = GroupText(FindGroup(list, 0));
    resbuf* marker = FindGroup(list, -3);
    resbuf* app = marker ? FindGroup(marker, 1001) : nullptr;
    resbuf* text = app ? FindGroup(app, 1000) : nullptr;
    bool marked = text && GroupText(text) == kLabelMarker;
    bool ours = !marked || !owner || NamesElement(app, owner);
    acutRelRb(list);
    switch (part) {
    case LabelPart::kNumber:
        return type == "INSERT" && marked && ours;
    case LabelPart::kLeader:
        return type == "LINE" && marked && ours;
    case LabelPart::kFramed:
        break;  // decided above, by its block and the elements that name it
    }
    return false;
}

// A stored label handle made into the entity it names.  One that names
// anything but that part of a label of this element (another element, its
// label, the BLOCK of a block, damaged data) is taken as none: the label
// refresh rewrites the entities of a node, its block name and points, and
// placing the label anew erases them.
static void TakeLabelEntity(const resbuf* group, LabelPart part, const ads_name owner, ads_name out) {
    TakeEntity(group, out);
    if (!ads_name_nil(out) && !IsLabelPart(out, part, owner))
        ads_name_clear(out);
}

// The label groups between the opening "{" and the marks.
static int16_t ReadLabels(LObject* e, GroupCursor& in, LabelOwner labels) {
    const long* owner = labels == LabelOwner::kThisElement ? e->entity : nullptr;
    int16_t count = 1;
    LLabelNode* node = &e->firstLabel;
    for (;;) {
        if (const resbuf* rb = in.Take(1070))
            node->number = static_cast<int16_t>(rb->resval.rint);
        const resbuf* h[3];
        for (auto& group : h)
            if (!(group = in.Take(1005)))
                return -1;
        TakeLabelEntity(h[0], LabelPart::kNumber, owner, node->insert);
        TakeLabelEntity(h[1], LabelPart::kLeader, owner, node->leader);
        TakeLabelEntity(h[2], LabelPart::kFramed, owner, node->third);
        if (in.AtEnd())
            return -1;
        if (!in.Take(1000))
            break;
        if (!in.Next(1070))
            break;
        if (!node->next)
            node->next = new LLabelNode;
        node = node->next;
        ++count;
    }
    for (LLabelNode* rest = node->next; rest; rest = rest->next)
        ++count;
    e->labelCount = count;
    return 0;
}

static void ReadMarks(LObject* e, GroupCursor& in) {
    e->markCount = 0;
    while (const resbuf* rb = in.Take(1005)) {
        ads_name mark;
        if (e->markCount < kMarkRoom - 1 && EntityOfHandle(GroupText(rb).c_str(), mark)) {
            ads_name_set(mark, e->marks[e->markCount]);
            ++e->markCount;
        }
    }
}

static void ReadDimensions(LObject* e, GroupCursor& in) {
    e->dimensionCount = 0;
    while (const resbuf* rb = in.Take(1005)) {
        ads_name dim;
        if (e->dimensionCount < kMaxDimensions && EntityOfHandle(GroupText(rb).c_str(), dim)) {
            ads_name_set(dim, e->dimensions[e->dimensionCount]);
            ++e->dimensionCount;
        }
    }
}

// Family and subtype of the insert a handle names; false when unreadable.
static bool NeighbourType(const char* handle, int16_t* family, int16_t* subtype) {
    ads_name insert;
    if (!EntityOfHandle(handle, insert))
        return false;
    resbuf* list = acdbEntGetX(insert, ElementAppFilter());
    uint16_t f = 0, s = 0;
    bool ok = list && ReadElementType(list, &f, &s) == 0;
    if (list)
        acutRelRb(list);
    *family = static_cast<int16_t>(f);
    *subtype = static_cast<int16_t>(s);
    return ok;
}

static void SetJointPieces(LObject* e) {
    for (int16_t i = 0; i < e->GetConnectorCount(); ++i) {
        LConnector* c = e->GetConnector(i);
        int16_t f = 0, s = 0;
        if (c && !c->IsFree() && NeighbourType(c->neighbourHandle, &f, &s))
            c->jointPieces = StoredJointPieceCode(e->GetFamily(), e->GetSubtype(), f, s);
    }
}

int16_t LObject::ReadXData(const resbuf* subtypeGroup, LabelOwner labels) {
    if (!subtypeGroup)
        return -1;
    GroupCursor in(subtypeGroup->rbnext);
    const resbuf* rb = in.Take(1040);
    flow = rb ? rb->resval.rreal : 0.0;
    if (!(rb = in.Take(1070)))
        return -1;
    DecodeElementFlags(static_cast<int16_t>(rb->resval.rint), &edited, &orientation, &listingFlag);
    if (!(rb = in.Take(1070)))
        return -1;
    firstLabel.number = static_cast<int16_t>(rb->resval.rint);
    if (ReadConnectors(this, in) != 0)
        return -1;
    double* values = new double[paramCount > 0 ? paramCount : 1]();
    int16_t result = ReadParams(this, in, values);
    if (result == 0 && kind != 0 && (kind & kKindNotAttached) == 0) {
        if (!(rb = in.Take(1070))) {
            result = -1;
        } else {
            attachPosition = static_cast<int16_t>(rb->resval.rint);
            if ((rb = in.Take(1040)))
                flow = rb->resval.rreal;
            if ((rb = in.Take(1005)))
                TakeEntity(rb, parentEntity);
        }
    }
    if (result == 0 && kind == kKindPath)
        result = ReadPath(this, in);
    if (result == 0) {
        ReadChildren(children, in);
        RestoreParams(values);
    }
    delete[] values;
    if (result != 0 || !in.Take(1002) || ReadLabels(this, in, labels) != 0)
        return -1;
    ReadMarks(this, in);
    // The closing "}" of the label groups must be there; data that ends
    // before it is damaged.
    if (!in.Take(1002))
        return -1;
    if (in.Take(1002))
        ReadDimensions(this, in);
    SetJointPieces(this);
    return 0;
}
