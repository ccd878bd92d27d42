#include "core/anonymous_block.h"

#include <cstring>
#include <string>

#include "aced_input.h"
#include "ads_entity.h"
#include "core/draw_neutral.h"
#include "core/string_convert.h"

int16_t BeginAnonymousBlock(const ads_point base) {
    return MakeFromList(acutBuildList(RTDXF0, L"BLOCK", 2, L"*NEW", 10, base, 70, 3, 0));
}

int16_t EndAnonymousBlock(char* name, size_t nameSize) {
    MakeFromList(acutBuildList(RTDXF0, L"ENDBLK", 0));
    ACHAR given[134] = L"";
    int status = acedGetInput(given, sizeof given / sizeof given[0]);
    if (name && nameSize > 0) {
        std::string narrow = status == RTNORM ? ToNarrowString(given) : std::string();
        size_t n = narrow.size() < nameSize - 1 ? narrow.size() : nameSize - 1;
        std::memcpy(name, narrow.data(), n);
        name[n] = '\0';
    }
    return static_cast<int16_t>(status);
}
