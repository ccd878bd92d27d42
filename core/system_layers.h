// Layers of the air systems: making sure a layer exists, the names made
// from a system's tag, and erasing a system's layer once nothing needs it.
#pragma once

#include <cstddef>
#include <set>
#include <string>

#include "acdb_objects.h"
#include "core/system_list.h"

// Adds the layer, with the colour and the continuous linetype, when the
// database lacks it; an existing layer keeps its colour and linetype.
// eOk, eInvalidInput for a name the host refuses, or the host's error.
Acad::ErrorStatus CreateLayer(int16_t colour, const ACHAR* name, AcDbDatabase* database);
// The layer with only its name set, when missing (the label layer of a
// changed system).  Its id, or the null id when it cannot be made.
AcDbObjectId EnsureLayer(const char* name, AcDbDatabase* database);
// Whether the layer table holds only an erased record of that name (a
// deleted system's layer): the name can be neither made again nor used
// until the drawing is saved and opened again.
bool LayerNameErased(const ACHAR* name, AcDbDatabase* database);

// "LURAK-" and the tag (the proposed pen-0 layer of a new system), and
// that name, "-" and the size text (its proposed label layer).  Cut to fit.
void SystemLayerName(char* out, size_t outSize, const char* tag);
void SystemLabelLayerName(char* out, size_t outSize, const char* tag, const char* sizeText);

// Names (folded to upper case) of the layers that entities still use: every
// live entity of model and paper space and of the block definitions, except
// anonymous blocks that no live insert references any more.
std::set<std::string> CollectUsedLayers(AcDbDatabase* database);
std::string FoldedLayerName(const char* name);

// Whether a system's layer may go: never "0" or "DEFPOINTS", never a
// layer that entities use (used, from CollectUsedLayers) or that a listed
// system still names (the old label layer of `self` excepted), and the
// current layer only when currentMayGo.
bool LayerMayBeErased(const char* name, AcDbDatabase* database, const std::set<std::string>& used,
                      const LSystemList& list, const LSystemNode* self = nullptr,
                      bool currentMayGo = false);
bool IsCurrentLayer(const char* name, AcDbDatabase* database);
// Erases the layer record.  eOk when erased; the host's error otherwise.
Acad::ErrorStatus EraseLayer(const char* name, AcDbDatabase* database);
