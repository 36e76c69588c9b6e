#include <gtest/gtest.h>

#include "pages/page_view.h"

namespace {

// The fourteen entries, Green to Pearl, in the order they are made.
std::vector<std::string> EntryTextsShown() {
  std::vector<std::string> texts;
  for (const memtk::Control* c : memtk::Controls())
    if (c->class_name == "STATIC" && c->id != 0) texts.push_back(c->text);
  return texts;
}

const char* const kVersions[] = {"Green", "Red",      "Yellow",  "Stadium 1", "Gold",    "Silver",  "Crystal",
                                 "Ruby",  "Sapphire", "FireRed", "LeafGreen", "Emerald", "Diamond", "Pearl"};

// Generation 1 shows every version (an empty entry leaves the bare label); a later
// generation shows "Not available" before its first version, and so does a Pokemon
// without a generation, even for the texts it has. A Pokemon without a single entry
// (every Pokemon of the facts-only data set) shows one line saying where to read more.
TEST(DexEntries, ShowOnlyTheVersionsSinceTheGeneration) {
  FaunaryFixture app{"pages-basic"};
  OpenPage(app, "Pokedex Entries");
  EXPECT_EQ(EntryTextsShown(),
            (std::vector<std::string>{
                "Green: Fixture text one for Green.", "Red: Fixture text two for Red.",
                "Yellow: Fixture text three for Yellow.", "Stadium 1: Fixture text four for Stadium.",
                "Gold: Fixture text five for Gold.", "Silver: Fixture text six for Silver.", "Crystal: ",
                "Ruby: Fixture text eight for Ruby.", "Sapphire: Fixture text nine for Sapphire.",
                "FireRed: Fixture text ten for FireRed.", "LeafGreen: Fixture text eleven for LeafGreen.",
                "Emerald: Fixture text twelve for Emerald.", "Diamond: Fixture text thirteen for Diamond.",
                "Pearl: Fixture text fourteen for Pearl."}));
  for (const auto& [pokemon, first] : std::vector<std::pair<std::string, int>>{
           {"Chikorita", 4}, {"Turtwig", 12}, {"Glitch", 14}}) {
    app.PickPokemon(pokemon);
    std::vector<std::string> expected;
    for (int k = 0; k < 14; ++k)
      expected.push_back(kVersions[k] + std::string(": ") +
                         (k < first ? "Not available" : "Fixture " + pokemon + " " + kVersions[k] + "."));
    EXPECT_EQ(EntryTextsShown(), expected);
  }
  for (const char* pokemon : {"Ivysaur", "Togepi"}) {
    app.PickPokemon(pokemon);
    std::vector<std::string> expected(14, "");
    expected[0] = "This data set holds no Pokedex entries; readme.txt says how to add them.";
    EXPECT_EQ(EntryTextsShown(), expected) << pokemon;
  }
  EXPECT_TRUE(app.MessageBoxes().empty());
}

}  // namespace
