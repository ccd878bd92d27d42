#include "core/system_load.h"

#include <set>
#include <string>

#include "aced_input.h"
#include "ads_entity.h"
#include "core/element_factory.h"
#include "core/lobject.h"
#include "core/string_convert.h"
#include "core/system_entities.h"
#include "core/system_store.h"
#include "core/system_text.h"
#include "core/system_xrecord.h"

namespace {

// The entry's key is not in the data acdbDictNext gives; the tag in the
// record is what names the system.
void LoadDictionarySystems(LSystemList& list) {
    for (resbuf* data = acdbDictNext(list.programDictionary, 1); data;
         data = acdbDictNext(list.programDictionary, 0)) {
        LSystemRecord record;
        if (ParseSystemXrecord(&record, data) == 0) {
            InsertSystem(list, &record);
        } else {
            bool isXrecord = data->restype == -1 && data->rbnext && data->rbnext->restype == 0 &&
                             ToNarrowString(data->rbnext->resval.rstring) == "XRECORD";
            if (isXrecord)
                acutPrintf(L"\nLURAK: an air-system record of this drawing cannot be read; "
                           L"it is kept unchanged.\n");
        }
        acutRelRb(data);
    }
}

std::string LayerOf(const resbuf* list) {
    for (const resbuf* rb = list; rb; rb = rb->rbnext)
        if (rb->restype == 8)
            return ToNarrowString(rb->resval.rstring);
    return "0";
}

// A tag that elements use and the list lacks gets a system, unless the
// dictionary holds an entry of that tag that could not be read: that entry
// is the user's data and is not overwritten.
void AddSystemsOfElements(LSystemList& list, LDrawingDefaults& defaults) {
    std::set<std::string> tried;
    for (const EntityRef& ref : SelectElementInserts()) {
        ads_name name = {ref[0], ref[1]};
        resbuf* data = GetWithProgramXdata(name);
        char tag[16];
        uint16_t family = 0, subtype = 0;
        if (data && ReadSystemTag(data, tag, sizeof tag) == 0 &&
            ReadElementType(data, &family, &subtype) == 0) {
            NormaliseSystemTag(tag);
            ads_name entry;
            if (!FindSystem(list, tag) && tried.insert(tag).second &&
                FindDictionaryEntry(list.programDictionary, tag, entry) != RTNORM) {
                LSystemRecord record;
                MissingSystemRecord(&record, tag, LayerOf(data).c_str());
                AddSystem(list, &record);
            }
            // An element the factory makes can be rebuilt once its system is listed.
            if (FindSystem(list, tag)) {
                LObject* element = CreateElement(static_cast<int16_t>(family), subtype);
                if (element) {
                    defaults.hasElements = 1;
                    DestroyElement(element);
                }
            }
        }
        acutRelRb(data);
    }
}

}  // namespace

void MissingSystemRecord(LSystemRecord* record, const char* tag, const char* layer) {
    if (record == nullptr)
        return;
    // The short form's fixed values are what an unknown system gets.
    *record = LSystemRecord();
    CopyFieldText(record->tag, tag);
    NormaliseSystemTag(record->tag);
    CopyFieldText(record->name, record->tag);
    if (!CopyFieldText(record->penLayer[0], layer))
        CopyFieldText(record->penLayer[0], "0");
    FillShortForm(*record);
}

int16_t LoadSystems(LSystemList& list, LDrawingDefaults& defaults) {
    ReadDrawingDefaults(list.programDictionary, &defaults);
    LoadDictionarySystems(list);
    AddSystemsOfElements(list, defaults);
    return 0;
}
