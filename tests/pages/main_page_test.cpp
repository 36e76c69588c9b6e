// The "Main" tab as the user sees it for Pokemon of every generation.
#include <gtest/gtest.h>

#include "calc/calc_model.h"

#include "support/faunary_fixture.h"

namespace {
// The lines that follow a rule: the games and orders of the Pokemon's generation
// and later only, and the special values of the numbers.
TEST(MainPage, EachGenerationShowsOnlyTheGamesSinceIt) {
  FaunaryFixture app{"shell"};
  const std::tuple<const char*, const char*, const char*> lines[] = {
      {"Bulbasaur", "crtrdexnoid", "National Order 1 / Johto Order 226 / Hoenn Order 0 / Sinnoh Order 0"},
      {"Bulbasaur", "crtrtradeitemwnd", "Trade Item: "},
      {"Bulbasaur", "crtrrbyspecid", "RBY Special: 65 (135-228)"},
      {"Bulbasaur", "crtrrecrratewnd", "Recruit Rate: 14.5"},
      {"Chikorita", "crtrdexnoid", "National Order 152 / Johto Order 1 / Hoenn Order 0 / Sinnoh Order 0"},
      {"Chikorita", "crtrtradeitemwnd", ""},
      {"Chikorita", "crtrrbyspecid", " "},
      {"Treecko", "crtrdexnoid", "National Order 252 / Hoenn Order 1 / Sinnoh Order 0"},
      {"Treecko", "crtrshinyid", ""},
      {"Treecko", "crtrrecrratewnd", "Recruit Rate: -1.5"},
      {"Turtwig", "crtrdexnoid", "National Order 387 / Sinnoh Order 1"},
      {"Turtwig", "crtrrsshinyid", ""},
      {"Turtwig", "crtrabilitieswnd", ""},
      {"Turtwig", "crtrdpabilitieswnd", "Ability: Overgrow: grass boost when low"},
      {"Turtwig", "crtrhabitatwnd", ""},
      {"Turtwig", "crtrgenderdiffid", "DP Gender difference: None visible"},
      {"Turtwig", "crtrrecrratewnd", "Recruit Rate: Unknown"},
      {"Turtwig", "crtrbodysizewnd", "Body Size: Unknown"},
      {"Turtwig", "crtrfriendareawnd", "MD Friend Area: None"},
      {"Magnemite", "crtrweightid", "0.2lbs"},
      {"Magnemite", "crtrabilitieswnd", "Ability: Magnet Pull: holds Steel foes\nor Sturdy: no one-hit knock-out"},
      {"Magnemite", "crtrrecrratewnd", "Recruit Rate: Evolution only"},
      {"Venusaur", "crtrstatexpgain", "Stat Exp given: HP +1 Spec. Attack +2 Spec. Defense +1 Speed +3 "},
      {"Caterpie", "crtrstatexpgain", "Stat Exp given: "},
  };
  app.StartOn("1");
  for (const auto& [name, control, text] : lines) {
    app.PickPokemon(name);
    EXPECT_EQ(app.TextOf(control), text) << name << " " << control;
  }
  EXPECT_TRUE(app.MessageBoxes().empty());
}

// The Sinnoh number shows only up to 151; wild items of generations 1 and 2 compose their shares;
// the trade item and the abilities of generation 4 come from their own elements.
TEST(MainPage, HandMadeRecords) {
  FaunaryFixture app{"shell"};
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"<sinnohdex>151</sinnohdex><fromgeneration>4</fromgeneration>", "crtrdexnoid",
       "National Order 0 / Sinnoh Order 151"},
      {"<sinnohdex>152</sinnohdex><fromgeneration>4</fromgeneration><dexno>7</dexno>", "crtrdexnoid",
       "National Order 7"},
      {"<wilditem100>Berry</wilditem100><wilditem25>X</wilditem25><fromgeneration>2</fromgeneration>",
       "crtrwilditemwnd", "GSC Wild Item (100%): Berry"},
      {"<wilditem25>Mint</wilditem25><wilditem8>Mint</wilditem8><fromgeneration>2</fromgeneration>",
       "crtrwilditemwnd", "GSC Wild Item (26.5%): Mint"},
      {"<wilditem25>Mint</wilditem25><wilditem8>Gold</wilditem8><fromgeneration>1</fromgeneration>",
       "crtrwilditemwnd", "GSC Wild Item (25%): Mint; GSC Wild Item (1.5%): Gold"},
      {"<wilditem100>Berry</wilditem100><fromgeneration>3</fromgeneration>", "crtrwilditemwnd", ""},
      {"<tradeitem>Berry</tradeitem><fromgeneration>1</fromgeneration>", "crtrtradeitemwnd", "Trade Item: Berry"},
      {"<gen3ability2>Sturdy</gen3ability2><gen4ability1>Sturdy</gen4ability1><gen4ability2>Magnet Pull</gen4ability2>"
       "<fromgeneration>3</fromgeneration>",
       "crtrdpabilitieswnd", "Ability: Sturdy: no one-hit knock-out\nor Magnet Pull: holds Steel foes"}};
  std::string xml = "<pokedex>\n";
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    const std::string id(1, static_cast<char>('1' + k));
    xml.append("<pokemon id=\"").append(id).append("\"><name>P").append(id).append("</name>");
    xml.append(std::get<0>(cases[k])).append("</pokemon>\n");
  }
  app.Dir().Write("data/pokemon.xml", xml + "</pokedex>\n");
  app.StartOn("1");
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    app.PickPokemon(std::string("P").append(1, static_cast<char>('1' + k)));
    EXPECT_EQ(app.TextOf(std::get<1>(cases[k])), std::get<2>(cases[k])) << std::get<0>(cases[k]);
  }
}

// Every stat line of every Pokemon holds the level-100 ranges of both rules.
TEST(MainPage, StatRangesFollowBothRulesForEveryPokemon) {
  FaunaryFixture app{"shell"};
  app.StartOn("1");
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
  EXPECT_EQ(app.TextOf("crtrhpid"), "HP: 45 (200-294) Old: (200-293)");
}

}  // namespace
