// The DCL language: what the parser accepts, how definitions combine, and
// the messages for files it refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "ads_dcl.h"
#include "dcl/base.h"
#include "dcl/inspect.h"
#include "dcl/parser.h"
#include "dcl/resolve.h"
#include "io/io.h"

namespace {

using namespace host::dcl;

// Parses text and builds one dialog of it; error holds the message.
std::unique_ptr<Tile> build(const std::string& text, const std::string& name, std::string& error) {
    auto scope = parseText(text, "test.dcl", &baseScope(), error);
    if (!scope || !checkScope(*scope, error)) return nullptr;
    return buildDialog(*scope, name, error);
}

const Tile* findKey(const Tile& tile, const std::string& key) {
    if (tile.key == key) return &tile;
    for (const auto& child : tile.children)
        if (const Tile* t = findKey(*child, key)) return t;
    return nullptr;
}

std::string refusal(const std::string& text) {
    std::string error;
    auto scope = parseText(text, "bad.dcl", &baseScope(), error);
    if (scope && checkScope(*scope, error)) return "";
    return error;
}

TEST(DclParser, DefinitionsCombineWithFirstParentWinning) {
    std::string error;
    auto dlg = build(R"(
        wide : tile { width = 30; color = 1; }
        tall : tile { width = 5; height = 20; }
        big_button : button : wide : tall { label = "Big"; }
        d : dialog {
            : big_button { key = "b"; color = 2; }
            : big_button { key = "c"; label = "Other"; }
            ok_only;
        }
    )", "d", error);
    ASSERT_TRUE(dlg) << error;
    const Tile* b = findKey(*dlg, "b");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->kind, TileKind::Button);
    EXPECT_EQ(b->attributeText("width"), "30");   // the first parent with it wins
    EXPECT_EQ(b->attributeText("height"), "20");  // from the second
    EXPECT_EQ(b->attributeText("color"), "2");    // the reference overrides
    EXPECT_EQ(b->attributeText("label"), "Big");
    EXPECT_EQ(b->attributeText("fixed_height"), "true");  // the base button's default
    EXPECT_EQ(findKey(*dlg, "c")->label(), "Other");
    EXPECT_EQ(findKey(*dlg, "b")->attributeText("color"), "2");
    EXPECT_EQ(findKey(*dlg, "accept")->kind, TileKind::Button);  // from ok_only
}

TEST(DclParser, ValuesCommentsAndStrings) {
    std::string error;
    auto dlg = build(R"(
        // line comment
        d : dialog { /* a comment
                        over lines */ label = "Say \"hi\"\tnow";
            : edit_box { key = "e"; width = 12.5; edit_limit = -3; alignment = left; my_own = centred_ish; }
            : list_box { key = "l"; list = "a\nb\nc"; multiple_select = true; }
            ok_cancel;
        }
    )", "d", error);
    ASSERT_TRUE(dlg) << error;
    EXPECT_EQ(dlg->label(), "Say \"hi\"\tnow");
    const Tile* e = findKey(*dlg, "e");
    EXPECT_EQ(e->attributeText("width"), "12.5");
    EXPECT_EQ(e->attribute("width")->type, ValueType::Real);
    EXPECT_EQ(e->attribute("edit_limit")->type, ValueType::Integer);
    EXPECT_EQ(e->attributeText("my_own"), "centred_ish");  // applications may add attributes
    EXPECT_EQ(findKey(*dlg, "l")->attributeText("list"), "a\nb\nc");
}

TEST(DclParser, BaseDefinitionsAreComplete) {
    std::string error;
    auto dlg = build(R"(
        d : dialog {
            : row { ok_only; ok_cancel; ok_cancel_help; ok_cancel_help_info; }
            ok_cancel_help_errtile;
            errtile; spacer; spacer_0; spacer_1; default_button;
            : paragraph { : concatenation { : text_part { label = "a"; } text_part; } }
            : slider { key = "s"; }
            : radio_column { key = "rc"; : radio_button { key = "r1"; } }
            : boxed_radio_column { : radio_button { key = "r2"; } }
            : boxed_row { : image { key = "i"; } : image_button { key = "ib"; } }
            : popup_list { key = "p"; } : toggle { key = "t"; } : text { key = "x"; }
        }
    )", "d", error);
    ASSERT_TRUE(dlg) << error;
    EXPECT_EQ(findKey(*dlg, "error")->kind, TileKind::Text);
    EXPECT_EQ(findKey(*dlg, "help")->label(), "Help...");
    EXPECT_EQ(findKey(*dlg, "info")->kind, TileKind::Button);
    EXPECT_TRUE(findKey(*dlg, "cancel")->attributeText("is_cancel") == "true");
    EXPECT_EQ(findKey(*dlg, "r1")->cluster(), findKey(*dlg, "rc"));
}

