#include <gtest/gtest.h>

#include "pages/page_view.h"
#include "shell/shell_state.h"

namespace {

struct EntryRowLayout {
  const char* window_name;
  int id;
  tk::Rect rect;
};

const EntryRowLayout kLayout[] = {
    {"crtrgreendexid", 141, {10, 10, 510, 40}},   {"crtrrbdexid", 142, {10, 48, 510, 78}},
    {"crtrydexid", 143, {10, 76, 510, 106}},      {"crtrstdexid", 144, {10, 104, 510, 134}},
    {"crtrglddexid", 145, {10, 132, 510, 162}},   {"crtrslvdexid", 146, {10, 160, 510, 190}},
    {"crtrcrydexid", 147, {10, 188, 510, 218}},   {"crtrrubdexid", 148, {10, 216, 510, 266}},
    {"crtrsapdexid", 149, {10, 255, 510, 305}},   {"crtrfrdexid", 300, {10, 295, 510, 345}},
    {"crtrlgdexid", 301, {10, 325, 510, 375}},    {"crtremdexid", 302, {10, 355, 510, 405}},
    {"crtrdidexid", 303, {10, 385, 510, 435}},    {"crtrpedexid", 304, {10, 415, 510, 465}},
};

std::vector<std::string> EntryTextsShown() {
  std::vector<std::string> texts;
  for (const EntryRowLayout& row : kLayout) texts.push_back(memtk::TextOf(row.window_name));
  return texts;
}

TEST(DexEntryPage, IsFourteenStaticsFromGreenToPearl) {
  FaunaryFixture app{"pages-basic"};
  OpenPage(app, "Pokedex Entries");
  std::vector<std::string> created;
  for (const memtk::Control* c : memtk::Controls())
    if (c->class_name == "STATIC" && c->id != 0) created.push_back(c->window_name);
  std::vector<std::string> expected;
  for (const EntryRowLayout& row : kLayout) expected.push_back(row.window_name);
  EXPECT_EQ(created, expected);
  for (const EntryRowLayout& row : kLayout) {
    const memtk::Control* c = memtk::FindControl(row.window_name);
    ASSERT_NE(c, nullptr) << row.window_name;
    EXPECT_EQ(c->id, row.id) << row.window_name;
    EXPECT_EQ(c->rect, row.rect) << row.window_name;
    EXPECT_EQ(c->style, WS_CHILD | WS_VISIBLE) << row.window_name;
    EXPECT_EQ(c->font, SharedFont()) << row.window_name;
  }
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
        EntryCase{"Treecko",
                  {"Green: Not available", "Red: Not available", "Yellow: Not available",
                   "Stadium 1: Not available", "Gold: Not available", "Silver: Not available",
                   "Crystal: Not available", "Ruby: Fixture Treecko Ruby.", "Sapphire: ",
                   "FireRed: ", "LeafGreen: ", "Emerald: ", "Diamond: Fixture Treecko Diamond.",
                   "Pearl: "}},
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
