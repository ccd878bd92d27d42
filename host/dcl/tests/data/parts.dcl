// Pieces shared by the sample dialogs.
picture_button : image_button { width = 10; height = 5; color = graphics_background; }
note : paragraph {
    : concatenation { : text_part { label = "Pick a type, "; } : text_part { label = "then OK."; } }
}
