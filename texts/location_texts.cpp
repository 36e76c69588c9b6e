#include "texts/location_texts.h"

#include <array>

std::vector<int> VersionCodesFor(std::int32_t g) {
  std::vector<int> codes;
  if (g < 1 || g > 4) return codes;
  for (int code = 0; code < kVersionCount; ++code)
    if (kVersions[static_cast<std::size_t>(code)].generation >= g) codes.push_back(code);
  return codes;
}

bool IsKnownVersion(std::intptr_t code) { return code >= 0 && code < kVersionCount; }

bool IsDungeonVersion(int code) { return code == kMdRedVersion || code == kMdBlueVersion; }

std::string PlaceName(const LocationRow& place, const std::string& parameter) {
  if (!place.hasParam) return place.text;
  const std::size_t at = place.text.find("%s");
  if (at == std::string::npos) return place.text + " " + parameter;
  std::string text = place.text;
  text.replace(at, 2, parameter);
  return text;
}

namespace {

struct MethodSuffix {
  std::int32_t bit;
  const char* text;
};

constexpr std::array<MethodSuffix, 11> kMethodSuffixes{{
    {kCondSwarm, " (Swarm)"},
    {kCondSurf, " (Surf)"},
    {kCondFishOldRod, " (Fishing Old Rod)"},
    {kCondFishGoodRod, " (Fishing Good Rod)"},
    {kCondFishSuperRod, " (Fishing Super Rod)"},
    {kCondRubyGba, " (Ruby in GBA Slot)"},
    {kCondSapphireGba, " (Sapphire in GBA Slot)"},
    {kCondEmeraldGba, " (Emerald in GBA Slot)"},
    {kCondFireRedGba, " (FireRed in GBA Slot)"},
    {kCondLeafGreenGba, " (LeafGreen in GBA Slot)"},
    {kCondRadar, " (Pokeradar)"},
}};

// The second time bit marks the games' night table (Crystal's 18:00-3:59), not an evening.
constexpr std::array<const char*, 8> kTimeTexts{
    "", "Day", "Night", "Day and Night", "Morning", "Day and Morning", "Morning and Night", "Always"};

}  // namespace

std::string MethodSuffixes(std::int32_t conditions) {
  std::string text;
  if (conditions < kCondSwarm) return text;  // no method bit: every one lies above the time bits
  for (const MethodSuffix& suffix : kMethodSuffixes)
    if ((conditions & suffix.bit) != 0) text += suffix.text;
  return text;
}

std::string LevelsText(const DexEncounter& row, int version) {
  // Dungeon rows keep the Pokemon's level where other rows keep conditions.
  if (IsDungeonVersion(version)) return std::to_string(row.conditions);
  if (row.low == 0) return "";
  if (row.high == row.low) return std::to_string(row.low);
  return std::to_string(row.low) + " to " + std::to_string(row.high);
}

std::string TimeText(const DexEncounter& row, int version) {
  if (IsDungeonVersion(version)) return "";
  return kTimeTexts[static_cast<std::size_t>(row.conditions & kCondTimeMask)];
}

std::string ChanceText(const DexEncounter& row) {
  if (row.chance == 0) return "";
  return std::to_string(row.chance) + "%";
}

std::string LocationText(const DexEncounter& row, int version) {
  std::string text = PlaceName(LocationAt(row.location), row.text);
  if (!IsDungeonVersion(version)) return text + MethodSuffixes(row.conditions);
  // A dungeon row starting at floor 0 names its floors after the dungeon.
  if (row.low == 0)
    text += " Floor " + std::to_string(row.low) + " to " + std::to_string(row.high);
  return text;
}

std::vector<ListRow> EncounterRows(const EncounterList& list, int version) {
  std::vector<ListRow> rows;
  rows.reserve(list.size());
  for (const DexEncounter& row : list)
    rows.push_back({LocationText(row, version), 0, 0,
                    {LevelsText(row, version), TimeText(row, version), ChanceText(row)}});
  return rows;
}
