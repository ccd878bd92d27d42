#include "core/system_load.h"

#include <string>
#include <vector>

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

// An element whose system the drawing lists and whose type the factory
// makes can be rebuilt: the drawing then holds elements.  Elements of
// unlisted systems cannot be rebuilt and add nothing; opening a drawing
// never writes a system record.
void NoteElements(LSystemList& list, LDrawingDefaults& defaults) {
    std::vector<EntityRef> inserts = SelectElementInserts();
    for (auto ref = inserts.rbegin(); ref != inserts.rend() && !defaults.hasElements; ++ref) {
        ads_name name = {(*ref)[0], (*ref)[1]};
        resbuf* data = GetWithProgramXdata(name);
        char tag[16];
        uint16_t family = 0, subtype = 0;
        if (data && ReadSystemTag(data, tag, sizeof tag) == 0 &&
            ReadElementType(data, &family, &subtype) == 0) {
            NormaliseSystemTag(tag);
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

int16_t LoadSystems(LSystemList& list, LDrawingDefaults& defaults) {
    ReadDrawingDefaults(list.programDictionary, &defaults);
    LoadDictionarySystems(list);
    NoteElements(list, defaults);
    return 0;
}
