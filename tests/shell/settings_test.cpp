// The settings file and the Options dialog: what is read, what the user
// changes, what is written at exit.
#include <gtest/gtest.h>

#include <filesystem>

#include "port/dialog_ids.h"
#include "shell/config.h"
#include "shell/page_framework.h"
#include "support/faunary_fixture.h"

namespace {

std::string Saved(const std::string& before, const std::function<void(FaunaryFixture&)>& session) {
  FaunaryFixture app{"shell"};
  if (!before.empty()) app.WriteConfig(before);
  EXPECT_TRUE(app.Start());
  session(app);
  app.Close();
  EXPECT_FALSE(app.Dir().Exists("faunary.cfgx.tmp"));
  return app.Dir().Read("faunary.cfgx");
}

const auto Config = FaunaryFixture::ConfigXml;

TEST(SettingsFile, IsWrittenAtExitFromTheChoicesAndWhatWasShowing) {
  const auto treecko_on_locations = [](FaunaryFixture& app) {
    app.PickPokemon("Treecko");
    app.SelectTab("Locations");
  };
  EXPECT_EQ(Saved("", treecko_on_locations), Config(2, "1", 2, 0, 0)) << "a first run writes the defaults";
  EXPECT_EQ(Saved(Config(1, "1", 1, 0, 0), treecko_on_locations), Config(1, "252", 1, 11, 0));
  EXPECT_EQ(Saved(Config(2, "133", 2, 3, 1), treecko_on_locations), Config(2, "133", 2, 3, 1));
  EXPECT_EQ(Saved(Config(2, "1", 1, 4294967295LL, 0), [](FaunaryFixture&) {}), Config(2, "1", 1, 4294967295LL, 0))
      << "a start page outside the tabs is saved again (-1 unsigned) when no tab was clicked";
  EXPECT_EQ(Saved(Config(1, "133", 2, 0, 0) + std::string(4096, ' ') + "<!-- old tail -->\n",
                  [](FaunaryFixture&) {}),
            Config(1, "133", 2, 0, 0))
      << "the old file is replaced whole";
}

TEST(SettingsFile, AFailedWriteLeavesTheOldFileWholeAndSaysNothing) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(Config(1, "133", 2, 0, 0));
  ASSERT_TRUE(app.Start());
  std::filesystem::create_directory(app.Dir().path() / "faunary.cfgx.tmp");
  app.PickPokemon("Treecko");
  app.Close();
  EXPECT_EQ(app.Dir().Read("faunary.cfgx"), Config(1, "133", 2, 0, 0));
  EXPECT_TRUE(app.MessageBoxes().empty());
}

struct ReadCase {
  std::string file;
  DexSettings expected;
  bool first_run;
};

TEST(SettingsFile, EachSettingComesFromItsElement) {
  const ReadCase cases[] = {
      {Config(1, "81", 1, 7, 0), {1, "81", 1, 7, false}, false},
      {Config(2, "9999", 2, 4294967295LL, 1), {2, "1", 2, -1, true}, false},  // unknown Pokemon; -1 unsigned
      {"<o><crtronload>last</crtronload><crtrloadpick>3</crtrloadpick><crtrloadpick>2</crtrloadpick>"
       "<pageloadpick>4x</pageloadpick></o>",
       {0, "3", 0, 4, false}, false},
      {"<options><crtronload>1</options", {2, "1", 2, 0, false}, true},
  };
  for (const ReadCase& c : cases) {
    FaunaryFixture app{"shell"};
    app.WriteConfig(c.file);
    ASSERT_TRUE(app.Start());
    const DexSettings& s = Settings();
    EXPECT_EQ(std::make_tuple(s.crtronload, s.crtrloadpick, s.pageonload, s.pageloadpick, s.autoupdate),
              std::make_tuple(c.expected.crtronload, c.expected.crtrloadpick, c.expected.pageonload,
                              c.expected.pageloadpick, c.expected.autoupdate))
        << c.file;
    EXPECT_EQ(app.MessageBoxes().size(), c.first_run ? 1u : 0u) << c.file;
    memtk::RunStartedThreads();
  }
}

