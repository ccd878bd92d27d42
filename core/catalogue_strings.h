// The catalogue texts of a type, read from its registered entry: catalogue
// page, display code, slide (block) name and block-name prefix.
#pragma once

// The texts of one type (subtype from 1); "" when there is no such type.
const char* CataloguePageOf(int family, int subtype);
const char* TypeNameOf(int family, int subtype);
const char* BlockNameOf(int family, int subtype);
const char* BlockPrefixOf(int family, int subtype);
