// The "&Evolution" summary: the family walked two stages deep.
#include <gtest/gtest.h>

#include "support/faunary_fixture.h"

namespace {
// Clicks "&Evolution" and returns the summary's message box.
memtk::MessageBoxShown Summary(FaunaryFixture& app) {
  app.ClearMessageBoxes();
  app.Click(kEvolutionButtonId);
  EXPECT_EQ(app.MessageBoxes().size(), 1u);
  return app.MessageBoxes().empty() ? memtk::MessageBoxShown{} : app.MessageBoxes().back();
}

// The same text from every member of a line; the title is the Pokemon showing.
TEST(EvolutionSummary, WalksTheFamilyFromItsLowestMember) {
  const std::pair<const char*, const char*> cases[] = {
      {"Bulbasaur", "Bulbasaur evolves\n\nto Ivysaur (Level 16), then to Venusaur (Level 32)"},
      {"Ivysaur", "Bulbasaur evolves\n\nto Ivysaur (Level 16), then to Venusaur (Level 32)"},
      {"Venusaur", "Bulbasaur evolves\n\nto Ivysaur (Level 16), then to Venusaur (Level 32)"},
      {"Jolteon", "Eevee evolves\n\nto Vaporeon (Use a Water Stone),\n\nor to Jolteon (Use a Thunder Stone),\n\n"
                  "or to Espeon (High friendship {param})"},
      {"Caterpie", "Caterpie does not evolve."}};
  FaunaryFixture app{"shell"};
  app.StartOn("1");
  for (const auto& [name, text] : cases) {
    app.PickPokemon(name);
    const memtk::MessageBoxShown box = Summary(app);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.title, name);
    EXPECT_EQ(box.owner, memtk::TopWindow());
  }
}

}  // namespace
