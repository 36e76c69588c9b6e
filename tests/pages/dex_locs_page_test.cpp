#include <gtest/gtest.h>

#include "pages/page_view.h"

namespace {

constexpr int kVersions = kVersionComboId;
constexpr int kEncounters = 313;

std::vector<std::string> Joined(std::vector<std::string> first, const std::vector<std::string>& then) {
  first.insert(first.end(), then.begin(), then.end());
  return first;
}

const std::vector<std::string> kGen4Versions{"Diamond", "Pearl", "Platinum", "HeartGold", "SoulSilver"};
const std::vector<std::string> kGen3Versions =
    Joined({"Ruby", "Sapphire", "FireRed", "LeafGreen", "Colosseum", "Emerald", "XD", "Trozei", "Ranger",
            "MD Red", "MD Blue"},
           kGen4Versions);

class LocsPage : public testing::Test {
 protected:
  void SetUp() override { OpenPage(app, "Locations"); }
  FaunaryFixture app{"pages-basic"};
};

// Generation 1 lists every version and starts with Red.
TEST_F(LocsPage, EachVersionShowsItsEncounters) {
  EXPECT_EQ(EntryTexts(kVersions), Joined({"Red", "Blue", "Yellow", "Gold", "Silver", "Crystal"}, kGen3Versions));
  std::vector<std::intptr_t> codes;
  for (std::intptr_t code = 0; code <= 21; ++code) codes.push_back(code);
  EXPECT_EQ(EntryData(kVersions), codes);
  EXPECT_EQ(SelectedEntry(kVersions), "Red");
  EXPECT_EQ(RowImages(kEncounters), (std::vector<int>{tk::kNoImage, tk::kNoImage}));
  const std::pair<const char*, Rows> cases[] = {
      {"Red", {{"Route 2", "3 to 5", "Day", "20%"}, {"Viridian Forest", "4", "Day and Morning", "5%"}}},
      // A "%" in a place name is plain text.
      {"Blue", {{"100% Lake", "5 to 10", "", ""}}},
      {"Yellow", {}},
      // No level, no chance: empty cells; all three times are "Always".
      {"Gold", {{"Route 29 (Swarm) (Surf)", "", "Always", ""}}},
      // A place with a parameter but no "%s" takes it after a blank.
      // The second time bit is the games' night table.
      {"Crystal", {{"Sea Route 20 (Fishing Good Rod)", "10 to 15", "Night", "15%"}}},
      // Only the first "%s" is replaced; "%d" stays as it is.
      {"Ruby", {{"Safari Zone North Area %d", "25 to 27", "Day and Night", "1%"}}},
      {"Emerald",
       {{"Route 104 (Fishing Old Rod) (Fishing Super Rod) (Ruby in GBA Slot) (Sapphire in GBA Slot) (Emerald in "
         "GBA Slot) (FireRed in GBA Slot) (LeafGreen in GBA Slot)",
         "8 to 9", "", ""}}},
      // Dungeon rows: the level, no time, no method; floors from 0 follow the name.
      {"MD Red", {{"Tiny Woods Floor 0 to 5", "7", "", "12%"}, {"Tiny Woods", "9", "", ""}}},
      {"Diamond", {{"Eterna Forest (Swarm) (Pokeradar)", "10 to 12", "Day and Morning", "4%"}}},
      // The fixture predates Platinum and HeartGold/SoulSilver: listed, with no rows.
      {"Platinum", {}}, {"HeartGold", {}}, {"SoulSilver", {}}};
  for (const auto& [version, rows] : cases) {
    app.PickEntry(kVersions, version);
    EXPECT_EQ(SelectedEntry(kVersions), version);
    EXPECT_EQ(RowTexts(kEncounters), rows) << version;
  }
  EXPECT_TRUE(app.MessageBoxes().empty());
}

TEST_F(LocsPage, ChosenVersionCarriesOverWhileTheNewPokemonOffersIt) {
  app.PickEntry(kVersions, "Crystal");
  app.PickPokemon("Caterpie");
  EXPECT_EQ(SelectedEntry(kVersions), "Crystal");
  EXPECT_EQ(RowTexts(kEncounters), (Rows{{"Route 30", "2 to 4", "Morning", "30%"}}));

  app.PickPokemon("Chikorita");
  EXPECT_EQ(EntryTexts(kVersions), Joined({"Gold", "Silver", "Crystal"}, kGen3Versions));
  EXPECT_EQ(SelectedEntry(kVersions), "Crystal");
  EXPECT_EQ(RowTexts(kEncounters), (Rows{{"Route 46", "5", "", ""}}));

  app.PickPokemon("Treecko");
  EXPECT_EQ(EntryTexts(kVersions), kGen3Versions);
  EXPECT_EQ(SelectedEntry(kVersions), "Ruby");
  EXPECT_EQ(RowTexts(kEncounters), (Rows{{"Route 101", "5", "", "100%"}}));

  app.PickPokemon("Turtwig");
  EXPECT_EQ(EntryTexts(kVersions), kGen4Versions);
  EXPECT_EQ(EntryData(kVersions), (std::vector<std::intptr_t>{17, 18, 19, 20, 21}));
  EXPECT_EQ(SelectedEntry(kVersions), "Diamond");
  EXPECT_TRUE(RowTexts(kEncounters).empty());
  app.PickEntry(kVersions, "Pearl");
  EXPECT_EQ(RowTexts(kEncounters), (Rows{{"Route 201", "5", "", ""}}));
}

}  // namespace
