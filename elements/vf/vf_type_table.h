// The round-duct family's type table rows and value lists.
#pragma once

#include <cstdint>

#include "core/type_tables.h"

int16_t InitVfTypeTable();
