#include <gtest/gtest.h>

#include "calc_app.h"
#include "shell/shell_state.h"

namespace {

struct CellCase {
  const char* tab;
  int id;
  const char* window_name;
  const char* text;
  int x, y;
  bool learnt_by_bulbasaur;
};

class MachineCell : public testing::TestWithParam<CellCase> {
 protected:
  CalcApp app;
};

TEST_P(MachineCell, ShowsItsMachineAndGreysByTheRecordsFlags) {
  const CellCase& c = GetParam();
  app.Open("Bulbasaur", c.tab);
  const memtk::Control* cell = app.Find(c.id);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->class_name, "STATIC");
  EXPECT_EQ(cell->window_name, c.window_name);
  EXPECT_EQ(cell->text, c.text);
  EXPECT_EQ(cell->rect, (tk::Rect{c.x, c.y, c.x + 110, c.y + 15}));
  // Made greyed; reports double-clicks.
  EXPECT_EQ(cell->style, WS_CHILD | WS_VISIBLE | WS_DISABLED | SS_NOTIFY);
  EXPECT_EQ(cell->font, SharedFont());
  EXPECT_EQ(cell->enabled, c.learnt_by_bulbasaur);
}

// Bulbasaur's flags: RBY TM03 TM06 TM50 HM01 HM05; GSC TM01 HM07 CM01 CM03;
// RSEFRLG TM06 HM08 MT01 MT33; DP TM06 TM51 TM92 TM93 TM96 HM01 HM08.
INSTANTIATE_TEST_SUITE_P(
    Cells, MachineCell,
    testing::Values(
        CellCase{"RBY TMs", 211, "TM", "TM1 - Mega Punch", 10, 10, false},
        CellCase{"RBY TMs", 213, "TM", "TM3 - ", 230, 10, true},
        CellCase{"RBY TMs", 216, "TM", "TM6 - ", 10, 30, true},
        CellCase{"RBY TMs", 260, "TM", "TM50 - Substitute", 450, 190, true},
        CellCase{"RBY TMs", 261, "HM", "HM1 - Cut", 10, 210, true},
        CellCase{"RBY TMs", 265, "HM", "HM5 - Flash", 450, 210, true},
        CellCase{"GSC TMs", 211, "TM", "TM1 - ", 10, 10, true},
        CellCase{"GSC TMs", 266, "HM", "HM6 - Whirlpool", 10, 230, false},
        CellCase{"GSC TMs", 267, "HM", "HM7 - Waterfall", 120, 230, true},
        CellCase{"GSC TMs", 268, "CM", "CM1 - Flamethrower", 230, 230, true},
        CellCase{"GSC TMs", 269, "CM", "CM2 - Thunderbolt", 340, 230, false},
        CellCase{"GSC TMs", 270, "CM", "CM3 - Ice Beam", 450, 230, true},
        CellCase{"RSEFRLG TMs", 211, "TM", "TM1 - Focus Punch", 10, 10, false},
        CellCase{"RSEFRLG TMs", 216, "TM", "TM6 - ", 10, 30, true},
        CellCase{"RSEFRLG TMs", 265, "HM", "HM5 - Flash", 450, 210, false},
        CellCase{"RSEFRLG TMs", 266, "HM", "HM6 - Rock Smash", 10, 230, false},
        CellCase{"RSEFRLG TMs", 268, "HM", "HM8 - Dive", 230, 230, true},
        CellCase{"RSEFRLG TMs", 271, "Tutor", "Tutor Body Slam", 10, 250, true},
        CellCase{"RSEFRLG TMs", 272, "Tutor", "Tutor ", 120, 250, false},
        CellCase{"RSEFRLG TMs", 303, "Tutor", "Tutor ", 230, 370, true},
        CellCase{"DP TMs 1", 211, "TM", "TM1 - Focus Punch", 10, 10, false},
        CellCase{"DP TMs 1", 216, "TM", "TM6 - ", 10, 30, true},
        CellCase{"DP TMs 1", 260, "TM", "TM50 - Overheat", 450, 190, false},
        CellCase{"DP TMs 2", 211, "TM", "TM51 - Roost", 10, 10, true},
        CellCase{"DP TMs 2", 216, "TM", "TM56 - ", 10, 30, false},
        CellCase{"DP TMs 2", 252, "TM", "TM92 - Trick Room", 120, 170, true},
        CellCase{"DP TMs 2", 261, "HM", "HM1 - Cut", 10, 210, true},
        CellCase{"DP TMs 2", 265, "HM", "HM5 - Defog", 450, 210, false},
        CellCase{"DP TMs 2", 268, "HM", "HM8 - Rock Climb", 230, 230, true},
        CellCase{"DP TMs 2", 271, "Tutor", "Tutor ", 10, 250, true},
        CellCase{"DP TMs 2", 273, "Tutor", "Tutor ", 230, 250, false},
        CellCase{"DP TMs 2", 274, "Tutor", "Tutor Draco Meteor", 340, 250, true}));

