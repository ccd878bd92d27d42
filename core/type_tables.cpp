#include "core/type_tables.h"

#include "elements/msc/msc_type_table.h"
#include "elements/rcs/rcs_type_table.h"
#include "elements/tv/tv_type_table.h"
#include "elements/vf/vf_type_table.h"
#include "elements/vl/vl_type_table.h"

const double StandardDiameters[kStandardDiameterCount] = {
    80,  90,  100, 112, 125, 130, 140, 150, 160, 180, 200,  220,  235,  250,  300, 315,
    350, 375, 400, 450, 500, 600, 630, 700, 800, 900, 1000, 1100, 1250, 1400, 1600};

LTypeDescriptor CustomTypeTable[kCustomTypeCount];

int16_t InitTypeTables() {
    InitVlTypeTable();
    InitVfTypeTable();
    InitRCsTypeTables();
    InitTvTypeTable();
    InitMscTypeTable();
    InitCustomTypeTable();
    return 0;
}

int16_t InitCustomTypeTable() {
    LTypeDescriptor* row = &CustomTypeTable[0];
    // One text parameter and one airflow entry that names no connector.
    AllocDescriptorArrays(row, 1, 1, kParamText, nullptr);
    delete[] row->flowConnectors;
    row->flowConnectors = nullptr;
    row->message = row->dialogKey = row->slideName = row->blockPrefix = "";
    row->cataloguePage = row->displayCode = "";
    return 0;
}

static LTypeDescriptor* FamilyTable(int family) {
    switch (family) {
    case 1: return VlTypeTable;
    case 2: return VfTypeTable;
    case 3: return RcsTypeTable;
    case 4: return TvTypeTable;
    case 5: case 6: case 7: case 8: return MscTypeTable;
    case 16: return CustomTypeTable;
    default: return nullptr;
    }
}

int TypeRowCount(int family) {
    switch (family) {
    case 1: return kVlTypeCount;
    case 2: return kVfTypeCount;
    case 3: return kRcsTypeCount;
    case 4: return kTvTypeCount;
    case 5: case 6: case 7: case 8: return kMscTypeCount;
    case 16: return kCustomTypeCount;
    default: return 0;
    }
}

LTypeDescriptor* TypeRow(int family, int subtype) {
    if (family == 2 && (subtype == 23 || subtype == 24))
        subtype -= 6;
    if (family == 16)
        subtype = 1;  // the custom element has one row whatever its subtype
    LTypeDescriptor* table = FamilyTable(family);
    if (!table || subtype < 1 || subtype > TypeRowCount(family))
        return nullptr;
    return &table[subtype - 1];
}
