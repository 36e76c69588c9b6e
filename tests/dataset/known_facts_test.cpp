// Facts of the games as the committed data must give them through the data layer:
// generation 4 values (Platinum's own table where the other source errs), the held items of
// generations 1 and 2, evolutions, the program's units and codes, and its move numbering.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "dataset/committed_data.h"
#include "pages/evolution_summary.h"
#include "records/dex_data.h"
#include "support/report_capture.h"
#include "support/temp_workdir.h"

namespace {

std::string Text(const KeyedTable& table, int row) { return table.Row(row).text; }
std::string Joined(const KeyedTable& table, int first, int second) {
  std::string text = Text(table, first);
  if (second != 0) text.append(" / ").append(Text(table, second));
  return text;
}
std::string Number(std::int32_t n) { return std::to_string(n); }

using Field = std::string (*)(const DexPokemon&);
const std::map<std::string, Field> kFields = {
    {"name", [](const DexPokemon& p) { return p.name; }},
    {"types", [](const DexPokemon& p) { return Joined(Data().tables.stdtypes, p.type1, p.type2); }},
    {"breeding", [](const DexPokemon& p) {
       return Joined(Data().tables.breedgroups, p.breedgroup1, p.breedgroup2);
     }},
    {"gender", [](const DexPokemon& p) { return Number(p.gender); }},
    {"height", [](const DexPokemon& p) { return Number(p.height.ft) + "'" + Number(p.height.in); }},
    {"pounds", [](const DexPokemon& p) { return Number(p.weight); }},
    {"growth", [](const DexPokemon& p) { return Number(p.expformula); }},
    {"generation", [](const DexPokemon& p) { return Number(p.fromgeneration); }},
    {"rby special", [](const DexPokemon& p) { return Number(p.rbyspec); }},
    {"experience yield", [](const DexPokemon& p) { return Number(p.baseexperience); }},
    {"heavy ball class", [](const DexPokemon& p) { return Number(p.heavyballeffect); }},
    {"gsc items 25/8/100", [](const DexPokemon& p) {
       return p.wilditem25 + "/" + p.wilditem8 + "/" + p.wilditem100;
     }},
    {"trade item", [](const DexPokemon& p) { return p.tradeitem; }},
    {"evolutions", [](const DexPokemon& p) {
       std::string text;
       for (const Evolution& e : p.evolutions)
         text.append(text.empty() ? "" : "; ").append(EvolutionMethodText(e)).append(" to ").append(e.evolvesto);
       return text;
     }},
    {"first egg moves", [](const DexPokemon& p) {
       std::string names;
       for (std::size_t i = 0; i < p.breedmoves.size() && i < 3; ++i)
         names.append(i ? ", " : "").append(Move(p.breedmoves[i].id).name);
       return names;
     }},
    // chance% and times (1 day, 2 night, 4 morning) of the walking rows on Route 213
    {"route 213 in diamond", [](const DexPokemon& p) {
       std::string rows;
       for (const DexEncounter& e : p.locations[17])
         if (e.text == "213" && e.conditions < 8)
           rows.append(" ").append(Number(e.chance)).append("%/").append(Number(e.conditions));
       return rows;
     }},
};

struct Fact {
  const char* id;
  const char* field;
  const char* expected;
};

TEST(KnownPokemon, ReadAsInTheGames) {
  TempWorkdir dir;
  ReportCapture reports;
  LoadCommittedData(true);  // one file: quick to copy
  const Fact facts[] = {
      Fact{"1", "breeding", "Monster / Grass"}, Fact{"1", "gender", "14"}, Fact{"1", "rby special", "65"},
      Fact{"1", "evolutions", "Level 16 to 2"},
      // a Pokemon from Red/Blue holds the item its catch rate (45) names in Crystal's table
      Fact{"1", "trade item", "Bitter Berry"}, Fact{"25", "trade item", "Berry"},
      Fact{"25", "experience yield", "82"}, Fact{"113", "experience yield", "255"},
      Fact{"25", "gsc items 25/8/100", "/Berry/"},
      Fact{"35", "gsc items 25/8/100", "MysteryBerry/Moon Stone/"},
      Fact{"143", "gsc items 25/8/100", "Leftovers/Leftovers/"},
      // Pikachu and Raichu breed Pichu, so they carry its egg moves; Pichu keeps its own
      Fact{"26", "first egg moves", "Bide, Charge, DoubleSlap"},
      Fact{"172", "first egg moves", "Bide, Charge, DoubleSlap"},
      Fact{"172", "breeding", "Undiscovered"}, Fact{"172", "generation", "2"},
      Fact{"35", "types", "Normal"},  // Clefairy was a Normal type until generation 6
      Fact{"32", "name", "Nidoran M"},
      // genderless Pokemon breed with Ditto only; their own group comes second
      Fact{"81", "breeding", "Ditto only / Mineral"}, Fact{"81", "gender", "17"},
      Fact{"92", "pounds", "0"}, Fact{"479", "pounds", "1"},  // 0 shows 0.2 lbs; 0.7 lbs is 1
      Fact{"95", "evolutions", "Trade holding Metal Coat to 208"},
      Fact{"113", "gender", "0"}, Fact{"132", "breeding", "Ditto"},
      Fact{"143", "heavy ball class", "5"},
      Fact{"215", "evolutions", "Level up holding Razor Claw at night to 461"},
      Fact{"278", "route 213 in diamond", " 10%/2 20%/5"},  // 10% any time + 10% morning, day
      Fact{"290", "evolutions",
           "Level 20 to 291; Appears in a free party slot when Nincada evolves to 292"},
      Fact{"292", "breeding", "Ditto only / Mineral"}, Fact{"349", "growth", "5"},
      Fact{"458", "evolutions", "Level up with Remoraid in the party to 226"},
      Fact{"493", "height", "10'6"}, Fact{"493", "pounds", "705"}};
  for (const Fact& f : facts) EXPECT_EQ(kFields.at(f.field)(SelectPokemon(f.id)), f.expected) << f.id << " " << f.field;
  EXPECT_TRUE(reports.all().empty());
}

struct MoveFacts {
  std::int32_t id;
  const char* name;
  const char* type;
  std::int32_t power, pp, accuracy, effect_chance;
};

// Accuracy and effect chance are on the 0-255 scale: 90% is 229, 10% is 26 (shown as 10%).
TEST(KnownMove, HasItsGeneration4Values) {
  TempWorkdir dir;
  ReportCapture reports;
  LoadCommittedData(true);
  const MoveFacts facts[] = {{7, "AncientPower", "Rock", 60, 5, 255, 26},  {38, "Curse", "???", 0, 10, 255, 0},
                             {90, "Hi Jump Kick", "Fighting", 100, 20, 229, 0}, {174, "Sandstorm", "Rock", 0, 10, 255, 0},
                             {175, "Sand-Attack", "Ground", 0, 15, 255, 0}, {230, "Thunder", "Electric", 120, 10, 178, 77},
                             {355, "Shadow Rush", "Shadow", 55, 0, 255, 0}, {485, "Shadow Force", "Ghost", 120, 5, 255, 0}};
  for (const MoveFacts& f : facts) {
    const DexMove& m = Move(f.id);
    EXPECT_EQ(std::make_tuple(m.name, Text(Data().tables.stdtypes, m.type), m.power, m.pp, m.accuracy, m.movefxchance),
              std::make_tuple(f.name, f.type, f.power, f.pp, f.accuracy, f.effect_chance));
  }
}

}  // namespace
