#include <gtest/gtest.h>

#include "pages/page_view.h"
#include "shell/shell_state.h"

namespace {

constexpr int kGroupLine = 151;
constexpr int kPartners = 152;
constexpr int kEggMoves = kBreedMoveListId;
constexpr int kGeneration = kBreedModeComboId;

const std::vector<std::string> kAllGenerations{"Generation 2", "Generation 3", "Generation 4"};
const std::string kBulbasaurGen4Partners =
    "Bulbasaur breeds with: Bulbasaur, Ditto, Chikorita, Ivysaur, Treecko, Turtwig";

class BreedPage : public testing::Test {
 protected:
  void SetUp() override { OpenPage(app, "Breeding"); }
  FaunaryFixture app{"pages-basic"};
};

TEST_F(BreedPage, StartsWithGeneration4ForAGeneration1Pokemon) {
  EXPECT_EQ(memtk::TextOf(kGroupLine), "Breeding groups: Monster and Grass");
  EXPECT_EQ(memtk::TextOf(kPartners), kBulbasaurGen4Partners);
  EXPECT_EQ(EntryTexts(kGeneration), kAllGenerations);
  EXPECT_EQ(EntryData(kGeneration), (std::vector<std::intptr_t>{1, 2, 3}));
  EXPECT_EQ(SelectedEntry(kGeneration), "Generation 4");
  // Skull Bash and Magical Leaf have no generation 4 way.
  EXPECT_EQ(RowTexts(kEggMoves), (Rows{{"Charm", "Fixture way: breed in Sinnoh."},
                                       {"Light Screen", "Fixture way: a Sinnoh parent."}}));
  EXPECT_EQ(RowImages(kEggMoves), (std::vector<int>{1, 12}));
  EXPECT_EQ(RowData(kEggMoves), (std::vector<std::intptr_t>{20, 21}));
}

struct GenerationCase {
  const char* generation;
  std::string partners;
  Rows egg_moves;
};
void PrintTo(const GenerationCase& g, std::ostream* os) { *os << g.generation; }

class BreedPageGeneration : public BreedPage, public testing::WithParamInterface<GenerationCase> {};

TEST_P(BreedPageGeneration, ListsPartnersAndEggMovesOfThatGeneration) {
  app.PickEntry(kGeneration, GetParam().generation);
  EXPECT_EQ(SelectedEntry(kGeneration), GetParam().generation);
  EXPECT_EQ(EntryTexts(kGeneration), kAllGenerations);
  EXPECT_EQ(memtk::TextOf(kPartners), GetParam().partners);
  EXPECT_EQ(RowTexts(kEggMoves), GetParam().egg_moves);
}

INSTANTIATE_TEST_SUITE_P(
    Generations, BreedPageGeneration,
    testing::Values(
        GenerationCase{"Generation 2", "Bulbasaur breeds with: Bulbasaur, Ditto, Chikorita, Ivysaur",
                       {{"Light Screen", "Fixture way: a Johto parent."},
                        {"Skull Bash", "Fixture way: only in Johto."}}},
        GenerationCase{"Generation 3",
                       "Bulbasaur breeds with: Bulbasaur, Ditto, Chikorita, Ivysaur, Treecko",
                       {{"Charm", "Fixture way: breed with a Cute parent."},
                        {"Light Screen", "Fixture way: a Hoenn parent."},
                        {"Magical Leaf", "Fixture way: Hoenn leaf."}}},
        GenerationCase{"Generation 4", kBulbasaurGen4Partners,
                       {{"Charm", "Fixture way: breed in Sinnoh."},
                        {"Light Screen", "Fixture way: a Sinnoh parent."}}}));

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
            "Treecko breeds with: Bulbasaur, Ditto, Chikorita, Ivysaur, Treecko");
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

TEST_F(BreedPage, Generation3ChoiceGivesWayToGeneration4ForAGeneration4Pokemon) {
  app.PickEntry(kGeneration, "Generation 3");
  app.PickPokemon("Turtwig");
  EXPECT_EQ(SelectedEntry(kGeneration), "Generation 4");
  EXPECT_EQ(memtk::TextOf(kPartners), "Turtwig breeds with: " + kBulbasaurGen4Partners.substr(23));
}

TEST_F(BreedPage, SingleGroupAndAMoveTheTableLacks) {
  app.PickPokemon("Caterpie");
  EXPECT_EQ(memtk::TextOf(kGroupLine), "Breeding group: Bug");
  EXPECT_EQ(memtk::TextOf(kPartners), "Caterpie breeds with: Caterpie, Ditto");
  EXPECT_EQ(RowTexts(kEggMoves), (Rows{{"", "Fixture way: a move the table lacks."}}));
  EXPECT_EQ(RowImages(kEggMoves), (std::vector<int>{0}));
  EXPECT_EQ(RowData(kEggMoves), (std::vector<std::intptr_t>{0}));
  app.DoubleClickRow(kEggMoves, 0);
  EXPECT_EQ(app.MessageTexts(), (std::vector<std::string>{"Invalid moveid"}));
  EXPECT_TRUE(memtk::DialogsRun().empty());
}

struct NoPartnersCase {
  const char* pokemon;
  const char* group_line;
};
void PrintTo(const NoPartnersCase& n, std::ostream* os) { *os << n.pokemon; }

class BreedPageWithoutPartners : public BreedPage,
                                 public testing::WithParamInterface<NoPartnersCase> {};

TEST_P(BreedPageWithoutPartners, ShowOnlyTheGroupAndKeepTheGenerationList) {
  app.PickEntry(kGeneration, "Generation 2");
  app.PickPokemon(GetParam().pokemon);
  EXPECT_EQ(memtk::TextOf(kGroupLine), GetParam().group_line);
  EXPECT_EQ(memtk::TextOf(kPartners), "");
  EXPECT_TRUE(RowTexts(kEggMoves).empty());
  EXPECT_EQ(EntryTexts(kGeneration), kAllGenerations);
  EXPECT_EQ(SelectedEntry(kGeneration), "Generation 2");
}

INSTANTIATE_TEST_SUITE_P(Groups14To16, BreedPageWithoutPartners,
                         testing::Values(NoPartnersCase{"Magnemite", "Breeding groups: Genderless and Mineral"},
                                         NoPartnersCase{"Ditto", "Breeding group: Ditto"},
                                         NoPartnersCase{"Togepi", "Breeding group: No Eggs"}));

TEST_F(BreedPage, DoubleClickOpensTheSelectedEggMove) {
  std::string title, accuracy;
  app.OnNextDialog([&](memtk::Dialog& d) {
    title = d.Title();
    accuracy = d.Text(326);
    d.Click(IDOK);
  });
  app.DoubleClickRow(kEggMoves, 1);
  EXPECT_EQ(title, "Light Screen");
  EXPECT_EQ(accuracy, "Accuracy: 0%");
  ASSERT_EQ(memtk::DialogsRun().size(), 1u);
  EXPECT_EQ(memtk::DialogsRun()[0].template_id, 320);
  EXPECT_TRUE(app.MessageBoxes().empty());
}

}  // namespace
