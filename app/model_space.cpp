#include "app/model_space.h"

AcDbObjectId ModelSpaceId(AcDbDatabase* db) {
    AcDbObjectId id;
    AcDbBlockTable* table = nullptr;
    if (db && db->getBlockTable(table, AcDb::kForRead) == Acad::eOk && table) {
        table->getAt(ACDB_MODEL_SPACE, id);
        table->close();
    }
    return id;
}
