#include "ui/dcl/type_chooser.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/environment.h"
#include "core/catalogue_strings.h"
#include "core/string_convert.h"
#include "mfc_resource.h"
#include "ui/dcl/chooser_pages.h"
#include "ui/dcl/ldialog.h"
#include "ui/dcl/slide_tile.h"

namespace {

ChooserState* StateOf(const ads_callback_packet* packet) {
    return packet ? static_cast<ChooserState*>(packet->client_data) : nullptr;
}

int PageOf(const ChooserState& state) { return state.pageIndex + 1; }

// The image tile of a display position: "vl" and the position in two digits,
// on every page.
void ImageKey(int position, char* key, size_t size) { std::snprintf(key, size, "vl%02d", position); }

// A subtype past the family's rows is no choice.
void DropSubtypeBeyondFamily(ChooserState& state) {
    int family = FamilyOfPage(state.pageIndex);
    if (family < 0 || state.subtype > ChooserTypeCounts[family])
        state.subtype = 0;
}

void FlipHighlight(ads_hdlg dialog, const char* key) {
    ads_mode_tile(dialog, ToWide(key).c_str(), MODE_FLIP);
}

// The display position a pick names: the list row + 1, or the number after
// the "vl" of an image key; 0 when it names none of the page's positions.
int PickedPosition(const ads_callback_packet* packet, const std::string& key, int page) {
    long position = 0;
    if (key == "list") {
        std::string row = ToNarrowString(packet->value);
        char* end = nullptr;
        long index = std::strtol(row.c_str(), &end, 10);
        position = end == row.c_str() ? 0 : index + 1;
    } else if (key.size() > 2) {
        position = std::strtol(key.c_str() + 2, nullptr, 10);
    }
    return position >= 1 && position <= ChooserPageTypeCount(page) ? static_cast<int>(position) : 0;
}

void BindTile(ads_hdlg dialog, const char* key, ChooserState* state, CLIENTFUNC callback) {
    std::wstring wideKey = ToWide(key);
    ads_client_data_tile(dialog, wideKey.c_str(), state);
    ads_action_tile(dialog, wideKey.c_str(), callback);
}

// Slides and the list of codes, both in display order.
void FillPage(ads_hdlg dialog, ChooserState* state) {
    int page = PageOf(*state);
    int family = FamilyOfPage(state->pageIndex) + 1;
    int count = ChooserPageTypeCount(page);
    for (int position = 1; position <= count; ++position) {
        char key[16];
        ImageKey(position, key, sizeof key);
        int subtype = ChooserPositionToType(page, position);
        std::string slide = SlideReference(BlockPrefixOf(family, subtype));
        ShowSlideInTile(dialog, key, slide.c_str());
        BindTile(dialog, key, state, TypeChooserOnList);
    }
    if (ads_start_list(dialog, L"list", LIST_NEW, 0) != RTNORM)
        return;
    for (int position = 1; position <= count; ++position)
        ads_add_list(ToWide(TypeNameOf(family, ChooserPositionToType(page, position))).c_str());
    ads_end_list();
}

}  // namespace

int16_t ChooseElementType(int16_t page, int16_t* subtype) {
    // The dialog file is the host's business while the chooser runs.
    CTemporaryResourceOverride resources(acedGetAcadResourceInstance());
    if (page < 1 || page > kChooserPageCount)
        return -1;
    ChooserState state;
    state.pageIndex = static_cast<int16_t>(page - 1);
    const char* name = ChooserDialogNames[state.pageIndex];

    int dclId = -1;
    ads_load_dialog(ToWide(DialogFilePath().c_str()).c_str(), &dclId);
    ads_hdlg dialog = nullptr;
    if (ads_new_dialog(ToWide(name).c_str(), dclId, NULLCB, &dialog) != RTNORM) {
        ReportMissingDialogKey(name);
        ads_unload_dialog(dclId);
        return -1;
    }
    BindTile(dialog, "accept", &state, TypeChooserOnAccept);
    BindTile(dialog, "cancel", &state, TypeChooserOnCancel);
    BindTile(dialog, "list", &state, TypeChooserOnList);
    if (ChooserHelpTopic(page))
        BindTile(dialog, "help", &state, TypeChooserOnHelp);
    FillPage(dialog, &state);

    int status = 0;
    ads_start_dialog(dialog, &status);
    ads_unload_dialog(dclId);
    if (state.subtype == 0)
        return -1;
    if (subtype)
        *subtype = state.subtype;
    return 0;
}

void TypeChooserOnList(ads_callback_packet* packet) {
    ChooserState* state = StateOf(packet);
    if (!state)
        return;
    wchar_t wideKey[20] = L"";
    ads_get_attr_string(packet->tile, L"key", wideKey, 20);
    std::string key = ToNarrowString(wideKey);
    int page = PageOf(*state);
    int position = PickedPosition(packet, key, page);
    if (position == 0)
        return;  // a list row taken away, or a tile of no position

    if (state->subtype != 0)
        FlipHighlight(packet->dialog, state->lastKey);
    ImageKey(position, state->lastKey, sizeof state->lastKey);
    if (key != "list") {
        // The list row follows the image.
        ads_set_tile(packet->dialog, L"list", ToWide(std::to_string(position - 1).c_str()).c_str());
    }
    FlipHighlight(packet->dialog, state->lastKey);
    state->subtype = static_cast<int16_t>(ChooserPositionToType(page, position));

    if (packet->reason == CBR_DOUBLE_CLICK) {
        DropSubtypeBeyondFamily(*state);
        ads_done_dialog(packet->dialog, DLGOK);
    }
}

void TypeChooserOnAccept(ads_callback_packet* packet) {
    ChooserState* state = StateOf(packet);
    if (!state)
        return;
    DropSubtypeBeyondFamily(*state);
    ads_done_dialog(packet->dialog, DLGOK);
}

void TypeChooserOnCancel(ads_callback_packet* packet) {
    ChooserState* state = StateOf(packet);
    if (!state)
        return;
    state->subtype = 0;
    ads_done_dialog(packet->dialog, DLGOK);
}

void TypeChooserOnHelp(ads_callback_packet* packet) {
    ChooserState* state = StateOf(packet);
    if (!state)
        return;
    if (const char* topic = ChooserHelpTopic(PageOf(*state)))
        ShowHelp(topic);
}
