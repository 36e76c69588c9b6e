// The main window in use: the Pokemon list, About and Options, closing.
#include <gtest/gtest.h>

#include "records/pokemon_index.h"
#include "shell/config.h"
#include "shell/page_framework.h"
#include "shell/shell_state.h"
#include "support/faunary_fixture.h"

namespace {
class MainWindow : public ::testing::Test {
 protected:
  void StartWith(const std::string& pokemon, long long page = 0) {
    app.WriteConfig(FaunaryFixture::ConfigXml(2, pokemon, 2, page, 0));
    ASSERT_TRUE(app.Start());
  }
  FaunaryFixture app{"shell"};
};

TEST_F(MainWindow, ListsPokemonInTheByteOrderOfTheirIds) {
  StartWith("1");
  EXPECT_EQ(app.PokemonListNames(),
            (std::vector<std::string>{"Bulbasaur", "Caterpie", "Eevee", "Vaporeon", "Jolteon", "Chikorita", "Espeon",
                                      "Ivysaur", "Treecko", "Nidoran F", "Venusaur", "Nidoran M", "Turtwig",
                                      "Magnemite", "Oddity"}));
}

TEST_F(MainWindow, SelectsTheConfiguredStartPokemon) {
  StartWith("3");
  EXPECT_EQ(app.SelectedPokemonName(), "Venusaur");
  EXPECT_EQ(CurrentId(), "3");
}

TEST_F(MainWindow, AStartPokemonNotInTheIndexBecomesTheFirst) {
  StartWith("4444");
  EXPECT_EQ(Settings().crtrloadpick, "1");
  EXPECT_EQ(app.SelectedPokemonName(), "Bulbasaur");
  EXPECT_TRUE(app.MessageBoxes().empty());
}

TEST_F(MainWindow, WithoutAPokemonOneTheFirstEntryIsSelected) {
  std::string index = app.Dir().Read("data/pokemon.xml");
  const auto from = index.find("<pokemon id=\"1\">");
  index.erase(from, index.find("<pokemon id=\"2\">") - from);
  app.Dir().Write("data/pokemon.xml", index);
  StartWith("1");
  EXPECT_EQ(app.SelectedPokemonName(), "Caterpie");
}

TEST_F(MainWindow, ChoosingAPokemonRedrawsThePageShowing) {
  StartWith("1");
  app.PickPokemon("Ivysaur");
  EXPECT_EQ(CurrentId(), "2");
  EXPECT_EQ(app.TextOf("crtrnameid"), "Ivysaur");
  app.PickPokemonAt(0);
  EXPECT_EQ(app.TextOf("crtrnameid"), "Bulbasaur");
  EXPECT_TRUE(app.MessageBoxes().empty());
}

TEST_F(MainWindow, ChoosingAPokemonWithNoPageShowingChangesOnlyTheSelection) {
  StartWith("1", 12);
  app.PickPokemon("Eevee");
  EXPECT_EQ(CurrentRecord().name, "Eevee");
  EXPECT_EQ(app.Find("crtrnameid"), nullptr);
  app.SelectTab("Main");
  EXPECT_EQ(app.TextOf("crtrnameid"), "Eevee") << "a page draws the current Pokemon when it is made";
}

TEST_F(MainWindow, AnEmptyListIgnoresASelectionChange) {
  app.Dir().Write("data/pokemon.xml", "<pokedex></pokedex>");
  StartWith("1");
  EXPECT_TRUE(app.PokemonListNames().empty());
  EXPECT_EQ(app.SelectedPokemonName(), "");
  app.ClearMessageBoxes();
  EXPECT_EQ(memtk::SendCommand(kPokemonListId, CBN_SELCHANGE), 0);
  EXPECT_TRUE(app.MessageBoxes().empty()) << "no entry, so no Pokemon is chosen";
}

TEST_F(MainWindow, OtherListNotificationsChangeNothing) {
  StartWith("1");
  EXPECT_EQ(memtk::SendCommand(kPokemonListId, 5 /* CBN_EDITCHANGE */), 0);
  EXPECT_EQ(memtk::SendCommand(kAboutButtonId, 1), 0);
  EXPECT_EQ(CurrentId(), "1");
  EXPECT_TRUE(memtk::DialogsRun().empty());
}

struct AboutClose {
  const char* how;
  std::intptr_t result;
};

void PrintTo(const AboutClose& c, std::ostream* os) { *os << c.how; }

class AboutBox : public MainWindow, public ::testing::WithParamInterface<AboutClose> {};

TEST_P(AboutBox, ShowsItsTextsAndCloses) {
  StartWith("1");
  const std::string how = GetParam().how;
  app.OnNextDialog([&](memtk::Dialog& d) {
    EXPECT_EQ(d.TemplateId(), 201);
    EXPECT_EQ(d.Owner(), memtk::TopWindow());
    EXPECT_EQ(d.Title(), "About Faunary");
    EXPECT_EQ(d.Text(1), "Ok");
    const std::string text = d.Text(202);
    EXPECT_EQ(text.rfind("Faunary Offline Pokedex. ", 0), 0u);
    EXPECT_NE(text.find(" For more information, read the readme.txt file that should have been included with this "
                        "package."),
              std::string::npos);
    EXPECT_EQ(text.find('\n'), std::string::npos) << "one line";
    if (how == "button") d.Click(1);
    if (how == "enter") d.PressEnter();
    if (how == "escape") d.PressEscape();
    EXPECT_TRUE(d.Ended());
  });
  app.Click(kAboutButtonId);
  ASSERT_EQ(memtk::DialogsRun().size(), 1u);
  EXPECT_TRUE(memtk::DialogsRun()[0].scripted);
  EXPECT_EQ(memtk::DialogsRun()[0].result, GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Shell, AboutBox,
                         ::testing::Values(AboutClose{"button", IDOK}, AboutClose{"enter", IDOK},
                                           AboutClose{"escape", IDCANCEL}));

TEST_F(MainWindow, OptionsOpenModallyOwnedByTheMainWindowAndRedrawNothing) {
  StartWith("1");
  const tk::Window name_before = app.Find("crtrnameid")->handle;
  app.OnNextDialog([](memtk::Dialog& d) {
    EXPECT_EQ(d.TemplateId(), 207);
    EXPECT_EQ(d.Owner(), memtk::TopWindow());
    d.Click(IDOK);
  });
  app.Click(kOptionsButtonId);
  ASSERT_EQ(memtk::DialogsRun().size(), 1u);
  EXPECT_EQ(memtk::DialogsRun()[0].result, IDOK);
  EXPECT_EQ(app.Find("crtrnameid")->handle, name_before);
}

TEST_F(MainWindow, ClosingReleasesEverythingSavesAndQuits) {
  StartWith("1");
  const tk::ImageList icons = TypeIconList();
  app.Close();
  EXPECT_FALSE(memtk::TopWindow());
  EXPECT_TRUE(memtk::ImageListDetails(icons).destroyed);
  EXPECT_FALSE(Pages().current) << "the page is destroyed";
  EXPECT_EQ(memtk::LiveBitmapCount(), 0) << "the page's bar bitmaps went with it";
  EXPECT_TRUE(app.Dir().Exists("faunary.cfgx"));
  EXPECT_TRUE(memtk::QuitPosted());
  EXPECT_EQ(memtk::QuitCode(), 0);
}
}  // namespace
