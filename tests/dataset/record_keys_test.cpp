// Every key the committed records use resolves in its table: a key that fell back to
// row 0 would show "unknown" data where the games have real data.
#include <gtest/gtest.h>

#include <algorithm>

#include "dataset/committed_data.h"
#include "records/dex_data.h"
#include "records/move.h"
#include "records/pokemon_index.h"
#include "records/tables.h"
#include "support/report_capture.h"
#include "support/temp_workdir.h"

namespace {

class RecordKeys : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempWorkdir;
    InstallCommittedData(*dir_, DataSource::kFiles);
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }
  void SetUp() override { LoadDataLayer(); }

  // Calls check on every record.
  template <typename Check>
  void ForEveryRecord(Check check) {
    for (const auto& [id, entry] : Index()) {
      SCOPED_TRACE("Pokemon " + id + " " + entry.name);
      check(SelectPokemon(id));
    }
  }

  static TempWorkdir* dir_;
  ReportCapture reports_;
};

TempWorkdir* RecordKeys::dir_ = nullptr;

TEST_F(RecordKeys, TablePositionsAreRealRows) {
  ForEveryRecord([](const DexPokemon& p) {
    EXPECT_GT(p.type1, 0);
    EXPECT_NE(p.type2, p.type1);
    EXPECT_GT(p.breedgroup1, 0);
    EXPECT_GT(p.colour, 0);
    EXPECT_GT(p.gen4ability1, 0);
    if (p.fromgeneration <= 3) {
      EXPECT_GT(p.gen3ability1, 0);
      EXPECT_GT(p.habitat, 0);
      EXPECT_GT(p.friendarea, 0);
    }
  });
}

TEST_F(RecordKeys, MovesAndEvolutionsNameKnownEntries) {
  ForEveryRecord([](const DexPokemon& p) {
    for (const LevelMove& m : p.moves) EXPECT_FALSE(Move(m.id).name.empty()) << m.id;
    for (const BreedMove& b : p.breedmoves) {
      EXPECT_FALSE(Move(b.id).name.empty()) << b.id;
      EXPECT_FALSE(b.methodgen2.empty() && b.methodgen3.empty() && b.methodgen4.empty());
    }
    EXPECT_TRUE(IsPokemon(p.lowestevo));
    for (const Evolution& e : p.evolutions) {
      EXPECT_TRUE(IsPokemon(e.evolvesto));
      EXPECT_FALSE(EvolutionMethod(e.evomethod).text.empty());
    }
  });
}

TEST_F(RecordKeys, EncounterRowsNameRealLocations) {
  std::size_t rows = 0;
  ForEveryRecord([&rows](const DexPokemon& p) {
    for (std::size_t code = 0; code < p.locations.size(); ++code) {
      for (const DexEncounter& e : p.locations[code]) {
        ++rows;
        EXPECT_GT(e.location, 0) << "version " << code;
        const LocationRow& row = LocationAt(e.location);
        EXPECT_EQ(row.hasParam, !e.text.empty()) << row.abbrev;
        if (row.hasParam) {
          EXPECT_NE(row.text.find("%s"), std::string::npos) << row.abbrev;
        }
        EXPECT_GE(e.high, e.low);
      }
    }
  });
  EXPECT_GT(rows, 5000u);
}

TEST_F(RecordKeys, MovesNameRealTableRows) {
  for (const auto& [id, move] : Data().moves) {
    SCOPED_TRACE(move.name);
    EXPECT_GT(move.movetype, 0);
    EXPECT_GT(move.movefx, 0);
    EXPECT_LE(move.accuracy, 255);
    EXPECT_LE(move.movefxchance, 255);
    EXPECT_TRUE(move.type > 0 || move.name == "Curse");  // Curse was of the ??? type
  }
}

}  // namespace
