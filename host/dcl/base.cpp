#include "dcl/base.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "dcl/parser.h"

namespace host::dcl {

namespace {

// The tile types: a definition named after a tile type gives its kind to
// everything derived from it.
const char* const kBaseText = R"DCL(
dialog : tile { }
button : tile { fixed_height = true; is_tab_stop = true; }
edit_box : tile { is_tab_stop = true; edit_limit = 132; }
list_box : tile { is_tab_stop = true; height = 10; }
popup_list : tile { is_tab_stop = true; fixed_height = true; }
toggle : tile { is_tab_stop = true; fixed_height = true; }
radio_button : tile { is_tab_stop = true; fixed_height = true; }
radio_row : tile { }
radio_column : tile { }
boxed_radio_row : tile { }
boxed_radio_column : tile { }
row : tile { }
column : tile { }
boxed_row : tile { }
boxed_column : tile { }
concatenation : tile { fixed_width = true; }
paragraph : tile { fixed_height = true; }
image : tile { color = 7; }
image_button : tile { is_tab_stop = true; color = 7; }
text : tile { fixed_height = true; }
slider : tile { is_tab_stop = true; min_value = 0; max_value = 10000; small_increment = 1;
                big_increment = 1000; layout = horizontal; }
spacer : tile { }

// Standard pieces.
default_button : button { is_default = true; }
retirement_button : button { fixed_width = true; width = 8; alignment = centered; }
ok_button : retirement_button { label = "OK"; key = "accept"; is_default = true; }
cancel_button : retirement_button { label = "Cancel"; key = "cancel"; is_cancel = true; }
help_button : retirement_button { label = "Help..."; key = "help"; }
info_button : retirement_button { label = "Info..."; key = "info"; }
spacer_0 : spacer { height = 0; width = 0; }
spacer_1 : spacer { height = 1; width = 1; }
text_part : text { fixed_width = true; }
errtile : text { label = ""; key = "error"; width = 35; }

ok_only : column {
    fixed_width = true;
    alignment = centered;
    : ok_button { is_cancel = true; }
}
ok_cancel : column {
    : row { fixed_width = true; alignment = centered; ok_button; cancel_button; }
}
ok_cancel_help : column {
    : row { fixed_width = true; alignment = centered; ok_button; cancel_button; help_button; }
}
ok_cancel_help_info : column {
    : row { fixed_width = true; alignment = centered; ok_button; cancel_button; help_button; info_button; }
}
ok_cancel_help_errtile : column {
    : row { fixed_width = true; alignment = centered; ok_button; cancel_button; help_button; }
    errtile;
}
)DCL";

} // namespace

const Scope& baseScope() {
    static const std::shared_ptr<const Scope> base = [] {
        std::string error;
        auto scope = parseText(kBaseText, "base.dcl", nullptr, error);
        if (!scope) {  // a fault of the host itself, caught by its tests
            std::fprintf(stderr, "host: base dialog definitions: %s\n", error.c_str());
            std::abort();
        }
        return scope;
    }();
    return *base;
}

} // namespace host::dcl
