// The native program's entry point: the data is read while Qt starts, then the
// portable start-up goes on from the settings.
#include <QApplication>

#include "backends/qt/close_after_start.h"
#include "backends/qt/data_preload.h"
#include "backends/qt/qt_application.h"
#include "shell/native_locations.h"
#include "shell/startup.h"
#include "shell/win_constants.h"

int main(int argc, char** argv) {
  // The working folder's data, else the installed data set and the user's configuration folder.
  PrepareNativeLocations(argc > 0 ? argv[0] : nullptr);
  qttk::DataPreload data;
  QApplication application(argc, argv);
  qttk::SetUpApplication(application);
  qttk::CloseAfterStartWhenAsked();
  data.Finish();
  return FaunaryMainWithData(qttk::ProgramInstance(), SW_SHOWDEFAULT);
}
