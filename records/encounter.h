#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class XmlReader;

// One wild-encounter row. Mystery Dungeon rows (versions 15 and 16) keep
// floors in low/high and the Pokemon's level in `conditions`.
struct DexEncounter {
  int location = 0;  // position in the location table
  std::int32_t low = 0;
  std::int32_t high = 0;
  std::string text;  // the parameter put into a location name that has one
  std::int32_t conditions = 0;
  std::int32_t chance = 0;  // per cent; 0 means not given
};

inline constexpr int kVersionCount = 22;
inline constexpr int kMdRedVersion = 15;
inline constexpr int kMdBlueVersion = 16;

// Condition bits of ordinary rows.
enum EncounterCondition : std::int32_t {
  kCondDay = 0x1,
  kCondEvening = 0x2,
  kCondMorning = 0x4,
  kCondTimeMask = 0x7,
  kCondSwarm = 0x10,
  kCondSurf = 0x20,
  kCondFishOldRod = 0x40,
  kCondFishGoodRod = 0x80,
  kCondFishSuperRod = 0x100,
  kCondRubyGba = 0x200,
  kCondSapphireGba = 0x400,
  kCondEmeraldGba = 0x800,
  kCondFireRedGba = 0x1000,
  kCondLeafGreenGba = 0x2000,
  kCondRadar = 0x4000,
};

struct VersionInfo {
  const char* element;  // version element in a Pokemon record
  const char* name;     // name shown on the Locations page
  int generation;
};

// Indexed by version code.
extern const std::array<VersionInfo, kVersionCount> kVersions;

using EncounterList = std::vector<DexEncounter>;

// Both readers start on a version element, append one row per `location`
// child in document order and leave the cursor on the version element.
void ReadWildEncounters(XmlReader& reader, EncounterList& list);
void ReadDungeonFloors(XmlReader& reader, EncounterList& list);
