#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "calc/list_choice.h"

struct DexPokemon;

// The "Stat" list of both stat calculators; the first entry is the HP stat.
extern const std::array<ListChoice, 6> kStatChoices;
inline constexpr std::int32_t kHpChoice = 0;

// The "Nature" list: shown neutral, helping, hindering, but the
// helping factor is personality 2 and the hindering one personality 1.
extern const std::array<ListChoice, 3> kNatureChoices;

// The record's base value for a stat choice 0-5; nothing for other values.
std::optional<std::int32_t> BaseStat(const DexPokemon& record, std::int32_t choice);
