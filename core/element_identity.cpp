// The identity readers on entities: each reads the entity with the program's
// XDATA and releases the list before it returns.
#include "ads_entity.h"
#include "core/element_factory.h"
#include "core/entity_handles.h"

int16_t GetElementType(const ads_name entity, uint16_t* family, uint16_t* subtype) {
    if (ads_name_nil(entity))
        return -1;
    resbuf* list = acdbEntGetX(entity, ProgramAppFilter());
    int16_t result = ReadElementType(list, family, subtype);
    if (list)
        acutRelRb(list);
    return result;
}

int16_t IsElementOfSystem(const ads_name entity, const char* tag) {
    if (ads_name_nil(entity))
        return 0;
    resbuf* list = acdbEntGetX(entity, ProgramAppFilter());
    int16_t result = ListIsOfSystem(list, tag);
    if (list)
        acutRelRb(list);
    return result;
}

int16_t GetElementSystemTag(const ads_name entity, char* out, size_t outSize) {
    if (ads_name_nil(entity))
        return -1;
    resbuf* list = acdbEntGetX(entity, ProgramAppFilter());
    int16_t result = ReadSystemTag(list, out, outSize);
    if (list)
        acutRelRb(list);
    return result;
}
