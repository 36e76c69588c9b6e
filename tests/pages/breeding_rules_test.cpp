#include <gtest/gtest.h>

#include "pages/breeding.h"

namespace {

struct Pair {
  int a1, a2, b1, b2;
  int expected;
};
void PrintTo(const Pair& p, std::ostream* os) { *os << p.a1 << "," << p.a2 << " with " << p.b1 << "," << p.b2; }

class CanBreedWithTest : public testing::TestWithParam<Pair> {};

TEST_P(CanBreedWithTest, FirstMatchingRuleDecides) {
  const Pair& p = GetParam();
  EXPECT_EQ(CanBreedWith(p.a1, p.a2, p.b1, p.b2), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, CanBreedWithTest,
    testing::Values(
        Pair{1, 7, 16, 0, 0},   // candidate cannot breed
        Pair{16, 0, 15, 0, 0},  // current cannot breed, even with Ditto
        Pair{15, 0, 15, 0, 0},  // Ditto as the current Pokemon lists nobody
        Pair{15, 0, 1, 0, 0},
        Pair{1, 7, 15, 0, 1},   // everyone breeds with Ditto
        Pair{14, 10, 15, 0, 1}, // genderless only with Ditto
        Pair{14, 10, 14, 10, 0}, Pair{1, 0, 14, 1, 0},
        Pair{1, 7, 1, 0, 1},   // first with first
        Pair{1, 7, 3, 1, 1},   // first with second
        Pair{3, 0, 1, 3, 1},   // a single group with the candidate's second
        Pair{3, 0, 7, 0, 0},   // one group, no match
        Pair{1, 7, 7, 0, 1},   // second with first
        Pair{1, 7, 2, 7, 1},   // second with second
        Pair{1, 7, 2, 3, 0},
        Pair{0, 0, 0, 0, 1},   // group 0 matches itself
        Pair{1, 16, 1, 0, 1},  // 16 as a second group has no role
        Pair{1, 0, 2, 16, 0}));

struct ModeCase {
  std::intptr_t mode;
  std::int32_t g;
  BreedModeChoice expected;
};
void PrintTo(const ModeCase& m, std::ostream* os) { *os << "mode " << m.mode << " generation " << m.g; }

class ChooseBreedModeTest : public testing::TestWithParam<ModeCase> {};

TEST_P(ChooseBreedModeTest, SelectsTheEntryOfTheShownMode) {
  EXPECT_EQ(ChooseBreedMode(GetParam().mode, GetParam().g), GetParam().expected);
  // The selected entry always names the mode shown.
  const auto entries = BreedModeEntries(GetParam().g);
  const auto choice = ChooseBreedMode(GetParam().mode, GetParam().g);
  if (static_cast<std::size_t>(choice.position) < entries.size()) {
    EXPECT_EQ(entries[static_cast<std::size_t>(choice.position)].mode, choice.mode);
  }
}

INSTANTIATE_TEST_SUITE_P(
    CarriedOver, ChooseBreedModeTest,
    testing::Values(ModeCase{1, 1, {0, 1}}, ModeCase{2, 1, {1, 2}}, ModeCase{3, 1, {2, 3}},
                    ModeCase{1, 2, {0, 1}}, ModeCase{3, 2, {2, 3}},
                    ModeCase{1, 3, {0, 2}},  // "Generation 2" is older than the Pokemon
                    ModeCase{2, 3, {0, 2}}, ModeCase{3, 3, {1, 3}}, ModeCase{1, 4, {0, 3}},
                    ModeCase{2, 4, {0, 3}}, ModeCase{3, 4, {0, 3}}, ModeCase{2, 0, {1, 2}}));

TEST(BreedModeEntries, OfferTheOwnGenerationAndLaterOnes) {
  auto texts = [](std::int32_t g) {
    std::vector<std::string> out;
    for (const auto& e : BreedModeEntries(g)) out.push_back(std::string(e.text) + ':' + std::to_string(e.mode));
    return out;
  };
  using V = std::vector<std::string>;
  EXPECT_EQ(texts(1), (V{"Generation 2:1", "Generation 3:2", "Generation 4:3"}));
  EXPECT_EQ(texts(2), texts(1));
  EXPECT_EQ(texts(3), (V{"Generation 3:2", "Generation 4:3"}));
  EXPECT_EQ(texts(4), (V{"Generation 4:3"}));
  EXPECT_EQ(texts(5), V{});
  EXPECT_EQ(texts(0), texts(1));
}

TEST(BreedModeFromSelection, FallsBackToGeneration4) {
  EXPECT_EQ(BreedModeFromSelection(false, 1), 3);
  EXPECT_EQ(BreedModeFromSelection(true, 1), 1);
  EXPECT_EQ(BreedModeFromSelection(true, 2), 2);
  EXPECT_EQ(BreedModeFromSelection(true, 0), 3);
  EXPECT_EQ(BreedModeFromSelection(true, 4), 3);
  EXPECT_EQ(BreedModeFromSelection(true, -1), 3);
}

}  // namespace
