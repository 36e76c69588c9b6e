#include "records/encounter.h"

#include <string>
#include <unordered_map>

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

// One pass over the row's children instead of a lookup per marker.
std::int32_t ReadConditions(const XmlReader& reader) {
  static const std::unordered_map<std::string, std::int32_t> bits_of = [] {
    std::unordered_map<std::string, std::int32_t> map;
    for (const auto& marker : kConditionMarkers) map.emplace(marker.element, marker.bit);
    return map;
  }();
  std::int32_t bits = 0;
  reader.ForEachChildName([&](const char* name) {
    const auto found = bits_of.find(name);
    if (found != bits_of.end()) bits |= found->second;
  });
  return bits;
}

}  // namespace

void ReadWildEncounters(XmlReader& reader, EncounterList& list) {
  reader.ForEachTopItem("location", [&] {
    list.push_back({IndexOfLocation(reader.ChildText("locid")), reader.ChildInt("lvllow"),
                    reader.ChildInt("lvlhigh"), reader.ChildText("text"), ReadConditions(reader),
                    reader.ChildInt("chance")});
  });
}

void ReadDungeonFloors(XmlReader& reader, EncounterList& list) {
  reader.ForEachTopItem("location", [&] {
    list.push_back({IndexOfLocation(reader.ChildText("locid")), reader.ChildInt("floorlow"),
                    reader.ChildInt("floorhigh"), reader.ChildText("text"), reader.ChildInt("level"),
                    reader.ChildInt("chance")});
  });
}
