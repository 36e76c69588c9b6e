// Wild-encounter and dungeon-floor rows of a record.
#include <gtest/gtest.h>

#include "loaded_data.h"

namespace {

class EncountersTest : public LoadedData {
 protected:
  void SetUp() override {
    LoadedData::SetUp();
    SelectPokemon("1");
  }
  const EncounterList& Version(int code) { return CurrentRecord().locations[static_cast<std::size_t>(code)]; }
};

TEST_F(EncountersTest, OrdinaryRowReadsLevelsTextChanceAndConditions) {
  ASSERT_EQ(Version(0).size(), 1u);
  const DexEncounter& row = Version(0)[0];
  EXPECT_EQ(row.location, 1);
  EXPECT_EQ(row.low, 3);
  EXPECT_EQ(row.high, 5);
  EXPECT_EQ(row.text, "1");
  EXPECT_EQ(row.chance, 20);
  EXPECT_EQ(row.conditions, kCondSwarm | kCondSurf);  // 48
}

TEST_F(EncountersTest, EmptyVersionElementDoesNotStopTheNextOne) {
  EXPECT_TRUE(Version(1).empty());
  ASSERT_EQ(Version(2).size(), 2u);  // the element between the rows is skipped
  EXPECT_EQ(Version(2)[0].conditions & kCondTimeMask, 7);
  EXPECT_EQ(Version(2)[0].conditions, 7 | kCondSapphireGba);  // both Sapphire markers: once
  EXPECT_EQ(Version(2)[1].location, 0);  // unknown locid
  EXPECT_EQ(Version(2)[1].conditions, kCondFishOldRod);
}

TEST_F(EncountersTest, DungeonRowsKeepFloorsAndLevel) {
  ASSERT_EQ(Version(kMdRedVersion).size(), 1u);
  const DexEncounter& row = Version(kMdRedVersion)[0];
  EXPECT_EQ(row.location, 3);
  EXPECT_EQ(row.low, 0);
  EXPECT_EQ(row.high, 4);
  EXPECT_EQ(row.conditions, 5);  // the level
  EXPECT_EQ(row.chance, 12);
}

TEST_F(EncountersTest, VersionCodesFollowTheirElements) {
  EXPECT_EQ(Version(18).size(), 1u);  // pearlloc
  EXPECT_EQ(Version(18)[0].conditions, kCondRadar | kCondEmeraldGba);
  EXPECT_TRUE(Version(17).empty());
  EXPECT_STREQ(kVersions[13].element, "trozeiloc");
  EXPECT_STREQ(kVersions[17].name, "Diamond");
}

}  // namespace
