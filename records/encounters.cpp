#include "records/encounter.h"

#include <string>
#include <unordered_map>

#include "records/atoi32.h"
#include "records/tables.h"
#include "records/xml_reader.h"

const std::array<VersionInfo, kVersionCount> kVersions{{
    {"redloc", "Red", 1},
    {"blueloc", "Blue", 1},
    {"yellowloc", "Yellow", 1},
    {"goldloc", "Gold", 2},
    {"silverloc", "Silver", 2},
    {"crystalloc", "Crystal", 2},
    {"rubyloc", "Ruby", 3},
    {"sapphireloc", "Sapphire", 3},
    {"fireredloc", "FireRed", 3},
    {"leafgreenloc", "LeafGreen", 3},
    {"coliloc", "Colosseum", 3},
    {"emeraldloc", "Emerald", 3},
    {"xdloc", "XD", 3},
    {"trozeiloc", "Trozei", 3},
    {"rangerloc", "Ranger", 3},
    {"mdredloc", "MD Red", 3},
    {"mdblueloc", "MD Blue", 3},
    {"diamondloc", "Diamond", 4},
    {"pearlloc", "Pearl", 4},
    {"platinumloc", "Platinum", 4},
    {"heartgoldloc", "HeartGold", 4},
    {"soulsilverloc", "SoulSilver", 4},
}};

namespace {

struct ConditionMarker {
  const char* element;
  std::int32_t bit;
};

// Both Sapphire markers set the same bit, which counts once.
constexpr ConditionMarker kConditionMarkers[] = {
    {"day", kCondDay},
    {"evening", kCondEvening},
    {"morning", kCondMorning},
    {"swarm", kCondSwarm},
    {"surf", kCondSurf},
    {"fisholdrod", kCondFishOldRod},
    {"fishgoodrod", kCondFishGoodRod},
    {"fishsuperrod", kCondFishSuperRod},
    {"rubygba", kCondRubyGba},
    {"sappbygba", kCondSapphireGba},
    {"sappgba", kCondSapphireGba},
    {"emergba", kCondEmeraldGba},
    {"frgba", kCondFireRedGba},
    {"lggba", kCondLeafGreenGba},
    {"radar", kCondRadar},
};

enum class RowField { kLocid, kLow, kHigh, kText, kLevel, kChance };

// Reads one row in one pass over its children, where a lookup per field and
// per condition marker would walk them twenty times. As with ChildText, the
// first element of a name counts.
DexEncounter ReadRow(const XmlReader& reader, bool dungeon) {
  static const std::unordered_map<std::string, std::int32_t> bits_of = [] {
    std::unordered_map<std::string, std::int32_t> map;
    for (const auto& marker : kConditionMarkers) map.emplace(marker.element, marker.bit);
    return map;
  }();
  static const std::unordered_map<std::string, RowField> wild_fields{
      {"locid", RowField::kLocid}, {"lvllow", RowField::kLow}, {"lvlhigh", RowField::kHigh},
      {"text", RowField::kText},   {"chance", RowField::kChance}};
  static const std::unordered_map<std::string, RowField> dungeon_fields{
      {"locid", RowField::kLocid}, {"floorlow", RowField::kLow}, {"floorhigh", RowField::kHigh},
      {"text", RowField::kText},   {"level", RowField::kLevel},  {"chance", RowField::kChance}};
  const auto& fields = dungeon ? dungeon_fields : wild_fields;
  DexEncounter row;
  std::string locid;
  unsigned seen = 0;
  reader.ForEachChildText([&](const char* name, const std::string& text) {
    if (!dungeon) {
      if (const auto bit = bits_of.find(name); bit != bits_of.end()) row.conditions |= bit->second;
    }
    const auto field = fields.find(name);
    if (field == fields.end()) return;
    const unsigned mask = 1u << static_cast<unsigned>(field->second);
    if (seen & mask) return;
    seen |= mask;
    switch (field->second) {
      case RowField::kLocid: locid = text; break;
      case RowField::kLow: row.low = Atoi32(text); break;
      case RowField::kHigh: row.high = Atoi32(text); break;
      case RowField::kText: row.text = text; break;
      case RowField::kLevel: row.conditions = Atoi32(text); break;
      case RowField::kChance: row.chance = Atoi32(text); break;
    }
  });
  row.location = IndexOfLocation(locid);
  return row;
}

}  // namespace

void ReadWildEncounters(XmlReader& reader, EncounterList& list) {
  reader.ForEachTopItem("location", [&] { list.push_back(ReadRow(reader, false)); });
}

void ReadDungeonFloors(XmlReader& reader, EncounterList& list) {
  reader.ForEachTopItem("location", [&] { list.push_back(ReadRow(reader, true)); });
}
