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
      {"Bulbasaur", "Bulbasaur to \n\nIvysaur(Level 16) to \n\nVenusaur(Level 32)"},
      {"Ivysaur", "Bulbasaur to \n\nIvysaur(Level 16) to \n\nVenusaur(Level 32)"},
      {"Venusaur", "Bulbasaur to \n\nIvysaur(Level 16) to \n\nVenusaur(Level 32)"},
      {"Jolteon", "Eevee to \n\nVaporeon(Use a Water Stone) or to \n\nJolteon(Use a Thunder Stone) or to \n\n"
                  "Espeon(High friendship {param})"},
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

TEST(EvolutionSummary, DataErrorsShowTheMethodTextAndEmptyNames) {
  FaunaryFixture app{"shell"};
  std::string index = app.Dir().Read("data/pokemon.xml");
  index.insert(index.find("</pokedex>"),
               "<pokemon id=\"998\"><name>Glitch</name><lowestevo>998</lowestevo><fromgeneration>4</fromgeneration>"
               "<gender>17</gender><evolutions>"
               "<evolution><evomethod>99</evomethod><evoparam>3</evoparam><evolvesto>777</evolvesto></evolution>"
               "<evolution><evomethod>5</evomethod><evoparam>2</evoparam><evolvesto>10</evolvesto></evolution>"
               "</evolutions></pokemon>\n");
  app.Dir().Write("data/pokemon.xml", index);
  app.StartOn("998");
  // The unknown method's parameter was reported while loading (the index, then the record).
  EXPECT_EQ(app.MessageTexts(), (std::vector<std::string>{"Invalid evoparam?", "Invalid evoparam?"}));
  EXPECT_EQ(Summary(app).text, "Glitch to \n\n() or to \n\nCaterpie(Level up at day while holding an Oval Stone)");
}

}  // namespace
