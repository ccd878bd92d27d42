#include "app/current_element.h"

#include "app/doc_state.h"
#include "core/element_load.h"
#include "core/lconnector.h"
#include "core/lobject.h"

void SelectCurrentElement(const ads_name entity) {
    LDocState* s = CurrentDocState;
    if (!s || s->selectionState == kTwoEntitiesPicked)
        return;
    if ((s->selectionState == -1 || s->selectionState == 0) && s->startConnector)
        return;
    if (ads_name_nil(entity))
        return;
    LObject* element = LoadElementFromEntity(entity);
    if (!element)
        return;
    ReleaseCurrentElement();
    s->current = element;
    s->selectionState = element->CountConnectedConnectors(-1);
    if (s->selectionState != 1)
        return;
    int16_t joined = element->NextConnectedConnector(-1, -1);
    LConnector* c = element->GetConnector(joined);
    if (!c)
        return;
    s->currentConnector = joined;
    s->neighbourConnector = c->neighbourIndex;
    s->neighbour = element->LoadNeighbour(joined);
}
