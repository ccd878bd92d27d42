// A type chooser page: a list of codes and one image button per type.
chooser_image : image_button { width = 12; aspect_ratio = 1; color = dialog_background; }

select_vl : dialog {
    label = "Rectangular duct fittings";
    : row {
        : chooser_image { key = "vl01"; }
        : chooser_image { key = "vl02"; }
        : chooser_image { key = "vl03"; }
    }
    : list_box { key = "list"; width = 12; }
    ok_cancel_help;
}
