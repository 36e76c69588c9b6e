// Start-up and selection speed of the data layer on the committed data set, read from
// data/ as installed or from faunary.dat alone (every file then comes from the archive,
// which is scanned from its start on every fallback).
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFAUNARY_BENCHMARKS=ON
//   cmake --build build-bench --target data_bench && build-bench/bench/data_bench
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_support.h"

#include "records/dex_data.h"
#include "records/move.h"
#include "records/pokemon_index.h"
#include "records/selection.h"
#include "records/report.h"
#include "records/tables.h"

namespace {

using namespace bench_support;

const char* const kFirstPokemon = "1";

void StartUp() {
  LoadTables();
  LoadIndex();
  LoadMoves();
  benchmark::DoNotOptimize(SelectPokemon(kFirstPokemon));
}

void BM_StartUp(benchmark::State& state) {
  DataSetDir dir(state.range(0));
  MessageCounter messages;
  for (auto _ : state) {
    state.PauseTiming();
    StartAfresh(messages);
    state.ResumeTiming();
    StartUp();
  }
  if (messages.count() != 0) state.SkipWithError("the data layer reported a problem");
  state.SetLabel(state.range(0) == kFiles ? "data/" : "faunary.dat only");
}
BENCHMARK(BM_StartUp)->Arg(kFiles)->Arg(kArchiveOnly)->Unit(benchmark::kMillisecond);

// The start-up steps one by one, to see which one dominates.
enum Step : std::int64_t { kTables, kIndex, kMoves, kFirstSelection };

void BM_StartUpStep(benchmark::State& state) {
  DataSetDir dir(kFiles);
  MessageCounter messages;
  const auto step = state.range(0);
  for (auto _ : state) {
    state.PauseTiming();
    StartAfresh(messages);
    if (step > kTables) LoadTables();
    if (step > kIndex) LoadIndex();
    if (step > kMoves) LoadMoves();
    state.ResumeTiming();
    switch (step) {
      case kTables: LoadTables(); break;
      case kIndex: LoadIndex(); break;
      case kMoves: LoadMoves(); break;
      default: benchmark::DoNotOptimize(SelectPokemon(kFirstPokemon)); break;
    }
  }
  if (messages.count() != 0) state.SkipWithError("the data layer reported a problem");
  static const char* const kNames[] = {"LoadTables", "LoadIndex", "LoadMoves", "SelectPokemon"};
  state.SetLabel(kNames[step]);
}
BENCHMARK(BM_StartUpStep)->DenseRange(kTables, kFirstSelection)->Unit(benchmark::kMillisecond);

// One selection after start-up: the first record of the archive and the last one.
void BM_SelectPokemon(benchmark::State& state) {
  DataSetDir dir(state.range(0));
  MessageCounter messages;
  StartAfresh(messages);
  StartUp();
  const std::string id = std::to_string(state.range(1));
  for (auto _ : state) benchmark::DoNotOptimize(SelectPokemon(id));
  if (messages.count() != 0) state.SkipWithError("the data layer reported a problem");
  state.SetLabel(std::string(state.range(0) == kFiles ? "data/" : "faunary.dat only") +
                 ", Pokemon " + id);
}
BENCHMARK(BM_SelectPokemon)
    ->Args({kFiles, 1})
    ->Args({kFiles, 493})
    ->Args({kArchiveOnly, 1})
    ->Args({kArchiveOnly, 493})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
