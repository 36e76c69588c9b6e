// The native program's entry point: the data is read while Qt starts, then the
// portable start-up goes on from the settings.
#include <QApplication>

#include <cstdio>
#include <cstring>

#include "backends/qt/close_after_start.h"
#include "backends/qt/data_preload.h"
#include "backends/qt/qt_application.h"
#include "shell/native_locations.h"
#include "app/startup.h"
#include "port/win_constants.h"

namespace {
constexpr const char* kUsage =
    "Usage: faunary [--help | --version] [Qt options]\n"
    "\n"
    "Faunary, an offline Pokedex for the Pokemon games of generations 1 to 4.\n"
    "Started in a folder holding data/ or faunary.dat it reads that folder and keeps\n"
    "its settings there; otherwise it reads the installed data set and keeps its\n"
    "settings in $XDG_CONFIG_HOME/faunary/faunary.cfgx. See faunary(6).\n"
    "\n"
    "  --help       show this text\n"
    "  --version    show the program's version\n";

// Answers --help and --version before Qt looks for a display; -1 to go on.
int AnswerInformationOptions(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("faunary %s\n", FAUNARY_VERSION);
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  return -1;
}
}  // namespace

int main(int argc, char** argv) {
  if (const int status = AnswerInformationOptions(argc, argv); status >= 0) return status;
  // The working folder's data, else the installed data set and the user's configuration folder.
  PrepareNativeLocations(argc > 0 ? argv[0] : nullptr);
  qttk::DataPreload data;
  QApplication application(argc, argv);
  qttk::SetUpApplication(application);
  qttk::CloseAfterStartWhenAsked();
  data.Finish();
  return FaunaryMainWithData(qttk::ProgramInstance(), SW_SHOWDEFAULT);
}
