// How long the comparison page's "Lowest"/"Highest" walks and the catch
// formula take on a full-sized index (493 Pokemon).
#include <benchmark/benchmark.h>

#include "calc/catch_value.h"
#include "calc/compare_values.h"
#include "calc/experience.h"
#include "app/startup.h"
#include "records/dex_data.h"

namespace {

void FillIndex() {
  ResetProgramState();
  for (std::int32_t n = 1; n <= 493; ++n) {
    IndexEntry e;
    e.hp = (n * 37) % 255 + 1;
    e.weight = (n * 53) % 2000;
    e.height = {n % 20, n % 12};
    Data().index.emplace(std::to_string(n), std::move(e));
  }
}

void BM_FindLowestHp(benchmark::State& state) {
  FillIndex();
  for (auto _ : state) benchmark::DoNotOptimize(FindLowest(0));
}
BENCHMARK(BM_FindLowestHp);

// One graph rebuild of a fresh page: "Lowest" and "Highest" each walk the index.
void BM_FreshGraphValues(benchmark::State& state) {
  FillIndex();
  for (auto _ : state) {
    const std::array<std::int32_t, kCompareBarCount> values{
        CompareValue(kCompareLowest, kCompareHeight), CompareValue(kCompareHighest, kCompareHeight),
        0, 0, CompareValue("25", kCompareHeight)};
    benchmark::DoNotOptimize(CompareBarWidths(values));
  }
}
BENCHMARK(BM_FreshGraphValues);

void BM_CatchValue(benchmark::State& state) {
  std::int32_t current = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(CatchChance(CatchValue(45, 10, 150, current, kNoStatusTenths)));
    current = current % 150 + 7;
  }
}
BENCHMARK(BM_CatchValue);

void BM_ExperienceTable(benchmark::State& state) {
  std::int32_t level = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ExperienceAtLevel(6, level));
    level = level % 100 + 1;
  }
}
BENCHMARK(BM_ExperienceTable);

}  // namespace
