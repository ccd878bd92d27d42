#include "core/system_store.h"

#include <cstring>
#include <string>

#include "ads_entity.h"
#include "aced_input.h"
#include "core/application_name.h"
#include "core/message_numbers.h"
#include "core/messages.h"
#include "core/string_convert.h"
#include "core/system_text.h"
#include "core/system_xrecord.h"

namespace {

// The entry's data while the object is parked during a rewrite.
constexpr const wchar_t* kParkedKey = L"LURAK_REWRITE";

int EntityNameOf(const resbuf* data, ads_name out) {
    for (const resbuf* rb = data; rb; rb = rb->rbnext) {
        if (rb->restype == -1) {
            ads_name_set(rb->resval.rlname, out);
            return RTNORM;
        }
    }
    return RTERROR;
}

void AlertCannotStore() {
    const char* text = CommandMessage(kMsgCannotStoreSystem);
    if (text[0] == '\0')
        text = "The air system cannot be stored in the drawing.";
    acedAlert(ToWide(text).c_str());
}

// Makes the record's XRECORD as an unowned object.
int MakeXrecord(const LSystemRecord& record, ads_name made) {
    resbuf* chain = BuildSystemXrecord(&record);
    if (chain == nullptr)
        return RTERROR;
    int status = acdbEntMakeX(chain, made);
    acutRelRb(chain);
    return status;
}

}  // namespace

int FindDictionaryEntry(const ads_name dictionary, const char* key, ads_name object) {
    resbuf* data = acdbDictSearch(dictionary, ToWide(key).c_str(), 0);
    if (data == nullptr)
        return RTERROR;
    int status = EntityNameOf(data, object);
    acutRelRb(data);
    return status;
}

int16_t OpenSystemDictionary(LSystemList& list) {
    ClearSystems(list);
    ads_name root;
    if (acdbNamedObjDict(root) != RTNORM)
        return -1;
    resbuf* data = acdbDictSearch(root, kApplicationNameWide, 0);
    if (data == nullptr) {
        resbuf* make = acutBuildList(RTDXF0, L"DICTIONARY", 100, L"AcDbDictionary", 0);
        int status = acdbEntMakeX(make, list.programDictionary);
        acutRelRb(make);
        if (status != RTNORM || acdbDictAdd(root, kApplicationNameWide, list.programDictionary) != RTNORM) {
            ads_name_clear(list.programDictionary);
            return -1;
        }
    } else {
        int status = EntityNameOf(data, list.programDictionary);
        acutRelRb(data);
        if (status != RTNORM)
            return -1;
    }
    ClearRemovals(list);
    return 0;
}

int16_t AddSystem(LSystemList& list, LSystemRecord* record) {
    if (record == nullptr)
        return -1;
    NormaliseSystemTag(record->tag);
    if (InsertSystem(list, record) != 0)
        return -1;
    ads_name made;
    if (MakeXrecord(*record, made) != RTNORM) {
        RemoveSystemNode(list, record->tag);
        AlertCannotStore();
        return -1;
    }
    if (acdbDictAdd(list.programDictionary, ToWide(record->tag).c_str(), made) != RTNORM) {
        acdbEntDel(made);
        RemoveSystemNode(list, record->tag);
        AlertCannotStore();
        return -1;
    }
    return 0;
}

// Puts the new XRECORD under the tag.  The old entry is parked under a
// spare key first and only dropped once the new one is in; on any failure
// the old entry goes back and the new object is erased.
static int ReplaceXrecord(const ads_name dictionary, const char* tag, const ads_name made) {
    std::wstring key = ToWide(tag);
    ads_name old;
    bool hadOld = FindDictionaryEntry(dictionary, tag, old) == RTNORM;
    acdbDictRemove(dictionary, kParkedKey);  // a leftover of an interrupted rewrite
    if (hadOld && acdbDictRename(dictionary, key.c_str(), kParkedKey) != RTNORM)
        return RTERROR;
    if (acdbDictAdd(dictionary, key.c_str(), made) != RTNORM) {
        if (hadOld)
            acdbDictRename(dictionary, kParkedKey, key.c_str());
        return RTERROR;
    }
    if (hadOld) {
        acdbDictRemove(dictionary, kParkedKey);
        acdbEntDel(old);
    }
    return RTNORM;
}

