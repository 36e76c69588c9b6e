// The whole program on the in-memory toolkit with the committed data set: start-up as
// a user meets it (tables, index, moves, settings, first selection, main window, first
// page), and what a user does most: pick a Pokemon (selection plus redraw of the page
// showing) and switch tabs.
//
//   cmake --build build-bench --target program_bench && build-bench/bench/program_bench
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "backends/memory/memory_screen.h"
#include "bench/bench_support.h"
#include "port/control_ids.h"
#include "port/dialog_ids.h"
#include "app/startup.h"
#include "port/win_constants.h"

namespace {

using namespace bench_support;

constexpr tk::Instance kInstance{0x400000};
constexpr const char* kSettings = bench_support::kSecondStartSettings;

void Start() {
  ResetProgramState();  // first: an open page destroys its controls on the screen that made them
  memtk::Reset();
  StartFaunary(kInstance, SW_SHOWDEFAULT);
}

// Any message box means the data set or the settings are broken; the figure is void.
void CheckNoMessages(benchmark::State& state) {
  if (!memtk::MessageBoxes().empty()) state.SkipWithError(memtk::MessageBoxes().front().text.c_str());
}

const char* Label(std::int64_t source) { return source == kFiles ? "data/" : "faunary.dat only"; }

void BM_ProgramStartUp(benchmark::State& state) {
  DataSetDir dir(state.range(0));
  WriteSettings(kSettings);
  for (auto _ : state) Start();
  CheckNoMessages(state);
  state.SetLabel(Label(state.range(0)));
}
BENCHMARK(BM_ProgramStartUp)->Arg(kFiles)->Arg(kArchiveOnly)->Unit(benchmark::kMillisecond);

// Picks Pokemon after Pokemon in the list while one tab shows.
void BM_PickPokemon(benchmark::State& state) {
  static const char* const kTabs[] = {"Main", "Attacks", "Locations", "Comparisons"};
  DataSetDir dir(state.range(0));
  WriteSettings(kSettings);
  Start();
  const char* tab = kTabs[state.range(1)];
  memtk::SelectTab(kPageTabsId, tab);
  const auto count = static_cast<int>(memtk::FindControl(kPokemonListId)->entries.size());
  int position = 0;
  for (auto _ : state) {
    memtk::PickEntry(kPokemonListId, position);
    position = (position + 37) % count;
  }
  CheckNoMessages(state);
  state.SetLabel(std::string(Label(state.range(0))) + ", " + tab);
}
BENCHMARK(BM_PickPokemon)
    ->ArgsProduct({{kFiles, kArchiveOnly}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMillisecond);

// Walks through all thirteen tabs; each switch destroys one page and builds the next.
void BM_SwitchTab(benchmark::State& state) {
  DataSetDir dir(kFiles);
  WriteSettings(kSettings);
  Start();
  int tab = 0;
  for (auto _ : state) {
    tab = (tab + 1) % 12;
    memtk::SelectTab(kPageTabsId, tab);
  }
  CheckNoMessages(state);
}
BENCHMARK(BM_SwitchTab)->Unit(benchmark::kMillisecond);

// The Find dialog after its first question (which builds the indexes): each
// further question as a user asks it, picking an answer and seeing the list.
void BM_FindNextQuestion(benchmark::State& state) {
  static const char* const kQuestions[] = {"learns the move", "has the ability", "lives at"};
  static const std::vector<std::vector<const char*>> kAnswers = {
      {"Surf", "Tackle", "Thunderbolt", "Ice Beam", "Hidden Power", "Roar"},
      {"Levitate", "Swift Swim", "Intimidate", "Chlorophyll"},
      {"Route 32", "Route 1", "Mt. Moon", "Ilex Forest"}};
  DataSetDir dir(kFiles);
  WriteSettings(kSettings);
  Start();
  const auto question = static_cast<std::size_t>(state.range(0));
  std::size_t rows = 0;
  memtk::OnNextDialog([&](memtk::Dialog& find) {
    find.Select(kFindQuestionList, kQuestions[question]);
    find.Select(kFindAnswerList, kAnswers[question][0]);  // the first question
    std::size_t n = 1;
    for (auto _ : state) {
      find.Select(kFindAnswerList, kAnswers[question][n++ % kAnswers[question].size()]);
      rows += find.ControlOf(kFindResults).rows.size();
    }
  });
  memtk::Click(kFindButtonId);
  CheckNoMessages(state);
  state.SetLabel(kQuestions[question]);
  benchmark::DoNotOptimize(rows);
}
BENCHMARK(BM_FindNextQuestion)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
