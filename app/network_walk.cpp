#include "app/network_walk.h"

#include <cstring>
#include <memory>
#include <vector>

#include "aced_input.h"
#include "ads_entity.h"
#include "app/doc_state.h"
#include "app/label_numbering.h"
#include "app/label_writes.h"
#include "core/element_load.h"
#include "core/labels.h"
#include "core/lconnector.h"
#include "core/lobject.h"
#include "core/messages.h"
#include "core/string_convert.h"
#include "core/system_entities.h"
#include "core/write_rollback.h"
#include "core/xdata_list.h"

namespace {

constexpr int kMsgNextElement = 176;
constexpr int16_t kInsertAll = 13;
constexpr int16_t kInsertNumbers = 5;

bool Stopped() { return CurrentDocState && CurrentDocState->numberingStop != 0; }

bool IsVisited(const ads_name entity, const ads_name visited) {
    return acedSSMemb(entity, visited) == RTNORM;
}

// What is left to walk behind one element: its children, then (filtered
// when the children are done) its neighbours and its parent.
struct Frame {
    std::vector<EntityRef> children;
    std::vector<EntityRef> neighbours;
    size_t next = 0;
    bool onNeighbours = false;
};

// Labels, numbers and sizes one element and fills its frame; 0 when the
// walk goes on behind it, else the walk's result for this element.
int16_t VisitElement(const ads_name start, ads_name visited, const char* tag, int16_t option, Frame* frame) {
    acedSSAdd(start, visited, visited);
    LObject* e = LoadElementFromEntity(start);
    if (!e)
        return -1;
    char own[16];
    e->GetSystemTag(own, sizeof own);
    if (std::strcmp(own, tag ? tag : "") != 0) {
        DestroyElement(e);
        return -1;
    }
    // What the walk may erase for this element (its old labels as the user
    // places new ones, its old size texts) is what it owns now, before the
    // walk makes any: taken back with the run's other writes when the
    // drawing refuses one.
    if (WriteRollback* undo = CurrentDocState ? CurrentDocState->numberingWrites : nullptr)
        undo->Touch(e);
    // The sizes are drawn before the labels, but the element names them
    // only once it is written: a visit that "Select" ends before then takes
    // back what it drew (dimensions, a fitting label) and brings back what
    // it erased (the old fitting label, the size texts), so that nothing is
    // left that the element does not name.
    std::unique_ptr<WriteRollback> drawn;
    if ((option & kWalkSizes) && (option & kWalkLabels)) {
        drawn = std::make_unique<WriteRollback>();
        drawn->MarkModelSpaceEnd();
        drawn->Touch(e);
    }
    if (option & kWalkSizes) {
        e->UpdateLabel();
        e->EraseMarks();
    }
    int16_t last = 0;  // an element without labels counts as numbered
    if (!Stopped() && (option & kWalkLabels)) {
        acutPrintf(L"%ls", ToWide(CommandMessage(kMsgNextElement)).c_str());
        uint16_t labels = 0;
        e->GetLabelCount(&labels);
        for (int16_t i = 0; i < static_cast<int16_t>(labels) && !Stopped(); ++i) {
            last = (option & kWalkNoQuestions) ? PlaceLabel(e, i) : NumberLabel(e, i);
            if (last == kWalkSelect) {
                // The labels numbered before are written with the element,
                // and with them what was drawn for it.
                bool written = true;
                if (i > 0) {
                    ShowListedNumbers(e);
                    written = WriteNumberedElement(e, kInsertNumbers);
                } else if (drawn) {
                    drawn->Undo();
                }
                DestroyElement(e);
                // A run stopped by a refused write asks for no new start.
                return written && !Stopped() ? kWalkSelect : kWalkStopped;
            }
        }
    }
    if (!Stopped() && (option & kWalkSizes) && !((option & kWalkLabels) && last != 0)) {
        for (int16_t i = 0; i < e->GetConnectorCount() && !Stopped(); ++i) {
            const LConnector* c = e->GetConnector(i);
            if (c && (ads_name_nil(c->neighbourEntity) || !IsVisited(c->neighbourEntity, visited)))
                c->MakeSizeText();
        }
    }
    ShowListedNumbers(e);
    if (!WriteNumberedElement(e, kInsertAll)) {
        DestroyElement(e);
        CurrentDocState->numberingStop = 1;
        return kWalkStopped;
    }
    if (Stopped()) {
        DestroyElement(e);
        return kWalkStopped;
    }
    ads_name child;
    for (LChildNode* node = e->NextChild(child, nullptr); node; node = e->NextChild(child, node))
        if (!ads_name_nil(child) && !IsVisited(child, visited))
            frame->children.push_back(ToEntityRef(child));
    for (int16_t i = 0; i < e->GetConnectorCount(); ++i) {
        const LConnector* c = e->GetConnector(i);
        if (c && !ads_name_nil(c->neighbourEntity))
            frame->neighbours.push_back(ToEntityRef(c->neighbourEntity));
    }
    ads_name parent;
    e->GetParentEntity(parent);
    if (!ads_name_nil(parent))
        frame->neighbours.push_back(ToEntityRef(parent));
    DestroyElement(e);
    return 0;
}

// The next insert to walk from the frame, or false when it is done.  The
// neighbours are filtered by the visited set once the children are done.
bool NextOf(Frame& f, ads_name visited, ads_name out) {
    if (!f.onNeighbours && f.next < f.children.size()) {
        const EntityRef& r = f.children[f.next++];
        out[0] = r[0], out[1] = r[1];
        return true;
    }
    if (!f.onNeighbours) {
        f.onNeighbours = true;
        f.next = 0;
        std::vector<EntityRef> open;
        for (const EntityRef& r : f.neighbours) {
            ads_name n = {r[0], r[1]};
            if (!IsVisited(n, visited))
                open.push_back(r);
        }
        f.neighbours.swap(open);
    }
    if (f.next >= f.neighbours.size())
        return false;
    const EntityRef& r = f.neighbours[f.next++];
    out[0] = r[0], out[1] = r[1];
    return true;
}

}  // namespace

int16_t WalkNetwork(const ads_name start, ads_name visited, const char* tag, int16_t option) {
    std::vector<Frame> stack(1);
    int16_t result = VisitElement(start, visited, tag, option, &stack.back());
    if (result != 0)
        return result;
    while (!stack.empty() && !Stopped()) {
        ads_name next;
        if (!NextOf(stack.back(), visited, next)) {
            stack.pop_back();
            continue;
        }
        // A walk below ends only its own element; its result is not passed on.
        Frame frame;
        if (VisitElement(next, visited, tag, option, &frame) == 0)
            stack.push_back(std::move(frame));
    }
    return Stopped() ? kWalkStopped : 0;
}
