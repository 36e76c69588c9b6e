// The "&Evolution" summary on the committed data set: the family walked two stages deep from
// its lowest member, with texts a player can check (Wurmple's random split, Shedinja's
// conditions, Gloom's two stones, Manaphy alone).
#include <gtest/gtest.h>

#include "dataset/committed_data_fixture.h"

namespace {

using EvolutionSummary = CommittedDataSet;

TEST_F(EvolutionSummary, WalksTheFamilyFromItsLowestMember) {
  const char* const bulbasaur = "Bulbasaur evolves\n\nto Ivysaur (Level 16), then to Venusaur (Level 32)";
  const std::pair<const char*, const char*> cases[] = {
      {"Bulbasaur", bulbasaur},
      {"Venusaur", bulbasaur},
      {"Silcoon", "Wurmple evolves\n\nto Silcoon (Level 7, at random), then to Beautifly (Level 10),\n\n"
                  "or to Cascoon (Level 7, at random), then to Dustox (Level 10)"},
      {"Shedinja", "Nincada evolves\n\nto Ninjask (Level 20),\n\nor to Shedinja (Appears when Nincada evolves, if the "
                   "party has a free slot (from generation 4 also a Poke Ball in the bag))"},
      {"Bellossom", "Oddish evolves\n\nto Gloom (Level 21), then to Vileplume (Use Leaf Stone) or to Bellossom "
                    "(Use Sun Stone)"},
      {"Manaphy", "Manaphy does not evolve."},
      {"Phione", "Phione does not evolve."}};
  for (const auto& [name, text] : cases) {
    app.PickPokemon(name);
    app.ClearMessageBoxes();
    app.Click(kEvolutionButtonId);
    ASSERT_EQ(app.MessageBoxes().size(), 1u) << name;
    const memtk::MessageBoxShown& box = app.MessageBoxes().back();
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.title, name);
    EXPECT_EQ(box.owner, memtk::TopWindow());
  }
}

}  // namespace
