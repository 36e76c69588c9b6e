#include <gtest/gtest.h>

#include "texts/breeding.h"

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

}  // namespace
