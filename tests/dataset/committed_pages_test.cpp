// The committed data set as a player checks it against the games: the Main page's dex
// numbers and held items, the Locations page's times and chances, a machine grid.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "dataset/committed_data_fixture.h"
#include "pages/page_view.h"

namespace {

constexpr int kVersions = kVersionComboId;
constexpr int kEncounters = 313;
constexpr int kFirstTutorCell = 271;
constexpr int kLastTutorCell = 303;

using CommittedPages = CommittedDataSet;

TEST_F(CommittedPages, DexLinesNameOnlyTheRegionalDexesThatHoldThePokemon) {
  // The games' own dexes: Crystal's Johto, Ruby's Hoenn, Diamond's Sinnoh.
  const std::pair<const char*, const char*> lines[] = {
      {"Bulbasaur", "National Order 1 / Johto Order 226"},
      {"Pikachu", "National Order 25 / Johto Order 22 / Hoenn Order 156 / Sinnoh Order 104"},
      {"Treecko", "National Order 252 / Hoenn Order 1"},
      {"Turtwig", "National Order 387 / Sinnoh Order 1"},
      {"Arceus", "National Order 493"}};
  for (const auto& [name, line] : lines) {
    app.PickPokemon(name);
    EXPECT_EQ(app.TextOf("crtrdexnoid"), line);
  }
}

// A player walks the list in national order and finds each Pokemon by typing
// its number, or its name with any case, spaces and punctuation, then Enter;
// no dex line names a regional number of 0.
TEST_F(CommittedPages, TypingANumberOrANameFindsThePokemon) {
  // The national dex runs 1 to 493 (PokeAPI's pokemon-species ids; pret's NUM_POKEMON in Platinum).
  const std::vector<std::string> names = app.PokemonListNames();
  ASSERT_EQ(names.size(), 493u);
  for (std::size_t n = 0; n < names.size(); ++n) {
    const std::string number = std::to_string(n + 1);
    memtk::TypeText(kPokemonListId, number);
    memtk::PressEnter(kPokemonListId);
    EXPECT_EQ(app.TextOf("crtrnameid"), names[n]) << number;
    const std::string line = app.TextOf("crtrdexnoid") + " ";
    EXPECT_EQ(line.rfind("National Order " + number + " ", 0), 0u) << number;
    EXPECT_EQ(line.find(" Order 0 "), std::string::npos) << line;
  }
  const std::pair<const char*, const char*> typed[] = {
      {"mr mime", "Mr. Mime"}, {"farfetchd", "Farfetch'd"}, {"HO OH", "Ho-Oh"}, {"mime jr", "Mime Jr."},
      {" porygonz ", "Porygon-Z"}, {"nidoran-f", "Nidoran F"}, {"pikachu", "Pikachu"}, {"025", "Pikachu"}};
  for (const auto& [text, name] : typed) {
    memtk::TypeText(kPokemonListId, text);
    memtk::PressEnter(kPokemonListId);
    EXPECT_EQ(app.TextOf("crtrnameid"), name) << text;
  }
  // Nothing matches: Enter shows the entry the typing highlighted, here none moved.
  memtk::TypeText(kPokemonListId, "Missingno");
  memtk::PressEnter(kPokemonListId);
  EXPECT_EQ(app.TextOf("crtrnameid"), "Pikachu");
}

// Beside "Lowest" and "Highest" (the page's first two boxes) stand the value and the Pokemon.
TEST_F(CommittedPages, ComparisonBarsNameTheLowestAndHighest) {
  // Base stats and heights of the games (Platinum's personal data); ties go to the lower national number
  // (0'8": Diglett 50 before Natu 177).
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"HP", "1\nShedinja", "255\nBlissey"},
      {"Attack", "5\nChansey", "165\nRampardos"},
      {"Speed", "5\nShuckle", "160\nNinjask"},
      {"Height", "0'8\"\nDiglett", "47'7\"\nWailord"}};
  app.PickPokemon("Pikachu");
  app.SelectTab("Comparisons");
  for (const auto& [category, lowest, highest] : cases) {
    app.PickEntry(191, category);
    EXPECT_EQ(app.TextOf(kCompareLabelFirstId), lowest) << category;
    EXPECT_EQ(app.TextOf(kCompareLabelFirstId + 1), highest) << category;
  }
  app.PickEntry(191, "HP");
  app.PickEntry(189, "Raichu");  // a Pokemon chosen shows its value alone, as does the current one
  EXPECT_EQ(app.TextOf(kCompareLabelFirstId + 2), "60");
  EXPECT_EQ(app.TextOf(kCompareLabelFirstId + 3), "");
  EXPECT_EQ(app.TextOf(kCompareLabelFirstId + 4), "35");
}

