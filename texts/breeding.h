#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "texts/list_row.h"
#include "records/pokemon.h"
#include "records/pokemon_index.h"

// Breeding groups with fixed roles: 16 breeds with nothing, 15 with every
// Pokemon outside 15 and 16, 14 only with 15. Only first groups are tested.
inline constexpr int kBreedGroupDitto = 14;  // no Pokemon of this group lists partners
inline constexpr int kBreedGroupAny = 15;
inline constexpr int kBreedGroupNone = 16;

// 1 when the current Pokemon (groups a1, a2) can breed with a candidate
// (groups b1, b2), else 0.
int CanBreedWith(int a1, int a2, int b1, int b2);

// Whether two Pokemon of these gender codes (sixteenths male, 17 genderless,
// kGenderNotGiven for either sex) can be a male and a female: the day-care
// refuses two of one sex and a genderless one without Ditto.
bool CanMakeMaleFemalePair(int gender_a, int gender_b);

// "Breeding group: X" or "Breeding groups: X and Y".
std::string BreedGroupLine(const DexPokemon& record);

// Generation modes: 1, 2, 3 stand for generations 2, 3, 4.
inline constexpr std::intptr_t kModeGen2 = 1;
inline constexpr std::intptr_t kModeGen3 = 2;
inline constexpr std::intptr_t kModeGen4 = 3;

struct BreedModeEntry {
  const char* text;
  std::intptr_t mode;
};
// The combo entries a Pokemon of generation g offers, in order.
std::vector<BreedModeEntry> BreedModeEntries(std::int32_t g);

// The mode read from the combo box: its selected entry's data, or 3 when
// there is no selection or the value is not a mode.
std::intptr_t BreedModeFromSelection(bool has_selection, std::intptr_t data);

// The entry to select for the mode carried over from the previous Pokemon,
// and the mode the page then shows. When the carried-over generation is older
// than the Pokemon, the oldest generation it offers is shown instead.
struct BreedModeChoice {
  int position;
  std::intptr_t mode;
  bool operator==(const BreedModeChoice&) const = default;
};
BreedModeChoice ChooseBreedMode(std::intptr_t mode, std::int32_t g);

// "<name> breeds with: " and every partner of the index the mode admits that
// can make a pair with it; Ditto's own sentence; nothing for a Pokemon that
// cannot breed.
std::string BreedPartnerText(const DexPokemon& record, const PokemonIndex& index,
                             std::intptr_t mode);

// The record's egg moves with a method text for the mode, in file order.
std::vector<ListRow> EggMoveRows(const DexPokemon& record, std::intptr_t mode);
