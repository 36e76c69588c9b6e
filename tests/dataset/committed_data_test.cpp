// The committed data set, read through the program's own data layer from the archive (which
// holds exactly the files of data/, the converter's archive test): it loads without a message,
// every Pokemon can be selected, and every key a record uses resolves in its table (a key that
// fell back to row 0 would show "unknown" where the games have real data).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "records/dex_data.h"
#include "records/selection.h"
#include "support/report_capture.h"
#include "support/temp_workdir.h"

namespace {

TEST(CommittedData, EveryPokemonAndMoveLoadsAndNamesRealRows) {
  TempWorkdir dir;
  ReportCapture reports;
  std::filesystem::copy_file(std::filesystem::path(FAUNARY_REPO_DIR) / "faunary.dat", "faunary.dat");
  LoadTables();
  LoadIndex();
  LoadMoves();
  EXPECT_EQ(Data().tables.stdtypes.size(), 19u);  // one per type image
  EXPECT_EQ(Data().tables.breedgroups.size(), 17u);
  ASSERT_EQ(Data().moves.size(), 485u);
  for (const auto& [id, move] : Data().moves) {
    SCOPED_TRACE(move.name);
    EXPECT_FALSE(move.name.empty());
    EXPECT_TRUE(move.movetype > 0 && move.movefx > 0 && move.accuracy <= 255 && move.movefxchance <= 255);
    EXPECT_TRUE(move.type > 0 || move.name == "Curse");  // Curse was of the ??? type
  }
  ASSERT_TRUE(IsPokemon("1")) << "the first-run default must exist";
  ASSERT_EQ(Index().size(), 493u);
  std::size_t encounters = 0;
  for (const auto& [id, entry] : Index()) {
    SCOPED_TRACE("Pokemon " + id + " " + entry.name);
    const DexPokemon p = SelectPokemon(id);
    EXPECT_EQ(CurrentId(), id);
    EXPECT_EQ(std::to_string(p.dexno), id);
    EXPECT_EQ(p.name, entry.name);
    EXPECT_EQ(p.fromgeneration, entry.firstgeneration);
    EXPECT_TRUE(p.type1 > 0 && p.type2 != p.type1 && p.breedgroup1 > 0 && p.colour > 0 && p.gen4ability1 > 0);
    if (p.fromgeneration <= 3) {
      EXPECT_TRUE(p.gen3ability1 > 0 && p.habitat > 0 && p.friendarea > 0);
    }
    EXPECT_FALSE(p.moves.empty());
    for (const LevelMove& m : p.moves) EXPECT_FALSE(Move(m.id).name.empty()) << m.id;
    for (const BreedMove& b : p.breedmoves) {
      EXPECT_FALSE(Move(b.id).name.empty()) << b.id;
      EXPECT_FALSE(b.methodgen2.empty() && b.methodgen3.empty() && b.methodgen4.empty());
    }
    EXPECT_TRUE(IsPokemon(p.lowestevo));
    for (const Evolution& e : p.evolutions)
      EXPECT_TRUE(IsPokemon(e.evolvesto) && !EvolutionMethod(e.evomethod).text.empty()) << e.evolvesto;
    for (std::size_t code = 0; code < p.locations.size(); ++code)
      for (const DexEncounter& e : p.locations[code]) {
        ++encounters;
        const LocationRow& row = LocationAt(e.location);
        EXPECT_GT(e.location, 0) << "version " << code;
        EXPECT_EQ(row.hasParam, !e.text.empty()) << row.abbrev;
        EXPECT_TRUE(!row.hasParam || row.text.find("%s") != std::string::npos) << row.abbrev;
        EXPECT_GE(e.high, e.low);
      }
  }
  EXPECT_EQ(Data().store.size(), 493u);
  EXPECT_GT(encounters, 5000u);
  EXPECT_EQ(reports.all(), std::vector<Reported>{});
}

}  // namespace
