// Start-up and the main window as the user meets them: the first-run message,
// the start Pokemon, the tabs, and the end of the program. The window's size,
// style, tabs and list order are checked by the Wine first-run session.
#include <gtest/gtest.h>

#include <tuple>

#include "shell/page_framework.h"
#include "shell/shell_state.h"
#include "support/faunary_fixture.h"

namespace {
const std::string kFirstRunText =
    "We have detected that this is the first time you are running this program\n"
    "This message should only be shown to you only once.\n"
    "Faunary is written and kept up by the Faunary developers."
    " For more information, please check the readme.txt file that should have been included with your Faunary "
    "distribution.\n";

// No settings file is a first run, and so is an empty or blank settings record in the archive:
// the settings are read quietly.
TEST(StartUp, FirstRunShowsOnlyTheMessageWithoutOwnerAndStartsOnTheDefaults) {
  for (const char* record : {"none", "", " \r\n\t "}) {
    FaunaryFixture app{"shell"};
    if (std::string(record) != "none") app.Dir().Write("faunary.dat", ArchiveRecord("faunary.cfgx", record));
    ASSERT_TRUE(app.Start());
    ASSERT_EQ(app.MessageBoxes().size(), 1u) << '"' << record << '"';
    const memtk::MessageBoxShown& box = app.MessageBoxes()[0];
    EXPECT_EQ(std::make_tuple(box.text, box.title, box.type), std::make_tuple(kFirstRunText, "Faunary", MB_OK));
    EXPECT_FALSE(box.owner);
    EXPECT_FALSE(box.main_window_existed);
    EXPECT_EQ(app.SelectedPokemonName(), "Bulbasaur");
    EXPECT_EQ(app.SelectedTab(), 0);
    EXPECT_EQ(memtk::StartedThreadCount(), 0u);
    EXPECT_FALSE(app.Dir().Exists("faunary.cfgx")) << "nothing is written before the program ends";
  }
}

// Started where there is no data: one message saying where it looked, no window, exit 1.
TEST(StartUp, WithoutDataItSaysWhereItLookedOnceAndEnds) {
  FaunaryFixture app{""};
  EXPECT_EQ(app.Run([] {}), 1);
  ASSERT_EQ(app.MessageBoxes().size(), 1u);
  EXPECT_TRUE(app.MessageBoxes()[0].text.starts_with("No Pokemon data was found")) << app.MessageBoxes()[0].text;
  EXPECT_NE(app.MessageBoxes()[0].text.find(app.Dir().path().string()), std::string::npos);
  EXPECT_FALSE(memtk::TopWindow());
  EXPECT_FALSE(app.Dir().Exists("faunary.cfgx"));
}

TEST(StartUp, TheStartPokemonIsLoadedBeforeTheWindowExists) {
  FaunaryFixture app{"shell"};
  std::string index = app.Dir().Read("data/pokemon.xml");
  index.insert(index.find("</pokedex>"),
               "<pokemon id=\"500\"><name>Faraway</name><loadfile filename=\"gone.xml\" /></pokemon>\n");
  app.Dir().Write("data/pokemon.xml", index);
  app.StartOn("500");
  ASSERT_EQ(app.MessageTexts(), (std::vector<std::string>{"Could not load reader data file!", "Invalid Pokemon selected"}));
  for (const auto& box : app.MessageBoxes()) EXPECT_FALSE(box.main_window_existed);
  EXPECT_EQ(app.SelectedPokemonName(), "Faraway");
}

TEST(StartUp, TheWholeProgramRunsAndEndsWithExitCodeZero) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(1, "1", 2, 0, 0));
  tk::ImageList icons;
  const int code = app.Run([&] {
    icons = TypeIconList();
    app.PickPokemon("Venusaur");
    EXPECT_EQ(app.TextOf("crtrnameid"), "Venusaur");
    app.Close();
  });
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(memtk::QuitPosted());
  EXPECT_TRUE(memtk::ImageListDetails(icons).destroyed);
  EXPECT_FALSE(Pages().current) << "the page is destroyed";
  EXPECT_EQ(memtk::LiveBitmapCount(), 0) << "the page's bar bitmaps went with it";
  EXPECT_NE(app.Dir().Read("faunary.cfgx").find("<crtrloadpick>3</crtrloadpick>"), std::string::npos);
}

TEST(Tabs, EverySwitchMakesAFreshPageAndTheSelectedTabRebuildsNothing) {
  FaunaryFixture app{"shell"};
  app.StartOn("1");
  const auto page_controls = [] { return memtk::Controls().size() - 4; };
  const tk::Window first = app.Find("crtrnameid")->handle;
  const std::size_t controls = page_controls();
  app.SelectTab("Main");
  EXPECT_EQ(app.Find("crtrnameid")->handle, first);
  app.SelectTab("Calculations");
  EXPECT_EQ(CurrentPageIndex(), 5);
  EXPECT_EQ(app.Find("crtrnameid"), nullptr) << "the old page's controls are gone";
  app.SelectTab("Main");
  EXPECT_NE(app.Find("crtrnameid")->handle, first);
  EXPECT_EQ(page_controls(), controls) << "no control of an earlier page survives";
}

// Settings written before the tutor grid's tab stood before Locations keep meaning the same
// pages: the stored number names the page, wherever its tab stands.
TEST(Tabs, AStoredStartPageKeepsItsPageWhereverItsTabStands) {
  const std::tuple<long long, int, const char*> cases[] = {
      {0, 0, "Main"}, {10, 10, "DP TMs 2"}, {11, 12, "Locations"}, {12, 11, "Tutors"}};
  for (const auto& [stored, tab, name] : cases) {
    FaunaryFixture app{"shell"};
    app.StartOn("1", stored);
    EXPECT_EQ(app.SelectedTab(), tab) << name;
    EXPECT_EQ(CurrentPageIndex(), stored) << name;
    EXPECT_STREQ(PageName(CurrentPageIndex()), name);
  }
}

TEST(Tabs, AStartPageOutsideTheTabsLeavesThePageAreaEmpty) {
  for (const long long page : {13LL, -1LL}) {
    FaunaryFixture app{"shell"};
    app.StartOn("1", page);
    EXPECT_EQ(app.SelectedTab(), -1);
    EXPECT_FALSE(Pages().current);
    EXPECT_EQ(memtk::Controls().size(), 5u);  // the list, the tabs and the three buttons
    app.PickPokemon("Eevee");
    EXPECT_EQ(ForwardToPage(171, BN_CLICKED, 0), 0);
    EXPECT_TRUE(app.MessageBoxes().empty());
    app.SelectTab("Main");
    EXPECT_EQ(app.TextOf("crtrnameid"), "Eevee") << "a page draws the current Pokemon when it is made";
  }
}
}  // namespace
