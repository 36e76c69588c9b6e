#include "calc/compare_values.h"

#include <gtest/gtest.h>

#include "records/dex_data.h"
#include "support/report_capture.h"

namespace {

IndexEntry Entry(std::int32_t hp) {
  IndexEntry e;
  e.hp = hp;
  e.attack = hp + 1;
  return e;
}

class CompareValues : public testing::Test {
 protected:
  void SetUp() override {
    // Byte-wise id order: "1" < "10" < "2" < "3".
    Data().index = {{"1", Entry(50)}, {"10", Entry(20)}, {"2", Entry(20)}, {"3", Entry(50)}};
  }
  ReportCapture reports;
};

TEST_F(CompareValues, TiesKeepTheFirstIdInByteOrder) {
  EXPECT_EQ(FindLowest(0), "10");
  EXPECT_EQ(FindHighest(0), "1");
  EXPECT_EQ(CompareValue(kCompareLowest, 0), 20);
  EXPECT_EQ(CompareValue(kCompareHighest, 1), 51);
}

TEST_F(CompareValues, NoneIsZeroSilently) {
  EXPECT_EQ(CompareValue("", 0), 0);
  EXPECT_EQ(CompareValue("", 99), 0);
  EXPECT_TRUE(reports.all().empty());
}

TEST_F(CompareValues, UnknownIdIsReportedAndCountsZero) {
  EXPECT_EQ(CompareValue("99", 0), 0);
  EXPECT_EQ(reports.all(), (std::vector<Reported>{{"Request for invalid Pokemon", "Error"}}));
}

TEST_F(CompareValues, BadCategoryIsReportedForAPokemonAndSearchesNothing) {
  EXPECT_EQ(CompareValue("1", 8), 0);
  EXPECT_EQ(CompareValue("1", -1), 0);
  EXPECT_EQ(FindLowest(8), "");
  EXPECT_EQ(CompareValue(kCompareHighest, 8), 0);
  EXPECT_EQ(reports.all(), (std::vector<Reported>{{"Invalid compcat 8", "CreateCompGraph 2"},
                                                  {"Invalid compcat -1", "CreateCompGraph 2"}}));
}

TEST(CompareValuesEmptyIndex, LowestAndHighestAreTheEmptyIdWorthZero) {
  ReportCapture reports;
  EXPECT_EQ(FindLowest(0), "");
  EXPECT_EQ(FindHighest(kCompareHeight), "");
  EXPECT_EQ(CompareValue(kCompareLowest, 0), 0);
  EXPECT_TRUE(reports.all().empty());
}

using Bars = std::array<std::int32_t, kCompareBarCount>;

struct BarCase {
  const char* what;
  Bars values;
  Bars widths;
};

class CompareBarWidthsTest : public testing::TestWithParam<BarCase> {};

TEST_P(CompareBarWidthsTest, ScalesToTheLargestValue) {
  EXPECT_EQ(CompareBarWidths(GetParam().values), GetParam().widths) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompareBarWidthsTest,
    testing::Values(BarCase{"all five 0", {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
                    BarCase{"nothing above 0", {-5, 0, -1, 0, 0}, {0, 0, 0, 0, 0}},
                    BarCase{"negative value", {-5, 10, 0, 0, 10}, {0, 425, 0, 0, 425}},
                    BarCase{"huge weights", {2147483647, 1073741823, 0, 0, 1},
                            {425, 212, 0, 0, 0}}));

}  // namespace
