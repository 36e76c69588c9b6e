// The native program's entry point: Qt first, then the portable start-up.
#include <QApplication>

#include "backends/qt/close_after_start.h"
#include "backends/qt/qt_application.h"
#include "backends/qt/session_end.h"
#include "shell/native_locations.h"
#include "app/startup.h"
#include "port/win_constants.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  qttk::SetUpApplication(application);
  // The working folder's data, else the installed data set and the user's configuration folder.
  PrepareNativeLocations(argc > 0 ? argv[0] : nullptr);
  qttk::CloseAfterStartWhenAsked();
  qttk::EndWithTheSession();
  return FaunaryMain(qttk::ProgramInstance(), SW_SHOWDEFAULT);
}
