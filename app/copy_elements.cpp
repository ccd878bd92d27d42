// "C:lcopy" and "C:lmirror": a selection of a network copied to another
// place, or mirrored about a line, as new elements of one air system.  An
// element is placed anew (a new block and insert) and the copies are then
// linked among themselves through the map of source handles to copies;
// the selected entities stay as they were.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "acdb_objects.h"
#include "aced_input.h"
#include "ads_entity.h"
#include "app/command_bodies.h"
#include "app/copy_attributes.h"
#include "app/copy_links.h"
#include "app/doc_state.h"
#include "app/model_space.h"
#include "app/plane_check.h"
#include "app/selection_set.h"
#include "core/element_factory.h"
#include "core/element_load.h"
#include "core/element_room.h"
#include "core/element_ptr.h"
#include "core/entity_handles.h"
#include "core/handle_map.h"
#include "core/insert_flags.h"
#include "core/labels.h"
#include "core/mirror_geometry.h"
#include "core/messages.h"
#include "core/owned_entities.h"
#include "core/string_convert.h"
#include "core/system_list.h"
#include "core/system_store.h"
#include "core/xdata_list.h"
#include "mfc.h"
#include "ui/mfc/lcpydialog.h"
#include "ui/mfc/lsysdialog.h"

namespace {

constexpr int kPromptBasePoint = 171;
constexpr int kPromptSecondPoint = 172;
constexpr int kPromptMirrorFirst = 186;
constexpr int kPromptMirrorSecond = 187;
// What the copies are written with: a new insert (update and new block),
// then again after re-linking (update, labels, marks and dimensions); a
// mirrored element is written whole the first time.
constexpr uint16_t kInsertCopy = kInsertUpdate | kInsertNewBlock;
constexpr uint16_t kInsertMirror = kInsertAll;
constexpr uint16_t kInsertRelinked = kInsertRefresh;
// The listing flag that label numbering leaves on an element.
constexpr int16_t kListingPending = -1;

using EntityName = std::array<long, 2>;

// Selected element inserts that cannot be rebuilt are left out, and the
// user is told how many and why (in the program's own words, as its other
// notices beyond the numbered texts of the messages file).
constexpr const wchar_t* kMsgLeftOutUnlisted =
    L"\nLURAK: %d selected element(s) left out: the drawing no longer lists their air system.\n";
constexpr const wchar_t* kMsgLeftOutUnreadable =
    L"\nLURAK: %d selected element(s) left out: their data cannot be read.\n";
constexpr const wchar_t* kMsgLeftOutZeroScale =
    L"\nLURAK: %d selected element(s) left out: their insert has a scale of 0, which cannot be drawn.\n";

struct LeftOut {
    int unlisted = 0;
    int unreadable = 0;
    int zeroScale = 0;
    int otherPlane = 0;
};

// An insert scaled by 0 in any axis (only a damaged or edited file has one)
// cannot be drawn: the copy's insert would be refused, and no other scale
// is the element's own.
bool HasZeroScale(const LObject& e) {
    AcGeScale3d scale;
    e.GetScale(&scale);
    for (double factor : {scale.sx, scale.sy, scale.sz})
        if (!std::isfinite(factor) || factor == 0.0)
            return true;
    return false;
}

// An element that cannot be placed anew where it is: counted, false for one
// that can.  An insert in another plane holds its point in that plane's
// coordinates, which taken as plan coordinates would put the copy at the
// mirror image of its place.
bool LeaveOut(const LObject& e, LeftOut& out) {
    if (!e.inDrawingPlane)
        ++out.otherPlane;
    else if (HasZeroScale(e))
        ++out.zeroScale;
    else
        return false;
    return true;
}

// Counts an element insert that could not be rebuilt; false for an entity
// that is no element.
bool CountLeftOut(LDocState* s, const ads_name entity, LeftOut& out) {
    uint16_t family = 0, subtype = 0;
    if (GetElementType(entity, &family, &subtype) != 0)
        return false;
    char tag[sizeof LSystemRecord::tag] = "";
    LSystemRecord listed;
    if (GetElementSystemTag(entity, tag, sizeof tag) == 0 && GetSystemByTag(s->systemList, &listed, tag) != 0)
        ++out.unlisted;
    else
        ++out.unreadable;
    return true;
}

void ReportLeftOut(const LeftOut& out) {
    if (out.unlisted > 0)
        acutPrintf(kMsgLeftOutUnlisted, out.unlisted);
    if (out.unreadable > 0)
        acutPrintf(kMsgLeftOutUnreadable, out.unreadable);
    if (out.zeroScale > 0)
        acutPrintf(kMsgLeftOutZeroScale, out.zeroScale);
    ReportLeftOutOtherPlane(out.otherPlane);
}

// Closer than this in the plan, two points give a mirror line no direction.
constexpr double kSamePointDistance = 1e-6;

bool SamePlanPoint(const ads_point a, const ads_point b) {
    return std::hypot(b[0] - a[0], b[1] - a[1]) <= kSamePointDistance;
}

// The two points of the command: anything but a point ends it.  A mirror
// line needs two distinct points; its second point is asked again while
// it falls on the first, as a repeated prompt shows the user.
bool AskTwoPoints(int first, int second, bool distinct, ads_point p1, ads_point p2) {
    if (acedGetPoint(nullptr, ToWide(CommandMessage(first)).c_str(), p1) != RTNORM)
        return false;
    std::wstring prompt = ToWide(CommandMessage(second));
    do {
        acutPrintf(L"\n");
        if (acedGetPoint(p1, prompt.c_str(), p2) != RTNORM)
            return false;
    } while (distinct && SamePlanPoint(p1, p2));
    return true;
}

// The tag of the first selected entity that carries one, or "".
void FirstSystemTag(const SelectionSet& selection, char* tag, size_t room) {
    tag[0] = '\0';
    long n = selection.Length();
    for (long i = 0; i < n; ++i) {
        ads_name e;
        if (selection.At(i, e) && GetElementSystemTag(e, tag, room) == 0 && tag[0] != '\0')
            return;
        tag[0] = '\0';
    }
}

// The system the copies get: the listed one of the tag the user chose, or
// a new one defined in the system dialog.  False when none came about.
bool ChooseCopySystem(LDocState* s, int16_t mode, const SelectionSet& selection, LSystemRecord* out) {
    char tag[sizeof out->tag] = "";
    FirstSystemTag(selection, tag, sizeof tag);
    LCpyDialog dlg(acedGetAcadFrame());
    dlg.mode = mode;
    dlg.systems = &s->systemList;
    dlg.tag = CString(tag);
    if (dlg.DoModal() != IDOK)
        return false;
    std::snprintf(tag, sizeof tag, "%s", dlg.tag.toUtf8().c_str());
    if (GetSystemByTag(s->systemList, out, tag) == 0)
        return true;
    *out = LSystemRecord();
    std::snprintf(out->tag, sizeof out->tag, "%s", tag);
    LSysDialog sys(acedGetAcadFrame());
    sys.database = s->database;
    sys.systems = &s->systemList;
    sys.pSystem = out;
    sys.mode = kSysNewTagSet;
    sys.DoModal();
    return sys.result == 0 && AddSystem(s->systemList, out) == 0;
}

// The common beginning: selection, two points and the system.
bool BeginCopy(int16_t mode, SelectionSet& selection, ads_point p1, ads_point p2, LSystemRecord* system) {
    LDocState* s = CurrentDocState;
    if (!s || selection.Ask() != RTNORM)
        return false;
    bool mirror = mode == kMirrorMode;
    if (!AskTwoPoints(mirror ? kPromptMirrorFirst : kPromptBasePoint,
                      mirror ? kPromptMirrorSecond : kPromptSecondPoint, mirror, p1, p2))
        return false;
    return ChooseCopySystem(s, mode, selection, system);
}

EntityName NameOf(const ads_name e) { return {e[0], e[1]}; }

// A copy's new insert and the handle of the element it was copied from.
struct MadeCopy {
    EntityName copy;
    std::string source;
};

// The copies made and those the drawing refused, for the closing word.
struct CopyCount {
    int made = 0;
    int refused = 0;
};

constexpr const wchar_t* kMsgCopiesRefused =
    L"\nLURAK: %d element(s) copied; %d could not be written and were left out.\n";

constexpr const wchar_t* kMsgAttributesNotMoved =
    L"\nLURAK: element %ls was not copied: its attributes, moved with the copy, would hold numbers too large for "
    L"a drawing.\n";

void ReportCopies(const CopyCount& count) {
    if (count.refused > 0)
        acutPrintf(kMsgCopiesRefused, count.made, count.refused);
}

// Erases the entity unless it is gone already (erasing it again would
// bring it back).
void EraseLive(const ads_name e) {
    if (!ads_name_nil(e) && EntityIsLive(e))
        acdbEntDel(e);
}

// Places the element as a new insert and maps its source handle to it; the
// source insert's attributes follow the copy, moved by `move`.
bool PlaceCopy(LObject* e, const ads_name source, const AcGeMatrix3d& move, const LSystemRecord& system,
               uint16_t flags, LHandleMap& map, std::vector<MadeCopy>& made, std::set<std::string>& madeHandles) {
    char sourceHandle[LHandleMap::kHandleRoom] = "";
    e->GetHandle(sourceHandle, sizeof sourceHandle);
    e->SetSystemRecord(system);
    // A refused copy is left out; the copies made stay.
    if (e->Insert(flags) != 0) {
        ReportCopyNotWritten(e, sourceHandle);
        return false;
    }
    ads_name copy;
    e->GetEntity(copy);
    // An attribute the drawing cannot move with the copy would stand where
    // its source's does: the copy goes, its attributes with it.
    LDocState* s = CurrentDocState;
    if (s && !CopyAttributes(s->database, source, copy, move)) {
        acutPrintf(kMsgAttributesNotMoved, ToWide(sourceHandle).c_str());
        EraseLive(copy);
        return false;
    }
    made.push_back({NameOf(copy), sourceHandle});
    madeHandles.insert(e->HandleText());
    map.Insert(sourceHandle, e->HandleText());
    return true;
}

// Rebuilds each new insert, links it to the other copies and writes it.  A
// copy the drawing refuses so is erased: it still names the neighbours of
// the element it was copied from.  So are the copies of its labels, marks
// and dimensions, which now name it: they would stand for no element.
void RelinkAll(const std::vector<MadeCopy>& made, const LHandleMap& map, CopyLinks scope, CopyCount& count) {
    for (const MadeCopy& m : made) {
        ads_name e = {m.copy[0], m.copy[1]};
        // A copy still names its source's labels: they are followed to
        // their copies, or dropped.
        LabelOwner labels = scope == CopyLinks::kJointsAndLabels ? LabelOwner::kAnyElement : LabelOwner::kThisElement;
        ElementPtr copy(LoadElementFromEntity(e, labels));
        if (!copy)
            continue;
        RelinkCopy(copy.get(), map, scope);
        if (scope == CopyLinks::kJointsAndLabels)
            copy->AttachReactorToLabels();
        if (copy->Insert(kInsertRelinked) != 0) {
            ReportCopyNotWritten(copy.get(), m.source.c_str());
            EraseLive(e);
            // Only there do its names follow the copies; else they are
            // the sources' own.
            if (scope == CopyLinks::kJointsAndLabels)
                ForOwnedEntities(*copy, EraseLive);
            --count.made;
            ++count.refused;
        }
    }
}

std::string HandleOfId(AcDbObjectId id) {
    ads_name e;
    if (acdbGetAdsName(e, id) != Acad::eOk)
        return std::string();
    return HandleOfEntity(e);
}

// The first two handle groups of a label entity's XDATA follow the copies;
// one that names neither a copy nor a copied entity names an entity of the
// source side and is cleared, so that the label never acts on it.
void RelinkLabelData(resbuf* xdata, const LHandleMap& map, const std::set<std::string>& madeHandles) {
    resbuf* marker = FindGroup(xdata, 1000);
    bool label = marker && GroupText(marker) == kLabelMarker;
    int seen = 0;
    for (resbuf* rb = xdata; rb && seen < 2; rb = rb->rbnext) {
        if (rb->restype != 1005)
            continue;
        ++seen;
        std::string text = GroupText(rb);
        char handle[LHandleMap::kHandleRoom] = "";
        std::snprintf(handle, sizeof handle, "%s", text.c_str());
        if (text.size() < sizeof handle && map.Lookup(handle, sizeof handle) == 0)
            text = handle;
        else if (label && text != "0" && !madeHandles.count(text))
            text = "0";
        else
            continue;
        resbuf* fresh = acutBuildList(1005, ToWide(text.c_str()).c_str(), 0);
        if (!fresh)
            continue;
        std::swap(rb->resval.rstring, fresh->resval.rstring);
        acutRelRb(fresh);
    }
}

// Deep-clones the entities that are not elements, moves the clones by the
// displacement and maps them.
void CloneOthers(LDocState* s, AcDbObjectIdArray& ids, const ads_point shift, LHandleMap& map,
                 std::set<std::string>& madeHandles) {
    if (ids.isEmpty())
        return;
    AcDbObjectId space = ModelSpaceId(s->database);
    AcDbIdMapping mapping;
    if (space.isNull() || s->database->deepCloneObjects(ids, space, mapping, false) != Acad::eOk)
        return;
    std::vector<AcDbObjectId> clones;
    AcDbIdMappingIter it(mapping);
    for (it.start(); !it.done(); it.next()) {
        AcDbIdPair pair;
        if (!it.getMap(pair) || !pair.isCloned())
            continue;
        std::string from = HandleOfId(pair.key()), to = HandleOfId(pair.value());
        if (!from.empty() && !to.empty()) {
            map.Insert(from.c_str(), to.c_str());
            madeHandles.insert(to);
        }
        if (std::find(clones.begin(), clones.end(), pair.value()) == clones.end())
            clones.push_back(pair.value());
    }
    AcGeMatrix3d move = AcGeMatrix3d::translation(AcGeVector3d(shift[0], shift[1], shift[2]));
    for (AcDbObjectId id : clones) {
        AcDbEntity* entity = nullptr;
        if (acdbOpenObject(entity, id, AcDb::kForWrite) != Acad::eOk || !entity)
            continue;
        entity->transformBy(move);
        if (resbuf* xdata = entity->xData(kProgramAppName)) {
            RelinkLabelData(xdata, map, madeHandles);
            entity->setXData(xdata);
            acutRelRb(xdata);
        }
        entity->close();
    }
}

} // namespace

