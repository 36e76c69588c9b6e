// Facts of the games as the committed data must give them through the data layer:
// generation 4 values, the program's units and codes, and its move numbering.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "dataset/committed_data.h"
#include "records/dex_data.h"
#include "records/move.h"
#include "records/pokemon_index.h"
#include "records/tables.h"
#include "support/report_capture.h"
#include "support/temp_workdir.h"

namespace {

class DataSetTest {
 protected:
  DataSetTest() {
    InstallCommittedData(dir_, DataSource::kFiles);
    LoadDataLayer();
  }
  TempWorkdir dir_;
  ReportCapture reports_;
};

std::string Text(const KeyedTable& table, int row) { return table.Row(row).text; }

struct PokemonFacts {
  const char* id;
  const char* name;
  const char* types;   // "Grass / Poison", as the type names of the table
  const char* groups;  // breeding group names joined by " / "
  std::int32_t gender;
  std::int32_t feet, inches, pounds;
  std::int32_t expformula;
  std::int32_t generation;
};

std::ostream& operator<<(std::ostream& out, const PokemonFacts& f) { return out << f.name; }

class KnownPokemon : public DataSetTest, public testing::TestWithParam<PokemonFacts> {};

TEST_P(KnownPokemon, ReadsAsInTheGames) {
  const PokemonFacts& f = GetParam();
  const DexPokemon p = SelectPokemon(f.id);
  const DexTables& t = Data().tables;

  EXPECT_EQ(p.name, f.name);
  std::string types = Text(t.stdtypes, p.type1);
  if (p.type2 != 0) types += " / " + Text(t.stdtypes, p.type2);
  EXPECT_EQ(types, f.types);
  std::string groups = Text(t.breedgroups, p.breedgroup1);
  if (p.breedgroup2 != 0) groups += " / " + Text(t.breedgroups, p.breedgroup2);
  EXPECT_EQ(groups, f.groups);
  EXPECT_EQ(p.gender, f.gender);
  EXPECT_EQ(p.height.ft, f.feet);
  EXPECT_EQ(p.height.in, f.inches);
  EXPECT_EQ(p.weight, f.pounds);
  EXPECT_EQ(p.expformula, f.expformula);
  EXPECT_EQ(p.fromgeneration, f.generation);
  EXPECT_TRUE(reports_.all().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Pokemon, KnownPokemon,
    testing::Values(
        PokemonFacts{"1", "Bulbasaur", "Grass / Poison", "Monster / Grass", 14, 2, 4, 15, 3, 1},
        // Clefairy was a Normal type until generation 6
        PokemonFacts{"35", "Clefairy", "Normal", "Fairy", 4, 2, 0, 16, 1, 1},
        PokemonFacts{"32", "Nidoran M", "Poison", "Monster / Field", 16, 1, 8, 19, 3, 1},
        // genderless Pokemon breed with Ditto only; their own group comes second
        PokemonFacts{"81", "Magnemite", "Electric / Steel", "Ditto only / Mineral", 17, 1, 0, 13, 2, 1},
        PokemonFacts{"92", "Gastly", "Ghost / Poison", "Amorphous", 8, 4, 3, 0, 3, 1},
        PokemonFacts{"113", "Chansey", "Normal", "Fairy", 0, 3, 7, 76, 1, 1},
        PokemonFacts{"132", "Ditto", "Normal", "Ditto", 17, 1, 0, 8, 2, 1},
        PokemonFacts{"172", "Pichu", "Electric", "Undiscovered", 8, 1, 0, 4, 2, 2},
        PokemonFacts{"292", "Shedinja", "Bug / Ghost", "Ditto only / Mineral", 17, 2, 7, 2, 5, 3},
        PokemonFacts{"349", "Feebas", "Water", "Water 1 / Dragon", 8, 2, 0, 16, 5, 3},
        PokemonFacts{"493", "Arceus", "Normal", "Undiscovered", 17, 10, 6, 705, 4, 4}),
    [](const auto& p) { return "Pokemon" + std::string(p.param.id); });

struct EvolutionFacts {
  const char* from;
  const char* to;
  const char* text;  // the method text with its parameter put in
};

std::ostream& operator<<(std::ostream& out, const EvolutionFacts& f) {
  return out << f.from << " to " << f.to;
}

std::string MethodText(const Evolution& e) {
  const EvoMethod& m = EvolutionMethod(e.evomethod);
  if (m.ignore) return m.text;
  std::string text = m.text;
  const auto put = [&text](const std::string& mark, const std::string& value) {
    const auto at = text.find(mark);
    if (at != std::string::npos) text.replace(at, mark.size(), value);
  };
  if (m.usenum) {
    put("{param}", std::to_string(e.evoparam));
  } else {
    const EvoParam& p = m.params.at(static_cast<std::size_t>(e.evoparam));
    put("{param}", p.text);
    put("{param2}", p.text2);
  }
  return text;
}

class KnownEvolution : public DataSetTest, public testing::TestWithParam<EvolutionFacts> {};

TEST_P(KnownEvolution, IsDescribedByItsMethod) {
  const EvolutionFacts& f = GetParam();
  std::string found;
  for (const Evolution& e : IndexEntryOf(f.from).evolutions)
    if (e.evolvesto == f.to) found = MethodText(e);
  EXPECT_EQ(found, f.text);
  EXPECT_TRUE(reports_.all().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Evolutions, KnownEvolution,
    testing::Values(EvolutionFacts{"1", "2", "Level 16"},
                    EvolutionFacts{"133", "134", "Use Water Stone"},
                    EvolutionFacts{"133", "197", "Level up with high friendship at night"},
                    EvolutionFacts{"133", "470", "Level up beside the special rock at Eterna Forest"},
                    EvolutionFacts{"95", "208", "Trade holding Metal Coat"},
                    EvolutionFacts{"64", "65", "Trade"},
                    EvolutionFacts{"236", "237", "Level 20 with Attack equal to Defense"},
                    EvolutionFacts{"290", "292", "Appears in a free party slot when Nincada evolves"},
                    EvolutionFacts{"215", "461", "Level up holding Razor Claw at night"},
                    EvolutionFacts{"458", "226", "Level up with Remoraid in the party"},
                    EvolutionFacts{"281", "475", "Use Dawn Stone on a male"},
                    EvolutionFacts{"349", "350", "Level up with Beauty 170 or more"}),
    [](const auto& p) { return "From" + std::string(p.param.from) + "To" + p.param.to; });

struct MoveFacts {
  std::int32_t id;
  const char* name;
  const char* type;
  std::int32_t power, pp, accuracy, effect_chance;
};

std::ostream& operator<<(std::ostream& out, const MoveFacts& f) { return out << f.name; }

class KnownMove : public DataSetTest, public testing::TestWithParam<MoveFacts> {};

TEST_P(KnownMove, HasItsGeneration4Values) {
  const MoveFacts& f = GetParam();
  const DexMove& m = Move(f.id);
  EXPECT_EQ(m.name, f.name);
  EXPECT_EQ(Text(Data().tables.stdtypes, m.type), f.type);
  EXPECT_EQ(m.power, f.power);
  EXPECT_EQ(m.pp, f.pp);
  EXPECT_EQ(m.accuracy, f.accuracy);
  EXPECT_EQ(m.movefxchance, f.effect_chance);
}

// Accuracy and effect chance are on the 0-255 scale: 90% is 229, 10% is 26 (shown as 10%).
INSTANTIATE_TEST_SUITE_P(
    Moves, KnownMove,
    testing::Values(MoveFacts{1, "Absorb", "Grass", 20, 25, 255, 0},
                    MoveFacts{7, "AncientPower", "Rock", 60, 5, 255, 26},
                    MoveFacts{38, "Curse", "???", 0, 10, 255, 0},
                    MoveFacts{72, "Fly", "Flying", 90, 15, 242, 0},
                    MoveFacts{90, "Hi Jump Kick", "Fighting", 100, 20, 229, 0},
                    MoveFacts{174, "Sandstorm", "Rock", 0, 10, 255, 0},
                    MoveFacts{175, "Sand-Attack", "Ground", 0, 15, 255, 0},
                    MoveFacts{224, "Tackle", "Normal", 35, 35, 242, 0},
                    MoveFacts{230, "Thunder", "Electric", 120, 10, 178, 77},
                    MoveFacts{232, "Thunderbolt", "Electric", 95, 15, 255, 26},
                    MoveFacts{320, "GrassWhistle", "Grass", 0, 15, 140, 0},
                    MoveFacts{355, "Shadow Rush", "Shadow", 55, 0, 255, 0},
                    MoveFacts{485, "Shadow Force", "Ghost", 120, 5, 255, 0}),
    [](const auto& p) { return "Move" + std::to_string(p.param.id); });

class KnownMachines : public DataSetTest, public testing::Test {};

TEST_F(KnownMachines, FlagsFollowTheGridNumbering) {
  const DexPokemon pikachu = SelectPokemon("25");
  EXPECT_TRUE(pikachu.gen1tm[24]);   // TM24 Thunderbolt
  EXPECT_TRUE(pikachu.gen1tm[55]);   // HM05 Flash
  EXPECT_TRUE(pikachu.gen2tm[59]);   // CM02 Thunderbolt, Crystal's tutor
  EXPECT_FALSE(pikachu.gen2tm[58]);  // CM01 Flamethrower
  const DexPokemon charizard = SelectPokemon("6");
  EXPECT_TRUE(charizard.gen3tm[58 + 17]);  // MT17 Blast Burn
  EXPECT_TRUE(charizard.gen4tm[95]);       // TM95 Blast Burn, the Diamond/Pearl tutor
  EXPECT_TRUE(charizard.gen4tm[97 + 3]);   // HM04 Strength
  const DexPokemon turtwig = SelectPokemon("387");
  EXPECT_FALSE(turtwig.gen3tm[6]);         // no generation 3 grid for a generation 4 Pokemon
  EXPECT_TRUE(turtwig.gen4tm[6]);          // TM06 Toxic
  EXPECT_FALSE(turtwig.gen4tm[1]);         // TM01 Focus Punch
  EXPECT_TRUE(reports_.all().empty());
}

}  // namespace
