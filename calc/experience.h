#pragma once
#include <cstdint>
#include <optional>

inline constexpr int kMaxLevel = 100;

// Growth groups as records number them (`expformula`).
enum GrowthGroup : std::int32_t {
  kGrowthFast = 1,
  kGrowthMediumFast = 2,
  kGrowthMediumSlow = 3,
  kGrowthSlow = 4,
  kGrowthErratic = 5,      // first column of the level table
  kGrowthFluctuating = 6,  // second column of the level table
};

// Total experience at the start of `level` (0-100) in a growth group 1-6;
// nothing for any other group or level.
std::optional<std::int32_t> ExperienceAtLevel(std::int32_t group, std::int32_t level);

// Experience for defeating a Pokemon with base experience `base` at `level`.
std::int32_t ExperienceGained(std::int32_t level, std::int32_t base, bool trainer_battle);
