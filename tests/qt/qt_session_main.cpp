// faunary_qt_sessions <data-folder> <working-folder> <output-folder> <session-script>...
// Copies data/ and faunary.dat of the data folder into a fresh working
// folder and runs the session scripts there one after the other (a later
// one sees the settings file an earlier one left). Exit 0 when every step
// passed, 1 otherwise, 2 on bad usage.
#include <QApplication>

#include <cstdio>
#include <filesystem>

#include "backends/qt/qt_application.h"
#include "qt_session.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: faunary_qt_sessions <data-folder> <working-folder> <output-folder> <session>...\n");
    return 2;
  }
  std::vector<ParsedScript> scripts;
  for (int n = 4; n < argc; ++n) {
    scripts.push_back(ReadScript(argv[n]));
    if (!scripts.back().error.empty()) {
      std::fprintf(stderr, "%s\n", scripts.back().error.c_str());
      return 2;
    }
  }
  const fs::path data = fs::absolute(argv[1]), work = fs::absolute(argv[2]), output = fs::absolute(argv[3]);
  fs::remove_all(work);
  fs::create_directories(work);
  fs::create_directories(output);
  fs::copy(data / "data", work / "data", fs::copy_options::recursive);
  if (fs::exists(data / "faunary.dat")) fs::copy_file(data / "faunary.dat", work / "faunary.dat");

  QApplication application(argc, argv);
  qttk::SetUpApplication(application);
  fs::current_path(work);
  for (int n = 4; n < argc; ++n) {
    const bool passed = RunQtSession(std::move(scripts[static_cast<std::size_t>(n - 4)].steps), output.string());
    std::printf("%s: %s\n", argv[n], passed ? "PASSED" : "FAILED");
    if (!passed) return 1;
  }
  return 0;
}
