// Rows of the air-terminal family: parameter counts, properties dialogs and
// airflow entries; the parameters of each row are in rcs_rows.cpp.
#include "elements/rcs/rcs_type_table.h"

#include "elements/rcs/rcs_rows.h"

#include "core/catalogue_strings.h"
#include "core/messages.h"

LTypeDescriptor RcsTypeTable[kRcsTypeCount];

namespace {

struct RcsRowSpec {
    const char* dialogKey;
    int16_t paramCount;  // as the properties dialog shows them
};

const RcsRowSpec kRows[kRcsTypeCount] = {
    {"prop_rcs_c1", 8},  {"prop_rcs_c2", 7},  {"prop_rcs_c2", 7},  {"prop_rcs_s1", 4},
    {"prop_rcs_s2", 5},  {"prop_rcs_s3", 5},  {"prop_rcs_c6", 7},  {"prop_rcs_c5", 5},
    {"prop_rcs_c4", 4},  {"prop_rcs_c7", 10}, {"prop_rcs_c7", 10}, {"prop_rcs_c8", 4},
    {"prop_rcs_a6", 5},  {"prop_rcs_c3", 3},  {"prop_rcs_s4", 2},  {"prop_rcs_c4", 4},
    {"prop_rcs_s6", 6},  {"prop_rcs_a4", 4},  {"prop_rcs_q3", 3},  {"prop_rcs_b4", 4},
    {"prop_rcs_q4", 2},  {"prop_rcs_a3", 3},  {"prop_rcs_q2", 2},  {"prop_rcs_n5", 5},
    {"prop_rcs_n4", 4},  {"prop_vf_n1", 1},   {"prop_vf_n1", 1},   {"prop_tv_k3", 3},
    {"prop_tv_k2", 2},   {"prop_rcs_n5", 5},  {"prop_rcs_n7", 7},  {"prop_rcs_n5", 5},
    {"prop_rcs_c4", 4},  {"prop_rcs_s4", 2},  {"prop_rcs_c3", 3},  {"prop_rcs_t1", 2},
    {"prop_rcs_nw1", 6}, {"prop_rcs_nw2", 3}, {"prop_rcs_nw3", 6}, {"prop_rcs_nw4", 6},
};

// The terminals without a connector (ids 1 to 8, 39, 40) show the element's
// own airflow; the others that of connector 0.
int16_t FlowConnector(int id) { return (id <= 8 || id >= 39) ? -1 : 0; }

}  // namespace

int16_t InitRCsTypeTables() {
    for (int i = 0; i < kRcsTypeCount; ++i) {
        LTypeDescriptor* row = &RcsTypeTable[i];
        AllocDescriptorArrays(row, kRows[i].paramCount, 1, kParamFree, StandardDiameters);
        row->dialogKey = kRows[i].dialogKey;
        row->message = MessageText(0);
        row->cataloguePage = CataloguePageOf(3, i + 1);
        row->displayCode = TypeNameOf(3, i + 1);
        row->slideName = BlockNameOf(3, i + 1);
        row->blockPrefix = BlockPrefixOf(3, i + 1);
        row->flowConnectors[0] = FlowConnector(i + 1);
    }
    FillRcsRowParams(RcsTypeTable);
    return 0;
}
