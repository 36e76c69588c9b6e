#include <gtest/gtest.h>

#include "pages/page_view.h"
#include "shell/shell_state.h"

namespace {

// The fourteen entries, Green to Pearl, in the order they are made.
std::vector<std::string> EntryTextsShown() {
  std::vector<std::string> texts;
  for (const memtk::Control* c : memtk::Controls())
    if (c->class_name == "STATIC" && c->id != 0) texts.push_back(c->text);
  return texts;
}

struct EntryCase {
  const char* pokemon;
  std::vector<std::string> texts;
};
void PrintTo(const EntryCase& e, std::ostream* os) { *os << e.pokemon; }

class DexEntriesOf : public testing::TestWithParam<EntryCase> {};

TEST_P(DexEntriesOf, ShowOnlyTheVersionsSinceItsGeneration) {
  FaunaryFixture app{"pages-basic"};
  OpenPage(app, "Pokedex Entries");
  app.PickPokemon(GetParam().pokemon);
  EXPECT_EQ(EntryTextsShown(), GetParam().texts);
  EXPECT_TRUE(app.MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Generations, DexEntriesOf,
    testing::Values(
        // Generation 1: every version; an empty entry leaves the bare label.
        EntryCase{"Bulbasaur",
                  {"Green: Fixture text one for Green.", "Red: Fixture text two for Red.",
                   "Yellow: Fixture text three for Yellow.", "Stadium 1: Fixture text four for Stadium.",
                   "Gold: Fixture text five for Gold.", "Silver: Fixture text six for Silver.",
                   "Crystal: ", "Ruby: Fixture text eight for Ruby.",
                   "Sapphire: Fixture text nine for Sapphire.", "FireRed: Fixture text ten for FireRed.",
                   "LeafGreen: Fixture text eleven for LeafGreen.",
                   "Emerald: Fixture text twelve for Emerald.",
                   "Diamond: Fixture text thirteen for Diamond.",
                   "Pearl: Fixture text fourteen for Pearl."}},
        // Generation 2: its Green text is never shown.
        EntryCase{"Chikorita",
                  {"Green: Not available", "Red: Not available", "Yellow: Not available",
                   "Stadium 1: Not available", "Gold: Fixture Chikorita Gold.",
                   "Silver: Fixture Chikorita Silver.", "Crystal: Fixture Chikorita Crystal.",
                   "Ruby: Fixture Chikorita Ruby.", "Sapphire: Fixture Chikorita Sapphire.",
                   "FireRed: Fixture Chikorita FireRed.", "LeafGreen: Fixture Chikorita LeafGreen.",
                   "Emerald: Fixture Chikorita Emerald.", "Diamond: Fixture Chikorita Diamond.",
                   "Pearl: Fixture Chikorita Pearl."}},
        EntryCase{"Turtwig",
                  {"Green: Not available", "Red: Not available", "Yellow: Not available",
                   "Stadium 1: Not available", "Gold: Not available", "Silver: Not available",
                   "Crystal: Not available", "Ruby: Not available", "Sapphire: Not available",
                   "FireRed: Not available", "LeafGreen: Not available", "Emerald: Not available",
                   "Diamond: Fixture Turtwig Diamond.", "Pearl: Fixture Turtwig Pearl."}},
        // No generation at all: nothing is available, not even its Red text.
        EntryCase{"Glitch",
                  {"Green: Not available", "Red: Not available", "Yellow: Not available",
                   "Stadium 1: Not available", "Gold: Not available", "Silver: Not available",
                   "Crystal: Not available", "Ruby: Not available", "Sapphire: Not available",
                   "FireRed: Not available", "LeafGreen: Not available", "Emerald: Not available",
                   "Diamond: Not available", "Pearl: Not available"}}));

}  // namespace