struct PageCase {
  const char* tab;
  int tms, hms, tutors;
};

class MachinePage : public testing::TestWithParam<PageCase> {
 protected:
  CalcApp app;
};

int CountCells(int first_id, int last_id) {
  int count = 0;
  for (const memtk::Control* c : memtk::Controls())
    if (c->id >= first_id && c->id <= last_id && c->class_name == "STATIC") ++count;
  return count;
}

TEST_P(MachinePage, HasItsCellsAndLeavesNoneBehind) {
  const PageCase& c = GetParam();
  app.Open("Bulbasaur", c.tab);
  EXPECT_EQ(CountCells(211, 260), c.tms);
  EXPECT_EQ(CountCells(261, 270), c.hms);
  EXPECT_EQ(CountCells(271, 303), c.tutors);
  app.SelectTab("Calculations");
  EXPECT_EQ(CountCells(211, 303), 0);
}

INSTANTIATE_TEST_SUITE_P(Pages, MachinePage,
                         testing::Values(PageCase{"RBY TMs", 50, 5, 0},
                                         PageCase{"GSC TMs", 50, 10, 0},
                                         PageCase{"RSEFRLG TMs", 50, 8, 33},
                                         PageCase{"DP TMs 1", 50, 0, 0},
                                         PageCase{"DP TMs 2", 42, 8, 4}));

TEST(MachinePages, AMissingFlagElementGreysTheWholePage) {
  CalcApp app;
  app.Open("Caterpie", "RSEFRLG TMs");
  for (const memtk::Control* c : memtk::Controls())
    if (c->id >= 211 && c->id <= 303) {
      EXPECT_FALSE(c->enabled) << c->text;
    }
}

TEST(MachinePages, ChoosingAnotherPokemonOnlyRegreys) {
  CalcApp app;
  app.Open("Bulbasaur", "DP TMs 1");
  EXPECT_TRUE(app.Find(216)->enabled);
  app.PickPokemon("Caterpie");
  EXPECT_FALSE(app.Find(216)->enabled);
  EXPECT_EQ(app.Find(211)->text, "TM1 - Focus Punch");
  app.PickPokemon("Bulbasaur");
  EXPECT_TRUE(app.Find(216)->enabled);
}

struct DoubleClickCase {
  const char* tab;
  int id;
  const char* move;
};

class MachineDoubleClick : public testing::TestWithParam<DoubleClickCase> {
 protected:
  CalcApp app;
};

TEST_P(MachineDoubleClick, OpensTheDetailsOfTheMoveTheCellNames) {
  const DoubleClickCase& c = GetParam();
  app.Open("Caterpie", c.tab);  // every cell greyed: greyed cells open details too
  std::string title;
  app.OnNextDialog([&](memtk::Dialog& d) {
    EXPECT_EQ(d.TemplateId(), 320);
    EXPECT_EQ(d.Owner(), MainWindow());
    title = d.Title();
  });
  memtk::DoubleClickStatic(c.id);
  EXPECT_EQ(memtk::PendingDialogScripts(), 0u);
  EXPECT_EQ(title, c.move);
}

INSTANTIATE_TEST_SUITE_P(Cells, MachineDoubleClick,
                         testing::Values(DoubleClickCase{"RBY TMs", 211, "Mega Punch"},
                                         DoubleClickCase{"GSC TMs", 268, "Flamethrower"},
                                         DoubleClickCase{"RSEFRLG TMs", 271, "Body Slam"},
                                         DoubleClickCase{"DP TMs 1", 260, "Overheat"},
                                         DoubleClickCase{"DP TMs 2", 252, "Trick Room"},
                                         DoubleClickCase{"DP TMs 2", 265, "Defog"},
                                         DoubleClickCase{"DP TMs 2", 274, "Draco Meteor"}));

TEST(MachinePages, DoubleClicksOutsideThePagesCellsOpenNothing) {
  CalcApp app;
  app.Open("Bulbasaur", "DP TMs 1");
  memtk::SendNotify(261, NM_DBLCLK);  // no HM cells on this page
  app.SelectTab("RBY TMs");
  memtk::SendNotify(266, NM_DBLCLK);  // RBY has five HMs
  EXPECT_TRUE(memtk::DialogsRun().empty());
  EXPECT_TRUE(app.MessageBoxes().empty());
}

}  // namespace
