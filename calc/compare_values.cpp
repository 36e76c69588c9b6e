#include "calc/compare_values.h"

#include "calc/wrap32.h"
#include "records/pokemon_index.h"
#include "records/report.h"

const std::array<ListChoice, 8> kCompareCategories{{
    {"HP", 0}, {"Attack", 1}, {"Defense", 2}, {"Speed", 3}, {"Special Attack", 4},
    {"Special Defense", 5}, {"Weight", kCompareWeight}, {"Height", kCompareHeight},
}};

bool StoredCategoryValue(const IndexEntry& entry, std::int32_t category, std::int32_t& value) {
  switch (category) {
    case 0: value = entry.hp; return true;
    case 1: value = entry.attack; return true;
    case 2: value = entry.defense; return true;
    case 3: value = entry.speed; return true;
    case 4: value = entry.specattk; return true;
    case 5: value = entry.specdef; return true;
    case kCompareWeight: value = entry.weight; return true;
    case kCompareHeight: value = Add32(Mul32(entry.height.ft, 12), entry.height.in); return true;
    default: return false;
  }
}

namespace {

// Walks the whole index; `better` decides when a later Pokemon replaces the best.
template <typename Better>
std::string FindBest(std::int32_t category, Better better) {
  std::string best_id;
  std::int32_t best_value = 0;
  for (const auto& [id, entry] : Index()) {
    std::int32_t value = 0;
    if (!StoredCategoryValue(entry, category, value)) return {};
    if (best_id.empty() || better(value, best_value)) {
      best_id = id;
      best_value = value;
    }
  }
  return best_id;
}

}  // namespace

std::string FindLowest(std::int32_t category) {
  return FindBest(category, [](std::int32_t value, std::int32_t best) { return value < best; });
}

std::string FindHighest(std::int32_t category) {
  return FindBest(category, [](std::int32_t value, std::int32_t best) { return value > best; });
}

std::int32_t CompareValue(const std::string& selection, std::int32_t category) {
  std::string id = selection;
  if (id == kCompareLowest) {
    id = FindLowest(category);
  } else if (id == kCompareHighest) {
    id = FindHighest(category);
  }
  // "None", and "Lowest" or "Highest" of an empty index.
  if (id.empty()) return 0;
  const IndexEntry& entry = IndexEntryOf(id);
  std::int32_t value = 0;
  if (!StoredCategoryValue(entry, category, value)) {
    Report("Invalid compcat " + std::to_string(category), "CreateCompGraph 2");
    return 0;
  }
  if (category == kCompareWeight && value <= 0) return 1;
  return value;
}

std::array<std::int32_t, kCompareBarCount> CompareBarWidths(
    const std::array<std::int32_t, kCompareBarCount>& values) {
  std::int32_t largest = values[0];
  for (const std::int32_t v : values)
    if (v > largest) largest = v;
  std::array<std::int32_t, kCompareBarCount> widths{};
  if (largest <= 0) return widths;
  for (std::size_t k = 0; k < values.size(); ++k) {
    // 64 bits: a hand-edited weight could make the product leave the int range.
    const std::int64_t width = std::int64_t{values[k]} * kCompareBarLength / largest;
    widths[k] = width > 0 ? static_cast<std::int32_t>(width) : 0;
  }
  return widths;
}
