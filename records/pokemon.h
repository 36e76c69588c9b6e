#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "records/encounter.h"
#include "records/evolutions.h"

struct BreedMove {
  std::int32_t id = 0;
  std::string methodgen2;
  std::string methodgen3;
  std::string methodgen4;
};

struct LevelMove {
  std::int32_t id = 0;
  std::int32_t rblvl = 0;
  std::int32_t ylvl = 0;
  std::int32_t gslvl = 0;
  std::int32_t clvl = 0;
  std::int32_t rslvl = 0;
  std::int32_t frlglvl = 0;
  std::int32_t xdlvl = 0;
  std::int32_t dplvl = 0;
  // Platinum and HeartGold/SoulSilver; 0 in data sets made before them.
  std::int32_t ptlvl = 0;
  std::int32_t hgsslvl = 0;
};

// Machine flag slots; slot 0 is never set.
inline constexpr std::size_t kGen1TmSlots = 56;
inline constexpr std::size_t kGen2TmSlots = 61;
inline constexpr std::size_t kGen3TmSlots = 92;
inline constexpr std::size_t kGen4TmSlots = 105;
// Platinum's and HeartGold/SoulSilver's flags: HM01-HM08 in slots 1-8, tutor grid cells
// MT01-MT56 in slots 9-64.
inline constexpr std::size_t kPtHgssTmSlots = 65;
inline constexpr int kPtHgssFirstTutorSlot = 9;

// Effort (stat experience) bits of `statexpgain`; not in stat order.
enum StatExpBit : std::uint32_t {
  kHp1 = 0x1, kHp2 = 0x2, kHp3 = 0x8000,
  kAtk1 = 0x4, kAtk2 = 0x8, kAtk3 = 0x10000,
  kDef1 = 0x10, kDef2 = 0x20, kDef3 = 0x20000,
  kSpd1 = 0x400, kSpd2 = 0x800, kSpd3 = 0x4000,
  kSatk1 = 0x40, kSatk2 = 0x80, kSatk3 = 0x1000,
  kSdef1 = 0x100, kSdef2 = 0x200, kSdef3 = 0x2000,
};

// Everything known about one Pokemon; fields bear their XML element names.
struct DexPokemon {
  std::int32_t dexno = 0;
  std::int32_t johtodex = 0;
  std::int32_t hoenndex = 0;
  std::int32_t sinnohdex = 0;
  std::string name;
  std::string species;
  int type1 = 0;  // positions in the standard types
  int type2 = 0;
  Height height;
  std::int32_t weight = 0;  // whole pounds
  std::string lowestevo;
  std::vector<Evolution> evolutions;

  std::string greendexentry, rbdexentry, ydexentry, gdexentry, sdexentry, cdexentry,
      stad1dexentry, rudexentry, sadexentry, frdexentry, lgdexentry, emdexentry, ddexentry,
      pdexentry;

  std::int32_t gender = 0;
  std::string wilditem8, wilditem25, wilditem100, tradeitem, rswilditem, frlgwilditem,
      dpwilditem;
  // The generation 2 item of one moved from Yellow, where it differs from tradeitem;
  // absent from older data sets.
  std::string ytradeitem;

  std::int32_t attack = 0;
  std::int32_t defense = 0;
  std::int32_t specattk = 0;
  std::int32_t specdef = 0;
  std::int32_t rbyspec = 0;
  std::int32_t speed = 0;
  std::int32_t hp = 0;

  std::int32_t catchrate = 0;
  bool fastballeffect = false;
  std::int32_t heavyballeffect = 0;
  std::int32_t baseexperience = 0;
  std::int32_t expformula = 0;
  int breedgroup1 = 0;  // positions in the breeding groups
  int breedgroup2 = 0;
  std::int32_t hatchsteps = 0;
  std::vector<BreedMove> breedmoves;
  std::vector<LevelMove> moves;
  std::int32_t fromgeneration = 0;

  std::array<bool, kGen1TmSlots> gen1tm{};
  std::array<bool, kGen2TmSlots> gen2tm{};
  std::array<bool, kGen3TmSlots> gen3tm{};
  std::array<bool, kGen4TmSlots> gen4tm{};
  // Empty in data sets made before Platinum and HeartGold/SoulSilver.
  std::array<bool, kPtHgssTmSlots> pttm{};
  std::array<bool, kPtHgssTmSlots> hgsstm{};

  std::string shinygsc, shinyrs, shinydp, dpgenderdiff;
  int gen3ability1 = 0;  // positions in the abilities, looked up by name
  int gen3ability2 = 0;
  int gen4ability1 = 0;
  int gen4ability2 = 0;
  int colour = 0;
  std::uint32_t statexpgain = 0;
  int habitat = 0;
  std::int32_t mdbodysize = 0;
  std::int32_t mdrecruitrate = 0;  // tenths of a per cent; 0: only by evolution
  int friendarea = 0;

  // One list per version code (see kVersions).
  std::array<EncounterList, kVersionCount> locations;
};

// Reads the record of `id` into the record store; a record already stored
// for that id stays. False when no record could be read.
bool LoadPokemon(const std::string& id);
