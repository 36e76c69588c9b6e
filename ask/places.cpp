#include "ask/places.h"

#include <algorithm>
#include <memory>
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

namespace {
const PlaceIndex& Places() {
  const AskIndex& index = Ask();
  if (index.places) return *index.places;
  auto places = std::make_unique<PlaceIndex>();
  std::set<std::string> names;
  for (std::size_t p = 0; p < index.pokemon.size(); ++p)
    for (int v = 0; v < kVersionCount; ++v)
      for (const DexEncounter& encounter : index.pokemon[p].record->locations[static_cast<std::size_t>(v)]) {
        std::string name = PlaceNameOf(encounter);
        std::string base = BasePlace(name);
        const std::string base_key = NameKey(base);
        const std::string whole_key = NameKey(name);
        if (whole_key != base_key) places->by_key[whole_key].push_back({p, v, &encounter, name});
        places->by_key[base_key].push_back({p, v, &encounter, std::move(name)});
        names.insert(std::move(base));
      }
  places->base_names.assign(names.begin(), names.end());
  index.places = std::move(places);
  return *index.places;
}
}  // namespace

std::vector<std::string> PlaceNames() { return Places().base_names; }

std::vector<PlaceRow> WhoLivesAt(const std::string& place, std::optional<int> version,
                                 std::optional<int> time_bit) {
  std::vector<PlaceRow> rows;
  const PlaceIndex& places = Places();
  const auto found = places.by_key.find(NameKey(place));
  if (found == places.by_key.end()) return rows;
  const AskIndex& index = Ask();
  for (const PlaceFact& fact : found->second) {
    const int v = fact.version;
    if (version && *version != v) continue;
    const int times = IsDungeon(v) ? 0 : fact.encounter->conditions & kCondTimeMask;
    if (time_bit && times != 0 && (times & *time_bit) == 0) continue;
    const AskPokemon& pokemon = index.pokemon[fact.pokemon];
    rows.push_back({pokemon.id, pokemon.dexno, pokemon.name, v, fact.name, *fact.encounter});
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