int16_t ModifySystem(LSystemList& list, LSystemRecord* record, int16_t keepOldLabels) {
    if (record == nullptr)
        return -1;
    LSystemNode* node = FindSystem(list, record->tag);
    if (node == nullptr)
        return -1;
    ads_name made;
    if (MakeXrecord(*record, made) != RTNORM) {
        AlertCannotStore();
        return -1;
    }
    if (ReplaceXrecord(list.programDictionary, record->tag, made) != RTNORM) {
        acdbEntDel(made);
        AlertCannotStore();
        return -1;
    }
    RecordSystemChanges(*node, *record, keepOldLabels);
    node->record = *record;
    return 0;
}

static bool PenDiffers(const LSystemRecord& a, const LSystemRecord& b, int pen) {
    return a.penColour[pen] != b.penColour[pen] || !SameName(a.penLinetype[pen], b.penLinetype[pen]) ||
           !SameName(a.penLayer[pen], b.penLayer[pen]);
}

static bool LabelsDiffer(const LSystemRecord& a, const LSystemRecord& b) {
    return a.labelCircle != b.labelCircle || a.labelFrame != b.labelFrame || a.size != b.size ||
           a.labelNumberOffset != b.labelNumberOffset || a.dimTextColour != b.dimTextColour ||
           a.dimColour != b.dimColour || !SameName(a.textStyle, b.textStyle) ||
           !SameName(a.dimStyle, b.dimStyle) || !SameName(a.labelLayer, b.labelLayer);
}

static bool DrawingDiffers(const LSystemRecord& a, const LSystemRecord& b) {
    return a.rectCentreLines != b.rectCentreLines || a.roundCentreLines != b.roundCentreLines ||
           a.zigzagScale != b.zigzagScale || a.centreColour != b.centreColour ||
           !SameName(a.centreLinetype, b.centreLinetype) || !SameName(a.centreLayer, b.centreLayer) ||
           PenDiffers(a, b, 1) || PenDiffers(a, b, 2);
}

void RecordSystemChanges(LSystemNode& node, const LSystemRecord& newRecord, int16_t keepOldLabels) {
    const LSystemRecord& old = node.record;
    if (node.savedLabelOffset == -1 && old.labelNumberOffset != newRecord.labelNumberOffset) {
        node.savedLabelOffset = old.labelNumberOffset;
        node.changeMask |= kChangeLabelNumbers;
    } else if (node.savedLabelOffset == newRecord.labelNumberOffset) {
        node.savedLabelOffset = -1;
    }
    if (PenDiffers(old, newRecord, 0))
        node.changeMask |= kChangePen0;
    if (LabelsDiffer(old, newRecord))
        node.changeMask |= kChangeLabels;
    if (SameName(node.oldLabelLayer, newRecord.labelLayer)) {
        node.labelLayerChanged = 0;
        node.keepOldLabels = 0;
    } else {
        CopyFieldText(node.newLabelLayer, newRecord.labelLayer);
        node.labelLayerChanged = 1;
        node.keepOldLabels = keepOldLabels;
    }
    if (DrawingDiffers(old, newRecord))
        node.changeMask |= kChangeDrawing;
}

// Appends name to the removal's layers unless it is empty or there already.
static void AddRemovalLayer(LSystemRemoval& removal, const char* name) {
    if (name[0] == '\0' || removal.layerCount >= kRemovalLayers)
        return;
    for (int i = 0; i < removal.layerCount; ++i)
        if (SameName(removal.layers[i], name))
            return;
    CopyFieldText(removal.layers[removal.layerCount++], name);
}

void DeleteSystem(LSystemList& list, const LSystemRecord* record) {
    if (record == nullptr)
        return;
    char tag[sizeof record->tag];
    CopyFieldText(tag, record->tag);
    LSystemNode* node = FindSystem(list, tag);
    if (node == nullptr)
        return;
    ads_name old;
    bool hadOld = FindDictionaryEntry(list.programDictionary, tag, old) == RTNORM;
    if (acdbDictRemove(list.programDictionary, ToWide(tag).c_str()) != RTNORM)
        return;
    if (hadOld)
        acdbEntDel(old);
    const LSystemRecord& r = node->record;
    LSystemRemoval& removal = *list.removalTail;
    CopyFieldText(removal.tag, r.tag);
    CopyFieldText(removal.labelLayer, r.labelLayer);
    removal.layerCount = 0;
    for (const char* layer : {r.penLayer[0], r.penLayer[1], r.penLayer[2], r.centreLayer, r.labelLayer})
        AddRemovalLayer(removal, layer);
    removal.next = new LSystemRemoval;
    list.removalTail = removal.next;
    RemoveSystemNode(list, tag);
}
