#include "core/system_entities.h"

#include "ads_entity.h"
#include "core/application_name.h"
#include "core/element_factory.h"
#include "core/string_convert.h"

EntityRef ToEntityRef(const ads_name name) {
    return {name[0], name[1]};
}

std::vector<EntityRef> SelectEntities(const resbuf* filter) {
    std::vector<EntityRef> found;
    ads_name set;
    if (acedSSGet(L"X", nullptr, nullptr, filter, set) != RTNORM)
        return found;
    long length = 0;
    acedSSLength(set, &length);
    for (long i = 0; i < length; ++i) {
        ads_name entity;
        if (acedSSName(set, i, entity) == RTNORM)
            found.push_back(ToEntityRef(entity));
    }
    acedSSFree(set);
    return found;
}

std::vector<EntityRef> SelectElementInserts() {
    resbuf* filter = acutBuildList(RTDXF0, L"INSERT", -3, 1001, kApplicationNameWide, 0);
    if (filter == nullptr)
        return {};
    std::vector<EntityRef> found = SelectEntities(filter);
    acutRelRb(filter);
    return found;
}

std::vector<EntityRef> SelectOnLayer(const char* layer) {
    resbuf* filter = acutBuildList(8, ToWide(layer).c_str(), 0);
    if (filter == nullptr)
        return {};
    std::vector<EntityRef> found = SelectEntities(filter);
    acutRelRb(filter);
    return found;
}

resbuf* GetWithProgramXdata(const ads_name entity) {
    resbuf* apps = acutBuildList(RTSTR, kApplicationNameWide, 0);
    resbuf* list = acdbEntGetX(entity, apps);
    acutRelRb(apps);
    return list;
}

bool IsElementList(const resbuf* list) {
    char tag[8];
    return ReadElementType(list, nullptr, nullptr) == 0 && ReadSystemTag(list, tag, sizeof tag) == 0;
}

std::vector<std::string> XdataHandles(const resbuf* list) {
    std::vector<std::string> handles;
    const resbuf* rb = list;
    while (rb && rb->restype != -3)
        rb = rb->rbnext;
    for (; rb; rb = rb->rbnext) {
        if (rb->restype != 1005)
            continue;
        std::string text = ToNarrowString(rb->resval.rstring);
        if (!text.empty() && text != "0")
            handles.push_back(text);
    }
    return handles;
}

std::string EntityHandle(const ads_name entity) {
    resbuf* list = acdbEntGet(entity);
    std::string handle;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        if (rb->restype == 5) {
            handle = ToNarrowString(rb->resval.rstring);
            break;
        }
    }
    acutRelRb(list);
    return handle;
}
