#include <gtest/gtest.h>

#include "pages/page_view.h"

namespace {

constexpr int kGroupLine = 151;
constexpr int kPartners = 152;
constexpr int kEggMoves = kBreedMoveListId;
constexpr int kGeneration = kBreedModeComboId;

const std::vector<std::string> kAllGenerations{"Generation 2", "Generation 3", "Generation 4"};
const std::string kBulbasaurGen4Partners =
    "Bulbasaur breeds with: Bulbasaur, Ivysaur, Ditto, Chikorita, Treecko, Turtwig";

class BreedPage : public testing::Test {
 protected:
  void SetUp() override { OpenPage(app, "Breeding"); }
  FaunaryFixture app{"pages-basic"};
};

// A generation 1 Pokemon offers every generation and starts on the newest.
TEST_F(BreedPage, EachGenerationListsItsPartnersAndEggMoves) {
  EXPECT_EQ(memtk::TextOf(kGroupLine), "Breeding groups: Monster and Grass");
  EXPECT_EQ(EntryData(kGeneration), (std::vector<std::intptr_t>{1, 2, 3}));
  EXPECT_EQ(SelectedEntry(kGeneration), "Generation 4");
  EXPECT_EQ(RowImages(kEggMoves), (std::vector<int>{1, 12}));
  EXPECT_EQ(RowData(kEggMoves), (std::vector<std::intptr_t>{20, 21}));
  const std::tuple<const char*, std::string, Rows> cases[] = {
      {"Generation 4", kBulbasaurGen4Partners,  // Skull Bash and Magical Leaf have no generation 4 way
       {{"Charm", "Fixture way: breed in Sinnoh."}, {"Light Screen", "Fixture way: a Sinnoh parent."}}},
      {"Generation 2", "Bulbasaur breeds with: Bulbasaur, Ivysaur, Ditto, Chikorita",
       {{"Light Screen", "Fixture way: a Johto parent."}, {"Skull Bash", "Fixture way: only in Johto."}}},
      {"Generation 3", "Bulbasaur breeds with: Bulbasaur, Ivysaur, Ditto, Chikorita, Treecko",
       {{"Charm", "Fixture way: breed with a Cute parent."}, {"Light Screen", "Fixture way: a Hoenn parent."},
        {"Magical Leaf", "Fixture way: Hoenn leaf."}}}};
  for (const auto& [generation, partners, egg_moves] : cases) {
    app.PickEntry(kGeneration, generation);
    EXPECT_EQ(EntryTexts(kGeneration), kAllGenerations);
    EXPECT_EQ(memtk::TextOf(kPartners), partners) << generation;
    EXPECT_EQ(RowTexts(kEggMoves), egg_moves) << generation;
  }
}

TEST_F(BreedPage, ChosenGenerationCarriesOverWhileTheNewPokemonOffersIt) {
  app.PickEntry(kGeneration, "Generation 2");
  app.PickPokemon("Chikorita");
  EXPECT_EQ(EntryTexts(kGeneration), kAllGenerations);
  EXPECT_EQ(SelectedEntry(kGeneration), "Generation 2");
  EXPECT_EQ(RowTexts(kEggMoves), (Rows{{"Light Screen", "Fixture way: Chikorita in Johto."}}));

  // Generation 3 has no "Generation 2": its oldest, "Generation 3", is shown.
  app.PickPokemon("Treecko");
  EXPECT_EQ(EntryTexts(kGeneration), (std::vector<std::string>{"Generation 3", "Generation 4"}));
  EXPECT_EQ(SelectedEntry(kGeneration), "Generation 3");
  EXPECT_EQ(memtk::TextOf(kGroupLine), "Breeding groups: Monster and Dragon");
  EXPECT_EQ(memtk::TextOf(kPartners),
            "Treecko breeds with: Bulbasaur, Ivysaur, Ditto, Chikorita, Treecko");
  EXPECT_EQ(RowTexts(kEggMoves), (Rows{{"Magical Leaf", "Fixture way: Treecko in Hoenn."}}));

  // Generation 4 offers only "Generation 4".
  app.PickPokemon("Turtwig");
  EXPECT_EQ(EntryTexts(kGeneration), (std::vector<std::string>{"Generation 4"}));
  EXPECT_EQ(SelectedEntry(kGeneration), "Generation 4");
  EXPECT_EQ(RowTexts(kEggMoves), (Rows{{"Light Screen", "Fixture way: Turtwig in Sinnoh."}}));

  // From here on the choice is generation 4 again.
  app.PickPokemon("Bulbasaur");
  EXPECT_EQ(SelectedEntry(kGeneration), "Generation 4");
}

// A double-click opens the row's move; a move the table lacks cannot be opened.
TEST_F(BreedPage, DoubleClickOpensTheEggMoveUnlessTheTableLacksIt) {
  std::string title;
  app.OnNextDialog([&](memtk::Dialog& d) { title = d.Title(); });
  app.DoubleClickRow(kEggMoves, 1);
  EXPECT_EQ(title, "Light Screen");
  app.PickPokemon("Caterpie");
  EXPECT_EQ(memtk::TextOf(kGroupLine), "Breeding group: Bug");
  EXPECT_EQ(memtk::TextOf(kPartners), "Caterpie breeds with: Caterpie, Ditto");
  EXPECT_EQ(RowTexts(kEggMoves), (Rows{{"", "Fixture way: a move the table lacks."}}));
  EXPECT_EQ(RowImages(kEggMoves), (std::vector<int>{0}));
  EXPECT_EQ(RowData(kEggMoves), (std::vector<std::intptr_t>{0}));
  app.DoubleClickRow(kEggMoves, 0);
  EXPECT_EQ(app.MessageTexts(), (std::vector<std::string>{"Invalid moveid"}));
  EXPECT_EQ(memtk::DialogsRun().size(), 1u);
}

// Genderless Pokemon breed with Ditto alone (the games' day-care); Ditto breeds with every other Pokemon; a baby
// cannot breed but shows the egg moves it hatches with. The generation chosen stays.
TEST_F(BreedPage, PokemonOfTheFixedRoleGroups) {
  app.PickEntry(kGeneration, "Generation 2");
  const std::tuple<const char*, const char*, const char*, Rows> cases[] = {
      {"Magnemite", "Breeding groups: Genderless and Mineral", "Magnemite breeds with: Ditto", {}},
      {"Ditto", "Breeding group: Ditto", "Ditto breeds with: every Pokemon that can breed, except Ditto", {}},
      {"Togepi", "Breeding group: No Eggs", "", {{"Charm", "Fixture way: hatched in Johto."}}}};
  for (const auto& [pokemon, group_line, partners, egg_moves] : cases) {
    app.PickPokemon(pokemon);
    EXPECT_EQ(memtk::TextOf(kGroupLine), group_line);
    EXPECT_EQ(memtk::TextOf(kPartners), partners) << pokemon;
    EXPECT_EQ(RowTexts(kEggMoves), egg_moves) << pokemon;
    EXPECT_EQ(SelectedEntry(kGeneration), "Generation 2") << pokemon;
  }
}

}  // namespace
