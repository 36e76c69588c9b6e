// Start-up as the user meets it: the first-run message, the main window and
// its four controls, failures that start-up reports and survives.
#include <gtest/gtest.h>

#include "resources/images.h"
#include "shell/shell_state.h"
#include "support/faunary_fixture.h"

namespace {
const std::string kFirstRunText =
    "We have detected that this is the first time you are running this program\n"
    "This message should only be shown to you only once.\n"
    "Faunary is written and kept up by the Faunary developers."
    " For more information, please check the readme.txt file that should have been included with your Faunary "
    "distribution.\n";

TEST(StartUp, FirstRunShowsTheMessageWithoutOwnerBeforeTheWindowExists) {
  FaunaryFixture app{"shell"};
  ASSERT_TRUE(app.Start());
  ASSERT_EQ(app.MessageBoxes().size(), 1u);
  const memtk::MessageBoxShown& box = app.MessageBoxes()[0];
  EXPECT_EQ(box.text, kFirstRunText);
  EXPECT_EQ(box.title, "Faunary");
  EXPECT_EQ(box.type, MB_OK);
  EXPECT_FALSE(box.owner);
  EXPECT_FALSE(box.main_window_existed);
  // Defaults: Pokemon "1" on "Main", no update check.
  EXPECT_EQ(app.SelectedPokemonName(), "Bulbasaur");
  EXPECT_EQ(app.SelectedTab(), 0);
  EXPECT_EQ(app.TextOf("crtrnameid"), "Bulbasaur");
  EXPECT_EQ(memtk::StartedThreadCount(), 0u);
  EXPECT_FALSE(app.Dir().Exists("faunary.cfgx")) << "nothing is written before the program ends";
}

TEST(StartUp, WithASettingsFileShowsNoMessageAndStartsWhereItSays) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(2, "152", 2, 0, 0));
  ASSERT_TRUE(app.Start());
  EXPECT_TRUE(app.MessageBoxes().empty());
  EXPECT_EQ(app.SelectedPokemonName(), "Chikorita");
  EXPECT_EQ(app.TextOf("crtrnameid"), "Chikorita");
}

TEST(StartUp, TheStartPokemonIsLoadedBeforeTheWindowExists) {
  FaunaryFixture app{"shell"};
  std::string index = app.Dir().Read("data/pokemon.xml");
  index.insert(index.find("</pokedex>"),
               "<pokemon id=\"500\"><name>Faraway</name><loadfile filename=\"gone.xml\" /></pokemon>\n");
  app.Dir().Write("data/pokemon.xml", index);
  app.WriteConfig(FaunaryFixture::ConfigXml(2, "500", 2, 0, 0));
  ASSERT_TRUE(app.Start());
  ASSERT_EQ(app.MessageTexts(), (std::vector<std::string>{"Could not load reader data file!", "Invalid Pokemon selected"}));
  for (const auto& box : app.MessageBoxes()) {
    EXPECT_FALSE(box.owner);
    EXPECT_FALSE(box.main_window_existed);
  }
  EXPECT_EQ(app.SelectedPokemonName(), "Faraway");
}

TEST(StartUp, UpdateChecksStartTheirThreadWhenAsked) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(2, "1", 2, 0, 1));
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(memtk::StartedThreadCount(), 1u);
  EXPECT_TRUE(app.MessageBoxes().empty());
  memtk::RunStartedThreads();  // the check itself is not waited for by anything
}

TEST(StartUp, AThreadThatCannotStartIsReportedWithAWarning) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(2, "1", 2, 0, 1));
  memtk::FailStartThread(true);
  ASSERT_TRUE(app.Start());
  ASSERT_EQ(app.MessageBoxes().size(), 1u);
  EXPECT_EQ(app.MessageBoxes()[0].text, "Unable to start new thread for update check. Automatic update skipped.");
  EXPECT_EQ(app.MessageBoxes()[0].title, "Thread error");
  EXPECT_EQ(app.MessageBoxes()[0].type, MB_OK | MB_ICONWARNING);
  EXPECT_FALSE(app.MessageBoxes()[0].owner);
  EXPECT_TRUE(memtk::TopWindow()) << "the program runs on without the check";
}

TEST(StartUp, MakesTheFixedSizeMainWindow) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(2, "1", 2, 0, 0));
  ASSERT_TRUE(app.Start());
  const memtk::TopWindowInfo& main = memtk::TopWindowDetails();
  EXPECT_EQ(main.class_name, "FAUNARY");
  EXPECT_EQ(main.title, "Faunary");
  EXPECT_EQ(main.style, WS_CAPTION | WS_SYSMENU);
  EXPECT_EQ(main.x, CW_USEDEFAULT);
  EXPECT_EQ(main.y, CW_USEDEFAULT);
  EXPECT_EQ(main.width, 800);
  EXPECT_EQ(main.height, 600);
  EXPECT_EQ(main.show_command, SW_SHOWDEFAULT);
  EXPECT_EQ(main.class_style, CS_DBLCLKS);
  EXPECT_EQ(main.icon_resource, 101);
  EXPECT_EQ(main.background_brush, COLOR_SCROLLBAR + 1);
  EXPECT_EQ(memtk::CommonControlsInitialised(), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_USEREX_CLASSES);
}

struct MainControl {
  int id;
  const char* class_name;
  const char* name;
  std::uint32_t style;
  tk::Rect rect;  // the in-memory window's client area is 794 x 572
};

void PrintTo(const MainControl& c, std::ostream* os) { *os << c.name; }

class MainControls : public ::testing::TestWithParam<MainControl> {};