int CopyElements(int) {
    LDocState* s = CurrentDocState;
    SelectionSet selection;
    ads_point base, second;
    LSystemRecord system;
    if (!s || !BeginCopy(kCopyMode, selection, base, second, &system))
        return RTNORM;
    ads_point shift = {second[0] - base[0], second[1] - base[1], second[2] - base[2]};
    AcGeMatrix3d move = AcGeMatrix3d::translation(AcGeVector3d(shift[0], shift[1], shift[2]));
    LHandleMap map;
    std::vector<MadeCopy> made;
    CopyCount count;
    std::set<std::string> madeHandles;
    std::vector<EntityName> others;
    // The labels, marks and dimensions of elements whose copy was refused:
    // their copies would stand for no element.
    std::set<EntityName> ownedByRefused;
    LeftOut leftOut;
    long n = selection.Length();
    for (long i = 0; i < n; ++i) {
        ads_name entity;
        if (!selection.At(i, entity))
            continue;
        if (ElementPtr e{LoadElementFromEntity(entity)}) {
            if (LeaveOut(*e, leftOut))
                continue;
            e->MoveBy(shift, 0);
            if (PlaceCopy(e.get(), entity, move, system, kInsertCopy, map, made, madeHandles)) {
                ++count.made;
            } else {
                ++count.refused;
                ForOwnedEntities(*e, [&ownedByRefused](const ads_name owned) {
                    if (!ads_name_nil(owned))
                        ownedByRefused.insert(NameOf(owned));
                });
            }
            continue;
        }
        // An element insert that cannot be rebuilt (its system is not listed,
        // its data is damaged) is not cloned: the clone would be joined to
        // the sources one way only.
        if (!CountLeftOut(s, entity, leftOut))
            others.push_back(NameOf(entity));
    }
    AcDbObjectIdArray cloned;
    for (const EntityName& other : others) {
        ads_name entity = {other[0], other[1]};
        AcDbObjectId id;
        if (!ownedByRefused.count(other) && acdbGetObjectId(id, entity) == Acad::eOk)
            cloned.append(id);
    }
    CloneOthers(s, cloned, shift, map, madeHandles);
    RelinkAll(made, map, CopyLinks::kJointsAndLabels, count);
    ReportLeftOut(leftOut);
    ReportCopies(count);
    return RTNORM;
}

