#include "records/atoi32.h"

#include <gtest/gtest.h>

namespace {

struct AtoiCase {
  const char* text;
  std::int32_t value;
};
void PrintTo(const AtoiCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class Atoi32Test : public testing::TestWithParam<AtoiCase> {};

TEST_P(Atoi32Test, ReadsLikeCAtoiWithA32BitWrap) { EXPECT_EQ(Atoi32(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(
    Texts, Atoi32Test,
    testing::Values(AtoiCase{"", 0}, AtoiCase{"abc", 0}, AtoiCase{"12abc", 12}, AtoiCase{" -3", -3},
                    AtoiCase{"\t\n+7", 7}, AtoiCase{"0.2", 0}, AtoiCase{"-", 0}, AtoiCase{"- 5", 0},
                    AtoiCase{"01", 1}, AtoiCase{"2147483647", 2147483647},
                    AtoiCase{"2147483648", -2147483647 - 1}, AtoiCase{"4294967295", -1},
                    AtoiCase{"4294967296", 0}, AtoiCase{"-4294967295", 1},
                    AtoiCase{"99999999999999999999999", -159383553}));

}  // namespace
