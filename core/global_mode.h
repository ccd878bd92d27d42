// The process-wide label mode: 128 normally, 129 while an element's labels
// are refreshed during its re-insertion (labels then ask nothing and the
// dimension makers make nothing).
#pragma once

#include <cstdint>

constexpr int16_t kModeNormal = 128;
constexpr int16_t kModeRelabel = 129;

int16_t GetGlobalMode();
// 129 selects the relabel mode; any other value gives the normal mode.
void SetGlobalMode(int16_t mode);