TEST_P(MainControls, HaveTheirPlaceStyleAndFont) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(2, "1", 2, 0, 0));
  ASSERT_TRUE(app.Start());
  const MainControl& expected = GetParam();
  const memtk::Control* control = app.Find(expected.id);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->class_name, expected.class_name);
  EXPECT_EQ(control->window_name, expected.name);
  EXPECT_EQ(control->style, expected.style);
  EXPECT_EQ(control->rect, expected.rect);
  EXPECT_EQ(control->font, tk::StockGuiFont());
}

INSTANTIATE_TEST_SUITE_P(
    Shell, MainControls,
    ::testing::Values(
        MainControl{101, "COMBOBOX", "FuncCB",
                    WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_SIMPLE | CBS_AUTOHSCROLL, {660, 5, 785, 522}},
        MainControl{102, "SysTabControl32", "Main tab", WS_CHILD | WS_VISIBLE | TCS_BOTTOM, {5, 5, 655, 567}},
        MainControl{103, "BUTTON", "&About", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, {660, 522, 730, 542}},
        MainControl{104, "BUTTON", "&Options", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                    {660, 547, 730, 567}}));

TEST(StartUp, InsertsTheTwelveTabsWithTheirPageIndex) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(2, "1", 2, 0, 0));
  ASSERT_TRUE(app.Start());
  const std::vector<std::string> expected{"Main",     "Attacks",     "Pokedex Entries", "Breeding",
                                          "Comparisons", "Calculations", "RBY TMs",         "GSC TMs",
                                          "RSEFRLG TMs", "DP TMs 1",     "DP TMs 2",        "Locations"};
  const memtk::Control* tabs = app.Find(kPageTabsId);
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(tabs->tabs.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(tabs->tabs[i].text, expected[i]);
    EXPECT_EQ(tabs->tabs[i].data, static_cast<std::intptr_t>(i));
  }
}

TEST(StartUp, BuildsTheTypeIconListInTypeOrder) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(2, "1", 2, 0, 0));
  ASSERT_TRUE(app.Start());
  const memtk::ImageListInfo icons = memtk::ImageListDetails(TypeIconList());
  EXPECT_EQ(icons.width, 16);
  EXPECT_EQ(icons.height, 16);
  EXPECT_EQ(icons.flags, ILC_COLOR16);
  EXPECT_EQ(icons.initial, 18);
  EXPECT_EQ(icons.grow, 5);
  EXPECT_EQ(icons.background.red + icons.background.green + icons.background.blue, 0);
  EXPECT_EQ(icons.images, (std::vector<int>{237, 232, 235, 236, 225, 230, 238, 226, 224, 229, 231, 222, 234, 221,
                                            227, 228, 223, 233, 239}));
  EXPECT_EQ(memtk::LiveBitmapCount(), 2) << "only the gender bar's bitmaps are left; the list holds copies";
}

struct CreationFailure {
  const char* failing;  // window name whose creation fails; "" for the image list
  const char* text;
  const char* title;
};

void PrintTo(const CreationFailure& c, std::ostream* os) { *os << c.title; }

class StartUpFailures : public ::testing::TestWithParam<CreationFailure> {};

TEST_P(StartUpFailures, AreReportedAndStartUpGoesOn) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(2, "1", 2, 0, 0));
  const CreationFailure& failure = GetParam();
  if (*failure.failing) memtk::FailCreateControl(failure.failing);
  else memtk::FailCreateImageList(true);
  ASSERT_TRUE(app.Start());
  ASSERT_EQ(app.MessageBoxes().size(), 1u);
  EXPECT_EQ(app.MessageBoxes()[0].text, failure.text);
  EXPECT_EQ(app.MessageBoxes()[0].title, failure.title);
  EXPECT_EQ(app.MessageBoxes()[0].type, MB_OK);
  EXPECT_EQ(app.MessageBoxes()[0].owner, memtk::TopWindow());
  EXPECT_EQ(app.TextOf("crtrnameid"), "Bulbasaur") << "the start page is still made";
  EXPECT_NE(app.Find(kOptionsButtonId), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Shell, StartUpFailures,
    ::testing::Values(CreationFailure{"FuncCB", "Pokemon combobox could not be created", "CreateCrtrComboBox 1"},
                      CreationFailure{"Main tab", "Tab page control could not be created", "InitComboBox 1"},
                      CreationFailure{"", "Could not create icon list", "InitComboBox 2"}));

TEST(StartUp, EndsSilentlyWhenTheWindowClassCannotBeRegistered) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(2, "1", 2, 0, 0));
  memtk::FailRegisterClass(true);
  EXPECT_EQ(app.Run([] { ADD_FAILURE() << "no message loop without a window"; }), 0);
  EXPECT_FALSE(memtk::TopWindow());
  EXPECT_TRUE(app.MessageBoxes().empty());
  EXPECT_EQ(app.Dir().Read("faunary.cfgx"), FaunaryFixture::ConfigXml(2, "1", 2, 0, 0)) << "nothing saved";
}

TEST(StartUp, TheWholeProgramRunsAndEndsWithExitCodeZero) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(1, "1", 2, 0, 0));
  const int code = app.Run([&] {
    app.PickPokemon("Venusaur");
    EXPECT_EQ(app.TextOf("crtrnameid"), "Venusaur");
    app.Close();
  });
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(memtk::QuitPosted());
  EXPECT_NE(app.Dir().Read("faunary.cfgx").find("<crtrloadpick>3</crtrloadpick>"), std::string::npos);
}
}  // namespace
