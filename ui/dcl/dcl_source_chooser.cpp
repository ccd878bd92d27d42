// The type chooser pages: the list of codes on the left, the images in rows
// beside it, in display order.
#include <cstdio>

#include "ui/dcl/chooser_pages.h"
#include "ui/dcl/dcl_source.h"

namespace {

constexpr int kImagesPerRow = 8;

const char* const kPageTitles[kChooserPageCount] = {
    "Rectangular duct fittings", "Round duct fittings", "Air terminals", "Fire dampers",
    "Fans, heaters and filters", "Fans", "Heaters", "Filters"};

std::string ImageRows(int count) {
    std::string text;
    for (int position = 1; position <= count; ++position) {
        if ((position - 1) % kImagesPerRow == 0)
            text += "            : row {\n";
        char key[16];
        std::snprintf(key, sizeof key, "vl%02d", position);
        text += "                : lurak_image { key = \"" + std::string(key) + "\"; }\n";
        if (position % kImagesPerRow == 0 || position == count)
            text += "            }\n";
    }
    return text;
}

}  // namespace

std::string ChooserPageDcl(int page) {
    if (page < 1 || page > kChooserPageCount)
        return "";
    std::string text = ChooserDialogNames[page - 1];
    text += " : dialog {\n";
    text += "    label = " + DclQuote(kPageTitles[page - 1]) + ";\n";
    text += "    : row {\n";
    text += "        : list_box { key = \"list\"; width = 14; height = 16; allow_accept = true; }\n";
    text += "        : column {\n";
    text += ImageRows(ChooserPageTypeCount(page));
    text += "        }\n";
    text += "    }\n";
    text += "    ok_cancel_help;\n";
    text += "}\n\n";
    return text;
}