int MirrorElements(int) {
    LDocState* s = CurrentDocState;
    SelectionSet selection;
    ads_point p1, p2;
    LSystemRecord system;
    if (!s || !BeginCopy(kMirrorMode, selection, p1, p2, &system))
        return RTNORM;
    double angle = acutAngle(p1, p2);
    // The mirror line's plane, upright in the plan.
    AcGeMatrix3d mirror =
        AcGeMatrix3d::mirroring(AcGePoint3d(p1[0], p1[1], p1[2]), AcGeVector3d(p1[1] - p2[1], p2[0] - p1[0], 0));
    LHandleMap map;
    std::vector<MadeCopy> made;
    CopyCount count;
    std::set<std::string> madeHandles;
    LeftOut leftOut;
    long n = selection.Length();
    for (long i = 0; i < n; ++i) {
        ads_name entity;
        if (!selection.At(i, entity))
            continue;
        ElementPtr e{LoadElementFromEntity(entity)};
        if (!e) {
            CountLeftOut(s, entity, leftOut);
            continue;
        }
        if (LeaveOut(*e, leftOut))
            continue;
        e->Flip();
        ads_point at, shift;
        e->GetInsertionPoint(at);
        MirrorDisplacement(p1, p2, at, shift);
        e->MoveBy(shift, 1);
        if (e->listingFlag == kListingPending)
            e->listingFlag = 0;
        e->SetRotation(MirroredRotation(angle, e->GetRotation()));
        if (PlaceCopy(e.get(), entity, mirror, system, kInsertMirror, map, made, madeHandles))
            ++count.made;
        else
            ++count.refused;
    }
    RelinkAll(made, map, CopyLinks::kJoints, count);
    ReportLeftOut(leftOut);
    ReportCopies(count);
    return RTNORM;
}
