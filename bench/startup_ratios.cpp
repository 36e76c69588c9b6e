// The start-up figures the program is held to, each against a floor that does only what
// cannot be avoided, as whole processes in pairs (floor and program one right after the
// other, the order alternating), so that a busy machine slows both alike:
//   - `faunary-text 25`, CPU time, against TinyXML parsing the same files (goal 1.2x);
//   - the native program from process start to its main window shown with the full data
//     and closed at once (FAUNARY_CLOSE_AFTER_START), wall time,
//     against a bare Qt Widgets window of the same make-up (goal 1.15x).
// Each reports the medians of its pairs: the ratios and both sides' times.
//
//   ./dev bench   (or build the target startup_ratios with -DFAUNARY_BENCHMARKS=ON)
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "bench/child_process.h"

namespace {

using namespace bench_support;

constexpr int kPairs = 20;

struct Command {
  std::vector<std::string> argv;
  std::vector<std::string> environment;
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void RunPairs(benchmark::State& state, const Command& program, const Command& floor) {
  DataSetDir folder(kFiles);
  WriteSettings(kSecondStartSettings);
  const std::string here = std::filesystem::current_path().string();
  auto run = [&](const Command& command) { return RunProcess(command.argv, here, command.environment); };
  // One pair first, unmeasured, so that both start from warm caches.
  if (!run(floor) || !run(program)) {
    state.SkipWithError("the program or its floor failed");
    return;
  }
  std::vector<double> program_wall, program_cpu, floor_wall, floor_cpu, wall_ratio, cpu_ratio;
  bool program_first = false;
  for (auto _ : state) {
    program_first = !program_first;
    std::optional<ProcessCost> p, f;
    if (program_first) {
      p = run(program);
      f = run(floor);
    } else {
      f = run(floor);
      p = run(program);
    }
    if (!p || !f) {
      state.SkipWithError("the program or its floor failed");
      return;
    }
    state.SetIterationTime(p->wall_ms / 1e3);
    program_wall.push_back(p->wall_ms);
    program_cpu.push_back(p->cpu_ms);
    floor_wall.push_back(f->wall_ms);
    floor_cpu.push_back(f->cpu_ms);
    wall_ratio.push_back(p->wall_ms / f->wall_ms);
    cpu_ratio.push_back(p->cpu_ms / std::max(f->cpu_ms, 0.001));
  }
  state.counters["wall_ratio"] = Median(wall_ratio);
  state.counters["cpu_ratio"] = Median(cpu_ratio);
  state.counters["program_wall_ms"] = Median(program_wall);
  state.counters["floor_wall_ms"] = Median(floor_wall);
  state.counters["program_cpu_ms"] = Median(program_cpu);
  state.counters["floor_cpu_ms"] = Median(floor_cpu);
}

void BM_TextPageAgainstBareParse(benchmark::State& state) {
  RunPairs(state, {{FAUNARY_TEXT_PROGRAM, "25"}, {}}, {{FAUNARY_BARE_PARSE}, {}});
  state.SetLabel("goal: cpu_ratio <= 1.2");
}
BENCHMARK(BM_TextPageAgainstBareParse)->UseManualTime()->Iterations(kPairs)->Unit(benchmark::kMillisecond);

#ifdef FAUNARY_NATIVE_PROGRAM
// On the X display of the environment (`./dev bench` gives it a virtual one, Xvfb), else
// on Qt's offscreen platform, which starts far faster than a real one.
void BM_NativeStartUpAgainstBareQtWindow(benchmark::State& state) {
  const bool display = std::getenv("DISPLAY") != nullptr && *std::getenv("DISPLAY") != '\0';
  std::vector<std::string> platform;
  if (!display) platform.push_back("QT_QPA_PLATFORM=offscreen");
  std::vector<std::string> program_environment = platform;
  program_environment.push_back("FAUNARY_CLOSE_AFTER_START=1");
  RunPairs(state, {{FAUNARY_NATIVE_PROGRAM}, program_environment}, {{FAUNARY_BARE_QT_WINDOW}, platform});
  state.SetLabel(std::string(display ? "X display" : "offscreen") + ", goal: wall_ratio <= 1.15");
}
BENCHMARK(BM_NativeStartUpAgainstBareQtWindow)->UseManualTime()->Iterations(kPairs)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

BENCHMARK_MAIN();
