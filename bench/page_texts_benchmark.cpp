// What one Draw of the breeding, moves and locations pages composes, on data
// of the full games' size: 493 Pokemon in the index, 40 level-up moves, 30
// encounter rows.
#include <benchmark/benchmark.h>

#include "texts/breeding.h"
#include "texts/location_texts.h"
#include "texts/move_texts.h"
#include "app/startup.h"
#include "records/dex_data.h"

namespace {

// Appending (rather than "text" + number) sidesteps a false -Wrestrict of GCC 12 at -O3.
std::string Named(const char* prefix, int n) {
  std::string name = prefix;
  name += std::to_string(n);
  return name;
}

void FillData() {
  ResetProgramState();
  DexData& data = Data();
  for (int g = 0; g < 17; ++g) data.tables.breedgroups.Append({Named("g", g), Named("Group ", g)});
  for (int id = 1; id <= 493; ++id) {
    IndexEntry entry;
    entry.name = Named("Pokemon", id);
    entry.breedgroup1 = 1 + id % 16;
    entry.breedgroup2 = id % 3 == 0 ? 1 + (id + 5) % 13 : 0;
    entry.firstgeneration = 1 + (id - 1) * 4 / 493;
    data.index.emplace(std::to_string(id), std::move(entry));
  }
  for (int id = 1; id <= 485; ++id) {
    DexMove move;
    move.id = id;
    move.name = Named("Move", id);
    data.moves.emplace(id, move);
  }
  data.tables.locations.push_back({"Route %s", "route", true});
}

void BM_BreedPartnerText(benchmark::State& state) {
  FillData();
  DexPokemon record;
  record.name = "Bulbasaur";
  record.breedgroup1 = 1;
  record.breedgroup2 = 7;
  for (auto _ : state) benchmark::DoNotOptimize(BreedPartnerText(record, Data().index, kModeGen4));
}
BENCHMARK(BM_BreedPartnerText);

void BM_LevelMoveRows(benchmark::State& state) {
  FillData();
  DexPokemon record;
  for (int i = 0; i < 40; ++i) record.moves.push_back({i * 7 + 1, i, i, i, i, i, 101, 0, 1});
  for (auto _ : state) benchmark::DoNotOptimize(LevelMoveRows(record));
}
BENCHMARK(BM_LevelMoveRows);

void BM_EncounterRows(benchmark::State& state) {
  FillData();
  EncounterList list;
  for (int i = 0; i < 30; ++i) list.push_back({0, i, i + 3, std::to_string(i), 0x4011, 10});
  for (auto _ : state) benchmark::DoNotOptimize(EncounterRows(list, 17));
}
BENCHMARK(BM_EncounterRows);

}  // namespace

BENCHMARK_MAIN();
