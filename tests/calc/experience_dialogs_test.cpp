#include <gtest/gtest.h>

#include "calc_app.h"
#include "shell/shell_state.h"

namespace {

struct NeededCase {
  const char* pokemon;  // and its growth group
  const char* level;
  const char* result;
};

class ExperienceNeeded : public testing::TestWithParam<NeededCase> {
 protected:
  CalcApp app;
};

TEST_P(ExperienceNeeded, ShowsTheTotalAtTheStartOfTheLevel) {
  const NeededCase& c = GetParam();
  app.Open(c.pokemon, "Calculations");
  app.Calculate(kExpNeededButton, [&](memtk::Dialog& d) {
    d.Select(292, c.level);
    d.Click(294);
    EXPECT_EQ(d.Text(293), c.result);
  });
  EXPECT_TRUE(app.MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Groups, ExperienceNeeded,
    testing::Values(NeededCase{"Chansey", "100", "Experience needed: 800000"},        // group 1
                    NeededCase{"Caterpie", "100", "Experience needed: 1000000"},      // group 2
                    NeededCase{"Bulbasaur", "100", "Experience needed: 1059860"},     // group 3
                    NeededCase{"Bulbasaur", "2", "Experience needed: 9"},
                    NeededCase{"Magikarp", "100", "Experience needed: 1250000"},      // group 4
                    NeededCase{"Shedinja", "2", "Experience needed: 15"},             // group 5
                    NeededCase{"Shedinja", "10", "Experience needed: 1800"},
                    NeededCase{"Shedinja", "45", "Experience needed: 100237"},
                    NeededCase{"Shedinja", "50", "Experience needed: 125000"},
                    NeededCase{"Shedinja", "72", "Experience needed: 296358"},
                    NeededCase{"Shedinja", "100", "Experience needed: 600000"},
                    NeededCase{"Wailmer", "2", "Experience needed: 4"},               // group 6
                    NeededCase{"Wailmer", "6", "Experience needed: 112"},
                    NeededCase{"Wailmer", "10", "Experience needed: 540"},
                    NeededCase{"Wailmer", "13", "Experience needed: 1230"},
                    NeededCase{"Wailmer", "28", "Experience needed: 18439"},
                    NeededCase{"Wailmer", "50", "Experience needed: 142500"},
                    NeededCase{"Wailmer", "100", "Experience needed: 1640000"}));

TEST(ExperienceNeededDialog, OpensWithItsTexts) {
  CalcApp app;
  app.Open("Wailmer", "Calculations");
  app.Calculate(kExpNeededButton, [](memtk::Dialog& d) {
    EXPECT_EQ(d.TemplateId(), 290);
    EXPECT_EQ(d.Owner(), MainWindow());
    EXPECT_EQ(d.Title(), "Experience Needed");
    EXPECT_EQ(d.Text(291), "Level:");
    EXPECT_EQ(d.Text(293), "Experience needed: ");
    EXPECT_EQ(d.Text(294), "Calculate");
    EXPECT_EQ(d.Text(IDOK), "Done");
    ASSERT_EQ(d.Entries(292).size(), 100u);
    EXPECT_EQ(d.Entries(292).front(), "1");
    EXPECT_EQ(d.Selection(292), -1);
  });
}

TEST(ExperienceNeededDialog, RefusesLevelOneThoughItIsListed) {
  CalcApp app;
  app.Open("Bulbasaur", "Calculations");
  app.Calculate(kExpNeededButton, [](memtk::Dialog& d) {
    d.Select(292, "1");
    d.Click(294);
    EXPECT_EQ(d.Text(293), "Experience needed: ");
  });
  ASSERT_EQ(app.MessageBoxes().size(), 1u);
  EXPECT_EQ(app.MessageBoxes()[0].text, "Please select a level");
  EXPECT_EQ(app.MessageBoxes()[0].title, "Boo!");
  EXPECT_EQ(app.MessageBoxes()[0].owner, MainWindow());
}

TEST(ExperienceNeededDialog, ReportsAnUnknownGrowthGroupAfterTheLevel) {
  CalcApp app;
  app.Open("Missingno.", "Calculations");
  app.Calculate(kExpNeededButton, [](memtk::Dialog& d) {
    d.Click(294);
    d.Select(292, "50");
    d.Click(294);
    EXPECT_EQ(d.Text(293), "Experience needed: ");
  });
  ASSERT_EQ(app.MessageBoxes().size(), 3u);
  EXPECT_EQ(app.MessageBoxes()[0].text, "Please select a level");
  EXPECT_EQ(app.MessageBoxes()[1].text, "Invalid experience formula for this Pokemon");
  EXPECT_EQ(app.MessageBoxes()[1].title, "Error");
  EXPECT_EQ(app.MessageBoxes()[2].text, "Invalid experience formula for this Pokemon");
}

TEST(ExperienceGainedDialog, WildAndTrainerBattles) {
  CalcApp app;
  app.Open("Bulbasaur", "Calculations");
  app.Calculate(kExpGainedButton, [](memtk::Dialog& d) {
    EXPECT_EQ(d.TemplateId(), 205);
    EXPECT_EQ(d.Title(), "Experience Gained");
    EXPECT_EQ(d.Text(281), "Experience gained by defeating Bulbasaur");
    EXPECT_EQ(d.Text(282), "Level: ");
    EXPECT_EQ(d.Text(284), "Trainer Battle?");
    EXPECT_EQ(d.Text(280), "Calculate");
    EXPECT_EQ(d.Text(IDOK), "Done");
    EXPECT_FALSE(d.IsChecked(284));
    EXPECT_EQ(d.Selection(283), -1);
    EXPECT_EQ(d.Text(285), "Experience Gained: ");
    d.Select(283, "10");
    d.Click(280);
    EXPECT_EQ(d.Text(285), "Experience gained: 91");
    d.Click(284);
    d.Click(280);
    EXPECT_EQ(d.Text(285), "Experience gained: 137");
    d.Select(283, "100");
    d.Click(280);
    EXPECT_EQ(d.Text(285), "Experience gained: 1371");
  });
  EXPECT_TRUE(app.MessageBoxes().empty());
}

TEST(ExperienceGainedDialog, AsksForALevel) {
  CalcApp app;
  app.Open("Bulbasaur", "Calculations");
  app.Calculate(kExpGainedButton, [](memtk::Dialog& d) {
    d.Click(280);
    EXPECT_EQ(d.Text(285), "Experience Gained: ");
  });
  ASSERT_EQ(app.MessageBoxes().size(), 1u);
  EXPECT_EQ(app.MessageBoxes()[0].text, "Please select a proper level");
  EXPECT_EQ(app.MessageBoxes()[0].title, "Boo!");
}

}  // namespace
