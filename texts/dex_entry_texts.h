#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "records/pokemon.h"

// One static per game version on the dex entries page, oldest first.
struct DexEntryRow {
  const char* window_name;
  int y;
  int height;
  int id;
  const char* label;        // carries its own ": "
  const char* unavailable;  // shown when the Pokemon is newer than the version
  std::string DexPokemon::*entry;
  std::int32_t last_generation;  // shown for generations 1 to this
};

inline constexpr std::size_t kDexEntryRows = 14;
extern const std::array<DexEntryRow, kDexEntryRows> kDexEntryRowTable;

// The label and the entry, or the row's "Not available" text when the
// record's generation is outside 1 to the row's last generation.
std::string DexEntryText(const DexEntryRow& row, const DexPokemon& record);

// The facts-only data set, the one shipped, holds no entry texts at all: a
// record without a single one says so on its first row instead of showing
// fourteen bare labels.
inline constexpr const char* kNoDexEntriesHint =
    "This data set holds no Pokedex entries; readme.txt says how to add them.";
bool HoldsDexEntries(const DexPokemon& record);

// The texts of the fourteen rows, in table order.
std::array<std::string, kDexEntryRows> DexEntryTexts(const DexPokemon& record);
