// `faunary-text --learns surf` as a whole process against its floor, a process that only
// parses the same files with TinyXML (learns_bare_parse). Both run in a folder holding the
// committed data/; the time is the CPU time (user and system) the child process used, output
// discarded, which a machine shared with other work disturbs less than wall time.
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DFAUNARY_BENCHMARKS=ON -DFAUNARY_TESTS=OFF
//   cmake --build build-bench --target ask_bench && build-bench/bench/ask_bench
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>
#include <string>

#include "bench/bench_support.h"

namespace {

double ChildrenSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void RunProcess(benchmark::State& state, const std::string& command) {
  bench_support::DataSetDir dir(bench_support::kFiles);
  // exec: the shell's own time would count as the child's.
  const std::string quiet = "exec " + command + " >/dev/null 2>&1";
  for (auto _ : state) {
    const double start = ChildrenSeconds();
    const int status = std::system(quiet.c_str());
    const double end = ChildrenSeconds();
    if (status != 0) {
      state.SkipWithError(("failed: " + command).c_str());
      break;
    }
    state.SetIterationTime(end - start);
  }
}

void BM_LearnsSurfProcess(benchmark::State& state) {
  RunProcess(state, "'" FAUNARY_TEXT_PROGRAM "' --learns surf");
}
BENCHMARK(BM_LearnsSurfProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_LearnsSurfFloor(benchmark::State& state) { RunProcess(state, "'" FAUNARY_LEARNS_FLOOR "'"); }
BENCHMARK(BM_LearnsSurfFloor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace

BENCHMARK_MAIN();