TEST(SettingsFile, ComesFromTheArchiveWhenTheFileIsMissing) {
  FaunaryFixture app{"shell"};
  app.Dir().Write("faunary.dat", ArchiveRecord("faunary.cfgx", Config(2, "29", 2, 0, 0)));
  ASSERT_TRUE(app.Start());
  EXPECT_TRUE(app.MessageBoxes().empty());
  EXPECT_EQ(app.SelectedPokemonName(), "Nidoran F");
}

// Cancel stores nothing; Reset shows the defaults but stores nothing until Ok.
TEST(OptionsDialog, ShowsTheCurrentSettingsAndOkStoresTheChoices) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(Config(1, "152", 2, 5, 1));
  ASSERT_TRUE(app.Start());
  const auto stored = [] {
    const DexSettings& s = Settings();
    return std::make_tuple(s.crtronload, s.crtrloadpick, s.pageonload, s.pageloadpick, s.autoupdate);
  };
  const auto checked = [](const memtk::Dialog& d) {
    return std::vector<bool>{d.IsChecked(kOptionsLastPokemon), d.IsChecked(kOptionsFixedPokemon),
                             d.IsChecked(kOptionsLastPage), d.IsChecked(kOptionsFixedPage),
                             d.IsChecked(kOptionsUpdateChecks)};
  };
  const auto open = [&](memtk::DialogScript script) {
    app.OnNextDialog(std::move(script));
    app.Click(kOptionsButtonId);
    EXPECT_EQ(memtk::DialogsRun().back().owner, memtk::TopWindow());
    return memtk::DialogsRun().back().result;
  };
  EXPECT_EQ(open([](memtk::Dialog& d) {
              d.Click(kOptionsFixedPokemon);
              d.Click(kOptionsUpdateChecks);
              d.Click(IDCANCEL);
            }),
            IDCANCEL);
  EXPECT_EQ(stored(), std::make_tuple(1, std::string("152"), 2, 5LL, true));
  EXPECT_EQ(open([&](memtk::Dialog& d) {
              EXPECT_EQ(d.Title(), "Options");
              EXPECT_EQ(d.Text(kOptionsPokemonGroup), "Pok\xE9mon upon load");
              EXPECT_EQ(d.Entries(kOptionsPokemonChoice).size(), 15u);
              EXPECT_EQ(d.Entries(kOptionsPageChoice).back(), "Locations");
              EXPECT_EQ(d.SelectedText(kOptionsPokemonChoice) + "|" + d.SelectedText(kOptionsPageChoice),
                        "Chikorita|Calculations");
              EXPECT_EQ(checked(d), (std::vector<bool>{true, false, false, true, true}));
              d.Click(kOptionsReset);
              EXPECT_FALSE(d.Ended());
              EXPECT_EQ(Settings().crtronload, 1) << "nothing stored yet";
              EXPECT_EQ(checked(d), (std::vector<bool>{true, false, true, false, false}));
              EXPECT_EQ(d.SelectedText(kOptionsPokemonChoice) + "|" + d.SelectedText(kOptionsPageChoice),
                        "Bulbasaur|Main");
              d.Click(kOptionsFixedPokemon);
              d.Select(kOptionsPokemonChoice, "Magnemite");
              d.Select(kOptionsPageChoice, "Locations");
              EXPECT_FALSE(d.IsChecked(kOptionsLastPokemon)) << "radio buttons of one group exclude each other";
              d.Click(IDOK);
            }),
            IDOK);
  EXPECT_EQ(stored(), std::make_tuple(2, std::string("81"), 1, 11LL, false));
  EXPECT_EQ(app.SelectedPokemonName(), "Chikorita") << "nothing changes on screen";
  app.Close();
  EXPECT_EQ(app.Dir().Read("faunary.cfgx"), Config(2, "81", 1, 5, 0)) << "the page showing is the last used";
}

}  // namespace
