#include "calc/catch_rules.h"

#include <gtest/gtest.h>

namespace {

// Half HP makes every catch value 3 x rate + 1. The sentences of every ball
// are checked through the dialog; these are the cases no fixture reaches.
CatchInputs HalfHp() {
  CatchInputs in;
  in.level = 10;
  in.maximum_hp = 32;
  in.current_hp = 16;
  in.rate = 45;
  return in;
}

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

}  // namespace
