// lurak.dcl - the dialogs of LurakCAD.
//
// Written by the build from the element type tables; edit the writer
// (ui/dcl/dcl_source*.cpp), not this file.  Only the tile keys are fixed:
// the module fills and reads the tiles by them.

lurak_image : image_button { width = 10; aspect_ratio = 0.75; color = graphics_background; allow_accept = true; }
lurak_caption : text { width = 30; }
lurak_value : text { width = 20; }
lurak_edit : edit_box { edit_width = 10; edit_limit = 31; }
lurak_list : popup_list { edit_width = 10; }

select_vl : dialog {
    label = "Rectangular duct fittings";
    : row {
        : list_box { key = "list"; width = 14; height = 16; allow_accept = true; }
        : column {
            : row {
                : lurak_image { key = "vl01"; }
                : lurak_image { key = "vl02"; }
                : lurak_image { key = "vl03"; }
                : lurak_image { key = "vl04"; }
                : lurak_image { key = "vl05"; }
                : lurak_image { key = "vl06"; }
                : lurak_image { key = "vl07"; }
                : lurak_image { key = "vl08"; }
            }
            : row {
                : lurak_image { key = "vl09"; }
                : lurak_image { key = "vl10"; }
                : lurak_image { key = "vl11"; }
                : lurak_image { key = "vl12"; }
                : lurak_image { key = "vl13"; }
                : lurak_image { key = "vl14"; }
                : lurak_image { key = "vl15"; }
                : lurak_image { key = "vl16"; }
            }
            : row {
                : lurak_image { key = "vl17"; }
                : lurak_image { key = "vl18"; }
                : lurak_image { key = "vl19"; }
                : lurak_image { key = "vl20"; }
                : lurak_image { key = "vl21"; }
                : lurak_image { key = "vl22"; }
                : lurak_image { key = "vl23"; }
                : lurak_image { key = "vl24"; }
            }
            : row {
                : lurak_image { key = "vl25"; }
                : lurak_image { key = "vl26"; }
                : lurak_image { key = "vl27"; }
                : lurak_image { key = "vl28"; }
                : lurak_image { key = "vl29"; }
                : lurak_image { key = "vl30"; }
                : lurak_image { key = "vl31"; }
                : lurak_image { key = "vl32"; }
            }
        }
    }
    ok_cancel_help;
}
