#include "ask/places.h"

#include <algorithm>
#include <set>

#include "ask/ask_index.h"
#include "ask/names.h"
#include "records/tables.h"

namespace ask {
namespace {

bool IsDungeon(int version) { return version == kMdRedVersion || version == kMdBlueVersion; }

struct ConditionWord {
  std::int32_t bit;
  const char* word;
};
constexpr ConditionWord kConditionWords[] = {
    {kCondSwarm, "swarm"},
    {kCondSurf, "surf"},
    {kCondFishOldRod, "Old Rod"},
    {kCondFishGoodRod, "Good Rod"},
    {kCondFishSuperRod, "Super Rod"},
    {kCondRubyGba, "Ruby in the GBA slot"},
    {kCondSapphireGba, "Sapphire in the GBA slot"},
    {kCondEmeraldGba, "Emerald in the GBA slot"},
    {kCondFireRedGba, "FireRed in the GBA slot"},
    {kCondLeafGreenGba, "LeafGreen in the GBA slot"},
    {kCondRadar, "Poke Radar"},
};

}  // namespace

std::optional<int> TimeBit(const std::string& word) {
  const std::string key = NameKey(word);
  if (key == "morning") return kCondMorning;
  if (key == "day") return kCondDay;
  if (key == "night" || key == "evening") return kCondEvening;
  return std::nullopt;
}

std::string PlaceNameOf(const DexEncounter& encounter) {
  const LocationRow& row = LocationAt(encounter.location);
  if (!row.hasParam) return row.text;
  std::string name = row.text;
  const std::size_t at = name.find("%s");
  if (at == std::string::npos) return encounter.text.empty() ? name : name + " " + encounter.text;
  return name.replace(at, 2, encounter.text);
}

std::string BasePlace(const std::string& place) {
  const std::size_t bracket = place.find(" (");
  return bracket == std::string::npos || place.back() != ')' ? place : place.substr(0, bracket);
}

std::vector<std::string> PlaceNames() {
  std::set<std::string> names;
  for (const AskPokemon& pokemon : Ask().pokemon)
    for (const EncounterList& list : pokemon.record->locations)
      for (const DexEncounter& encounter : list) names.insert(BasePlace(PlaceNameOf(encounter)));
  return {names.begin(), names.end()};
}

std::vector<PlaceRow> WhoLivesAt(const std::string& place, std::optional<int> version,
                                 std::optional<int> time_bit) {
  const std::string key = NameKey(place);
  std::vector<PlaceRow> rows;
  for (const AskPokemon& pokemon : Ask().pokemon)
    for (int v = 0; v < kVersionCount; ++v) {
      if (version && *version != v) continue;
      for (const DexEncounter& encounter : pokemon.record->locations[static_cast<std::size_t>(v)]) {
        const std::string name = PlaceNameOf(encounter);
        if (NameKey(name) != key && NameKey(BasePlace(name)) != key) continue;
        const int times = IsDungeon(v) ? 0 : encounter.conditions & kCondTimeMask;
        if (time_bit && times != 0 && (times & *time_bit) == 0) continue;
        rows.push_back({pokemon.id, pokemon.dexno, pokemon.name, v, name, encounter});
      }
    }
  return rows;
}

std::string LevelsText(const PlaceRow& row) {
  const DexEncounter& e = row.encounter;
  if (IsDungeon(row.version)) return std::to_string(e.conditions);
  if (e.low == 0) return "";
  if (e.high == e.low || e.high == 0) return std::to_string(e.low);
  return std::to_string(e.low) + "-" + std::to_string(e.high);
}

std::string TimeText(const PlaceRow& row) {
  if (IsDungeon(row.version)) return "";
  const int times = row.encounter.conditions & kCondTimeMask;
  if (times == kCondTimeMask) return "any time";
  std::string text;
  for (const auto& [bit, word] : {std::pair{kCondMorning, "morning"}, std::pair{kCondDay, "day"},
                                  std::pair{kCondEvening, "night"}})
    if (times & bit) text += (text.empty() ? "" : ", ") + std::string(word);
  return text;
}

std::string ChanceText(const PlaceRow& row) {
  return row.encounter.chance == 0 ? "" : std::to_string(row.encounter.chance) + "%";
}

std::string WayText(const PlaceRow& row) {
  std::string way;
  const std::string base = BasePlace(row.place);
  if (base.size() < row.place.size()) way = row.place.substr(base.size() + 2, row.place.size() - base.size() - 3);
  if (IsDungeon(row.version)) return way;  // the dungeon's name carries its floors
  for (const auto& [bit, word] : kConditionWords)
    if (row.encounter.conditions & bit) way += (way.empty() ? "" : ", ") + std::string(word);
  return way;
}

}  // namespace ask
