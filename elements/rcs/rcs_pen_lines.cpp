#include "elements/rcs/rcs_pen_lines.h"

#include "core/type_descriptor.h"

const char* RowText(const LObject& e, int param, int pos) {
    return DescListText(e.GetTypeDesc(), param, pos - 1);
}
