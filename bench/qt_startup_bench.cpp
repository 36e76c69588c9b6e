// Start-up of the native program, from process start to its main window
// painted the first time, with the committed data set (a second start: the
// settings file exists). Each iteration starts the probe under Qt's
// offscreen platform and waits for its "shown" (the time includes the
// shell that starts it).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

fs::path PrepareFolder() {
  const fs::path folder = fs::temp_directory_path() / "faunary-qt-startup";
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy(fs::path(FAUNARY_REPO_DIR) / "data", folder / "data", fs::copy_options::recursive);
  fs::copy_file(fs::path(FAUNARY_REPO_DIR) / "faunary.dat", folder / "faunary.dat");
  std::ofstream(folder / "faunary.cfgx") << "<?xml version=\"1.0\" ?>\n<options version=\"4\">\n"
                                            "    <crtronload>2</crtronload>\n    <crtrloadpick>1</crtrloadpick>\n"
                                            "    <pageonload>2</pageonload>\n    <pageloadpick>0</pageloadpick>\n"
                                            "    <autoupdate>0</autoupdate>\n</options>\n";
  return folder;
}

void BM_NativeStartUpToWindowShown(benchmark::State& state) {
  const fs::path folder = PrepareFolder();
  const std::string command =
      "cd '" + folder.string() + "' && QT_QPA_PLATFORM=offscreen exec '" FAUNARY_QT_PROBE "' 2>/dev/null";
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    FILE* probe = popen(command.c_str(), "r");
    char line[64] = {};
    const bool shown = probe && std::fgets(line, sizeof line, probe) && std::string(line) == "shown\n";
    const auto end = std::chrono::steady_clock::now();
    if (probe) pclose(probe);
    if (!shown) {
      state.SkipWithError("the probe did not show its window");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_NativeStartUpToWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
