#include "ui/dcl/slide_tile.h"

#include "core/environment.h"
#include "core/string_convert.h"

std::string SlideReference(const char* slide) {
    std::string reference = InstallDirectory();
    reference += "LURAK.SLB(";
    reference += slide ? slide : "";
    reference += ")";
    return reference;
}

int16_t ShowSlideInTile(ads_hdlg dialog, const char* key, const char* slide) {
    std::wstring wideKey = ToWide(key);
    short width = 0, height = 0;
    ads_dimensions_tile(dialog, wideKey.c_str(), &width, &height);
    if (ads_start_image(dialog, wideKey.c_str()) != RTNORM)
        return 0;
    ads_slide_image(0, 0, width, height, ToWide(slide).c_str());
    ads_end_image();
    return 0;
}
