#include "core/drawing_defaults.h"

#include "acdb_objects.h"
#include "ads_entity.h"

int16_t ReadDrawingDefaults(const ads_name dictionary, LDrawingDefaults* defaults) {
    if (defaults == nullptr)
        return -1;
    resbuf* apps = acutBuildList(RTSTR, L"LurakCad_B1", 0);
    resbuf* data = acdbEntGetX(dictionary, apps);
    acutRelRb(apps);
    if (data == nullptr)
        return -1;
    // Only the program's own XDATA counts: start after its 1001 group.
    const resbuf* rb = data;
    while (rb && rb->restype != -3)
        rb = rb->rbnext;
    while (rb && rb->restype != 1040)
        rb = rb->rbnext;
    double* fields[] = {&defaults->labelDistance, &defaults->rectPieceLength,
                        &defaults->roundPieceLength};
    for (int i = 0; rb && rb->restype == 1040; ++i, rb = rb->rbnext) {
        if (i < 3) {
            *fields[i] = rb->resval.rreal;
        } else {
            double f = rb->resval.rreal;
            defaults->insertScale = AcGeScale3d(f, f, f);
            break;
        }
    }
    acutRelRb(data);
    return 0;
}

int16_t WriteDrawingDefaults(const ads_name dictionary, const LDrawingDefaults& defaults) {
    AcDbObjectId id;
    if (acdbGetObjectId(id, dictionary) != Acad::eOk)
        return -1;
    AcDbObject* object = nullptr;
    if (acdbOpenAcDbObject(object, id, AcDb::kForWrite) != Acad::eOk)
        return -1;
    resbuf* xdata = acutBuildList(1001, L"LurakCad_B1", 1040, defaults.labelDistance,
                                  1040, defaults.rectPieceLength, 1040, defaults.roundPieceLength,
                                  1040, defaults.insertScale.sx, RTNONE);
    Acad::ErrorStatus es = xdata ? object->setXData(xdata) : Acad::eInvalidResBuf;
    acutRelRb(xdata);
    object->close();
    return es == Acad::eOk ? 0 : -1;
}
