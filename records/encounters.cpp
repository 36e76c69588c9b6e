#include "records/encounter.h"

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

std::int32_t ReadConditions(const XmlReader& reader) {
  std::int32_t bits = 0;
  for (const auto& marker : kConditionMarkers)
    if (reader.HasChild(marker.element)) bits |= marker.bit;
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
