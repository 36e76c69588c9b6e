#include <gtest/gtest.h>

#include "calc_app.h"
#include "shell/shell_state.h"

namespace {

std::vector<std::string> Numbers(int first, int last) {
  std::vector<std::string> out;
  for (int n = first; n <= last; ++n) out.push_back(std::to_string(n));
  return out;
}

const std::vector<std::string> kStats{"HP",    "Attack",         "Defense",
                                      "Speed", "Special Attack", "Special Defense"};

struct Gen12Case {
  const char* pokemon;
  const char* stat;
  const char* level;
  const char* dv;
  const char* statexp;
  const char* result;
};

class StatsGen12 : public testing::TestWithParam<Gen12Case> {
 protected:
  CalcApp app;
};

TEST_P(StatsGen12, ShowsTheStatOfTheChosenInputs) {
  const Gen12Case& c = GetParam();
  app.Open(c.pokemon, "Calculations");
  app.Calculate(kStatsGen12Button, [&](memtk::Dialog& d) {
    d.Select(242, c.stat);
    d.Select(245, c.level);
    d.Select(247, c.dv);
    d.Select(249, c.statexp);
    d.Click(243);
    EXPECT_EQ(d.Text(250), c.result);
    d.Click(IDOK);
    EXPECT_TRUE(d.Ended());
    EXPECT_EQ(d.Result(), IDOK);
  });
  EXPECT_TRUE(app.MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, StatsGen12,
    testing::Values(Gen12Case{"Mew", "Attack", "100", "15", "63", "Stat: 298"},
                    Gen12Case{"Mew", "Special Defense", "50", "8", "0", "Stat: 113"},
                    Gen12Case{"Bulbasaur", "Speed", "5", "0", "0", "Stat: 9"},
                    Gen12Case{"Bulbasaur", "HP", "5", "15", "0", "Stat: 20"},
                    Gen12Case{"Shedinja", "HP", "100", "15", "63", "Stat: 1"},
                    Gen12Case{"Shedinja", "Attack", "1", "0", "0", "Stat: 6"}));

struct Gen34Case {
  const char* pokemon;
  const char* stat;
  const char* level;
  const char* iv;
  const char* personality;
  const char* effort;
  const char* result;
};

class StatsGen34 : public testing::TestWithParam<Gen34Case> {
 protected:
  CalcApp app;
};

TEST_P(StatsGen34, ShowsTheStatOfTheChosenInputs) {
  const Gen34Case& c = GetParam();
  app.Open(c.pokemon, "Calculations");
  app.Calculate(kStatsGen34Button, [&](memtk::Dialog& d) {
    d.Select(242, c.stat);
    d.Select(245, c.level);
    d.Select(247, c.iv);
    d.Select(252, c.personality);
    d.Select(249, c.effort);
    d.Click(243);
    EXPECT_EQ(d.Text(250), c.result);
  });
  EXPECT_TRUE(app.MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, StatsGen34,
    testing::Values(Gen34Case{"Mew", "Attack", "100", "31", "Neutral", "255", "Stat: 299"},
                    Gen34Case{"Mew", "Attack", "100", "31", "Helping", "255", "Stat: 328"},
                    Gen34Case{"Mew", "Attack", "100", "31", "Hindering", "255", "Stat: 269"},
                    Gen34Case{"Bulbasaur", "HP", "5", "31", "Neutral", "0", "Stat: 20"},
                    Gen34Case{"Bulbasaur", "HP", "5", "31", "Helping", "0", "Stat: 22"},
                    Gen34Case{"Mew", "Speed", "100", "0", "Neutral", "3", "Stat: 205"},
                    Gen34Case{"Mew", "Speed", "100", "0", "Neutral", "4", "Stat: 206"},
                    Gen34Case{"Shedinja", "HP", "50", "31", "Helping", "255", "Stat: 1"}));

TEST(StatsDialogs, OpenWithTheirTextsAndEmptyLists) {
  CalcApp app;
  app.Open("Bulbasaur", "Calculations");
  app.Calculate(kStatsGen12Button, [](memtk::Dialog& d) {
    EXPECT_EQ(d.TemplateId(), 203);
    EXPECT_EQ(d.Owner(), MainWindow());
    EXPECT_EQ(d.Title(), "Calculate stats");
    EXPECT_EQ(d.Text(240), "Bulbasaur Stat Calculator");
    EXPECT_EQ(d.Text(241), "Stat: ");
    EXPECT_EQ(d.Text(244), "Level: ");
    EXPECT_EQ(d.Text(246), "DV: ");
    EXPECT_EQ(d.Text(248), "Stat Exp Level: ");
    EXPECT_EQ(d.Text(250), "Your result wil appear here");
    EXPECT_EQ(d.Text(243), "Calculate");
    EXPECT_EQ(d.Text(IDOK), "Done");
    EXPECT_EQ(d.Entries(242), kStats);
    EXPECT_EQ(d.Entries(245), Numbers(1, 100));
    EXPECT_EQ(d.Entries(247), Numbers(0, 15));
    EXPECT_EQ(d.Entries(249), Numbers(0, 63));
    for (const int list : {242, 245, 247, 249}) EXPECT_EQ(d.Selection(list), -1) << list;
  });
  app.Calculate(kStatsGen34Button, [](memtk::Dialog& d) {
    EXPECT_EQ(d.TemplateId(), 206);
    EXPECT_EQ(d.Title(), "Calculate stats");
    EXPECT_EQ(d.Text(240), "Bulbasaur stat calculator");
    EXPECT_EQ(d.Text(241), "Stat:");
    EXPECT_EQ(d.Text(244), "Level:");
    EXPECT_EQ(d.Text(246), "DV:");
    EXPECT_EQ(d.Text(248), "Stat Exp level:");
    EXPECT_EQ(d.Text(251), "Personality:");
    EXPECT_EQ(d.Text(250), "Your result will appear here");
    EXPECT_EQ(d.Entries(242), kStats);
    EXPECT_EQ(d.Entries(247), Numbers(0, 31));
    EXPECT_EQ(d.Entries(249), Numbers(0, 255));
    // Shown neutral, helping, hindering; the hindering factor is personality 1.
    EXPECT_EQ(d.Entries(252), (std::vector<std::string>{"Neutral", "Helping", "Hindering"}));
    const auto& personality = d.ControlOf(252).entries;
    EXPECT_EQ(personality[1].data, 2);
    EXPECT_EQ(personality[2].data, 1);
    for (const int list : {242, 245, 247, 249, 252}) EXPECT_EQ(d.Selection(list), -1) << list;
    d.PressEscape();
    EXPECT_EQ(d.Result(), IDCANCEL);
  });
}

TEST(StatsDialogs, MissingStatStopsAtOnce) {
  CalcApp app;
  app.Open("Bulbasaur", "Calculations");
  app.Calculate(kStatsGen12Button, [](memtk::Dialog& d) { d.Click(243); });
  app.Calculate(kStatsGen34Button, [](memtk::Dialog& d) { d.Click(243); });
  ASSERT_EQ(app.MessageBoxes().size(), 2u);
  EXPECT_EQ(app.MessageBoxes()[0].text, "Invalid stat");
  EXPECT_EQ(app.MessageBoxes()[1].text, "Please select a stat");
  for (const auto& box : app.MessageBoxes()) {
    EXPECT_EQ(box.title, "Boo!");
    EXPECT_EQ(box.owner, MainWindow());
    EXPECT_EQ(box.type, MB_OK);
  }
}

TEST(StatsDialogs, EveryMissingInputIsReportedInOrderAndNothingComputed) {
  CalcApp app;
  app.Open("Bulbasaur", "Calculations");
  app.Calculate(kStatsGen12Button, [](memtk::Dialog& d) {
    d.Select(242, "HP");
    d.Click(243);
    EXPECT_EQ(d.Text(250), "Your result wil appear here");
  });
  EXPECT_EQ(app.MessageTexts(),
            (std::vector<std::string>{"Invalid level input. Please select a level",
                                      "Invalid DV. Please select a DV",
                                      "Invalid stat exp level. Please select one"}));
  app.ClearMessageBoxes();
  app.Calculate(kStatsGen34Button, [](memtk::Dialog& d) {
    d.Select(242, "Defense");
    d.Select(247, "31");
    d.Click(243);
    EXPECT_EQ(d.Text(250), "Your result will appear here");
  });
  ASSERT_EQ(app.MessageBoxes().size(), 3u);
  EXPECT_EQ(app.MessageBoxes()[0].text, "Please select a level");
  EXPECT_EQ(app.MessageBoxes()[1].text, "Please select a personality");
  EXPECT_EQ(app.MessageBoxes()[1].title, "Bool!");
  EXPECT_EQ(app.MessageBoxes()[2].text, "Please select a stat exp level");
}

TEST(StatsDialogs, EveryClickReadsTheListsAfresh) {
  CalcApp app;
  app.Open("Mew", "Calculations");
  app.Calculate(kStatsGen12Button, [](memtk::Dialog& d) {
    d.Select(242, "HP");
    d.Select(245, "100");
    d.Select(247, "15");
    d.Select(249, "63");
    d.Click(243);
    EXPECT_EQ(d.Text(250), "Stat: 403");
    d.Select(245, "50");
    d.Click(243);
    EXPECT_EQ(d.Text(250), "Stat: 206");
  });
  EXPECT_TRUE(app.MessageBoxes().empty());
}

}  // namespace
