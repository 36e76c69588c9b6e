// The Options dialog as the user works it.
#include <gtest/gtest.h>

#include "shell/config.h"
#include "support/faunary_fixture.h"

namespace {
const std::vector<std::string> kPageNames{"Main",        "Attacks",      "Pokedex Entries", "Breeding",
                                          "Comparisons", "Calculations", "RBY TMs",         "GSC TMs",
                                          "RSEFRLG TMs", "DP TMs 1",     "DP TMs 2",        "Locations"};

class OptionsDialog : public ::testing::Test {
 protected:
  void StartWith(int crtronload, const std::string& pick, int pageonload, long long page, int autoupdate) {
    app.WriteConfig(FaunaryFixture::ConfigXml(crtronload, pick, pageonload, page, autoupdate));
    ASSERT_TRUE(app.Start());
  }
  // Opens the dialog, runs `script` in it, returns the dialog's result.
  std::intptr_t Open(memtk::DialogScript script) {
    app.OnNextDialog(std::move(script));
    app.Click(kOptionsButtonId);
    return memtk::DialogsRun().back().result;
  }
  FaunaryFixture app{"shell"};
};

TEST_F(OptionsDialog, ShowsTheCurrentSettings) {
  StartWith(1, "152", 2, 5, 1);
  Open([](memtk::Dialog& d) {
    EXPECT_EQ(d.Title(), "Options");
    EXPECT_EQ(d.Text(300), "Pok\xE9mon upon load");
    EXPECT_EQ(d.Text(301), "Go to last used Pok\xE9mon");
    EXPECT_EQ(d.Text(302), "Always start with ");
    EXPECT_EQ(d.Text(304), "Page upon load");
    EXPECT_EQ(d.Text(305), "Go to last used page");
    EXPECT_EQ(d.Text(306), "Always start with ");
    EXPECT_EQ(d.Text(311), "Online update checks");
    EXPECT_EQ(d.Text(IDOK), "&Ok");
    EXPECT_EQ(d.Text(IDCANCEL), "&Cancel");
    EXPECT_EQ(d.Text(308), "&Reset to default");
    EXPECT_EQ(d.Entries(303).size(), 15u);
    EXPECT_EQ(d.Entries(303).front(), "Bulbasaur");
    EXPECT_EQ(d.SelectedText(303), "Chikorita");
    EXPECT_EQ(d.Entries(307), kPageNames);
    EXPECT_EQ(d.SelectedText(307), "Calculations");
    EXPECT_TRUE(d.IsChecked(301));
    EXPECT_FALSE(d.IsChecked(302));
    EXPECT_FALSE(d.IsChecked(305));
    EXPECT_TRUE(d.IsChecked(306));
    EXPECT_TRUE(d.IsChecked(311));
    d.Click(IDOK);
  });
}

TEST_F(OptionsDialog, OkStoresTheChoicesForTheNextStart) {
  StartWith(1, "1", 1, 0, 0);
  EXPECT_EQ(Open([](memtk::Dialog& d) {
              d.Click(302);
              d.Select(303, "Magnemite");
              d.Click(306);
              d.Select(307, "Locations");
              d.Click(311);
              EXPECT_FALSE(d.IsChecked(301)) << "radio buttons of one group exclude each other";
              d.Click(IDOK);
            }),
            IDOK);
  const DexSettings& s = Settings();
  EXPECT_EQ(s.crtronload, 2);
  EXPECT_EQ(s.crtrloadpick, "81");
  EXPECT_EQ(s.pageonload, 2);
  EXPECT_EQ(s.pageloadpick, 11);
  EXPECT_TRUE(s.autoupdate);
  EXPECT_EQ(memtk::StartedThreadCount(), 0u) << "no check starts in this run";
  EXPECT_EQ(app.SelectedPokemonName(), "Bulbasaur") << "nothing changes on screen";
  app.Close();
  EXPECT_EQ(app.Dir().Read("faunary.cfgx"), FaunaryFixture::ConfigXml(2, "81", 2, 11, 1));
}

class ClosingWithoutOk : public OptionsDialog, public ::testing::WithParamInterface<bool> {};

TEST_P(ClosingWithoutOk, LeavesTheSettingsUntouched) {
  StartWith(2, "3", 2, 4, 0);
  const bool escape = GetParam();
  EXPECT_EQ(Open([&](memtk::Dialog& d) {
              d.Click(301);
              d.Select(303, "Oddity");
              d.Click(311);
              if (escape) d.PressEscape();
              else d.Click(IDCANCEL);
            }),
            IDCANCEL);
  const DexSettings& s = Settings();
  EXPECT_EQ(s.crtronload, 2);
  EXPECT_EQ(s.crtrloadpick, "3");
  EXPECT_EQ(s.pageloadpick, 4);
  EXPECT_FALSE(s.autoupdate);
}

INSTANTIATE_TEST_SUITE_P(Shell, ClosingWithoutOk, ::testing::Values(false, true));

TEST_F(OptionsDialog, ResetToDefaultChoosesLastUsedAndStoresOnlyOnOk) {
  StartWith(2, "152", 2, 7, 1);
  Open([](memtk::Dialog& d) {
    d.Click(308);
    EXPECT_FALSE(d.Ended()) << "the dialog stays open";
    EXPECT_EQ(Settings().crtronload, 2) << "nothing stored yet";
    EXPECT_TRUE(d.IsChecked(301));
    EXPECT_FALSE(d.IsChecked(302));
    EXPECT_TRUE(d.IsChecked(305));
    EXPECT_FALSE(d.IsChecked(306));
    EXPECT_FALSE(d.IsChecked(311));
    EXPECT_EQ(d.SelectedText(303), "Bulbasaur");
    EXPECT_EQ(d.SelectedText(307), "Main");
    d.Click(IDOK);
  });
  const DexSettings& s = Settings();
  EXPECT_EQ(s.crtronload, 1);
  EXPECT_EQ(s.crtrloadpick, "1");
  EXPECT_EQ(s.pageonload, 1);
  EXPECT_EQ(s.pageloadpick, 0);
  EXPECT_FALSE(s.autoupdate);
}

TEST_F(OptionsDialog, AStartPageOutsideTheTabsShowsNoPageAndOkStoresMinusOne) {
  StartWith(2, "1", 2, 12, 0);
  Open([](memtk::Dialog& d) {
    EXPECT_EQ(d.Selection(307), -1);
    d.Click(IDOK);
  });
  EXPECT_EQ(Settings().pageloadpick, -1);
}

TEST_F(OptionsDialog, OtherModeValuesShowAsTheFixedChoice) {
  StartWith(0, "1", 7, 0, 0);
  Open([](memtk::Dialog& d) {
    EXPECT_TRUE(d.IsChecked(302));
    EXPECT_TRUE(d.IsChecked(306));
    d.Click(IDOK);
  });
  EXPECT_EQ(Settings().crtronload, 2);
  EXPECT_EQ(Settings().pageonload, 2);
}
}  // namespace
