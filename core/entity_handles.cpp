#include "core/entity_handles.h"

#include <cstring>
#include <string>

#include "ads_entity.h"
#include "core/application_name.h"
#include "core/string_convert.h"

const wchar_t* const kProgramAppName = kApplicationNameWide;

const resbuf* ProgramAppFilter() {
    static resbuf filter = [] {
        resbuf rb{};
        rb.restype = RTSTR;
        rb.resval.rstring = const_cast<wchar_t*>(kProgramAppName);
        rb.rbnext = nullptr;
        return rb;
    }();
    return &filter;
}

int16_t GetEntityHandle(const ads_name entity, char* out, size_t outSize) {
    if (ads_name_nil(entity) || !out || outSize == 0)
        return -1;
    resbuf* list = acdbEntGet(entity);
    int16_t result = -1;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        if (rb->restype == 5 && rb->resval.rstring) {
            std::string handle = ToNarrowString(rb->resval.rstring);
            size_t n = handle.size() < outSize - 1 ? handle.size() : outSize - 1;
            std::memcpy(out, handle.data(), n);
            out[n] = '\0';
            result = 0;
            break;
        }
    }
    if (list)
        acutRelRb(list);
    return result;
}

bool EntityExists(const ads_name entity) {
    if (ads_name_nil(entity))
        return false;
    resbuf* list = acdbEntGet(entity);
    if (!list)
        return false;
    acutRelRb(list);
    return true;
}
