// The "Main" tab as the user sees it for Pokemon of every generation.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "calc/calc_model.h"
#include "records/pokemon_index.h"
#include "records/selection.h"
#include "records/tables.h"
#include "support/faunary_fixture.h"
#include "support/temp_workdir.h"
#include "texts/main_texts.h"

namespace {
// The Main page's lines of Pokemon P1, P2, ... of a hand-made data/pokemon.xml, without a window.
std::vector<MainLines> LinesOf(const std::string& pokemon_xml, std::size_t count) {
  TempWorkdir dir{"shell"};
  dir.Write("data/pokemon.xml", "<pokedex>\n" + pokemon_xml + "</pokedex>\n");
  LoadTables();
  LoadIndex();
  std::vector<MainLines> lines;
  for (std::size_t k = 1; k <= count; ++k) lines.push_back(MainPageLines(SelectPokemon(std::to_string(k))));
  return lines;
}

// The lines that follow a rule: the games of the Pokemon's generation and later only
// (the dex lines are the committed data's test), and the special values of the numbers.
TEST(MainPage, EachGenerationShowsOnlyTheGamesSinceIt) {
  FaunaryFixture app{"shell"};
  const std::tuple<const char*, const char*, const char*> lines[] = {
      {"Bulbasaur", "crtrtradeitemwnd", "Trade Item: "},
      {"Bulbasaur", "crtrrbyspecid", "RBY Special: 65 (135-228)"},
      {"Bulbasaur", "crtrrecrratewnd", "Recruit Rate: 14.5"},
      {"Chikorita", "crtrtradeitemwnd", ""},
      {"Chikorita", "crtrrbyspecid", " "},
      {"Treecko", "crtrshinyid", ""},
      {"Treecko", "crtrrecrratewnd", "Recruit Rate: -1.5"},
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

// The Sinnoh number shows only up to 151; the trade items of Red/Blue and Yellow come from
// their own elements, and so do the abilities of generation 4.
TEST(MainLines, HandMadeRecords) {
  const std::tuple<const char*, std::string MainLines::*, const char*> cases[] = {
      {"<sinnohdex>151</sinnohdex><fromgeneration>4</fromgeneration>", &MainLines::dex_numbers,
       "National Order 0 / Sinnoh Order 151"},
      {"<sinnohdex>152</sinnohdex><fromgeneration>4</fromgeneration><dexno>7</dexno>", &MainLines::dex_numbers,
       "National Order 7"},
      {"<johtodex>0</johtodex><hoenndex>3</hoenndex><sinnohdex>0</sinnohdex><fromgeneration>1</fromgeneration>",
       &MainLines::dex_numbers, "National Order 0 / Hoenn Order 3"},
      {"<wilditem100>Berry</wilditem100><fromgeneration>3</fromgeneration>", &MainLines::gsc_wild_item, ""},
      {"<tradeitem>Berry</tradeitem><fromgeneration>1</fromgeneration>", &MainLines::trade_item, "Trade Item: Berry"},
      {"<tradeitem>Berry</tradeitem><fromgeneration>1</fromgeneration>", &MainLines::yellow_trade_item, ""},
      {"<tradeitem>Berry</tradeitem><ytradeitem>TwistedSpoon</ytradeitem><fromgeneration>1</fromgeneration>",
       &MainLines::yellow_trade_item, "Yellow Trade Item: TwistedSpoon"},
      {"<ytradeitem>Protein</ytradeitem><fromgeneration>2</fromgeneration>", &MainLines::yellow_trade_item, ""},
      {"<gen3ability2>Sturdy</gen3ability2><gen4ability1>Sturdy</gen4ability1><gen4ability2>Magnet Pull</gen4ability2>"
       "<fromgeneration>3</fromgeneration>",
       &MainLines::gen4_abilities, "Ability: Sturdy: no one-hit knock-out\nor Magnet Pull: holds Steel foes"}};
  std::string xml;
  for (std::size_t k = 0; k < std::size(cases); ++k)
    xml.append("<pokemon id=\"" + std::to_string(k + 1) + "\">").append(std::get<0>(cases[k])).append("</pokemon>\n");
  const std::vector<MainLines> lines = LinesOf(xml, std::size(cases));
  for (std::size_t k = 0; k < std::size(cases); ++k)
    EXPECT_EQ(lines[k].*std::get<1>(cases[k]), std::get<2>(cases[k])) << std::get<0>(cases[k]);
}

// The GSC wild item line for every way of filling the item elements, against the
// chances of the roll a wild Pokemon's item comes from.
TEST(MainLines, GscWildItemsShowTheChancesOfCrystalsRoll) {
  // Crystal's LoadEnemyMon: no item below 75 percent + 1 (192 of 256), then Item2 below 8 percent (20 of 256);
  // a forced-item battle (Ho-Oh, Lugia, Snorlax) always gives Item1.
  const auto percent = [](int item1_share, int item2_share) {
    const double held = (256 - 192) / 256.0;
    const double share = (item1_share * (256 - 20) + item2_share * 20) / 256.0;
    return std::to_string(static_cast<int>(held * share * 100 + 0.5)).append("%");
  };
  const auto line = [](const std::string& chance, const std::string& item) {
    return std::string("GSC Wild Item (").append(chance).append("): ").append(item);
  };
  const std::string items[] = {"", "Berry", "Gold Berry"};
  std::string xml;
  std::vector<std::string> expected;  // the line of Pokemon P1, P2, ...
  for (const std::string forced : {"", "Sacred Ash"})
    for (const std::string& a : items)
      for (const std::string& b : items) {
        const std::string id = std::to_string(expected.size() + 1);
        xml.append("<pokemon id=\"").append(id).append("\"><fromgeneration>2</fromgeneration><wilditem100>").append(forced).append("</wilditem100>");
        xml.append("<wilditem25>").append(a).append("</wilditem25><wilditem8>").append(b).append("</wilditem8>");
        xml.append("</pokemon>\n");
        std::string text;
        if (!forced.empty()) text = line("100%", forced);
        else if (!a.empty() && a == b) text = line(percent(1, 1), a);
        else if (!a.empty() && !b.empty()) text = line(percent(1, 0), a).append("; ").append(line(percent(0, 1), b));
        else if (!a.empty()) text = line(percent(1, 0), a);
        else if (!b.empty()) text = line(percent(0, 1), b);
        expected.push_back(text);
      }
  const std::vector<MainLines> lines = LinesOf(xml, expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) EXPECT_EQ(lines[k].gsc_wild_item, expected[k]) << k + 1;
  // What a player counts over many battles: about one in four holds Berry when both slots hold it.
  EXPECT_EQ(percent(1, 1), "25%");
  EXPECT_EQ(percent(1, 0), "23%");
  EXPECT_EQ(percent(0, 1), "2%");
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
