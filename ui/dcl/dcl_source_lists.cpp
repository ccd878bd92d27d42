// The two list dialogs: the drawing's air systems and the bill of materials.
#include "ui/dcl/dcl_source.h"

std::string SystemsListDcl() {
    return "sysedit : dialog {\n"
           "    label = \"Air systems\";\n"
           "    : row {\n"
           "        : list_box { key = \"list\"; width = 48; height = 12; }\n"
           "        : column {\n"
           "            fixed_height = true;\n"
           "            : button { key = \"new\"; label = \"New...\"; }\n"
           "            : button { key = \"edit\"; label = \"Edit...\"; }\n"
           "            : button { key = \"delete\"; label = \"Delete\"; }\n"
           "            : button { key = \"zscale\"; label = \"Zigzag scale...\"; }\n"
           "        }\n"
           "    }\n"
           "    ok_cancel_help;\n"
           "}\n\n";
}

std::string MaterialListDcl() {
    return "darabj : dialog {\n"
           "    label = \"Bill of materials\";\n"
           "    : list_box { key = \"list\"; width = 90; height = 20; }\n"
           "    : row {\n"
           "        fixed_width = true;\n"
           "        alignment = centered;\n"
           "        : button { key = \"save\"; label = \"Save...\"; }\n"
           "    }\n"
           "    ok_cancel_help;\n"
           "}\n\n";
}
