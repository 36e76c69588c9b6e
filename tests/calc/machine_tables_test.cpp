#include "calc/machine_tables.h"

#include <gtest/gtest.h>

#include "support/report_capture.h"

namespace {

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
