// The move table.
#include <gtest/gtest.h>

#include "loaded_data.h"

namespace {

using MovesTest = LoadedData;

TEST_F(MovesTest, ReadsEveryFieldAndTurnsKeysIntoPositions) {
  const DexMove& m = Move(1);
  EXPECT_EQ(m.name, "Tackle");
  EXPECT_EQ(m.type, 1);
  EXPECT_EQ(m.movetype, 0);
  EXPECT_EQ(m.movefx, 0);
  EXPECT_EQ(m.pp, 35);
  EXPECT_EQ(m.power, 35);
  EXPECT_EQ(m.accuracy, 242);
  EXPECT_EQ(m.numaffected, 1);
  EXPECT_EQ(m.contesttype, 0);
  EXPECT_EQ(m.contestappeal, 4);
  EXPECT_EQ(m.contestfx, 1);
  EXPECT_EQ(m.superappeal, 2);
  EXPECT_EQ(m.superfx, 1);
  EXPECT_EQ(Move(2).movetype, 1);
  EXPECT_EQ(Move(2).movefx, 1);
}

TEST_F(MovesTest, FirstOfDuplicateIdsWins) { EXPECT_EQ(Move(2).name, "Absorb"); }

TEST_F(MovesTest, MoveWithoutIdIsStoredUnderZeroWithUnknownTypeAtZero) {
  EXPECT_EQ(Move(0).name, "No id");
  EXPECT_EQ(Move(0).type, 0);
}

TEST_F(MovesTest, PpGivenAsAttributeIsNotRead) { EXPECT_EQ(Move(3).pp, 0); }

TEST_F(MovesTest, UnknownIdGivesAnEmptyMove) {
  EXPECT_EQ(Move(77).name, "");
  EXPECT_EQ(Move(77).power, 0);
  EXPECT_EQ(Move(-1).type, 0);
}

}  // namespace
