// The bill of materials of one air system: every element insert of the
// system adds its description lines; equal lines count together, numbered
// elements are listed under their label numbers, and the joint pieces of
// round connectors and the elements' extra rows follow as unnumbered rows.
// The rows are gathered in the lists of the document state.
#pragma once

#include <cstdint>

#include "core/system_record.h"

class LObject;

// Bill variants: 0 lines by description ("C:llist"); 1 also kept apart by
// their airflow text ("C:lalist").
constexpr int16_t kBomByDescription = 0;
constexpr int16_t kBomByAirflow = 1;

// Collects the lines of every element of the system, brings the label
// numbers up to date and sets the last given number to the highest.
void CollectElementInserts(LSystemRecord record);
// Adds one element's joint pieces and lines (nothing for an element left
// out of the bill).
void AddElementListLines(LObject* element);
// Turns the collected lists into the bill: the numbered rows, then the
// labels without a number (numbered after the highest), then the counted
// piece lines with the number -1.
void BuildMaterialList(int16_t variant);
// Empties the three lists and sets the highest and last numbers to 0.
void ClearMaterialLists();
