#pragma once
#include <cstdint>

// The online update check: one short-lived thread started by LoadConfig when
// update checks are on. Its parameter is not read; it returns 0.
std::uint32_t CheckForUpdate(void* parameter);
