// The fans, heaters and filters family's type table rows.
#pragma once

#include <cstdint>

#include "core/type_tables.h"

int16_t InitMscTypeTable();
