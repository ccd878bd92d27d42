#include "core/connector_pose.h"

#include "core/geometry.h"
#include "core/lobject.h"
#include "core/null_handle.h"

void CopyConnector(LConnector* to, const LConnector& from) {
    FreeHandleText(to->neighbourHandle);
    to->neighbourHandle = CopyHandleText(from.neighbourHandle);
    to->neighbourIndex = from.neighbourIndex;
    to->shape = from.shape;
    to->jointPieces = from.jointPieces;
    ads_name_set(from.neighbourEntity, to->neighbourEntity);
    to->neighbour = from.neighbour;
    to->owner = from.owner;
    to->side = from.side;
    to->paramA = from.paramA;
    to->paramB = from.paramB;
    CopyPoint3d(to->position, from.position);
    to->angle = from.angle;
    to->secondAngle = from.secondAngle;
    to->a = from.a;
    to->b = from.b;
    to->areaFactor = from.areaFactor;
    to->flow = from.flow;
}

void DrawConnectorEndsPosed(LObject& e, double extension, int16_t style, const ConnectorPose& pose) {
    int16_t o = e.GetOrientation();
    int far = o < 3 ? o + 3 : o - 3;
    for (int16_t i = 0; i < e.GetConnectorCount(); ++i) {
        const LConnector* c = e.GetConnector(i);
        if (!c)
            continue;
        LConnector posed;
        if (i == pose.index) {
            CopyConnector(&posed, *c);
            posed.position[0] = pose.x;
            posed.angle = pose.angle;
            c = &posed;
        }
        if (c->side != far)
            c->DrawEnd(extension, style);
        else
            c->DrawMark();
    }
}
