// Type charts and matchups as the games have them: known cells of generation 1's chart and of
// generations 2-4's, the typing of each generation, and the abilities that change a multiplier.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ask/matchups.h"
#include "ask/type_charts.h"
#include "records/dex_data.h"

namespace {

// pokered and pokecrystal data/types/type_matchups.asm; x1 is 4, x2 is 8, x1/2 is 2.
struct ChartCell {
  const char* attack;
  const char* defend;
  int gen1, gen2;
};
constexpr ChartCell kCells[] = {
    {"ghost", "psychic", 0, 8}, {"bug", "poison", 8, 2},    {"poison", "bug", 8, 4},  {"ice", "fire", 4, 2},
    {"ghost", "ghost", 8, 8},   {"normal", "ghost", 0, 0},  {"fighting", "ghost", 0, 0},
    {"psychic", "dark", 4, 0},  {"dark", "psychic", 4, 8},  {"fighting", "dark", 4, 8}, {"bug", "dark", 4, 8},
    {"ghost", "dark", 4, 2},    {"poison", "steel", 4, 0},  {"fire", "steel", 4, 8},   {"steel", "ice", 4, 8},
    {"steel", "water", 4, 2},   {"ground", "steel", 4, 8},  {"electric", "ground", 0, 0}, {"dragon", "dragon", 8, 8},
    {"water", "fire", 8, 8},    {"grass", "poison", 2, 2},  {"normal", "normal", 4, 4},
};

TEST(TypeCharts, KnownCellsOfGenerationOneAndOfTwoToFour) {
  for (const ChartCell& cell : kCells) {
    SCOPED_TRACE(std::string(cell.attack) + " on " + cell.defend);
    EXPECT_EQ(ask::TypeMultiplier(1, cell.attack, cell.defend), cell.gen1 * ask::kTimesOne / 4);
    for (const int generation : {2, 3, 4})
      EXPECT_EQ(ask::TypeMultiplier(generation, cell.attack, cell.defend), cell.gen2 * ask::kTimesOne / 4);
  }
  EXPECT_EQ(ask::ChartTypes(1).size(), 15u);
  EXPECT_EQ(ask::ChartTypes(4).size(), 17u);
}

class MatchupsOfTheDataSet : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::current_path(FAUNARY_REPO_DIR);
    LoadTables();
    LoadIndex();
    LoadMoves();
  }
  int Against(const std::string& id, int generation, const std::string& type) {
    const auto answer = ask::Matchups(id, generation);
    for (const ask::TypeEffect& e : answer->effects)
      if (Data().tables.stdtypes.Row(e.type).key == type) return e.multiplier;
    return -1;
  }
  // What the first ability row that touches the type makes of it; -1 when none does.
  int WithAbility(const std::string& id, int generation, const std::string& ability, const std::string& type) {
    const auto answer = ask::Matchups(id, generation);
    for (const ask::AbilityEffect& a : answer->abilities)
      for (const ask::AbilityChange& c : a.changes)
        if (a.ability == ability && Data().tables.stdtypes.Row(c.type).key == type) return c.after;
    return -1;
  }
};

TEST_F(MatchupsOfTheDataSet, EachGenerationsTypingAndAbilities) {
  constexpr int x1 = ask::kTimesOne;
  // Magnemite: Electric in Red (Ground x2), Electric/Steel from Gold (Ground x4, Poison x0).
  EXPECT_EQ(Against("81", 1, "ground"), 2 * x1);
  EXPECT_EQ(Against("81", 2, "ground"), 4 * x1);
  EXPECT_EQ(Against("81", 1, "poison"), x1);
  EXPECT_EQ(Against("81", 4, "poison"), 0);
  EXPECT_EQ(ask::Matchups("81", 1)->type2, 0);  // what the title shows: "(Electric)"
  EXPECT_EQ(Data().tables.stdtypes.Row(ask::Matchups("82", 2)->type2).key, "steel");
  EXPECT_FALSE(ask::Matchups("152", 1));  // Chikorita is not in Red
  EXPECT_TRUE(ask::Matchups("94", 2)->abilities.empty());  // no abilities before generation 3

  struct Row {
    const char* id;
    int generation;
    const char* ability;
    const char* type;
    int after;
  };
  // Each ability's rule of its generation (pokeemerald's and pokeplatinum's damage routines).
  const Row rows[] = {
      {"94", 3, "Levitate", "ground", 0},        {"94", 4, "Levitate", "ground", 0},
      {"292", 3, "Wonder Guard", "grass", 0},    {"292", 3, "Wonder Guard", "water", 0},
      {"292", 4, "Wonder Guard", "fire", -1},    // Fire is x2 on Shedinja and still hits
      {"143", 3, "Thick Fat", "fire", x1 / 2},   {"143", 4, "Thick Fat", "ice", x1 / 2},
      {"38", 3, "Flash Fire", "fire", 0},        {"135", 4, "Volt Absorb", "electric", 0},
      {"131", 3, "Water Absorb", "water", 0},    {"453", 4, "Dry Skin", "water", 0},
      {"453", 4, "Dry Skin", "fire", x1 * 5 / 4}, {"436", 4, "Heatproof", "fire", x1},
      {"466", 4, "Motor Drive", "electric", 0},  {"122", 4, "Filter", "bug", 2 * x1 * 3 / 4},
      {"464", 4, "Solid Rock", "water", 4 * x1 * 3 / 4},
      {"453", 3, "Dry Skin", "water", -1},       // Croagunk is not in generation 3
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.id) + " " + row.ability + " " + std::to_string(row.generation));
    if (!ask::Matchups(row.id, row.generation)) {
      EXPECT_EQ(row.after, -1);
      continue;
    }
    EXPECT_EQ(WithAbility(row.id, row.generation, row.ability, row.type), row.after);
  }
}

}  // namespace
