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

// The borders between the rules of the two tabulated groups (the dialog
// covers the check rows and the corrected levels), and rows 0 and 1, which
// the dialog never shows.
INSTANTIATE_TEST_SUITE_P(
    RuleBorders, ExperienceAtLevelTest,
    testing::Values(LevelCase{5, 0, 0}, LevelCase{5, 51, 131324}, LevelCase{5, 68, 257834},
                    LevelCase{5, 69, 267406}, LevelCase{5, 98, 583539},
                    LevelCase{5, 99, 591882}, LevelCase{6, 0, 0}, LevelCase{6, 1, 1},
                    LevelCase{6, 15, 1957}, LevelCase{6, 16, 2457}, LevelCase{6, 36, 46656},
                    LevelCase{6, 37, 50653}, LevelCase{3, 45, 83335}));

TEST(ExperienceAtLevel, KnowsNothingOutsideGroupsOneToSixAndLevelsUpToAHundred) {
  EXPECT_EQ(ExperienceAtLevel(0, 50), std::nullopt);
  EXPECT_EQ(ExperienceAtLevel(7, 50), std::nullopt);
  EXPECT_EQ(ExperienceAtLevel(2, 101), std::nullopt);
  EXPECT_EQ(ExperienceAtLevel(2, -1), std::nullopt);
}

}  // namespace
