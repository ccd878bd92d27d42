// The two reactors that live as long as the module: the label reactor,
// which sits on every label insert, and the editor reactor.
#pragma once

#include "acdb_objects.h"
#include "acrx_app.h"

// Sits on every number-label insert and leader of every open drawing.  One
// instance serves all drawings; attachments are transient, made again
// whenever a drawing is first seen.
class LLabelReactor : public AcDbObjectReactor {
public:
    // Keeps a label's leader in step when its insert is erased.  The leader
    // handling belongs to the labels; until it lands the notice is ignored.
    void erased(const AcDbObject* object, Adesk::Boolean erasing) override;
};

// Added to the host's editor while the module is loaded; it listens to no
// notification.
class LRedrawReactor : public AcEditorReactor {};

LLabelReactor* LabelReactorInstance();
LRedrawReactor* RedrawReactorInstance();

// Creates both reactors (once), adds the editor reactor to the host's
// editor and makes the state of every open drawing, leaving the last
// drawing visited current.
void StartReactors();
// Detaches the label reactor in every open drawing that has a state, frees
// every state, and deletes both reactors, each only once nothing holds it.
void StopReactors();
