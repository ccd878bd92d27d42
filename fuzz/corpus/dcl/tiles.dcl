// Most tiles and attributes the runtime knows.
@include "base.dcl"
my_edit : edit_box { edit_width = 8; edit_limit = 4; value = "12"; }
test : dialog {
    label = "Test \"dialog\"";
    initial_focus = "a";
    : boxed_column {
        label = "Sizes";
        : my_edit { key = "a"; label = "Width:"; }
        : popup_list { key = "p"; list = "one\ntwo\tthree"; value = "1"; }
        : radio_row { : radio_button { key = "r1"; label = "&One"; value = "1"; } : radio_button { key = "r2"; } }
        : toggle { key = "t"; is_enabled = false; }
        : slider { key = "s"; min_value = -10; max_value = 10; small_increment = 1; }
        : image { key = "i"; width = 5.5; height = 3; color = 2; }
        spacer_1;
        : text { key = "x"; alignment = centered; fixed_width = true; }
    }
    ok_cancel_help;
    errtile;
}
