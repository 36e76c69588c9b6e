#include "calc/catch_value.h"

#include <gtest/gtest.h>

namespace {

struct CatchCase {
  const char* what;
  std::int32_t maximum, current, rate, bonus, expected;
};

class CatchValueTest : public testing::TestWithParam<CatchCase> {};

TEST_P(CatchValueTest, GivesTheTruncatedProductPlusBonusPlusOne) {
  const CatchCase& c = GetParam();
  EXPECT_EQ(CatchValue(c.maximum, c.current, c.rate, c.bonus), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CatchValueTest,
    testing::Values(CatchCase{"full HP", 32, 32, 45, 0, 91},
                    CatchCase{"no HP left", 32, 0, 45, 0, 181},
                    CatchCase{"half HP asleep", 32, 16, 45, 10, 146},
                    CatchCase{"rate 255 is not capped", 40, 40, 255, 0, 511},
                    CatchCase{"rate 0 leaves bonus + 1", 20, 5, 0, 5, 6},
                    CatchCase{"maximum 0 counts as unhurt", 0, 0, 45, 0, 91},
                    CatchCase{"absurd rate stays defined", 10, 0, 1000000000, 0, -2147483647 - 1}));

TEST(CatchValueExtended, TwoThirdsOfFifteenFallsJustBelowTheExactValue) {
  if (!kCatchValueExtended) GTEST_SKIP() << "long double has no 64-bit significand here";
  EXPECT_EQ(CatchValue(15, 10, 45, 0), 120);
  EXPECT_EQ(CatchValue(15, 10, 45, 10), 130);
}

}  // namespace
