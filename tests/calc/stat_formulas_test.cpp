// The two stat rules, with the values the games give.
#include <gtest/gtest.h>

#include <climits>

#include "calc/stat_formulas.h"
#include "support/faunary_fixture.h"

namespace {
struct Gen12Case {
  std::int32_t base, level, dv, statexp;
  bool hp;
  std::int32_t expected;
};

void PrintTo(const Gen12Case& c, std::ostream* os) {
  *os << "base " << c.base << " level " << c.level << " dv " << c.dv << " exp " << c.statexp << (c.hp ? " hp" : "");
}

class StatGen12 : public ::testing::TestWithParam<Gen12Case> {};

TEST_P(StatGen12, TruncatesEachQuotientOnItsOwn) {
  const Gen12Case& c = GetParam();
  EXPECT_EQ(CalcStatGen12(c.base, c.level, c.dv, c.statexp, c.hp), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Calc, StatGen12,
                         ::testing::Values(Gen12Case{100, 100, 15, 63, false, 298}, Gen12Case{45, 5, 0, 0, false, 9},
                                           Gen12Case{45, 5, 15, 0, true, 20}, Gen12Case{1, 100, 15, 63, true, 1},
                                           Gen12Case{1, 100, 15, 63, false, 100},
                                           Gen12Case{65, 100, 0, 0, false, 135}));

struct Gen34Case {
  std::int32_t base, level, iv, effort;
  bool hp;
  int personality;
  std::int32_t expected;
};

void PrintTo(const Gen34Case& c, std::ostream* os) {
  *os << "base " << c.base << " level " << c.level << " iv " << c.iv << " ev " << c.effort << (c.hp ? " hp" : "")
      << " personality " << c.personality;
}

class StatGen34 : public ::testing::TestWithParam<Gen34Case> {};

TEST_P(StatGen34, AppliesThePersonalityToEveryStat) {
  const Gen34Case& c = GetParam();
  EXPECT_EQ(CalcStatGen34(c.base, c.level, c.iv, c.effort, c.hp, c.personality), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Calc, StatGen34,
    ::testing::Values(Gen34Case{100, 100, 31, 255, false, 0, 299}, Gen34Case{100, 100, 31, 255, false, 2, 328},
                      Gen34Case{100, 100, 31, 255, false, 1, 269}, Gen34Case{45, 5, 31, 0, true, 0, 20},
                      Gen34Case{45, 5, 31, 0, true, 2, 22}, Gen34Case{45, 5, 31, 3, true, 0, 20},
                      Gen34Case{1, 50, 31, 255, true, 2, 1}, Gen34Case{1, 50, 0, 0, false, 0, 6}));

TEST(StatFormulas, AnUnknownPersonalityIsReportedAndGivesZero) {
  FaunaryFixture app{"shell"};
  app.WriteConfig(FaunaryFixture::ConfigXml(2, "1", 2, 12, 0));
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(CalcStatGen34(100, 100, 31, 255, false, 3), 0);
  ASSERT_EQ(app.MessageBoxes().size(), 1u);
  EXPECT_EQ(app.MessageBoxes()[0].text, "Invalid nature");
  EXPECT_EQ(app.MessageBoxes()[0].title, "Huh?");
  EXPECT_EQ(app.MessageBoxes()[0].owner, memtk::TopWindow());
}

TEST(StatFormulas, AbsurdBaseStatsDoNotOverflow) {
  // Runs under the undefined-behaviour sanitizer: no signed overflow anywhere.
  CalcStatGen12(INT_MAX, INT_MAX, INT_MAX, INT_MAX, true);
  CalcStatGen34(INT_MIN, INT_MAX, INT_MAX, INT_MIN, false, 2);
  CalcStatGen34(INT_MAX, INT_MAX, INT_MAX, INT_MAX, true, 1);
  SUCCEED();
}
}  // namespace
