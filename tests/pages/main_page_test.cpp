// The "Main" tab as the user sees it for Pokemon of every generation.
#include <gtest/gtest.h>

#include <map>

#include "calc/calc_model.h"

#include "support/faunary_fixture.h"

namespace {
class MainPage : public ::testing::Test {
 protected:
  // Replaces the data set's Pokemon by these (id, inner XML) pairs.
  void WritePokemon(const std::vector<std::pair<std::string, std::string>>& pokemon) {
    std::string xml = "<pokedex>\n";
    for (const auto& [id, inner] : pokemon) xml += "<pokemon id=\"" + id + "\">" + inner + "</pokemon>\n";
    app.Dir().Write("data/pokemon.xml", xml + "</pokedex>\n");
  }
  void StartOn(const std::string& id) {
    app.WriteConfig(FaunaryFixture::ConfigXml(2, id, 2, 0, 0));
    ASSERT_TRUE(app.Start());
  }
  void ExpectTexts(const std::map<std::string, std::string>& expected) {
    for (const auto& [name, text] : expected) {
      ASSERT_NE(app.Find(name), nullptr) << name;
      EXPECT_EQ(app.TextOf(name), text) << name;
    }
  }
  FaunaryFixture app{"shell"};
};

TEST_F(MainPage, AGenerationOnePokemonShowsEveryOlderFact) {
  StartOn("1");
  ExpectTexts({
      {"crtrdexnoid", "National Order 1 / Johto Order 226 / Hoenn Order 0 / Sinnoh Order 0"},
      {"crtrnameid", "Bulbasaur"},
      {"crtrspecieid", "Seed species"},
      {"crtrtypeid", "Grass / Poison"},
      {"crtrheightid", "2'4\""},
      {"crtrweightid", "15lbs"},
      {"crtrwilditemwnd", ""},
      {"crtrtradeitemwnd", "Trade Item: "},
      {"crtrwilditemrswnd", ""},
      {"crtrwilditemflwnd", ""},
      {"crtrwilditemdpwnd", ""},
      {"crtrrbyspecid", "RBY Special: 65 (135-228)"},
      {"crtrshinyid", "GSC Shiny Colour: Light green"},
      {"crtrrsshinyid", "RSE Shiny Colour: Lime"},
      {"crtrdpshinyid", "DPP Shiny Colour: Pale green"},
      {"crtrstatexpgain", "Stat Exp given: Spec. Attack +1 "},
      {"crtrcolourwnd", "Colour: Green"},
      {"crtrabilitieswnd", "Ability: Overgrow: grass boost when low"},
      {"crtrdpabilitieswnd", "Ability: Overgrow: grass boost when low"},
      {"crtrhabitatwnd", "Habitat: Grassland"},
      {"crtrgenderid", "Gender: 87.5% male - 12.5% female"},
      {"crtrgenderdiffid", "DP Gender difference: None"},
      {"crtrrecrratewnd", "Recruit Rate: 14.5"},
      {"crtrbodysizewnd", "Body size: 1"},
      {"crtrfriendareawnd", "MD Friend Area: Mist-Rise Forest"},
  });
  EXPECT_EQ(app.TextOf("&Evolution"), "&Evolution");
  EXPECT_TRUE(app.MessageBoxes().empty());
}

TEST_F(MainPage, AGenerationTwoPokemonHasNoTradeItemOrSpecial) {
  StartOn("152");
  ExpectTexts({
      {"crtrdexnoid", "National Order 152 / Johto Order 1 / Hoenn Order 0 / Sinnoh Order 0"},
      {"crtrwilditemwnd", "GSC Wild Item (25%): Lucky Leaf"},
      {"crtrtradeitemwnd", ""},
      {"crtrrbyspecid", " "},
      {"crtrshinyid", "GSC Shiny Colour: Yellow green"},
      {"crtrweightid", "14lbs"},
      {"crtrheightid", "2'11\""},
  });
}

TEST_F(MainPage, AGenerationThreePokemonLosesTheOldRanges) {
  StartOn("252");
  ExpectTexts({
      {"crtrdexnoid", "National Order 252 / Hoenn Order 1 / Sinnoh Order 0"},
      {"crtrwilditemwnd", ""},
      {"crtrwilditemrswnd", "RS Wild Item: Leaf Charm"},
      {"crtrshinyid", ""},
      {"crtrrecrratewnd", "Recruit Rate: -1.5"},
      {"crtrabilitieswnd", "Ability: Overgrow: grass boost when low"},
      {"crtrhabitatwnd", "Habitat: Grassland"},
  });
}

TEST_F(MainPage, AGenerationFourPokemonShowsOnlyItsOwnGames) {
  StartOn("387");
  ExpectTexts({
      {"crtrdexnoid", "National Order 387 / Sinnoh Order 1"},
      {"crtrwilditemrswnd", ""},
      {"crtrwilditemdpwnd", "DP Wild Item: Sprout Charm"},
      {"crtrrsshinyid", ""},
      {"crtrdpshinyid", "DPP Shiny Colour: Olive"},
      {"crtrabilitieswnd", ""},
      {"crtrdpabilitieswnd", "Ability: Overgrow: grass boost when low"},
      {"crtrhabitatwnd", ""},
      {"crtrgenderdiffid", "DP Gender difference: None visible"},
      {"crtrrecrratewnd", "Recruit Rate: Unknown"},
      {"crtrbodysizewnd", "Body Size: Unknown"},
      {"crtrfriendareawnd", "MD Friend Area: None"},
  });
}

TEST_F(MainPage, TwoAbilitiesTwoTypesAndTheLightestWeight) {
  StartOn("81");
  ExpectTexts({
      {"crtrtypeid", "Electric / Steel"},
      {"crtrweightid", "0.2lbs"},
      {"crtrabilitieswnd", "Ability: Magnet Pull: holds Steel foes\nor Sturdy: no one-hit knock-out"},
      {"crtrgenderid", "Genderless"},
      {"crtrrecrratewnd", "Recruit Rate: Evolution only"},
      {"crtrfriendareawnd", "MD Friend Area: Power Plant"},
  });
}

TEST_F(MainPage, StatExperienceIsListedInItsFixedOrder) {
  StartOn("3");
  EXPECT_EQ(app.TextOf("crtrstatexpgain"), "Stat Exp given: HP +1 Spec. Attack +2 Spec. Defense +1 Speed +3 ");
  app.PickPokemon("Caterpie");
  EXPECT_EQ(app.TextOf("crtrstatexpgain"), "Stat Exp given: ");
}

TEST_F(MainPage, TheSinnohNumberShowsOnlyUpTo151) {
  WritePokemon({{"1", "<name>A</name><sinnohdex>151</sinnohdex><fromgeneration>4</fromgeneration>"},
                {"2", "<name>B</name><sinnohdex>152</sinnohdex><fromgeneration>4</fromgeneration><dexno>7</dexno>"}});
  StartOn("1");
  EXPECT_EQ(app.TextOf("crtrdexnoid"), "National Order 0 / Sinnoh Order 151");
  app.PickPokemon("B");
  EXPECT_EQ(app.TextOf("crtrdexnoid"), "National Order 7");
}

struct WildItems {
  const char* items;  // XML of the held-item elements
  int generation;
  const char* text;
};

void PrintTo(const WildItems& c, std::ostream* os) { *os << "generation " << c.generation << ": " << c.text; }

class GscWildItem : public MainPage, public ::testing::WithParamInterface<WildItems> {};

TEST_P(GscWildItem, ComposesTheShares) {
  WritePokemon({{"1", std::string("<name>A</name>") + GetParam().items + "<fromgeneration>" +
                          std::to_string(GetParam().generation) + "</fromgeneration>"}});
  StartOn("1");
  EXPECT_EQ(app.TextOf("crtrwilditemwnd"), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, GscWildItem,
    ::testing::Values(
        WildItems{"<wilditem100>Berry</wilditem100><wilditem25>X</wilditem25>", 2, "GSC Wild Item (100%): Berry"},
        WildItems{"<wilditem8>Nugget</wilditem8>", 1, "GSC Wild Item (1.5%): Nugget"},
        WildItems{"<wilditem25>Mint</wilditem25><wilditem8>Mint</wilditem8>", 2, "GSC Wild Item (26.5%): Mint"},
        WildItems{"<wilditem25>Mint</wilditem25><wilditem8>Gold</wilditem8>", 2,
                  "GSC Wild Item (25%): Mint; GSC Wild Item (1.5%): Gold"},
        WildItems{"<wilditem100>Berry</wilditem100>", 3, ""}));

// Every stat line of every Pokemon holds the level-100 ranges of both rules.
TEST_F(MainPage, StatRangesFollowBothRulesForEveryPokemon) {
  StartOn("1");
  const std::pair<const char*, const char*> lines[] = {{"crtrhpid", "HP: "},          {"crtrattkid", "Attack: "},
                                                       {"crtrdefid", "Defense: "},    {"crtrspdid", "Speed: "},
                                                       {"crtrspattkid", "Spec Attack: "}, {"crtrspdefid", "Spec Defense: "}};
  for (const std::string& name : app.PokemonListNames()) {
    app.PickPokemon(name);
    const bool old = app.TextOf("crtrrbyspecid") != " ";  // generation 1
    for (const auto& [control, label] : lines) {
      const std::string text = app.TextOf(control);
      const int base = std::atoi(text.c_str() + std::string(label).size());
      const bool hp = std::string(label) == "HP: ";
      std::string expected = label + std::to_string(base) + " (" + std::to_string(model::StatGen34(base, 100, 0, 0, hp, 1)) +
                             "-" + std::to_string(model::StatGen34(base, 100, 31, 255, hp, 2)) + ")";
      if (text.find(" Old: (") != std::string::npos || old)
        expected += " Old: (" + std::to_string(model::StatGen12(base, 100, 0, 0, hp)) + "-" +
                    std::to_string(model::StatGen12(base, 100, 15, 63, hp)) + ")";
      EXPECT_EQ(text, expected) << name;
    }
  }
  app.PickPokemon("Bulbasaur");
  EXPECT_EQ(app.TextOf("crtrhpid"), "HP: 45 (180-323) Old: (200-293)");
}

// The gender text and bar: the widths of the two sexes, or one grey bar.
TEST_F(MainPage, GenderBarHasTheWidthsOfTheRatio) {
  const std::tuple<int, const char*, std::vector<std::pair<int, int>>, bool> cases[] = {
      {0, "Gender: 100% female", {{320, 211}}, false},
      {4, "Gender: 25% male - 75% female", {{80, 210}, {240, 211}}, false},
      {14, "Gender: 87.5% male - 12.5% female", {{280, 210}, {40, 211}}, false},
      {16, "Gender: 100% male", {{320, 210}}, false},
      {17, "Genderless", {{320, 212}}, false},
      {2, "Gender: Unknown", {{40, 210}, {280, 211}}, true},
      {18, "Gender: Unknown", {}, true},
      {-1, "Gender: Unknown", {}, true}};
  for (const auto& [code, text, bars, message] : cases) {
    FaunaryFixture run{"shell"};
    run.Dir().Write("data/pokemon.xml", "<pokedex><pokemon id=\"1\"><name>A</name><fromgeneration>1</fromgeneration><gender>" +
                                            std::to_string(code) + "</gender></pokemon></pokedex>");
    run.WriteConfig(FaunaryFixture::ConfigXml(2, "1", 2, 0, 0));
    ASSERT_TRUE(run.Start());
    EXPECT_EQ(run.TextOf("crtrgenderid"), text);
    std::vector<std::pair<int, int>> shown;  // (width, bitmap) left to right
    for (const memtk::Control* c : memtk::Controls())
      if ((c->style & SS_TYPEMASK) == SS_BITMAP) {
        EXPECT_EQ(c->rect.left, 10 + (shown.empty() ? 0 : shown[0].first)) << code;
        EXPECT_EQ(memtk::BitmapDetails(c->bitmap).width, c->rect.right - c->rect.left) << code;
        shown.emplace_back(c->rect.right - c->rect.left, memtk::BitmapDetails(c->bitmap).resource_id);
      }
    EXPECT_EQ(shown, bars) << code;
    EXPECT_EQ(run.MessageTexts(), message ? std::vector<std::string>{"Gender Percentage not yet implemented"}
                                          : std::vector<std::string>{})
        << code;
  }
}

TEST_F(MainPage, RedrawingKeepsAtMostTwoBarsAndLeavingReleasesThem) {
  StartOn("1");
  for (const char* name : {"Magnemite", "Nidoran F", "Caterpie", "Bulbasaur", "Nidoran M"}) {
    app.PickPokemon(name);
    EXPECT_LE(memtk::LiveBitmapCount(), 2) << name;
  }
  app.SelectTab("Breeding");
  EXPECT_EQ(memtk::LiveBitmapCount(), 0);
}

TEST_F(MainPage, TheEvolutionButtonShowsTheFamily) {
  StartOn("2");
  app.Click(kEvolutionButtonId);
  ASSERT_EQ(app.MessageBoxes().size(), 1u);
  EXPECT_EQ(app.MessageBoxes()[0].text, "Bulbasaur to \n\nIvysaur(Level 16) to \n\nVenusaur(Level 32)");
  EXPECT_EQ(app.MessageBoxes()[0].title, "Ivysaur");
  EXPECT_EQ(app.MessageBoxes()[0].owner, memtk::TopWindow());
}
}  // namespace
