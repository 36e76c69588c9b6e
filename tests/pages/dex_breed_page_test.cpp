#include <gtest/gtest.h>

#include "pages/page_view.h"

namespace {

constexpr int kGroupLine = 151;
constexpr int kPartners = 152;
constexpr int kEggMoves = kBreedMoveListId;
constexpr int kGeneration = kBreedModeComboId;

const std::vector<std::string> kAllGenerations{"Generation 2", "Generation 3", "Generation 4"};

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
      {"Generation 4", "Bulbasaur breeds with: Bulbasaur, Ivysaur, Ditto, Chikorita, Treecko, Turtwig",
       // Skull Bash and Magical Leaf have no generation 4 way
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

// The generation chosen stays while the next Pokemon offers it, else its oldest one shows; a
// genderless Pokemon breeds with Ditto alone, Ditto with all others, and a baby cannot breed
// but shows the egg moves it hatches with (the games' day-care).
TEST_F(BreedPage, ChosenGenerationCarriesOverWhileTheNewPokemonOffersIt) {
  struct Step {
    const char* pokemon;
    const char* group_line;
    std::vector<std::string> generations;
    const char* selected;
    const char* partners;
    Rows egg_moves;
  };
  const Step steps[] = {
      {"Chikorita", "Breeding groups: Monster and Grass", kAllGenerations, "Generation 2",
       "Chikorita breeds with: Bulbasaur, Ivysaur, Ditto, Chikorita", {{"Light Screen", "Fixture way: Chikorita in Johto."}}},
      {"Magnemite", "Breeding groups: Genderless and Mineral", kAllGenerations, "Generation 2",
       "Magnemite breeds with: Ditto", {}},
      {"Ditto", "Breeding group: Ditto", kAllGenerations, "Generation 2",
       "Ditto breeds with: every Pokemon that can breed, except Ditto", {}},
      {"Togepi", "Breeding group: No Eggs", kAllGenerations, "Generation 2", "", {{"Charm", "Fixture way: hatched in Johto."}}},
      {"Treecko", "Breeding groups: Monster and Dragon", {"Generation 3", "Generation 4"}, "Generation 3",
       "Treecko breeds with: Bulbasaur, Ivysaur, Ditto, Chikorita, Treecko", {{"Magical Leaf", "Fixture way: Treecko in Hoenn."}}},
      {"Turtwig", nullptr, {"Generation 4"}, "Generation 4", nullptr, {{"Light Screen", "Fixture way: Turtwig in Sinnoh."}}},
      {"Bulbasaur", nullptr, kAllGenerations, "Generation 4", nullptr,
       {{"Charm", "Fixture way: breed in Sinnoh."}, {"Light Screen", "Fixture way: a Sinnoh parent."}}}};
  app.PickEntry(kGeneration, "Generation 2");
  for (const Step& s : steps) {
    app.PickPokemon(s.pokemon);
    EXPECT_EQ(EntryTexts(kGeneration), s.generations) << s.pokemon;
    EXPECT_EQ(SelectedEntry(kGeneration), s.selected) << s.pokemon;
    if (s.partners) {
      EXPECT_EQ(memtk::TextOf(kGroupLine), s.group_line) << s.pokemon;
      EXPECT_EQ(memtk::TextOf(kPartners), s.partners) << s.pokemon;
    }
    EXPECT_EQ(RowTexts(kEggMoves), s.egg_moves) << s.pokemon;
  }
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

}  // namespace
