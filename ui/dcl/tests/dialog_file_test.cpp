// The generated dialog file, loaded by the host: every dialog the module
// opens is there, with the tiles its code fills and reads.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "ads_dcl.h"
#include "core/string_convert.h"
#include "core/type_tables.h"
#include "dialog_session.h"
#include "elements/element_families.h"
#include "ui/dcl/chooser_pages.h"
#include "ui/dcl/dcl_source.h"

namespace {

class DialogFileTest : public DialogSession {
protected:
    void SetUp() override {
        DialogSession::SetUp();
        RegisterElementFamilies();
        InitTypeTables();
        ASSERT_EQ(ads_load_dialog(ToWide(LURAK_BINARY_DIR "/lurak.dcl").c_str(), &file), RTNORM)
            << host::io::takeTranscript();
        std::vector<std::string> listed = host::dcl::dialogNames(file);
        names.insert(listed.begin(), listed.end());
    }
    void TearDown() override {
        ads_unload_dialog(file);
        DialogSession::TearDown();
    }

    // The tiles of a dialog as the host built it.
    host::dcl::DialogState Open(const std::string& name) {
        ads_hdlg dialog = nullptr;
        EXPECT_EQ(ads_new_dialog(ToWide(name.c_str()).c_str(), file, NULLCB, &dialog), RTNORM) << name;
        std::optional<host::dcl::DialogState> state = host::dcl::dialogState(dialog);
        return state ? *state : host::dcl::DialogState{};
    }

    int file = -1;
    std::set<std::string> names;
};

// Tile kinds that can show a parameter of each kind of the type tables.
std::vector<std::string> KindsForParameter(int kind) {
    switch (kind) {
    case kParamDiameter: case kParamList: case kParamPercent: case kParamTextChoice: case kParamLabelled:
        return {"popup_list", "list_box"};
    case kParamRadio:
        return {"radio_row", "radio_column", "boxed_radio_row", "boxed_radio_column"};
    case kParamEntry:  // the on/off flags of some types are toggles
        return {"edit_box", "toggle"};
    default:
        return {"edit_box"};
    }
}

// The tile is of one of the kinds ("missing": the dialog has no such tile).
void ExpectKind(const host::dcl::DialogState& state, const std::string& key, const std::vector<std::string>& kinds,
                const std::string& type) {
    const host::dcl::TileState* tile = state.tile(key);
    std::string kind = tile ? tile->kind : "missing";
    EXPECT_NE(std::find(kinds.begin(), kinds.end(), kind), kinds.end())
        << type << " in " << state.name << ": tile " << key << " is " << kind;
}

TEST_F(DialogFileTest, EveryChooserPageHasItsListAndOneImagePerType) {
    for (int page = 1; page <= kChooserPageCount; ++page) {
        const char* name = ChooserDialogNames[page - 1];
        ASSERT_TRUE(names.count(name)) << name;
        host::dcl::DialogState state = Open(name);
        for (const char* key : {"accept", "cancel", "help"})
            ExpectKind(state, key, {"button"}, name);
        ExpectKind(state, "list", {"list_box"}, name);
        int count = ChooserPageTypeCount(page);
        for (int position = 1; position <= count + 1; ++position) {
            char key[16];
            std::snprintf(key, sizeof key, "vl%02d", position);
            ExpectKind(state, key, {position <= count ? "image_button" : "missing"}, name);
        }
    }
}

TEST_F(DialogFileTest, EveryTypeFindsItsTilesInItsPropertiesDialog) {
    // Types whose tiles clash with another type's in a shared dialog are
    // named by the writer (and on the build's output); there must be none.
    // A type without a class is never shown in its dialog.
    std::vector<std::string> clashes;
    ModuleDclText(&clashes);
    EXPECT_EQ(clashes, std::vector<std::string>{});
    for (int family = 1; family <= 5; ++family) {
        for (int subtype = 1; subtype <= TypeRowCount(family); ++subtype) {
            const LTypeDescriptor* row = TypeRow(family, subtype);
            ASSERT_TRUE(row);
            std::string type = row->displayCode;
            ASSERT_TRUE(names.count(row->dialogKey)) << type << ": no dialog " << row->dialogKey;
            const LTypeEntry* entry = TypeEntryOf(family, subtype);
            if (!entry || !entry->make ||
                std::find(clashes.begin(), clashes.end(), type + " in " + row->dialogKey) != clashes.end())
                continue;
            host::dcl::DialogState state = Open(row->dialogKey);
            for (const char* key : {"t0", "t1", "t2", "l0", "l1", "l2"})
                ExpectKind(state, key, {"text"}, type);
            ExpectKind(state, "sld", {"image"}, type);
            ExpectKind(state, "dbjegy", {"toggle"}, type);
            ExpectKind(state, "msg", {"edit_box"}, type);
            ExpectKind(state, "num", {"button", "edit_box", "toggle"}, type);
            for (const char* key : {"accept", "cancel", "help"})
                ExpectKind(state, key, {"button"}, type);
            int radioGroup = 0;
            for (int i = 0; i < row->paramCount; ++i) {
                if (i == row->switchParam)
                    continue;
                std::string n = std::to_string(i);
                ExpectKind(state, "p" + n, {"text"}, type);
                int kind = DescKind(row, i);
                ExpectKind(state, "v" + n, KindsForParameter(kind), type);
                if (kind == kParamRadio) {
                    std::string underscores(static_cast<size_t>(++radioGroup), '_');
                    int last = std::max<int>(DescValueCount(row, i), 2);
                    for (int value = 1; value <= last; ++value)
                        ExpectKind(state, underscores + std::to_string(value), {"radio_button"}, type);
                }
            }
            if (row->switchParam >= 0)
                ExpectKind(state, "v" + std::to_string(row->switchParam), {"toggle"}, type);
            for (int i = 0; i < row->flowCount; ++i) {
                ExpectKind(state, "lm" + std::to_string(i), {"edit_box"}, type);
                ExpectKind(state, "ls" + std::to_string(i), {"text", "edit_box"}, type);
            }
        }
    }
}

TEST_F(DialogFileTest, EveryDialogKeyOfTheCatalogueExists) {
    for (int family = 1; family <= 5; ++family)
        for (int i = 0; i < FamilyDialogCount(family); ++i)
            EXPECT_TRUE(names.count(FamilyDialog(family, i))) << FamilyDialog(family, i);
}

TEST_F(DialogFileTest, TheSystemsListAndTheBillOfMaterials) {
    const struct { const char* name; std::vector<const char*> buttons; } dialogs[] = {
        {"sysedit", {"new", "edit", "delete", "zscale", "accept", "cancel", "help"}},
        {"darabj", {"save", "accept", "cancel", "help"}},
    };
    for (const auto& d : dialogs) {
        ASSERT_TRUE(names.count(d.name)) << d.name;
        host::dcl::DialogState state = Open(d.name);
        ExpectKind(state, "list", {"list_box"}, d.name);
        for (const char* key : d.buttons)
            ExpectKind(state, key, {"button"}, d.name);
    }
}

TEST_F(DialogFileTest, TheFileIsWhatTheWriterWritesNow) {
    // A stale file (type tables changed without a rebuild) would test the
    // wrong dialogs.
    std::ifstream in(LURAK_BINARY_DIR "/lurak.dcl", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, ModuleDclText());
}

TEST(DclSourceTest, QuotesAreEscaped) {
    EXPECT_EQ(DclQuote("VL-12-B"), "\"VL-12-B\"");
    EXPECT_EQ(DclQuote("a\"b\\c"), "\"a\\\"b\\\\c\"");
}

}  // namespace
