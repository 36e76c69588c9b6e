#include "texts/compare_texts.h"

#include "calc/compare_values.h"
#include "records/pokemon_index.h"

namespace {
std::string ValueText(const IndexEntry& entry, std::int32_t category) {
  std::int32_t value = 0;
  if (!StoredCategoryValue(entry, category, value)) return {};
  if (category == kCompareHeight) return std::to_string(entry.height.ft) + "'" + std::to_string(entry.height.in) + "\"";
  // The Main page's weight: a stored 0 is the lightest, 0.2 lbs.
  if (category == kCompareWeight) return value == 0 ? "0.2lbs" : std::to_string(value) + "lbs";
  return std::to_string(value);
}
}  // namespace

std::string CompareBarLabel(const std::string& selection, std::int32_t category) {
  if (selection.empty()) return {};
  const bool found = selection == kCompareLowest || selection == kCompareHighest;
  const std::string id =
      selection == kCompareLowest ? FindLowest(category) : selection == kCompareHighest ? FindHighest(category) : selection;
  if (!IsPokemon(id)) return {};
  const IndexEntry& entry = IndexEntryOf(id);
  const std::string value = ValueText(entry, category);
  return found ? value + "\n" + entry.name : value;
}
