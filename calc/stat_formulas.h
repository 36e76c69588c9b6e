#pragma once
#include <cstdint>

// One stat as generations 1-2 compute it (DV 0-15, stat-exp level 0-63, that
// is ceil(sqrt(stat exp)) / 4).
std::int32_t CalcStatGen12(std::int32_t base, std::int32_t level, std::int32_t dv,
                           std::int32_t statexp_level, bool hp);
// One stat as generations 3-4 compute it (IV 0-31, EV 0-255); personality 0
// neutral, 1 hindering, 2 helping, never applied to HP (anything else:
// "Invalid nature" and 0).
std::int32_t CalcStatGen34(std::int32_t base, std::int32_t level, std::int32_t iv,
                           std::int32_t effort, bool hp, int personality);
