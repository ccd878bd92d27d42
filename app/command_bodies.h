// The command bodies the function table runs.  Each takes the function's
// argument (the type-chooser page, or the bill-of-materials variant) and
// returns a host result.
#pragma once

int PlaceElement(int page);
int ShowEntityData(int);
int StartSystem(int);
int SetCurrentElement(int);
int RotateElement(int);
int ChangePlane(int);
int MoveElement(int);
int ExplodeElements(int);
int EditSystems(int);
int EditElementProperties(int);
int DimensionNetwork(int);
int PlaceFlowLabel(int);
int ListMaterials(int variant);
int InsertBetween(int);
int CopyElements(int);
int MirrorElements(int);
int EditOptions(int);
int ShowMainHelp(int);
int ShowInfoDialog(int);
int DefineCustomElement(int);

// Continuous placement: asks for points from the current element's free
// connectors until the user cancels.  0 when the user ended it by
// cancelling; anything else is a failure.
int ContinuePlacement();
