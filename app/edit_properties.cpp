// "C:lprop": the current element's parameters edited in its properties
// dialog (the custom element in its own dialog), then fitted again to the
// connector it sits on and written back with its children, which follow
// its new size and place as after a turn or a move.  A cancelled dialog,
// or one that did not open, changes nothing.
#include "app/command_bodies.h"
#include "app/doc_state.h"
#include "app/edit_support.h"
#include "app/place_support.h"
#include "core/element_load.h"
#include "core/element_ptr.h"
#include "core/lconnector.h"
#include "core/lobject.h"
#include "core/null_handle.h"
#include "mfc.h"
#include "ui/dcl/loedit_dialog.h"
#include "ui/mfc/lcustomdialog.h"

namespace {

void EditCustomElement(LDocState* s, LObject* e) {
    CTemporaryResourceOverride resources;
    LCustomDialog dlg(acedGetAcadFrame());
    dlg.pElement = e;
    if (dlg.DoModal() == IDOK) {
        e->Insert(kWriteNeighbour);
        HighlightCurrent();
        return;
    }
    DestroyElement(e);
    s->current = nullptr;
}

// The greying mode: the parameters of the connector the element is joined
// at; an element on its connector 0 keeps the sizes of that joint.
int16_t GreyingMode(LDocState* s, LObject* e) {
    int16_t mode = s->currentConnector;
    LConnector* c0 = e->GetConnector(0);
    if ((e->GetKind() & kKindViaConnector) && c0 && !c0->IsFree())
        mode = 0;
    return mode;
}

// An element read from the drawing does not know the size of the duct it
// sits on, from which its choices may follow (a grille's heights): it takes
// it from its parent before the dialog asks for its choices.
void TakeHostSize(LObject* e) {
    ads_name parent;
    e->GetParentEntity(parent);
    if (e->hostSize > 0.0 || ads_name_nil(parent))
        return;
    ElementPtr host(LoadElementFromEntity(parent));
    if (host && host->hostSize > 0.0)
        e->hostSize = host->hostSize;
}

// Runs the dialog; true when it was accepted.  A dialog that could not be
// opened counts as cancelled.
bool Accepted(LOEditDlg& dlg) { return dlg.Run() != -1 && dlg.cancelled == 0; }

// The edited element and its children, which sit where its new size puts
// them (and take its sizes when it sizes them).
void WriteWithChildren(LObject* e) { WriteCurrent(e, nullptr, ChildWrites::kAligned); }

}  // namespace

int EditElementProperties(int) {
    LDocState* s = CurrentDocState;
    LObject* e = s ? ReloadCurrentElement() : nullptr;
    if (!e)
        return RTNORM;
    if (e->GetKind() & kKindUserBlock) {
        EditCustomElement(s, e);
        return RTNORM;
    }
    TakeHostSize(e);
    LOEditDlg dlg;
    dlg.element = e;
    dlg.greyingMode = GreyingMode(s, e);
    dlg.rectPieceLength = s->defaults.rectPieceLength;
    dlg.roundPieceLength = s->defaults.roundPieceLength;
    if (s->selectionState == 0) {
        if (!Accepted(dlg))
            return RTNORM;
        if (!s->startConnector || s->currentConnector == -1) {
            WriteWithChildren(e);
            return RTNORM;
        }
        e->SetEdited();
        if (e->FitToConnector(s->startConnector, s->currentConnector) == 0)
            WriteWithChildren(e);
        else
            PrintCommandMessage(kRefitFailedMessage);
        return RTNORM;
    }
    if (s->selectionState == 1) {
        if (!Accepted(dlg))
            return RTNORM;
        e->SetEdited();
        if (e->FitToElement(s->neighbour, s->currentConnector, s->neighbourConnector) != 0) {
            PrintCommandMessage(kRefitFailedMessage);
            return RTNORM;
        }
        WriteWithChildren(e);
        return RTNORM;
    }
    dlg.greyingMode = kGreyEveryJoint;
    if (!Accepted(dlg))
        return RTNORM;
    e->SetEdited();
    WriteWithChildren(e);
    return RTNORM;
}
