#include "calc/experience.h"

#include <gtest/gtest.h>

namespace {

struct LevelCase {
  std::int32_t group, level, expected;
};

class ExperienceAtLevelTest : public testing::TestWithParam<LevelCase> {};

TEST_P(ExperienceAtLevelTest, MatchesTheGamesTable) {
  const LevelCase& c = GetParam();
  EXPECT_EQ(ExperienceAtLevel(c.group, c.level), c.expected)
      << "group " << c.group << " level " << c.level;
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, ExperienceAtLevelTest,
    testing::Values(LevelCase{1, 100, 800000}, LevelCase{2, 100, 1000000},
                    LevelCase{3, 100, 1059860}, LevelCase{4, 100, 1250000},
                    LevelCase{3, 2, 9}, LevelCase{1, 7, 274}, LevelCase{4, 13, 2746},
                    LevelCase{3, 45, 83335}));

// One level from each range of the two tabulated groups, the range borders,
// and the levels whose values were once mistyped.
INSTANTIATE_TEST_SUITE_P(
    Erratic, ExperienceAtLevelTest,
    testing::Values(LevelCase{5, 0, 0}, LevelCase{5, 2, 15}, LevelCase{5, 10, 1800},
                    LevelCase{5, 45, 100237}, LevelCase{5, 50, 125000}, LevelCase{5, 51, 131324},
                    LevelCase{5, 68, 257834}, LevelCase{5, 69, 267406}, LevelCase{5, 72, 296358},
                    LevelCase{5, 98, 583539}, LevelCase{5, 99, 591882},
                    LevelCase{5, 100, 600000}));

INSTANTIATE_TEST_SUITE_P(
    Fluctuating, ExperienceAtLevelTest,
    testing::Values(LevelCase{6, 0, 0}, LevelCase{6, 1, 1}, LevelCase{6, 2, 4},
                    LevelCase{6, 6, 112}, LevelCase{6, 10, 540}, LevelCase{6, 13, 1230},
                    LevelCase{6, 15, 1957}, LevelCase{6, 16, 2457}, LevelCase{6, 28, 18439},
                    LevelCase{6, 36, 46656}, LevelCase{6, 37, 50653}, LevelCase{6, 50, 142500},
                    LevelCase{6, 100, 1640000}));

TEST(ExperienceAtLevel, KnowsNothingOutsideGroupsOneToSixAndLevelsUpToAHundred) {
  EXPECT_EQ(ExperienceAtLevel(0, 50), std::nullopt);
  EXPECT_EQ(ExperienceAtLevel(7, 50), std::nullopt);
  EXPECT_EQ(ExperienceAtLevel(2, 101), std::nullopt);
  EXPECT_EQ(ExperienceAtLevel(2, -1), std::nullopt);
}

TEST(ExperienceGained, TrainerBattlesGiveHalfAsMuchAgain) {
  EXPECT_EQ(ExperienceGained(10, 64, false), 91);
  EXPECT_EQ(ExperienceGained(10, 64, true), 137);
  EXPECT_EQ(ExperienceGained(100, 608, true), 13028);
}

}  // namespace
