#include "ui/dcl/dcl_source.h"

#include "ui/dcl/chooser_pages.h"

namespace {

const char* const kFileHeader =
    "// lurak.dcl - the dialogs of LurakCAD.\n"
    "//\n"
    "// Written by the build from the element type tables; edit the writer\n"
    "// (ui/dcl/dcl_source*.cpp), not this file.  Only the tile keys are fixed:\n"
    "// the module fills and reads the tiles by them.\n\n";

// Shared pieces of the dialogs below.
const char* const kPrototypes =
    "lurak_image : image_button { width = 10; aspect_ratio = 0.75; color = graphics_background; "
    "allow_accept = true; }\n"
    "lurak_caption : text { width = 30; }\n"
    "lurak_value : text { width = 20; }\n"
    "lurak_edit : edit_box { edit_width = 10; edit_limit = 31; }\n"
    "lurak_list : popup_list { edit_width = 10; }\n\n";

}  // namespace

std::string DclQuote(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string ModuleDclText(std::vector<std::string>* conflicts) {
    std::string text = kFileHeader;
    text += kPrototypes;
    for (int page = 1; page <= kChooserPageCount; ++page)
        text += ChooserPageDcl(page);
    PropertiesLayouts layouts = CollectPropertiesLayouts();
    for (const PropertiesLayout& layout : layouts.dialogs)
        text += PropertiesDialogDcl(layout);
    text += SystemsListDcl();
    text += MaterialListDcl();
    if (conflicts)
        *conflicts = layouts.conflicts;
    return text;
}
