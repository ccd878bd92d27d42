// Framed labels and their owners: the kind is read from the entity and its
// block, the owner from the elements that name the entity in their data.
#include "core/framed_label.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "acdb_objects.h"
#include "ads_entity.h"
#include "core/application_name.h"
#include "core/drawing_context.h"
#include "core/system_entities.h"
#include "core/xdata_list.h"

namespace {

// The label groups of an element's data open with this mark; each node is
// its number, then the handles of its number label, leader and framed label,
// then a text.
constexpr const char* kLabelsOpen = "{";
constexpr int kFramedHandleIndex = 2;
constexpr int kNodeHandles = 3;

// A handle's value: stored texts may differ in case and leading zeros from
// the drawing's own; 0 for none or no number.
uint64_t HandleValue(const std::string& text) {
    char* end = nullptr;
    uint64_t value = std::strtoull(text.c_str(), &end, 16);
    return end && *end == '\0' ? value : 0;
}

// The framed labels named by the drawing's elements, read once in a scope.
struct Claims {
    AcDbDatabase* database = nullptr;
    bool read = false;
    std::unordered_map<uint64_t, std::vector<EntityRef>> byLabel;
};

std::unique_ptr<Claims> scopeClaims;

AcDbDatabase* CurrentDatabase() { return CurrentDrawing() ? CurrentDrawing()->database : nullptr; }

// Calls visit(handle value) for the framed label of each label node.
template <class Visit>
void ForEachFramedHandle(const resbuf* list, Visit visit) {
    const resbuf* rb = list;
    while (rb && !(rb->restype == 1001 && GroupText(rb) == kApplicationName))
        rb = rb->rbnext;
    while (rb && !(rb->restype == 1002 && GroupText(rb) == kLabelsOpen))
        rb = rb->rbnext;
    GroupCursor in(rb ? rb->rbnext : nullptr);
    for (bool first = true;; first = false) {
        if (!in.Take(1070) && !first)
            return;
        for (int k = 0; k < kNodeHandles; ++k) {
            const resbuf* h = in.Take(1005);
            if (!h)
                return;
            if (k == kFramedHandleIndex)
                visit(HandleValue(GroupText(h)));
        }
        // Another node follows only after the node's text and its number.
        if (!in.Take(1000) || !in.Next(1070))
            return;
    }
}

bool NamesFramedLabel(const resbuf* list, uint64_t handle) {
    bool named = false;
    ForEachFramedHandle(list, [&](uint64_t h) { named = named || h == handle; });
    return named;
}

// True when the element (not the owner) still names the label in its data.
bool OtherElementNames(const EntityRef& element, const ads_name owner, uint64_t handle) {
    ads_name e = {element[0], element[1]};
    if (owner && ads_name_equal(e, owner))
        return false;
    resbuf* list = GetWithProgramXdata(e);
    if (!list)
        return false;
    bool named = IsElementList(list) && NamesFramedLabel(list, handle);
    acutRelRb(list);
    return named;
}

void ReadClaims(Claims& claims) {
    claims.byLabel.clear();
    claims.database = CurrentDatabase();
    claims.read = true;
    for (const EntityRef& r : SelectElementInserts()) {
        ads_name e = {r[0], r[1]};
        resbuf* list = GetWithProgramXdata(e);
        if (!list)
            continue;
        ForEachFramedHandle(list, [&](uint64_t h) {
            if (h != 0)
                claims.byLabel[h].push_back(r);
        });
        acutRelRb(list);
    }
}

bool NamedByAnother(const ads_name label, const ads_name owner) {
    uint64_t handle = HandleValue(HandleOfEntity(label));
    if (handle == 0)
        return false;
    if (!scopeClaims) {
        for (const EntityRef& r : SelectElementInserts())
            if (OtherElementNames(r, owner, handle))
                return true;
        return false;
    }
    if (!scopeClaims->read || scopeClaims->database != CurrentDatabase())
        ReadClaims(*scopeClaims);
    auto found = scopeClaims->byLabel.find(handle);
    if (found == scopeClaims->byLabel.end())
        return false;
    for (const EntityRef& r : found->second)
        if (OtherElementNames(r, owner, handle))
            return true;
    return false;
}

// Type name (group 0) of an entity of a block.
std::string TypeOf(AcDbObjectId id) {
    ads_name name;
    if (acdbGetAdsName(name, id) != Acad::eOk)
        return std::string();
    resbuf* list = acdbEntGet(name);
    std::string type = GroupText(FindGroup(list, 0));
    acutRelRb(list);
    return type;
}

// A label block: anonymous, of texts and the lines of a frame, a text at least.
bool IsLabelBlock(AcDbObjectId blockId) {
    AcDbBlockTableRecord* block = nullptr;
    if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk || !block)
        return false;
    bool label = block->isAnonymous() && !block->isLayout();
    int texts = 0;
    AcDbBlockTableRecordIterator* it = nullptr;
    if (label && block->newIterator(it) == Acad::eOk && it) {
        std::unique_ptr<AcDbBlockTableRecordIterator> owned(it);
        for (; label && !it->done(); it->step()) {
            AcDbObjectId id;
            std::string type = it->getEntityId(id) == Acad::eOk ? TypeOf(id) : std::string();
            texts += type == "TEXT";
            label = type == "TEXT" || type == "LINE";
        }
    }
    block->close();
    return label && texts > 0;
}

// An insert with no data of the program, of a label block.
bool IsFramedLabel(const ads_name entity) {
    resbuf* list = acdbEntGetX(entity, ElementAppFilter());
    if (!list)
        return false;
    bool insert = GroupText(FindGroup(list, 0)) == "INSERT" && !FindGroup(list, -3);
    acutRelRb(list);
    AcDbObjectId id;
    if (!insert || acdbGetObjectId(id, entity) != Acad::eOk)
        return false;
    AcDbBlockReference* ref = nullptr;
    if (acdbOpenObject(ref, id, AcDb::kForRead) != Acad::eOk || !ref)
        return false;
    AcDbObjectId block = ref->blockTableRecord();
    ref->close();
    return IsLabelBlock(block);
}

}  // namespace

bool IsFramedLabelOf(const ads_name entity, const ads_name owner) {
    return IsFramedLabel(entity) && (!owner || !NamedByAnother(entity, owner));
}

FramedLabelClaimsScope::FramedLabelClaimsScope() {
    if (scopeClaims)
        return;
    scopeClaims = std::make_unique<Claims>();
    opened = true;
}

FramedLabelClaimsScope::~FramedLabelClaimsScope() {
    if (opened)
        scopeClaims.reset();
}
