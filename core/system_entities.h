// Finding the drawing's entities that belong to an air system: the element
// inserts (INSERTs with the program's XDATA) and what their XDATA names.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ads_types.h"

using EntityRef = std::array<long, 2>;  // an ads_name that fits a container

EntityRef ToEntityRef(const ads_name name);

// The main entities that pass the filter (acedSSGet "X"); the set is freed.
std::vector<EntityRef> SelectEntities(const resbuf* filter);
// Every INSERT that carries the program's XDATA.
std::vector<EntityRef> SelectElementInserts();
// Every entity on the layer.
std::vector<EntityRef> SelectOnLayer(const char* layer);

// The entity's list with the program's XDATA (null when erased or gone);
// release with acutRelRb.
resbuf* GetWithProgramXdata(const ads_name entity);
// True when the list is an element insert's (its type and tag can be read).
bool IsElementList(const resbuf* list);
// Handle texts of the 1005 groups in the list's XDATA ("" and "0" skipped).
std::vector<std::string> XdataHandles(const resbuf* list);
// The entity's handle (group 5), or "".
std::string EntityHandle(const ads_name entity);