TEST(DclParser, ErrorsNameFileAndLine) {
    EXPECT_EQ(refusal("d : dialog {\n  : button { key = \"a\" }\n}\n"),
              "bad.dcl, line 2: expected ';' after the attribute value, found '}'");
    EXPECT_EQ(refusal("d : dialog {\n\n  picture { key = \"a\"; }\n}\n"),
              "bad.dcl, line 3: expected '=' or ';' after 'picture', found '{'");
    EXPECT_EQ(refusal("d : dialog {\n  : nothing_like_it { }\n}\n"), "bad.dcl, line 2: unknown tile 'nothing_like_it'");
    EXPECT_EQ(refusal("d : dialog {\n  : button { width = \"wide\"; }\n}\n"),
              "bad.dcl, line 2: attribute 'width' takes a number");
    EXPECT_EQ(refusal("d : dialog {\n  : toggle { is_enabled = yes; }\n}\n"),
              "bad.dcl, line 2: attribute 'is_enabled' takes true or false");
    EXPECT_EQ(refusal("d : dialog { label = \"open\n; }\n"), "bad.dcl, line 1: string not closed with \" on its line");
    EXPECT_EQ(refusal("d : dialog {\n/* never closed\n\n"), "bad.dcl, line 2: comment not closed with */");
    EXPECT_EQ(refusal("d : dialog {\n  : button { }\n"), "bad.dcl, line 3: '{' not closed with '}' (opened on line 1)");
    EXPECT_EQ(refusal("d : dialog {\n  : button { : text { } }\n}\n"), "bad.dcl, line 2: a button cannot hold tiles");
    EXPECT_EQ(refusal("d : dialog {\n  : row { : radio_button { } }\n}\n"),
              "bad.dcl, line 2: a radio_button must stand inside a radio_row or radio_column");
    EXPECT_EQ(refusal("a : b { }\nb : a { }\n"), "bad.dcl, line 2: definitions derive from each other in a loop");
    EXPECT_EQ(refusal("d : dialog {\n  : ok_cancel { : button { } }\n}\n"),
              "bad.dcl, line 2: 'ok_cancel' already holds tiles and takes none here");
    EXPECT_EQ(refusal("box : column { box; }\nd : dialog { box; }\n"),
              "bad.dcl, line 1: tiles nest too deep (does a tile hold itself?)");
    EXPECT_EQ(refusal("@include \"no_such_file.dcl\"\n"), "bad.dcl, line 1: cannot find included file \"no_such_file.dcl\"");
    EXPECT_EQ(refusal("d : dialog { x : button { } }"),
              "bad.dcl, line 1: a named definition ('x : ...') must stand at the top level");
    EXPECT_EQ(refusal("d : dialog { } $"), "bad.dcl, line 1: unexpected character '$'");
}

TEST(DclParser, HostileFilesAreRefusedQuickly) {
    std::string deep = "d : dialog {";
    for (int i = 0; i < 100000; ++i) deep += ": row {";
    EXPECT_EQ(refusal(deep), "bad.dcl, line 1: tiles nest more than 64 deep");
    // Each level derives twice from the one below: worked out once per level.
    std::string diamond = "t0 : button { }\n";
    for (int i = 1; i < 60; ++i)
        diamond += "t" + std::to_string(i) + " : t" + std::to_string(i - 1) + " : t" + std::to_string(i - 1) + " { }\n";
    diamond += "d : dialog { t59; ok_only; }\n";
    EXPECT_EQ(refusal(diamond), "");
    // A subassembly that holds itself twice at each level.
    std::string wide = "s0 : column { : button { } }\n";
    for (int i = 1; i < 40; ++i)
        wide += "s" + std::to_string(i) + " : column { s" + std::to_string(i - 1) + "; s" + std::to_string(i - 1) + "; }\n";
    wide += "d : dialog { s39; }\n";
    EXPECT_NE(refusal(wide).find("the dialog has too many tiles"), std::string::npos);
    EXPECT_EQ(refusal(std::string("d : dialog { }\n\x01", 17)), "bad.dcl, line 2: unexpected byte 0x01");
}

