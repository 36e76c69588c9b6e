#include "pages/move_texts.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct CodeText {
  std::int32_t code;
  const char* text;
};
void PrintTo(const CodeText& c, std::ostream* os) { *os << c.code; }

class MoveMethodTextTest : public testing::TestWithParam<CodeText> {};

TEST_P(MoveMethodTextTest, ShowsTheWayOrTheLevel) {
  EXPECT_EQ(MoveMethodText(GetParam().code), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    LevelCodes, MoveMethodTextTest,
    testing::Values(CodeText{0, "---"}, CodeText{1, "Always"}, CodeText{2, "2"},
                    CodeText{7, "7"}, CodeText{100, "100"}, CodeText{101, "Evol"},
                    CodeText{102, "Gift"}, CodeText{103, "Gift"}, CodeText{104, "Stadium"},
                    CodeText{105, "Event"}, CodeText{106, "XD"}, CodeText{107, "Purify"},
                    CodeText{108, "108"}, CodeText{-5, "-5"},
                    CodeText{INT32_MIN, "-2147483648"}, CodeText{INT32_MAX, "2147483647"}));

struct Percent {
  std::int32_t value;
  const char* accuracy;
  const char* effect;
};
void PrintTo(const Percent& p, std::ostream* os) { *os << p.value; }

class PercentTextTest : public testing::TestWithParam<Percent> {};

TEST_P(PercentTextTest, AccuracyKeepsSixDigitsEffectIsTruncated) {
  EXPECT_EQ(AccuracyPercentText(GetParam().value), GetParam().accuracy);
  EXPECT_EQ(EffectPercentText(GetParam().value), GetParam().effect);
}

INSTANTIATE_TEST_SUITE_P(
    Scale255, PercentTextTest,
    testing::Values(Percent{255, "100", "100"}, Percent{229, "89.8039", "89"},
                    Percent{0, "0", "0"}, Percent{25, "9.80392", "9"},
                    Percent{76, "29.8039", "29"}, Percent{191, "74.902", "74"},
                    Percent{1, "0.392157", "0"}, Percent{-76, "-29.8039", "-29"},
                    // Values no game has: no overflow, the same truncation.
                    Percent{INT32_MAX, "8.4215e+08", "842150449"},
                    Percent{INT32_MIN, "-8.4215e+08", "-842150450"}));

}  // namespace
