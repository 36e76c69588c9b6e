#include <gtest/gtest.h>

#include "calc_app.h"
#include "shell/shell_state.h"

namespace {

struct ButtonCase {
  int id;
  const char* text;
  int x, y;
  int dialog;
};

class CalculationsPageButton : public testing::TestWithParam<ButtonCase> {
 protected:
  CalcApp app;
};

TEST_P(CalculationsPageButton, StandsInPlaceAndOpensItsDialog) {
  const ButtonCase& c = GetParam();
  app.Open("Bulbasaur", "Calculations");
  const memtk::Control* button = app.Find(c.id);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->class_name, "BUTTON");
  EXPECT_EQ(button->text, c.text);
  EXPECT_EQ(button->rect, (tk::Rect{c.x, c.y, c.x + 120, c.y + 20}));
  EXPECT_EQ(button->style, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
  EXPECT_EQ(button->parent, MainWindow());
  EXPECT_EQ(button->font, SharedFont());
  app.Calculate(c.id, [&](memtk::Dialog& d) {
    EXPECT_EQ(d.TemplateId(), c.dialog);
    EXPECT_EQ(d.Owner(), MainWindow());
    d.Click(IDOK);
  });
  EXPECT_EQ(memtk::DialogsRun().back().result, IDOK);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, CalculationsPageButton,
    testing::Values(ButtonCase{201, "Stats (gen 1-2)", 10, 10, 203},
                    ButtonCase{202, "Catching Chance", 10, 35, 204},
                    ButtonCase{203, "Experience Gained", 10, 60, 205},
                    ButtonCase{204, "Experience Needed", 10, 85, 290},
                    ButtonCase{205, "Stats (gen 3-4)", 135, 10, 206}));

TEST(CalculationsPage, TheNextDialogWorksOnTheNewlyChosenPokemon) {
  CalcApp app;
  app.Open("Bulbasaur", "Calculations");
  app.PickPokemon("Mew");
  EXPECT_EQ(app.Find(201)->text, "Stats (gen 1-2)");
  app.Calculate(kStatsGen12Button, [](memtk::Dialog& d) {
    EXPECT_EQ(d.Text(240), "Mew Stat Calculator");
    d.Select(242, "Attack");
    d.Select(245, "100");
    d.Select(247, "15");
    d.Select(249, "63");
    d.Click(243);
    EXPECT_EQ(d.Text(250), "Stat: 298");
  });
}

TEST(CalculationsPage, LeavingTheTabRemovesTheButtons) {
  CalcApp app;
  app.Open("Bulbasaur", "Calculations");
  app.SelectTab("Main");
  for (int id = 201; id <= 205; ++id) EXPECT_EQ(app.Find(id), nullptr) << id;
}

}  // namespace