TEST_F(CommittedPages, HeldItemsAreThoseTheGamesGive) {
  // Crystal's base stats with LoadEnemyMon's forced Item1 for Ho-Oh, Lugia, Snorlax; Yellow's catch-rate bytes.
  const std::tuple<const char*, const char*, const char*> lines[] = {
      {"Ho-Oh", "crtrwilditemwnd", "GSC Wild Item (100%): Sacred Ash"},
      {"Snorlax", "crtrwilditemwnd", "GSC Wild Item (100%): Leftovers"},
      {"Lugia", "crtrwilditemwnd", ""},
      {"Chansey", "crtrwilditemwnd", "GSC Wild Item (2%): Lucky Egg"},
      {"Kadabra", "crtrtradeitemwnd", "Trade Item: Berry"},
      {"Kadabra", "crtrytradeitemwnd", "Yellow Trade Item: TwistedSpoon"},
      {"Dragonair", "crtrytradeitemwnd", "Yellow Trade Item: Protein"},
      {"Dragonite", "crtrtradeitemwnd", "Trade Item: Bitter Berry"},
      {"Dragonite", "crtrytradeitemwnd", "Yellow Trade Item: Antidote"},
      {"Pikachu", "crtrytradeitemwnd", "Yellow Trade Item: Light Ball (starter)"},
      {"Dratini", "crtrtradeitemwnd", "Trade Item: Bitter Berry"},
      {"Dratini", "crtrytradeitemwnd", ""},
      {"Abra", "crtrytradeitemwnd", ""}};
  for (const auto& [name, control, text] : lines) {
    app.PickPokemon(name);
    EXPECT_EQ(app.TextOf(control), text) << name;
  }
}

TEST_F(CommittedPages, TimesAndChancesOfTheWild) {
  app.SelectTab("Locations");
  // Crystal's johto_grass.asm: Route 29's Hoothoot are in its night slots only.
  app.PickPokemon("Hoothoot");
  app.PickEntry(kVersions, "Crystal");
  bool route29 = false;
  for (const std::vector<std::string>& row : RowTexts(kEncounters))
    if (row[0] == "Route 29") {
      route29 = true;
      EXPECT_EQ(row[2], "Night");
    }
  EXPECT_TRUE(route29);
  // pokeplatinum honey_tree.c: group C (Munchlax) comes from the trainer ID's 4 trees, 1 time in 100.
  app.PickPokemon("Munchlax");
  for (const char* version : {"Diamond", "Pearl"}) {
    app.PickEntry(kVersions, version);
    const Rows rows = RowTexts(kEncounters);
    EXPECT_EQ(rows.size(), 21u) << "one row per honey tree";
    for (const std::vector<std::string>& row : rows) {
      EXPECT_NE(row[0].find("Munchlax trees only"), std::string::npos) << row[0];
      EXPECT_EQ(row[3], "1%") << row[0];
    }
  }
}

TEST_F(CommittedPages, DeoxysLearnsTheGeneration3TutorMovesOfItsGames) {
  // sTutorLearnsets of pokefirered (the first 11) and pokeemerald (all 23) for SPECIES_DEOXYS.
  const std::set<std::string> tutors{
      "Mega Punch", "Mega Kick",  "Body Slam",  "Double-Edge", "Counter",   "Seismic Toss", "Mimic",     "Dream Eater",
      "Thunder Wave", "Rock Slide", "Substitute", "DynamicPunch", "Psych Up",  "Snore",        "Icy Wind",  "Endure",
      "Mud-Slap",   "Ice Punch",  "Swagger",    "Sleep Talk",  "Swift",     "ThunderPunch", "Fire Punch"};
  app.PickPokemon("Deoxys");
  app.SelectTab("RSEFRLG TMs");
  std::set<std::string> learnt;
  for (int id = kFirstTutorCell; id <= kLastTutorCell; ++id)
    if (app.Find(id)->enabled) learnt.insert(app.TextOf(id).substr(std::string("Tutor ").size()));
  EXPECT_EQ(learnt, tutors);
}

}  // namespace
