// The committed data set, read through the program's own data layer: it loads without a
// message, every Pokemon can be selected, and the archive alone gives the same records.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dataset/committed_data.h"
#include "records/dex_data.h"
#include "records/move.h"
#include "records/pokemon_index.h"
#include "records/tables.h"
#include "support/report_capture.h"
#include "support/temp_workdir.h"

namespace {

constexpr std::size_t kPokemonCount = 493;
constexpr std::size_t kMoveCount = 485;

class CommittedData : public testing::TestWithParam<DataSource> {
 protected:
  void SetUp() override { InstallCommittedData(dir_, GetParam()); }

  TempWorkdir dir_;
  ReportCapture reports_;
};

TEST_P(CommittedData, LoadsEveryPokemonAndMoveWithoutAMessage) {
  LoadDataLayer();

  EXPECT_EQ(Index().size(), kPokemonCount);
  EXPECT_EQ(Data().moves.size(), kMoveCount);
  for (std::int32_t id = 1; id <= static_cast<std::int32_t>(kMoveCount); ++id)
    EXPECT_FALSE(Move(id).name.empty()) << "move " << id;
  const DexTables& t = Data().tables;
  EXPECT_EQ(t.stdtypes.size(), 19u);
  EXPECT_EQ(t.breedgroups.size(), 17u);
  for (const KeyedTable* table : {&t.cntstypes, &t.attktypes, &t.movefx, &t.contestfx,
                                  &t.abilities, &t.colours, &t.habitats, &t.friendareas})
    EXPECT_GT(table->size(), 1u);
  EXPECT_GT(t.locations.size(), 1u);
  EXPECT_GT(t.evomethods.size(), 1u);
  EXPECT_EQ(reports_.all(), std::vector<Reported>{});
}

TEST_P(CommittedData, EveryPokemonCanBeSelected) {
  LoadDataLayer();
  ASSERT_TRUE(IsPokemon("1")) << "the first-run default must exist";

  for (const auto& [id, entry] : Index()) {
    const DexPokemon shown = SelectPokemon(id);
    EXPECT_EQ(CurrentId(), id);
    EXPECT_EQ(std::to_string(shown.dexno), id);
    EXPECT_EQ(shown.name, entry.name);
    EXPECT_EQ(shown.fromgeneration, entry.firstgeneration) << id;
    EXPECT_FALSE(shown.moves.empty()) << id;
  }
  EXPECT_EQ(Data().store.size(), kPokemonCount);
  EXPECT_EQ(reports_.all(), std::vector<Reported>{});
}

INSTANTIATE_TEST_SUITE_P(DataSources, CommittedData,
                         testing::Values(DataSource::kFiles, DataSource::kArchiveOnly),
                         [](const auto& p) { return DataSourceName(p.param); });

std::vector<std::string> ReadEveryRecord(DataSource source) {
  TempWorkdir dir;
  InstallCommittedData(dir, source);
  ResetData();
  LoadDataLayer();
  std::vector<std::string> records;
  for (const auto& [id, entry] : Index()) records.push_back(id + "\n" + Describe(SelectPokemon(id)));
  return records;
}

TEST(CommittedArchive, AloneGivesTheSameRecordsAsTheFiles) {
  ReportCapture reports;
  const std::vector<std::string> from_files = ReadEveryRecord(DataSource::kFiles);
  const std::vector<std::string> from_archive = ReadEveryRecord(DataSource::kArchiveOnly);

  ASSERT_EQ(from_archive.size(), kPokemonCount);
  ASSERT_EQ(from_files.size(), from_archive.size());
  for (std::size_t i = 0; i < from_files.size(); ++i) EXPECT_EQ(from_archive[i], from_files[i]);
  EXPECT_EQ(reports.all(), std::vector<Reported>{});
}

}  // namespace
