#include "core/drawing_defaults.h"

#include "acdb_objects.h"
#include "ads_entity.h"
#include "core/application_name.h"

#include <cmath>

int16_t ReadDrawingDefaults(const ads_name dictionary, LDrawingDefaults* defaults) {
    if (defaults == nullptr)
        return -1;
    resbuf* apps = acutBuildList(RTSTR, kApplicationNameWide, 0);
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
    // A stored value that no drawing could have been made with (a piece
    // length or scale of 0 or less, anything not finite) keeps the default,
    // so that no later division or piece loop sees it.
    for (int i = 0; rb && rb->restype == 1040 && i < 4; ++i, rb = rb->rbnext) {
        double v = rb->resval.rreal;
        if (!std::isfinite(v))
            continue;
        switch (i) {
        case 0:
            if (v >= 0)
                defaults->labelDistance = v;
            break;
        case 1:
            if (v > 0)
                defaults->rectPieceLength = v;
            break;
        case 2:
            if (v > 0)
                defaults->roundPieceLength = v;
            break;
        case 3:
            if (v > 0)
                defaults->insertScale = AcGeScale3d(v, v, v);
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
    resbuf* xdata = acutBuildList(1001, kApplicationNameWide, 1040, defaults.labelDistance,
                                  1040, defaults.rectPieceLength, 1040, defaults.roundPieceLength,
                                  1040, defaults.insertScale.sx, RTNONE);
    Acad::ErrorStatus es = xdata ? object->setXData(xdata) : Acad::eInvalidResBuf;
    acutRelRb(xdata);
    object->close();
    return es == Acad::eOk ? 0 : -1;
}
