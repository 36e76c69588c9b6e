#include "calc/catch_rules.h"

#include <gtest/gtest.h>

namespace {

// Half HP makes every catch value 3 x rate + 1, which keeps the sentences readable.
CatchInputs HalfHp() {
  CatchInputs in;
  in.level = 10;
  in.maximum_hp = 32;
  in.current_hp = 16;
  in.rate = 45;
  return in;
}

struct RuleCase {
  const char* ball;
  std::int32_t rule;
  const char* expected;
};

class BallRuleTest : public testing::TestWithParam<RuleCase> {};

TEST_P(BallRuleTest, ComposesTheResultLine) {
  const RuleCase& c = GetParam();
  EXPECT_EQ(CatchResultText(c.rule, HalfHp()), std::optional<std::string>(c.expected)) << c.ball;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, BallRuleTest,
    testing::Values(
        RuleCase{"Pokeball", 0, "136%"}, RuleCase{"Great Ball: 3 x 45 / 2 = 67", 1, "202%"},
        RuleCase{"Ultra Ball", 2, "271%"}, RuleCase{"Master Ball", 3, "Pokemon is always caught"},
        RuleCase{"Heavy Ball, class 0: minus 20", 4, "76%"},
        RuleCase{"Fast Ball, no effect", 5, "136%"},
        RuleCase{"Level Ball", 6,
                 "Your level is 40 or higher: 1081%; else, your level is 20or higher: 541%; else, "
                 "your level is 10 or higher: 271%; else 136%"},
        RuleCase{"Lure Ball", 7, "406% when fishing, 136% when not"},
        RuleCase{"Love Ball", 8, "1081% if Pokemon are of different genders, else 136%"},
        RuleCase{"Dive Ball: 7 x 45 / 2 = 157", 9, "472% when diving, else 136%"},
        RuleCase{"Net Ball, neither Water nor Bug", 10, "136%"},
        RuleCase{"Repeat Ball", 11, "406% when already caught; 136% otherwise."},
        RuleCase{"Timer Ball", 12, "Goes from 136% to 541% as time passes"},
        RuleCase{"Dusk Ball", 13, "136%; 541during the night or in the dark"},
        RuleCase{"Quick Ball", 14, "Goes from 136% to 541% as time passes"}));

TEST(BallRules, OtherRuleNumbersGiveNoText) {
  EXPECT_EQ(CatchResultText(15, HalfHp()), std::nullopt);
  EXPECT_EQ(CatchResultText(-1, HalfHp()), std::nullopt);
}

TEST(BallRules, HeavyBallFollowsTheWeightClass) {
  CatchInputs in = HalfHp();
  const std::pair<std::int32_t, const char*> classes[] = {
      {1, "76%"}, {2, "136%"}, {3, "196%"}, {4, "226%"}, {5, "76%"}};
  for (const auto& [weight_class, expected] : classes) {
    in.heavyballeffect = weight_class;
    EXPECT_EQ(CatchResultText(4, in), std::optional<std::string>(expected)) << weight_class;
  }
  in.heavyballeffect = 1;
  in.rate = 3;  // 3 - 20 stops at 0
  EXPECT_EQ(CatchResultText(4, in), std::optional<std::string>("1%"));
}

TEST(BallRules, FastBallQuadruplesOnlyWithItsEffect) {
  CatchInputs in = HalfHp();
  in.fastballeffect = true;
  EXPECT_EQ(CatchResultText(5, in), std::optional<std::string>("541%"));
}

TEST(BallRules, NetBallTriplesForWaterOrBugInEitherTypeSlot) {
  CatchInputs in = HalfHp();
  in.type1 = kWaterTypePosition;
  EXPECT_EQ(CatchResultText(10, in), std::optional<std::string>("406%"));
  in.type1 = 0;
  in.type2 = kBugTypePosition;
  EXPECT_EQ(CatchResultText(10, in), std::optional<std::string>("406%"));
}

TEST(BallRules, ListsCarryTheirRuleNumbersInOrder) {
  ASSERT_EQ(kCatchBalls.front().text, std::string("Pokeball"));
  EXPECT_EQ(kCatchBalls.back().text, std::string("Quick Ball"));
  EXPECT_EQ(kCatchBalls[11].text, std::string("Park Ball"));
  EXPECT_EQ(kCatchBalls[11].rule, 1);
  EXPECT_EQ(kCatchBalls[21].text, std::string("Park Ball (DP)"));
  EXPECT_EQ(kCatchBalls[21].rule, 3);
  EXPECT_EQ(kCatchStatuses[4].text, std::string("Freeze"));
  EXPECT_EQ(kCatchStatuses[4].bonus, 10);
}

}  // namespace
