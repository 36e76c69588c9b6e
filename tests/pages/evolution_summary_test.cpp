// The "&Evolution" summary: the family walked two stages deep.
#include <gtest/gtest.h>

#include "support/faunary_fixture.h"

namespace {
class EvolutionSummary : public ::testing::Test {
 protected:
  void StartOn(const std::string& id) {
    app.WriteConfig(FaunaryFixture::ConfigXml(2, id, 2, 0, 0));
    ASSERT_TRUE(app.Start());
  }
  // Clicks "&Evolution" and returns the summary's message box.
  memtk::MessageBoxShown Summary() {
    app.ClearMessageBoxes();
    app.Click(kEvolutionButtonId);
    EXPECT_FALSE(app.MessageBoxes().empty());
    return app.MessageBoxes().empty() ? memtk::MessageBoxShown{} : app.MessageBoxes().back();
  }
  FaunaryFixture app{"shell"};
};

TEST_F(EvolutionSummary, IsTheSameFromEveryMemberOfALineButForTheTitle) {
  StartOn("1");
  for (const char* name : {"Bulbasaur", "Ivysaur", "Venusaur"}) {
    app.PickPokemon(name);
    const memtk::MessageBoxShown box = Summary();
    EXPECT_EQ(box.text, "Bulbasaur to \n\nIvysaur(Level 16) to \n\nVenusaur(Level 32)");
    EXPECT_EQ(box.title, name);
    EXPECT_EQ(box.owner, memtk::TopWindow());
  }
}

TEST_F(EvolutionSummary, SeveralFirstStagesAreJoinedWithOrAndNoEvolutionIsSaid) {
  StartOn("134");
  EXPECT_EQ(Summary().text,
            "Eevee to \n\nVaporeon(Use a Water Stone) or to \n\nJolteon(Use a Thunder Stone) or to \n\n"
            "Espeon(High friendship {param})");
  app.PickPokemon("Caterpie");
  EXPECT_EQ(Summary().text, "Caterpie does not evolve.");
}

TEST_F(EvolutionSummary, ALowestMemberMissingFromTheIndex) {
  StartOn("999");
  app.ClearMessageBoxes();
  app.Click(kEvolutionButtonId);
  ASSERT_EQ(app.MessageTexts(), (std::vector<std::string>{"Request for invalid Pokemon", " does not evolve."}));
  EXPECT_EQ(app.MessageBoxes()[1].title, "Oddity");
}

TEST_F(EvolutionSummary, DataErrorsShowTheMethodTextAndEmptyNames) {
  std::string index = app.Dir().Read("data/pokemon.xml");
  index.insert(index.find("</pokedex>"),
               "<pokemon id=\"998\"><name>Glitch</name><lowestevo>998</lowestevo><fromgeneration>4</fromgeneration>"
               "<gender>17</gender><evolutions>"
               "<evolution><evomethod>99</evomethod><evoparam>3</evoparam><evolvesto>777</evolvesto></evolution>"
               "<evolution><evomethod>5</evomethod><evoparam>2</evoparam><evolvesto>10</evolvesto></evolution>"
               "</evolutions></pokemon>\n");
  app.Dir().Write("data/pokemon.xml", index);
  app.WriteConfig(FaunaryFixture::ConfigXml(2, "998", 2, 0, 0));
  ASSERT_TRUE(app.Start());
  // The unknown method's parameter was reported while loading (the index, then the record).
  EXPECT_EQ(app.MessageTexts(), (std::vector<std::string>{"Invalid evoparam?", "Invalid evoparam?"}));
  EXPECT_EQ(Summary().text, "Glitch to \n\n() or to \n\nCaterpie(Level up at day while holding an Oval Stone)");
}

}  // namespace
