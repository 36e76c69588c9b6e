#include "texts/dex_entry_texts.h"

const std::array<DexEntryRow, kDexEntryRows> kDexEntryRowTable{{
    {"crtrgreendexid", 10, 30, 141, "Green: ", "Green: Not available", &DexPokemon::greendexentry, 1},
    {"crtrrbdexid", 48, 30, 142, "Red: ", "Red: Not available", &DexPokemon::rbdexentry, 1},
    {"crtrydexid", 76, 30, 143, "Yellow: ", "Yellow: Not available", &DexPokemon::ydexentry, 1},
    {"crtrstdexid", 104, 30, 144, "Stadium 1: ", "Stadium 1: Not available",
     &DexPokemon::stad1dexentry, 1},
    {"crtrglddexid", 132, 30, 145, "Gold: ", "Gold: Not available", &DexPokemon::gdexentry, 2},
    {"crtrslvdexid", 160, 30, 146, "Silver: ", "Silver: Not available", &DexPokemon::sdexentry, 2},
    {"crtrcrydexid", 188, 30, 147, "Crystal: ", "Crystal: Not available", &DexPokemon::cdexentry, 2},
    {"crtrrubdexid", 216, 50, 148, "Ruby: ", "Ruby: Not available", &DexPokemon::rudexentry, 3},
    {"crtrsapdexid", 255, 50, 149, "Sapphire: ", "Sapphire: Not available",
     &DexPokemon::sadexentry, 3},
    {"crtrfrdexid", 295, 50, 300, "FireRed: ", "FireRed: Not available", &DexPokemon::frdexentry, 3},
    {"crtrlgdexid", 325, 50, 301, "LeafGreen: ", "LeafGreen: Not available",
     &DexPokemon::lgdexentry, 3},
    {"crtremdexid", 355, 50, 302, "Emerald: ", "Emerald: Not available", &DexPokemon::emdexentry, 3},
    {"crtrdidexid", 385, 50, 303, "Diamond: ", "Diamond: Not available", &DexPokemon::ddexentry, 4},
    {"crtrpedexid", 415, 50, 304, "Pearl: ", "Pearl: Not available", &DexPokemon::pdexentry, 4},
}};

std::string DexEntryText(const DexEntryRow& row, const DexPokemon& record) {
  const std::int32_t g = record.fromgeneration;
  if (g < 1 || g > row.last_generation) return row.unavailable;
  return row.label + record.*row.entry;
}

bool HoldsDexEntries(const DexPokemon& record) {
  for (const DexEntryRow& row : kDexEntryRowTable)
    if (!(record.*row.entry).empty()) return true;
  return false;
}

std::array<std::string, kDexEntryRows> DexEntryTexts(const DexPokemon& record) {
  std::array<std::string, kDexEntryRows> texts;
  if (!HoldsDexEntries(record)) {
    texts[0] = kNoDexEntriesHint;
    return texts;
  }
  for (std::size_t i = 0; i < kDexEntryRows; ++i) texts[i] = DexEntryText(kDexEntryRowTable[i], record);
  return texts;
}
