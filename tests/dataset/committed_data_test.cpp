// The committed data set, read through the program's own data layer, from the files and from
// the archive alone: it loads without a message, every Pokemon can be selected, and every key
// a record uses resolves in its table (a key that fell back to row 0 would show "unknown"
// where the games have real data).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "records/dex_data.h"
#include "records/selection.h"
#include "support/report_capture.h"
#include "support/temp_workdir.h"

namespace {

constexpr std::size_t kPokemonCount = 493;
constexpr std::size_t kMoveCount = 485;

// faunary.dat, and data/ unless the archive alone is wanted, then the data layer's part of start-up.
class CommittedData : public testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    const std::filesystem::path repo(FAUNARY_REPO_DIR);
    std::filesystem::copy_file(repo / "faunary.dat", "faunary.dat");
    if (!GetParam()) std::filesystem::copy(repo / "data", "data", std::filesystem::copy_options::recursive);
    LoadTables();
    LoadIndex();
    LoadMoves();
  }

  TempWorkdir dir_;
  ReportCapture reports_;
};

TEST_P(CommittedData, EveryPokemonAndMoveLoadsAndNamesRealRows) {
  EXPECT_EQ(Data().tables.stdtypes.size(), 19u);  // one per type image
  EXPECT_EQ(Data().tables.breedgroups.size(), 17u);
  ASSERT_EQ(Data().moves.size(), kMoveCount);
  for (const auto& [id, move] : Data().moves) {
    SCOPED_TRACE(move.name);
    EXPECT_FALSE(move.name.empty());
    EXPECT_GT(move.movetype, 0);
    EXPECT_GT(move.movefx, 0);
    EXPECT_LE(move.accuracy, 255);
    EXPECT_LE(move.movefxchance, 255);
    EXPECT_TRUE(move.type > 0 || move.name == "Curse");  // Curse was of the ??? type
  }
  ASSERT_TRUE(IsPokemon("1")) << "the first-run default must exist";
  ASSERT_EQ(Index().size(), kPokemonCount);
  std::size_t encounters = 0;
  for (const auto& [id, entry] : Index()) {
    SCOPED_TRACE("Pokemon " + id + " " + entry.name);
    const DexPokemon p = SelectPokemon(id);
    EXPECT_EQ(CurrentId(), id);
    EXPECT_EQ(std::to_string(p.dexno), id);
    EXPECT_EQ(p.name, entry.name);
    EXPECT_EQ(p.fromgeneration, entry.firstgeneration);
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
    EXPECT_FALSE(p.moves.empty());
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
    for (std::size_t code = 0; code < p.locations.size(); ++code) {
      for (const DexEncounter& e : p.locations[code]) {
        ++encounters;
        const LocationRow& row = LocationAt(e.location);
        EXPECT_GT(e.location, 0) << "version " << code;
        EXPECT_EQ(row.hasParam, !e.text.empty()) << row.abbrev;
        if (row.hasParam) {
          EXPECT_NE(row.text.find("%s"), std::string::npos) << row.abbrev;
        }
        EXPECT_GE(e.high, e.low);
      }
    }
  }
  EXPECT_EQ(Data().store.size(), kPokemonCount);
  EXPECT_GT(encounters, 5000u);
  EXPECT_EQ(reports_.all(), std::vector<Reported>{});
}

INSTANTIATE_TEST_SUITE_P(DataSources, CommittedData, testing::Bool(),
                         [](const auto& p) { return p.param ? "ArchiveOnly" : "Files"; });

}  // namespace