TEST(DclParser, EveryCutOfAGoodFileIsAnsweredWithoutHarm) {
    std::ifstream in(DCL_TEST_DATA "/sample.dcl");
    std::stringstream content;
    content << in.rdbuf();
    std::string text = content.str();
    ASSERT_GT(text.size(), 500u);
    size_t refused = 0;
    for (size_t cut = 0; cut <= text.size(); ++cut) {
        std::string error;
        auto scope = parseText(text.substr(0, cut), DCL_TEST_DATA "/cut.dcl", &baseScope(), error);
        if (!scope || !checkScope(*scope, error)) {
            ++refused;
            EXPECT_NE(error.find("cut.dcl"), std::string::npos) << error;
        }
    }
    EXPECT_GT(refused, text.size() / 2);
}

class DclFiles : public ::testing::Test {
protected:
    void SetUp() override {
        resetDialogs();
        host::io::captureTranscript();
        dir_ = std::filesystem::temp_directory_path() / ("dcl_test_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        resetDialogs();
        std::filesystem::remove_all(dir_);
    }
    std::wstring write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name) << text;
        return (dir_ / name).wstring();
    }
    std::filesystem::path dir_;
};

TEST_F(DclFiles, MissingFileFailsAndBadFileNamesItsLine) {
    int id = 7;
    EXPECT_EQ(ads_load_dialog(L"/no/such/dir/lurak.dcl", &id), RTERROR);
    EXPECT_EQ(id, -1);
    EXPECT_NE(host::io::takeTranscript().find("cannot find dialog file /no/such/dir/lurak.dcl"), std::string::npos);
    write("inner.dcl", "inner_tile : button {\n  label = 12\n}\n");
    std::wstring outer = write("outer.dcl", "// outer\n@include \"inner.dcl\"\n");
    EXPECT_EQ(ads_load_dialog(outer.c_str(), &id), RTERROR);
    std::string text = host::io::takeTranscript();
    EXPECT_NE(text.find("inner.dcl, line 2: attribute 'label' takes a quoted string"), std::string::npos) << text;
    EXPECT_NE(text.find("outer.dcl, line 2)"), std::string::npos) << text;
    EXPECT_EQ(loadedFileCount(), 0u);
}

TEST_F(DclFiles, IncludesSelfAndWindowsPaths) {
    std::wstring self = write("self.dcl", "@include \"self.dcl\"\n");
    int id = 0;
    EXPECT_EQ(ads_load_dialog(self.c_str(), &id), RTERROR);
    EXPECT_NE(host::io::takeTranscript().find("includes itself"), std::string::npos);
    write("shared.dcl", "shared_ok : ok_only { }\n");
    std::wstring main = write("main.dcl", "@include \"base.dcl\"\n@include \"shared.dcl\"\nd : dialog { shared_ok; }\n");
    std::wstring windows = main;
    for (wchar_t& c : windows)
        if (c == L'/') c = L'\\';
    ASSERT_EQ(ads_load_dialog(windows.c_str(), &id), RTNORM) << host::io::takeTranscript();
    ads_hdlg hdlg = nullptr;
    EXPECT_EQ(ads_new_dialog(L"d", id, NULLCB, &hdlg), RTNORM);
    EXPECT_EQ(ads_new_dialog(L"shared_ok", id, NULLCB, &hdlg), RTERROR);  // not a dialog
    EXPECT_EQ(hdlg, nullptr);
    EXPECT_NE(host::io::takeTranscript().find("'shared_ok' is a column, not a dialog"), std::string::npos);
    EXPECT_EQ(ads_unload_dialog(id), RTNORM);
    EXPECT_EQ(liveDialogCount(), 0u);  // the unstarted dialog went with its file
    EXPECT_EQ(ads_unload_dialog(id), RTERROR);
}

} // namespace
