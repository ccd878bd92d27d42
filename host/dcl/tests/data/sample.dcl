// A dialog with every kind of tile the module's own dialogs use.
@include "parts.dcl"

/* A prototype with an attribute of our own and an override below. */
value_box : edit_box { edit_width = 8; edit_limit = 6; units = "mm"; }

sample : dialog {
    label = "Sample";
    initial_focus = "name";
    : row {
        : boxed_column {
            label = "Values";
            : value_box { key = "width"; label = "&Width"; value = "200"; }
            : edit_box { key = "name"; label = "Name"; }
            : popup_list { key = "size"; label = "Size"; list = "100\n200\n300"; }
            : toggle { key = "listed"; label = "Listed"; value = "1"; }
            : toggle { key = "lp"; label = "Switch"; }
        }
        : list_box { key = "list"; label = "Codes"; list = "VL-01\nVL-02\nVL-03"; }
    }
    : boxed_radio_row {
        key = "v2";
        label = "Variant";
        : radio_button { key = "_0"; label = "A"; }
        : radio_button { key = "_1"; label = "B"; value = "1"; }
        : radio_button { key = "_2"; label = "C"; }
    }
    : row {
        : picture_button { key = "vl01"; }
        : picture_button { key = "vl02"; }
        : image { key = "sld"; width = 20; aspect_ratio = 1.5; }
    }
    : text { key = "info"; label = "Ready"; }
    note;
    spacer_1;
    ok_cancel_help;
}

second : dialog {
    label = "Second";
    : edit_box { key = "answer"; }
    ok_cancel;
}
