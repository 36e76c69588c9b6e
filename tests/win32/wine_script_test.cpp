// The Wine driver's session scripts: how lines become steps, and the text
// expectations the steps compare with what the program shows.
#include <gtest/gtest.h>

#include "scenario.h"
#include "session_support.h"

namespace {

TEST(SessionScript, SplitsWordsAndQuotedTextsAndSkipsComments) {
  const ParsedScenario parsed = ParseScenario(
      "# a comment\n"
      "\n"
      "expect-text-at 10 10 \"Bulbasaur\"\r\n"
      "  wait-message-box \"Faunary\" prefix \"We have\\ndetected\"  \n"
      "pick 101 \"Mr. \\\"Mime\\\" \\\\ Jr\"\n");
  ASSERT_TRUE(parsed.error.empty()) << parsed.error;
  ASSERT_EQ(parsed.steps.size(), 3u);
  EXPECT_EQ(parsed.steps[0].line, 3);
  EXPECT_EQ(parsed.steps[0].command, "expect-text-at");
  EXPECT_EQ(parsed.steps[0].args, (std::vector<std::string>{"10", "10", "Bulbasaur"}));
  EXPECT_EQ(parsed.steps[1].line, 4);
  EXPECT_EQ(parsed.steps[1].args, (std::vector<std::string>{"Faunary", "prefix", "We have\ndetected"}));
  EXPECT_EQ(parsed.steps[2].args[1], "Mr. \"Mime\" \\ Jr");
}

TEST(SessionScript, ReadsCodePage1252BytesFromHexEscapes) {
  const ParsedScenario parsed = ParseScenario("expect-dialog-text 300 \"Pok\\xE9mon upon load\"");
  ASSERT_EQ(parsed.steps.size(), 1u);
  EXPECT_EQ(parsed.steps[0].args[1], "Pok\xE9mon upon load");
}

struct BadLine {
  const char* script;
  const char* error;
};

class SessionScriptErrors : public testing::TestWithParam<BadLine> {};

TEST_P(SessionScriptErrors, NameTheLineAndTheFault) {
  EXPECT_EQ(ParseScenario(GetParam().script).error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Lines, SessionScriptErrors,
                         testing::Values(BadLine{"start\nexpect-text 1 \"open", "line 2: unterminated text"},
                                         BadLine{"x \"\\q\"", "line 1: unknown escape \\q"},
                                         BadLine{"x \"\\x4\"", "line 1: \\x needs two hex digits"},
                                         BadLine{"x \"ends in \\", "line 1: unterminated text"}));

TEST(TextExpectation, MatchesExactlyOrAsAPrefix) {
  const std::vector<std::string> args{"202", "prefix", "Faunary Offline"};
  const std::optional<TextExpectation> prefix = ExpectationAt(args, 1);
  ASSERT_TRUE(prefix);
  EXPECT_TRUE(prefix->Matches("Faunary Offline Pokedex."));
  EXPECT_FALSE(prefix->Matches("Faunary"));
  const std::optional<TextExpectation> exact = ExpectationAt(args, 2);
  ASSERT_TRUE(exact);
  EXPECT_TRUE(exact->Matches("Faunary Offline"));
  EXPECT_FALSE(exact->Matches("Faunary Offline Pokedex."));
  EXPECT_FALSE(ExpectationAt(args, 3));
  // "prefix" as the last word is the text itself.
  EXPECT_EQ(ExpectationAt({"prefix"}, 0)->text, "prefix");
}

TEST(TextExpectation, ShowsTextsAsTheScriptWritesThem) {
  EXPECT_EQ(Show("2'4\""), "\"2'4\\\"\"");
  EXPECT_EQ(Show("a\nb\\"), "\"a\\nb\\\\\"");
  EXPECT_EQ(Show("Pok\xE9mon"), "\"Pok\\xE9mon\"");
  EXPECT_EQ(Mismatch({"Ivysaur", false}, "Bulbasaur"), "expected \"Ivysaur\", shown \"Bulbasaur\"");
}

struct Number {
  const char* word;
  std::optional<int> value;
};

class ScriptNumbers : public testing::TestWithParam<Number> {};

TEST_P(ScriptNumbers, AreDecimalOrHexadecimal) { EXPECT_EQ(IntArg(GetParam().word), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Words, ScriptNumbers,
                         testing::Values(Number{"101", 101}, Number{"-3", -3}, Number{"0x00C80000", 0x00C80000},
                                         Number{"0x7FFFFFFF", 0x7FFFFFFF}, Number{"12a", std::nullopt},
                                         Number{"", std::nullopt}, Number{"0x", std::nullopt},
                                         Number{"99999999999", std::nullopt}));

}  // namespace
