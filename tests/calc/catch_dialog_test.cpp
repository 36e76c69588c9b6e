#include <gtest/gtest.h>

#include "calc/catch_value.h"
#include "calc_app.h"
#include "shell/shell_state.h"

namespace {

struct CatchCase {
  const char* what;
  const char* pokemon;
  const char* level;
  const char* hp;
  const char* status;
  const char* ball;
  const char* result;
};

class CatchDialog : public testing::TestWithParam<CatchCase> {
 protected:
  CalcApp app;
};

TEST_P(CatchDialog, ShowsTheBallsResultLine) {
  const CatchCase& c = GetParam();
  app.Open(c.pokemon, "Calculations");
  app.Calculate(kCatchButton, [&](memtk::Dialog& d) {
    d.Select(261, c.level);
    d.Select(264, c.hp);
    d.Select(266, c.status);
    d.Select(268, c.ball);
    d.Click(270);
    EXPECT_EQ(d.Text(269), c.result) << c.what;
  });
  EXPECT_TRUE(app.MessageBoxes().empty());
}

// Bulbasaur: HP 45, catch rate 45, heavy ball class 1. At level 10 its
// maximum HP is 32, so 50% leaves 16 and every value is 3 x rate + 1.
INSTANTIATE_TEST_SUITE_P(
    Balls, CatchDialog,
    testing::Values(
        CatchCase{"full HP", "Bulbasaur", "10", "100%", "Normal", "Pokeball", "91%"},
        CatchCase{"full HP at any level", "Bulbasaur", "77", "100%", "Normal", "Pokeball", "91%"},
        CatchCase{"1% leaves 0 HP", "Bulbasaur", "10", "1%", "Normal", "Pokeball", "181%"},
        CatchCase{"asleep at half HP", "Bulbasaur", "10", "50%", "Sleep", "Pokeball", "146%"},
        CatchCase{"burn bonus", "Bulbasaur", "10", "50%", "Burn", "Pokeball", "141%"},
        CatchCase{"rate 255 is not capped", "Caterpie", "10", "100%", "Normal", "Pokeball",
                  "511%"},
        CatchCase{"Great Ball: 45 becomes 67", "Bulbasaur", "10", "50%", "Normal", "Great Ball",
                  "202%"},
        CatchCase{"Park Ball counts as Great Ball", "Bulbasaur", "10", "50%", "Normal",
                  "Park Ball", "202%"},
        CatchCase{"Ultra Ball", "Bulbasaur", "10", "50%", "Normal", "Ultra Ball", "271%"},
        CatchCase{"Master Ball", "Bulbasaur", "10", "50%", "Normal", "Master Ball",
                  "Pokemon is always caught"},
        CatchCase{"Park Ball (DP)", "Bulbasaur", "10", "50%", "Normal", "Park Ball (DP)",
                  "Pokemon is always caught"},
        CatchCase{"Heavy Ball, light class", "Bulbasaur", "10", "50%", "Normal", "Heavy Ball",
                  "76%"},
        CatchCase{"Heavy Ball, class 2", "Chansey", "10", "100%", "Normal", "Heavy Ball", "61%"},
        CatchCase{"Heavy Ball, class 4", "Mew", "10", "100%", "Normal", "Heavy Ball", "151%"},
        CatchCase{"Fast Ball without effect", "Bulbasaur", "10", "50%", "Normal", "Fast Ball",
                  "136%"},
        CatchCase{"Fast Ball with effect", "Magikarp", "10", "100%", "Normal", "Fast Ball",
                  "2041%"},
        CatchCase{"Level Ball", "Bulbasaur", "10", "50%", "Normal", "Level Ball",
                  "Your level is 40 or higher: 1081%; else, your level is 20or higher: 541%; "
                  "else, your level is 10 or higher: 271%; else 136%"},
        CatchCase{"Nest Ball reads as Level Ball", "Bulbasaur", "12", "100%", "Normal",
                  "Nest Ball",
                  "Your level is 48 or higher: 721%; else, your level is 24or higher: 361%; "
                  "else, your level is 12 or higher: 181%; else 91%"},
        CatchCase{"Lure Ball", "Bulbasaur", "10", "50%", "Normal", "Lure Ball",
                  "406% when fishing, 136% when not"},
        CatchCase{"Love Ball", "Bulbasaur", "10", "50%", "Normal", "Love Ball",
                  "1081% if Pokemon are of different genders, else 136%"},
        CatchCase{"Dive Ball", "Bulbasaur", "10", "50%", "Normal", "Dive Ball",
                  "472% when diving, else 136%"},
        CatchCase{"Net Ball, grass", "Bulbasaur", "10", "50%", "Normal", "Net Ball", "136%"},
        CatchCase{"Net Ball, water", "Magikarp", "10", "100%", "Normal", "Net Ball", "1531%"},
        CatchCase{"Net Ball, bug", "Caterpie", "10", "100%", "Normal", "Net Ball", "1531%"},
        CatchCase{"Repeat Ball", "Bulbasaur", "10", "50%", "Normal", "Repeat Ball",
                  "406% when already caught; 136% otherwise."},
        CatchCase{"Timer Ball", "Bulbasaur", "10", "50%", "Normal", "Timer Ball",
                  "Goes from 136% to 541% as time passes"},
        CatchCase{"Quick Ball reads as Timer Ball", "Bulbasaur", "10", "50%", "Normal",
                  "Quick Ball", "Goes from 136% to 541% as time passes"},
        CatchCase{"Dusk Ball", "Bulbasaur", "10", "50%", "Normal", "Dusk Ball",
                  "136%; 541during the night or in the dark"},
        CatchCase{"Friend Ball as Pokeball", "Bulbasaur", "10", "50%", "Freeze", "Friend Ball",
                  "146%"}));

TEST(CatchDialogPrecision, TwoThirdsHpFallsJustShort) {
  if (!kCatchValueExtended) GTEST_SKIP() << "long double has no 64-bit significand here";
  CalcApp app;
  app.Open("Bulbasaur", "Calculations");
  // Maximum HP 15, current 10: 2 - 10/15 is rounded, and 90 times it falls below 120.
  app.Calculate(kCatchButton, [](memtk::Dialog& d) {
    d.Select(261, "3");
    d.Select(264, "67%");
    d.Select(268, "Pokeball");
    d.Click(270);
    EXPECT_EQ(d.Text(269), "120%");
  });
}

TEST(CatchDialogOpening, FillsItsListsAndSelectsNormal) {
  CalcApp app;
  app.Open("Magikarp", "Calculations");
  app.Calculate(kCatchButton, [](memtk::Dialog& d) {
    EXPECT_EQ(d.TemplateId(), 204);
    EXPECT_EQ(d.Owner(), MainWindow());
    EXPECT_EQ(d.Title(), "Calculate Catching chance");
    EXPECT_EQ(d.Text(260), "Magikarp Catch Chance");
    EXPECT_EQ(d.Text(262), "Level:");
    EXPECT_EQ(d.Text(265), "Status:");
    EXPECT_EQ(d.Text(263), "Approx HP Percentage:");
    EXPECT_EQ(d.Text(267), "Pokeball used");
    EXPECT_EQ(d.Text(270), "Calculate");
    EXPECT_EQ(d.Text(IDOK), "Done");
    EXPECT_EQ(d.Text(269), "");
    const auto hp = d.Entries(264);
    ASSERT_EQ(hp.size(), 100u);
    EXPECT_EQ(hp.front(), "1%");
    EXPECT_EQ(hp.back(), "100%");
    EXPECT_EQ(d.Entries(261).back(), "100");
    EXPECT_EQ(d.Entries(266), (std::vector<std::string>{"Normal", "Burn", "Poison", "Paralyze",
                                                        "Freeze", "Sleep"}));
    EXPECT_EQ(d.SelectedText(266), "Normal");
    const auto balls = d.Entries(268);
    ASSERT_EQ(balls.size(), 24u);
    EXPECT_EQ(balls.front(), "Pokeball");
    EXPECT_EQ(balls[21], "Park Ball (DP)");
    EXPECT_EQ(balls.back(), "Quick Ball");
    for (const int list : {261, 264, 268}) EXPECT_EQ(d.Selection(list), -1) << list;
  });
}

TEST(CatchDialogOpening, IncompleteInputDoesNothingSilently) {
  CalcApp app;
  app.Open("Bulbasaur", "Calculations");
  app.Calculate(kCatchButton, [](memtk::Dialog& d) {
    d.Select(268, "Master Ball");
    d.Click(270);
    EXPECT_EQ(d.Text(269), "");
    d.Select(261, "50");
    d.Click(270);
    EXPECT_EQ(d.Text(269), "");
    d.Select(264, "20%");
    d.Click(270);
    EXPECT_EQ(d.Text(269), "Pokemon is always caught");
  });
  app.Calculate(kCatchButton, [](memtk::Dialog& d) {
    d.Select(261, "50");
    d.Select(264, "20%");
    d.Click(270);
    EXPECT_EQ(d.Text(269), "");
  });
  EXPECT_TRUE(app.MessageBoxes().empty());
}

}  // namespace
