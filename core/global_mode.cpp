#include "core/global_mode.h"

static int16_t globalMode = kModeNormal;

int16_t GetGlobalMode() { return globalMode; }

void SetGlobalMode(int16_t mode) { globalMode = mode == kModeRelabel ? kModeRelabel : kModeNormal; }
