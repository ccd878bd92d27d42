// Writes the module's dialog file from the type tables:
//   lurak_dcl_gen <output file>
// A type whose tiles clash with another type's in a shared dialog is named
// on stderr: its values show wrongly until the type tables agree.
#include <cstdio>
#include <string>
#include <vector>

#include "core/type_tables.h"
#include "dxf/file_io.h"
#include "elements/element_families.h"
#include "ui/dcl/dcl_source.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    RegisterElementFamilies();
    InitTypeTables();
    std::vector<std::string> conflicts;
    std::string text = ModuleDclText(&conflicts);
    for (const std::string& conflict : conflicts)
        std::fprintf(stderr, "lurak_dcl_gen: warning: the tiles of %s clash with another type's\n",
                     conflict.c_str());
    std::string error;
    if (!host::dxf::writeFileAtomically(argv[1], text, error)) {
        std::fprintf(stderr, "lurak_dcl_gen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
