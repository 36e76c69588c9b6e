#include "texts/breeding.h"

#include "records/dex_data.h"
#include "records/move.h"

int CanBreedWith(int a1, int a2, int b1, int b2) {
  if (b1 == kBreedGroupNone || a1 == kBreedGroupNone || a1 == kBreedGroupAny) return 0;
  if (b1 == kBreedGroupAny) return 1;
  if (a1 == kBreedGroupDitto || b1 == kBreedGroupDitto) return 0;
  if (a1 == b1 || a1 == b2) return 1;
  if (a2 == 0) return 0;
  return (a2 == b1 || a2 == b2) ? 1 : 0;
}

namespace {
constexpr int kGenderless = 17;
constexpr int kAllMale = 16;

bool CanBeMale(int gender) { return gender == kGenderNotGiven || (gender > 0 && gender <= kAllMale); }
bool CanBeFemale(int gender) { return gender == kGenderNotGiven || (gender >= 0 && gender < kAllMale); }
}  // namespace

bool CanMakeMaleFemalePair(int gender_a, int gender_b) {
  if (gender_a == kGenderless || gender_b == kGenderless) return false;
  return (CanBeMale(gender_a) && CanBeFemale(gender_b)) || (CanBeFemale(gender_a) && CanBeMale(gender_b));
}

std::string BreedGroupLine(const DexPokemon& record) {
  const KeyedTable& groups = Data().tables.breedgroups;
  if (record.breedgroup2 == 0) return "Breeding group: " + groups.Row(record.breedgroup1).text;
  return "Breeding groups: " + groups.Row(record.breedgroup1).text + " and " +
         groups.Row(record.breedgroup2).text;
}

std::vector<BreedModeEntry> BreedModeEntries(std::int32_t g) {
  std::vector<BreedModeEntry> entries;
  if (g <= 2) entries.push_back({"Generation 2", kModeGen2});
  if (g <= 3) entries.push_back({"Generation 3", kModeGen3});
  if (g <= 4) entries.push_back({"Generation 4", kModeGen4});
  return entries;
}

std::intptr_t BreedModeFromSelection(bool has_selection, std::intptr_t data) {
  if (!has_selection || data < kModeGen2 || data > kModeGen4) return kModeGen4;
  return data;
}

BreedModeChoice ChooseBreedMode(std::intptr_t mode, std::int32_t g) {
  std::intptr_t position = mode - 1;
  if (g >= 3) --position;
  if (g >= 4) --position;
  if (position >= 0) return {static_cast<int>(position), mode};
  // A generation 3 Pokemon after "Generation 2" shows "Generation 3", its
  // oldest entry, so that the selection and the lists agree.
  if (g == 3) return {0, kModeGen3};
  return {0, kModeGen4};
}

namespace {

bool ModeAdmits(std::intptr_t mode, std::int32_t firstgeneration) {
  if (mode == kModeGen3) return firstgeneration <= 3;
  if (mode == kModeGen2) return firstgeneration <= 2;
  return true;
}

const std::string& MethodText(const BreedMove& move, std::intptr_t mode) {
  if (mode == kModeGen2) return move.methodgen2;
  if (mode == kModeGen3) return move.methodgen3;
  return move.methodgen4;
}

}  // namespace

std::string BreedPartnerText(const DexPokemon& record, const PokemonIndex& index,
                             std::intptr_t mode) {
  if (record.breedgroup1 == kBreedGroupNone) return "";
  std::string text = record.name + " breeds with: ";
  if (record.breedgroup1 == kBreedGroupAny) return text + "every Pokemon that can breed, except Ditto";
  bool first = true;
  for (const auto& [id, entry] : index) {
    if (!ModeAdmits(mode, entry.firstgeneration)) continue;
    if (CanBreedWith(record.breedgroup1, record.breedgroup2, entry.breedgroup1,
                     entry.breedgroup2) != 1)
      continue;
    if (entry.breedgroup1 != kBreedGroupAny && !CanMakeMaleFemalePair(record.gender, entry.gender))
      continue;
    if (!first) text += ", ";
    text += entry.name;
    first = false;
  }
  return text;
}

std::vector<ListRow> EggMoveRows(const DexPokemon& record, std::intptr_t mode) {
  std::vector<ListRow> rows;
  for (const BreedMove& egg : record.breedmoves) {
    const std::string& method = MethodText(egg, mode);
    if (method.empty()) continue;
    const DexMove& move = Move(egg.id);
    rows.push_back({move.name, move.type, move.id, {method}});
  }
  return rows;
}
