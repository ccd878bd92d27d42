// The registry of element types: each family folder registers its type
// entries (core/type_entry.h) at start-up, and core builds one row per type
// from them.  Core itself knows only the custom element (family 16).
#pragma once

#include <cstdint>

#include "core/type_descriptor.h"
#include "core/type_entry.h"

// The 31 standard diameters of round ducts.
constexpr int kStandardDiameterCount = 31;
extern const double StandardDiameters[kStandardDiameterCount];

// Registers a family, or replaces the one of the same code; the entry and
// everything it points at live for the process.  Its rows are built at once
// (captions as the messages read now) and again by InitTypeTables.
void RegisterFamily(const LFamilyEntry& family);
// Fills the captions of every registered row from the loaded messages; may
// run again (the rows keep their addresses).
int16_t InitTypeTables();
// Forgets every registered family and its rows (the module unloads).
void ReleaseTypeTables();

// The row of a family's subtype, or null when there is none.  Alias codes
// (a second family code, a second variant of a subtype) give the row they
// stand for; the custom element has one row whatever its subtype.
LTypeDescriptor* TypeRow(int family, int subtype);
// True when the subtype is a second code of another subtype's row (a
// second variant); false for a subtype with a row of its own, or none.
bool IsAliasSubtype(int family, int subtype);
// Number of types of a family, 0 for an unknown family.
int TypeRowCount(int family);
// The entry of a family's subtype (aliases followed), or null.
const LTypeEntry* TypeEntryOf(int family, int subtype);
// The family a code is stored as (an alias code gives its family), or 0.
int16_t FamilyOfCode(int family);
// The type's default values (kMaxTypeDefaults of them), or null.
const double* TypeDefaults(int family, int subtype);
// The standard straight piece of a connector shape (kTypeStandardPiece), or
// null; its family into family.
const LTypeEntry* StandardPieceOf(int16_t shape, int16_t* family);
// The properties dialogs a family lists; "" outside.
int FamilyDialogCount(int family);
const char* FamilyDialog(int family, int i);
