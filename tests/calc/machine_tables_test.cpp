#include "calc/machine_tables.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "records/dex_data.h"
#include "support/report_capture.h"

namespace {

// Every move is named after its id, so a cell's text shows which move it took.
void NameMovesByNumber() {
  for (std::int32_t id = 1; id <= 470; ++id) Data().moves[id] = DexMove{id, "M" + std::to_string(id)};
}

struct CellCase {
  int generation;
  int control_id;
  int x, y;
  const char* window_name;
  const char* text;
  std::int32_t move;
  int flag;
};

class MachineCellTest : public testing::TestWithParam<CellCase> {
 protected:
  ReportCapture reports;
};

TEST_P(MachineCellTest, StandsWhereItsNumberPutsIt) {
  const CellCase& c = GetParam();
  NameMovesByNumber();
  const std::vector<MachineCell> cells = MachineCells(c.generation);
  const auto cell = std::find_if(cells.begin(), cells.end(),
                                 [&](const MachineCell& m) { return m.control_id == c.control_id; });
  ASSERT_NE(cell, cells.end()) << c.control_id;
  EXPECT_EQ(cell->x, c.x);
  EXPECT_EQ(cell->y, c.y);
  EXPECT_STREQ(cell->window_name, c.window_name);
  EXPECT_EQ(cell->text, c.text);
  EXPECT_EQ(cell->move, c.move);
  EXPECT_EQ(cell->flag, c.flag);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, MachineCellTest,
    testing::Values(
        CellCase{1, 211, 10, 10, "TM", "TM1 - M119", 119, 1},
        CellCase{1, 260, 450, 190, "TM", "TM50 - M213", 213, 50},
        CellCase{1, 261, 10, 210, "HM", "HM1 - M39", 39, 51},
        CellCase{1, 265, 450, 210, "HM", "HM5 - M71", 71, 55},
        CellCase{2, 215, 450, 10, "TM", "TM5 - M166", 166, 5},
        CellCase{2, 267, 120, 230, "HM", "HM7 - M245", 245, 57},
        CellCase{2, 268, 230, 230, "CM", "CM1 - M70", 70, 58},
        CellCase{2, 270, 450, 230, "CM", "CM3 - M98", 98, 60},
        CellCase{3, 241, 10, 130, "TM", "TM31 - M280", 280, 31},
        CellCase{3, 268, 230, 230, "HM", "HM8 - M291", 291, 58},
        CellCase{3, 271, 10, 250, "Tutor", "Tutor M19", 19, 59},
        CellCase{3, 303, 230, 370, "Tutor", "Tutor M77", 77, 91},
        CellCase{4, 211, 10, 10, "TM", "TM1 - M264", 264, 1},
        CellCase{4, 260, 450, 190, "TM", "TM50 - M315", 315, 50},
        CellCase{kDpTms2Generation, 211, 10, 10, "TM", "TM51 - M373", 373, 51},
        CellCase{kDpTms2Generation, 252, 120, 170, "TM", "TM92 - M451", 451, 92},
        CellCase{kDpTms2Generation, 261, 10, 210, "HM", "HM1 - M39", 39, 97},
        CellCase{kDpTms2Generation, 265, 450, 210, "HM", "HM5 - M450", 450, 101},
        CellCase{kDpTms2Generation, 268, 230, 230, "HM", "HM8 - M449", 449, 104},
        CellCase{kDpTms2Generation, 271, 10, 250, "Tutor", "Tutor M338", 338, 93},
        CellCase{kDpTms2Generation, 274, 340, 250, "Tutor", "Tutor M452", 452, 96}));

struct PageCount {
  int generation;
  std::size_t tms, hms, tutors;
};

class MachinePageTest : public testing::TestWithParam<PageCount> {};

TEST_P(MachinePageTest, HasItsCellsInCreationOrder) {
  const PageCount& c = GetParam();
  const std::vector<MachineCell> cells = MachineCells(c.generation);
  ASSERT_EQ(cells.size(), c.tms + c.hms + c.tutors);
  int last_id = 0;
  for (const MachineCell& cell : cells) {
    EXPECT_GT(cell.control_id, last_id);
    EXPECT_GE(cell.control_id, kFirstMachineCellId);
    EXPECT_LE(cell.control_id, kLastMachineCellId);
    last_id = cell.control_id;
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, MachinePageTest,
                         testing::Values(PageCount{1, 50, 5, 0}, PageCount{2, 50, 10, 0},
                                         PageCount{3, 50, 8, 33}, PageCount{4, 50, 0, 0},
                                         PageCount{kDpTms2Generation, 42, 8, 4},
                                         PageCount{5, 0, 0, 0}));

TEST(MachineCells, AMoveTheTableLacksGivesAnEmptyName) {
  ReportCapture reports;
  EXPECT_EQ(MachineCells(1).front().text, "TM1 - ");
}

}  // namespace
