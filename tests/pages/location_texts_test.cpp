#include "pages/location_texts.h"

#include <gtest/gtest.h>

namespace {

struct Place {
  LocationRow row;
  const char* parameter;
  const char* expected;
};
void PrintTo(const Place& p, std::ostream* os) { *os << p.row.text << " with " << p.parameter; }

class PlaceNameTest : public testing::TestWithParam<Place> {};

TEST_P(PlaceNameTest, PutsTheParameterInAsPlainText) {
  EXPECT_EQ(PlaceName(GetParam().row, GetParam().parameter), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlaceNameTest,
    testing::Values(Place{{"Route %s", "r", true}, "12", "Route 12"},
                    Place{{"Route %s", "r", false}, "12", "Route %s"},
                    Place{{"%s Cave %s", "c", true}, "Dark", "Dark Cave %s"},
                    Place{{"Zone %d %n %s", "z", true}, "%s%n", "Zone %d %n %s%n"},
                    Place{{"Sea Route", "s", true}, "20", "Sea Route 20"},
                    Place{{"Route %s", "r", true}, "", "Route "},
                    Place{{"", "e", true}, "7", " 7"}));

TEST(MethodSuffixes, FollowTheBitOrderAndOnlyAboveTheTimeBits) {
  EXPECT_EQ(MethodSuffixes(7), "");
  EXPECT_EQ(MethodSuffixes(15), "");  // bit 8 names nothing
  EXPECT_EQ(MethodSuffixes(16 + 32), " (Swarm) (Surf)");
  EXPECT_EQ(MethodSuffixes(0x7FF0),
            " (Swarm) (Surf) (Fishing Old Rod) (Fishing Good Rod) (Fishing Super Rod)"
            " (Ruby in GBA Slot) (Sapphire in GBA Slot) (Emerald in GBA Slot)"
            " (FireRed in GBA Slot) (LeafGreen in GBA Slot) (Pokeradar)");
  EXPECT_EQ(MethodSuffixes(16384 + 5), " (Pokeradar)");
}

TEST(TimeText, NamesEachCombinationOfTheThreeBits) {
  const char* expected[] = {"",        "Day",             "Evening",             "Day and Evening",
                            "Morning", "Day and Morning", "Morning and Evening", "Always"};
  for (std::int32_t t = 0; t < 8; ++t) {
    DexEncounter row;
    row.conditions = t + 16;
    EXPECT_EQ(TimeText(row, 0), expected[t]) << t;
    EXPECT_EQ(TimeText(row, kMdRedVersion), "") << t;
  }
}

struct Levels {
  std::int32_t low, high, conditions;
  int version;
  const char* expected;
};
void PrintTo(const Levels& l, std::ostream* os) { *os << l.low << "-" << l.high << " version " << l.version; }

class LevelsTextTest : public testing::TestWithParam<Levels> {};

TEST_P(LevelsTextTest, ShowsOneLevelOrARange) {
  DexEncounter row;
  row.low = GetParam().low;
  row.high = GetParam().high;
  row.conditions = GetParam().conditions;
  EXPECT_EQ(LevelsText(row, GetParam().version), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LevelsTextTest,
    testing::Values(Levels{5, 5, 0, 0, "5"}, Levels{5, 10, 1, 3, "5 to 10"},
                    Levels{0, 10, 1, 3, ""}, Levels{10, 5, 0, 17, "10 to 5"},
                    Levels{0, 5, 7, kMdRedVersion, "7"}, Levels{2, 4, 9, kMdBlueVersion, "9"}));

TEST(VersionCodesFor, ListTheOwnGenerationAndEveryLaterOne) {
  auto range = [](int from, int to) {
    std::vector<int> codes;
    for (int c = from; c <= to; ++c) codes.push_back(c);
    return codes;
  };
  EXPECT_EQ(VersionCodesFor(1), range(0, 18));
  EXPECT_EQ(VersionCodesFor(2), range(3, 18));
  EXPECT_EQ(VersionCodesFor(3), range(6, 18));
  EXPECT_EQ(VersionCodesFor(4), range(17, 18));
  EXPECT_TRUE(VersionCodesFor(0).empty());
  EXPECT_TRUE(VersionCodesFor(5).empty());
  EXPECT_TRUE(VersionCodesFor(-1).empty());
}

}  // namespace
