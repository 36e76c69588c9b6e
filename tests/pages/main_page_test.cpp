// The "Main" tab as the user sees it for Pokemon of every generation.
#include <gtest/gtest.h>

#include <map>

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
      {"crtrhpid", "HP: 45 (180-323) Old: (200-293)"},
      {"crtrattkid", "Attack: 49 (92-216) Old: (103-196)"},
      {"crtrspdid", "Speed: 45 (85-207) Old: (95-188)"},
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
      {"crtrdefid", "Defense: 65 (121-251) Old: (135-228)"},
      {"crtrweightid", "14lbs"},
      {"crtrheightid", "2'11\""},
  });
}

TEST_F(MainPage, AGenerationThreePokemonLosesTheOldRanges) {
  StartOn("252");
  ExpectTexts({
      {"crtrdexnoid", "National Order 252 / Hoenn Order 1 / Sinnoh Order 0"},
      {"crtrhpid", "HP: 40 (171-312)"},
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

TEST_F(MainPage, ASecondTypeEqualToTheFirstIsNotRepeated) {
  StartOn("29");
  EXPECT_EQ(app.TextOf("crtrtypeid"), "Poison");
}

TEST_F(MainPage, StatExperienceIsListedInItsFixedOrder) {
  StartOn("3");
  EXPECT_EQ(app.TextOf("crtrstatexpgain"), "Stat Exp given: HP +1 Spec. Attack +2 Spec. Defense +1 Speed +3 ");
  app.PickPokemon("Caterpie");
  EXPECT_EQ(app.TextOf("crtrstatexpgain"), "Stat Exp given: ");
}

TEST_F(MainPage, EveryDrawReplacesEveryText) {
  StartOn("1");
  app.PickPokemon("Turtwig");
  EXPECT_EQ(app.TextOf("crtrshinyid"), "");
  EXPECT_EQ(app.TextOf("crtrtradeitemwnd"), "");
  EXPECT_EQ(app.TextOf("crtrrbyspecid"), " ");
  app.PickPokemon("Bulbasaur");
  EXPECT_EQ(app.TextOf("crtrtradeitemwnd"), "Trade Item: ");
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
        WildItems{"", 1, ""},
        WildItems{"<wilditem25>Mint</wilditem25>", 2, "GSC Wild Item (25%): Mint"},
        WildItems{"<wilditem25>Mint</wilditem25><wilditem8>Mint</wilditem8>", 2, "GSC Wild Item (26.5%): Mint"},
        WildItems{"<wilditem25>Mint</wilditem25><wilditem8>Gold</wilditem8>", 2,
                  "GSC Wild Item (25%): Mint; GSC Wild Item (1.5%): Gold"},
        WildItems{"<wilditem100>Berry</wilditem100>", 3, ""}));

struct RecruitCase {
  int tenths;
  const char* text;
};

void PrintTo(const RecruitCase& c, std::ostream* os) { *os << c.tenths; }

class RecruitRate : public MainPage, public ::testing::WithParamInterface<RecruitCase> {};

TEST_P(RecruitRate, IsWrittenInTheGeneralFormat) {
  WritePokemon({{"1", "<name>A</name><fromgeneration>3</fromgeneration><mdrecruitrate>" +
                          std::to_string(GetParam().tenths) + "</mdrecruitrate>"}});
  StartOn("1");
  EXPECT_EQ(app.TextOf("crtrrecrratewnd"), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Pages, RecruitRate,
                         ::testing::Values(RecruitCase{145, "Recruit Rate: 14.5"}, RecruitCase{100, "Recruit Rate: 10"},
                                           RecruitCase{-15, "Recruit Rate: -1.5"}, RecruitCase{3, "Recruit Rate: 0.3"},
                                           RecruitCase{0, "Recruit Rate: Evolution only"}));

// The gender bar: which bars exist, where, and with which bitmap.
struct Bar {
  const char* name;
  int id;
  int left;
  int width;
  int bitmap;
};

struct GenderCase {
  int code;
  const char* text;
  std::vector<Bar> bars;
  bool message;
};

void PrintTo(const GenderCase& c, std::ostream* os) { *os << "code " << c.code; }

class GenderBar : public MainPage, public ::testing::WithParamInterface<GenderCase> {};

TEST_P(GenderBar, HasTheWidthsOfTheRatio) {
  WritePokemon({{"1", "<name>A</name><fromgeneration>1</fromgeneration><gender>" +
                          std::to_string(GetParam().code) + "</gender>"}});
  StartOn("1");
  EXPECT_EQ(app.TextOf("crtrgenderid"), GetParam().text);
  std::vector<const memtk::Control*> bars;
  for (const memtk::Control* c : memtk::Controls())
    if ((c->style & SS_TYPEMASK) == SS_BITMAP && c->class_name == "STATIC") bars.push_back(c);
  ASSERT_EQ(bars.size(), GetParam().bars.size());
  for (std::size_t i = 0; i < bars.size(); ++i) {
    const Bar& want = GetParam().bars[i];
    EXPECT_EQ(bars[i]->window_name, want.name);
    EXPECT_EQ(bars[i]->id, want.id);
    EXPECT_EQ(bars[i]->rect, (tk::Rect{want.left, 250, want.left + want.width, 265}));
    EXPECT_EQ(bars[i]->style, WS_CHILD | WS_VISIBLE | SS_BITMAP);
    const memtk::BitmapInfo bitmap = memtk::BitmapDetails(bars[i]->bitmap);
    EXPECT_EQ(bitmap.resource_id, want.bitmap);
    EXPECT_EQ(bitmap.width, want.width);
    EXPECT_EQ(bitmap.height, 15);
    EXPECT_GE(bars[i]->invalidations, 1);
  }
  if (GetParam().message) {
    ASSERT_EQ(app.MessageBoxes().size(), 1u);
    EXPECT_EQ(app.MessageBoxes()[0].text, "Gender Percentage not yet implemented");
    EXPECT_EQ(app.MessageBoxes()[0].title, "GenderBuf 1");
    EXPECT_EQ(app.MessageBoxes()[0].owner, memtk::TopWindow());
  } else {
    EXPECT_TRUE(app.MessageBoxes().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, GenderBar,
    ::testing::Values(
        GenderCase{0, "Gender: 100% female", {{"crtrfemalebarid", 137, 10, 320, 211}}, false},
        GenderCase{4, "Gender: 25% male - 75% female",
                   {{"crtrmalebarid", 136, 10, 80, 210}, {"crtrfemalebarid", 137, 90, 240, 211}}, false},
        GenderCase{8, "Gender: 50% male - 50% female",
                   {{"crtrmalebarid", 136, 10, 160, 210}, {"crtrfemalebarid", 137, 170, 160, 211}}, false},
        GenderCase{12, "Gender: 75% male - 25% female",
                   {{"crtrmalebarid", 136, 10, 240, 210}, {"crtrfemalebarid", 137, 250, 80, 211}}, false},
        GenderCase{14, "Gender: 87.5% male - 12.5% female",
                   {{"crtrmalebarid", 136, 10, 280, 210}, {"crtrfemalebarid", 137, 290, 40, 211}}, false},
        GenderCase{16, "Gender: 100% male", {{"crtrmalebarid", 136, 10, 320, 210}}, false},
        GenderCase{17, "Genderless", {{"crtrgndrbarid", 136, 10, 320, 212}}, false},
        GenderCase{2, "Gender: Unknown",
                   {{"crtrmalebarid", 136, 10, 40, 210}, {"crtrfemalebarid", 137, 50, 280, 211}}, true},
        // Codes outside 0-17 name no ratio: no bar at all.
        GenderCase{18, "Gender: Unknown", {}, true}, GenderCase{-1, "Gender: Unknown", {}, true},
        GenderCase{2147483647, "Gender: Unknown", {}, true}));

TEST_F(MainPage, RedrawingKeepsAtMostTwoBarsAndTwoBitmaps) {
  StartOn("1");
  for (const char* name : {"Magnemite", "Nidoran F", "Caterpie", "Bulbasaur", "Nidoran M"}) {
    app.PickPokemon(name);
    EXPECT_LE(memtk::LiveBitmapCount(), 2) << name;
  }
  int bars = 0;
  for (const memtk::Control* c : memtk::Controls()) bars += (c->style & SS_TYPEMASK) == SS_BITMAP ? 1 : 0;
  EXPECT_EQ(bars, 1) << "Nidoran M has one bar";
}

TEST_F(MainPage, LeavingThePageDestroysItsControlsAndBitmaps) {
  StartOn("8" /* not in the index: Bulbasaur */);
  EXPECT_GT(memtk::Controls().size(), 4u);
  app.SelectTab("Breeding");
  EXPECT_EQ(memtk::Controls().size(), 4u + 4u) << "the main window's four and the breeding page's four";
  EXPECT_EQ(memtk::LiveBitmapCount(), 0);
}

TEST_F(MainPage, ControlsAreLaidOutWithTheSharedFont) {
  StartOn("1");
  const memtk::Control* button = app.Find(kEvolutionButtonId);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->window_name, "&Evolution");
  EXPECT_EQ(button->rect, (tk::Rect{260, 270, 330, 290}));
  EXPECT_EQ(button->style, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
  const memtk::Control* abilities = app.Find("crtrabilitieswnd");
  EXPECT_EQ(abilities->rect, (tk::Rect{260, 165, 640, 225}));
  EXPECT_EQ(abilities->id, 317);
  for (const memtk::Control* c : memtk::Controls())
    if ((c->style & SS_TYPEMASK) != SS_BITMAP) {
      EXPECT_EQ(c->font, tk::StockGuiFont()) << c->window_name;
    }
  EXPECT_EQ(memtk::Controls().size(), 4u + 32u + 2u) << "32 controls and two bars";
}

TEST_F(MainPage, TheEvolutionButtonShowsTheFamily) {
  StartOn("2");
  app.Click(kEvolutionButtonId);
  ASSERT_EQ(app.MessageBoxes().size(), 1u);
  EXPECT_EQ(app.MessageBoxes()[0].text, "Bulbasaur to \n\nIvysaur(Level 16) to \n\nVenusaur(Level 32)");
  EXPECT_EQ(app.MessageBoxes()[0].title, "Ivysaur");
  EXPECT_EQ(app.MessageBoxes()[0].type, MB_OK);
  EXPECT_EQ(app.MessageBoxes()[0].owner, memtk::TopWindow());
}
}  // namespace
